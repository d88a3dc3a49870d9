// The materia medica request: which remedies, which grades and which presentation the conversion dialog chose,
// and how a remedy name of the dialog's lists becomes a remedy code.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class CRepEngine;

// Presentation modes of the materia medica view (3 is not used).
enum MateriaMedicaMode : int {
    kMMDifferentiate = 0,
    kMMCompare = 1,
    kMMComplete = 2,
    kMMSingleRemedyRubrics = 4,
    kMMCreate = 5,
    kMMOneRemedy = 6,
};

// The key of a requested name that names no remedy: it equals no 10 x code, so it matches no entry.
inline constexpr int kUnresolvedRemedyKey = -1;
// Grades 1 to 6: the mask of "All".
inline constexpr int kAllGradesMask = 63;

struct CMateriaMedicaRequest
{
    std::vector<int> m_arrSelectedCodes; // 10 x remedy code per requested remedy, or kUnresolvedRemedyKey
    int m_nMode = kMMComplete;
    int m_nMarkMask = kAllGradesMask; // bit (g - 1) set when grade g counts

    // The chart's rows in display order (abbreviation, remedy code) as they were when the chart's remedy rows
    // were last handed to the conversion: names in the dialog's lists resolve through them.
    std::vector<std::pair<std::string, int>> m_chartRows;

    int SelectedCount() const { return static_cast<int>(m_arrSelectedCodes.size()); }
};

// Takes the chart's display order as the rows the next conversion resolves names against.
void CaptureChartRows(CMateriaMedicaRequest& request, const CRepEngine& engine);

// The remedy code of a name from the dialog's lists: the chart row that shows exactly that name; failing that,
// the catalogue's first remedy in file order whose abbreviation equals it ignoring letter case; -1 for none.
int ResolveRemedyCode(const std::vector<std::pair<std::string, int>>& chartRows, const CRemedyCatalogue* catalogue,
    std::string_view name);

// Whether grade g counts under the mask: only grades 1 to 6 can.
constexpr bool GradeCounts(int mask, int grade) noexcept
{
    return grade >= 1 && grade <= 6 && (mask & (1 << (grade - 1))) != 0;
}

} // namespace quillon
