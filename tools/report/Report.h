// quillon-report: the case and the chart of a practice folder as text, through the same core code as
// the window. Standard C++ only.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::report {

enum ExitStatus : int { kDone = 0, kCaseNotLoaded = 1, kUsageError = 2 };

// Runs one command line (without the program name); returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string Usage();

} // namespace quillon::report
