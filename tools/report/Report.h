// quillon-report: the case and the chart of a practice folder as text, through the same core code as
// the window. Standard C++ only.
#pragma once

#include "report/ReportStatus.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::report {

// Runs one command line (without the program name); returns the exit status. Without a PDF writer, export --pdf
// fails.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, IChartPdfWriter* pdf = nullptr);
// The same with the case book opened to read only (a missing book is an empty one): commands that write fail.
int RunReadingOnly(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string Usage();

} // namespace quillon::report
