// Start-up time of the whole program: process start to the Select Patient dialog shown, on the sample
// practice, with the offscreen platform. The program quits by itself once the dialog is up.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The sample practice, written once for the whole run and removed when the program ends (every repetition of
// the benchmark starts in it).
class SamplePractice
{
public:
    SamplePractice()
    {
        const auto path
            = std::filesystem::temp_directory_path() / ("quillon-bench-startup-" + std::to_string(::getpid()));
        const std::string command = std::string(QUILLON_SAMPLE_EXE) + " --out " + path.string() + " > /dev/null";
        if (std::system(command.c_str()) == 0)
            m_path = path;
    }
    ~SamplePractice()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    SamplePractice(const SamplePractice&) = delete;
    SamplePractice& operator=(const SamplePractice&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const std::filesystem::path& SampleFolder()
{
    static const SamplePractice practice;
    return practice.Path();
}

// Starts the program in the folder (the child changes its folder; this process keeps its own).
int RunOnce(const std::filesystem::path& folder)
{
    pid_t pid = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::string exe = QUILLON_EXE;
    std::string option = "--quit-when-ready";
    char* argv[] = {exe.data(), option.data(), nullptr};
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StartToSelectPatient(benchmark::State& state)
{
    if (SampleFolder().empty())
        return state.SkipWithError("cannot write the sample practice");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        if (RunOnce(SampleFolder()) != 0)
            return state.SkipWithError("quillon did not start and quit cleanly");
    }
}
BENCHMARK(BM_StartToSelectPatient)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);

} // namespace

BENCHMARK_MAIN();
