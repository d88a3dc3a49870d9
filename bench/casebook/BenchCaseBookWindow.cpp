// The case book's windows on a book of 100,000 analyses of one patient: Open Analysis until its first rows are
// painted, and View > Case Book until its first page is painted (each from its opening, the book already open).
#include "casebook/CaseBook.h"
#include "casebook/CaseBookDialogs.h"
#include "casebook/CaseBookHistory.h"
#include "common/QtBenchMain.h"
#include "controls/UserChoices.h"

#include <QApplication>
#include <QTableView>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace quillon;

namespace {

constexpr int kAnalyses = 100000;
const PatientIdentity kPatient{{"/practice", "Helen Marsh"}, "1001", "Anna Berger"};

class NoChoices final : public IUserChoices
{
public:
    std::optional<QString> ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool ChoosePrinter(QWidget*, QPrinter&) override { return false; }
};

// The book on disk, written once for every benchmark of the run: a visit a month, notes of a few lines, ten steps.
struct BigBook
{
    BigBook()
    {
        folder = std::filesystem::temp_directory_path() / ("quillon-bench-bigbook-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder);
        book = CCaseBook::Open(folder / "casebook.sqlite", sink);
        book->InTransaction(
            [&] {
                const std::int64_t patient = book->PatientId(kPatient);
                AnalysisRecord a;
                a.caption = "Repertorisation: Sorted List of Remedies";
                a.topRemedies = {"Acon", "Sulph", "Nux-v"};
                a.notes = std::string(400, 'n');
                for (int s = 0; s < 10; ++s)
                    a.steps.push_back("drop:" + std::to_string(s) + ":1");
                for (int n = 0; n < kAnalyses; ++n) {
                    a.visit = {"12/" + std::to_string(1 + n / 1000 % 12) + "/2002", "0123456789abcdef"};
                    a.name = "Analysis " + std::to_string(n);
                    book->WriteAnalysis(patient, a, false);
                }
            },
            "saved");
    }
    ~BigBook()
    {
        book.reset();
        std::filesystem::remove_all(folder);
    }
    NullMessageSink sink;
    std::filesystem::path folder;
    std::unique_ptr<CCaseBook> book;
};

BigBook& Book()
{
    static BigBook book;
    return book;
}

void BM_OpenAnalysisFirstRows100000(benchmark::State& state)
{
    CCaseBook& book = *Book().book;
    NoChoices choices;
    for (auto _ : state) {
        COpenAnalysisDialog dialog(book, kPatient.practice, kPatient.regNo, choices);
        dialog.show();
        dialog.Table()->viewport()->repaint();
        QApplication::processEvents();
        if (dialog.Model()->rowCount() == 0)
            state.SkipWithError("no rows");
    }
}
BENCHMARK(BM_OpenAnalysisFirstRows100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CaseBookFirstPage100000(benchmark::State& state)
{
    CCaseBook& book = *Book().book;
    NoChoices choices;
    NullMessageSink sink;
    for (auto _ : state) {
        CCaseBookDialog dialog(std::make_unique<CHistoryPage>(book, kPatient), {}, {}, choices, sink);
        dialog.show();
        dialog.Page()->viewport()->repaint();
        QApplication::processEvents();
        if (dialog.ShowsAll())
            state.SkipWithError("the whole book at once");
    }
}
BENCHMARK(BM_CaseBookFirstPage100000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    return bench::RunBenchmarks(argc, argv);
}
