// Case data benchmarks: building a 6,553-remedy catalogue, loading a 127-symptom visit of the largest Kent
// rubrics, and indexing a file of 50 visits and one of the most visits a file may hold.
#include "casedata/CaseStore.h"
#include "casedata/RemedyCatalogue.h"
#include "common/KentData.h"
#include "fixtures/CaseWriters.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;

struct Workload
{
    std::string error;
    bench::BenchCatalogue catalogue;
    std::filesystem::path folder;
    std::string visit127;
    std::string visits50;

    ~Workload()
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
};

const Workload& SharedWorkload()
{
    static const auto work = [] {
        auto w = std::make_unique<Workload>();
        // The 127 largest rubrics as one visit, and 50 visits of 30 symptoms each, taken in turn from the 1,500
        // largest rubrics.
        bench::KentVisit kent = bench::MakeKentVisit(1500, kCatalogueSize);
        if (!kent.error.empty()) {
            w->error = kent.error;
            return w;
        }
        w->catalogue = std::move(kent.catalogue);
        const auto& pool = kent.visit.symptoms;
        fixtures::VisitSpec big = kent.visit;
        big.symptoms.resize(std::min<std::size_t>(pool.size(), 127));
        std::vector<fixtures::VisitSpec> visits;
        for (int v = 0; v < 50; ++v) {
            fixtures::VisitSpec visit{1 + v % 28, 1 + v % 12, 2000 + v / 12, {}};
            for (int s = 0; s < 30; ++s)
                visit.symptoms.push_back(pool[static_cast<std::size_t>(v * 30 + s)]);
            visits.push_back(std::move(visit));
        }
        w->folder = std::filesystem::temp_directory_path() / ("quillon-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(w->folder);
        fixtures::WriteBytes(w->folder / "127.rsy", fixtures::EncodeRsy({big}));
        fixtures::WriteBytes(w->folder / "50.rsy", fixtures::EncodeRsy(visits));
        fixtures::WriteBytes(w->folder / "10000.rsy",
            fixtures::EncodeRsy(std::vector<fixtures::VisitSpec>(kMaxVisits, fixtures::VisitSpec{1, 1, 2004, {}})));
        fixtures::WriteBytes(w->folder / "drug.dat", w->catalogue.images.drugDat);
        fixtures::WriteBytes(w->folder / "drugl.dat", w->catalogue.images.druglDat);
        fixtures::WriteBytes(w->folder / "fulldrug.txt", w->catalogue.images.fulldrugTxt);
        return w;
    }();
    return *work;
}

// The shared workload, or null after marking the benchmark skipped when it could not be built.
const Workload* WorkloadOrSkip(benchmark::State& state)
{
    const Workload& work = SharedWorkload();
    if (!work.error.empty()) {
        state.SkipWithError(work.error.c_str());
        return nullptr;
    }
    return &work;
}

void BM_CatalogueFromImages(benchmark::State& state)
{
    const Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const Workload& w = *work;
    NullMessageSink sink;
    for (auto _ : state) {
        auto catalogue = CRemedyCatalogue::FromImages(
            w.catalogue.images.drugDat, w.catalogue.images.druglDat, w.catalogue.images.fulldrugTxt, sink);
        benchmark::DoNotOptimize(catalogue->GetCount());
    }
}
BENCHMARK(BM_CatalogueFromImages)->Unit(benchmark::kMillisecond);

void BM_CatalogueFromFolder(benchmark::State& state)
{
    const Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const Workload& w = *work;
    const CPracticeFolder folder(w.folder);
    RecordingMessageSink sink;
    for (auto _ : state) {
        CRemedyCatalogue catalogue(folder, sink);
        benchmark::DoNotOptimize(catalogue.GetCount());
    }
    if (!sink.Messages().empty())
        state.SkipWithError("the catalogue reported a message");
}
BENCHMARK(BM_CatalogueFromFolder)->Unit(benchmark::kMillisecond);

void BM_LoadVisit127(benchmark::State& state)
{
    const Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const Workload& w = *work;
    const CPracticeFolder folder(w.folder);
    RecordingMessageSink sink;
    CCaseStore store(folder, sink);
    store.m_strPatientFile = "127";
    if (!store.LoadVisitIndex())
        return state.SkipWithError("cannot index the visit");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadVisitSymptoms(0));
    if (store.m_nSymptomCount != 127)
        state.SkipWithError("the visit did not load 127 symptoms");
}
BENCHMARK(BM_LoadVisit127)->Unit(benchmark::kMicrosecond);

void BM_LoadVisitIndex50(benchmark::State& state)
{
    const Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const Workload& w = *work;
    const CPracticeFolder folder(w.folder);
    RecordingMessageSink sink;
    CCaseStore store(folder, sink);
    store.m_strPatientFile = "50";
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadVisitIndex());
    if (store.VisitCount() != 50)
        state.SkipWithError("the file did not index 50 visits");
}
BENCHMARK(BM_LoadVisitIndex50)->Unit(benchmark::kMicrosecond);

// A file of 10,000 visits, the most the index accepts: its work follows the visits, not the file's size.
void BM_LoadVisitIndex10000(benchmark::State& state)
{
    const Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const CPracticeFolder folder(work->folder);
    RecordingMessageSink sink;
    CCaseStore store(folder, sink);
    store.m_strPatientFile = "10000";
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadVisitIndex());
    if (store.VisitCount() != static_cast<int>(kMaxVisits))
        state.SkipWithError("the file did not index 10,000 visits");
}
BENCHMARK(BM_LoadVisitIndex10000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
