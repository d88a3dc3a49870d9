// The current patient's windows, driven through their real widgets inside the application: the Recorded Symptoms
// and Undelete dialogs; the Select Patient dialog on eight patients (its search, its sortable columns and the order
// it remembers, a list that grows with the window, and the keyboard from the search into the list); the case-record
// view opened from the File menu (title, header line, the page shown and the failures).
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "caserecord/CaseRecordPage.h"
#include "caserecord/CrFollow.h"
#include "controls/PictureButton.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/SelectPatientDialog.h"
#include "symptoms/UndeleteDialog.h"

#include "SymptomsFixture.h"
#include "fixtures/CaseRecordWriters.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>

#include <filesystem>
#include <memory>

using namespace quillon;
using namespace Qt::StringLiterals;
using namespace quillon::fixtures;
using testing::App;
using testing::Run;
using testing::WhenShown;

namespace {

QString Lines(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines.join(QLatin1Char('|'));
}

void ClickLine(QListWidget* list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, rect.center().y()));
}

// Loads the first visit of patient 201, as the chart has it when its Symptom List command runs.
void LoadFirstVisit()
{
    App().State().m_strPatientFile = "201";
    App().State().m_strPatientName = "Asha Rao";
    App().State().m_strPhysicianName = "Dr. Meera Iyer";
    QVERIFY(App().State().LoadVisitIndex());
    QVERIFY(App().State().LoadVisitSymptoms(0));
    App().State().m_szVisitDate = "05/11/2002";
}

// Runs the dialog in mode 0 (Recorded Symptoms) or 1 (Symptom List) with `body` acting on it.
void RunDialog(int mode, std::function<void(CRecordedSymptomsDialog&)> body)
{
    testing::WithShown<CRecordedSymptomsDialog>([&] { App().RunRecordedSymptomsDialog(mode); }, std::move(body));
}

// Names in Windows-1252, as the index holds them. Near misses: "Rene" beside "Renée", 2100 holds "100" but does
// not start with it, "99" is the smallest number but the last text; an age left empty is no number and sorts after
// every one, though as a text it comes first.
const std::vector<PatientSpec> kPatients{
    {"1003", "Ren\351e Dubois", "52", "03/04/2002"},
    {"1010", "Rene Martin", "41", "05/11/2002"},
    {"2100", "Ir\350ne Kowalski", "7", "01/02/2003"},
    {"99", "Marc DUBOIS", "68", "28/02/2002"},
    {"1001", "Asha Rao", "34", "12/12/2001"},
    {"305", "\311mile Zola", "9", "30/06/2002"},
    {"2200", "Ben Cole", "100", "15/03/2002"},
    {"412", "Anna Berger", "", "01/01/2004"},
};

// The column's texts from the top of the list down.
using Texts = std::vector<std::string>;
Texts Column(const QTableView* list, int column)
{
    Texts texts;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        texts.push_back(list->model()->index(r, column).data().toString().toStdString());
    return texts;
}

