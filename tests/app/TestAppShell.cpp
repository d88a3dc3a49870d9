// The main frame, its commands and the Select Patient dialog, driven through the real widgets; then practice folders:
// the one given on the command line, File > Open Practice Folder (Ctrl+O) and the recent folders, with the settings
// in a scratch folder.
#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "chart/RepView.h"
#include "controls/HelpViewer.h"
#include "controls/PictureButton.h"
#include "support/AppTest.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/SelectPatientDialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>

#include <map>
#include <new>
#include <stdexcept>

using namespace quillon;
using namespace Qt::StringLiterals;
using namespace quillon::fixtures;
using quillon::testing::App;
namespace fs = std::filesystem;

namespace {

RecordingMessageSink* g_sink = nullptr;
testing::ScriptedChoices g_choices;
fs::path g_root; // the practices the folder tests open

void WritePractice(const testing::TempFolder& folder)
{
    const auto symptom = [](const char* text, char kind) { return SymptomSpec{text, kind, 1, 2, {{0, 3}, {1, 1}}}; };
    folder.Write("PatDet.txt",
        EncodePatientIndex("Dr. Meera Iyer",
            {{"101", "Asha Rao", "34", "05/11/2002"}, {"102", "Ben Cole", "7", "06/11/2002"},
                {"103", "Cyrus Bay", "61", "01/02/2003"}, {"101", "Again", "1", "x"},
                {"104", "Dana Wolf", "45", "x"}}));
    const VisitSpec v1{5, 11, 2002, {symptom("MIND - ANXIETY", 'M'), symptom("HEAD - PAIN", 'F')}};
    const VisitSpec v2{6, 12, 2003, {symptom("GENERALITIES - COLD", 'G')}};
    folder.Write("101.rsy", EncodeRsy({v1}));
    folder.Write("102.rsy", EncodeRsy({v1, v2}));
    folder.Write("103.rsy", "RSYFILE1");
    // Two visits, then a block too short to hold one.
    folder.Write("104.rsy", EncodeRsy({v1, v2}) + std::string(30, '\0'));
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 0}, {"Bell.", "Belladonna", 0}});
}

// Runs `body` on the Select Patient dialog once `open` has shown it.
constexpr auto WithModalDialog = &testing::WithShown<CSelectPatientDialog>;

void ClickRow(QTableView* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Chooses the patient of that row in the start dialog: the row, then Return (row 0: Asha Rao, whose chart opens).
void ChoosePatient(int row = 0)
{
    WithModalDialog([] { App().RunStartDialog(); },
        [row](CSelectPatientDialog& dialog) {
            ClickRow(dialog.List(), row);
            QTest::keyClick(dialog.List(), Qt::Key_Return);
        });
}

// The physician, the patients and the only remedy carry the tag; patient 1 has one visit, patient 2 two.
QString WriteTaggedPractice(const std::string& name, const std::string& tag)
{
    const fs::path dir = g_root / name;
    fs::create_directories(dir);
    const SymptomSpec symptom{"MIND - ANXIETY", 'M', 1, 2, {{0, 3}}};
    WriteBytes(dir / "PatDet.txt",
        EncodePatientIndex("Dr. " + tag, {{"1", tag + " One", "30", "x"}, {"2", tag + " Two", "40", "x"}}));
    WriteBytes(dir / "1.rsy", EncodeRsy({{1, 1, 2003, {symptom}}}));
    WriteBytes(dir / "2.rsy", EncodeRsy({{1, 1, 2003, {symptom}}, {2, 2, 2004, {symptom}}}));
    const CatalogueImages images = EncodeCatalogue({{"Acon.", tag + " remedy", 0}});
    for (const auto& [file, bytes] : {std::pair{"drug.dat", &images.drugDat}, {"drugl.dat", &images.druglDat},
             {"fulldrug.txt", &images.fulldrugTxt}})
        WriteBytes(dir / file, *bytes);
    return QString::fromStdString(fs::canonical(dir).string());
}

void OpenAndCancel(const QString& folder)
{
    testing::WithShown<CSelectPatientDialog>(
        [&] { QVERIFY(CQuillonApp::Instance()->OpenPracticeFolder(folder)); }, [](auto&) {});
}

} // namespace

