// quillon-report run as a library on a practice folder.
#pragma once

#include "report/Report.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace quillon::testing {

struct ReportResult
{
    int status = -1;
    std::string out, err;
};

// Runs the command with "--dir" and the folder before it; an empty folder adds no "--dir".
inline ReportResult RunReport(const std::filesystem::path& folder, std::vector<std::string> command)
{
    if (!folder.empty())
        command.insert(command.begin(), {"--dir", folder.string()});
    std::ostringstream out, err;
    const int status = report::Run(command, out, err);
    return {status, out.str(), err.str()};
}

} // namespace quillon::testing
