// Fuzzes quillon-report's command line on the sample practice: the options, the actions of --do, the searches,
// ranks and marks, replayed on real charts. The input is the arguments, separated by zero bytes. Whatever they
// are, the run ends with status 0, 1 or 2; a failure prints nothing on standard output and says why on standard
// error; and no control character but TAB, LF and (in file images) CR reaches either stream.
#include "report/Report.h"
#include "sample/SampleGenerator.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const std::string& PracticeFolder()
{
    // Kept to the end of the process: the folder is removed at exit, after the statics are gone.
    static const std::string& folder = *new std::string([] {
        const auto path
            = std::filesystem::temp_directory_path() / ("quillon-fuzz-report-" + std::to_string(::getpid()));
        quillon::sample::WritePractice(quillon::sample::BuildPractice(QUILLON_SAMPLE_SOURCE), path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(PracticeFolder(), ignored);
        });
        return path.string();
    }());
    return folder;
}

bool HasRawControls(const std::string& text, bool carriageReturns)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\n' && !(carriageReturns && c == '\r')) || byte == 0x7F)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 512)
        return 0;
    std::vector<std::string> args{"--dir", PracticeFolder()};
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    args.push_back(arg);
    // Long replays of the widest commands only repeat what shorter ones reach.
    if (args.size() > 40)
        return 0;

    std::ostringstream out, err;
    const int status = quillon::report::Run(args, out, err);
    const std::string command = args.size() > 2 ? args[2] : std::string();
    const bool fileImage = command == "symptoms" || command == "case-record" || command == "followup"
        || command == "remedy-list" || command == "export";
    if (status < 0 || status > 2 || (status != 0 && (!out.str().empty() || err.str().empty()))
        || HasRawControls(err.str(), false) || HasRawControls(out.str(), fileImage))
        __builtin_trap();
    return 0;
}
