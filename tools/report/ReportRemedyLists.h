// quillon-report's drug-list and remedy-list commands.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon::report {

// args: "drug-list" or "remedy-list" and their arguments.
int RemedyListCommand(
    const std::string& dir, const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace quillon::report