std::unique_ptr<CSelectPatientDialog> ShownDialog()
{
    auto dialog = std::make_unique<CSelectPatientDialog>(App().State(), App().MainFrame());
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

void ClickHeader(QTableView* list, int column)
{
    QHeaderView* header = list->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// "Zoë Rao" and "Dr. Müller" in the data files' code page.
const std::string kPatientName = "Zo\xEB Rao";
const std::string kPhysicianName = "Dr. M\xFCller";

// Patient P001 made current with a case record and two follow-ups, no page written yet, as the File menu finds them.
void ChooseCaseRecordPatient()
{
    std::vector<std::string> fields = fixtures::EmptyCaseRecordFields();
    fields[0] = "Headache <worse> at night & caf\xE9";
    fields[85] = "TRUE";
    Run().folder.Write("P001.cas", fixtures::EncodeCaseRecord(fields));
    Run().folder.Write("P001.flw",
        fixtures::EncodeFollowups({{"5/11/2002", "head : better", "Bell.", "30", "TDS", "good", {}},
            {"12/1/2003", "<a href=\"http://example.com\">link</a>", "", "", "", "", {}}}));
    std::filesystem::remove(Run().folder.Path() / "template.html");
    App().State().m_strPatientFile = "P001";
    App().State().m_strPatientName = kPatientName;
    App().State().m_strPhysicianName = kPhysicianName;
    App().MainFrame()->UpdateCommandUI();
}

CCrFollow* OpenFromMenu(const char* name)
{
    QAction* action = App().MainFrame()->Action(name);
    if (!action || !action->isEnabled())
        return nullptr;
    action->trigger();
    return qobject_cast<CCrFollow*>(App().OpenView(kViewCaseRecord));
}

} // namespace

class TestSymptomsDialogs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Run().sink.Clear();
        Run().choices = {};
        testing::ResetToNoPatient();
        QSettings(QStringLiteral("Quillon"), QStringLiteral("Quillon")).remove(QStringLiteral("SelectPatient"));
    }

    void choosingAVisitOrASymptomShowsItsRemedies()
    {
        LoadFirstVisit();
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.SymptomList()->currentRow(), 0);
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R238 (2)| (1)"));
            QVERIFY(dialog.DeleteButton()->isHidden());
            // Long rubrics scroll sideways.
            QVERIFY(dialog.SymptomList()->item(0)->sizeHint().width() >= 1000);
            ClickLine(dialog.SymptomList(), 2);
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R001 (1)|R002 (2)|R004 (4)"));
            QCOMPARE(dialog.DrugCaption()->text(), QStringLiteral("Drug List (3)"));
            dialog.VisitList()->setFocus();
            QTest::keyClick(dialog.VisitList(), Qt::Key_Down);
            QCOMPARE(App().State().m_szVisitDate, std::string("06/12/2003"));
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("GENERALITIES - HEAT"));
            QCOMPARE(Lines(dialog.DrugList()), QStringLiteral("R007 (1)"));
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        // OK leaves the chart to the Rep Table button.
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void aLongNameShowsItsStartCutAtTheEnd()
    {
        static constexpr char kName[] = "Friederike Amalie Wilhelmine von Hohenzollern-Sigmaringen zu Braunschweig";
        LoadFirstVisit();
        App().State().m_strPatientName = kName;
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            const QLineEdit* patient = dialog.PatientEdit();
            const QString shown = patient->text();
            QVERIFY2(shown.startsWith(u"Friederike"_s) && shown.endsWith(QChar(0x2026))
                    && !shown.contains(u"Braunschweig"_s),
                qPrintable(shown));
            // What is shown fits the field, so nothing of its start scrolls away.
            QVERIFY(patient->fontMetrics().horizontalAdvance(shown) < patient->width());
            QCOMPARE(patient->toolTip(), QString::fromLatin1(kName));
            // The physician's short name beside it is shown whole.
            QCOMPARE(dialog.PhysicianEdit()->text(), QStringLiteral("Dr. Meera Iyer"));
        });
    }

    void repTableOpensTheChart()
    {
        LoadFirstVisit();
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QTest::mouseClick(dialog.RepTableButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        QCOMPARE(App().CurrentTemplate()->number, 2);
        QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
        QVERIFY(App().MainFrame()->Action("repertorisation")->isEnabled());
    }

    void repTableWithoutSymptomsKeepsTheDialog()
    {
        // The only visit fails to load with a remedy count of 0; no visit was loaded before.
        std::string rsy = EncodeRsy({testing::TwoVisits()[1]});
        rsy[8 + 10 + 6] = rsy[8 + 10 + 7] = 0;
        Run().folder.Write("203.rsy", rsy);
        App().State().m_strPatientFile = "203";
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.SymptomList()->count(), 0);
            QTest::mouseClick(dialog.RepTableButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
        });
        QCOMPARE(
            Run().sink.Texts(), (std::vector<std::string>{"Error in Remedy Count", "No symptoms for Repertorisation"}));
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void f6OpensTheDialogForTheCurrentPatient()
    {
        // A patient made current by a selection alone: the dialog reads that patient's visits.
        App().State().m_strPatientFile = "202";
        App().MainFrame()->UpdateCommandUI();
        auto ran = WhenShown<CRecordedSymptomsDialog>([](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.VisitList()->count(), 1);
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("GENERALITIES - HEAT"));
        });
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F6);
        QVERIFY(*ran);
    }

    void saveAsWritesThroughTheChooser()
    {
        LoadFirstVisit();
        RunDialog(0, [](CRecordedSymptomsDialog& dialog) {
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton); // cancelled
            Run().choices.saveFile = Run().File("no-such-folder/x.txt");
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton); // cannot be created
            Run().choices.saveFile = Run().File("Export Visit");
            QTest::mouseClick(dialog.SaveAsButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
        });
        QCOMPARE(Run().choices.asked, 3);
        QCOMPARE(Run().choices.suggested, QStringLiteral("201 Asha Rao 05-11-2002 Symptoms.txt"));
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{"Error creating file, aborting saving"});
        QVERIFY(!std::filesystem::exists(Run().folder.Path() / "no-such-folder"));
        // A name without an extension gets ".txt"; the letters of the path are kept as chosen.
        QVERIFY(testing::ReadBytes(Run().folder.Path() / "Export Visit.txt").ends_with("COLD AGG\r\n"));
    }

    void symptomListDeletesAndUndeletes()
    {
        LoadFirstVisit();
        RunDialog(1, [](CRecordedSymptomsDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Symptom List"));
            QVERIFY(dialog.RepTableButton()->isHidden());
            QVERIFY(dialog.VisitList()->isHidden());
            ClickLine(dialog.SymptomList(), 1);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("MIND - FEAR|COLD AGG"));
            QCOMPARE(dialog.SymptomList()->currentRow(), 0);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
            QVERIFY(!dialog.DeleteButton()->isEnabled());
            QCOMPARE(dialog.DrugCaption()->text(), QStringLiteral("Drug List (0)"));

            testing::WithShown<CUndeleteDialog>([&] { QTest::mouseClick(dialog.UnDeleteButton(), Qt::LeftButton); },
                [](CUndeleteDialog& undelete) {
                    ClickLine(undelete.List(), 1); // MIND - FEAR
                    QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
                    QCOMPARE(Lines(undelete.List()), QStringLiteral("HEAD - PAIN|COLD AGG"));
                    QTest::mouseClick(undelete.OkButton(), Qt::LeftButton);
                });
            QCOMPARE(Lines(dialog.SymptomList()), QStringLiteral("MIND - FEAR"));
            QVERIFY(dialog.DeleteButton()->isEnabled());
            QCOMPARE(App().State().MindCount(), 1); // the kind indexes are rebuilt
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
    }

    void undeleteAllOrCancelledUndeleteRefreshTheList_data()
    {
        QTest::addColumn<bool>("all");
        QTest::newRow("undelete all") << true;
        QTest::newRow("undelete one, then Escape") << false;
    }

    void undeleteAllOrCancelledUndeleteRefreshTheList()
    {
        QFETCH(bool, all);
        LoadFirstVisit();
        App().State().DeleteSymptom(2);
        App().State().DeleteSymptom(0);
        RunDialog(1, [all](CRecordedSymptomsDialog& dialog) {
            testing::WithShown<CUndeleteDialog>([&] { QTest::mouseClick(dialog.UnDeleteButton(), Qt::LeftButton); },
                [all](CUndeleteDialog& undelete) {
                    if (all) {
                        QTest::mouseClick(undelete.UndeleteAllButton(), Qt::LeftButton);
                        QCOMPARE(undelete.result(), int(QDialog::Accepted));
                    } else {
                        QTest::mouseClick(undelete.UndeleteButton(), Qt::LeftButton);
                        QTest::keyClick(&undelete, Qt::Key_Escape);
                    }
                });
            // The restored symptoms are in the store, so the list and the kind indexes show them.
            QCOMPARE(Lines(dialog.SymptomList()),
                all ? QStringLiteral("HEAD - PAIN|COLD AGG|MIND - FEAR") : QStringLiteral("HEAD - PAIN|COLD AGG"));
            QCOMPARE(App().State().RestCount(), 2);
        });
        QCOMPARE(App().State().DeletedCount(), all ? 0 : 1);
    }

    // The search keeps a registration number's start or any part of a name, without regard to case or accents.
    void searchKeepsTheMatchingPatients()
    {
        const auto dialog = ShownDialog();
        QVERIFY(dialog);
        const struct
        {
            const char* typed;
            Texts regNos;
        } cases[] = {
            {"", {"1003", "1010", "2100", "99", "1001", "305", "2200", "412"}},
            {"rene", {"1003", "1010", "2100"}},
            {"REN\303\211E", {"1003"}}, // "RENÉE" in UTF-8 leaves "Rene" out
            {"dubois", {"1003", "99"}},
            {"emile", {"305"}},
            {"100", {"1003", "1001"}}, // 1010, 2100 and the age 100 left out
            {"  ben ", {"2200"}},
            {"zz", {}},
        };
        for (const auto& c : cases) {
            dialog->SearchEdit()->clear();
            QTest::keyClicks(dialog->SearchEdit(), QString::fromUtf8(c.typed));
            QVERIFY2(Column(dialog->List(), 0) == c.regNos, c.typed);
        }
    }

    // A click on a column's title sorts by it (numbers by value, dates by date), a second click the other way; the
    // next dialog opens in the order left.
    void columnsSortAndTheOrderIsRemembered()
    {
        {
            const auto dialog = ShownDialog();
            QVERIFY(dialog);
            QTableView* list = dialog->List();
            const struct
            {
                int column;
                Texts regNos;
            } clicks[] = {
                {0, {"99", "305", "412", "1001", "1003", "1010", "2100", "2200"}},
                {0, {"2200", "2100", "1010", "1003", "1001", "412", "305", "99"}},
                {1, {"412", "1001", "2200", "305", "2100", "99", "1010", "1003"}},
                {3, {"1001", "99", "2200", "1003", "305", "1010", "2100", "412"}},
                {2, {"2100", "305", "1001", "1010", "1003", "99", "2200", "412"}},
                {2, {"412", "2200", "99", "1003", "1010", "1001", "305", "2100"}},
            };
            for (const auto& click : clicks) {
                ClickHeader(list, click.column);
                QCOMPARE(Column(list, 0), click.regNos);
            }
            // The search keeps the order.
            QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("dubois"));
            QCOMPARE(Column(list, 0), (Texts{"99", "1003"}));
        }
        const auto again = ShownDialog();
        QVERIFY(again);
        QCOMPARE(again->List()->horizontalHeader()->sortIndicatorSection(), 2);
        QCOMPARE(again->List()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(Column(again->List(), 2), (Texts{"", "100", "68", "52", "41", "34", "9", "7"}));
    }

    // The list shows many rows and grows with the dialog.
    void listGrowsWithTheDialog()
    {
        const auto dialog = ShownDialog();
        QVERIFY(dialog);
        QTableView* list = dialog->List();
        const int rowHeight = list->verticalHeader()->defaultSectionSize();
        QVERIFY2(list->viewport()->height() >= 15 * rowHeight, qPrintable(QString::number(list->viewport()->height())));
        const QSize before = list->size();
        dialog->resize(dialog->width() + 120, dialog->height() + 150);
        QTRY_COMPARE(list->size(), before + QSize(120, 150));
    }

    // The search has the focus first; Down goes into the list on its first row. Return before a row is chosen
    // says what to do, unless the search left one patient, whom it chooses.
    void keyboardFromTheSearchIntoTheList()
    {
        auto dialog = ShownDialog();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->SearchEdit()->hasFocus());
        QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("dubois"));
        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Run().sink.Texts(),
            std::vector<std::string>{"Choose a patient first: click a row, or type part of the name or the "
                                     "registration number in Search and press Down. Then press OK."});
        QVERIFY(App().State().m_strPatientFile.empty());

        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Down);
        QVERIFY(dialog->List()->hasFocus());
        QCOMPARE(App().State().m_strPatientFile, std::string("1003"));
        QTest::keyClick(dialog->List(), Qt::Key_Down);
        QCOMPARE(App().State().m_strPatientFile, std::string("99"));

        // One patient left: Return chooses him.
        dialog = ShownDialog();
        QVERIFY(dialog);
        Run().sink.Clear();
        testing::ResetToNoPatient();
        QTest::keyClicks(dialog->SearchEdit(), QStringLiteral("kowal"));
        QTest::keyClick(dialog->SearchEdit(), Qt::Key_Return);
        QCOMPARE(App().State().m_strPatientFile, std::string("2100"));
        QVERIFY(Run().sink.Texts().empty());
        QVERIFY(!dialog->isVisible());
    }

    void caseRecordFromTheMenu()
    {
        ChooseCaseRecordPatient();
        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QCOMPARE(view->windowTitle(), QStringLiteral("Full Case Record -- Zo\u00EB Rao"));
        QCOMPARE(view->PhysicianLabel()->text(), QStringLiteral("Dr. M\u00FCller"));
        QCOMPARE(view->PatientLabel()->text(), QStringLiteral("Zo\u00EB Rao"));

        // The browser shows the written page.
        const QString expectedPath
            = QString::fromStdString(std::filesystem::absolute(Run().folder.Path() / "template.html").string());
        CPageBrowser* browser = view->Browser();
        QCOMPARE(browser->PagePath(), expectedPath);
        QVERIFY(!browser->openLinks());

        const QString text = browser->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Headache <worse> at night & caf\u00E9")), qPrintable(text));
        // The page's bare "&nbsp" blanks show as blanks.
        QVERIFY2(!text.contains(QStringLiteral("&nbsp")), qPrintable(text));
    }

    void followupFromTheKeyboard()
    {
        ChooseCaseRecordPatient();
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F, Qt::ControlModifier);
        auto* view = qobject_cast<CCrFollow*>(App().OpenView(kViewCaseRecord));
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QCOMPARE(view->windowTitle(), QStringLiteral("Patient Followup -- Zo\u00EB Rao"));

        // Markup of a record is shown as text, not followed as a link.
        QVERIFY(view->Browser()->toPlainText().contains(QStringLiteral("<a href=\"http://example.com\">link</a>")));
        QVERIFY(!view->Browser()->toHtml().contains(QStringLiteral("href=\"http")));

        // Rx, Potency, Repetition and Evaluation take 15, 15, 30 and 40 % of a visit's width, under the complaints
        // row that spans the last three.
        QTextDocument* page = view->Browser()->document();
        const QTextTable* visit = nullptr;
        for (QTextBlock block = page->begin(); block.isValid() && !visit; block = block.next())
            if (block.text() == QStringLiteral("Rx"))
                visit = QTextCursor(block).currentTable();
        QVERIFY(visit && visit->columns() == 4);
        std::vector<qreal> left;
        for (int c = 0; c < 4; ++c)
            left.push_back(
                page->documentLayout()->blockBoundingRect(visit->cellAt(2, c).firstCursorPosition().block()).left());
        const qreal rx = left[1] - left[0];
        QVERIFY2(std::abs((left[2] - left[1]) / rx - 1) < 0.2 && std::abs((left[3] - left[2]) / rx - 2) < 0.3,
            qPrintable(QStringLiteral("%1 %2 %3 %4").arg(left[0]).arg(left[1]).arg(left[2]).arg(left[3])));
    }

    void missingFilesShowAnEmptyBrowser_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no case record") << "fullCaseRecord"
                                        << "P001.cas" << QString::fromLatin1(kMsgNoCaseRecordData);
        QTest::newRow("no follow-up") << "followup"
                                      << "P001.flw" << QString::fromLatin1(kMsgNoFollowupData);
    }

    void missingFilesShowAnEmptyBrowser()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, message);
        ChooseCaseRecordPatient();
        std::filesystem::remove(Run().folder.Path() / file.toStdString());
        CCrFollow* view = OpenFromMenu(command.toLatin1().constData());
        QVERIFY(view);
        QCOMPARE(Run().sink.Texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(view->windowTitle().endsWith(QStringLiteral(" -- Zo\u00EB Rao")));
        QVERIFY(view->Browser()->PagePath().isEmpty());
        QVERIFY(view->Browser()->toPlainText().isEmpty());
        QVERIFY(!std::filesystem::exists(Run().folder.Path() / "template.html"));
    }

    // Where the page cannot be written (a folder in its place stands for a folder the user cannot write) it is
    // shown from memory, and a link planted at the old scratch name is not written through.
    void pageThatCannotBeWrittenIsShownFromMemory()
    {
        ChooseCaseRecordPatient();
        const testing::TempFolder elsewhere;
        const std::filesystem::path outside = elsewhere.Write("other.txt", "keep me");
        const std::filesystem::path link = Run().folder.Path() / "template.html.quillon-tmp";
        std::filesystem::create_symlink(outside, link);
        std::filesystem::create_directory(Run().folder.Path() / "template.html");

        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        QVERIFY(Run().sink.Messages().empty());
        QVERIFY2(view->Browser()->toPlainText().contains(QStringLiteral("Headache <worse>")),
            qPrintable(view->Browser()->toPlainText()));
        QVERIFY(view->Browser()->PagePath().isEmpty());
        QCOMPARE(testing::ReadBytes(outside), std::string("keep me"));
        QCOMPARE(std::filesystem::read_symlink(link), outside);
        QVERIFY(std::filesystem::is_empty(Run().folder.Path() / "template.html"));
        std::filesystem::remove(link);
    }

    void browserLoadsOnlyThePage()
    {
        ChooseCaseRecordPatient();
        CCrFollow* view = OpenFromMenu("fullCaseRecord");
        QVERIFY(view);
        CPageBrowser* browser = view->Browser();
        const QUrl page = QUrl::fromLocalFile(browser->PagePath());
        QVERIFY(browser->loadResource(QTextDocument::HtmlResource, page).isValid());

        const QUrl other = QUrl::fromLocalFile(Run().File("P001.cas"));
        for (const auto& [type, url] :
            {std::pair{QTextDocument::HtmlResource, other}, {QTextDocument::ImageResource, other},
                {QTextDocument::ImageResource, QUrl(QStringLiteral("http://example.com/a.png"))},
                {QTextDocument::HtmlResource, QUrl(QStringLiteral("https://example.com/"))}})
            QVERIFY2(!browser->loadResource(type, url).isValid(), qPrintable(url.toString()));
    }
};

// Patients 201 (two visits) and 202 (one) have no row in the index, which lists the eight Select Patient shows.
int main(int argc, char** argv)
{
    return testing::RunInPractice<TestSymptomsDialogs>(argc, argv, [](const testing::TempFolder& folder) {
        folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", kPatients));
        const VisitSpec visit{5, 11, 2002, {SymptomSpec{"MIND - ANXIETY", 'M', 1, 2, {{0, 3}, {1, 1}}}}};
        for (const PatientSpec& patient : kPatients)
            folder.Write(patient.regNo + ".rsy", EncodeRsy({visit}));
        folder.Write("201.rsy", EncodeRsy(testing::TwoVisits()));
        folder.Write("202.rsy", EncodeRsy({testing::TwoVisits()[1]}));
        testing::WriteNumberedCatalogue(folder, 239);
    });
}

#include "TestSymptomsDialogs.moc"
