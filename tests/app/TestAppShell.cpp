// The main frame, its commands and the Select Patient dialog, driven through the real widgets.
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "controls/CommandTarget.h"
#include "controls/HelpViewer.h"
#include "fixtures/CaseWriters.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/SelectPatientDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <functional>
#include <map>
#include <new>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::App;

namespace {

testing::TempFolder* g_folder = nullptr;
RecordingMessageSink* g_sink = nullptr;

void WritePractice(const testing::TempFolder& folder)
{
    const auto symptom = [](const char* text, char kind) { return SymptomSpec{text, kind, 1, 2, {{0, 3}, {1, 1}}}; };
    folder.Write("PatDet.txt",
        EncodePatientIndex("Dr. Meera Iyer",
            {{"101", "Asha Rao", "34", "05/11/2002"}, {"102", "Ben Cole", "7", "06/11/2002"},
                {"103", "Cyrus Bay", "61", "01/02/2003"}, {"101", "Again", "1", "x"}}));
    const VisitSpec v1{5, 11, 2002, {symptom("MIND - ANXIETY", 'M'), symptom("HEAD - PAIN", 'F')}};
    const VisitSpec v2{6, 12, 2003, {symptom("GENERALITIES - COLD", 'G')}};
    folder.Write("101.rsy", EncodeRsy({v1}));
    folder.Write("102.rsy", EncodeRsy({v1, v2}));
    folder.Write("103.rsy", "RSYFILE1");
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 0}, {"Bell.", "Belladonna", 0}});
}

// Runs `body` on the Select Patient dialog once `open` has shown it.
constexpr auto WithModalDialog = &testing::WithShown<CSelectPatientDialog>;

QPushButton* Button(QWidget* dialog, const char* text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QLatin1String(text))
            return button;
    return nullptr;
}

