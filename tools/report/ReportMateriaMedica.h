// quillon-report materia-medica: the conversion dialog and the materia medica view, replayed over a chart.
#pragma once

#include <string>
#include <vector>

namespace quillon {
class CQuillonState;
class CRepEngine;
class CRepMethods;
} // namespace quillon

namespace quillon::report {

class Transcript;

// OPTION and MARKS of the arguments (OPTION MARKS RANK...), checked before the chart opens: a UsageError.
void CheckMateriaMedicaArguments(const std::vector<std::string>& args);

// With the chart open and its actions replayed: opens the conversion dialog with an empty selected list,
// double-clicks the full-list entries of the chart ranks, sets the drug marks and the option, presses OK and
// prints the view. args: OPTION MARKS RANK... Returns the exit status.
int MateriaMedicaReport(CQuillonState& state, const CRepEngine& engine, const CRepMethods& methods, Transcript& t,
    const std::vector<std::string>& args);

} // namespace quillon::report
