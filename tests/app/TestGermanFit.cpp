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

std::shared_ptr<CCaseBook> Book()
{
    return CCaseBook::Open(":memory:", *g_sink);
}

const std::map<QString, Opener>& Openers()
{
    static const PracticeIdentity practice{"practice", "Dr"};
    static const std::map<QString, Opener> openers{
        {u"Chart"_s,
            [](CRepView& view) {
                return Opened{nullptr, nullptr, &view};
            }},
        {u"Main window"_s,
            [](CRepView&) {
                return Opened{nullptr, nullptr, App().MainFrame()};
            }},
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
                auto book = Book();
                return Make<COpenAnalysisDialog>(book, *book, practice, "1001", g_choices);
            }},
        {u"Case Book"_s,
            [](CRepView&) {
                auto book = Book();
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
        const QStringList cut = testing::TextsThatDoNotFit(window);
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
