// The stability table by its definition.
#include "support/StabilityByRebuilds.h"

#include <algorithm>

namespace quillon {

std::optional<std::vector<StabilityRow>> RankStabilityByRebuilds(std::span<const CSymptomRecord* const> symptoms,
    const std::vector<RankedRemedy>& ranking, int top, const CPracticeFolder& folder, const CRemedyCatalogue* catalogue,
    IMessageSink& sink)
{
    const std::size_t shown = std::min(ranking.size(), static_cast<std::size_t>(std::max(top, 0)));
    std::vector<StabilityRow> rows(shown);
    for (std::size_t r = 0; r < shown; ++r) {
        const RankedRemedy& remedy = ranking[r];
        const int rank = static_cast<int>(r) + 1;
        rows[r] = {rank, remedy.code, remedy.name, remedy.totality, remedy.covered, rank, false, -1, 0};
    }
    std::vector<const CSymptomRecord*> rest;
    for (std::size_t s = 0; s < symptoms.size(); ++s) {
        rest.assign(symptoms.begin(), symptoms.end());
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(s));
        const auto rebuilt = NormalRanking(rest, folder, catalogue, sink);
        if (!rebuilt)
            return std::nullopt;
        for (StabilityRow& row : rows) {
            const auto found = std::find_if(rebuilt->begin(), rebuilt->end(),
                [&row](const RankedRemedy& remedy) { return remedy.code == row.code; });
            const int rank = found == rebuilt->end() ? 0 : static_cast<int>(found - rebuilt->begin()) + 1;
            if (rank != row.rank)
                ++row.changes;
            if (!row.gone && (rank == 0 || rank > row.worstRank)) {
                row.gone = rank == 0;
                row.worstRank = rank == 0 ? row.worstRank : rank;
                row.worstSymptom = static_cast<int>(s);
            }
        }
    }
    return rows;
}

} // namespace quillon
