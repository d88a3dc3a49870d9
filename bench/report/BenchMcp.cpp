// quillon-report mcp: a repertorise call through the session (the JSON message in, the answer out) on the chart
// of the 127 largest Kent rubrics, and the server's resident memory over 10,000 such calls.
#include "common/KentData.h"
#include "fixtures/CaseWriters.h"
#include "report/McpServer.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace quillon;

constexpr std::size_t kSymptoms = 127;
constexpr int kCatalogueSize = 6553;

// The Kent visit as a practice folder of one patient, written once for the run.
struct KentPractice
{
    KentPractice()
    {
        const bench::KentVisit kent = bench::MakeKentVisit(kSymptoms, kCatalogueSize);
        if (!kent.error.empty()) {
            error = kent.error;
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "quillon-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            error = "no scratch folder";
            return;
        }
        path = pattern;
        fixtures::WriteBytes(
            path / "PatDet.txt", fixtures::EncodePatientIndex("Physician", {{"1", "P", "40", "05/11/2002"}}));
        fixtures::WriteBytes(path / "1.rsy", fixtures::EncodeRsy({kent.visit}));
        fixtures::WriteBytes(path / "drug.dat", kent.catalogue.images.drugDat);
        fixtures::WriteBytes(path / "drugl.dat", kent.catalogue.images.druglDat);
        fixtures::WriteBytes(path / "fulldrug.txt", kent.catalogue.images.fulldrugTxt);
    }
    ~KentPractice()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    KentPractice(const KentPractice&) = delete;
    KentPractice& operator=(const KentPractice&) = delete;

    std::filesystem::path path;
    std::string error;
};

const KentPractice& Practice()
{
    static const KentPractice practice;
    return practice;
}

const std::string kRepertorise = R"({"jsonrpc":"2.0","id":1,"method":"tools/call","params":{"name":"repertorise",)"
                                 R"("arguments":{"patient":"1","top":10}}})";

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return -1;
}

report::CMcpServer MakeServer()
{
    return report::CMcpServer({Practice().path.string(), (Practice().path / "none.sqlite").string(), false});
}

void BM_McpRepertorise(benchmark::State& state)
{
    if (!Practice().error.empty())
        return state.SkipWithError(Practice().error.c_str());
    report::CMcpServer server = MakeServer();
    const auto first = server.Handle(kRepertorise);
    if (!first || first->find(R"("isError":false)") == std::string::npos)
        return state.SkipWithError("the repertorise call failed");
    const std::string remedies = first->substr(first->find("remedies\\t"), 16);
    state.SetLabel(remedies);
    for (auto _ : state)
        benchmark::DoNotOptimize(server.Handle(kRepertorise));
}
BENCHMARK(BM_McpRepertorise)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// 10,000 calls: the resident memory before and after, as counters (KiB).
void BM_McpRepertoriseMemory(benchmark::State& state)
{
    if (!Practice().error.empty())
        return state.SkipWithError(Practice().error.c_str());
    report::CMcpServer server = MakeServer();
    for (int i = 0; i < 100; ++i)
        server.Handle(kRepertorise);
    const long before = ResidentKiB();
    for (auto _ : state)
        benchmark::DoNotOptimize(server.Handle(kRepertorise));
    state.counters["rss_before_KiB"] = static_cast<double>(before);
    state.counters["rss_after_KiB"] = static_cast<double>(ResidentKiB());
}
BENCHMARK(BM_McpRepertoriseMemory)->Unit(benchmark::kMillisecond)->Iterations(10000);

} // namespace

BENCHMARK_MAIN();
