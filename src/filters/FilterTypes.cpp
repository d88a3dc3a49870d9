// What the chart hands the kingdom filter dialogs.
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

} // namespace quillon
