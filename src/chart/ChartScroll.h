// The scroll rules of the chart in its specified layout (11 symptom rows, 13 remedy columns in sight), in rows
// and columns: the window's bars follow them, and quillon-report tells by them where the Drug List scrolls.
#pragma once

#include <algorithm>

namespace quillon {

inline constexpr int kVisibleSymptoms = 11;
inline constexpr int kVisibleRemedies = 13; // the remedy bar is shown only with more remedies than this
inline constexpr int kSymptomPage = 3;
inline constexpr int kRemedyPage = 11;
inline constexpr int kSymptomTextPage = 3;
inline constexpr int kSymptomTextMaximum = 150;

struct ScrollRange
{
    int maximum = 0;
    bool shown = false;
};

inline ScrollRange SymptomScrollRange(int symptomCount) noexcept
{
    if (symptomCount > kVisibleSymptoms)
        return {symptomCount - kVisibleSymptoms, true};
    return {std::max(symptomCount, 0), false};
}

inline ScrollRange RemedyScrollRange(int remedyCount) noexcept
{
    if (remedyCount > kVisibleRemedies)
        return {remedyCount - kVisibleRemedies, true};
    return {std::max(remedyCount, 0), false};
}

} // namespace quillon
