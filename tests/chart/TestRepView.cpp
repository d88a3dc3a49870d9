// The repertorisation chart view, opened as choosing a patient opens it, and the Drug Filter and Weightage dialogs,
// driven through their real widgets.
#include "ChartFixture.h"
#include "app/AppSettings.h"
#include "chart/ChartAccessible.h"
#include "chart/WeightageDialog.h"
#include "controls/MyScroll.h"
#include "controls/PictureButton.h"
#include "engine/MethodsFixture.h"
#include "filters/DrugFilterDialog.h"
#include "magnifier/Magnifier.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

#include <algorithm>
#include <tuple>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

constexpr int kRemedies = 30;
constexpr int kSymptoms = 14;

// Thirty remedies; fourteen symptoms: the first names every remedy, the others a spread of them.
// Symptoms 0..3 try the repertory prefix rules.
std::vector<SymptomSpec> ChartSymptoms()
{
    std::vector<SymptomSpec> symptoms;
    for (int s = 0; s < kSymptoms; ++s) {
        SymptomSpec spec;
        spec.text = "RUBRIC " + std::to_string(s);
        spec.kind = s % 3 == 0 ? 'M' : (s % 3 == 1 ? 'G' : 'F');
        spec.type = 1;
        for (int i = 0; i < kRemedies; ++i)
            if (s == 0 || (i * 7 + s * 3) % 5 < 2)
                spec.remedies.push_back({i, (i + s) % 4 + 1});
        symptoms.push_back(spec);
    }
    symptoms[0].text = "[Kent] MIND - ANXIETY";
    symptoms[1].text = "HEAD - PAIN";
    symptoms[2].text = "STOMACH - NAUSEA";
    symptoms[2].type = 0;
    symptoms[3].text = "[Gen]GENERALS - COLD";
    symptoms[3].type = 0;
    symptoms[5].text = "HEAD - PAIN"; // the same text as symptom 1
    return symptoms;
}

// Patient 1002: more symptoms than a fitted chart shows rows, every one naming every remedy, so that every cell in
// sight holds a grade.
constexpr int kFitSymptoms = 23;
std::vector<SymptomSpec> FitSymptoms()
{
    std::vector<SymptomSpec> symptoms(kFitSymptoms);
    for (int s = 0; s < kFitSymptoms; ++s) {
        symptoms[s].text = "RUBRIC " + std::to_string(s);
        for (int i = 0; i < kRemedies; ++i)
            symptoms[s].remedies.push_back({i, (i + s) % 3 + 1});
    }
    return symptoms;
}

void WritePractice(const testing::TempFolder& folder)
{
    folder.Write("PatDet.txt",
        EncodePatientIndex(
            "Dr. Meera Iyer", {{"1001", "Asha Rao", "34", "05/11/2002"}, {"1002", "Ben Cole", "7", "06/11/2002"}}));
    folder.Write("1001.rsy", EncodeRsy({VisitSpec{5, 11, 2002, ChartSymptoms()}}));
    folder.Write("1002.rsy", EncodeRsy({VisitSpec{6, 11, 2002, FitSymptoms()}}));
    std::vector<CatalogueRemedy> remedies;
    for (int i = 0; i < kRemedies; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Rem%02d.", i);
        remedies.push_back({name, std::string("Remedy ") + name, 0});
    }
    folder.WriteCatalogue(remedies);
}

// The cells the chart announces: the row, column and text of each cell announced.
std::vector<std::tuple<int, int, QString>> g_announced;

// Runs `act` and tells whether a popup opened within a moment (it is closed again).
bool OpensAPopup(const std::function<void()>& act)
{
    bool opened = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    closer.start(200);
    act();
    QTest::qWait(300);
    return opened;
}

// What a screen reader reads for an intensity list: the name of the label it is labelled by and its description.
QString LabelledBy(QWidget* list)
{
    const auto labels = QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
    return labels.size() == 1 ? labels.front().first->text(QAccessible::Name) : QString();
}

} // namespace

class TestRepView : public QObject
{
    Q_OBJECT

private:
    CRepView* OpenChart(const char* regNo) { return quillon::testing::OpenChartOf(regNo, "Asha Rao", Run().sink); }

