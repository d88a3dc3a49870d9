// The Drug List on a chart of 500 remedies with 8 searches, and the Full Remedy List of the largest Kent rubric
// with a change of its sort order: the dialogs themselves, built offscreen and driven as the user drives them.
#include "app/QuillonApp.h"
#include "casedata/SymptomRecord.h"
#include "common/KentData.h"
#include "common/QtBenchMain.h"
#include "reports/DrugListDialog.h"
#include "reports/FullRemedyListDialog.h"

#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr int kChartRemedies = 500;

CQuillonApp& App()
{
    return *CQuillonApp::Instance();
}

void BM_DrugListOpenAndSearch(benchmark::State& state)
{
    const bench::KentVisit kent = bench::MakeKentVisit(1, kCatalogueSize);
    if (!kent.error.empty()) {
        state.SkipWithError(kent.error.c_str());
        return;
    }
    const bench::BenchCatalogue& catalogue = kent.catalogue;
    std::vector<ChartRow> rows;
    for (const auto& [abbreviation, code] : catalogue.codeOf) {
        if (static_cast<int>(rows.size()) == kChartRemedies)
            break;
        const int n = static_cast<int>(rows.size());
        rows.push_back(ChartRow{code, abbreviation, 900 - n, 120 - n / 5});
    }
    const QStringList searches{QStringLiteral("n"), QStringLiteral("nux-v"), QStringLiteral("zzz"),
        QStringLiteral("SULPH"), QStringLiteral("calc-phosphorica"), QString(), QStringLiteral("Zinc"),
        QStringLiteral("a")};
    for (auto _ : state) {
        CDrugListDialog dialog(rows);
        for (const QString& text : searches)
            dialog.SearchEdit()->setText(text);
        benchmark::DoNotOptimize(dialog.Model().Count());
    }
    state.counters["remedies"] = static_cast<double>(rows.size());
}

void BM_FullRemedyListOpenAndSort(benchmark::State& state)
{
    const bench::KentVisit kent = bench::MakeKentVisit(1, kCatalogueSize);
    if (!kent.error.empty()) {
        state.SkipWithError(kent.error.c_str());
        return;
    }
    const bench::BenchCatalogue& catalogue = kent.catalogue;
    NullMessageSink sink;
    App().State().m_pRemedyCatalogue = catalogue.Load(sink);
    const fixtures::SymptomSpec& spec = kent.visit.symptoms.front();
    CSymptomRecord symptom;
    symptom.m_pszText = spec.text;
    for (const fixtures::RemedyGrade& remedy : spec.remedies) {
        const auto [high, low] = fixtures::EncodeRemedyCode(remedy.code);
        symptom.m_pRemedies.insert(symptom.m_pRemedies.end(), {std::uint8_t('0' + remedy.grade), high, low});
    }
    symptom.m_nRemedyCount = static_cast<int>(spec.remedies.size());
    for (auto _ : state) {
        CFullRemedyListDialog dialog(
            App().State().Patient(), App().State().Catalogue(), App().Sink(), App().Choices(), symptom);
        dialog.RemedyButton()->click();
        benchmark::DoNotOptimize(dialog.Model().Count());
    }
    state.counters["remedies"] = static_cast<double>(symptom.m_nRemedyCount);
}

BENCHMARK(BM_DrugListOpenAndSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FullRemedyListOpenAndSort)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    NullMessageSink sink;
    CQuillonApp app(argc, argv, CPracticeFolder("."), &sink);
    return bench::RunBenchmarks(argc, argv);
}
