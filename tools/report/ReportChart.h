// What the report's chart commands share: their arguments, and the chart opened and replayed as the window
// opens it.
#pragma once

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {
class CQuillonState;
class CRepEngine;
class CRepMethods;
} // namespace quillon

namespace quillon::report {

// A wrong command line: Run prints the text and ends with kUsageError.
struct UsageError
{
    std::string text;
};

// A whole number from 0, or a UsageError naming `what`.
int ParseReportIndex(const std::string& text, const char* what);

struct ChartRequest
{
    std::string regNo;
    int visit = 0;
    std::vector<std::string> actions;
    // The other arguments in order: an option of the command's value options with its value, anything else
    // alone (with an empty value).
    std::vector<std::pair<std::string, std::string>> extra;
};

// args: the command, REGNO, then --visit N, --do ACTION and the command's own arguments.
ChartRequest ParseChartRequest(const std::vector<std::string>& args, const std::string& usage,
    std::initializer_list<std::string_view> valueOptions = {});

// Selects the patient, opens the chart of the visit as the window does, replays the actions and hands the chart
// to `use`, whose status is returned. Messages are printed to `messages` as "message<TAB>TEXT".
int WithChart(const std::string& dir, const ChartRequest& request, std::ostream& messages, std::ostream& err,
    const std::function<int(CQuillonState&, CRepEngine&, CRepMethods&)>& use);

} // namespace quillon::report
