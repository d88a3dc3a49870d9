// The stability table by its definition: a full Normal ranking without each symptom in turn. It is what the
// program's table saves, and what the tests, fuzzers and benchmarks hold RankStability to.
#pragma once

#include "followup/FollowUpAnalysis.h"

#include <optional>
#include <span>
#include <vector>

namespace quillon {

// nullopt when a ranking failed.
std::optional<std::vector<StabilityRow>> RankStabilityByRebuilds(std::span<const CSymptomRecord* const> symptoms,
    const std::vector<RankedRemedy>& ranking, int top, const CPracticeFolder& folder, const CRemedyCatalogue* catalogue,
    IMessageSink& sink);

} // namespace quillon
