// quillon-report's commands for the chart's reports: the symptoms-covered report and the CSV and PDF exports.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::report {

// covered REGNO [--visit N] [--do ACTION]... RANK
int CoveredCommand(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
class IChartPdfWriter;

// export REGNO [--visit N] [--do ACTION]... --csv | --pdf FILE
int ExportCommand(const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    IChartPdfWriter* pdf);

} // namespace quillon::report
