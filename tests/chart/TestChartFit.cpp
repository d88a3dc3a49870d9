// The chart in the window it has: the specified 11 rows and 14 columns with the last column's border inside the
// window, and View > Fit Chart to Window, which shows as many rows and columns as fit, with the bars, the cell
// cursor, the magnifier, the accessible table and the saved pages following it. Driven through the real window.
#include "ChartFixture.h"
#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "chart/ChartAccessible.h"
#include "chart/ChartPainter.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"
#include "magnifier/Magnifier.h"
#include "support/AppTest.h"
#include "support/PdfText.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <QAccessible>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTest>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

RecordingMessageSink* g_sink = nullptr;
ScriptedChoices* g_choices = nullptr;

// 31 remedies and 23 symptoms, every one of them naming every remedy, so that every cell in sight holds a grade.
constexpr int kRemedies = 31;
constexpr int kSymptoms = 23;

void WritePractice(const TempFolder& folder)
{
    folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", {{"1001", "Asha Rao", "34", "05/11/2002"}}));
    std::vector<SymptomSpec> symptoms;
    for (int s = 0; s < kSymptoms; ++s) {
        SymptomSpec spec;
        spec.text = "RUBRIC " + std::to_string(s);
        spec.kind = s % 2 ? 'G' : 'M';
        spec.type = 1;
        for (int i = 0; i < kRemedies; ++i)
            spec.remedies.push_back({i, (i + s) % 3 + 1});
        symptoms.push_back(spec);
    }
    folder.Write("1001.rsy", EncodeRsy({VisitSpec{5, 11, 2002, symptoms}}));
    std::vector<CatalogueRemedy> remedies;
    for (int i = 0; i < kRemedies; ++i) {
        const std::string name = "Rem" + std::to_string(10 + i) + ".";
        remedies.push_back({name, "Remedy " + name, 0});
    }
    folder.WriteCatalogue(remedies);
}

QAction* FitAction()
{
    return App().MainFrame()->Action("fitChart");
}

// The main window maximised on a screen of that size, its borders taking two pixels each side, the chart's frame
// maximised inside it.
void ShowAsOnScreen(CRepView* view, QSize screen)
{
    QWidget* window = view->window();
    window->showNormal();
    window->setGeometry(QRect(QPoint(2, 0), screen - QSize(4, 2)));
    view->SetScreenSize(screen.width(), screen.height());
    QCoreApplication::processEvents();
}

QMdiSubWindow* FrameOf(CRepView* view)
{
    QWidget* frame = view->parentWidget();
    while (frame && !qobject_cast<QMdiSubWindow*>(frame))
        frame = frame->parentWidget();
    return qobject_cast<QMdiSubWindow*>(frame);
}

