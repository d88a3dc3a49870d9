// The dialogs opened from the chart of the sample practice show what quillon-report prints: the Drug List and Full
// Remedy List from the chart's popup menus, typed into and clicked; the follow-up, Strategies and Families dialogs
// from the View menu, copied and saved; a double click on a family narrows the chart through the kingdom filter.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "chart/RepView.h"
#include "controls/MyScroll.h"
#include "engine/RepEngine.h"
#include "followup/FollowUpDialogs.h"
#include "readings/ReadingsDialogs.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/PdfText.h"
#include "support/ReportRun.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace quillon;
using testing::Run;

namespace {

// The lines of a quillon-report command on the sample practice tagged `tag` ("R" unless given), as rows of
// fields without the tag.
std::vector<QStringList> ReportRows(const std::vector<std::string>& command, const QString& tag = QStringLiteral("R"))
{
    std::vector<QStringList> rows;
    for (const QString& line :
        QString::fromStdString(testing::RunReport(Run().folder.Path(), command).out).split(QLatin1Char('\n')))
        if (line.startsWith(tag + QLatin1Char('\t')))
            rows.push_back(line.split(QLatin1Char('\t')).mid(1));
    return rows;
}

template <typename F> bool Has(const QImage& image, F is)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is(image.pixelColor(x, y)))
                return true;
    return false;
}

QStringList RowCells(QTableWidget* table, int row, std::initializer_list<int> columns)
{
    QStringList cells;
    for (int c : columns)
        cells << table->item(row, c)->text();
    return cells;
}

// As the patient index holds it, in Windows-1252.
const PatientRow kThreeVisits{"1003",
    "Ren\xE9"
    "e Dubois",
    "52", "03/04/2002"};
const PatientRow kAnna{"1001", "Anna Berger", "34", "12/03/2002"};

CRepView* OpenChart(const PatientRow& row, int visit)
{
    auto* app = CQuillonApp::Instance();
    app->CloseAllViews();
    SetCurrentPatient(app->State(), row, "Helen Marsh");
    if (!app->State().LoadVisitIndex() || !LoadVisitForChart(app->State(), visit))
        return nullptr;
    return qobject_cast<CRepView*>(app->OpenViewTemplate(2));
}

