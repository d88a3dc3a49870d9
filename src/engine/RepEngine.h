// The repertorisation engine: the remedies of the active symptoms with their totality and symptoms covered,
// their display order and the remedy-by-symptom grades the chart paints. It holds no window: the chart
// view owns one engine and draws from its accessors.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"
#include "casedata/Translatable.h"
#include "engine/RemedyResult.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quillon {

// Messages of the repertorisation. Plain "Insufficient memory" is kMsgInsufficientMemory of the case store.
inline constexpr const char* kMsgInsufficientMemoryInPFinRep
    = QT_TRANSLATE_NOOP("Message", "Insufficient memory in pFinRep");

enum SortMode : int { SortByTotality = 0, SortBySymptomsCovered = 1, SortByName = 2 };

enum class SortOutcome {
    Sorted,
    OutOfMemory, // the message is shown; the results stay without a display order
};

// The totality and name orders as three-way comparisons (negative: a comes first). Totality is compared as the
// composite key 60 x T + C, largest first, then by name ignoring case.
int CompareByTotality(const RemedyResult& a, const RemedyResult& b) noexcept;
int CompareByName(const RemedyResult& a, const RemedyResult& b) noexcept;

// What a build repertorises: the active symptoms (borrowed from the case store) and the weight each counts
// with; a symptom beyond the weights counts 1. The methods work it out; the engine records the symptoms as the
// store's active set.
struct ActiveSymptoms
{
    std::vector<CSymptomRecord*> symptoms;
    std::vector<int> weights;
};

// Every recorded symptom of the store with weight 1: the chart's start and a Normal repertorisation.
ActiveSymptoms EveryRecordedSymptom(const CCaseStore& store);
// The weights of `count` active symptoms from the Weightage dialog's intensities: of the first `count` entries,
// each naming an active symptom gives it its intensity; every other symptom counts 1.
std::vector<int> WeightsFromIntensities(std::span<const IntensityEntry> intensities, std::size_t count);

// Number of whole remedy entries a record holds: its count, but never more than its entry bytes allow.
int RemedyEntryCount(const CSymptomRecord& record) noexcept;

// A remedy's tally in one word, so that each entry is one addition: the coverings x 2^32 plus the totality in
// 64-bit arithmetic (a grade under zero is added sign extended). The totality, which fits in 32 bits, is the low
// half read as signed.
inline constexpr std::uint64_t kOneCovering = std::uint64_t{1} << 32;

struct TallyCounts
{
    int totality = 0;
    int covered = 0;
};

constexpr TallyCounts UnpackTally(std::uint64_t word) noexcept
{
    const auto totality = static_cast<std::int32_t>(static_cast<std::uint32_t>(word & 0xFFFFFFFFu));
    return {totality, static_cast<int>((word - static_cast<std::uint64_t>(std::int64_t{totality})) >> 32)};
}

class CRepEngine final
{
public:
    // The results in ascending key order (a sorted vector: a build appends in key order, and look-ups
    // search it). The records belong to the engine and last until the next build.
    using ResultEntry = std::pair<RemedyKey, RemedyResult*>;
    using ResultMap = std::vector<ResultEntry>;

    // The store supplies the symptoms and holds the active set (RepSymptoms), which only the engine
    // writes, from the input of each build; the catalogue (may be null) names the remedies. When the store is cleared
    // the engine drops everything it borrowed from it.
    CRepEngine(CCaseStore& store, const CRemedyCatalogue* catalogue, IMessageSink& sink);
    ~CRepEngine();
    CRepEngine(const CRepEngine&) = delete;
    CRepEngine& operator=(const CRepEngine&) = delete;

    // Names the present results from the new catalogue too.
    void SetCatalogue(const CRemedyCatalogue* catalogue);

    // The chart's first build: the input (by default every recorded symptom with weight 1), ordered by
    // totality, with its grades readable.
    bool Start(ActiveSymptoms input);
    bool Start() { return Start(EveryRecordedSymptom(*m_store)); }

    // Makes the input the active set and builds the results from it; the display order stays absent until
    // the next sort.
    bool BuildResults(ActiveSymptoms input);
    // Builds again from the active set and the weights of the last input.
    bool BuildResults();

    // Fills the display order from the results and sorts it, in place of any order there was.
    SortOutcome SortResults(SortMode mode);
    // Makes the grades of the display order for the active symptoms readable through Grade.
    void FillGradeMatrix();
    // The engine's share of a refresh: sort by the current mode and make the grades readable.
    bool RefreshResults();

    // Empties the results (and with them the display order and the grades).
    void ClearResults();
    void FreeSortedOrder();
    // Drops one remedy; false when it is not in the results.
    bool RemoveRemedy(RemedyKey key);
    // Drops every remedy the predicate picks; returns how many went.
    int RemoveRemedies(const std::function<bool(const RemedyResult&)>& drop);