// Restores the chart's frame and sizes it so that the view itself is `size`.
void SizeViewTo(CRepView* view, QSize size)
{
    QMdiSubWindow* frame = FrameOf(view);
    frame->showNormal();
    for (int i = 0; i < 3 && view->size() != size; ++i) {
        frame->resize(frame->size() + size - view->size());
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestChartFit final : public QObject
{
    Q_OBJECT

    CRepView* m_view = nullptr;

private Q_SLOTS:
    void init()
    {
        if (FitAction()->isChecked())
            FitAction()->trigger();
        App().MainFrame()->showMaximized();
        QVERIFY((m_view = OpenChartOf("1001", "Asha Rao", *g_sink)));
    }

    // Maximised on a 1280 x 800 and on a 1920 x 1080 screen, the specified chart shows its 14th column whole: its
    // right border is drawn inside the view; its 11 rows and its bars are as specified.
    void specifiedChartShowsItsFourteenthColumnWhole()
    {
        for (const QSize screen : {QSize(1280, 800), QSize(1920, 1080)}) {
            ShowAsOnScreen(m_view, screen);
            const QString at = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
            QVERIFY2(m_view->width() < screen.width(), qPrintable(at));
            const QRect last = ToQRect(m_view->Geometry().GridCellRect(13));
            QVERIFY2(last.right() < m_view->width(), qPrintable(at));
            const QImage image = m_view->grab().toImage();
            // The border's dark pixels down the cell's right edge, and its totality in its colour.
            QVERIFY2(CountColour(image, QRect(last.right(), last.top() + 5, 1, last.height() - 10), Qt::black, 200) > 0,
                qPrintable(at));
            QVERIFY2(CountColour(image, last, kTotalityColour, 40) > 0, qPrintable(at));
            QCOMPARE(m_view->Geometry().VisibleSymptoms(), 11);
            QCOMPARE(m_view->ScrollBar(FormPart::SymptomScroll)->maximum(), kSymptoms - 11);
            QCOMPARE(m_view->ScrollBar(FormPart::RemedyScroll)->maximum(), kRemedies - 13);
            QCOMPARE(m_view->ScrollBar(FormPart::SymptomScroll)->Page(), 3);
            QCOMPARE(m_view->ScrollBar(FormPart::RemedyScroll)->Page(), 11);
        }
    }

    // View > Fit Chart to Window, remembered: the chart shows the rows that fit, a view one pixel short of another
    // row shows one fewer; the bars page by the rows and columns in sight, below the last row; off again, the
    // specified chart comes back.
    void fittedChartShowsTheRowsThatFitAndPagesByThem()
    {
        ShowAsOnScreen(m_view, QSize(1280, 800));
        FitAction()->trigger();
        QVERIFY(m_view->FitsToWindow());
        QVERIFY(App().Settings().FitChartToWindow());
        const ChartGeometry& g = m_view->Geometry();
        // The view as narrow as its buttons let it be, one column short of the fourteen; its rows follow its height.
        const int narrow = m_view->minimumWidth();
        const struct
        {
            int width, rows;
            int heightLess;
        } cases[]
            = {{narrow, 15, 0}, {narrow, 15, 1}, {narrow, 13, 0}, {narrow, 13, 1}, {narrow, 9, 0}, {narrow, 2, 1}};
        for (const auto& c : cases) {
            const QSize size(c.width, g.HeightForRows(c.rows) - c.heightLess);
            SizeViewTo(m_view, size);
            QCOMPARE(m_view->size(), size);
            const int rows = c.rows - c.heightLess;
            const QString at = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            QVERIFY2(g.VisibleSymptoms() == rows, qPrintable(at + QStringLiteral(" rows %1").arg(g.VisibleSymptoms())));
            const int columns = g.DrawnColumns();
            QCOMPARE(columns, 13);
            QVERIFY2(ToQRect(g.GridCellRect(columns - 1)).right() < c.width, qPrintable(at));
            QVERIFY2(g.Cx(355 + 35 * columns + 30) > c.width - 2, qPrintable(at));
            const CMyScroll* symptomBar = m_view->ScrollBar(FormPart::SymptomScroll);
            const CMyScroll* remedyBar = m_view->ScrollBar(FormPart::RemedyScroll);
            QCOMPARE(symptomBar->maximum(), kSymptoms - rows);
            QCOMPARE(remedyBar->maximum(), kRemedies - columns);
            QCOMPARE(symptomBar->Page(), std::max(rows - 8, 1));
            QCOMPARE(remedyBar->Page(), std::max(columns - 3, 1));
            // The bars lie below the last row and inside the view.
            const QRect lastRow = ToQRect(g.GridCellRect(ChartGeometry::GridKey(rows + 1, 0)));
            QVERIFY2(remedyBar->geometry().top() > lastRow.bottom() && remedyBar->geometry().bottom() < size.height()
                    && remedyBar->geometry().right() < size.width(),
                qPrintable(at));
            // The last row in sight carries its grades; the view does not scroll inside its frame.
            const QImage image = m_view->grab().toImage();
            QVERIFY2(CountColour(image, lastRow, kGradeColour, 120) > 0, qPrintable(at));
            QCOMPARE(m_view->minimumHeight() <= size.height(), true);
        }
        FitAction()->trigger();
        QVERIFY(!App().Settings().FitChartToWindow());
        QCOMPARE(m_view->Geometry().VisibleSymptoms(), 11);
        QCOMPARE(m_view->ScrollBar(FormPart::SymptomScroll)->maximum(), kSymptoms - 11);
        QCOMPARE(m_view->ScrollBar(FormPart::RemedyScroll)->maximum(), kRemedies - 13);
    }

    // A chart opened while the setting is on opens fitted; the accessible table keeps the whole chart's counts and
    // gives a rectangle to every cell in sight, the fitted rows below the eleventh included.
    void newChartOpensFittedAndTheTableFollowsIt()
    {
        FitAction()->trigger();
        QVERIFY((m_view = OpenChartOf("1001", "Asha Rao", *g_sink)));
        ShowAsOnScreen(m_view, QSize(1280, 800));
        QVERIFY(m_view->FitsToWindow());
        const int rows = m_view->Geometry().VisibleSymptoms();
        const int columns = m_view->Geometry().DrawnColumns();
        QVERIFY2(rows > 11, qPrintable(QString::number(rows)));
        QAccessibleTableInterface* table = ChartTable(m_view);
        QCOMPARE(table->rowCount(), 2 + kSymptoms);
        QCOMPARE(table->columnCount(), kRemedies);
        const int lastRow = kFirstSymptomTableRow + rows - 1;
        QVERIFY(!m_view->AccessibleGrid().CellRect(lastRow, columns - 1).isEmpty());
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow + 1, 0).isEmpty());
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow, columns).isEmpty());
        QCOMPARE(m_view->AccessibleGrid().CellRect(lastRow, columns - 1),
            ToQRect(m_view->Geometry().GridCellRect(ChartGeometry::GridKey(rows + 1, columns - 1))));
        FitAction()->trigger();
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow, 0).isEmpty());
    }

    // The arrows walk the cursor to the last column and row in sight without scrolling; one step further scrolls
    // by one, and End puts the last remedy in the last column in sight.
    void cursorAndBarsAtTheLastColumnAndRowInSight()
    {
        FitAction()->trigger();
        ShowAsOnScreen(m_view, QSize(1280, 800));
        m_view->window()->activateWindow();
        m_view->setFocus();
        const int rows = m_view->Geometry().VisibleSymptoms();
        const int columns = m_view->Geometry().DrawnColumns();
        CMyScroll* symptomBar = m_view->ScrollBar(FormPart::SymptomScroll);
        CMyScroll* remedyBar = m_view->ScrollBar(FormPart::RemedyScroll);
        for (int i = 1; i < columns; ++i)
            QTest::keyClick(m_view, Qt::Key_Right);
        QCOMPARE(m_view->CursorColumn(), columns - 1);
        QCOMPARE(remedyBar->Position(), 0);
        QTest::keyClick(m_view, Qt::Key_Right);
        QCOMPARE(m_view->CursorColumn(), columns);
        QCOMPARE(remedyBar->Position(), 1);
        QVERIFY(!m_view->TableCellRect(m_view->CursorRow(), columns).isEmpty());
        for (int i = 1; i < rows; ++i)
            QTest::keyClick(m_view, Qt::Key_Down);
        QCOMPARE(m_view->CursorRow(), kFirstSymptomTableRow + rows - 1);
        QCOMPARE(symptomBar->Position(), 0);
        QTest::keyClick(m_view, Qt::Key_Down);
        QCOMPARE(symptomBar->Position(), 1);
        QTest::keyClick(m_view, Qt::Key_End);
        QCOMPARE(remedyBar->Position(), kRemedies - columns);
        const QImage image = m_view->grab().toImage();
        QVERIFY(CountColour(image, ToQRect(m_view->Geometry().GridCellRect(columns - 1)), kTotalityColour, 40) > 0);
        QCOMPARE(m_view->PaintState().remedyPosition + columns - 1, kRemedies - 1);
    }

    // The magnifier covers the fitted view and enlarges what it shows, the rows below the eleventh included.
    void magnifierCoversTheFittedChart()
    {
        FitAction()->trigger();
        ShowAsOnScreen(m_view, QSize(1280, 800));
        App().MainFrame()->Action("magnify")->trigger();
        auto* magnifier = m_view->findChild<CMagnifier*>();
        QVERIFY(magnifier && magnifier->IsShown());
        QCOMPARE(magnifier->geometry(), m_view->rect());
        const int rows = m_view->Geometry().VisibleSymptoms();
        const QRect lastRow = ToQRect(m_view->Geometry().GridCellRect(ChartGeometry::GridKey(rows + 1, 0)));
        QTest::mousePress(magnifier, Qt::LeftButton, {}, lastRow.center());
        QCOMPARE(magnifier->Snapshot().size(), m_view->size());
        QVERIFY(CountColour(magnifier->Snapshot().toImage(), lastRow, kGradeColour, 120) > 0);
        QTest::mouseRelease(magnifier, Qt::LeftButton, {}, lastRow.center());
        App().MainFrame()->Action("magnify")->trigger();
    }

    // The saved pages hold the whole chart whatever the window shows: the same pages fitted and specified.
    void savedPagesDoNotFollowTheWindow()
    {
        TempFolder out;
        QStringList pages[2];
        for (int fit = 0; fit < 2; ++fit) {
            if (fit)
                FitAction()->trigger();
            ShowAsOnScreen(m_view, QSize(1280, 800));
            const QString file
                = QString::fromStdString((out.Path() / ("chart" + std::to_string(fit) + ".pdf")).string());
            g_choices->saveFile = file;
            App().MainFrame()->Action("saveChartPdf")->trigger();
            pages[fit] = PdfPages(file);
        }
        g_choices->saveFile.reset();
        QVERIFY(!pages[0].isEmpty());
        QCOMPARE(pages[1], pages[0]);
        QVERIFY(pages[0].join(QString()).contains(QStringLiteral("RUBRIC 22")));
    }
};

int main(int argc, char** argv)
{
    TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_sink = &sink;
    ScriptedChoices choices;
    g_choices = &choices;
    return RunInApp<TestChartFit>(argc, argv, folder.Path(), sink, &choices);
}

#include "TestChartFit.moc"
