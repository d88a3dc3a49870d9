// quillon-report's follow-up commands: the comparison of two visits and the rank stability of one.
#pragma once

#include <string>
#include <vector>

namespace quillon::report {

class Transcript;

// args holds the command and its arguments; returns the exit status of Report.h.
int CompareCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);
int StabilityCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);

} // namespace quillon::report
