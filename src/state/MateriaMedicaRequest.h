// The materia medica request: which remedies, which grades and which presentation the conversion dialog chose.
#pragma once

#include <string>
#include <vector>

namespace quillon {

// Presentation modes of the materia medica view (3 is not used).
enum MateriaMedicaMode : int {
    kMMDifferentiate = 0,
    kMMCompare = 1,
    kMMComplete = 2,
    kMMSingleRemedyRubrics = 4,
    kMMCreate = 5,
    kMMOneRemedy = 6,
};

// Grades 1 to 6: the mask of "All".
inline constexpr int kAllGradesMask = 63;

// A remedy of the conversion's selected list: its code and the name the list shows.
struct ChosenRemedy
{
    int code = 0;
    std::string name;

    bool operator==(const ChosenRemedy&) const = default;
};

struct CMateriaMedicaRequest
{
    std::vector<int> m_arrSelectedCodes; // the remedy code of each requested remedy
    int m_nMode = kMMComplete;
    int m_nMarkMask = kAllGradesMask; // bit (g - 1) set when grade g counts

    int SelectedCount() const { return static_cast<int>(m_arrSelectedCodes.size()); }
};

// Whether grade g counts under the mask: only grades 1 to 6 can.
constexpr bool GradeCounts(int mask, int grade) noexcept
{
    return grade >= 1 && grade <= 6 && (mask & (1 << (grade - 1))) != 0;
}

} // namespace quillon
