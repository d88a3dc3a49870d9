// Repertorisation engine benchmarks: a full chart build over the 127 largest rubrics of the Kent data and a
// 6,553-remedy catalogue, against a floor that only sums the grades of the same entries per code. The first
// build, a Normal ranking on a scratch engine and the five strategies side by side are counted in rebuilds: run
// them interleaved with BM_FullBuild.
#include "casedata/ByteReader.h"
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "common/KentData.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"
#include "followup/FollowUpAnalysis.h"
#include "readings/Strategies.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 127;

// The 127 largest rubrics as recorded symptoms over a 6,553-remedy catalogue.
struct Workload
{
    RecordingMessageSink sink;
    CPracticeFolder folder;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    std::unique_ptr<CCaseStore> store;
    std::string error;
    std::size_t entries = 0;
};

std::unique_ptr<Workload> MakeWorkload()
{
    auto work = std::make_unique<Workload>();
    const bench::KentVisit kent = bench::MakeKentVisit(kSymptoms, kCatalogueSize);
    if (!kent.error.empty()) {
        work->error = kent.error;
        return work;
    }
    work->catalogue = kent.catalogue.Load(work->sink);
    if (work->catalogue->GetCount() != kCatalogueSize) {
        work->error = "catalogue was not built";
        return work;
    }
    work->entries = kent.entries;
    work->store = std::make_unique<CCaseStore>(work->folder, work->sink);
    if (!kent.LoadInto(*work->store))
        work->error = "the visit did not load";
    return work;
}

Workload* SharedWorkload()
{
    static const std::unique_ptr<Workload> work = MakeWorkload();
    return work.get();
}

// The shared workload, or null after marking the benchmark skipped when it could not be built.
Workload* WorkloadOrSkip(benchmark::State& state)
{
    Workload* work = SharedWorkload();
    if (!work->error.empty()) {
        state.SkipWithError(work->error.c_str());
        return nullptr;
    }
    return work;
}

// An engine over the shared workload with its chart's first build done, or null after marking the benchmark
// skipped.
std::unique_ptr<CRepEngine> StartedEngineOrSkip(benchmark::State& state, Workload*& work)
{
    work = WorkloadOrSkip(state);
    if (!work)
        return nullptr;
    auto engine = std::make_unique<CRepEngine>(*work->store, work->catalogue.get(), work->sink);
    if (!engine->Start()) {
        state.SkipWithError("start failed");
        return nullptr;
    }
    return engine;
}

// BuildResults, the sort by totality and FillGradeMatrix: what a method command costs before painting.
void BM_FullBuild(benchmark::State& state)
{
    Workload* work = nullptr;
    const auto engine = StartedEngineOrSkip(state, work);
    if (!engine)
        return;
    for (auto _ : state) {
        engine->BuildResults();
        engine->RefreshResults();
        benchmark::DoNotOptimize(engine->Grade(0, 0));
    }
    state.counters["symptoms"] = static_cast<double>(engine->SymptomCount());
    state.counters["remedies"] = static_cast<double>(engine->RemedyCount());
    state.counters["entries"] = static_cast<double>(work->entries);
}
BENCHMARK(BM_FullBuild)->Unit(benchmark::kMicrosecond);

// A chart's first build: a new engine makes its working tables, then builds, sorts and fills the matrix.
void BM_FirstBuild(benchmark::State& state)
{
    Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    for (auto _ : state) {
        CRepEngine engine(*work->store, work->catalogue.get(), work->sink);
        if (!engine.Start()) {
            state.SkipWithError("start failed");
            return;
        }
        benchmark::DoNotOptimize(engine.Grade(0, 0));
    }
}
BENCHMARK(BM_FirstBuild)->Unit(benchmark::kMicrosecond);

// A Normal ranking of the same symptoms as the follow-up analysis makes it: copied symptoms, a scratch engine's
// first build and the ranked rows.
void BM_ScratchRanking(benchmark::State& state)
{
    Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const std::vector<const CSymptomRecord*> symptoms = Borrow(work->store->m_mapSymptoms);
    for (auto _ : state) {
        const auto ranking = NormalRanking(symptoms, work->folder, work->catalogue.get(), work->sink);
        if (!ranking || ranking->empty()) {
            state.SkipWithError("the ranking failed");
            return;
        }
        benchmark::DoNotOptimize(ranking->front().totality);
    }
}
BENCHMARK(BM_ScratchRanking)->Unit(benchmark::kMicrosecond);