void ClickRow(QTableView* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
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

    void cancellingLeavesOnlySelectPatientAndExit()
    {
        WithModalDialog([&] { App().RunStartDialog(); },
            [](CSelectPatientDialog& dialog) { QTest::mouseClick(Button(&dialog, "Cancel"), Qt::LeftButton); });
        CMainFrame* frame = App().MainFrame();
        QVERIFY(frame->isMaximized());
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
        Q_EMIT frame->FileMenu()->aboutToShow();
        QStringList enabled;
        for (QAction* action : frame->FileMenu()->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << action->text();
        // The case book's export and import concern the whole book, not a patient.
        QCOMPARE(enabled,
            (QStringList{QStringLiteral("&Open Practice Folder\u2026\tCtrl+O"), QStringLiteral("Select &Patient  \tF2"),
                QStringLiteral("Export Case &Book\u2026"), QStringLiteral("I&mport Case Book\u2026"),
                QStringLiteral("E&xit")}));
        QVERIFY(!frame->Action(ID_MAGNIFY)->isEnabled());
    }

    void listShowsRowsAndOkNeedsOne()
    {
        WithModalDialog([] { App().RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                const QAbstractItemModel* rows = dialog.List()->model();
                QCOMPARE(dialog.PhysicianLabel()->text(), QStringLiteral("Dr. Meera Iyer"));
                QCOMPARE(rows->rowCount(), 3); // the repeated 101 is dropped
                QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("Asha Rao"));
                QCOMPARE(rows->index(1, 3).data().toString(), QStringLiteral("06/11/2002"));
                // OK without a row says what to do and stays open.
                QTest::mouseClick(Button(&dialog, "OK"), Qt::LeftButton);
                QVERIFY(dialog.isVisible());
                QCOMPARE(g_sink->Texts(),
                    std::vector<std::string>{"Choose a patient first: click a row, or type part of the name or the "
                                             "registration number in Search and press Down. Then press OK."});
            });
    }

    void enterOnAOneVisitPatientOpensTheChart()
    {
        WithModalDialog([&] { App().RunStartDialog(); },
            [&](CSelectPatientDialog& dialog) {
                ClickRow(dialog.List(), 0);
                QCOMPARE(App().m_strPatientName, std::string("Asha Rao"));
                QTest::keyClick(dialog.List(), Qt::Key_Return);
                QVERIFY(!dialog.isVisible());
            });
        QCOMPARE(App().m_strPatientFile, std::string("101"));
        QCOMPARE(App().m_nSymptomCount, 2);
        QCOMPARE(App().m_szVisitDate, std::string("05/11/2002"));
        QCOMPARE(App().CurrentTemplate()->number, 2);
        QCOMPARE(App().MainFrame()->MdiArea()->subWindowList().size(), 1);
        const QString viewTitle = App().MainFrame()->MdiArea()->subWindowList().at(0)->windowTitle();
        QCOMPARE(App().MainFrame()->windowTitle(), QStringLiteral("Quillon - [%1]").arg(viewTitle));
        QVERIFY(App().MainFrame()->Action(ID_REPERTORISATION)->isEnabled());
        QVERIFY(App().MainFrame()->Action(ID_FOLLOWUP)->isEnabled());
        QVERIFY(g_sink->Messages().empty());
        // F2 closes the views, those registered under their keys too, before the dialog shows.
        App().RegisterView(kViewChart, App().MainFrame()->MdiArea()->subWindowList().at(0)->widget());
        WithModalDialog([&] { App().OnSelectPatient(); },
            [&](CSelectPatientDialog&) {
                QVERIFY(App().MainFrame()->MdiArea()->subWindowList().isEmpty());
                QVERIFY(App().m_mapOpenViews.empty());
            });
    }

    void cancelAfterSelectingMakesThePatientCurrentWithoutLoading()
    {
        WithModalDialog([&] { App().RunStartDialog(); },
            [&](CSelectPatientDialog& dialog) {
                ClickRow(dialog.List(), 1);
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
        QCOMPARE(App().m_strPatientFile, std::string("102"));
        QCOMPARE(App().m_strPhysicianName, std::string("Dr. Meera Iyer"));
        QCOMPARE(App().LiveCount(), 0);
        QVERIFY(App().MainFrame()->Action(ID_RECORDED_SYMPTOMS)->isEnabled());
        QVERIFY(App().MainFrame()->Action(ID_FULL_CASE_RECORD)->isEnabled());
        QVERIFY(!App().MainFrame()->Action(ID_REPERTORISATION)->isEnabled());
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

    void allocationFailureInAnEventIsReportedAndTheProgramGoesOn()
    {
        // A widget whose handling of one event runs out of memory, as a command's might.
        class Greedy final : public QWidget
        {
        public:
            bool event(QEvent* e) override
            {
                if (e->type() == QEvent::User)
                    throw std::bad_alloc();
                return QWidget::event(e);
            }
        };
        Greedy greedy;
        QEvent event(QEvent::User);
        QVERIFY(!QApplication::sendEvent(&greedy, &event));
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Insufficient memory"});
        QVERIFY(App().MainFrame()->isVisible());
    }

    void missingPatientIndexClosesTheDialogAsCancelled()
    {
        std::filesystem::rename(g_folder->Path() / "PatDet.txt", g_folder->Path() / "moved.txt");
        App().RunStartDialog(); // returns at once: no modal dialog is left open
        std::filesystem::rename(g_folder->Path() / "moved.txt", g_folder->Path() / "PatDet.txt");
        QCOMPARE(g_sink->Texts(), std::vector<std::string>{"Could load Patient Information"});
        QVERIFY(!QApplication::activeModalWidget());
    }

    // F1 shows the manual. Walking every link from the contents reaches every page of the manual, each link names
    // a page (and an anchor of it) that exists, and every picture loads.
    void helpKeyShowsTheManualWhoseLinksResolve()
    {
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F1);
        auto* viewer = App().MainFrame()->findChild<CHelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Quillon Help"));
        QTextBrowser* browser = viewer->Browser();
        const QDir folder(browser->source().adjusted(QUrl::RemoveFilename).toLocalFile());
        QStringList toVisit{QStringLiteral("index.html")};
        QSet<QString> visited;
        int pictures = 0;
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
        QVERIFY(pictures >= 3);
        viewer->close();
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

    // The manual opens over the middle of the main window, whole on its screen; its pictures are drawn from
    // copies scaled to the width the page gives them (not shrunk pixel by pixel at each paint); Esc closes it.
    void helpViewerOpensOverTheMainWindowAndEscClosesIt()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the viewer closed before
        App().MainFrame()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(App().MainFrame()));
        QTest::keyClick(App().MainFrame(), Qt::Key_F1);
        QPointer<CHelpViewer> viewer = App().MainFrame()->findChild<CHelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        const QRect frame = App().MainFrame()->frameGeometry();
        const QRect shown = viewer->frameGeometry();
        QVERIFY2((shown.center() - frame.center()).manhattanLength() <= 2,
            qPrintable(QStringLiteral("viewer at %1,%2 %3x%4 over %5,%6 %7x%8")
                           .arg(shown.x())
                           .arg(shown.y())
                           .arg(shown.width())
                           .arg(shown.height())
                           .arg(frame.x())
                           .arg(frame.y())
                           .arg(frame.width())
                           .arg(frame.height())));
        QVERIFY(viewer->screen()->availableGeometry().contains(shown));

        const struct
        {
            const char* page;
            int width; // as the page's img gives it
        } pictures[] = {{"index.html", 640}, {"chart.html", 720}, {"methods.html", 640}};
        QTextBrowser* browser = viewer->Browser();
        for (const auto& picture : pictures) {
            viewer->ShowPage(QString::fromLatin1(picture.page));
            QString name;
            for (QTextBlock block = browser->document()->begin(); block.isValid() && name.isEmpty();
                 block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it)
                    if (it.fragment().charFormat().isImageFormat())
                        name = it.fragment().charFormat().toImageFormat().name();
            QVERIFY2(!name.isEmpty(), picture.page);
            const QImage drawn
                = browser->document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
            QCOMPARE(drawn.width(), qRound(picture.width * browser->devicePixelRatioF()));
            QCOMPARE(drawn.height(), qRound(picture.width * 800 / 1280 * browser->devicePixelRatioF()));
        }

        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(!viewer);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    WritePractice(folder);
    RecordingMessageSink sink;
    g_folder = &folder;
    g_sink = &sink;
    return testing::RunInApp<TestAppShell>(argc, argv, folder.Path(), sink);
}

#include "TestAppShell.moc"
