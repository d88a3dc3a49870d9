// Follow-up analysis: how the ranking of a Normal repertorisation moved between two visits, and how firmly each
// of the first remedies holds its place when any one symptom is left out. Both rankings come from the chart's
// engine, run on a scratch store of copied symptoms, so the case store and an open chart are never touched.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon {

inline constexpr int kDefaultFollowUpTop = 10;
inline constexpr int kMinFollowUpTop = 5;
inline constexpr int kMaxFollowUpTop = 50;

// The records of an owning list, borrowed in its order.
std::vector<const CSymptomRecord*> Borrow(const std::vector<std::unique_ptr<CSymptomRecord>>& owned);

// One remedy of a Normal repertorisation, in chart order (rank = place + 1).
struct RankedRemedy
{
    int code = 0;
    std::string name;
    int totality = 0;
    int covered = 0;
    int namePlace = 0; // where the name stands among the ranking's names, the tie break of the order
};

// The Normal repertorisation of these symptoms: each with weight 1, ordered by totality as the chart orders
// it (60 x totality + covered, then the name without regard to case, then the code). Empty when no symptom
// names a remedy; nullopt when the engine failed (its message went to the sink).
std::optional<std::vector<RankedRemedy>> NormalRanking(std::span<const CSymptomRecord* const> symptoms,
    const CPracticeFolder& folder, const CRemedyCatalogue* catalogue, IMessageSink& sink);

// One visit as a side of the comparison: its date, its recorded symptoms and their ranking.
struct VisitSide
{
    int visit = 0;
    std::string date;
    std::vector<std::unique_ptr<CSymptomRecord>> symptoms;
    std::vector<RankedRemedy> ranking;
};

// Loads visit nVisit of the open patient's ".rsy" file into a scratch store and ranks all its recorded symptoms.
// `patient` holds the visit index, whose faults were said when the patient was opened. A visit that cannot be
// loaded, or holds no symptom ("No symptoms for Repertorisation"), gives nullopt after its messages went to the sink.
std::optional<VisitSide> LoadVisitSide(
    const CCaseStore& patient, int nVisit, const CRemedyCatalogue* catalogue, IMessageSink& sink);

struct ComparisonRow
{
    int code = 0;
    std::string name;
    // 1-based ranks; 0 where the remedy is absent from that visit (totality and covered are 0 then).
    int rankA = 0;
    int rankB = 0;
    int totalityA = 0;
    int totalityB = 0;
    int coveredA = 0;
    int coveredB = 0;
};

struct VisitComparison
{
    int symptomsA = 0;
    int symptomsB = 0;
    int sharedTexts = 0; // distinct symptom texts present in both visits, compared byte for byte
    // Every remedy among the first `top` of either visit: by rank in B, those absent from B after the others by
    // rank in A, then by code.
    std::vector<ComparisonRow> rows;
};

VisitComparison CompareVisits(const VisitSide& a, const VisitSide& b, int top);

// The day a visit date text "dd/mm/yyyy" names, as yyyymmdd; nullopt when it is not such a date.
std::optional<int> VisitDay(std::string_view date);

// Whether visit x came before visit y: by their dates, and by their places in the ".rsy" file (which need not be
// in time order) when the dates are the same or either is not a date.
bool VisitBefore(std::string_view dateX, int visitX, std::string_view dateY, int visitY);

// The two sides of a comparison in time order: the earlier visit first, so that a rise is a rise by the later one.
std::pair<const VisitSide*, const VisitSide*> InTimeOrder(const VisitSide& x, const VisitSide& y);

// The visit the chart's visit is compared with first: the latest visit before it, or else the earliest after it;
// -1 when the patient has no other visit.
int DefaultOtherVisit(const std::vector<std::string>& dates, int chartVisit);

// How firmly one of the first remedies holds its place when one symptom is left out.
struct StabilityRow
{
    int rank = 0;
    int code = 0;
    std::string name;
    int totality = 0;
    int covered = 0;
    // The worst rank over every single removal (the rank itself when none moves it down); `gone` when some
    // removal drops the remedy from the chart altogether.
    int worstRank = 0;
    bool gone = false;
    // The lowest symptom index whose removal gives that worst result; -1 when no removal moves the remedy down.
    int worstSymptom = -1;
    // How many single removals change the rank (a removal that drops the remedy counts).
    int changes = 0;

    bool operator==(const StabilityRow&) const = default;
};

// Leave-one-out over every symptom for the first `top` remedies of `ranking`, which must be the Normal ranking
// of exactly these symptoms (a ranking out of chart order is put in order first). Each removal is worked out as
// an update of the base tallies: only the remedies the left-out symptom names lose, so the shown remedies are
// re-ranked among the head of the base order that they can fall through, and nothing below it is looked at.
std::vector<StabilityRow> RankStability(
    std::span<const CSymptomRecord* const> symptoms, const std::vector<RankedRemedy>& ranking, int top);

} // namespace quillon
