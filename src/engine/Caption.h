// The caption line of the chart: the repertorisation methods in force and the filter description.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillon {

// The method state of the chart as the caption names it.
struct RepMethodFlags
{
    bool m_bNormal = false;
    bool m_bDrugFilter = false;
    bool m_bWeightage = false;
    bool m_bMind = false;
    bool m_bGeneral = false;
    bool m_bRest = false;
    bool m_bSorted = false;
    std::array<bool, 3> m_bClipboard{};
};

// "Repertorisation: " and either "Normal" or the methods in force joined by "+" (rest before general);
// with a drug filter, five blanks and the filter description follow. The text grows as needed. The words are in
// the user's language (English where no translator is installed).
// The sort mode (SortByTotality, SortBySymptomsCovered or SortByName) is the engine's.
std::string BuildCaption(const RepMethodFlags& flags, int sortMode, std::string_view filterDesc);

} // namespace quillon
