// The plant, animal and mineral dialogs driven through their widgets: search, type boxes, OK and Cancel, and
// clicks on the drawn periodic table at the cells' pixels.
#include "filters/ClassFilterDialog.h"
#include "filters/MineralFilterDialog.h"
#include "fixtures/PeriodicTableFiles.h"

#include "controls/PictureButton.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

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

void WriteClassFiles(const TempFolder& folder)
{
    folder.Write("plants.dat", fixtures::EncodeLineList({"Anacardiaceae", "Apocynaceae", "Compositae", "Coniferae"}));
    folder.Write("plcode.dat",
        fixtures::EncodeCodeWords({0, fixtures::MakeClassCode(3, 0b101), fixtures::MakeClassCode(3, 0b001),
            fixtures::MakeClassCode(1, 0b101)}));
    folder.Write("animals.dat", fixtures::EncodeLineList({"Arachnida", "Mammalia", "Ophidia"}));
    folder.Write("anmlcode.dat",
        fixtures::EncodeCodeWords({0, fixtures::MakeClassCode(3, 1u << 9), fixtures::MakeClassCode(2, 1u << 3)}));
}

} // namespace

class TestFilterDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plantSearchTypesAndOk()
    {
        TempFolder folder;
        WriteClassFiles(folder);
        RecordingMessageSink sink;
        CPlantFilterDlg dialog(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1, 2, 3}), sink);
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
        QCOMPARE(dialog.Result().m_strClass, std::string("Compositae"));
        QCOMPARE(dialog.Result().m_strTypes, std::string("Roots, Bark, "));
        QCOMPARE(dialog.Result().m_arrExcluded, (std::vector<RemedyKey>{20, 30}));
        QVERIFY(sink.Messages().empty());
    }

    void animalCancelAndEscape()
    {
        TempFolder folder;
        WriteClassFiles(folder);
        RecordingMessageSink sink;
        CAnimalFilterDlg dialog(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1, 2}), sink);
        QVERIFY(testing::Shown(dialog));
        QTest::mouseClick(dialog.TypeBox(10), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kFilterCancel);
        QVERIFY(dialog.Result().m_arrExcluded.empty());

        QVERIFY(testing::Shown(dialog));
        QTest::keyClick(dialog.SearchEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), kFilterOk);
        QCOMPARE(dialog.Result().m_strTypes, std::string("Snakes, "));
        QCOMPARE(dialog.Result().m_arrExcluded, (std::vector<RemedyKey>{20}));
    }

    void failedOpeningReturnsCancelAtOnce()
    {
        TempFolder folder;
        WriteClassFiles(folder);
        RecordingMessageSink sink;
        // Code 9 lies beyond the end of "plcode.dat".
        CPlantFilterDlg dialog(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1, 9}), sink);
        QCOMPARE(dialog.exec(), kFilterCancel);
        QCOMPARE(sink.Texts(), (std::vector<std::string>{"Error in file plcode.dat"}));
    }

    void mineralClicksAndColours()
    {
        TempFolder folder;
        folder.Write("period.txt", PeriodText());
        folder.Write("lanth.txt", LanthText());
        folder.Write("othergrp.txt", fixtures::EncodeLineList({"Acids", "Carbonates"}));
        // Oxygen and copper in three remedies each, iron and sulphur in one.
        folder.Write("minrcode.dat",
            fixtures::EncodeMineralCodes(
                {{}, {0, {kCopper, 8}}, {0, {kCopper, 8}}, {2, {kCopper}}, {0, {kIron, kSulphur}}, {0, {8}}}));
        RecordingMessageSink sink;
        KingdomFilterState state{true};
        CMineralFilterDlg dialog(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1, 2, 3, 4, 5}), sink, state);
        QVERIFY(testing::Shown(dialog));
        QVERIFY(sink.Messages().empty());

        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kIronCell));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(kSulphurCell));
        // Titanium of row 4 selected and unselected again.
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, CellCentre(75));
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
        QCOMPARE(dialog.Result().m_strElements, std::string("For Row 3"));
        // Copper and iron lie in row 3: only the oxygen remedy goes.
        QCOMPARE(dialog.Result().m_arrExcluded, (std::vector<RemedyKey>{50}));
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
