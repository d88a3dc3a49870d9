// quillon-report's drug-list and remedy-list commands.
#pragma once

#include <string>
#include <vector>

namespace quillon::report {

class Transcript;

// args: "drug-list" or "remedy-list" and their arguments.
int RemedyListCommand(const std::string& dir, const std::vector<std::string>& args, Transcript& t);

} // namespace quillon::report
