// Chart painting benchmarks at 1920 x 1080: a full paint of the chart, specified and fitted to the window, and the
// partial repaint after a remedy scroll, both through the paint function the view uses, over the 40 largest Kent
// rubrics.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPainter.h"
#include "common/KentData.h"
#include "common/QtBenchMain.h"
#include "controls/Translation.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <memory>
#include <span>
#include <string>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 40;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

using Workload = bench::KentChart;

std::unique_ptr<Workload> MakeWorkload()
{
    auto work = std::make_unique<Workload>();
    bench::StartKentChart(*work, kSymptoms, kCatalogueSize);
    return work;
}

Workload* SharedWorkload()
{
    static const std::unique_ptr<Workload> work = MakeWorkload();
    return work.get();
}

// Everything the view's paint draws when the whole window is exposed: the specified 11 x 14 chart (fit 0), or
// the chart fitted to a maximised window of the screen, 1916 x 1047 (fit 1).
void BM_FullChartPaint(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty()) {
        state.SkipWithError(work->error.c_str());
        return;
    }
    const ChartArea fitted{kWidth - 4, kWidth - 4, kHeight - 33, true};
    const ChartGeometry geometry(kWidth, kHeight, state.range(0) ? fitted : ChartArea{});
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const ChartPaintState paintState;
    for (auto _ : state) {
        image.fill(kChartBackground);
        QPainter painter(&image);
        PaintChart(painter, geometry, *work->engine, paintState);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["remedies"] = work->engine->RemedyCount();
    state.counters["symptoms"] = work->engine->SymptomCount();
    state.counters["rows"] = geometry.VisibleSymptoms();
    state.counters["columns"] = geometry.RemedyColumnsInSight();
}
BENCHMARK(BM_FullChartPaint)
    ->ArgName("fit")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What a remedy scroll repaints: the grades, the two header rows and the slanted names, clipped to them.
void BM_RemedyScrollRepaint(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty()) {
        state.SkipWithError(work->error.c_str());
        return;
    }
    const ChartGeometry geometry(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kChartBackground);
    QRegion region(ToQRect(geometry.GradeArea()));
    region += ToQRect(geometry.HeaderRowArea());
    region += ToQRect(geometry.RemedyNameArea());
    ChartPaintState paintState;
    const int last = work->engine->RemedyCount() - kVisibleRemedies;
    for (auto _ : state) {
        paintState.remedyPosition
            = paintState.remedyPosition + kRemedyPage > last ? 0 : paintState.remedyPosition + kRemedyPage;
        QPainter painter(&image);
        painter.setClipRegion(region);
        for (const QRect& part : region)
            painter.fillRect(part, kChartBackground);
        PaintChart(painter, geometry, *work->engine, paintState, kPartGrades | kPartHeaderRows | kPartRemedyNames);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RemedyScrollRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    // The desktop's language, as the program chooses it at start-up: LANGUAGE=de measures the German window.
    InstallTranslations(app, QLocale(), QCoreApplication::applicationDirPath());
    return bench::RunBenchmarks(argc, argv);
}
