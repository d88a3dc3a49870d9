// Repertorisation method benchmarks: every button of the chart at the 127-symptom scale (the 127 largest Kent
// rubrics over a 6,553-remedy catalogue), each action with its re-evaluation and refresh, without painting.
#include "casedata/ByteReader.h"
#include "chart/ChartSession.h"
#include "common/KentData.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"
#include "fixtures/CaseWriters.h"
#include "fixtures/FilterWriters.h"
#include "fixtures/PeriodicTableFiles.h"
#include "state/QuillonState.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quillon;

constexpr int kCatalogueSize = 6553;
constexpr std::size_t kSymptoms = 127;

// The workload's filter files, in a folder of their own for the run: plants and animals of classes 1 and 2 by the
// parity of their code, minerals holding sulphur (odd codes) or iron (even codes). Each kingdom filter's scripted
// answer (class line 1, or a click on sulphur) keeps half of what it is offered, as a real choice would.
struct FilterFolder
{
    FilterFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillon-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        path = pattern;
        std::vector<std::uint32_t> classes(kCatalogueSize);
        std::vector<fixtures::MineralCodeSpec> minerals(kCatalogueSize);
        for (int code = 0; code < kCatalogueSize; ++code) {
            classes[static_cast<std::size_t>(code)] = fixtures::MakeClassCode(1 + code % 2, 1u << (code % 12));
            minerals[static_cast<std::size_t>(code)] = {0, {code % 2 ? std::uint8_t{16} : std::uint8_t{26}}};
        }
        const std::pair<const char*, std::string> files[] = {
            {"plants.dat", fixtures::EncodeLineList({"Compositae", "Solanaceae"})},
            {"plcode.dat", fixtures::EncodeCodeWords(classes)},
            {"animals.dat", fixtures::EncodeLineList({"Ophidia", "Aves"})},
            {"anmlcode.dat", fixtures::EncodeCodeWords(classes)},
            {"period.txt", fixtures::PeriodText()},
            {"lanth.txt", fixtures::LanthText()},
            {"othergrp.txt", fixtures::EncodeLineList({"Carbonates"})},
            {"minrcode.dat", fixtures::EncodeMineralCodes(minerals)},
        };
        for (const auto& [name, bytes] : files)
            std::ofstream(path / name, std::ios::binary) << bytes;
    }
    ~FilterFolder()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    FilterFolder(const FilterFolder&) = delete;
    FilterFolder& operator=(const FilterFolder&) = delete;

    std::filesystem::path path;
};

struct Workload
{
    NullMessageSink sink;
    std::unique_ptr<CQuillonState> state;
    std::unique_ptr<CRepEngine> engine;
    std::unique_ptr<CRepMethods> methods;
    // The chart's scripted answers: intensity i % 4 for symptom i; property 1.
    std::unique_ptr<CCommandChoosers> choosers;
    ChartCommand weightage{ChartVerb::Weightage};
    ChartCommand drugFilter = ParseChartCommand("drug-filter:1");
    ChartCommand plant = ParseChartCommand("plant:1:none");
    ChartCommand animal = ParseChartCommand("animal:1:none");
    ChartCommand mineral = ParseChartCommand("mineral:left=51");
    FilterFolder filters;
    std::string error;
};

std::unique_ptr<Workload> MakeWorkload()
{
    auto work = std::make_unique<Workload>();
    bench::KentVisit kent = bench::MakeKentVisit(kSymptoms, kCatalogueSize);
    if (!kent.error.empty()) {
        work->error = kent.error;
        return work;
    }
    // The same remedies, with property words that spread them over the three kingdoms and the lower bits.
    std::vector<fixtures::CatalogueRemedy> remedies(kent.catalogue.codeOf.size());
    for (const auto& [name, code] : kent.catalogue.codeOf) {
        const auto c = static_cast<std::uint32_t>(code);
        remedies[static_cast<std::size_t>(code)] = {name + ".", name, (c & 0xFFFu) | (1u << (19 + c % 3))};
    }
    const auto images = fixtures::EncodeCatalogue(remedies);
    if (work->filters.path.empty()) {
        work->error = "no folder for the filter files";
        return work;
    }
    work->state = std::make_unique<CQuillonState>(CPracticeFolder(work->filters.path), work->sink);
    work->state->m_pRemedyCatalogue
        = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, work->sink);
    // Every kind takes part: the largest rubrics are mostly of one chapter, so the kinds are dealt round.
    for (std::size_t i = 0; i < kent.visit.symptoms.size(); ++i)
        kent.visit.symptoms[i].kind = "MGF"[i % 3];
    if (!kent.LoadInto(*work->state)) {
        work->error = "the visit did not load";
        return work;
    }
    work->engine = std::make_unique<CRepEngine>(*work->state, work->state->m_pRemedyCatalogue.get(), work->sink);
    work->methods = std::make_unique<CRepMethods>(*work->state, *work->engine, work->sink);
    work->choosers = std::make_unique<CCommandChoosers>(work->state->m_folder, work->sink);
    work->methods->SetChoosers(work->choosers.get(), work->choosers.get(), work->choosers.get());
    for (int i = 0; i < static_cast<int>(kSymptoms); ++i)
        work->weightage.intensities.emplace_back(i, i % 4);
    if (!work->methods->Start())
        work->error = "the chart did not start";
    // Clipboard 1 holds every third symptom.
    for (std::size_t i = 0; i < work->state->m_mapSymptoms.size(); i += 3)
        work->state->m_arrClipboards[0].push_back(work->state->m_mapSymptoms[i].get());
    work->methods->OnSymptomListClosed();
    return work;
}

