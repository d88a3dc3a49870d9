// Every dialog of the program in German (CTest sets LANGUAGE=de), on the sample practice: each label, button, box
// title, list box and table heading shows its whole text in the room its widget gives it.
#include "TestConfig.h"
#include "app/AboutDialog.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "casebook/CaseBookHistory.h"
#include "chart/ChartFixture.h"
#include "chart/WeightageDialog.h"
#include "controls/Translation.h"
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
#include "support/TempFolder.h"
#include "support/TextFit.h"
#include "support/WidgetTest.h"
#include "symptoms/RecordedSymptomsDialog.h"
#include "symptoms/SelectPatientDialog.h"
#include "symptoms/UndeleteDialog.h"

#include <QTest>

#include <functional>
#include <map>

using namespace quillon;
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

const std::map<QString, Opener>& Openers()
{
    static const std::map<QString, Opener> openers{
        {QStringLiteral("Chart"),
            [](CRepView& view) {
                return Opened{nullptr, nullptr, &view};
            }},
        {QStringLiteral("Main window"),
            [](CRepView&) {
                return Opened{nullptr, nullptr, App().MainFrame()};
            }},
        {QStringLiteral("Select Patient"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CSelectPatientDialog>(App())};
            }},
        {QStringLiteral("Recorded Symptoms"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CRecordedSymptomsDialog>(App(), g_choices, 0)};
            }},
        {QStringLiteral("Symptom List"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CRecordedSymptomsDialog>(App(), g_choices, 1)};
            }},
        {QStringLiteral("Undelete"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CUndeleteDialog>(App())};
            }},
        {QStringLiteral("Weightage"),
            [](CRepView&) {
                auto model = std::make_shared<CWeightageModel>(App().m_mapRepSymptoms, std::vector<IntensityEntry>{});
                return Opened{model, std::make_unique<CWeightageDlg>(*model)};
            }},
        {QStringLiteral("Drug Filter"),
            [](CRepView&) {
                auto model = std::make_shared<CDrugFilterModel>();
                return Opened{model, std::make_unique<CDrugFilterDlg>(*model)};
            }},
        {QStringLiteral("Plant Filter"),
            [](CRepView& view) {
                return Opened{nullptr, std::make_unique<CPlantFilterDlg>(App().m_folder, ChartRemedies(view), *g_sink)};
            }},
        {QStringLiteral("Animal Filter"),
            [](CRepView& view) {
                return Opened{
                    nullptr, std::make_unique<CAnimalFilterDlg>(App().m_folder, ChartRemedies(view), *g_sink)};
            }},
        {QStringLiteral("Mineral Filter"),
            [](CRepView& view) {
                auto state = std::make_shared<KingdomFilterState>();
                return Opened{
                    state, std::make_unique<CMineralFilterDlg>(App().m_folder, ChartRemedies(view), *g_sink, *state)};
            }},
        {QStringLiteral("Drug List"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CDrugListDialog>(App())};
            }},
        {QStringLiteral("Full Remedy List"),
            [](CRepView& view) {
                return Opened{
                    nullptr, std::make_unique<CFullRemedyListDialog>(App(), g_choices, *view.Engine().Symptom(0))};
            }},
        {QStringLiteral("Symptom Covered"),
            [](CRepView& view) {
                return Opened{nullptr,
                    std::make_unique<CSymptomCoverDlg>(
                        App(), &view.Engine(), view.Engine().SortedRemedy(0)->code, g_choices, *g_sink)};
            }},
        {QStringLiteral("Materia Medica"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CConvertDialog>(App())};
            }},
        {QStringLiteral("Compare with Visit"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CCompareVisitsDialog>(App(), g_choices, 0)};
            }},
        {QStringLiteral("Stability"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CStabilityDialog>(App(), g_choices)};
            }},
        {QStringLiteral("Strategies"),
            [](CRepView& view) {
                return Opened{
                    nullptr, std::make_unique<CStrategiesDialog>(App(), g_choices, view.Engine(), view.Methods())};
            }},
        {QStringLiteral("Families"),
            [](CRepView& view) {
                return Opened{nullptr,
                    std::make_unique<CFamiliesDialog>(App(), g_choices, view.Engine(), [](const ChartCommand&) {})};
            }},
        {QStringLiteral("Save Analysis"),
            [](CRepView&) {
                return Opened{nullptr, std::make_unique<CSaveAnalysisDialog>(QString(), QString())};
            }},
        {QStringLiteral("Record Prescription"),
            [](CRepView&) {
                return Opened{nullptr,
                    std::make_unique<CPrescriptionDialog>(QStringLiteral("Sulph."), QStringLiteral("Erster Blick"))};
            }},
        {QStringLiteral("Open Analysis"),
            [](CRepView&) {
                std::shared_ptr<CCaseBook> book = CCaseBook::Open(":memory:", *g_sink);
                return Opened{book,
                    std::make_unique<COpenAnalysisDialog>(
                        *book, PracticeIdentity{"practice", "Dr"}, "1001", g_choices)};
            }},
        {QStringLiteral("Case Book"),
            [](CRepView&) {
                std::shared_ptr<CCaseBook> book = CCaseBook::Open(":memory:", *g_sink);
                auto page = std::make_unique<CHistoryPage>(
                    *book, PatientIdentity{PracticeIdentity{"practice", "Dr"}, "1001", "Anna Berger"});
                return Opened{book,
                    std::make_unique<CCaseBookDialog>(std::move(page), QStringList{QStringLiteral("Anna Berger")},
                        QStringLiteral("Fallbuch"), g_choices, *g_sink)};
            }},
        {QStringLiteral("About"),
            [](CRepView&) {
                return Opened{
                    nullptr, std::make_unique<CAboutDialog>(QString::fromStdString(App().m_folder.Root().string()))};
            }},
    };
    return openers;
}

} // namespace

class TestGermanFit final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QStringList cut;
        for (const testing::FitProblem& problem : testing::TextsThatDoNotFit(window))
            cut << QStringLiteral("%1 needs %2 px, has %3").arg(problem.what).arg(problem.needed).arg(problem.room);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        opened.dialog.reset();
    }
};

int main(int argc, char** argv)
{
    testing::TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    RecordingMessageSink sink;
    g_sink = &sink;
    CQuillonApp app(argc, argv, CPracticeFolder(folder.Path()), &sink, &g_choices);
    if (!InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath())) {
        qCritical("no German translation found");
        return 1;
    }
    app.InitInstance();
    TestGermanFit test;
    const int status = QTest::qExec(&test, argc, argv);
    SetTextTranslator(nullptr);
    return status;
}

#include "TestGermanFit.moc"
