// The program under a German locale (CTest sets LANGUAGE=de), on the sample practice: the translation file found
// beside the programs and installed as the program does at start-up; the menus, a dialog and the messages (the
// window's and the core's) read in German; and every dialog shows each label, button, box title, list box and table
// heading whole in the room its widget gives it.
#include "TestConfig.h"
#include "app/AboutDialog.h"
#include "app/MainFrame.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "casebook/CaseBookHistory.h"
#include "casebook/CaseBookJson.h"
#include "casedata/CountedText.h"
#include "casedata/Translatable.h"
#include "chart/ChartFixture.h"
#include "chart/WeightageDialog.h"
#include "controls/DisplayText.h"
#include "controls/Translation.h"
#include "engine/ChartRows.h"
#include "filters/ClassFilterDialog.h"
#include "filters/DrugFilterDialog.h"
#include "filters/MineralFilterDialog.h"
#include "followup/FollowUpDialogs.h"
#include "materiamedica/ConvertDialog.h"
#include "readings/ReadingsDialogs.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"
#include "reports/SymptomCoverDialog.h"
#include "sample/SampleGenerator.h"
#include "support/AppTest.h"
#include "support/TextFit.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/SelectPatientDialog.h"
#include "symptoms/UndeleteDialog.h"

#include <QAction>
#include <QMenuBar>
#include <QTableView>

#include <map>

using namespace quillon;
using namespace Qt::StringLiterals;
using quillon::testing::App;

