// Resolving the names of the materia medica request.
#include "materiamedica/MateriaMedicaRequest.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "repertory/RepEngine.h"

namespace quillon {

void CaptureChartRows(CMateriaMedicaRequest& request, const CRepEngine& engine)
{
    request.m_chartRows.clear();
    const int count = engine.RemedyCount();
    request.m_chartRows.reserve(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r)
        request.m_chartRows.emplace_back(std::string(engine.RemedyName(r)), engine.SortedRemedy(r)->code);
}

int ResolveRemedyCode(
    const std::vector<std::pair<std::string, int>>& chartRows, const CRemedyCatalogue* catalogue, std::string_view name)
{
    for (const auto& [rowName, code] : chartRows)
        if (rowName == name)
            return code;
    if (!catalogue || name.empty())
        return -1;
    int found = -1;
    int foundIndex = 0;
    for (int code = 0; code < catalogue->GetCount(); ++code) {
        const RemedyEntry* entry = catalogue->Entry(code);
        if (entry && EqualsNoCase(entry->abbreviation, name) && (found < 0 || entry->propertyIndex < foundIndex)) {
            found = code;
            foundIndex = entry->propertyIndex;
        }
    }
    return found;
}

} // namespace quillon