class TestAppShell final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        g_sink->Clear();
        testing::ResetToNoPatient();
    }

    void cancelledStartDialogLeavesNoPatient()
    {
        WithModalDialog([] { App().RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                QTest::mouseClick(testing::ButtonWithText(&dialog, u"Cancel"_s), Qt::LeftButton);
            });
        // Cancelled, the window offers only the practices (the one opened is a recent folder), the patient, the case
        // book and Exit.
        CMainFrame* frame = App().MainFrame();
        QVERIFY(frame->isMaximized());
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
        QStringList enabled;
        for (QAction* action : frame->FileMenu()->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << action->text();
        QCOMPARE(enabled,
            (QStringList{u"&Open Practice Folder\u2026"_s, u"Recen&t Folders"_s, u"Select &Patient"_s,
                u"Export Case &Book\u2026"_s, u"I&mport Case Book\u2026"_s, u"E&xit"_s}));
        QVERIFY(!frame->Action("magnify")->isEnabled());
    }

    void enterOnAOneVisitPatientOpensTheChart()
    {
        ChoosePatient();
        QCOMPARE(App().State().m_strPatientFile, std::string("101"));
        QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
        const QString viewTitle = App().MainFrame()->MdiArea()->subWindowList().at(0)->windowTitle();
        QCOMPARE(App().MainFrame()->windowTitle(), QStringLiteral("Quillon - [%1]").arg(viewTitle));
        QVERIFY(App().MainFrame()->Action("repertorisation")->isEnabled());
        QVERIFY(g_sink->Messages().empty());
        // Once F2's dialog has a patient chosen, the views close, those registered under their keys too, before
        // the chosen visit loads.
        App().RegisterView(kViewChart, App().MainFrame()->MdiArea()->subWindowList().at(0)->widget());
        WithModalDialog([&] { App().OnSelectPatient(); },
            [&](CSelectPatientDialog& dialog) {
                QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
                ClickRow(dialog.List(), 0);
                QTest::keyClick(dialog.List(), Qt::Key_Return);
                QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
                QVERIFY(!App().OpenView(kViewChart));
            });
        // Then the chosen patient's chart opens.
        QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
    }

    // F2 then Cancel, whatever was done in the dialog before, leaves the chart open with its steps, and the
    // patient, its visit and its visit index as they were.
    void selectPatientCancelledKeepsTheChartAndItsSteps()
    {
        const struct
        {
            const char* name;
            int row; // the row clicked before Cancel (-1: none)
            bool ok; // OK pressed on it first (refused: its file holds no visit)
            std::vector<std::string> messages;
        } cases[] = {
            {"no row", -1, false, {}},
            {"another patient's row", 1, false, {}},
            {"a patient refused by OK", 2, true, {"Symptoms not available"}},
        };
        for (const auto& c : cases) {
            App().CloseAllViews();
            ChoosePatient();
            auto* view = qobject_cast<CRepView*>(App().OpenView(kViewChart));
            QVERIFY2(view, c.name);
            QTest::mouseClick(view->Button(FormPart::Mind), Qt::LeftButton);
            QTest::mouseClick(view->Button(FormPart::Sorted), Qt::LeftButton);
            const std::vector<ChartCommand> steps = view->Operations();
            QCOMPARE(steps.size(), std::size_t{2});
            const QStringList rows = QString::fromStdString(view->DumpChartText()).split(QLatin1Char('\n'));
            g_sink->Clear();

            CMainFrame* frame = App().MainFrame();
            frame->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(frame));
            WithModalDialog([&] { QTest::keyClick(frame, Qt::Key_F2); },
                [&](CSelectPatientDialog& dialog) {
                    QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
                    if (c.row >= 0)
                        ClickRow(dialog.List(), c.row);
                    if (c.ok)
                        QTest::mouseClick(testing::ButtonWithText(&dialog, u"OK"_s), Qt::LeftButton);
                    QTest::mouseClick(testing::ButtonWithText(&dialog, u"Cancel"_s), Qt::LeftButton);
                });
            QCOMPARE(App().OpenView(kViewChart), view);
            QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
            QCOMPARE(view->Operations(), steps);
            QCOMPARE(QString::fromStdString(view->DumpChartText()).split(QLatin1Char('\n')), rows);
            QCOMPARE(App().State().m_strPatientFile, std::string("101"));
            QCOMPARE(App().State().m_arrVisitDates, std::vector<std::string>{"05/11/2002"});
            QCOMPARE(App().State().LiveCount(), 2);
            QCOMPARE(g_sink->Texts(), c.messages);
        }
    }

    void cancelAfterSelectingMakesThePatientCurrentWithoutLoading()
    {
        WithModalDialog([&] { App().RunStartDialog(); },
            [&](CSelectPatientDialog& dialog) {
                ClickRow(dialog.List(), 1);
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
        QCOMPARE(App().State().m_strPatientFile, std::string("102"));
        QCOMPARE(App().State().LiveCount(), 0);
        QVERIFY(App().MainFrame()->Action("recordedSymptoms")->isEnabled());
        QVERIFY(!App().MainFrame()->Action("repertorisation")->isEnabled());
    }

    // A patient whose symptom file is damaged past its intact visits: the damage is said once as the patient
    // opens, though both Select Patient and the Recorded Symptoms dialog read the visits; opened again, once more.
    void damagedSymptomFileIsSaidOncePerOpening()
    {
        const std::vector<std::string> once{
            "The recorded symptom file is damaged: a visit block is too short to hold a visit"};
        for (int opening = 0; opening < 2; ++opening) {
            g_sink->Clear();
            const auto shown = testing::WhenShown<CRecordedSymptomsDialog>([](CRecordedSymptomsDialog& dialog) {
                QCOMPARE(dialog.VisitList()->count(), 2);
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
            ChoosePatient(3);
            QVERIFY(*shown);
            QCOMPARE(g_sink->Texts(), once);
        }
    }

    void patientWithoutSymptomsKeepsTheDialogOpen()
    {
        WithModalDialog([&] { App().RunStartDialog(); },
            [&](CSelectPatientDialog& dialog) {
                ClickRow(dialog.List(), 2);
                QTest::mouseDClick(dialog.List()->viewport(), Qt::LeftButton, {},
                    dialog.List()->visualRect(dialog.List()->model()->index(2, 1)).center());
                QVERIFY(dialog.isVisible());
                QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Symptoms not available"});
            });
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    void repertorisationWithoutSymptomsSaysSo()
    {
        App().OnRepertorisation();
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"No Symptom recorded"});
        QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
    }

    // An exception while an event is handled ends that event, not the program: a command the chart refuses,
    // another failure and a failed allocation are each said once, and the chart stays as it was.
    void exceptionInAnEventIsReportedAndTheProgramGoesOn()
    {
        ChoosePatient();
        auto* view = qobject_cast<CRepView*>(App().OpenView(kViewChart));
        QVERIFY(view);
        QTest::mouseClick(view->Button(FormPart::Mind), Qt::LeftButton);
        const std::vector<ChartCommand> steps = view->Operations();
        const struct
        {
            const char* name;
            std::function<void()> handle;
            std::string message;
        } cases[] = {
            {"the chart refuses a step",
                [view] {
                    ChartCommand command(ChartVerb::Delete);
                    command.symptom = 2;
                    view->Replay(command);
                },
                "The command was not carried out: delete: no symptom line 2"},
            {"another failure", [] { throw std::runtime_error("the printer went away"); },
                "The command was not carried out: the printer went away"},
            {"an allocation fails", [] { throw std::bad_alloc(); }, "Insufficient memory"},
        };
        for (const auto& c : cases) {
            // A widget whose handling of one event runs the failing work, as a command's handler would.
            class Failing final : public QWidget
            {
            public:
                explicit Failing(std::function<void()> handle) : m_handle(std::move(handle)) {}
                bool event(QEvent* e) override
                {
                    if (e->type() == QEvent::User)
                        m_handle();
                    return QWidget::event(e);
                }

            private:
                std::function<void()> m_handle;
            };
            g_sink->Clear();
            Failing failing(c.handle);
            QEvent event(QEvent::User);
            QVERIFY2(!QApplication::sendEvent(&failing, &event), c.name);
            QCOMPARE(g_sink->Texts(), std::vector<std::string>{c.message});
            QVERIFY(App().MainFrame()->isVisible());
            QCOMPARE(App().OpenView(kViewChart), view);
            QCOMPARE(view->Operations(), steps);
        }
    }

    void missingPatientIndexClosesTheDialogAsCancelled()
    {
        const fs::path root = App().State().m_folder.Root();
        fs::rename(root / "PatDet.txt", root / "moved.txt");
        App().RunStartDialog(); // returns at once: no modal dialog is left open
        fs::rename(root / "moved.txt", root / "PatDet.txt");
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Could load Patient Information"});
        QVERIFY(!QApplication::activeModalWidget());
    }

    // F1 shows the manual over the middle of the main window, whole on its screen. Walking every link from the
    // contents reaches every page, each link names a page (and an anchor of it) that exists, and every picture
    // loads, drawn from a copy scaled to the width the page gives it (not shrunk at each paint); Esc closes it.
    void helpKeyShowsTheManualWhoseLinksResolve()
    {
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F1);
        QPointer<CHelpViewer> viewer = App().MainFrame()->findChild<CHelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Quillon Help"));
        const QRect frame = App().MainFrame()->frameGeometry();
        const QRect shown = viewer->frameGeometry();
        QVERIFY((shown.center() - frame.center()).manhattanLength() <= 2);
        QVERIFY(viewer->screen()->availableGeometry().contains(shown));
        QTextBrowser* browser = viewer->Browser();
        const QDir folder(browser->source().adjusted(QUrl::RemoveFilename).toLocalFile());
        QStringList toVisit{QStringLiteral("index.html")};
        QSet<QString> visited, scaled;
        int pictures = 0;
        // The width of the first picture of a page, as its img gives it.
        const std::map<QString, int> widths{{u"index.html"_s, 640}, {u"chart.html"_s, 720}, {u"methods.html"_s, 640}};
        while (!toVisit.isEmpty()) {
            const QString page = toVisit.takeFirst();
            if (visited.contains(page))
                continue;
            visited.insert(page);
            viewer->ShowPage(page);
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(page));
            for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    if (format.isImageFormat()) {
                        const QString name = format.toImageFormat().name();
                        QVERIFY2(
                            !QImage(folder.filePath(name)).isNull(), qPrintable(page + QStringLiteral(": ") + name));
                        ++pictures;
                        if (widths.contains(page) && !scaled.contains(page)) {
                            scaled.insert(page);
                            const QImage drawn = browser->document()
                                                     ->resource(QTextDocument::ImageResource, QUrl(name))
                                                     .value<QImage>();
                            const double ratio = browser->devicePixelRatioF();
                            QCOMPARE(drawn.size(),
                                QSize(qRound(widths.at(page) * ratio), qRound(widths.at(page) * 800 / 1280 * ratio)));
                        }
                    }
                    if (!format.isAnchor() || format.anchorHref().isEmpty())
                        continue;
                    const QUrl link(format.anchorHref());
                    QVERIFY2(link.isRelative(), qPrintable(link.toString()));
                    const QString target = link.path().isEmpty() ? page : link.path();
                    QFile file(folder.filePath(target));
                    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page + QStringLiteral(" -> ") + target));
                    if (link.hasFragment())
                        QVERIFY2(file.readAll().contains(QStringLiteral("id=\"%1\"").arg(link.fragment()).toUtf8()),
                            qPrintable(page + QStringLiteral(" -> ") + link.toString()));
                    toVisit << target;
                }
            }
        }
        QCOMPARE(visited.size(), folder.entryList({QStringLiteral("*.html")}, QDir::Files).size());
        QVERIFY(pictures >= 3 && scaled.size() == 3);

        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(!viewer);
    }

    // The manual's keyboard page names every shortcut the menus carry, with its command, and no other: a shortcut
    // added, changed or dropped shows here.
    void keyboardPageNamesEveryMenuShortcut()
    {
        QFile page(FindManual(QCoreApplication::applicationDirPath()) + QStringLiteral("/keyboard.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        const qsizetype start = html.indexOf(QLatin1String("id=\"menus\""));
        QVERIFY(start >= 0);
        const QString table = html.mid(start, html.indexOf(QLatin1String("</table>"), start) - start);
        std::map<QString, QString> documented; // key -> what the page says it does
        static const QRegularExpression row(QStringLiteral("<tr><td>([^<]+)</td><td>([^<]+)</td></tr>"));
        for (auto it = row.globalMatch(table); it.hasNext();) {
            const auto match = it.next();
            documented[match.captured(1)] = match.captured(2);
        }

        std::map<QString, QString> carried; // key -> the menu command
        std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
            for (const QAction* action : actions) {
                if (action->menu())
                    walk(action->menu()->actions());
                for (const QKeySequence& key : action->shortcuts()) {
                    QString name = action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
                    name.remove(QChar(0x2026)).remove(QLatin1String("..."));
                    carried[key.toString(QKeySequence::PortableText)] = name.simplified();
                }
            }
        };
        walk(App().MainFrame()->menuBar()->actions());
        QVERIFY(carried.count(QStringLiteral("Ctrl+S")) == 1);
        for (const auto& [key, command] : carried) {
            const auto it = documented.find(key);
            QVERIFY2(it != documented.end(), qPrintable(key + QStringLiteral(" (") + command + QStringLiteral(")")));
            QVERIFY2(it->second.startsWith(command), qPrintable(key + QStringLiteral(": ") + it->second));
        }
        for (const auto& [key, text] : documented)
            QVERIFY2(carried.count(key) == 1, qPrintable(key + QStringLiteral(" is on no menu")));
    }

    // The practice folder tests come last: they open other practices.
    void commandLineFolderShowsItsPatients()
    {
        testing::WithShown<CSelectPatientDialog>([] { CQuillonApp::Instance()->RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                QCOMPARE(dialog.PhysicianLabel()->text(), QStringLiteral("Dr. Meera Iyer"));
                QCOMPARE(dialog.List()->model()->index(1, 1).data().toString(), QStringLiteral("Ben Cole"));
            });
    }

    void ctrlOSwitchesOrRefuses_data()
    {
        QTest::addColumn<QString>("removed"); // "/PatDet.txt": that file is chosen instead of the folder
        QTest::addColumn<QString>("refusal"); // %1: the folder; empty: opened
        const QString lacks = QStringLiteral("The folder \"%1\" cannot be opened as a practice folder: ");
        QTest::newRow("complete") << QString() << QString();
        QTest::newRow("drugl.dat") << QStringLiteral("drugl.dat") << lacks + QStringLiteral("drugl.dat is missing.");
        QTest::newRow("file") << QStringLiteral("/PatDet.txt") << QStringLiteral("\"%1/PatDet.txt\" is not a folder.");
    }

    void ctrlOSwitchesOrRefuses()
    {
        QFETCH(QString, removed);
        QFETCH(QString, refusal);
        auto* app = CQuillonApp::Instance();
        const QString previous = WriteTaggedPractice("previous", "A");
        testing::WithShown<CSelectPatientDialog>([&] { app->OpenPracticeFolder(previous); },
            [](CSelectPatientDialog& dialog) {
                dialog.List()->selectRow(0);
                QTest::keyClick(dialog.List(), Qt::Key_Return);
            });
        const QPointer<QWidget> chart = app->OpenView(kViewChart);

        const QString target = WriteTaggedPractice(QTest::currentDataTag(), "B");
        for (const QString& name : removed.split(u' ', Qt::SkipEmptyParts))
            fs::remove(target.toStdString() + "/" + name.toStdString());
        g_choices.folder = removed.startsWith(u'/') ? target + removed : target;
        CMainFrame* frame = app->MainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        const auto ctrlO = [&] { QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier); };
        if (!refusal.isEmpty()) {
            ctrlO();
            QCOMPARE(g_sink->Texts(), std::vector<std::string>{refusal.arg(target).toStdString()});
            QVERIFY(chart && app->State().m_strPatientFile == "1"
                && app->State().m_pRemedyCatalogue->Entry(0)->fullName == "A remedy");
            return;
        }
        testing::WithShown<CSelectPatientDialog>(
            ctrlO, [](auto& dialog) { QCOMPARE(dialog.PhysicianLabel()->text(), QStringLiteral("Dr. B")); });
        QVERIFY(!chart && frame->MdiArea()->subWindowList().isEmpty() && !app->OpenView(kViewChart));
        QVERIFY(app->State().m_strPatientFile.empty() && app->State().m_mapSymptoms.empty()
            && app->State().m_mapRepSymptoms.empty());
        QCOMPARE(app->State().m_pRemedyCatalogue->Entry(0)->fullName, std::string("B remedy"));
    }

    void recentFoldersAreOrderedUniqueAndCapped()
    {
        auto* app = CQuillonApp::Instance();
        QStringList folders;
        for (int i = 1; i <= 6; ++i)
            OpenAndCancel(folders.emplace_back(WriteTaggedPractice("recent" + std::to_string(i), "R")));
        OpenAndCancel(folders[2] + QStringLiteral("/../recent3/")); // the same folder, spelled differently
        const auto menuIs = [&](std::initializer_list<int> order) {
            QStringList texts, expected;
            for (QAction* action : app->MainFrame()->RecentFoldersMenu()->actions())
                texts << action->text();
            for (int i : order)
                expected << QStringLiteral("&%1 %2").arg(expected.size() + 1).arg(folders[i]);
            return texts == expected;
        };
        QVERIFY(menuIs({2, 5, 4, 3, 1}));
        testing::WithShown<CSelectPatientDialog>(
            [&] { app->MainFrame()->RecentFoldersMenu()->actions().at(3)->trigger(); }, [](auto&) {});
        QVERIFY(menuIs({3, 2, 5, 4, 1}));
    }

    // A start folder that cannot be used is refused by its full path, however it was given, and About then names
    // no practice folder; opening one names it again.
    void refusedStartFolderIsNamedWholeAndNotOpen()
    {
        auto* app = CQuillonApp::Instance();
        const fs::path empty = g_root / "empty";
        fs::create_directories(empty);
        fs::remove(app->Settings().LastFolder().toStdString() + "/PatDet.txt"); // no usable last folder
        const QString whole = QString::fromStdString(fs::canonical(empty).string());
        const QString lacks = QStringLiteral("The folder \"%1\" cannot be opened as a practice folder: PatDet.txt, "
                                             "drug.dat, drugl.dat and fulldrug.txt are missing.");
        const auto aboutSays = [app](const QString& folder) {
            testing::WithShown<CAboutDialog>([app] { app->OnAbout(); },
                [&](CAboutDialog& about) { QVERIFY2(about.Text()->text().contains(folder), qPrintable(folder)); });
        };
        const QString notAFolder = QStringLiteral("\"%1/nowhere\" is not a folder.").arg(whole);
        for (const auto& [given, refusal] :
            {std::pair{QStringLiteral("nowhere"), notAFolder}, {QString(), lacks.arg(whole)}}) {
            QDir::setCurrent(whole);
            g_sink->Clear();
            app->UseStartFolder(given);
            app->RunStartDialog();
            QCOMPARE(g_sink->Texts(), std::vector<std::string>{refusal.toStdString()});
            aboutSays(QStringLiteral("Practice folder:</b> none open"));
        }
        const QString practice = WriteTaggedPractice("reopened", "C");
        OpenAndCancel(practice);
        aboutSays(QStringLiteral("Practice folder:</b> ") + practice);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    testing::TempFolder scratch;
    g_root = scratch.Path();
    QSettings::setPath(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString((g_root / "settings").string()));
    RecordingMessageSink sink;
    g_sink = &sink;
    CQuillonApp app(argc, argv, CPracticeFolder("."), &sink, &g_choices);
    app.UseStartFolder(
        ParseCommandLine({QStringLiteral("quillon"), QString::fromStdString(folder.Path().string())}).folder);
    app.InitInstance();
    TestAppShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestAppShell.moc"
