// Fuzzes quillon-report mcp's message reader and session on the sample practice: the input is a stream of message
// lines read with a small bound, each handed to one session. Whatever they are, every answer is one line of JSON
// (an object, or an array of them under the revision with batches) and the case book is never created.
#include "report/McpServer.h"
#include "sample/SampleGenerator.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& PracticeFolder()
{
    // Kept to the end of the process: the folder is removed at exit, after the statics are gone.
    static const std::filesystem::path& folder = *new std::filesystem::path([] {
        const auto path = std::filesystem::temp_directory_path() / ("quillon-fuzz-mcp-" + std::to_string(::getpid()));
        quillon::sample::WritePractice(quillon::sample::BuildPractice(QUILLON_SAMPLE_SOURCE), path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(PracticeFolder(), ignored);
        });
        return path;
    }());
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096)
        return 0;
    const std::filesystem::path book = PracticeFolder() / "casebook.sqlite";
    quillon::report::CMcpServer server({PracticeFolder().string(), book.string(), (size & 1) != 0});
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    quillon::report::CMcpLineReader reader(in, 1024);
    std::string line;
    for (;;) {
        const auto kind = reader.Next(line);
        if (kind == quillon::report::CMcpLineReader::Line::End)
            break;
        const auto answer = kind == quillon::report::CMcpLineReader::Line::TooLong
            ? std::optional<std::string>(server.TooLong())
            : server.Handle(line);
        if (!answer)
            continue;
        const auto parsed = nlohmann::json::parse(*answer, nullptr, false);
        if (parsed.is_discarded() || answer->find('\n') != std::string::npos
            || !(parsed.is_object() || (parsed.is_array() && server.Revision() == "2025-03-26")))
            __builtin_trap();
    }
    if (std::filesystem::exists(book))
        __builtin_trap();
    return 0;
}
