// The symptoms-covered report and the chart's exports over the 127 largest Kent rubrics (498 remedies): the report's
// two lists for the top remedy, the whole chart as CSV and as a PDF file.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "chart/ChartCsv.h"
#include "chart/ChartPagePainter.h"
#include "common/KentData.h"
#include "common/QtBenchMain.h"
#include "controls/Translation.h"
#include "engine/RepEngine.h"
#include "reports/SymptomCover.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 127;

using Workload = bench::KentChart;

Workload* SharedWorkload()
{
    static const std::unique_ptr<Workload> work = [] {
        auto made = std::make_unique<Workload>();
        bench::StartKentChart(*made, kSymptoms, kCatalogueSize);
        return made;
    }();
    return work.get();
}

bool Ready(benchmark::State& state, Workload* work)
{
    if (work->error.empty())
        return true;
    state.SkipWithError(work->error.c_str());
    return false;
}

void Describe(benchmark::State& state, const Workload* work)
{
    state.counters["remedies"] = work->engine->RemedyCount();
    state.counters["symptoms"] = work->engine->SymptomCount();
}

// The dialog's lists for the chart's first row.
void BM_CoverReport(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!Ready(state, work))
        return;
    const RemedyResult* top = work->engine->SortedRemedy(0);
    const CoverRemedy remedy{top->name, top->code};
    for (auto _ : state) {
        SymptomCoverReport report = BuildSymptomCover(work->store->m_mapRepSymptoms, remedy, work->catalogue.get());
        benchmark::DoNotOptimize(report.covered.data());
    }
    Describe(state, work);
}
BENCHMARK(BM_CoverReport)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ChartCsv(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!Ready(state, work))
        return;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = ChartCsv(*work->engine, work->catalogue.get());
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    Describe(state, work);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ChartCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The printed chart of the 127 largest rubrics (about 500 remedies) as the PDF file File > Save Chart as PDF
// writes: the page layout, the painting and the file.
void BM_ChartPdf(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!Ready(state, work))
        return;
    const QString file = QDir::temp().filePath(QStringLiteral("quillon-bench-chart.pdf"));
    const ChartPagesHeader header{"Anna Berger", "1001", "05/11/2002", "Repertorisation: Normal"};
    for (auto _ : state) {
        if (const auto failure = WriteChartPdf(file, *work->engine, header)) {
            state.SkipWithError(failure->toUtf8().constData());
            break;
        }
    }
    Describe(state, work);
    const CPageFonts fonts;
    state.counters["pages"] = static_cast<double>(
        LayOutChartFor(PdfPageLayout(QPageLayout::Landscape), *work->engine, header, fonts).pages.size());
    state.counters["bytes"] = static_cast<double>(QFileInfo(file).size());
    QFile::remove(file);
}
BENCHMARK(BM_ChartPdf)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    // The desktop's language, as the program chooses it at start-up: LANGUAGE=de measures the German window.
    InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath());
    return bench::RunBenchmarks(argc, argv);
}
