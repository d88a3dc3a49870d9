// The case book on disk: listing a patient's 10,000 analyses (quillon-report analyses), a page of 100,000 (Open
// Analysis), saving one analysis of 40 steps (one transaction, write-ahead log), and the export of the 10,000 as one
// JSON file, written record by record as casebook-export and the window's Export write it.
#include "casebook/CaseBook.h"
#include "casebook/CaseBookJson.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace quillon;

namespace {

const PatientIdentity kPatient{{"/practice", "Helen Marsh"}, "1001", "Anna Berger"};

AnalysisRecord Analysis(int n)
{
    AnalysisRecord a;
    a.visit = {"12/03/2002", "0123456789abcdef"};
    a.name = "Analysis " + std::to_string(n);
    a.notes = "Follow-up in two weeks; watch the sleep.";
    a.caption = "Repertorisation: Sorted List of Remedies";
    a.topRemedies = {"Acon", "Sulph", "Nux-v"};
    for (int s = 0; s < 40; ++s)
        a.steps.push_back(s % 2 ? "drop:" + std::to_string(s) + ":1" : "weightage:1=2,3=4");
    return a;
}

struct Book
{
    explicit Book(int analyses)
    {
        folder = std::filesystem::temp_directory_path() / ("quillon-bench-casebook-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder);
        book = CCaseBook::Open(folder / "casebook.sqlite", sink);
        book->InTransaction(
            [&] {
                const std::int64_t patient = book->PatientId(kPatient);
                for (int n = 0; n < analyses; ++n)
                    book->WriteAnalysis(patient, Analysis(n), false);
            },
            "saved");
    }
    ~Book()
    {
        book.reset();
        std::filesystem::remove_all(folder);
    }
    NullMessageSink sink;
    std::filesystem::path folder;
    std::unique_ptr<CCaseBook> book;
};

void BM_List10000Analyses(benchmark::State& state)
{
    Book b(10000);
    for (auto _ : state) {
        const auto list = b.book->ListAnalyses(kPatient.practice, kPatient.regNo);
        if (list.size() != 10000)
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_List10000Analyses)->Unit(benchmark::kMillisecond);

// The first page of the list (as Open Analysis reads it) and a page near the end, of 100,000 analyses.
void BM_ListPagesOf100000Analyses(benchmark::State& state)
{
    Book b(100000);
    const auto last = b.book->ListAnalyses(kPatient.practice, kPatient.regNo, 1, ListingKey{"9999", 0});
    const auto end = b.book->ListAnalyses(kPatient.practice, kPatient.regNo);
    const ListingKey nearEnd{end[end.size() - 201].analysis.created, end[end.size() - 201].analysis.id};
    for (auto _ : state) {
        const auto first = b.book->ListAnalyses(kPatient.practice, kPatient.regNo, 200);
        const auto late = b.book->ListAnalyses(kPatient.practice, kPatient.regNo, 200, nearEnd);
        if (first.size() != 200 || late.size() != 200 || !last.empty())
            state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(late.data());
    }
}
BENCHMARK(BM_ListPagesOf100000Analyses)->Unit(benchmark::kMillisecond);

void BM_SaveOneAnalysis(benchmark::State& state)
{
    Book b(10000);
    int n = 0;
    for (auto _ : state) {
        if (!b.book->SaveAnalysis(kPatient, Analysis(20000 + n++)))
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveOneAnalysis)->Unit(benchmark::kMillisecond);

void BM_Export10000Analyses(benchmark::State& state)
{
    Book b(10000);
    const std::filesystem::path file = b.folder / "export.json";
    for (auto _ : state) {
        if (!ExportCaseBookFile(*b.book, file))
            state.SkipWithError("not exported");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(BM_Export10000Analyses)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
