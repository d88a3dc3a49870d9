// The tools quillon-report mcp offers: each runs the matching quillon-report command and gives its output both
// as text and as typed fields.
#pragma once

#include "report/McpSettings.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace quillon::report {

// The tools as tools/list gives them (`structured`: with titles and output schemas).
nlohmann::json McpToolList(bool structured);

struct McpToolResult
{
    std::string text;
    nlohmann::json structured; // null when the call failed
    bool isError = false;
};

// Runs a tool; nothing when there is no tool of that name. A call with wrong arguments, or one whose command
// fails, gives an error result that says why.
std::optional<McpToolResult> CallMcpTool(
    const std::string& name, const nlohmann::json& arguments, const McpSettings& settings);

} // namespace quillon::report
