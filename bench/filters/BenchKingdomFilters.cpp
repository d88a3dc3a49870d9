// Opening the plant, animal and mineral filters on a 6,553-remedy result: reading the class lists and code files
// from the practice folder and, for minerals, the table files and the element ranking.
#include "filters/ClassFilter.h"
#include "filters/MineralFilter.h"

#include "fixtures/FilterWriters.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

using namespace quillon;
namespace fs = std::filesystem;

namespace {

constexpr int kRemedies = 6553;

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A practice folder with every filter file, built once per run.
class FilterFolder
{
public:
    FilterFolder() : m_path(fs::temp_directory_path() / ("quillon-bench-filters-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_path);
        std::mt19937 random(7);
        std::vector<std::string> classes;
        for (int i = 1; i <= 400; ++i)
            classes.push_back("Family " + std::to_string(i));
        std::vector<std::uint32_t> words(kRemedies + 1);
        std::vector<fixtures::MineralCodeSpec> minerals(kRemedies + 1);
        for (int code = 1; code <= kRemedies; ++code) {
            words[static_cast<std::size_t>(code)]
                = fixtures::MakeClassCode(static_cast<int>(random() % 401), static_cast<std::uint32_t>(random()));
            auto& record = minerals[static_cast<std::size_t>(code)];
            record.group = static_cast<std::uint16_t>(random() % 12);
            for (auto& element : record.elements)
                element = static_cast<std::uint8_t>(random() % 119);
        }
        std::vector<fixtures::ElementCellSpec> mainCells;
        int number = 0;
        for (int cell = 0; cell < fixtures::kMainCellCount; ++cell)
            if (!fixtures::IsBlankMainCell(cell))
                mainCells.push_back({cell / 18 + 1, cell % 18 + 1, ++number, "E" + std::to_string(number), "Element"});
        std::vector<fixtures::ElementCellSpec> blockCells;
        for (int j = 0; j < fixtures::kBlockLineCount; ++j)
            blockCells.push_back({j / 15 + 6, j % 15 + 3, 100 + j, "B", "Block element"});

        WriteFile(m_path / "plants.dat", fixtures::EncodeLineList(classes));
        WriteFile(m_path / "plcode.dat", fixtures::EncodeCodeWords(words));
        WriteFile(m_path / "animals.dat", fixtures::EncodeLineList(classes));
        WriteFile(m_path / "anmlcode.dat", fixtures::EncodeCodeWords(words));
        WriteFile(m_path / "othergrp.txt", fixtures::EncodeLineList({"Acids", "Carbonates", "Halides", "Sulphates"}));
        WriteFile(m_path / "minrcode.dat", fixtures::EncodeMineralCodes(minerals));
        WriteFile(m_path / "period.txt", fixtures::EncodeElementCells(mainCells));
        WriteFile(m_path / "lanth.txt", fixtures::EncodeElementCells(blockCells));
        std::vector<int> codes;
        for (int code = 1; code <= kRemedies; ++code)
            codes.push_back(code);
        m_remedies = FilterRemediesFromCodes(codes);
    }
    ~FilterFolder()
    {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    FilterFolder(const FilterFolder&) = delete;
    FilterFolder& operator=(const FilterFolder&) = delete;

    CPracticeFolder Folder() const { return CPracticeFolder(m_path); }
    const std::vector<FilterRemedy>& Remedies() const { return m_remedies; }

private:
    fs::path m_path;
    std::vector<FilterRemedy> m_remedies;
};

const FilterFolder& SharedFolder()
{
    static const FilterFolder folder;
    return folder;
}

void OpenClassFilter(benchmark::State& state, const ClassFilterKind& kind)
{
    const FilterFolder& folder = SharedFolder();
    const CPracticeFolder practice = folder.Folder();
    NullMessageSink sink;
    for (auto _ : state) {
        CClassFilterModel model(kind, sink);
        if (!model.Load(practice, folder.Remedies()))
            state.SkipWithError("the filter did not open");
        benchmark::DoNotOptimize(model.Codes().data());
    }
}

void BM_OpenPlantFilter(benchmark::State& state)
{
    OpenClassFilter(state, kPlantFilterKind);
}

void BM_OpenAnimalFilter(benchmark::State& state)
{
    OpenClassFilter(state, kAnimalFilterKind);
}

void BM_OpenMineralFilter(benchmark::State& state)
{
    const FilterFolder& folder = SharedFolder();
    const CPracticeFolder practice = folder.Folder();
    NullMessageSink sink;
    for (auto _ : state) {
        CMineralFilterModel model(sink);
        model.Load(practice, folder.Remedies());
        benchmark::DoNotOptimize(model.Ranks().data());
    }
}

void BM_MineralOkWithRowAndColumn(benchmark::State& state)
{
    const FilterFolder& folder = SharedFolder();
    NullMessageSink sink;
    CMineralFilterModel model(sink);
    model.Load(folder.Folder(), folder.Remedies());
    model.RightButtonOnCell(56);
    KingdomFilterState flags;
    for (auto _ : state)
        benchmark::DoNotOptimize(model.Ok(flags).m_arrExcluded.size());
}

} // namespace

BENCHMARK(BM_OpenPlantFilter)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenAnimalFilter)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenMineralFilter)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_MineralOkWithRowAndColumn)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
