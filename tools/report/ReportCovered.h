// quillon-report's commands for the chart's reports: the symptoms-covered report and the CSV and PDF exports.
#pragma once

#include <string>
#include <vector>

namespace quillon::report {

class Transcript;

// covered REGNO [--visit N] [--do ACTION]... RANK
int CoveredCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);

class IChartPdfWriter;

// export REGNO [--visit N] [--do ACTION]... --csv | --pdf FILE
int ExportCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t, IChartPdfWriter* pdf);

} // namespace quillon::report