    CRepView* m_view = nullptr;

private Q_SLOTS:
    // A chart fitted by an earlier run (the setting is remembered) shows other rows than the tests expect.
    void initTestCase()
    {
        if (QAction* fit = App().MainFrame()->Action("fitChart"); fit->isChecked())
            fit->trigger();
    }

    void init()
    {
        m_view = OpenChart("1001");
        QVERIFY(m_view);
    }

    void opensWithHeaderCountsCaptionAndBars()
    {
        QCOMPARE(m_view->windowTitle(), QStringLiteral("Repertorisation -- Asha Rao"));
        QCOMPARE(m_view->Static(FormPart::HeaderLine)->text(),
            QStringLiteral("  Of Asha Rao        Reg. No. : 1001       Rep. Date : 05/11/2002"));
        // symptoms, remedies, mind, general, rest, the three clipboards
        QStringList counts;
        for (FormPart id : {FormPart::SymptomCount, FormPart::RemedyCount, FormPart::MindCount, FormPart::GeneralCount,
                 FormPart::RestCount, FormPart::Clip1Count, FormPart::Clip2Count, FormPart::Clip3Count})
            counts << m_view->Static(id)->text();
        QCOMPARE(counts.join(QLatin1Char(' ')), QStringLiteral("14 30 5 5 4 0 0 0"));
        // The clipboard buttons show their empty pictures, the kind buttons their full ones.
        QVERIFY(!m_view->Button(FormPart::Clipboard1)->IsFull());
        QVERIFY(m_view->Button(FormPart::Mind)->IsFull());
        QVERIFY(m_view->ScrollBar(FormPart::TextScroll)->isVisible());
        QVERIFY(m_view->Actions().symptomList->isEnabled() && m_view->Actions().magnify->isEnabled());
    }

    // The words "Symptoms" and "Remedies" fit their boxes with a blank to spare before the counts beside them: as
    // the chart opens on its own screen, and on a narrow, a 1280 x 1024 and a wide screen.
    void countLabelsKeepClearOfTheirCounts()
    {
        for (const QSize screen : {QSize(), QSize(800, 800), QSize(1280, 1024), QSize(1920, 1080)}) {
            if (screen.isValid())
                m_view->SetScreenSize(screen.width(), screen.height());
            for (const auto& [labelId, countId] : {std::pair{FormPart::SymptomsLabel, FormPart::SymptomCount},
                     {FormPart::RemediesLabel, FormPart::RemedyCount}}) {
                const QLabel* label = m_view->Static(labelId);
                const QLabel* count = m_view->Static(countId);
                const QFontMetrics metrics = label->fontMetrics();
                const int wordEnd = label->x() + metrics.horizontalAdvance(label->text());
                QVERIFY2(wordEnd + metrics.horizontalAdvance(QLatin1Char(' ')) <= count->x()
                        && label->geometry().right() < count->x(),
                    qPrintable(label->text() + QString::number(screen.width())));
            }
        }
    }

