// quillon-report's commands for the chart's reports: the symptoms-covered report and the CSV export.
#pragma once

#include <string>
#include <vector>

namespace quillon::report {

class Transcript;

// covered REGNO [--visit N] [--do ACTION]... RANK
int CoveredCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);
// export REGNO [--visit N] [--do ACTION]... --csv
int ExportCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);

} // namespace quillon::report