// Triggers a View menu command and runs `body` on the dialog it opens.
template <typename Dialog> bool WithDialog(const char* name, const std::function<void(Dialog*)>& body)
{
    CMainFrame* frame = CQuillonApp::Instance()->MainFrame();
    QAction* action = frame->Action(name);
    if (!action || !action->isEnabled())
        return false;
    const auto seen = testing::WhenShown<Dialog>([body](Dialog& dialog) { body(&dialog); });
    action->trigger();
    return *seen;
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

class TestChartReportDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compareShowsTheReportsRowsAndSavesThem()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        QVERIFY(WithDialog<CCompareVisitsDialog>("compareVisits", [](CCompareVisitsDialog* dialog) {
            // The rows follow the top box and the other visit; their values are pinned by the core tests.
            dialog->SetOtherVisit(1);
            dialog->TopBox()->setValue(10);
            const auto expected = ReportRows({"compare", "1003", "1", "2", "--top", "10"});
            QCOMPARE(dialog->Table()->rowCount(), static_cast<int>(expected.size()));
            QCOMPARE(RowCells(dialog->Table(), 0, {0, 1, 2, 4, 5, 6, 7}), expected[0]);
            dialog->TopBox()->setValue(20);
            dialog->SetOtherVisit(0);
            QCOMPARE(dialog->Table()->rowCount(),
                static_cast<int>(ReportRows({"compare", "1003", "2", "0", "--top", "20"}).size()));

            QTest::keySequence(dialog->Table(), QKeySequence::Copy);
            const QString copied = QApplication::clipboard()->text();
            QVERIFY(copied.startsWith(QStringLiteral("From 09/01/2002 to 03/04/2002\n")));
            QVERIFY(copied.contains(QStringLiteral("Remedy\t09/01/2002\t03/04/2002\tChange")));
            QCOMPARE(copied.count(QLatin1Char('\n')), 4 + 1 + dialog->Table()->rowCount());
        }));
    }

    // Opened on the visit of 3 April against the one of 20 February, the comparison reads from the earlier to the
    // later, a rise drawn green and pointing up, a fall red and down.
    void compareReadsForwardInTimeWithItsColours()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        QVERIFY(WithDialog<CCompareVisitsDialog>("compareVisits", [](CCompareVisitsDialog* dialog) {
            dialog->SetOtherVisit(1);
            QTableWidget* table = dialog->Table();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("heading"))->text().section(u'\n', 0, 0),
                QStringLiteral("From 20/02/2002 to 03/04/2002"));
            int rose = 0, fell = 0;
            for (int r = 0; r < table->rowCount(); ++r) {
                const QStringList cells = RowCells(table, r, {0, 1, 2, 3});
                const int before = cells[1].toInt(), after = cells[2].toInt();
                if (before == 0 || after == 0 || before == after)
                    continue;
                table->scrollToItem(table->item(r, 3));
                const QImage shown = table->viewport()->grab(table->visualItemRect(table->item(r, 3))).toImage();
                const bool green = Has(shown, [](QColor c) { return c.green() > 100 && c.red() < 60; });
                const bool red = Has(shown, [](QColor c) { return c.red() > 150 && c.green() < 60; });
                QCOMPARE(cells[3].at(0), after < before ? u'+' : u'-');
                QVERIFY2(green == (after < before) && red == (after > before), qPrintable(cells[0]));
                (after < before ? rose : fell) += 1;
            }
            QVERIFY(rose > 0 && fell > 0);
        }));
    }

    void stabilityShowsTheReportsRows()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        QVERIFY(WithDialog<CStabilityDialog>("stability", [](CStabilityDialog* dialog) {
            const auto expected = ReportRows({"stability", "1003", "--visit", "2"});
            QTableWidget* table = dialog->Table();
            QCOMPARE(table->rowCount(), static_cast<int>(expected.size()));
            for (int r = 0; r < table->rowCount(); ++r) {
                const QStringList& want = expected[static_cast<std::size_t>(r)];
                const QString worst = want[4] == QStringLiteral("-") ? QStringLiteral("gone") : want[4];
                QCOMPARE(RowCells(table, r, {0, 1, 2, 3, 4, 5}),
                    QStringList({want[0], want[1], want[2], want[3], worst, want[6]}));
                QCOMPARE(table->item(r, 6)->text().isEmpty(), want[5] == QStringLiteral("-"));
            }
        }));
    }

    // Their pages say whose they are, of which visits, and which page of how many; a PDF that cannot be written
    // says so. (Printing runs the same pages through OutputPages' printer branch, which the cover and chart tests
    // print.)
    void followUpPagesSayWhoseTheyAre()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        const auto check = [](CFollowUpTableDialog* dialog, const QString& title, const QStringList& parts) {
            Run().choices.saveFile = Run().File("follow-up.pdf");
            dialog->SaveAsPdf();
            QVERIFY(Run().choices.suggested.startsWith(QStringLiteral("1003 Ren\u00E9e Dubois ")));
            QVERIFY(Run().choices.suggested.endsWith(QLatin1Char(' ') + title + QStringLiteral(".pdf")));
            const QStringList pages = testing::PdfPages(Run().File("follow-up.pdf"));
            QVERIFY(!pages.isEmpty());
            for (int n = 0; n < pages.size(); ++n)
                for (const QString& part : parts
                        + QStringList{QStringLiteral("Patient: Ren\u00E9e Dubois Reg No: 1003"),
                            QStringLiteral("Page %1 of %2").arg(n + 1).arg(pages.size())})
                    QVERIFY2(pages[n].contains(part), qPrintable(part));
            QVERIFY(Run().sink.Texts().empty());
            Run().choices.saveFile = Run().File("missing/follow-up.pdf");
            dialog->SaveAsPdf();
            QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
            Run().sink.Clear();
        };
        QVERIFY(WithDialog<CCompareVisitsDialog>("compareVisits", [&](CCompareVisitsDialog* dialog) {
            dialog->TopBox()->setValue(50);
            dialog->SetOtherVisit(0);
            check(dialog, QStringLiteral("Compare Visits"),
                {QStringLiteral("Compare Visits"), QStringLiteral("03/04/2002"), QStringLiteral("09/01/2002")});
        }));
        QVERIFY(WithDialog<CStabilityDialog>("stability", [&](CStabilityDialog* dialog) {
            check(dialog, QStringLiteral("Stability"), {QStringLiteral("Stability"), QStringLiteral("03/04/2002")});
        }));
    }

    // Each column holds the tool's rows of its strategy; a remedy among the first K of every column is marked, and
    // its hover names its rank in every column.
    void strategiesShowTheToolsColumns()
    {
        CRepView* view = OpenChart(kAnna, 0);
        QVERIFY(view);
        ChartCommand eliminate(ChartVerb::Eliminate);
        eliminate.symptom = 2;
        view->Execute(eliminate);
        QVERIFY(WithDialog<CStrategiesDialog>("strategies", [](CStrategiesDialog* dialog) {
            // Fewer rows than it opens with: the top box reaches the table.
            const int top = 5;
            dialog->TopBox()->setValue(top);
            const auto rows = ReportRows(
                {"strategies", "1001", "--do", "eliminate:2", "--top", std::to_string(top)}, QStringLiteral("K"));
            std::map<QString, std::map<QString, int>> ranks; // remedy -> strategy -> rank
            for (const QStringList& row : rows)
                ranks[row[2]][row[0]] = row[1].toInt();
            // The chart's totality and symptoms covered of each remedy (elimination leaves both as they are).
            std::map<QString, std::pair<long long, long long>> chart;
            for (const QStringList& row : ReportRows({"chart", "1001"}))
                chart[row[1]] = {row[2].toLongLong(), row[3].toLongLong()};
            QTableWidget* table = dialog->Table();
            QCOMPARE(table->rowCount(), top);
            int marked = 0;
            for (const QStringList& row : rows) {
                const int column
                    = 1 + static_cast<int>(std::find_if(kStrategies.begin(), kStrategies.end(), [&row](Strategy s) {
                          return row[0] == QLatin1String(StrategyWord(s));
                      }) - kStrategies.begin());
                const QTableWidgetItem* cell = table->item(row[1].toInt() - 1, column);
                // The cell shows what the chart shows, after the column's own sum where it ranks by one;
                // the tool's score (60 x totality + covered) never appears.
                QVERIFY2(chart.count(row[2]), qPrintable(row[2]));
                const auto [totality, covered] = chart[row[2]];
                const QString shown = QStringLiteral("%1/%2").arg(totality).arg(covered);
                const long long score = row[3].toLongLong();
                QString numbers = shown;
                if (row[0] == QLatin1String("weighted"))
                    numbers = QStringLiteral("%1 (%2)").arg((score - covered) / 60).arg(shown);
                else if (row[0] == QLatin1String("small-rubrics"))
                    numbers = QStringLiteral("%1 (%2)").arg(score).arg(shown);
                const QString leader = row[2] + QStringLiteral("  ") + numbers;
                QVERIFY2(cell->text() == leader || cell->text() == leader + QStringLiteral("  *"),
                    qPrintable(cell->text() + QStringLiteral(" / ") + leader));
                const bool leads = ranks[row[2]].size() == kStrategyCount;
                QCOMPARE(cell->text().endsWith(QStringLiteral("  *")), leads);
                QCOMPARE(cell->font().bold(), leads);
                marked += leads ? 1 : 0;
                QVERIFY(cell->toolTip().contains(
                    QStringLiteral("Small rubrics: %1")
                        .arg(ranks[row[2]].count(QStringLiteral("small-rubrics"))
                                ? QString::number(ranks[row[2]][QStringLiteral("small-rubrics")])
                                : QString())));
            }
            QVERIFY(marked > 0);
            QTest::keySequence(dialog->Table(), QKeySequence::Copy);
            const QString copied = QApplication::clipboard()->text();
            QVERIFY(copied.contains(QStringLiteral("Rank\tTotality\tSymptoms covered first\tWeighted\tSmall rubrics\t"
                                                   "Elimination\n1\t")));
        }));
    }

    // Without an eliminating symptom the Elimination column is empty and the heading says why; saved as PDF.
    void strategiesWithoutEliminationSaySo()
    {
        QVERIFY(OpenChart(kAnna, 0));
        QVERIFY(WithDialog<CStrategiesDialog>("strategies", [](CStrategiesDialog* dialog) {
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("heading"))
                        ->text()
                        .contains(QStringLiteral("Elimination: no symptom is marked")));
            for (int r = 0; r < dialog->Table()->rowCount(); ++r)
                QVERIFY(dialog->Table()->item(r, 5)->text().isEmpty());
            // Its pages hold the five headings and the leader, marked.
            Run().choices.saveFile = Run().File("strategies.pdf");
            dialog->SaveAsPdf();
            const QStringList pages = testing::PdfPages(*Run().choices.saveFile);
            QCOMPARE(pages.size(), 1);
            for (const char* text : {"Strategies", "Symptoms covered first", "Small rubrics", "Puls 34/21 *"})
                QVERIFY2(pages[0].contains(QLatin1String(text)),
                    qPrintable(QLatin1String(text) + QLatin1String(" in ") + pages[0]));
        }));
    }

    // The families of every kingdom and of one, as the tool lists them; saved as CSV; a double click applies one.
    void familiesShowSaveAndApply()
    {
        CRepView* view = OpenChart(kAnna, 0);
        QVERIFY(view);
        QStringList picked;
        QVERIFY(WithDialog<CFamiliesDialog>("families", [&picked](CFamiliesDialog* dialog) {
            for (const auto& [index, word] : {std::pair{0, "all"}, {3, "mineral"}}) {
                dialog->KingdomBox()->setCurrentIndex(index);
                const auto rows = ReportRows({"families", "1001", "--kingdom", word}, QStringLiteral("F"));
                QTableWidget* table = dialog->Table();
                QCOMPARE(table->rowCount(), static_cast<int>(rows.size()));
                QStringList cells = RowCells(table, 2, {0, 1, 2, 3, 4, 5});
                cells[0] = cells[0].toLower();
                cells[5].replace(QStringLiteral(", "), QStringLiteral(","));
                QCOMPARE(cells, rows.at(2));
                picked = rows.at(2);
            }
            Run().choices.saveFile = Run().File("families.csv");
            dialog->SaveAsCsv();
            const std::string csv = testing::ReadBytes(Run().choices.saveFile->toStdString());
            QCOMPARE(QString::fromStdString(csv).count(QStringLiteral("\r\n")), dialog->Table()->rowCount() + 1);
            QVERIFY(
                csv.rfind("Kingdom,Family,Remedies,Sum of totalities,Best rank,First remedies\r\nmineral,", 0) == 0);
            // A basic group, a row or a column: the third mineral family, double clicked.
            QTableWidget* table = dialog->Table();
            table->scrollToItem(table->item(2, 1));
            const QPoint at = table->visualItemRect(table->item(2, 1)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(!dialog->isVisible());
        }));
        // The chart keeps the family's remedies (which ones,
        // SamplePracticeTest.EachAppliedFamilyLeavesExactlyItsRemedies pins); its log replays through the tool.
        QCOMPARE(view->Engine().RemedyCount(), picked[2].toInt());
        QCOMPARE(view->Operations().back().verb, ChartVerb::Mineral);
        std::vector<std::string> args{"chart", "1001"};
        for (const ChartCommand& command : view->Operations())
            args.insert(args.end(), {"--do", FormatChartCommand(command)});
        QCOMPARE(view->DumpChartText(), testing::RunReport(Run().folder.Path(), args).out);
    }
    // Switching the kingdom shows the new families from their first: with the table scrolled to its end (and to
    // its right), every switch by the keyboard brings it back to the first row and column.
    void familiesOfAnotherKingdomStartAtTheTop()
    {
        QVERIFY(OpenChart(kAnna, 0));
        QVERIFY(WithDialog<CFamiliesDialog>("families", [](CFamiliesDialog* dialog) {
            QTableWidget* table = dialog->Table();
            dialog->resize(dialog->width(), 260);
            QVERIFY(testing::Shown(*dialog));
            for (const auto& [key, kingdom] :
                {std::pair{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Home, 0}}) {
                table->scrollToBottom();
                table->horizontalScrollBar()->setValue(table->horizontalScrollBar()->maximum());
                QVERIFY(table->verticalScrollBar()->value() > 0);
                QTest::keyClick(dialog->KingdomBox(), key);
                QCOMPARE(dialog->KingdomBox()->currentIndex(), kingdom);
                QVERIFY(table->rowCount() > 0);
                QCOMPARE(table->verticalScrollBar()->value(), 0);
                QCOMPARE(table->horizontalScrollBar()->value(), 0);
                QCOMPARE(table->rowAt(0), 0);
            }
        }));
    }

    void compareNeedsASecondVisit()
    {
        QVERIFY(OpenChart(kAnna, 0));
        QVERIFY(!WithDialog<CCompareVisitsDialog>("compareVisits", [](CCompareVisitsDialog*) {}));
        QVERIFY(WithDialog<CStabilityDialog>("stability", [](CStabilityDialog*) {}));
    }

    // Typing selects the first remedy that matches and scrolls the chart to it; no match selects the first row and
    // brings the chart back to its start. What matches, and where the chart stops, are DrugList.SearchSplitAndClamp's.
    void drugListSearchesAndScrollsTheChart()
    {
        CRepView* view = OpenChart(kAnna, 0);
        QVERIFY(view && view->Engine().RemedyCount() > 13);
        CMyScroll* bar = view->ScrollBar(FormPart::RemedyScroll);
        FromPopup<CDrugListDialog>(view, 370, 170, 2, [&](CDrugListDialog* d) {
            QCOMPARE(d->List()->count(), view->Engine().RemedyCount());
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
        CRepView* view = OpenChart(kAnna, 0);
        QVERIFY(view);
        const std::string saved
            = testing::RunReport(Run().folder.Path(), {"remedy-list", "1001", "0", "--by-name"}).out;
        Run().choices.saveFile = Run().File("rubric"); // ".txt" is added
        FromPopup<CFullRemedyListDialog>(view, 210, 214, 1, [&](CFullRemedyListDialog* d) {
            const CSymptomRecord* symptom = view->Engine().Symptom(0);
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
    return testing::RunInPractice<TestChartReportDialogs>(argc, argv, [](const testing::TempFolder& folder) {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    });
}

#include "TestChartReportDialogs.moc"
