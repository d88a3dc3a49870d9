// The plant, animal and mineral dialogs driven through their widgets: search, type boxes, OK and Cancel, and
// clicks on the drawn periodic table at the cells' pixels.
#include "filters/ClassFilterDialog.h"
#include "filters/MineralFilterDialog.h"
#include "fixtures/PeriodicTableFiles.h"

#include "controls/PictureButton.h"
#include "support/Contrast.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

QPoint CellCentre(int cell)
{
    const CellRect r = CellRectOf(cell);
    return {r.left + 16, r.top + 16};
}

// A pixel of the cell's square that no text covers.
QColor CellColour(const QImage& image, int cell)
{
    const CellRect r = CellRectOf(cell);
    return image.pixelColor(r.left + 30, r.top + 4);
}

// The contrast of a cell's text on its square: the pixel of the square that stands out most from the fill is
// the text's own colour where a stroke covers it whole.
double CellTextContrast(const QImage& image, int cell)
{
    const CellRect r = CellRectOf(cell);
    const QColor fill = CellColour(image, cell);
    double best = 1.0;
    for (int y = r.top + 1; y < r.top + kCellSize - 1; ++y)
        for (int x = r.left + 1; x < r.left + kCellSize - 1; ++x)
            best = std::max(best, ContrastRatio(fill, image.pixelColor(x, y)));
    return best;
}

// Walks the accessibility tree below `entry` (not into lists, tables and combo boxes, whose items speak for
// themselves) and returns the controls a screen reader could not name: no name and no label.
QStringList UnnamedControls(QAccessibleInterface* entry, QStringList* roles = nullptr)
{
    static const QList<QAccessible::Role> kControls{QAccessible::PushButton, QAccessible::CheckBox,
        QAccessible::RadioButton, QAccessible::ComboBox, QAccessible::EditableText, QAccessible::List,
        QAccessible::Table};
    QStringList unnamed;
    for (int i = 0; i < entry->childCount(); ++i) {
        QAccessibleInterface* child = entry->child(i);
        if (!child || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        if (kControls.contains(role)) {
            if (roles)
                *roles << QStringLiteral("%1:%2").arg(role).arg(child->text(QAccessible::Name));
            if (child->text(QAccessible::Name).isEmpty() && child->relations(QAccessible::Label).isEmpty())
                unnamed << (child->object() ? child->object()->objectName() : QString::number(role));
            continue;
        }
        unnamed << UnnamedControls(child, roles);
    }
    return unnamed;
}

} // namespace

class TestFilterDialogs final : public QObject
{
    Q_OBJECT

    // The class and mineral files the dialogs open, and the messages they give.
    TempFolder m_folder;
    RecordingMessageSink m_sink;

    CPracticeFolder Practice() const { return CPracticeFolder(m_folder.Path()); }

private Q_SLOTS:
    // The class files for remedies 1 to 3; the periodic table's files for remedies 1 to 5: oxygen and copper in three
    // remedies each, iron and sulphur in one.
    void initTestCase()
    {
        m_folder.Write("plants.dat", EncodeLineList({"Anacardiaceae", "Apocynaceae", "Compositae", "Coniferae"}));
        m_folder.Write("plcode.dat",
            EncodeCodeWords({0, MakeClassCode(3, 0b101), MakeClassCode(3, 0b001), MakeClassCode(1, 0b101)}));
        m_folder.Write("animals.dat", EncodeLineList({"Arachnida", "Mammalia", "Ophidia"}));
        m_folder.Write("anmlcode.dat", EncodeCodeWords({0, MakeClassCode(3, 1u << 9), MakeClassCode(2, 1u << 3)}));
        m_folder.Write("period.txt", PeriodText());
        m_folder.Write("lanth.txt", LanthText());
        m_folder.Write("othergrp.txt", EncodeLineList({"Acids", "Carbonates"}));
        m_folder.Write("minrcode.dat",
            EncodeMineralCodes(
                {{}, {0, {kCopper, 8}}, {0, {kCopper, 8}}, {2, {kCopper}}, {0, {kIron, kSulphur}}, {0, {8}}}));
    }

    void init() { m_sink.Clear(); }

