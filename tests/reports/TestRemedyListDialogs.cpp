// The Drug List and Full Remedy List opened from the chart's popup menus, typed into and clicked, against
// what quillon-report prints for the same steps.
#include "app/QuillonApp.h"
#include "chart/RepView.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/ReportRun.h"
#include "support/WidgetTest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace quillon;
using testing::Run;

namespace {

std::string Report(const std::vector<std::string>& command)
{
    const auto r = testing::RunReport(Run().folder.Path(), command);
    return r.status == 0 ? r.out : r.err;
}

// Right-clicks the chart at design point (x, y) and picks popup item `item`; `dialog` then runs in the
// modal dialog it opens.
template <typename Dialog>
void FromPopup(CRepView* view, int x, int y, int item, const std::function<void(Dialog*)>& dialog)
{
    testing::WhenShown<QMenu>([item](QMenu& menu) {
        QVERIFY(menu.actions().at(item)->isEnabled());
        menu.actions().at(item)->trigger();
    });
    const auto ran = testing::WhenShown<Dialog>([&dialog](Dialog& d) {
        dialog(&d);
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    const int w = view->Geometry().ChartWidth(), h = view->Geometry().ScreenHeight();
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(x * w / 840, y * h / 680));
    QVERIFY(*ran);
}

} // namespace

class TestRemedyListDialogs final : public QObject
{
    Q_OBJECT

    CRepView* m_view = nullptr;

private Q_SLOTS:
    void init()
    {
        auto* app = CQuillonApp::Instance();
        SetCurrentPatient(app->State(), {"1001", "Anna Berger", "34", "12/03/2002"}, "Helen Marsh");
        QVERIFY(app->State().LoadVisitIndex() && LoadVisitForChart(app->State(), 0));
        m_view = qobject_cast<CRepView*>(app->OpenViewTemplate(2));
        QVERIFY(m_view && m_view->Engine().RemedyCount() > 13);
    }

    // Typing selects the first remedy that matches and scrolls the chart to it; no match selects the first row and
    // brings the chart back to its start. What matches, and where the chart stops, are DrugList.SearchSplitAndClamp's.
    void drugListSearchesAndScrollsTheChart()
    {
        CMyScroll* bar = m_view->ScrollBar(FormPart::RemedyScroll);
        FromPopup<CDrugListDialog>(m_view, 370, 170, 2, [&](CDrugListDialog* d) {
            QCOMPARE(d->List()->count(), m_view->Engine().RemedyCount());
            QTest::keyClicks(d->SearchEdit(), QStringLiteral("n"));
            const int found = d->List()->currentRow();
            QVERIFY(found > 0 && d->List()->currentItem()->text().startsWith(QLatin1Char('N'), Qt::CaseInsensitive));
            QCOMPARE(bar->Position(), found);
            d->SearchEdit()->clear();
            QTest::keyClicks(d->SearchEdit(), QStringLiteral("zzz"));
            QCOMPARE(d->List()->currentRow(), 0);
            QCOMPARE(bar->Position(), 0);
            // The last remedy: the chart goes only as far as its bar reaches.
            d->List()->scrollToBottom();
            const int last = d->List()->count() - 1;
            QTest::mouseClick(
                d->List()->viewport(), Qt::LeftButton, {}, d->List()->visualItemRect(d->List()->item(last)).center());
            QCOMPARE(d->List()->currentRow(), last);
            QCOMPARE(bar->Position(), last + 1 - 13);
        });
    }

    void fullSymptomSortsSearchesAndSaves()
    {
        const std::string saved = Report({"remedy-list", "1001", "0", "--by-name"});
        Run().choices.saveFile = Run().File("rubric"); // ".txt" is added
        FromPopup<CFullRemedyListDialog>(m_view, 210, 214, 1, [&](CFullRemedyListDialog* d) {
            const CSymptomRecord* symptom = m_view->Engine().Symptom(0);
            QCOMPARE(d->CountEdit()->text(), QStringLiteral("Remedies (%1)").arg(RemedyEntryCount(*symptom)));
            QTest::mouseClick(d->RemedyButton(), Qt::LeftButton);
            QTest::keyClicks(d->SearchEdit(), QStringLiteral("b"));
            const int current = d->List()->currentRow();
            QVERIFY(d->List()->currentItem()->text().startsWith(
                QStringLiteral("%1: B").arg(d->Model().Items()[current].totality), Qt::CaseInsensitive));
            QTest::keyClicks(d->SearchEdit(), QStringLiteral("qqq"));
            QCOMPARE(d->List()->currentRow(), current); // no match keeps the current remedy
            QCOMPARE(d->FullNameEdit()->text(), FromData(d->Model().FullName(current)));
            QTest::mouseClick(d->SaveButton(), Qt::LeftButton);
        });
        QCOMPARE(testing::ReadBytes(Run().folder.Path() / "rubric.txt"), saved);
        QCOMPARE(Run().choices.suggested, QStringLiteral("1001 Anna Berger 12-03-2002 Remedy List.txt"));
    }
};

int main(int argc, char** argv)
{
    return testing::RunInPractice<TestRemedyListDialogs>(argc, argv, [](const testing::TempFolder& folder) {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    });
}

#include "TestRemedyListDialogs.moc"
