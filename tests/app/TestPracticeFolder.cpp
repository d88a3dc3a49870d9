// Practice folders: the one given on the command line, File > Open Practice Folder (Ctrl+O) and the recent
// folders. Settings live in a scratch folder.
#include "app/AboutDialog.h"
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "fixtures/CaseWriters.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "support/WidgetTest.h"
#include "symptoms/SelectPatientDialog.h"

#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTest>

using namespace quillon;
using namespace quillon::fixtures;
using quillon::testing::WithShown;
namespace fs = std::filesystem;

namespace {

fs::path g_root;
RecordingMessageSink g_sink;
testing::ScriptedChoices g_choices;

// The physician, the patients and the only remedy carry the tag; patient 1 has one visit, patient 2 two.
QString WritePractice(const std::string& name, const std::string& tag)
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
    WithShown<CSelectPatientDialog>(
        [&] { QVERIFY(CQuillonApp::Instance()->OpenPracticeFolder(folder)); }, [](auto&) {});
}

} // namespace

class TestPracticeFolder final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { g_sink.Clear(); }

    void commandLineFolderShowsItsPatients()
    {
        WithShown<CSelectPatientDialog>([] { CQuillonApp::Instance()->RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                QCOMPARE(dialog.PhysicianLabel()->text(), QStringLiteral("Dr. A"));
                QCOMPARE(dialog.List()->model()->index(1, 1).data().toString(), QStringLiteral("A Two"));
            });
    }

    void ctrlOSwitchesOrRefuses_data()
    {
        QTest::addColumn<QString>("removed"); // "/PatDet.txt": that file is chosen instead of the folder
        QTest::addColumn<QString>("refusal"); // %1: the folder; empty: opened
        const QString lacks = QStringLiteral("The folder \"%1\" cannot be opened as a practice folder: ");
        QTest::newRow("complete") << QString() << QString();
        QTest::newRow("drugl.dat") << QStringLiteral("drugl.dat") << lacks + QStringLiteral("drugl.dat is missing.");
        QTest::newRow("two") << QStringLiteral("drug.dat fulldrug.txt")
                             << lacks + QStringLiteral("drug.dat and fulldrug.txt are missing.");
        QTest::newRow("file") << QStringLiteral("/PatDet.txt") << QStringLiteral("\"%1/PatDet.txt\" is not a folder.");
    }

    void ctrlOSwitchesOrRefuses()
    {
        QFETCH(QString, removed);
        QFETCH(QString, refusal);
        auto* app = CQuillonApp::Instance();
        const QString previous = WritePractice("previous", "A");
        WithShown<CSelectPatientDialog>([&] { app->OpenPracticeFolder(previous); },
            [](CSelectPatientDialog& dialog) {
                dialog.List()->selectRow(0);
                QTest::keyClick(dialog.List(), Qt::Key_Return);
            });
        const QPointer<QWidget> chart = app->OpenView(kViewChart);

        const QString target = WritePractice(QTest::currentDataTag(), "B");
        for (const QString& name : removed.split(u' ', Qt::SkipEmptyParts))
            fs::remove(target.toStdString() + "/" + name.toStdString());
        g_choices.folder = removed.startsWith(u'/') ? target + removed : target;
        CMainFrame* frame = app->MainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        const auto ctrlO = [&] { QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier); };
        if (!refusal.isEmpty()) {
            ctrlO();
            QCOMPARE(g_sink.Texts(), std::vector<std::string>{refusal.arg(target).toStdString()});
            QVERIFY(chart && app->State().m_strPatientFile == "1"
                && app->State().m_pRemedyCatalogue->Entry(0)->fullName == "A remedy");
            return;
        }
        WithShown<CSelectPatientDialog>(
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
            OpenAndCancel(folders.emplace_back(WritePractice("recent" + std::to_string(i), "R")));
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
        WithShown<CSelectPatientDialog>(
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
            WithShown<CAboutDialog>([app] { app->OnAbout(); },
                [&](CAboutDialog& about) { QVERIFY2(about.Text()->text().contains(folder), qPrintable(folder)); });
        };
        const QString notAFolder = QStringLiteral("\"%1/nowhere\" is not a folder.").arg(whole);
        for (const auto& [given, refusal] :
            {std::pair{QStringLiteral("nowhere"), notAFolder}, {QString(), lacks.arg(whole)}}) {
            QDir::setCurrent(whole);
            g_sink.Clear();
            app->UseStartFolder(given);
            app->RunStartDialog();
            QCOMPARE(g_sink.Texts(), std::vector<std::string>{refusal.toStdString()});
            aboutSays(QStringLiteral("Practice folder:</b> none open"));
        }
        const QString practice = WritePractice("reopened", "C");
        OpenAndCancel(practice);
        aboutSays(QStringLiteral("Practice folder:</b> ") + practice);
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder scratch;
    g_root = scratch.Path();
    QSettings::setPath(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString((g_root / "settings").string()));
    CQuillonApp app(argc, argv, CPracticeFolder("."), &g_sink, &g_choices);
    app.UseStartFolder(ParseCommandLine({QStringLiteral("quillon"), WritePractice("a", "A")}).folder);
    app.InitInstance();
    TestPracticeFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPracticeFolder.moc"