namespace {

RecordingMessageSink* g_sink = nullptr;
testing::ScriptedChoices g_choices;

// A window to measure (the dialog made here, or a window the application shows) and what must outlive it.
struct Opened
{
    std::shared_ptr<void> keep;
    std::unique_ptr<QWidget> dialog;
    QWidget* shown = nullptr;
};

std::vector<FilterRemedy> ChartRemedies(const CRepView& view)
{
    std::vector<FilterRemedy> remedies;
    for (const auto& [key, result] : view.Engine().Results())
        remedies.push_back(FilterRemedy{key, result->code, result->name});
    return remedies;
}

using Opener = std::function<Opened(CRepView&)>;

// The dialog D made of `args`, with `keep` outliving it.
template <typename D, typename... Args> Opened Make(std::shared_ptr<void> keep, Args&&... args)
{
    return Opened{std::move(keep), std::make_unique<D>(std::forward<Args>(args)...)};
}

const std::map<QString, Opener>& Openers()
{
    static const PracticeIdentity practice{"practice", "Dr"};
    static const std::map<QString, Opener> openers{
        {u"Chart"_s, [](CRepView& view) { return Opened(nullptr, nullptr, &view); }},
        {u"Main window"_s, [](CRepView&) { return Opened(nullptr, nullptr, App().MainFrame()); }},
        {u"Select Patient"_s, [](CRepView&) { return Make<CSelectPatientDialog>(nullptr, App().State()); }},
        {u"Recorded Symptoms"_s,
            [](CRepView&) { return Make<CRecordedSymptomsDialog>(nullptr, App().State(), g_choices, 0); }},
        {u"Symptom List"_s,
            [](CRepView&) { return Make<CRecordedSymptomsDialog>(nullptr, App().State(), g_choices, 1); }},
        {u"Undelete"_s, [](CRepView&) { return Make<CUndeleteDialog>(nullptr, App().State()); }},
        {u"Weightage"_s,
            [](CRepView&) {
                auto model
                    = std::make_shared<CWeightageModel>(App().State().m_mapRepSymptoms, std::vector<IntensityEntry>{});
                return Make<CWeightageDlg>(model, *model);
            }},
        {u"Drug Filter"_s,
            [](CRepView&) {
                auto model = std::make_shared<CDrugFilterModel>();
                return Make<CDrugFilterDlg>(model, *model);
            }},
        {u"Plant Filter"_s,
            [](CRepView& view) {
                return Make<CPlantFilterDlg>(nullptr, App().State().m_folder, ChartRemedies(view), *g_sink);
            }},
        {u"Animal Filter"_s,
            [](CRepView& view) {
                return Make<CAnimalFilterDlg>(nullptr, App().State().m_folder, ChartRemedies(view), *g_sink);
            }},
        {u"Mineral Filter"_s,
            [](CRepView& view) {
                auto state = std::make_shared<KingdomFilterState>();
                return Make<CMineralFilterDlg>(state, App().State().m_folder, ChartRemedies(view), *g_sink, *state);
            }},
        {u"Drug List"_s, [](CRepView& view) { return Make<CDrugListDialog>(nullptr, ChartRows(view.Engine())); }},
        {u"Full Remedy List"_s,
            [](CRepView& view) {
                return Make<CFullRemedyListDialog>(nullptr, App().State().Patient(), App().State().Catalogue(), *g_sink,
                    g_choices, *view.Engine().Symptom(0));
            }},
        {u"Symptom Covered"_s,
            [](CRepView& view) {
                return Make<CSymptomCoverDlg>(
                    nullptr, App().State(), &view.Engine(), view.Engine().SortedRemedy(0)->code, g_choices, *g_sink);
            }},
        {u"Materia Medica"_s,
            [](CRepView& view) { return Make<CConvertDialog>(nullptr, App().State(), ChartRows(view.Engine())); }},
        {u"Compare with Visit"_s,
            [](CRepView&) { return Make<CCompareVisitsDialog>(nullptr, App().State(), g_choices, 0); }},
        {u"Stability"_s, [](CRepView&) { return Make<CStabilityDialog>(nullptr, App().State(), g_choices); }},
        {u"Strategies"_s,
            [](CRepView& view) {
                return Make<CStrategiesDialog>(nullptr, App().State(), g_choices, view.Engine(), view.Methods());
            }},
        {u"Families"_s,
            [](CRepView& view) {
                return Make<CFamiliesDialog>(
                    nullptr, App().State(), g_choices, view.Engine(), [](const ChartCommand&) {});
            }},
        {u"Save Analysis"_s, [](CRepView&) { return Make<CSaveAnalysisDialog>(nullptr, QString(), QString()); }},
        {u"Record Prescription"_s,
            [](CRepView&) { return Make<CPrescriptionDialog>(nullptr, u"Sulph."_s, u"Erster Blick"_s); }},
        {u"Open Analysis"_s,
            [](CRepView&) {
                std::shared_ptr<CCaseBook> book = CCaseBook::Open(":memory:", *g_sink);
                return Make<COpenAnalysisDialog>(book, *book, practice, "1001", g_choices);
            }},
        {u"Case Book"_s,
            [](CRepView&) {
                std::shared_ptr<CCaseBook> book = CCaseBook::Open(":memory:", *g_sink);
                auto page = std::make_unique<CHistoryPage>(*book, PatientIdentity{practice, "1001", "Anna Berger"});
                return Make<CCaseBookDialog>(
                    book, std::move(page), QStringList{u"Anna Berger"_s}, u"Fallbuch"_s, g_choices, *g_sink);
            }},
        {u"About"_s,
            [](CRepView&) {
                return Make<CAboutDialog>(nullptr, QString::fromStdString(App().State().m_folder.Root().string()));
            }},
    };
    return openers;
}

} // namespace