    // --- Elimination ---
    // The symptoms a remedy must be named in to stay in the chart (borrowed from the store). Only those among
    // the active symptoms act; every build drops the remedies that one of them does not name, while totality
    // and symptoms covered still count every active symptom.
    void SetEliminating(const CSymptomRecord* record, bool eliminating);
    bool IsEliminating(const CSymptomRecord* record) const;
    bool IsEliminating(int s) const { return IsEliminating(Symptom(s)); }
    void ClearElimination() { m_eliminating.clear(); }
    // The active symptoms that eliminate, in active order (empty: no elimination in force).
    std::vector<const CSymptomRecord*> ActiveEliminating() const;
    bool EliminationInForce() const { return !ActiveEliminating().empty(); }
    // Drops the results that an active eliminating symptom does not name; returns how many went.
    int ApplyElimination();
    // How many results `record` would leave, were it eliminating too (the results as they stand).
    int CountLeftWith(const CSymptomRecord* record) const;

    SortMode GetSortMode() const { return m_eSortMode; }
    // Modes outside the three known ones order by totality.
    void SetSortMode(int mode);

    // --- Results as the chart and the dialogs read them ---
    const ResultMap& Results() const { return pdrgRep; }
    int ResultCount() const { return static_cast<int>(pdrgRep.size()); }
    bool HasSortedOrder() const { return pFinRep.has_value(); }
    bool HasGradeMatrix() const { return m_bHasMatrix; }

    int SymptomCount() const { return static_cast<int>(m_store->RepSymptoms().size()); }
    const CSymptomRecord* Symptom(int s) const;
    std::span<CSymptomRecord* const> ActiveSet() const { return m_store->RepSymptoms(); }
    // Rows of the display order (0 while it is absent).
    int RemedyCount() const { return pFinRep ? static_cast<int>(pFinRep->size()) : 0; }
    const RemedyResult* SortedRemedy(int r) const;
    // Where a result's name stands among the results' names (without regard to case, then by code), the tie
    // break of every sort; places keep their order but may leave gaps. 0 before the first sort.
    int NamePlace(int code) const noexcept;
    std::string_view RemedyName(int r) const;
    int RemedyTotality(int r) const;
    int RemedyCovered(int r) const;
    // Grade of sorted remedy r in active symptom s, read from the symptom's entries (the last entry naming
    // the remedy counts); 0 when the remedy does not occur in the symptom or when (r, s) lies outside the
    // display order and symptoms of the last fill.
    int Grade(int r, int s) const;
    // What the chart's cell (r, s) shows, and so what every export of the chart writes there: the grade when it
    // is above 0; 0 for an empty cell (the remedy is absent from the symptom, or the grade stored is 0 or less).
    int ShownGrade(int r, int s) const
    {
        const int grade = Grade(r, s);
        return grade > 0 ? grade : 0;
    }
    // The covering symptoms of a remedy with the grade each gives, in processing order (one pair per entry that
    // names it). They are read from the active symptoms when asked for, not kept with every build.
    std::vector<LevelEntry> Levels(RemedyKey key) const;

private:
    void DropBorrowed();
    void InvalidateOrder();
    // Makes the per-code tables cover codes below nCodes (they only grow), keeping what they hold.
    void GrowCodeTables(std::size_t nCodes);
    // The place of each result's name among the results (by name ignoring case, then code), by code.
    void WorkOutNameOrder();
    // Puts the first nMet codes met in ascending order.
    void SortCodesMet(std::size_t nMet) noexcept;
    // Zeroes the tally words of the codes met and empties their list.
    void ClearTally() noexcept;
    std::string_view NameOf(int nCode) const;
    ResultMap::const_iterator FindEntry(RemedyKey key) const;

    CCaseStore* m_store;
    const CRemedyCatalogue* m_pRemedyCatalogue;
    IMessageSink* m_sink;
    int m_nClearListener = 0;

    ResultMap pdrgRep;
    // The records of the last build, in ascending code order, one block for all of them; pdrgRep borrows them.
    std::vector<RemedyResult> m_records;
    std::optional<std::vector<RemedyResult*>> pFinRep;
    bool m_bHasMatrix = false;
    int m_nMatrixSymptoms = 0;
    int m_nMatrixRemedies = 0;
    // The weight of each active symptom, from the last input.
    std::vector<int> m_weights;
    std::vector<const CSymptomRecord*> m_eliminating;
    SortMode m_eSortMode = SortByTotality;

    // Working space kept between builds, indexed by code and sized for the codes met so far (at first for the
    // catalogue's codes): a tally word per code (zero between builds), the codes met in the current build with a
    // bit per code to order them, and the place of each ordered code's name in name order, which holds while
    // the results only lose remedies.
    std::vector<std::uint64_t> m_tally;
    std::vector<std::int32_t> m_codesMet;
    std::size_t m_nCodesMet = 0;
    std::vector<std::uint64_t> m_codeBits;
    std::vector<std::uint16_t> m_nameOrderOfCode;
    // The codes that hold a place in m_nameOrderOfCode (every other code holds none).
    std::vector<std::int32_t> m_orderedCodes;
    bool m_bNameOrderValid = false;
};

} // namespace quillon
