// quillon-report mcp: the practice folder and the case book offered to an assistant over the Model Context
// Protocol (JSON-RPC 2.0, one message per line on standard input and output). It only reads.
#pragma once

#include "report/McpSettings.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::report {

// The settings of `mcp [--dir DIR] [--casebook FILE] [--identify]` (the global options may also come before
// `mcp`); nothing when the command line is another command's. A wrong one is a UsageError.
std::optional<McpSettings> ParseMcpCommandLine(const std::vector<std::string>& args);

// Reads the messages of a stream one line at a time, keeping at most `limit` bytes of a line: the rest of a
// longer line is read and dropped.
class CMcpLineReader
{
public:
    enum class Line { Message, TooLong, End };
    explicit CMcpLineReader(std::istream& in, std::size_t limit = 8u << 20) : m_in(in), m_limit(limit) {}
    Line Next(std::string& line);

private:
    std::istream& m_in;
    std::size_t m_limit;
};

// One session: answers each message (a line without its end) with the line to write, or nothing for a
// notification.
class CMcpServer
{
public:
    explicit CMcpServer(McpSettings settings) : m_settings(std::move(settings)) {}
    std::optional<std::string> Handle(std::string_view message);
    // The answer to a line that was longer than the reader keeps.
    std::string TooLong() const;
    // The revision agreed at initialisation; empty before.
    const std::string& Revision() const { return m_revision; }

private:
    McpSettings m_settings;
    std::string m_revision;
};

// Serves until the input ends; returns the exit status.
int ServeMcp(std::istream& in, std::ostream& out, std::ostream& err, const McpSettings& settings);

} // namespace quillon::report
