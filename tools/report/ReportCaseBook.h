// quillon-report's case book commands: save-analysis, analyses, chart --analysis, prescribe, casebook-export and
// casebook-import.
#pragma once

#include "report/ReportChart.h"

#include <string>
#include <vector>

namespace quillon::report {

// The case book of a command line: --casebook FILE, or the user's own (empty).
struct CaseBookCommand
{
    std::string dir;
    std::string casebook;
    const std::vector<std::string>& args;
    Transcript& t;
    bool onlyRead = false; // the book is opened to read only: a missing one is an empty book, never a new file
};

// The case book commands; false when `args` names none of them.
bool IsCaseBookCommand(const std::string& command);
int CaseBookCommandRun(const CaseBookCommand& c);

} // namespace quillon::report
