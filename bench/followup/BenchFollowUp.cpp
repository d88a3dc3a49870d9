// Follow-up analysis benchmarks over the largest Kent rubrics and a 6,553-remedy catalogue: the stability table of
// the first 25 remedies of a 127-symptom visit against the full rebuilds it replaces, and the comparison of two
// 127-symptom visits that share half their rubrics.
#include "casedata/ByteReader.h"
#include "casedata/CaseStore.h"
#include "casedata/RemedyCatalogue.h"
#include "common/KentData.h"
#include "fixtures/CaseWriters.h"
#include "followup/FollowUpAnalysis.h"
#include "support/StabilityByRebuilds.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 127;

struct Visits
{
    RecordingMessageSink sink;
    CPracticeFolder folder;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    VisitSide a;
    VisitSide b;
    std::vector<const CSymptomRecord*> recordsA; // visit A's symptoms, and below their Normal ranking
    std::vector<const CSymptomRecord*> recordsB;
    std::vector<RankedRemedy> rankingA;
    std::string error;
};

// Visit A holds the 127 largest rubrics; visit B the 127 after the first 64 of them.
std::unique_ptr<Visits> MakeVisits()
{
    auto work = std::make_unique<Visits>();
    const bench::KentVisit kent = bench::MakeKentVisit(kSymptoms + 64, kCatalogueSize);
    if (!kent.error.empty()) {
        work->error = kent.error;
        return work;
    }
    work->catalogue = kent.catalogue.Load(work->sink);
    const auto& largest = kent.visit.symptoms;
    fixtures::VisitSpec second{6, 12, 2002, {}};
    if (largest.size() > 64)
        second.symptoms.assign(largest.begin() + 64, largest.end());
    fixtures::VisitSpec first = kent.visit;
    first.symptoms.resize(std::min(largest.size(), kSymptoms));
    const std::string image = fixtures::EncodeRsy({first, second});
    CCaseStore store(work->folder, work->sink);
    for (VisitSide* side : {&work->a, &work->b}) {
        const int visit = side == &work->a ? 0 : 1;
        if (!store.IndexVisits(AsBytes(image)) || !store.LoadVisitFromImage(AsBytes(image), visit)) {
            work->error = "the visits did not load";
            return work;
        }
        side->visit = visit;
        side->symptoms = std::move(store.m_mapSymptoms);
        store.ClearCaseStore();
    }
    work->recordsA = Borrow(work->a.symptoms);
    work->recordsB = Borrow(work->b.symptoms);
    if (auto ranking = NormalRanking(work->recordsA, work->folder, work->catalogue.get(), work->sink))
        work->rankingA = std::move(*ranking);
    else
        work->error = "the first visit did not rank";
    return work;
}

Visits* VisitsOrSkip(benchmark::State& state)
{
    static const std::unique_ptr<Visits> work = MakeVisits();
    if (!work->error.empty()) {
        state.SkipWithError(work->error.c_str());
        return nullptr;
    }
    return work.get();
}

// The whole stability table: the base ranking, then the leave-one-out over every symptom.
void BM_Stability25(benchmark::State& state)
{
    Visits* work = VisitsOrSkip(state);
    if (!work)
        return;
    for (auto _ : state) {
        const auto ranking = NormalRanking(work->recordsA, work->folder, work->catalogue.get(), work->sink);
        benchmark::DoNotOptimize(RankStability(work->recordsA, *ranking, 25));
    }
}
BENCHMARK(BM_Stability25)->Unit(benchmark::kMicrosecond);

// The leave-one-out alone, from the base ranking.
void BM_LeaveOneOutOnly(benchmark::State& state)
{
    Visits* work = VisitsOrSkip(state);
    if (!work)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(RankStability(work->recordsA, work->rankingA, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LeaveOneOutOnly)->Arg(5)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

// What the table replaces: one full ranking per left-out symptom.
void BM_LeaveOneOutByRebuilds(benchmark::State& state)
{
    Visits* work = VisitsOrSkip(state);
    if (!work)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(RankStabilityByRebuilds(
            work->recordsA, work->rankingA, 25, work->folder, work->catalogue.get(), work->sink));
}
BENCHMARK(BM_LeaveOneOutByRebuilds)->Unit(benchmark::kMillisecond);

// One Normal ranking as the table makes it: a scratch store of copied symptoms and a new engine.
void BM_OneRanking(benchmark::State& state)
{
    Visits* work = VisitsOrSkip(state);
    if (!work)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(NormalRanking(work->recordsA, work->folder, work->catalogue.get(), work->sink));
}
BENCHMARK(BM_OneRanking)->Unit(benchmark::kMicrosecond);

// The chart's rebuild on the same 127 symptoms (a method command: build, sort, grades), the unit the stability
// target is counted in; run interleaved with the table so that both see the same machine.
void BM_ChartRebuild(benchmark::State& state)
{
    static bench::KentChart chart;
    if (!chart.engine && chart.error.empty())
        bench::StartKentChart(chart, kSymptoms, kCatalogueSize);
    if (!chart.error.empty()) {
        state.SkipWithError(chart.error.c_str());
        return;
    }
    for (auto _ : state) {
        chart.engine->BuildResults();
        chart.engine->RefreshResults();
        benchmark::DoNotOptimize(chart.engine->Grade(0, 0));
    }
}
BENCHMARK(BM_ChartRebuild)->Unit(benchmark::kMicrosecond);

// Comparing two visits: both rankings and the rows of the first 10.
void BM_CompareVisits(benchmark::State& state)
{
    Visits* work = VisitsOrSkip(state);
    if (!work)
        return;
    for (auto _ : state) {
        work->a.ranking = *NormalRanking(work->recordsA, work->folder, work->catalogue.get(), work->sink);
        work->b.ranking = *NormalRanking(work->recordsB, work->folder, work->catalogue.get(), work->sink);
        benchmark::DoNotOptimize(CompareVisits(work->a, work->b, 10));
    }
}
BENCHMARK(BM_CompareVisits)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
