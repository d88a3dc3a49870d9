// Materia medica benchmarks over a visit of the 127 largest Kent rubrics: the Complete listing of the chart's
// first 10 remedies, one full paint of the page at 1920 x 1080 and one repaint of the magnifying glass's lens.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "common/KentData.h"
#include "common/QtBenchMain.h"
#include "engine/RepEngine.h"
#include "magnifier/Magnifier.h"
#include "materiamedica/MateriaMedicaListing.h"
#include "materiamedica/MateriaMedicaPainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 127;
constexpr int kRemedies = 10;
const QSize kScreen(1920, 1080);

struct Workload : bench::KentChart
{
    CMateriaMedicaRequest request;
};

Workload* SharedWorkload()
{
    static const std::unique_ptr<Workload> shared = [] {
        auto work = std::make_unique<Workload>();
        bench::StartKentChart(*work, kSymptoms, kCatalogueSize);
        if (!work->error.empty())
            return work;
        if (work->engine->RemedyCount() < kRemedies) {
            work->error = "the chart has too few remedies";
            return work;
        }
        for (int r = 0; r < kRemedies; ++r)
            work->request.m_arrSelectedCodes.push_back(work->engine->SortedRemedy(r)->code);
        return work;
    }();
    return shared.get();
}

MateriaMedicaListing Listing(const Workload& work)
{
    return BuildMateriaMedica(work.request, work.store->m_mapRepSymptoms, work.catalogue.get());
}

void BM_CompleteMateriaMedica(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty())
        return state.SkipWithError(work->error.c_str());
    for (auto _ : state)
        benchmark::DoNotOptimize(Listing(*work));
    state.counters["lines"] = Listing(*work).RetainedCount();
}
BENCHMARK(BM_CompleteMateriaMedica)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Everything the view draws when it is exposed at 1920 x 1080.
void BM_FullPagePaint(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty())
        return state.SkipWithError(work->error.c_str());
    const MateriaMedicaListing listing = Listing(*work);
    CMateriaMedicaCursor cursor;
    cursor.Reset(listing.RetainedCount(), listing.drugCount);
    const RowLayout layout = RowLayout::Build();
    QImage image(kScreen, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintMateriaMedica(painter, listing, cursor, layout, kScreen);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullPagePaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One repaint of the largest lens over a snapshot of the page, rectangular (0) and round (1).
void BM_LensRepaint(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty())
        return state.SkipWithError(work->error.c_str());
    const MateriaMedicaListing listing = Listing(*work);
    CMateriaMedicaCursor cursor;
    cursor.Reset(listing.RetainedCount(), listing.drugCount);
    QPixmap snapshot(kScreen);
    snapshot.fill(Qt::white);
    {
        QPainter painter(&snapshot);
        PaintMateriaMedica(painter, listing, cursor, RowLayout::Build(), kScreen);
    }
    LensSettings settings{static_cast<int>(state.range(0)), 20, 180};
    QImage lens(settings.size, settings.size, QImage::Format_RGB32);
    int x = 600;
    for (auto _ : state) {
        x = x > 1400 ? 600 : x + 7;
        QPainter painter(&lens);
        PaintLens(painter, settings, snapshot, QPoint(settings.LensOrigin(x), settings.LensOrigin(400)));
        painter.end();
        benchmark::DoNotOptimize(lens.constBits());
    }
}
BENCHMARK(BM_LensRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