    void plantSearchTypesAndOk()
    {
        CPlantFilterDlg dialog(Practice(), FilterRemediesFromCodes({1, 2, 3}), m_sink);
        QVERIFY(dialog.IsLoaded());
        QVERIFY(testing::Shown(dialog));
        QCOMPARE(dialog.ClassList()->count(), 4);

        QTest::keyClicks(dialog.SearchEdit(), QStringLiteral("con"));
        QCOMPARE(dialog.ClassList()->currentRow(), 3);
        // The typed text stays: the search does not copy the entry back into the edit.
        QCOMPARE(dialog.SearchEdit()->text(), QStringLiteral("con"));
        dialog.SearchEdit()->clear();
        QCOMPARE(dialog.ClassList()->currentRow(), 0);

        // Choosing an entry in the list copies its text into the edit.
        QListWidget* list = dialog.ClassList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QCOMPARE(dialog.SearchEdit()->text(), QStringLiteral("Compositae"));
        QCOMPARE(list->currentRow(), 2);

        QTest::mouseClick(dialog.TypeBox(1), Qt::LeftButton);
        QTest::mouseClick(dialog.TypeBox(3), Qt::LeftButton);
        QVERIFY(dialog.TypeBox(3)->isChecked());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), kFilterOk);
        QCOMPARE(dialog.Result().m_strTypes, std::string("Roots, Bark, "));
        QVERIFY(m_sink.Messages().empty());
    }

    void animalCancelAndEscape()
    {
        CAnimalFilterDlg dialog(Practice(), FilterRemediesFromCodes({1, 2}), m_sink);
        QVERIFY(testing::Shown(dialog));
        QTest::mouseClick(dialog.TypeBox(10), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kFilterCancel);
        QVERIFY(dialog.Result().m_arrExcluded.empty());

        QVERIFY(testing::Shown(dialog));
        QTest::keyClick(dialog.SearchEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), kFilterOk);
        QCOMPARE(dialog.Result().m_arrExcluded, (std::vector<RemedyKey>{20}));
    }

    void failedOpeningReturnsCancelAtOnce()
    {
        // Code 9 lies beyond the end of "plcode.dat".
        CPlantFilterDlg dialog(Practice(), FilterRemediesFromCodes({1, 9}), m_sink);
        QCOMPARE(dialog.exec(), kFilterCancel);
        QCOMPARE(m_sink.Texts(), (std::vector<std::string>{"Error in file plcode.dat"}));
    }

    void mineralClicksAndColours()
    {
        KingdomFilterState state{true};
        CMineralFilterDlg dialog(Practice(), FilterRemediesFromCodes({1, 2, 3, 4, 5}), m_sink, state);
        QVERIFY(testing::Shown(dialog));
        QVERIFY(m_sink.Messages().empty());

        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kIronCell));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kSulphurCell));
        // Titanium of row 4 selected, its neighbour vanadium plain; every cell's text reads on its colour.
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(75));
        const QImage selected = dialog.grab().toImage();
        QCOMPARE(CellColour(selected, 75), QColor(0, 255, 255));
        QCOMPARE(CellColour(selected, 76), QColor(Qt::white));
        for (int cell = 0; cell < kCellCount; ++cell)
            if (!dialog.Model().Cell(cell).IsBlank())
                QVERIFY2(CellTextContrast(selected, cell) >= kMinimumTextContrast, qPrintable(QString::number(cell)));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(75));
        // Oxygen and copper tie, oxygen first by number: the most frequent element is drawn red; a cell clicked
        // twice is white again and a gap is not drawn.
        const QImage image = dialog.grab().toImage();
        QCOMPARE(CellColour(image, 33), QColor(255, 0, 0));
        QCOMPARE(CellColour(image, 75), QColor(Qt::white));
        QCOMPARE(CellColour(image, 20), dialog.palette().color(QPalette::Window));

        QTest::mouseMove(&dialog, CellCentre(kIronCell));
        QCOMPARE(dialog.ElementLabel()->text(), QStringLiteral("Iron 26"));

        // Singles cleared, column 2 and row 3 chosen, then the column left out by its box.
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kIronCell));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kSulphurCell));
        QTest::mouseClick(&dialog, Qt::RightButton, {}, CellCentre(56));
        QCOMPARE(CellColour(dialog.grab().toImage(), 74), QColor(0, 255, 255));
        QTest::mouseClick(dialog.VerticalBox(), Qt::LeftButton);
        const QImage rowOnly = dialog.grab().toImage();
        QCOMPARE(CellColour(rowOnly, 74), QColor(Qt::white));
        QCOMPARE(CellColour(rowOnly, 56), QColor(0, 255, 255));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kFilterCancel);
        QVERIFY(state.m_bMineralNoSelection);

        QVERIFY(testing::Shown(dialog));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), kFilterOk);
        QVERIFY(!state.m_bMineralNoSelection);
        // Copper and iron lie in row 3: only the oxygen remedy goes.
        QCOMPARE(dialog.Result().m_arrExcluded, (std::vector<RemedyKey>{50}));
    }

    // The drawn table reads as periods by groups with the lanthanides and actinides below; an element's cell is
    // named by its name and symbol and reads selected once clicked, while its neighbour does not; gaps read empty.
    void periodicTableReadsAsATableOfElements()
    {
        KingdomFilterState state;
        CMineralFilterDlg dialog(Practice(), FilterRemediesFromCodes({1}), m_sink, state);
        QVERIFY(testing::Shown(dialog));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kIronCell));

        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(&dialog);
        QCOMPARE(entry->role(), QAccessible::Dialog);
        QAccessibleInterface* tableEntry = entry->child(entry->childCount() - 1);
        QCOMPARE(tableEntry->text(QAccessible::Name), QStringLiteral("Periodic table"));
        QAccessibleTableInterface* table = tableEntry->tableInterface();
        QCOMPARE(table->rowCount(), 9);
        QCOMPARE(table->columnCount(), 18);
        const struct
        {
            int row, column;
            const char *name, *period, *group;
            bool selected;
        } cells[] = {{3, 7, "Iron (Fe)", "Period 4", "Group 8", true},
            {3, 8, "Element27 (E27)", "Period 4", "Group 9", false},
            {2, 15, "Sulphur (S)", "Period 3", "Group 16", false}, {0, 1, "", "Period 1", "Group 2", false},
            {7, 2, "", "Lanthanides", "Group 3", false}, {7, 3, "Element57 (E57)", "Lanthanides", "Group 4", false},
            {8, 17, "Element103 (E103)", "Actinides", "Group 18", false}};
        for (const auto& cell : cells) {
            QAccessibleInterface* found = table->cellAt(cell.row, cell.column);
            QCOMPARE(found->text(QAccessible::Name), QString::fromLatin1(cell.name));
            QCOMPARE(found->role(), QAccessible::Cell);
            QCOMPARE(table->rowDescription(cell.row), QString::fromLatin1(cell.period));
            QCOMPARE(table->columnDescription(cell.column), QString::fromLatin1(cell.group));
            QCOMPARE(found->tableCellInterface()->isSelected(), cell.selected);
        }
        // The point at iron's square finds iron's cell.
        const QPoint iron = dialog.mapToGlobal(CellCentre(kIronCell));
        QCOMPARE(tableEntry->childAt(iron.x(), iron.y())->text(QAccessible::Name), QStringLiteral("Iron (Fe)"));
        QCOMPARE(table->selectedCellCount(), 1);
    }

    // Every control of the filter dialogs has a name a screen reader can say; a list takes its group box's title.
    void dialogControlsHaveNames()
    {
        CPlantFilterDlg plant(Practice(), FilterRemediesFromCodes({1, 2, 3}), m_sink);
        KingdomFilterState state;
        CMineralFilterDlg mineral(Practice(), FilterRemediesFromCodes({1}), m_sink, state);
        const struct
        {
            QDialog* dialog;
            QAccessible::Role role;
            const char* name;
        } dialogs[]
            = {{&plant, QAccessible::List, "Classes / Families"}, {&mineral, QAccessible::ComboBox, "Basic Group"}};
        for (const auto& [dialog, role, name] : dialogs) {
            QVERIFY(testing::Shown(*dialog));
            QStringList roles;
            QCOMPARE(UnnamedControls(QAccessible::queryAccessibleInterface(dialog), &roles), QStringList());
            const QString named = QStringLiteral("%1:%2").arg(role).arg(QString::fromLatin1(name));
            QVERIFY2(roles.contains(named), qPrintable(roles.join(QLatin1Char('|'))));
            dialog->reject();
        }
    }

    void mineralWithoutTableFilesStillOpens()
    {
        TempFolder folder;
        folder.Write("othergrp.txt", fixtures::EncodeLineList({"Acids"}));
        folder.Write("minrcode.dat", fixtures::EncodeMineralCodes({{}, {1, {kIron}}}));
        RecordingMessageSink sink;
        KingdomFilterState state;
        CMineralFilterDlg dialog(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1}), sink, state);
        QCOMPARE(sink.Messages().size(), std::size_t(2));
        QCOMPARE(sink.Messages()[0].caption, std::string("period.txt"));
        QVERIFY(testing::Shown(dialog));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kIronCell));
        QCOMPARE(dialog.GroupList()->count(), 1);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), kFilterOk);
        QVERIFY(state.m_bMineralNoSelection);
        QVERIFY(dialog.Result().m_arrExcluded.empty());
    }
};

QTEST_MAIN(TestFilterDialogs)
#include "TestFilterDialogs.moc"
