// The patient index at 40,000 patients: quillon-report's `patients` (reading "PatDet.txt" and printing the list)
// and the Select Patient dialog opening on it (read, duplicate check and list filled).
#include "app/QuillonApp.h"
#include "common/QtBenchMain.h"
#include "fixtures/CaseWriters.h"
#include "report/Report.h"
#include "symptoms/SelectPatientDialog.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

using namespace quillon;

constexpr int kPatients = 40000;

// A folder with an index of 40,000 patients whose numbers share long prefixes (100000, 100001, ...) and one
// repeated number every hundred lines, so the duplicate check does real work.
const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        const auto path
            = std::filesystem::temp_directory_path() / ("quillon-bench-patients-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::vector<fixtures::PatientSpec> patients;
        patients.reserve(kPatients);
        for (int i = 0; i < kPatients; ++i) {
            const int number = i % 100 == 99 ? 100000 + i / 2 : 100000 + i;
            patients.push_back(
                {std::to_string(number), "Patient " + std::to_string(i), std::to_string(20 + i % 60), "01/02/2003"});
        }
        fixtures::WriteBytes(path / "PatDet.txt", fixtures::EncodePatientIndex("Dr. Bench", patients));
        return path;
    }();
    return folder;
}

void BM_ReportPatients40000(benchmark::State& state)
{
    const std::vector<std::string> args{"--dir", Folder().string(), "patients"};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (report::Run(args, out, err) != report::kDone) {
            state.SkipWithError("patients failed");
            return;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_ReportPatients40000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SelectPatientDialogOpens40000(benchmark::State& state)
{
    auto* app = CQuillonApp::Instance();
    for (auto _ : state) {
        CSelectPatientDialog dialog(app->State());
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.List()->model()->rowCount());
    }
}
BENCHMARK(BM_SelectPatientDialogOpens40000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    bench::UseOffscreenUnlessChosen();
    RecordingMessageSink sink;
    CQuillonApp app(argc, argv, CPracticeFolder(Folder()), &sink);
    const int status = bench::RunBenchmarks(argc, argv);
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
    return status;
}
