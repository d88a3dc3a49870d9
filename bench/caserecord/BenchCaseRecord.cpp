// Building the case-record page of a fully filled record, from the file's bytes to the written page.
#include "caserecord/CaseRecordPage.h"

#include "casedata/ByteReader.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "fixtures/CaseRecordWriters.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace quillon;

// Every text field filled with a few lines of notes holding characters that need escaping.
std::string FullCaseRecordFile()
{
    std::vector<std::string> fields = fixtures::EmptyCaseRecordFields();
    for (std::size_t i = 0; i < fixtures::kFirstThermalFlag; ++i) {
        std::string text;
        for (int line = 0; line < 4; ++line)
            text += "Line " + std::to_string(line) + " of field " + std::to_string(i)
                + ": worse < 6 pm & better > noon; \"desires\" company\n";
        fields[i] = text;
    }
    for (std::size_t i = fixtures::kFirstThermalFlag; i < fixtures::kCaseRecordFields; ++i)
        fields[i] = "TRUE";
    return fixtures::EncodeCaseRecord(fields);
}

std::string FollowupFile(int visits)
{
    std::vector<fixtures::FollowupSpec> specs;
    for (int v = 0; v < visits; ++v)
        specs.push_back({std::to_string(v % 28 + 1) + "/" + std::to_string(v % 12 + 1) + "/2003",
            "Headache : better\nSleep : disturbed <2 hrs> & restless", "Bell.", "200", "OD", "Improved : 50%", {}});
    return fixtures::EncodeFollowups(specs);
}

class ScratchFolder
{
public:
    ScratchFolder()
        : m_path(std::filesystem::temp_directory_path() / ("quillon-bench-caserecord-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void BM_BuildCaseRecordPage(benchmark::State& state)
{
    const std::string bytes = FullCaseRecordFile();
    for (auto _ : state) {
        std::vector<std::string> fields;
        ReadCaseRecord(AsBytes(bytes), fields);
        std::string page = BuildCaseRecordPage(fields);
        benchmark::DoNotOptimize(page);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_BuildCaseRecordPage)->Unit(benchmark::kMicrosecond);

// What the view does before the browser loads the page: read the ".cas" file, build, write "template.html".
void BM_CaseRecordPageToFile(benchmark::State& state)
{
    ScratchFolder scratch;
    scratch.Write("P001.cas", FullCaseRecordFile());
    const CPracticeFolder folder(scratch.Path());
    NullMessageSink sink;
    for (auto _ : state) {
        const std::optional<std::string> page = BuildPatientPage(folder, "P001", true, sink);
        auto path = WritePageFile(folder, *page);
        benchmark::DoNotOptimize(path);
    }
}
BENCHMARK(BM_CaseRecordPageToFile)->Unit(benchmark::kMicrosecond);

void BM_BuildFollowupPage(benchmark::State& state)
{
    const std::string bytes = FollowupFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string page = BuildFollowupPage(ReadFollowups(AsBytes(bytes)));
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_BuildFollowupPage)->Arg(50)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
