// The window's case book on the sample practice: without a usable book the window goes on; Ctrl+S, Record
// Prescription from the remedy popup, rename and delete in Open Analysis, the Case Book page as PDF, and the
// export and import through the File menu.
#include "CaseBookFixture.h"
#include "app/CaseBookCommands.h"
#include "app/MainFrame.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casebook/CaseBookDialogs.h"
#include "casebook/CaseBookVisit.h"
#include "chart/ChartCommand.h"
#include "chart/RepView.h"
#include "controls/PictureButton.h"
#include "sample/SampleGenerator.h"
#include "state/PatientSelection.h"
#include "support/AppTest.h"
#include "support/PdfText.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/SelectPatientDialog.h"

#include <QAction>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTextBrowser>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using namespace quillon;
using testing::App;
using testing::WithShown;

namespace {

RecordingMessageSink* g_sink = nullptr;
testing::ScriptedChoices* g_choices = nullptr;
testing::TempFolder* g_scratch = nullptr;

QAction* Command(const char* name)
{
    return App().MainFrame()->Action(name);
}

// Saves the open chart through File > Save Analysis, under `name` when one is given.
void SaveAnalysisAs(const QString& name = {})
{
    WithShown<CSaveAnalysisDialog>([] { Command("saveAnalysis")->trigger(); },
        [&](CSaveAnalysisDialog& dialog) {
            if (!name.isEmpty())
                dialog.NameEdit()->setText(name);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
}

// Right-clicks the chart's second remedy and chooses Record Prescription from its popup.
void RecordPrescriptionFromPopup(CRepView* view)
{
    const auto popup = testing::WhenShown<QMenu>([](QMenu& menu) { menu.actions().at(4)->trigger(); });
    const ChartRect cell = view->Geometry().GridCellRect(1);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    QVERIFY(*popup);
}

CRepView* OpenChart(const char* regNo, const char* name)
{
    App().CloseAllViews();
    SetCurrentPatient(App().State(), {regNo, name, "34", "x"}, "Helen Marsh");
    if (!App().State().LoadVisitIndex() || !LoadVisitForChart(App().State(), 0))
        return nullptr;
    return qobject_cast<CRepView*>(App().OpenViewTemplate(kViewChart));
}

QString Cell(COpenAnalysisDialog& dialog, int row, int column)
{
    return dialog.Model()->index(row, column).data().toString();
}

std::vector<std::string> Names(COpenAnalysisDialog& dialog)
{
    std::vector<std::string> names;
    for (int r = 0; r < dialog.Model()->rowCount(); ++r)
        names.push_back(Cell(dialog, r, CAnalysisListModel::NameColumn).toStdString());
    return names;
}

// Opens the practice folder as File > Open Practice Folder does, the Select Patient dialog cancelled.
void OpenFolder(const QString& folder)
{
    WithShown<CSelectPatientDialog>([&] { QVERIFY(App().OpenPracticeFolder(folder)); }, [](auto&) {});
}

// Clicks a row of Open Analysis's table, as the user chooses an analysis.
void ClickRow(COpenAnalysisDialog& dialog, int row)
{
    QTableView* table = dialog.Table();
    table->scrollTo(dialog.Model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
        table->visualRect(dialog.Model()->index(row, CAnalysisListModel::VisitColumn)).center());
}

// A page one character past its bound keeps the dialog open naming `field`; at the bound, OK closes it.
template <typename Dialog> void PastTheBoundThenAtIt(Dialog& dialog, QPlainTextEdit* page, const QString& field)
{
    page->setPlainText(QString(int(kMaxCaseBookNote) - 1, QLatin1Char('n')));
    page->moveCursor(QTextCursor::End);
    page->setFocus();
    QTest::keyClicks(page, QStringLiteral("xy"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(page->toPlainText().size(), int(kMaxCaseBookNote) + 1);
    auto* problem = dialog.template findChild<QLabel*>(QStringLiteral("problem"));
    QVERIFY(problem && problem->isVisible());
    QVERIFY2(problem->text().contains(field) && problem->text().contains(QString::number(kMaxCaseBookNote)),
        qPrintable(problem->text()));
    QTest::keyClick(page, Qt::Key_Backspace);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
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
        testing::WriteNewerBook(path);
        CRepView* view = OpenChart("1001", "Anna Berger");
        QVERIFY(view);
        g_sink->Clear();
        Command("saveAnalysis")->trigger();
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{kMsgCaseBookNewer});
        QTest::mouseClick(view->Button(FormPart::Mind), Qt::LeftButton);
        QCOMPARE(view->Operations().size(), std::size_t(1));
        std::filesystem::remove(path);
    }

    // Runs second, while no book is open: Export Case Book finds the book damaged, moves it aside and writes
    // nothing (the new, empty book is not what was meant), saying so.
    void exportFailuresWriteNothingAndSaySo()
    {
        const auto path = DefaultCaseBookPath();
        fixtures::WriteBytes(path, std::string(8192, '\x5a'));
        const auto asked = g_choices->asked;
        const QString file = QString::fromStdString((g_scratch->Path() / "damaged.json").string());
        g_choices->saveFile = file;
        g_sink->Clear();
        Command("exportCaseBook")->trigger();
        // The book moved aside, then the export refused (both texts are checked in TestCaseBookFile).
        QCOMPARE(g_sink->Texts().size(), std::size_t(2));
        QCOMPARE(g_choices->asked, asked);
        QVERIFY(!QFileInfo::exists(file));

        g_choices->saveFile.reset();
    }

    void ctrlSPrescriptionRenameDeleteAndThePage()
    {
        CRepView* view = OpenChart("1001", "Anna Berger");
        QVERIFY(view);
        QTest::mouseClick(view->Button(FormPart::General), Qt::LeftButton);
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
        QTest::mouseClick(view->Button(FormPart::Sorted), Qt::LeftButton);
        const RemedyResult* second = view->Engine().SortedRemedy(1);
        QVERIFY(second);
        const QString expected = FromData(App().State().m_pRemedyCatalogue->Entry(second->code)->fullName);
        const auto saved = testing::WhenShown<CSaveAnalysisDialog>(
            [](CSaveAnalysisDialog& dialog) { QTest::mouseClick(dialog.OkButton(), Qt::LeftButton); });
        QDate prescribedOn;
        const auto prescribed = testing::WhenShown<CPrescriptionDialog>([&](CPrescriptionDialog& dialog) {
            QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("remedy"))->text().contains(expected));
            QVERIFY(!dialog.OkButton()->isEnabled());
            QTest::keyClicks(dialog.PotencyEdit(), QStringLiteral("200C"));
            // A year down from today, by the keyboard, is kept as that date.
            QDateEdit* date = dialog.DateEdit();
            date->setFocus();
            date->setCurrentSection(QDateTimeEdit::YearSection);
            QTest::keyClick(date, Qt::Key_Down);
            prescribedOn = date->date();
            QCOMPARE(prescribedOn, QDate::currentDate().addYears(-1));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        RecordPrescriptionFromPopup(view);
        QVERIFY(*saved && *prescribed);
        CCaseBook& book = *App().CaseBook()->Book();
        QCOMPARE(book.LoadAnalysis(first)->steps, (std::vector<std::string>{"general", "sorted"}));
        const PatientIdentity anna = CurrentPatient(App().State().Patient());
        QCOMPARE(QString::fromStdString(book.ListPrescriptions(anna.practice, "1001").at(0).date),
            prescribedOn.toString(Qt::ISODate));
        // Another patient's analysis never shows in this patient's lists.
        QVERIFY(OpenChart("1002", "Rahul Mehta"));
        SaveAnalysisAs();
        view = OpenChart("1001", "Anna Berger");
        SaveAnalysisAs(QStringLiteral("Spare"));

        // Notes kept with the spare analysis, shown when it is chosen.
        CCaseBook& spareBook = *App().CaseBook()->Book();
        AnalysisRecord spare = *spareBook.LoadAnalysis(App().CaseBook()->CurrentAnalysis());
        spare.notes = "Thirst at night; ask again in a week.";
        QVERIFY(spareBook.SaveAnalysis(CurrentPatient(App().State().Patient()), spare));
        spare = *spareBook.LoadAnalysis(spare.id);
        WithShown<COpenAnalysisDialog>([] { Command("openAnalysis")->trigger(); },
            [&](COpenAnalysisDialog& dialog) {
                QCOMPARE(Names(dialog), (std::vector<std::string>{"Analysis of 12/03/2002 generals", "Spare"}));
                QCOMPARE(Cell(dialog, 0, CAnalysisListModel::PrescriptionColumn), expected + QStringLiteral(" 200C"));
                // The first analysis has no notes; the second's show when it is chosen.
                QCOMPARE(dialog.NotesView()->toPlainText(), QString());
                ClickRow(dialog, 1);
                QCOMPARE(dialog.NotesView()->toPlainText(), QStringLiteral("Thirst at night; ask again in a week."));
                // Saved times in local time (the run's zone is 5:30 ahead of UTC), as the desktop writes them.
                const QDateTime savedAt = QDateTime::fromString(QString::fromStdString(spare.changed), Qt::ISODate);
                QCOMPARE(savedAt.timeSpec(), Qt::UTC);
                const QString shown = Cell(dialog, 1, CAnalysisListModel::SavedColumn);
                QCOMPARE(shown, QLocale().toString(savedAt.toLocalTime(), QLocale::ShortFormat));
                QVERIFY2(!shown.contains(savedAt.toString(QStringLiteral("HH:mm"))), qPrintable(shown));
                // Renamed in place: Rename, the new name typed, Return.
                QTest::mouseClick(dialog.RenameButton(), Qt::LeftButton);
                auto* editor = dialog.Table()->viewport()->findChild<QLineEdit*>();
                QVERIFY(editor);
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(editor, QStringLiteral("Renamed"));
                QTest::keyClick(editor, Qt::Key_Return); // the editor commits once events are processed
                QTRY_COMPARE(Names(dialog), (std::vector<std::string>{"Analysis of 12/03/2002 generals", "Renamed"}));
                // Delete asks first: answered no, the analysis stays; yes, it goes.
                g_choices->questions.clear();
                g_choices->confirm = false;
                QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                QCOMPARE(g_choices->questions.size(), qsizetype(1));
                QVERIFY2(g_choices->questions[0].contains(QStringLiteral("\"Renamed\"")),
                    qPrintable(g_choices->questions[0]));
                QCOMPARE(Names(dialog).size(), std::size_t(2));
                g_choices->confirm = true;
                QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
                g_choices->confirm = false;
                QCOMPARE(g_choices->questions.size(), qsizetype(2));
                QCOMPARE(Names(dialog), (std::vector<std::string>{"Analysis of 12/03/2002 generals"}));
                QCOMPARE(dialog.NotesView()->toPlainText(), QString());
            });

        g_choices->saveFile = QString::fromStdString((g_scratch->Path() / "book.pdf").string());
        WithShown<CCaseBookDialog>([] { Command("caseBook")->trigger(); },
            [](CCaseBookDialog& dialog) {
                QVERIFY(dialog.Page()->toPlainText().contains(QStringLiteral("Visit of 12/03/2002")));
                QTest::mouseClick(dialog.PdfButton(), Qt::LeftButton);
            });
        const QString pages = testing::PdfPages(*g_choices->saveFile).join(QLatin1Char('\n'));
        QVERIFY2(pages.contains(QStringLiteral("Analysis of 12/03/2002 generals")), qPrintable(pages));
        QVERIFY(pages.contains(expected + QStringLiteral(" 200C")));
        QVERIFY(!pages.contains(QStringLiteral("Rahul")));
    }

    // Texts are held to the case book's bounds in the dialogs, before anything typed could be lost: a line stops at
    // its bound as it is typed; a page one character past its bound keeps the dialog open, saying which text is too
    // long, and saves once it is at the bound.
    void textsPastTheirBoundsKeepTheirDialogOpen()
    {
        CRepView* view = OpenChart("1002", "Rahul Mehta");
        QVERIFY(view);
        QTest::mouseClick(view->Button(FormPart::General), Qt::LeftButton);
        const QString tooLongName(int(kMaxCaseBookName) + 1, QLatin1Char('a'));
        WithShown<CSaveAnalysisDialog>([] { Command("saveAnalysis")->trigger(); },
            [&](CSaveAnalysisDialog& dialog) {
                dialog.NameEdit()->clear();
                QTest::keyClicks(dialog.NameEdit(), tooLongName);
                QCOMPARE(dialog.NameEdit()->text(), tooLongName.left(int(kMaxCaseBookName)));
                PastTheBoundThenAtIt(dialog, dialog.NotesEdit(), QStringLiteral("notes"));
            });
        const std::int64_t id = App().CaseBook()->CurrentAnalysis();
        QVERIFY(id > 0);
        CCaseBook& book = *App().CaseBook()->Book();
        const auto saved = book.LoadAnalysis(id);
        QVERIFY(saved);
        QCOMPARE(saved->notes.size(), kMaxCaseBookNote);

        // Record Prescription from the popup of the chart's second remedy.
        WithShown<CPrescriptionDialog>([view] { RecordPrescriptionFromPopup(view); },
            [&](CPrescriptionDialog& dialog) {
                QTest::keyClicks(dialog.PotencyEdit(), tooLongName);
                QCOMPARE(dialog.PotencyEdit()->text().size(), int(kMaxCaseBookShortText));
                QTest::keyClicks(dialog.RepetitionEdit(), tooLongName);
                QCOMPARE(dialog.RepetitionEdit()->text().size(), int(kMaxCaseBookShortText));
                PastTheBoundThenAtIt(dialog, dialog.NoteEdit(), QStringLiteral("note"));
            });
        const auto prescriptions = book.ListPrescriptions(CurrentPatient(App().State().Patient()).practice, "1002");
        QCOMPARE(prescriptions.size(), std::size_t(1));
        QCOMPARE(prescriptions[0].note.size(), kMaxCaseBookNote);
        QVERIFY(book.DeleteAnalysis(id));
    }

    // What was done before the chart opened (symptoms deleted and one restored in Recorded Symptoms) is saved too:
    // the analysis opens again on the same chart.
    void prunedBeforeTheChartRestoresAlike()
    {
        QVERIFY(OpenChart("1001", "Anna Berger"));
        App().CloseAllViews();
        // As the dialog's Delete and Undelete do: the store's edit, then the kinds filed again.
        App().State().DeleteSymptom(0);
        App().State().DeleteSymptom(2);
        App().State().RestoreDeletedSymptom(0);
        App().State().RebuildKindIndexes();
        auto* view = qobject_cast<CRepView*>(App().OpenViewTemplate(kViewChart));
        QVERIFY(view);
        QTest::mouseClick(view->Button(FormPart::Mind), Qt::LeftButton);
        const std::string dump = view->DumpChartText();
        SaveAnalysisAs(QStringLiteral("Pruned"));
        QVERIFY(App().CaseBook()->RestoreAnalysis(App().CaseBook()->CurrentAnalysis()));
        auto* restored = qobject_cast<CRepView*>(App().OpenView(kViewChart));
        QVERIFY(restored);
        QCOMPARE(restored->DumpChartText(), dump);
    }

    // A saved analysis opens without the messages its steps gave when they were made (a symptom dropped on a
    // clipboard), as TestReportParity checks through Open Analysis; a step that no longer applies is still said, once.
    void openingAnAnalysisSaysOnlyWhatWentWrong()
    {
        CRepView* view = OpenChart("1001", "Anna Berger");
        QVERIFY(view);
        g_sink->Clear();
        view->Execute(ParseChartCommand("clip:0:1"));
        view->Execute(ParseChartCommand("clip:1:2"));
        QCOMPARE(g_sink->Texts().size(), std::size_t(2)); // said when made
        CCaseBook& book = *App().CaseBook()->Book();
        const AnalysisRecord analysis = testing::Analysis(
            "Clipped, then gone", {"clip:0:1", "clip:1:2", "drop:99:1"}, CurrentVisit(App().State()));
        const auto broken = book.SaveAnalysis(CurrentPatient(App().State().Patient()), analysis);
        QVERIFY(broken);
        g_sink->Clear();
        QVERIFY(App().CaseBook()->RestoreAnalysis(*broken));
        QCOMPARE(g_sink->Texts().size(), std::size_t(1));
        QVERIFY2(g_sink->Texts()[0].starts_with("Step 3 of the analysis (drop:99:1) no longer applies"),
            g_sink->Texts()[0].c_str());
        // The messages of the chart are heard again after the replay.
        g_sink->Clear();
        auto* restored = qobject_cast<CRepView*>(App().OpenView(kViewChart));
        QVERIFY(restored);
        restored->Execute(ParseChartCommand("clip:2:3"));
        QCOMPARE(g_sink->Texts().size(), std::size_t(1));
        QVERIFY(book.DeleteAnalysis(*broken));
    }

    // Exported through the File menu, deleted, imported again: the analysis is back, with its prescription.
    void exportAndImportThroughTheMenu()
    {
        CCaseBook& book = *App().CaseBook()->Book();
        const PatientIdentity patient{
            {std::filesystem::canonical(App().State().m_folder.Root()).string(), "Helen Marsh"}, "1001", ""};
        const auto before = book.ListAnalyses(patient.practice, "1001");
        QCOMPARE(before.size(), std::size_t(2));
        const QString file = QString::fromStdString((g_scratch->Path() / "export").string());
        g_choices->saveFile = file;
        g_sink->Clear();
        Command("exportCaseBook")->trigger();
        // Confirmed as a save is, naming the file written.
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{});
        QCOMPARE(App().MainFrame()->statusBar()->currentMessage(),
            QStringLiteral("Case book exported to %1.json").arg(file));
        for (const AnalysisListing& row : before)
            QVERIFY(book.DeleteAnalysis(row.analysis.id));
        g_choices->openFile = file + QStringLiteral(".json");
        g_sink->Clear();
        Command("importCaseBook")->trigger();
        QCOMPARE(g_sink->Texts().size(), std::size_t(1));
        QVERIFY(g_sink->Texts()[0].starts_with("Case book imported: 2 analyses added, 0 replaced"));
        const auto after = book.ListAnalyses(patient.practice, "1001");
        QCOMPARE(after.size(), std::size_t(2));
        QVERIFY(after[0].prescription);
    }

    // A long book shows its beginning and reads the rest as it is scrolled to: Open Analysis a page of rows at a
    // time, the Case Book a piece of its page at a time; the printed page holds everything.
    void aLongBookIsReadAsItIsScrolled()
    {
        QVERIFY(OpenChart("1004", "Thomas Keller"));
        CCaseBook& book = *App().CaseBook()->Book();
        const PatientIdentity patient = CurrentPatient(App().State().Patient());
        const int count = static_cast<int>(CAnalysisListModel::kPageRows) + 50;
        QVERIFY(book.InTransaction(
            [&] {
                const std::int64_t id = book.PatientId(patient);
                for (int n = 1; n <= count; ++n) {
                    AnalysisRecord a = testing::Analysis("Long " + std::to_string(n), {}, CurrentVisit(App().State()));
                    a.notes = n == count ? "The last note" : "";
                    book.WriteAnalysis(id, a, false);
                }
            },
            "saved"));
        WithShown<COpenAnalysisDialog>([] { Command("openAnalysis")->trigger(); },
            [&](COpenAnalysisDialog& dialog) {
                QCOMPARE(dialog.Model()->rowCount(), int(CAnalysisListModel::kPageRows));
                dialog.Table()->setFocus();
                QTest::keyClick(dialog.Table(), Qt::Key_End, Qt::ControlModifier);
                QTRY_COMPARE(dialog.Model()->rowCount(), count);
                QTest::keyClick(dialog.Table(), Qt::Key_End, Qt::ControlModifier);
                QCOMPARE(Names(dialog).back(), "Long " + std::to_string(count));
                QTRY_COMPARE(dialog.NotesView()->toPlainText(), QStringLiteral("The last note"));
            });
        g_choices->saveFile = QString::fromStdString((g_scratch->Path() / "long.pdf").string());
        WithShown<CCaseBookDialog>([] { Command("caseBook")->trigger(); },
            [&](CCaseBookDialog& dialog) {
                const QString first = dialog.Page()->toPlainText();
                // The first piece: the first hundred analyses, the hundred-and-first not yet.
                QVERIFY(first.contains(QStringLiteral("Analysis Long 100")));
                QVERIFY(!first.contains(QStringLiteral("Analysis Long 101")));
                QVERIFY(!dialog.ShowsAll());
                // The scroll bar taken to its end, as often as the page grows.
                for (int i = 0; i < 10 && !dialog.ShowsAll(); ++i) {
                    QTest::keyClick(dialog.Page()->verticalScrollBar(), Qt::Key_End);
                    QTest::qWait(20);
                }
                QVERIFY(dialog.ShowsAll());
                QVERIFY(dialog.Page()->toPlainText().contains(QStringLiteral("The last note")));
                QTest::mouseClick(dialog.PdfButton(), Qt::LeftButton);
            });
        const QString pages = testing::PdfPages(*g_choices->saveFile).join(QLatin1Char('\n'));
        QVERIFY(pages.contains(QStringLiteral("The last note")));
    }

    // The practice folder copied elsewhere, with two practices of the book that it could be: Open Analysis asks the
    // user once and offers the analyses of the practice chosen.
    void theFolderCopiedElsewhereKeepsItsAnalyses()
    {
        const QString original = QString::fromStdString(App().State().m_folder.Root().string());
        QVERIFY(OpenChart("1001", "Anna Berger"));
        SaveAnalysisAs(QStringLiteral("Before the move"));
        const auto copyTo = [](const char* name) {
            const auto to = g_scratch->Path() / name;
            std::filesystem::copy(App().State().m_folder.Root(), to, std::filesystem::copy_options::recursive);
            std::filesystem::remove_all(to / "data");
            return to;
        };
        // A second practice of the same physician holding the same visit (saved in a copy) makes another copy
        // ambiguous: the question offers both and "None of them" (the answer kept is checked in TestCaseBookData).
        const auto second = copyTo("second");
        CCaseBook& book = *App().CaseBook()->Book();
        QVERIFY(book.SaveAnalysis({{std::filesystem::canonical(second).string(), "Helen Marsh"}, "1001", "Anna Berger"},
            testing::Analysis("Saved in the second", {}, CurrentVisit(App().State()))));
        const auto third = copyTo("third");
        OpenFolder(QString::fromStdString(third.string()));
        QVERIFY(OpenChart("1001", "Anna Berger"));
        g_choices->item = 1;
        WithShown<COpenAnalysisDialog>([] { Command("openAnalysis")->trigger(); },
            [](COpenAnalysisDialog& dialog) {
                QCOMPARE(Names(dialog), std::vector<std::string>{"Saved in the second"});
                dialog.reject();
            });
        QCOMPARE(g_choices->offeredItems.size(), std::size_t(1));
        QCOMPARE(g_choices->offeredItems[0].size(), 3);
        g_choices->item.reset();
        g_choices->offeredItems.clear();
        OpenFolder(original);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder, scratch;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    // A case book of this run alone.
    setenv("XDG_DATA_HOME", (folder.Path() / "data").c_str(), 1);
    // Local time 5:30 ahead of UTC, so that a time shown in UTC cannot pass for local.
    setenv("TZ", "IST-5:30", 1);
    tzset();
    RecordingMessageSink sink;
    testing::ScriptedChoices choices;
    g_sink = &sink;
    g_choices = &choices;
    g_scratch = &scratch;
    return testing::RunInApp<TestCaseBookWindow>(argc, argv, folder.Path(), sink, &choices);
}

#include "TestCaseBookWindow.moc"