Workload* Shared(benchmark::State& state)
{
    static const std::unique_ptr<Workload> work = MakeWorkload();
    if (!work->error.empty()) {
        state.SkipWithError(work->error.c_str());
        return nullptr;
    }
    return work.get();
}

void Report(benchmark::State& state, const Workload& work)
{
    state.counters["symptoms"] = static_cast<double>(work.engine->SymptomCount());
    state.counters["remedies"] = static_cast<double>(work.engine->RemedyCount());
}

// An action repeated from the state it leaves (each one rebuilds from the case store).
template <typename Action> void Repeat(benchmark::State& state, Action action)
{
    Workload* work = Shared(state);
    if (!work)
        return;
    work->methods->OnNormal();
    for (auto _ : state) {
        action(*work);
        benchmark::DoNotOptimize(work->engine->Grade(0, 0));
    }
    Report(state, *work);
}

// An action that narrows what it finds: the chart is returned to Normal, untimed, before each one.
template <typename Action> void FromNormal(benchmark::State& state, Action action)
{
    Workload* work = Shared(state);
    if (!work)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        work->methods->OnNormal();
        state.ResumeTiming();
        action(*work);
        benchmark::DoNotOptimize(work->engine->Grade(0, 0));
    }
    Report(state, *work);
}

void BM_Normal(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnNormal(); });
}
void BM_Mind(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnMind(); });
}
void BM_General(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnGeneral(); });
}
void BM_Rest(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnRest(); });
}
void BM_Clipboard(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnClipboard(0); });
}
void BM_Sorted(benchmark::State& state)
{
    Repeat(state, [](Workload& w) { w.methods->OnSorted(); });
}
void BM_Weightage(benchmark::State& state)
{
    Repeat(state, [](Workload& w) {
        w.choosers->SetCommand(&w.weightage);
        w.methods->OnWeightage();
    });
}
void BM_DrugFilter(benchmark::State& state)
{
    FromNormal(state, [](Workload& w) {
        w.choosers->SetCommand(&w.drugFilter);
        w.methods->OnDrugFilter();
    });
}
void BM_PlantFilter(benchmark::State& state)
{
    FromNormal(state, [](Workload& w) {
        w.choosers->SetCommand(&w.plant);
        w.methods->OnPlantFilter();
    });
}
void BM_MineralFilter(benchmark::State& state)
{
    FromNormal(state, [](Workload& w) {
        w.choosers->SetCommand(&w.mineral);
        w.methods->OnMineralFilter();
    });
}
void BM_AnimalFilter(benchmark::State& state)
{
    FromNormal(state, [](Workload& w) {
        w.choosers->SetCommand(&w.animal);
        w.methods->OnAnimalFilter();
    });
}
void BM_ResetClipboard(benchmark::State& state)
{
    Workload* work = Shared(state);
    if (!work)
        return;
    const std::vector<CSymptomRecord*> clipboard = work->state->m_arrClipboards[0];
    for (auto _ : state) {
        state.PauseTiming();
        work->state->m_arrClipboards[0] = clipboard;
        work->methods->OnSymptomListClosed();
        work->methods->OnClipboard(0);
        state.ResumeTiming();
        work->methods->OnResetClipboard();
        benchmark::DoNotOptimize(work->engine->Grade(0, 0));
    }
    work->state->m_arrClipboards[0] = clipboard;
    work->methods->OnSymptomListClosed();
    Report(state, *work);
}
// The caption and the rows the drug list reads, after a drug filter on the mind symptoms.
void BM_CaptionAndRows(benchmark::State& state)
{
    Workload* work = Shared(state);
    if (!work)
        return;
    work->methods->OnMind();
    work->choosers->SetCommand(&work->drugFilter);
    work->methods->OnDrugFilter();
    for (auto _ : state) {
        benchmark::DoNotOptimize(work->methods->BuildCaption());
        work->methods->PrepareDrugList();
    }
    Report(state, *work);
}

BENCHMARK(BM_Normal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Mind)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_General)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Rest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Clipboard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sorted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Weightage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrugFilter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlantFilter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MineralFilter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimalFilter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetClipboard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptionAndRows)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
