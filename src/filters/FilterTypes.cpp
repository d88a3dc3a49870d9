// What the chart hands the kingdom filter dialogs and what they hand back.
#include "filters/FilterTypes.h"

namespace quillon {

std::vector<FilterRemedy> FilterRemediesFromCodes(const std::vector<int>& codes)
{
    std::vector<FilterRemedy> remedies;
    remedies.reserve(codes.size());
    for (int code : codes)
        remedies.push_back({MakeRemedyKey(code), code, {}});
    return remedies;
}

KingdomDialogResult KingdomDialogResult::FromClass(const ClassFilterResult& result)
{
    return KingdomDialogResult{result.m_arrExcluded, result.m_strClass, result.m_strTypes, 0, {}, {}};
}

KingdomDialogResult KingdomDialogResult::FromMineral(const MineralFilterResult& result)
{
    return KingdomDialogResult{result.m_arrExcluded, result.m_strElements, result.m_strGroup, 0, {}, {}};
}

} // namespace quillon