    void remedyBarAtTheEndShowsTheLastRemedies()
    {
        // As the drug list asks: scroll so that display index 17 comes first.
        m_view->ScrollToRemedy(17);
        QCOMPARE(m_view->ScrollBar(FormPart::RemedyScroll)->value(), 17);
        const QImage image = m_view->grab().toImage();
        for (int c = 0; c <= 12; ++c)
            QVERIFY(CountColour(image, CellRect(m_view, 0, c), kTotalityColour) > 0);
        // Column 13 is an empty box.
        QCOMPARE(CountColour(image, CellRect(m_view, 0, 13), kTotalityColour), 0);
        QCOMPARE(CountColour(image, CellRect(m_view, 2, 13), kGradeColour, 120), 0);
        // Column 0 is remedy 17 and column 12 remedy 29: a press on the totality cell picks them.
        SendMouse(m_view, QEvent::MouseButtonPress, CellRect(m_view, 0, 12).center(), Qt::LeftButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseButtonRelease, CellRect(m_view, 0, 12).center(), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(m_view->SelRemedy(), 29);
        // Column 13 holds no remedy (the hit test is the geometry's): a right click opens no popup there.
        QVERIFY(
            !OpensAPopup([&] { QTest::mouseClick(m_view, Qt::RightButton, {}, CellRect(m_view, 0, 13).center()); }));
        // Scrolling to the position already drawn repaints nothing.
        const int repaints = m_view->RemedyRepaints();
        m_view->ScrollToRemedy(17);
        QCOMPARE(m_view->RemedyRepaints(), repaints);
        QVERIFY(Run().sink.Texts().empty());
    }

    void thumbDragRepaintsOnceOnRelease()
    {
        CMyScroll* bar = m_view->ScrollBar(FormPart::RemedyScroll);
        const int before = m_view->RemedyRepaints();
        const QRect thumb = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider);
        const QRect groove = ScrollBarPart(bar, QStyle::SC_ScrollBarGroove);
        QVERIFY(thumb.isValid());
        const QPoint start = thumb.center();
        SendMouse(bar, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        const int step = std::max(1, (groove.width() - thumb.width()) / 17);
        for (int i = 1; i <= 6; ++i)
            SendMouse(bar, QEvent::MouseMove, start + QPoint(step * i, 0), Qt::NoButton, Qt::LeftButton);
        QVERIFY(bar->Position() > 0);
        QCOMPARE(m_view->RemedyRepaints(), before);
        QCOMPARE(m_view->PaintState().remedyPosition, bar->Position());
        SendMouse(bar, QEvent::MouseButtonRelease, start + QPoint(step * 6, 0), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(m_view->RemedyRepaints(), before + 1);
    }

    // Each part of the chart's bars reaches its step (the steps' rules are ScrollSteps'): the text bar's line scrolls
    // the symptom lines by a character (the scrolled line's prefix rule is the geometry's), a page left below the
    // page (eleven columns) keeps the position, a page up below the page (three rows) goes to zero; a line left from
    // below zero is said.
    void scrollBarPartsReachTheirSteps()
    {
        CMyScroll* text = m_view->ScrollBar(FormPart::TextScroll);
        QTest::mouseClick(text, Qt::LeftButton, {}, ScrollBarPart(text, QStyle::SC_ScrollBarAddLine).center());
        QCOMPARE(m_view->TextRepaints(), 1);
        QCOMPARE(ChartSymptomLine(m_view->Engine(), 1, m_view->PaintState()), QStringLiteral("EAD - PAIN"));
        const struct
        {
            FormPart bar;
            QStyle::SubControl part;
            int from, to;
        } rows[] = {{FormPart::RemedyScroll, QStyle::SC_ScrollBarSubPage, 7, 7},
            {FormPart::RemedyScroll, QStyle::SC_ScrollBarAddPage, 0, 11},
            {FormPart::SymptomScroll, QStyle::SC_ScrollBarSubPage, 2, 0},
            {FormPart::SymptomScroll, QStyle::SC_ScrollBarAddLine, 0, 1}};
        for (const auto& row : rows) {
            CMyScroll* bar = m_view->ScrollBar(row.bar);
            bar->SetPosition(row.from);
            int stepped = 0;
            const auto counting = connect(bar, &CMyScroll::PositionStepped, bar, [&stepped](int) { ++stepped; });
            QTest::mouseClick(bar, Qt::LeftButton, {}, ScrollBarPart(bar, row.part).center());
            disconnect(counting);
            QCOMPARE(bar->Position(), row.to);
            QCOMPARE(bar->value(), row.to);
            QCOMPARE(stepped, row.to != row.from ? 1 : 0);
        }
        text->SetPosition(-2);
        text->LineLeft();
        QCOMPARE(text->Position(), 0);
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"In LineMagnitude SBLineLeft"});
    }

    void remedyPopupItemsNeedTheirHandlers()
    {
        // The popup offers the chart's own actions; one whose owner has not connected it is disabled.
        m_view->Actions().drugList->setEnabled(false);
        WithShown<QMenu>([&] { QTest::mouseClick(m_view, Qt::RightButton, {}, CellRect(m_view, 0, 2).center()); },
            [&](QMenu& popup) {
                QCOMPARE(popup.actions().at(2), m_view->Actions().drugList);
                QVERIFY(!popup.actions().at(2)->isEnabled() && popup.actions().at(3)->isEnabled());
            });
        QCOMPARE(m_view->SelRemedy(), 2);
    }

