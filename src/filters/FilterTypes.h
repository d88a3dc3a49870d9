// What the chart hands the kingdom filter dialogs and what they hand back.
#pragma once

#include "engine/RemedyResult.h"

#include <string>
#include <vector>

namespace quillon {

// Results of the kingdom dialogs' runs, as the chart tests them.
inline constexpr int kFilterOk = 1;
inline constexpr int kFilterCancel = 2;

// One remedy still shown in the chart, in the chart's result order.
struct FilterRemedy
{
    RemedyKey key = 0; // 10 x code
    int code = 0; // remedy code: the record number in the filters' code files
    std::string abbreviation;
};

// Builds the list from remedy codes (the key is always 10 x code).
std::vector<FilterRemedy> FilterRemediesFromCodes(const std::vector<int>& codes);

// Handed back by the plant and animal dialogs' OK.
struct ClassFilterResult
{
    std::vector<RemedyKey> m_arrExcluded; // remedies that do not match, in result order
    std::string m_strClass; // the selected class, "" when none
    std::string m_strTypes; // checked types, each followed by ", "
};

// Handed back by the mineral dialog's OK.
struct MineralFilterResult
{
    std::vector<RemedyKey> m_arrExcluded;
    std::string m_strElements;
    std::string m_strGroup;
};

} // namespace quillon
