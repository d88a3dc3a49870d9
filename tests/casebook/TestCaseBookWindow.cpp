// The window's case book on the sample practice: without a usable book the window goes on; Ctrl+S, Record
// Prescription from the remedy popup, rename and delete in Open Analysis, the Case Book page as PDF, and the
// export and import through the File menu.
#include "app/CaseBookCommands.h"
#include "app/MainFrame.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "chart/RepView.h"
#include "controls/PictureButton.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/PdfText.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include <cstdlib>

using namespace quillon;
using testing::App;
using testing::WithShown;

namespace {

RecordingMessageSink* g_sink = nullptr;
testing::ScriptedChoices* g_choices = nullptr;
testing::TempFolder* g_scratch = nullptr;

QAction* Command(int id)
{
    return App().MainFrame()->findChild<QAction*>(QStringLiteral("casebook%1").arg(id));
}

CRepView* OpenChart(const char* regNo, const char* name)
{
    App().CloseAllViews();
    SetCurrentPatient(App(), {regNo, name, "34", "x"}, "Helen Marsh");
    if (!App().LoadVisitIndex() || !LoadVisitForChart(App(), 0))
        return nullptr;
    return qobject_cast<CRepView*>(App().OpenViewTemplate(kViewChart));
}

std::vector<std::string> Names(COpenAnalysisDialog& dialog)
{
    std::vector<std::string> names;
    for (int r = 0; r < dialog.Table()->rowCount(); ++r)
        names.push_back(dialog.Table()->item(r, 1)->text().toStdString());
    return names;
}

} // namespace

class TestCaseBookWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: the book is of a newer version. Its message, then the chart works on, and nothing is written.
    void withoutABookTheWindowGoesOn()
    {
        const auto path = DefaultCaseBookPath();
        std::filesystem::create_directories(path.parent_path());
        SQLite::Database(path.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec("PRAGMA user_version = 9");
        CRepView* view = OpenChart("1001", "Anna Berger");
        QVERIFY(view);
        g_sink->Clear();
        Command(ID_SAVE_ANALYSIS)->trigger();
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{kMsgCaseBookNewer});
        QTest::mouseClick(view->Button(IDC_MIND), Qt::LeftButton);
        QCOMPARE(view->Operations().size(), std::size_t(1));
        std::filesystem::remove(path);
    }

    void ctrlSPrescriptionRenameDeleteAndThePage()
    {
        CRepView* view = OpenChart("1001", "Anna Berger");
        QVERIFY(view);
        QTest::mouseClick(view->Button(IDC_GENERAL), Qt::LeftButton);
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        WithShown<CSaveAnalysisDialog>([] { QTest::keyClick(App().MainFrame(), Qt::Key_S, Qt::ControlModifier); },
            [](CSaveAnalysisDialog& dialog) {
                QTest::keyClicks(dialog.NameEdit(), QStringLiteral(" generals"));
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        const std::int64_t first = App().CaseBook()->CurrentAnalysis();
        QVERIFY(first > 0);
        // The chart moved on: Record Prescription saves it again first (the same analysis, updated), with the
        // second remedy of the chart preselected.
        QTest::mouseClick(view->Button(IDC_SORTED), Qt::LeftButton);
        const RemedyResult* second = view->Engine().SortedRemedy(1);
        QVERIFY(second);
        const QString expected = FromData(App().m_pRemedyCatalogue->Entry(second->code)->fullName);
        const auto saved = testing::WhenShown<CSaveAnalysisDialog>(
            [](CSaveAnalysisDialog& dialog) { QTest::mouseClick(dialog.OkButton(), Qt::LeftButton); });
        const auto prescribed = testing::WhenShown<CPrescriptionDialog>([expected](CPrescriptionDialog& dialog) {
            QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("remedy"))->text().contains(expected));
            QVERIFY(!dialog.OkButton()->isEnabled());
            QTest::keyClicks(dialog.PotencyEdit(), QStringLiteral("200C"));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        const auto popup = testing::WhenShown<QMenu>([](QMenu& menu) { menu.actions().at(4)->trigger(); });
        const ChartRect cell = view->Geometry().GridCellRect(1);
        QTest::mouseClick(
            view, Qt::RightButton, {}, QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        QVERIFY(*popup && *saved && *prescribed);
        QCOMPARE(App().CaseBook()->CurrentAnalysis(), first);
        CCaseBook& book = *App().CaseBook()->Book();
        QCOMPARE(book.LoadAnalysis(first)->steps, (std::vector<std::string>{"general", "sorted"}));
        // Another patient's analysis never shows in this patient's lists.
        QVERIFY(OpenChart("1002", "Rahul Mehta"));
        WithShown<CSaveAnalysisDialog>([] { Command(ID_SAVE_ANALYSIS)->trigger(); },
            [](CSaveAnalysisDialog& dialog) { QTest::mouseClick(dialog.OkButton(), Qt::LeftButton); });
        view = OpenChart("1001", "Anna Berger");
        WithShown<CSaveAnalysisDialog>([] { Command(ID_SAVE_ANALYSIS)->trigger(); },
            [](CSaveAnalysisDialog& dialog) {
                dialog.NameEdit()->setText(QStringLiteral("Spare"));
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });

        WithShown<COpenAnalysisDialog>([] { Command(ID_OPEN_ANALYSIS)->trigger(); },
            [&](COpenAnalysisDialog& dialog) {
                QCOMPARE(Names(dialog), (std::vector<std::string>{"Analysis of 12/03/2002 generals", "Spare"}));
                QCOMPARE(dialog.Table()->item(0, 4)->text(), expected + QStringLiteral(" 200C"));
                dialog.Table()->selectRow(1);
                dialog.Table()->item(1, 1)->setText(QStringLiteral("Renamed"));
                QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton); // asks
                QCOMPARE(Names(dialog).size(), std::size_t(2));
                QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                QCOMPARE(Names(dialog), (std::vector<std::string>{"Analysis of 12/03/2002 generals"}));
            });

        g_choices->saveFile = QString::fromStdString((g_scratch->Path() / "book.pdf").string());
        WithShown<CCaseBookDialog>([] { Command(ID_CASE_BOOK)->trigger(); },
            [](CCaseBookDialog& dialog) {
                QVERIFY(dialog.Page()->toPlainText().contains(QStringLiteral("Visit of 12/03/2002")));
                QTest::mouseClick(dialog.PdfButton(), Qt::LeftButton);
            });
        const QString pages = testing::PdfPages(*g_choices->saveFile).join(QLatin1Char('\n'));
        QVERIFY2(pages.contains(QStringLiteral("Analysis of 12/03/2002 generals")), qPrintable(pages));
        QVERIFY(pages.contains(expected + QStringLiteral(" 200C")));
        QVERIFY(!pages.contains(QStringLiteral("Rahul")));
    }

    // What was done before the chart opened (symptoms deleted and restored in Recorded Symptoms) is saved too: the
    // analysis opens again on the same chart.
    void prunedBeforeTheChartRestoresAlike_data()
    {
        QTest::addColumn<std::function<void()>>("before");
        // As the dialog's Delete and Undelete do: the store's edit, then the kinds filed again.
        QTest::newRow("two deleted") << std::function<void()>(
            [] { App().DeleteSymptom(1), App().DeleteSymptom(0), App().RebuildKindIndexes(); });
        QTest::newRow("deleted, one restored last") << std::function<void()>([] {
            App().DeleteSymptom(0), App().DeleteSymptom(2), App().RestoreDeletedSymptom(0), App().RebuildKindIndexes();
        });
    }
    void prunedBeforeTheChartRestoresAlike()
    {
        QFETCH(std::function<void()>, before);
        QVERIFY(OpenChart("1001", "Anna Berger"));
        App().CloseAllViews();
        before();
        auto* view = qobject_cast<CRepView*>(App().OpenViewTemplate(kViewChart));
        QVERIFY(view);
        QTest::mouseClick(view->Button(IDC_MIND), Qt::LeftButton);
        const std::string dump = view->DumpChartText();
        WithShown<CSaveAnalysisDialog>([] { Command(ID_SAVE_ANALYSIS)->trigger(); },
            [](CSaveAnalysisDialog& dialog) {
                dialog.NameEdit()->setText(QStringLiteral("Pruned"));
                QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
            });
        QVERIFY(App().CaseBook()->RestoreAnalysis(App().CaseBook()->CurrentAnalysis()));
        auto* restored = qobject_cast<CRepView*>(App().OpenView(kViewChart));
        QVERIFY(restored);
        QCOMPARE(restored->DumpChartText(), dump);
    }

    // Exported through the File menu, deleted, imported again: the analysis is back, with its prescription.
    void exportAndImportThroughTheMenu()
    {
        CCaseBook& book = *App().CaseBook()->Book();
        const PatientIdentity patient{
            {std::filesystem::canonical(App().m_folder.Root()).string(), "Helen Marsh"}, "1001", ""};
        const auto before = book.ListAnalyses(patient.practice, "1001");
        QCOMPARE(before.size(), std::size_t(2));
        const QString file = QString::fromStdString((g_scratch->Path() / "export").string());
        g_choices->saveFile = file;
        Command(ID_EXPORT_CASE_BOOK)->trigger();
        for (const AnalysisListing& row : before)
            QVERIFY(book.DeleteAnalysis(row.analysis.id));
        g_choices->openFile = file + QStringLiteral(".json");
        g_sink->Clear();
        Command(ID_IMPORT_CASE_BOOK)->trigger();
        QCOMPARE(g_sink->Texts().size(), std::size_t(1));
        QVERIFY(g_sink->Texts()[0].starts_with("Case book imported: 2 analyses added, 0 replaced"));
        const auto after = book.ListAnalyses(patient.practice, "1001");
        QCOMPARE(after.size(), std::size_t(2));
        QCOMPARE(after[0].analysis.name, before[0].analysis.name);
        QCOMPARE(after[1].analysis.name, before[1].analysis.name);
        QVERIFY(after[0].prescription);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder, scratch;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    // A case book of this run alone.
    setenv("XDG_DATA_HOME", (folder.Path() / "data").c_str(), 1);
    RecordingMessageSink sink;
    testing::ScriptedChoices choices;
    g_sink = &sink;
    g_choices = &choices;
    g_scratch = &scratch;
    return testing::RunInApp<TestCaseBookWindow>(argc, argv, folder.Path(), sink, &choices);
}

#include "TestCaseBookWindow.moc"