// The engine's share of that ranking: a scratch store and engine started on the symptoms themselves, and the
// ranked rows read.
void BM_ScratchEngine(benchmark::State& state)
{
    Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    const ActiveSymptoms every = EveryRecordedSymptom(*work->store);
    for (auto _ : state) {
        CCaseStore scratch(work->folder, work->sink);
        CRepEngine engine(scratch, work->catalogue.get(), work->sink);
        if (!engine.Start(every)) {
            state.SkipWithError("start failed");
            return;
        }
        for (int r = 0; r < engine.RemedyCount(); ++r)
            benchmark::DoNotOptimize(engine.NamePlace(engine.SortedRemedy(r)->code));
    }
}
BENCHMARK(BM_ScratchEngine)->Unit(benchmark::kMicrosecond);

void BM_BuildResultsOnly(benchmark::State& state)
{
    Workload* work = nullptr;
    const auto engine = StartedEngineOrSkip(state, work);
    if (!engine)
        return;
    for (auto _ : state) {
        engine->BuildResults();
        benchmark::DoNotOptimize(engine->ResultCount());
    }
}
BENCHMARK(BM_BuildResultsOnly)->Unit(benchmark::kMicrosecond);

void BM_SortAndMatrixOnly(benchmark::State& state)
{
    Workload* work = nullptr;
    const auto engine = StartedEngineOrSkip(state, work);
    if (!engine)
        return;
    for (auto _ : state) {
        engine->RefreshResults();
        benchmark::DoNotOptimize(engine->Grade(0, 0));
    }
}
BENCHMARK(BM_SortAndMatrixOnly)->Unit(benchmark::kMicrosecond);

void BM_SortOnly(benchmark::State& state)
{
    Workload* work = nullptr;
    const auto engine = StartedEngineOrSkip(state, work);
    if (!engine)
        return;
    for (auto _ : state) {
        engine->FreeSortedOrder();
        benchmark::DoNotOptimize(engine->SortResults(SortByTotality));
    }
}
BENCHMARK(BM_SortOnly)->Unit(benchmark::kMicrosecond);

// The five strategies side by side over the chart's active symptoms, with two of them eliminating: one tally,
// five orders. BM_FreshStrategies makes its reader's working tables anew each time, as a dialog that opens does.
void StrategiesOf(benchmark::State& state, bool keepReader)
{
    Workload* work = nullptr;
    const auto engine = StartedEngineOrSkip(state, work);
    if (!engine)
        return;
    const auto active = engine->ActiveSet();
    const std::vector<const CSymptomRecord*> eliminating{active[0], active[3]};
    const std::vector<int> weights(active.size(), 2);
    CStrategyReader kept;
    std::size_t remedies = 0;
    for (auto _ : state) {
        CStrategyReader fresh;
        CStrategyReader& reader = keepReader ? kept : fresh;
        reader.Read(StrategyInput{active, weights, eliminating, work->catalogue.get()});
        remedies = reader.Remedies().size();
        benchmark::DoNotOptimize(reader.Order(Strategy::SmallRubrics).data());
    }
    state.counters["remedies"] = static_cast<double>(remedies);
}
void BM_FiveStrategies(benchmark::State& state)
{
    StrategiesOf(state, true);
}
BENCHMARK(BM_FiveStrategies)->Unit(benchmark::kMicrosecond);
void BM_FreshStrategies(benchmark::State& state)
{
    StrategiesOf(state, false);
}
BENCHMARK(BM_FreshStrategies)->Unit(benchmark::kMicrosecond);

// The floor: decode every entry of the same symptoms and add its grade to its code's total, nothing more.
void BM_Floor(benchmark::State& state)
{
    Workload* work = WorkloadOrSkip(state);
    if (!work)
        return;
    std::vector<int> totals(kCatalogueSize + 1);
    for (auto _ : state) {
        std::fill(totals.begin(), totals.end(), 0);
        for (const auto& record : work->store->m_mapSymptoms) {
            const std::uint8_t* entry = record->m_pRemedies.data();
            for (int i = 0; i < record->m_nRemedyCount; ++i, entry += 3)
                totals[static_cast<std::size_t>(DecodeRemedyCode(entry[1], entry[2]))] += DecodeGrade(entry[0]);
        }
        benchmark::DoNotOptimize(totals.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