    // Each press and release of the left button is one step of the chart's log: a row label (its hot spot in
    // control units) re-sorts, a symptom line dragged onto a clipboard's button drops it there, anything else is a
    // click, which resets the methods in force; the symptoms-covered button tells that no remedy is picked yet.
    void leftButtonGesturesRunAsTheirSteps()
    {
        const auto at = [this](int x, int y) { return QPoint(ControlX(m_view, x), ControlY(m_view, y)); };
        const QPoint line = LineRect(m_view, 2).center();
        const struct
        {
            QPoint from, to;
            const char* step;
            const char* caption;
            int told, clipped;
        } cases[] = {{at(202, 136), at(202, 136), "label:covered", "Repertorisation: Symptoms Covered", 0, 0},
            {line, at(300, 50), "click", "Repertorisation:", 0, 0}, // outside every zone
            {line, at(605, 50), "click", "Repertorisation:", 1, 0}, // "Remedy not selected"
            {CellRect(m_view, 0, 0).center(), at(100, 45), "click", "Repertorisation:", 0, 0}, // no drop
            {LineRect(m_view, 3).center(), at(100, 45), "drop:1:1", "Repertorisation:", 1, 1}};
        for (const auto& c : cases) {
            const std::size_t steps = m_view->Operations().size();
            Run().sink.Clear();
            Drag(m_view, c.from, c.to);
            QCOMPARE(m_view->Operations().size(), steps + 1);
            QCOMPARE(FormatChartCommand(m_view->Operations().back()), std::string(c.step));
            QCOMPARE(m_view->Static(FormPart::Caption)->text(), QString::fromLatin1(c.caption));
            QCOMPARE(int(Run().sink.Texts().size()), c.told);
            QCOMPARE(m_view->Static(FormPart::Clip1Count)->text(), QString::number(c.clipped));
        }
    }

