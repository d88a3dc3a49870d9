// What quillon-report mcp serves: the practice folder, the case book and whether names may leave the program.
#pragma once

#include <string>

namespace quillon::report {

struct McpSettings
{
    std::string dir = ".";
    std::string casebook; // empty: the user's own
    bool identify = false; // names, case texts and notes may leave the program
};

} // namespace quillon::report
