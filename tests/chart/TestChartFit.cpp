// View > Fit Chart to Window, which shows as many rows and columns as fit, with the magnifier and the accessible
// table following it. Driven through the real window.
#include "ChartFixture.h"
#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "chart/ChartAccessible.h"
#include "chart/ChartPainter.h"
#include "fixtures/CaseWriters.h"
#include "magnifier/Magnifier.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <QAccessible>
#include <QTest>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

RecordingMessageSink* g_sink = nullptr;

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

    // A chart opened while the setting is on opens fitted, showing the rows that fit; the accessible table keeps the
    // whole chart's counts and gives a rectangle to every cell in sight, the fitted rows below the eleventh included.
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
        // Off again, remembered: the specified eleven rows come back.
        FitAction()->trigger();
        QVERIFY(!App().Settings().FitChartToWindow());
        QCOMPARE(m_view->Geometry().VisibleSymptoms(), 11);
        QVERIFY(m_view->AccessibleGrid().CellRect(lastRow, 0).isEmpty());
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
};

int main(int argc, char** argv)
{
    TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_sink = &sink;
    return RunInApp<TestChartFit>(argc, argv, folder.Path(), sink);
}

#include "TestChartFit.moc"