    void splitterMovesTheGridOriginAndTheRowLabels()
    {
        const ChartRect grip = m_view->Geometry().SplitterGrip();
        const QPoint press((grip.left + grip.right) / 2, (grip.top + grip.bottom) / 2);
        SendMouse(m_view, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!m_view->ScrollBar(FormPart::RemedyScroll)->isVisible());
        QVERIFY(!m_view->ScrollBar(FormPart::TextScroll)->isVisible());
        const int x = press.x() - ChartX(m_view, 100);
        // The press cleared the hover; passing over the grip again lets the mark follow the pointer.
        SendMouse(m_view, QEvent::MouseMove, press + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
        SendMouse(m_view, QEvent::MouseMove, QPoint(x, press.y()), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(m_view->Mark(1)->x(), x);
        SendMouse(m_view, QEvent::MouseButtonRelease, QPoint(x, press.y()), Qt::LeftButton, Qt::NoButton);
        const int x0 = x * 840 / m_view->Geometry().ChartWidth() + 5;
        QCOMPARE(m_view->Geometry().GridOrigin(), x0);
        QVERIFY(m_view->ScrollBar(FormPart::RemedyScroll)->isVisible());
        QVERIFY(m_view->ScrollBar(FormPart::TextScroll)->isVisible());
        QCOMPARE(m_view->ScrollBar(FormPart::RemedyScroll)->x(), x + ControlX(m_view, 8));
        // The grid is drawn from the new origin.
        const QImage image = m_view->grab().toImage();
        QVERIFY(CountColour(image, CellRect(m_view, 0, 0, x0), kTotalityColour) > 0);
        QVERIFY(CountColour(image, CellRect(m_view, 0, 14, x0), kTotalityColour) > 0);
        // The row labels follow: over "Remedy Name", drawn at (x0 - 128, 135), the hand shows and a click sorts.
        const QPoint label(m_view->Geometry().Cx(x0 - 128) + 40, m_view->Geometry().Cy(135) + 8);
        QTest::mouseMove(m_view, label);
        QCOMPARE(m_view->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(m_view, Qt::LeftButton, {}, label);
        QCOMPARE(m_view->Engine().GetSortMode(), SortByName);
    }

    // The chart's cells read the grade the rubric gives (checked against the fixture's own rule, not the engine),
    // the totality and the symptoms covered; only the lines in sight are on the screen.
    void chartReadsAsATableOfGrades()
    {
        QAccessibleTableInterface* table = ChartTable(m_view);
        for (const int column : {0, 9, kRemedies - 1}) {
            const QString name = table->columnDescription(column);
            QVERIFY2(name.startsWith(QStringLiteral("Rem")), qPrintable(name));
            const int i = name.mid(3, 2).toInt();
            int totality = 0;
            int covered = 0;
            for (int s = 0; s < kSymptoms; ++s) {
                const bool named = s == 0 || (i * 7 + s * 3) % 5 < 2;
                const int grade = (i + s) % 4 + 1;
                totality += named ? grade : 0;
                covered += named ? 1 : 0;
                QCOMPARE(table->cellAt(2 + s, column)->text(QAccessible::Name),
                    named ? QString::number(grade) : QStringLiteral("not in this rubric"));
            }
            QCOMPARE(table->cellAt(0, column)->text(QAccessible::Name), QString::number(totality));
            QCOMPARE(table->cellAt(1, column)->text(QAccessible::Name), QString::number(covered));
        }
        // Symptom 10 is the last line in sight, symptom 11 the first below; nothing lies past the last row.
        QVERIFY(!table->cellAt(2 + 10, 0)->state().offscreen);
        QVERIFY(table->cellAt(2 + 11, 0)->state().offscreen);
        QVERIFY(!table->cellAt(2 + kSymptoms, 0));
        QVERIFY(!table->cellAt(0, kRemedies));
    }

    // The arrows move the cell cursor and announce the cell; the chart scrolls one step only when the cursor
    // would leave the cells in sight. A method that shortens the chart keeps the cursor inside it.
    void arrowsMoveTheCellCursorAndScrollOnlyAtTheEdge()
    {
        SetGridAnnouncementListener([](QAccessibleInterface* cell) {
            if (cell->tableCellInterface())
                g_announced.emplace_back(cell->tableCellInterface()->rowIndex(),
                    cell->tableCellInterface()->columnIndex(), cell->text(QAccessible::Name));
        });
        // Focus comes with an active window, which the platform grants in its own time.
        m_view->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view->window()));
        m_view->setFocus();
        QTRY_VERIFY(m_view->hasFocus());
        const auto position = [this] {
            return std::pair{m_view->PaintState().symptomPosition, m_view->PaintState().remedyPosition};
        };
        const struct
        {
            Qt::Key key;
            int presses, rowStep, columnStep;
        } moves[] = {{Qt::Key_Up, 3, -1, 0}, {Qt::Key_Down, kSymptoms + 3, 1, 0}, {Qt::Key_Right, kRemedies + 1, 0, 1},
            {Qt::Key_Up, 2, -1, 0}, {Qt::Key_Left, kRemedies, 0, -1}};
        for (const auto& move : moves) {
            for (int k = 0; k < move.presses; ++k) {
                const int row = std::clamp(m_view->CursorRow() + move.rowStep, 0, 2 + kSymptoms - 1);
                const int column = std::clamp(m_view->CursorColumn() + move.columnStep, 0, kRemedies - 1);
                const bool inSight = !m_view->TableCellRect(row, column).isEmpty();
                const auto before = position();
                g_announced.clear();
                QTest::keyClick(m_view, move.key);
                QCOMPARE(std::pair(m_view->CursorRow(), m_view->CursorColumn()), std::pair(row, column));
                QVERIFY(!m_view->TableCellRect(row, column).isEmpty());
                QCOMPARE(position() == before, inSight);
                QCOMPARE(g_announced.size(), std::size_t(1));
                QCOMPARE(std::get<0>(g_announced[0]), row);
                QCOMPARE(std::get<1>(g_announced[0]), column);
                QCOMPARE(std::get<2>(g_announced[0]), ChartTable(m_view)->cellAt(row, column)->text(QAccessible::Name));
                // What a screen reader asks the chart for on the focus event.
                QCOMPARE(QAccessible::queryAccessibleInterface(m_view)->focusChild(),
                    ChartTable(m_view)->cellAt(row, column));
            }
        }
        SetGridAnnouncementListener(nullptr);
        QVERIFY(ChartTable(m_view)->cellAt(m_view->CursorRow(), 0)->state().focused);
        QVERIFY(!ChartTable(m_view)->cellAt(m_view->CursorRow(), 1)->state().focused);
        // The cursor is drawn in the highlight colour while the chart has the focus.
        const QRect cell = m_view->TableCellRect(m_view->CursorRow(), 0);
        const QColor highlight = m_view->palette().color(QPalette::Highlight);
        QVERIFY(CountColour(m_view->grab().toImage(), cell, highlight, 10) > 0);
        m_view->Button(FormPart::Mind)->setFocus();
        QCOMPARE(CountColour(m_view->grab().toImage(), cell, highlight, 10), 0);

        // Mind keeps symptoms 0, 3, 6, 9 and 12: the cursor on the last row comes back inside the five.
        for (int k = 0; k < kSymptoms; ++k)
            QTest::keyClick(m_view, Qt::Key_Down);
        QTest::mouseClick(m_view->Button(FormPart::Mind), Qt::LeftButton);
        QCOMPARE(ChartTable(m_view)->rowCount(), 2 + 5);
        QCOMPARE(m_view->CursorRow(), 2 + 4);
    }

    // The Menu key and Shift+F10 open the popup of the cursor's cell at that cell: the symptom's on a symptom row
    // (the first one included), the remedy's on the totality and the covered rows. F10 without Shift opens none.
    void keysOpenThePopupOfTheCursorCell()
    {
        const char* symptomPopup = "Symptom &List";
        const char* remedyPopup = "&Symptom Covered/Not Covered";
        const struct
        {
            const char* name;
            int down, right; // arrows from the first symptom row and the first column
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* first; // the popup's first item; null: no popup
            int symptom, remedy; // picked once the popup is open
        } cases[] = {
            // The first symptom row, beside the covered row above it.
            {"Menu on the first symptom", 0, 0, Qt::Key_Menu, Qt::NoModifier, symptomPopup, 0, 0},
            {"Shift+F10 on the last symptom, scrolled", kSymptoms + 2, 1, Qt::Key_F10, Qt::ShiftModifier, symptomPopup,
                kSymptoms - 1, 1},
            {"Shift+F10 on the totality row", -2, 4, Qt::Key_F10, Qt::ShiftModifier, remedyPopup, -1, 4},
            {"Menu on the covered row past the columns in sight", -1, 15, Qt::Key_Menu, Qt::NoModifier, remedyPopup, -1,
                15},
            {"Ctrl+F10", 1, 1, Qt::Key_F10, Qt::ControlModifier, nullptr, 1, 1},
        };
        for (const auto& c : cases) {
            m_view = OpenChart("1001");
            QVERIFY(m_view);
            for (int k = 0; k < std::abs(c.down); ++k)
                QTest::keyClick(m_view, c.down > 0 ? Qt::Key_Down : Qt::Key_Up);
            for (int k = 0; k < c.right; ++k)
                QTest::keyClick(m_view, Qt::Key_Right);
            if (!c.first) {
                // Whatever popup opened is closed, and told.
                QVERIFY2(!OpensAPopup([&] { QTest::keyClick(m_view, c.key, c.modifiers); }), c.name);
                continue;
            }
            QString first;
            QRect popupAt, cellAt;
            const auto ran = WhenShown<QMenu>([&](QMenu& popup) {
                first = popup.actions().value(0)->text();
                popupAt = popup.geometry();
                cellAt = QRect(
                    m_view->mapToGlobal(m_view->TableCellRect(m_view->CursorRow(), m_view->CursorColumn()).topLeft()),
                    m_view->TableCellRect(m_view->CursorRow(), m_view->CursorColumn()).size());
                QCOMPARE(m_view->Methods().PickedSymptom(), c.symptom);
                QCOMPARE(m_view->SelRemedy(), c.remedy);
            });
            QTest::keyClick(m_view, c.key, c.modifiers);
            QVERIFY2(*ran, c.name);
            QCOMPARE(first, QString::fromLatin1(c.first));
            // Below the cell (above it where the screen ends), starting or ending at its middle.
            const int screenBottom = m_view->screen()->availableGeometry().bottom();
            QVERIFY2(std::abs(popupAt.top() - cellAt.bottom()) <= 2 || std::abs(popupAt.bottom() - cellAt.bottom()) <= 2
                    || (std::abs(popupAt.bottom() - screenBottom) <= 2 && popupAt.top() <= cellAt.bottom()),
                c.name);
            QVERIFY2(std::abs(popupAt.left() - cellAt.center().x()) <= 2
                    || std::abs(popupAt.right() + 1 - cellAt.center().x()) <= 2,
                c.name);
        }
    }

    void deletingEverySymptomLeavesAnEmptyChart()
    {
        WithShown<CRecordedSymptomsDialog>([&] { m_view->Actions().symptomList->trigger(); },
            [](CRecordedSymptomsDialog& dialog) {
                while (dialog.SymptomList()->count() > 0) {
                    QListWidget* list = dialog.SymptomList();
                    QTest::mouseClick(
                        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
                    QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                }
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        QCOMPARE(m_view->Engine().RemedyCount(), 0);
        for (FormPart id : {FormPart::MindCount, FormPart::SymptomCount, FormPart::RemedyCount})
            QCOMPARE(m_view->Static(id)->text(), QStringLiteral("0"));
        QVERIFY(!m_view->grab().isNull());
        // The deleted symptoms can still be restored from the list; Repertorisation has nothing left.
        QVERIFY(App().MainFrame()->Action("symptomList")->isEnabled());
        QVERIFY(!App().MainFrame()->Action("repertorisation")->isEnabled());
    }

    // View > Fit Chart to Window on patient 1002: a chart opened while the setting is on opens fitted, showing the
    // rows that fit; the accessible table keeps the whole chart's counts and gives a rectangle to every cell in sight,
    // the fitted rows below the eleventh included, and the magnifier enlarges them. Off again, remembered: the
    // specified eleven rows come back.
    void fitChartToWindowShowsTheRowsThatFit()
    {
        QAction* fit = App().MainFrame()->Action("fitChart");
        fit->trigger();
        QVERIFY((m_view = OpenChart("1002")));
        // The main window maximised on a 1280 x 800 screen, its borders taking two pixels each side.
        m_view->window()->showNormal();
        m_view->window()->setGeometry(QRect(QPoint(2, 0), QSize(1280 - 4, 800 - 2)));
        m_view->SetScreenSize(1280, 800);
        QCoreApplication::processEvents();
        QVERIFY(m_view->FitsToWindow());
        const int rows = m_view->Geometry().VisibleSymptoms();
        const int columns = m_view->Geometry().DrawnColumns();
        QVERIFY2(rows > 11, qPrintable(QString::number(rows)));
        QAccessibleTableInterface* table = ChartTable(m_view);
        QCOMPARE(table->rowCount(), 2 + kFitSymptoms);
        QCOMPARE(table->columnCount(), kRemedies);
        const int lastRow = kFirstSymptomTableRow + rows - 1;
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow + 1, 0).isEmpty());
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow, columns).isEmpty());
        const QRect lastCell = ToQRect(m_view->Geometry().GridCellRect(ChartGeometry::GridKey(rows + 1, columns - 1)));
        QCOMPARE(m_view->AccessibleGrid().CellRect(lastRow, columns - 1), lastCell);

        App().MainFrame()->Action("magnify")->trigger();
        auto* magnifier = m_view->findChild<CMagnifier*>();
        QVERIFY(magnifier && magnifier->IsShown());
        QCOMPARE(magnifier->geometry(), m_view->rect());
        QTest::mousePress(magnifier, Qt::LeftButton, {}, lastCell.center());
        QCOMPARE(magnifier->Snapshot().size(), m_view->size());
        QVERIFY(CountColour(magnifier->Snapshot().toImage(), lastCell, kGradeColour, 120) > 0);
        QTest::mouseRelease(magnifier, Qt::LeftButton, {}, lastCell.center());
        App().MainFrame()->Action("magnify")->trigger();

        fit->trigger();
        QVERIFY(!App().Settings().FitChartToWindow());
        QCOMPARE(m_view->Geometry().VisibleSymptoms(), 11);
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow, 0).isEmpty());
    }

    // The boxes open with the model's choice and Space adds to it (a click and OK reach the chart in the report
    // parity test).
    void drugFilterBoxesShowTheModelsChoice()
    {
        CDrugFilterModel model(std::vector<int>{kHot});
        CDrugFilterDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        QVERIFY(dialog.PropertyBox(kHot)->isChecked() && !dialog.PropertyBox(kPsoric)->isChecked());
        dialog.PropertyBox(kPsoric)->setFocus();
        QTest::keyClick(dialog.PropertyBox(kPsoric), Qt::Key_Space);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(model.Result().m_nMask, 0x21u);
    }

    // One list per symptom up to a page, each labelled by its rubric for a screen reader; "symptom 1" and
    // "symptom 10" start alike, and a page down from twelve shows 5..11, the end of the list.
    void weightageListsFollowTheSymptomsAndAreLabelledByThem()
    {
        const struct
        {
            int symptoms;
            bool pageDown;
            int first, lists;
            bool bar;
        } cases[] = {{0, false, 0, 1, false}, {3, false, 0, 3, false}, {12, true, 5, kWeightageRows, true}};
        for (const auto& c : cases) {
            const Symptoms records(c.symptoms);
            CWeightageModel model(records.set, {});
            CWeightageDlg dialog(model);
            QVERIFY(testing::Shown(dialog));
            if (c.pageDown)
                dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            QCOMPARE(dialog.IntensityList(0)->count(), 10);
            QCOMPARE(dialog.ScrollBar()->isVisible(), c.bar);
            for (int r = 0; r < kWeightageRows; ++r) {
                QCOMPARE(dialog.IntensityList(r)->isVisible(), r < c.lists);
                QLabel* rubric = dialog.RubricLabel(r);
                // A row place without a symptom has no rubric to read.
                QCOMPARE(rubric->isVisible(), r < std::min(c.lists, c.symptoms));
                if (!rubric->isVisible())
                    continue;
                const QString text = QStringLiteral("MIND - symptom %1").arg(c.first + r);
                QCOMPARE(rubric->text(), text);
                QCOMPARE(LabelledBy(dialog.IntensityList(r)), text);
            }
        }
    }

    void weightageRubricShowsItsStartAndIsReadWhole()
    {
        // A rubric longer than its band and holding "&", which a label would otherwise take for a mnemonic.
        Symptoms records(2);
        const std::string tail(60, 'x');
        records.records[0]->m_pszText = "MIND - anxiety & fear, " + tail;
        CWeightageModel model(records.set, {});
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        const QString whole = QString::fromStdString(records.records[0]->m_pszText);
        QLabel* rubric = dialog.RubricLabel(0);
        QVERIFY(rubric->text().startsWith(QStringLiteral("MIND - anxiety && fear, xxx")));
        QVERIFY(rubric->text().endsWith(QChar(0x2026)));
        QCOMPARE(LabelledBy(dialog.IntensityList(0)), whole);
    }

    void weightageChoosesScrollsAndDragsTheThumb()
    {
        const Symptoms records(20);
        std::vector<IntensityEntry> stored;
        for (int i = 0; i < 20; ++i)
            stored.push_back({i, i % 10});
        CWeightageModel model(records.set, stored);
        CWeightageDlg dialog(model);
        QVERIFY(testing::Shown(dialog));
        QCOMPARE(dialog.IntensityList(3)->currentIndex(), 3);

        // A page down shows symptoms 5.. and a choice in row 0 belongs to symptom 5.
        dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 5);
        dialog.IntensityList(0)->setFocus();
        QTest::keyClick(dialog.IntensityList(0), Qt::Key_Up);
        QCOMPARE(model.Intensity(5), 4);

        // Dragging the thumb leaves the rows until it is released.
        CMyScroll* bar = dialog.ScrollBar();
        bar->setSliderDown(true);
        bar->setSliderPosition(12);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 4);
        bar->setSliderDown(false);
        QCOMPARE(dialog.IntensityList(0)->currentIndex(), 2);
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestRepView>(argc, argv, WritePractice);
}

#include "TestRepView.moc"
