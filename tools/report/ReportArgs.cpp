// quillon-report's command lines: the arguments of the chart commands.
#include "report/ReportChart.h"

#include <algorithm>

namespace quillon::report {

int ParseReportIndex(const std::string& text, const char* what)
{
    return ParseWholeNumber(text, what);
}

void ThrowUsage(const std::string& usage)
{
    throw UsageError{"usage: quillon-report [--dir DIR] " + usage};
}

void ExpectArgs(const std::vector<std::string>& args, std::size_t count, const char* usage)
{
    if (args.size() != count)
        ThrowUsage(usage);
}

ChartRequest ParseChartRequest(const std::vector<std::string>& args, const std::string& usage,
    std::initializer_list<std::string_view> valueOptions)
{
    if (args.size() < 2)
        ThrowUsage(usage);
    ChartRequest request;
    request.regNo = args[1];
    bool visitGiven = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--visit" || arg == "--do"
            || std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end();
        if (takesValue && i + 1 >= args.size())
            throw UsageError{Shown(arg) + " needs a value"};
        if (arg == "--visit") {
            if (visitGiven)
                throw UsageError{"--visit given twice"};
            visitGiven = true;
            request.visit = ParseReportIndex(args[++i], "visit");
        } else if (arg == "--do") {
            request.actions.push_back(args[++i]);
        } else if (takesValue) {
            request.extra.emplace_back(arg, args[++i]);
        } else {
            request.extra.emplace_back(arg, std::string());
        }
    }
    return request;
}

} // namespace quillon::report
