// Practice folders: the one given on the command line, File > Open Practice Folder (Ctrl+O), the recent
// folders and the visit remembered per patient. Settings live in a scratch folder.
#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/MainFrame.h"
#include "app/QuillonApp.h"
#include "app/UserChoices.h"
#include "casedata/SelectPatientDialog.h"
#include "fixtures/CaseWriters.h"
#include "support/TempFolder.h"
#include "symptoms/RecordedSymptomsDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace quillon;
using namespace quillon::fixtures;
namespace fs = std::filesystem;

namespace {

struct FolderChoices final : IUserChoices
{
    std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    bool ChoosePrinter(QWidget*, QPrinter&) override { return false; }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override { return m_answer; }
    QString m_answer;
};

fs::path g_root;
RecordingMessageSink g_sink;
FolderChoices g_choices;

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

template <typename Dialog> void WithModal(const std::function<void()>& open, const std::function<void(Dialog*)>& body)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        ran = true;
        if (body)
            body(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    QVERIFY(ran);
}

void OpenAndCancel(const QString& folder)
{
    WithModal<CSelectPatientDialog>([&] { QVERIFY(CQuillonApp::Instance()->OpenPracticeFolder(folder)); }, {});
}

} // namespace

class TestPracticeFolder final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { g_sink.Clear(); }

    void commandLineFolderShowsItsPatients()
    {
        WithModal<CSelectPatientDialog>([] { CQuillonApp::Instance()->RunStartDialog(); },
            [](CSelectPatientDialog* dialog) {
                QCOMPARE(dialog->PhysicianLabel()->text(), QStringLiteral("Dr. A"));
                QCOMPARE(dialog->List()->item(1, 1)->text(), QStringLiteral("A Two"));
            });
        QCOMPARE(CAppSettings().RecentFolders(), QStringList{QString::fromStdString((g_root / "a").string())});
    }

    void ctrlOSwitchesOrRefuses_data()
    {
        QTest::addColumn<QStringList>("removed"); // "*": the folder's patient index is chosen instead
        QTest::addColumn<QString>("refusal"); // %1: the folder; empty: opened
        const QString lacks = QStringLiteral("The folder \"%1\" cannot be opened as a practice folder: ");
        QTest::newRow("complete") << QStringList{} << QString();
        for (const QString& name : QStringLiteral("PatDet.txt drug.dat drugl.dat fulldrug.txt").split(u' '))
            QTest::newRow(qPrintable(name)) << QStringList{name} << lacks + name + QStringLiteral(" is missing.");
        QTest::newRow("catalogue") << QStringList{QStringLiteral("drug.dat"), QStringLiteral("fulldrug.txt")}
                                   << lacks + QStringLiteral("drug.dat and fulldrug.txt are missing.");
        QTest::newRow("file") << QStringList{QStringLiteral("*")}
                              << QStringLiteral("\"%1/PatDet.txt\" is not a folder.");
    }

    void ctrlOSwitchesOrRefuses()
    {
        QFETCH(QStringList, removed);
        QFETCH(QString, refusal);
        auto* app = CQuillonApp::Instance();
        const QString previous = WritePractice("previous", "A");
        WithModal<CSelectPatientDialog>([&] { app->OpenPracticeFolder(previous); },
            [](CSelectPatientDialog* dialog) {
                dialog->List()->selectRow(0);
                QTest::keyClick(dialog->List(), Qt::Key_Return);
            });
        const QPointer<QWidget> chart = app->OpenView(kViewChart);
        QVERIFY(chart);

        const QString target = WritePractice(QTest::currentDataTag(), "B");
        for (const QString& name : removed)
            fs::remove(target.toStdString() + "/" + name.toStdString());
        g_choices.m_answer = removed.contains(QStringLiteral("*")) ? target + QStringLiteral("/PatDet.txt") : target;
        CMainFrame* frame = app->MainFrame();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        const auto ctrlO = [&] { QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier); };
        if (!refusal.isEmpty()) {
            ctrlO();
            QCOMPARE(g_sink.Texts(), std::vector<std::string>{refusal.arg(target).toStdString()});
            QVERIFY(chart && app->m_strPatientFile == "1" && app->m_pRemedyCatalogue->Entry(0)->fullName == "A remedy");
            return;
        }
        WithModal<CSelectPatientDialog>(
            ctrlO, [](auto* dialog) { QCOMPARE(dialog->PhysicianLabel()->text(), QStringLiteral("Dr. B")); });
        QVERIFY(!chart);
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty() && app->m_mapOpenViews.empty());
        QVERIFY(app->m_strPatientFile.empty() && app->m_mapSymptoms.empty() && app->m_mapRepSymptoms.empty());
        QCOMPARE(app->m_pRemedyCatalogue->Entry(0)->fullName, std::string("B remedy"));
        QCOMPARE(QDir::currentPath(), target);
        QVERIFY(g_sink.Messages().empty());
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
        WithModal<CSelectPatientDialog>([&] { app->MainFrame()->RecentFoldersMenu()->actions().at(3)->trigger(); }, {});
        QCOMPARE(QString::fromStdString(app->m_folder.Root().string()), folders[3]);
        QVERIFY(menuIs({3, 2, 5, 4, 1}));
        QCOMPARE(CAppSettings().LastFolder(), folders[3]);
    }

    void lastVisitIsRememberedPerPatientAndFolder()
    {
        auto* app = CQuillonApp::Instance();
        const auto recordedSymptoms = [&](const QString& folder, int chosen, int expected) {
            OpenAndCancel(folder);
            app->m_strPatientFile = "2";
            WithModal<CRecordedSymptomsDialog>([&] { app->OnRecordedSymptoms(); },
                [&](CRecordedSymptomsDialog* dialog) {
                    QCOMPARE(dialog->VisitList()->currentIndex(), expected);
                    QCOMPARE(app->m_szVisitDate, app->m_arrVisitDates[std::size_t(expected)]);
                    if (chosen != expected)
                        QTest::keyClick(dialog->VisitList(), chosen > expected ? Qt::Key_Down : Qt::Key_Up);
                });
        };
        const QString first = WritePractice("visits1", "V"), second = WritePractice("visits2", "V");
        for (const auto& [folder, chosen, expected] :
            {std::tuple{first, 1, 0}, {first, 1, 1}, {second, 0, 0}, {first, 0, 1}, {first, 0, 0}})
            recordedSymptoms(folder, chosen, expected);
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
    app.RememberVisits();
    app.InitInstance();
    TestPracticeFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestPracticeFolder.moc"
