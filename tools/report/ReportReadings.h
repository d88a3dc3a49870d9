// quillon-report's readings of the chart: the five strategies side by side and the families of its remedies.
#pragma once

#include <string>
#include <vector>

namespace quillon::report {

class Transcript;

// args holds the command and its arguments; returns the exit status of Report.h.
int StrategiesCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);
int FamiliesCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);

} // namespace quillon::report