class TestTranslation final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { g_sink->Clear(); }

    void menusSpeakGerman()
    {
        QCOMPARE(App().MainFrame()->menuBar()->actions().value(0)->text(), QStringLiteral("&Datei"));
        // A plain command, one with a function key and one with Ctrl: the label is the command alone; the menu
        // shows the key as the desktop's language names it.
        const struct
        {
            const char* id;
            const char* label;
            const char* key;
        } actions[] = {
            {"selectPatient", "&Patient auswählen", "F2"},
            {"exit", "Bee&nden", ""},
            {"openFolder", "Praxisordner ö&ffnen…", "Strg+O"},
        };
        for (const auto& action : actions) {
            const QAction* shown = App().MainFrame()->Action(action.id);
            QCOMPARE(shown->text(), QString::fromUtf8(action.label));
            QCOMPARE(shown->shortcut().toString(QKeySequence::NativeText), QString::fromUtf8(action.key));
        }
        // No command of any menu carries its key in its label, nor three dots for the ellipsis.
        QStringList written;
        for (QAction* menu : App().MainFrame()->menuBar()->actions())
            for (QAction* action : menu->menu()->actions())
                if (action->text().contains(QLatin1Char('\t')) || action->text().contains(QLatin1String("Strg"))
                    || action->text().contains(QLatin1String("Ctrl")) || action->text().contains(QLatin1String("...")))
                    written << action->text();
        QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char('|'))));
    }

    void selectPatientDialogAndItsMessageSpeakGerman()
    {
        testing::WithShown<CSelectPatientDialog>([] { App().RunStartDialog(); },
            [](CSelectPatientDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Patient auswählen"));
                QPushButton* ok = testing::ButtonWithText(&dialog, QStringLiteral("OK"));
                QVERIFY(ok);
                // OK without a row: the message the window shows, translated by its sink.
                QTest::mouseClick(ok, Qt::LeftButton);
                QCOMPARE(g_sink->Texts(),
                    std::vector<std::string>{ToData(QString::fromUtf8(
                        "Wählen Sie zuerst einen Patienten: Klicken Sie auf eine Zeile, oder tippen Sie einen Teil des "
                        "Namens oder die Registriernummer unter Suchen ein und drücken Sie Pfeil nach unten. Drücken "
                        "Sie dann OK."))});
                // A patient whose visit file holds no visit: the core's message, in the data's code page.
                const QModelIndex empty = dialog.List()->model()->match(
                    dialog.List()->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("1002"))[0];
                const QRect row = dialog.List()->visualRect(empty.siblingAtColumn(1));
                QTest::mouseClick(dialog.List()->viewport(), Qt::LeftButton, {}, row.center());
                QTest::keyClick(dialog.List(), Qt::Key_Return);
                QCOMPARE(g_sink->Texts().back(), std::string("Symptome nicht verf\xFCgbar")); // one byte for the ü
                dialog.reject();
            });
    }

    // A counted text takes the German form of its number, singular and plural, in the import's message (the English
    // forms are the command-line tool's, tested there).
    void countedTextsTakeTheFormOfTheirNumber()
    {
        ImportSummary summary;
        summary.added = 1;
        summary.prescriptions = 2;
        const QString message = FromData(ImportSummaryMessage(summary));
        QVERIFY2(message.startsWith(QString::fromUtf8("Fallbuch importiert: 1 Analyse hinzugefügt, 0 durch")),
            qPrintable(message));
        QVERIFY2(message.endsWith(QString::fromUtf8(", 2 Verordnungen hinzugefügt.")), qPrintable(message));
    }

    void aLanguageWithoutTranslationChangesNothing()
    {
        const std::string before = translate(kMessageContext, "Insufficient memory");
        QVERIFY(before != "Insufficient memory");
        QVERIFY(!InstallTranslations(
            App(), QLocale(QLocale::French, QLocale::France), QCoreApplication::applicationDirPath()));
        QCOMPARE(translate(kMessageContext, "Insufficient memory"), before);
        QCOMPARE(App().MainFrame()->Action("exit")->text(), QString::fromUtf8("Bee&nden"));
    }

    void everyTextFitsItsWidget_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const auto& [name, opener] : Openers())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyTextFitsItsWidget()
    {
        QFETCH(QString, dialog);
        CRepView* view = testing::OpenChartOf("1001", "Anna Berger", *g_sink);
        QVERIFY(view);
        Opened opened = Openers().at(dialog)(*view);
        QWidget* window = opened.dialog ? opened.dialog.get() : opened.shown;
        QVERIFY(testing::Shown(*window));
        // The German is there: a window that kept its English would measure nothing of interest.
        QVERIFY2(
            QCoreApplication::translate("quillon::CSelectPatientDialog", "Visit Date") != QLatin1String("Visit Date"),
            "no German loaded");
        const QStringList cut = testing::TextsThatDoNotFit(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        opened.dialog.reset();
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    folder.Write("1002.rsy", "RSYFILE1"); // a visit file without visits
    RecordingMessageSink sink;
    g_sink = &sink;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink, &g_choices);
    // As the program starts: the file of the desktop's language, installed before the first window is made.
    if (!InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath())) {
        qCritical("no German translation found in %s",
            qPrintable(TranslationFolders(QCoreApplication::applicationDirPath()).join(QLatin1Char(' '))));
        return 1;
    }
    app.InitInstance();
    TestTranslation test;
    const int status = QTest::qExec(&test, argc, argv);
    SetTextTranslator(nullptr);
    SetCountTranslator(nullptr);
    return status;
}

#include "TestTranslation.moc"
