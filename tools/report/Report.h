// quillon-report: the case and the chart of a practice folder as text, through the same core code as
// the window. Standard C++ only.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace quillon {
class CQuillonState;
class CRepEngine;
class CRepMethods;
} // namespace quillon

namespace quillon::report {

enum ExitStatus : int { kDone = 0, kCaseNotLoaded = 1, kUsageError = 2 };

// Runs one command line (without the program name); returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string Usage();

// A command line that cannot be run: the text is printed after "quillon-report: ".
struct UsageError
{
    std::string text;
};

// The arguments of a chart command (args[0] is the command): REGNO [--visit N] [--do ACTION]...; any other
// argument is left in `rest`, in order.
struct ChartArgs
{
    std::string regNo;
    int visit = 0;
    std::vector<std::string> actions;
    std::vector<std::string> rest;
};
ChartArgs ParseChartArgs(const std::vector<std::string>& args, const char* usage);

// Opens the chart as the window does, replays the actions (their messages printed to `messages` as
// "message<TAB>TEXT") and returns what `use` returns; kCaseNotLoaded when the chart does not open.
int WithReplayedChart(const std::string& dir, const ChartArgs& args, std::ostream& messages, std::ostream& err,
    const std::function<int(CQuillonState&, CRepEngine&, CRepMethods&)>& use);

} // namespace quillon::report
