// The conversion dialog, the materia medica view and the magnifying glass, driven through their widgets in the
// running application.
#include "MateriaMedicaFixture.h"
#include "app/MainFrame.h"
#include "chart/ChartFixture.h"
#include "controls/MyScroll.h"
#include "magnifier/Magnifier.h"
#include "magnifier/PropMagn.h"
#include "materiamedica/ConvertDialog.h"
#include "materiamedica/MateriaMedicaPainter.h"
#include "materiamedica/RepCmpVw.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using namespace quillon;
using namespace quillon::testing::practice;
using quillon::testing::App;
using quillon::testing::Run;

namespace {

void DoubleClickEntry(QListWidget* list, const QString& text)
{
    const QPoint at = list->visualItemRect(list->findItems(text, Qt::MatchExactly).value(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Opens the chart, then the view on a Complete request for the codes, as the dialog's OK does.
CRepCmpVw* OpenView(const QList<int>& codes)
{
    if (!testing::OpenChartOf("1001", "Asha Rao", Run().sink))
        return nullptr;
    App().SetMateriaMedicaRequest({{codes.begin(), codes.end()}, kMMComplete, kAllGradesMask});
    auto* view = qobject_cast<CRepCmpVw*>(App().OpenViewTemplate(3));
    if (view) {
        view->window()->show();
        (void)QTest::qWaitForWindowExposed(view);
        view->SetScreenSize(view->size()); // the page fills the view, whatever the test screen's size
    }
    return view;
}

QRect Scaled(const CLayoutRect& rect)
{
    return ScaleDesignRect(rect, qobject_cast<CRepCmpVw*>(App().OpenView(kViewMateriaMedica))->ScreenSize());
}

} // namespace

class TestMateriaMedicaView final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Closes the views without the materia medica view reopening the dialog (a failed test would leave it waiting).
    void init() { App().CloseViewsForCommand(); }

    void popupConvertsAndClosingTheViewReturnsToTheDialog()
    {
        CRepView* chart = testing::OpenChartOf("1001", "Asha Rao", Run().sink);
        QVERIFY(chart);
        App().State().ConversionRemedies() = {{kBell, "BELL"}}; // an earlier chart's remedy
        bool sawDialog = false;
        const auto popup = testing::WhenShown<QMenu>([](QMenu& menu) { menu.actions().at(1)->trigger(); });
        testing::WhenShown<CConvertDialog>([&sawDialog](CConvertDialog& dialog) {
            sawDialog = true;
            QCOMPARE(dialog.SelectedList()->count(), 2); // earlier name, picked one
            DoubleClickEntry(dialog.FullList(), QStringLiteral("bell"));
            QCOMPARE(dialog.FullName()->text(), QStringLiteral("Bellis perennis"));
            QTest::mouseClick(dialog.MarkBox(2), Qt::LeftButton);
            QVERIFY(!dialog.MarkBox(kMarkBoxCount)->isChecked());
            QTest::mouseClick(dialog.MarkBox(0), Qt::LeftButton);
            QTest::mouseClick(dialog.OptionButton(kOptionCompare), Qt::LeftButton);
            QVERIFY(dialog.OkButton()->isEnabled());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        // Rank 1 of the chart is Acon (every symptom names it).
        QTest::mouseClick(chart, Qt::RightButton, {},
            QPoint(365 * chart->Geometry().ChartWidth() / 840, 165 * chart->Geometry().ScreenHeight() / 680));
        QVERIFY(*popup && sawDialog);
        QCOMPARE(App().MateriaMedicaRequest().m_arrSelectedCodes, (std::vector<int>{kBell, kAcon, kBellLower}));
        QCOMPARE(App().MateriaMedicaRequest().m_nMarkMask, 5);
        QCOMPARE(App().OpenView(kViewMateriaMedica)->windowTitle(),
            QStringLiteral("Compare Materia Medica for Recorded Symptoms"));
        // Bell 3 (mask One+Three), Acon 1 or 3, bell 2 is outside the mask: nothing carries all three, so
        // "No match found" closes the view, which reopens the dialog with the selected list kept.
        bool reopened = false;
        testing::WhenShown<CConvertDialog>([&reopened](CConvertDialog& dialog) {
            reopened = true;
            QCOMPARE(dialog.SelectedList()->count(), 3);
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        });
        QTRY_VERIFY(reopened);
        QCOMPARE(Run().sink.Texts().back(), std::string(kMsgNoMatchFound));
        QVERIFY(App().OpenView(kViewMateriaMedica) == nullptr
            && App().State().ConversionRemedies().empty()); // Cancel empties it
    }

    void barsFollowTheRequestSize_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("bars");
        QTest::newRow("3 remedies, 15 lines") << QList<int>{kBell, kBellLower, kCalc} << 15 << false;
        QTest::newRow("4 remedies, 20 lines") << QList<int>{kAcon, kBell, kBellLower, kCalc} << 20 << true;
    }
    void barsFollowTheRequestSize()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, lines);
        QFETCH(bool, bars);
        CRepCmpVw* view = OpenView(codes);
        QVERIFY(view);
        QCOMPARE(view->Listing().RetainedCount(), lines);
        // Read aloud as a table: a row per symptom and the summary row, a column per remedy, the cells the grades.
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface* table = entry->child(entry->childCount() - 1)->tableInterface();
        QCOMPARE(table->rowCount(), lines + 1);
        QCOMPARE(table->columnCount(), static_cast<int>(codes.size()));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name).toInt(), view->Listing().CellAt(0, 0).grade);
        QCOMPARE(view->HorizontalBar()->isVisible(), bars);
        QCOMPARE(view->VerticalBar()->isVisible(), bars);
        if (bars) {
            QTest::keyClick(view, Qt::Key_PageDown);
            QCOMPARE(view->VerticalBar()->Position(), 5);
            view->HorizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            QCOMPARE(view->Cursor().FirstColumn(), 1);
            view->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); // moves the cursor
            QCOMPARE(view->Cursor().Top(), 4);
            QTest::keyClick(view, Qt::Key_Home);
            QCOMPARE(view->Cursor().Top(), 4);
            QTest::keyClick(view, Qt::Key_Control, Qt::ControlModifier);
            QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
            QCOMPARE(view->VerticalBar()->Position(), 0);
        }
    }

    void grabMatchesTheLayoutCells()
    {
        CRepCmpVw* view = OpenView({kAcon, kBell});
        QVERIFY(view);
        const RowLayout& layout = view->Layout();
        QTest::mouseClick(view, Qt::LeftButton, {}, Scaled(layout.rows[3].rect).center());
        QCOMPARE(view->Cursor().CursorRow(), 3);
        const QImage page = view->grab().toImage();
        QVERIFY(layout.rows[3].highlighted && !layout.rows[1].highlighted);
        const auto count = [&page](const QRect& rect, const std::function<bool(QColor)>& test) {
            int n = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    n += test(page.pixelColor(x, y)) ? 1 : 0;
            return n;
        };
        const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
        const auto blue = [](QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; };
        // Line 1 is symptom 0: Acon grade 1 (black), Bell grade 3 (red); line 2 is symptom 1: Acon grade 2 (blue).
        QVERIFY(count(Scaled(layout.cells[3 * 1 + 1].rect), red) > 10);
        QVERIFY(count(Scaled(layout.cells[3 * 2 + 0].rect), blue) > 10);
        QCOMPARE(count(Scaled(layout.cells[3 * 1 + 2].rect), [](QColor c) { return c != Qt::white; }), 0);
        // The cursor line is inverted: mostly dark where the other lines are white.
        const QRect cursorRow = Scaled(layout.rows[3].rect);
        QVERIFY(count(cursorRow, [](QColor c) { return c.lightness() < 128; })
            > cursorRow.width() * cursorRow.height() / 2);
        QVERIFY(count(Scaled(layout.rows[16].rect), red) > 10); // the summary label
    }

    void magnifierLensAndProperties()
    {
        CRepCmpVw* view = OpenView({kAcon, kBell});
        QVERIFY(view);
        App().MainFrame()->Action("magnify")->trigger();
        CMagnifier* magnifier = view->Magnifier();
        QVERIFY(magnifier->IsShown() && App().MainFrame()->Action("magnify")->isChecked());
        QCOMPARE(magnifier->geometry(), view->rect());
        QCOMPARE(magnifier->Settings().size, 300);

        // The sheet opens on 100 for the initial 300, wide enough for its bold title beside the title bar's
        // buttons; OK without changes sets it.
        testing::WhenShown<CPropMagn>([](CPropMagn& sheet) {
            QFont bold = QApplication::font();
            bold.setBold(true);
            QVERIFY(sheet.width() >= QFontMetrics(bold).horizontalAdvance(sheet.windowTitle()) + 100);
            QCOMPARE(sheet.SizePage()->Checked(), 0);
            QCOMPARE(sheet.ZoomPage()->Checked(), 1);
            sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QTest::mouseClick(magnifier, Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(magnifier->Settings().size, 100);
        testing::WhenShown<CPropMagn>([](CPropMagn& sheet) {
            sheet.ZoomPage()->findChildren<QRadioButton*>().at(0)->click(); // X1.5
            sheet.ShapePage()->findChildren<QRadioButton*>().at(1)->click(); // Round
            sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QTest::mouseClick(magnifier, Qt::RightButton, {}, QPoint(50, 50));
        QVERIFY(magnifier->Settings().shape == kLensRound && magnifier->Settings().SourceSide() == 50);

        QTest::mousePress(magnifier, Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(magnifier->Lens()->geometry(), QRect(250, 150, 100, 100));
        QTest::mouseMove(magnifier, QPoint(400, 260));
        QTRY_COMPARE(magnifier->Lens()->geometry().topLeft(), QPoint(350, 210));
        QTest::mouseRelease(magnifier, Qt::LeftButton, {}, QPoint(-40, view->height() + 40));
        QVERIFY(!magnifier->IsActive() && magnifier->Lens()->isHidden());

        // Toggled off, the view takes the clicks again.
        App().MainFrame()->Action("magnify")->trigger();
        QVERIFY(!magnifier->IsShown() && !App().MainFrame()->Action("magnify")->isChecked());
        QTest::mouseClick(view, Qt::LeftButton, {}, Scaled(view->Layout().rows[2].rect).center());
        QCOMPARE(view->Cursor().CursorRow(), 2);
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestMateriaMedicaView>(argc, argv, WritePractice);
}

#include "TestMateriaMedicaView.moc"
