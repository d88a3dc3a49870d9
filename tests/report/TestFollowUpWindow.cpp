// The follow-up dialogs opened from the chart's View menu show what quillon-report prints, and copy and save it.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "repertory/FollowUpDialogs.h"
#include "repertory/RepView.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/PdfText.h"
#include "support/ReportRun.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"

#include <QAction>
#include <QClipboard>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace quillon;

namespace {

testing::TempFolder* g_folder = nullptr;

testing::ScriptedChoices* g_choices = nullptr;
RecordingMessageSink* g_sink = nullptr;

// The R lines of a quillon-report command, as rows of fields without the leading "R".
std::vector<QStringList> ReportRows(const std::vector<std::string>& command)
{
    std::vector<QStringList> rows;
    for (const QString& line :
        QString::fromStdString(testing::RunReport(g_folder->Path(), command).out).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("R\t")))
            rows.push_back(line.split(QLatin1Char('\t')).mid(1));
    return rows;
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

CRepView* OpenChart(const PatientRow& row, int visit)
{
    auto* app = CQuillonApp::Instance();
    app->CloseAllViews();
    SetCurrentPatient(*app, row, "Helen Marsh");
    if (!app->LoadVisitIndex() || !LoadVisitForChart(*app, visit))
        return nullptr;
    return qobject_cast<CRepView*>(app->OpenViewTemplate(2));
}

// Triggers a View menu command and runs `body` on the dialog it opens.
template <typename Dialog> bool WithDialog(int commandId, const std::function<void(Dialog*)>& body)
{
    CMainFrame* frame = CQuillonApp::Instance()->MainFrame();
    frame->UpdateCommandUI();
    QAction* action = frame->Action(commandId);
    if (!action->isEnabled())
        return false;
    const auto seen = testing::WhenShown<Dialog>([body](Dialog& dialog) { body(&dialog); });
    action->trigger();
    return *seen;
}

} // namespace

class TestFollowUpWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compareShowsTheReportsRowsAndSavesThem()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        const bool opened = WithDialog<CCompareVisitsDialog>(ID_COMPARE_VISITS, [](CCompareVisitsDialog* dialog) {
            for (const char* top : {"10", "20"}) {
                dialog->TopBox()->setValue(QString::fromLatin1(top).toInt());
                const auto expected = ReportRows({"compare", "1003", "2", "1", "--top", top});
                QTableWidget* table = dialog->Table();
                QCOMPARE(table->rowCount(), static_cast<int>(expected.size()));
                for (int r = 0; r < table->rowCount(); ++r)
                    QCOMPARE(RowCells(table, r, {0, 1, 2, 4, 5, 6, 7}), expected[static_cast<std::size_t>(r)]);
            }
            dialog->SetOtherVisit(0);
            QCOMPARE(dialog->Table()->rowCount(),
                static_cast<int>(ReportRows({"compare", "1003", "2", "0", "--top", "20"}).size()));

            QTest::keySequence(dialog->Table(), QKeySequence::Copy);
            const QString copied = QApplication::clipboard()->text();
            QVERIFY(copied.contains(QStringLiteral("Remedy\t03/04/2002\t09/01/2002\tChange")));
            QCOMPARE(copied.count(QLatin1Char('\n')), 3 + 1 + dialog->Table()->rowCount());

            g_choices->saveFile = QString::fromStdString((g_folder->Path() / "compare.pdf").string());
            dialog->SaveAsPdf();
            QCOMPARE(testing::ReadBytes(g_choices->saveFile->toStdString()).substr(0, 4), std::string("%PDF"));
        });
        QVERIFY(opened);
    }

    void stabilityShowsTheReportsRows()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        const bool opened = WithDialog<CStabilityDialog>(ID_STABILITY, [](CStabilityDialog* dialog) {
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
        });
        QVERIFY(opened);
    }

    // Their printed and saved pages say whose they are, of which visits, and which page of how many; a PDF that
    // cannot be written says so.
    void followUpPagesSayWhoseTheyAre()
    {
        QVERIFY(OpenChart(kThreeVisits, 2));
        const auto check = [](CFollowUpTableDialog* dialog, const QString& title, const QStringList& parts) {
            g_choices->saveFile = QString::fromStdString((g_folder->Path() / "follow-up.pdf").string());
            dialog->SaveAsPdf();
            QVERIFY(g_choices->suggested.startsWith(QStringLiteral("1003 Ren\u00E9e Dubois ")));
            QVERIFY(g_choices->suggested.endsWith(QLatin1Char(' ') + title + QStringLiteral(".pdf")));
            for (const QString& part : parts)
                if (part.contains(QLatin1Char('/')))
                    QVERIFY(g_choices->suggested.contains(QString(part).replace(QLatin1Char('/'), QLatin1Char('-'))));
            g_choices->printFile = QString::fromStdString((g_folder->Path() / "follow-up-printed.pdf").string());
            dialog->Print();
            g_choices->printFile.reset();
            for (const char* file : {"follow-up.pdf", "follow-up-printed.pdf"}) {
                const QStringList pages = testing::PdfPages(QString::fromStdString((g_folder->Path() / file).string()));
                QVERIFY(!pages.isEmpty());
                for (int n = 0; n < pages.size(); ++n)
                    for (const QString& part : parts
                            + QStringList{QStringLiteral("Patient: Ren\u00E9e Dubois Reg No: 1003"),
                                QStringLiteral("Page %1 of %2").arg(n + 1).arg(pages.size())})
                        QVERIFY2(pages[n].contains(part), qPrintable(part));
            }
            QVERIFY(g_sink->Texts().empty());
            g_choices->saveFile = QString::fromStdString((g_folder->Path() / "missing" / "follow-up.pdf").string());
            dialog->SaveAsPdf();
            QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
            g_sink->Clear();
        };
        QVERIFY(WithDialog<CCompareVisitsDialog>(ID_COMPARE_VISITS, [&](CCompareVisitsDialog* dialog) {
            dialog->TopBox()->setValue(50);
            dialog->SetOtherVisit(0);
            check(dialog, QStringLiteral("Compare Visits"),
                {QStringLiteral("Compare Visits"), QStringLiteral("03/04/2002"), QStringLiteral("09/01/2002")});
        }));
        QVERIFY(WithDialog<CStabilityDialog>(ID_STABILITY, [&](CStabilityDialog* dialog) {
            check(dialog, QStringLiteral("Stability"), {QStringLiteral("Stability"), QStringLiteral("03/04/2002")});
        }));
    }

    void compareNeedsASecondVisit()
    {
        QVERIFY(OpenChart({"1001", "Anna Berger", "34", "12/03/2002"}, 0));
        QVERIFY(!WithDialog<CCompareVisitsDialog>(ID_COMPARE_VISITS, [](CCompareVisitsDialog*) {}));
        QVERIFY(WithDialog<CStabilityDialog>(ID_STABILITY, [](CStabilityDialog*) {}));
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    g_folder = &folder;
    RecordingMessageSink sink;
    g_sink = &sink;
    testing::ScriptedChoices choices;
    g_choices = &choices;
    return testing::RunInApp<TestFollowUpWindow>(argc, argv, folder.Path(), sink, &choices);
}

#include "TestFollowUpWindow.moc"
