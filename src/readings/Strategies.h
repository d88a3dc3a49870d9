// The chart's symptoms read five ways side by side: totality, symptoms covered first, weighted by the chart's
// intensities, small rubrics counting more, and the totality among the remedies every eliminating symptom names.
// One pass over the active symptoms' entries makes one tally for all five; the symptoms are borrowed.
#pragma once

#include "casedata/SymptomRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class CRepEngine;
class CRepMethods;

enum class Strategy : int { Totality, Covered, Weighted, SmallRubrics, Elimination };
inline constexpr int kStrategyCount = 5;
inline constexpr std::array<Strategy, kStrategyCount> kStrategies{
    Strategy::Totality, Strategy::Covered, Strategy::Weighted, Strategy::SmallRubrics, Strategy::Elimination};

// How many remedies each column lists: 10 unless chosen, from 5 to 50.
inline constexpr int kMinStrategyTop = 5;
inline constexpr int kMaxStrategyTop = 50;
inline constexpr int kDefaultStrategyTop = 10;

// The column's word in quillon-report's output ("totality", "covered", "weighted", "small-rubrics",
// "elimination") and its heading in the window (English; the window translates it in the context
// "CStrategyReader").
const char* StrategyWord(Strategy strategy) noexcept;
const char* StrategyTitle(Strategy strategy) noexcept;

// What a grade counts under Small rubrics in a symptom naming `remedies` remedy entries: 3 up to 10, 2 up to
// 50, 1 above.
constexpr int SmallRubricFactor(int remedies) noexcept
{
    return remedies <= 10 ? 3 : (remedies <= 50 ? 2 : 1);
}

struct StrategyInput
{
    std::span<CSymptomRecord* const> symptoms; // the chart's active symptoms
    std::span<const int> weights; // the weight of each (Weighted); a symptom beyond them counts 1
    std::span<const CSymptomRecord* const> eliminating; // the active symptoms that eliminate
    const CRemedyCatalogue* catalogue = nullptr; // names the remedies (may be null)
};

// One remedy of the active symptoms with what every column counts of it.
struct StrategyRemedy
{
    int code = 0;
    std::string_view name; // the catalogue's abbreviation (at most 14 characters), empty when unknown
    int totality = 0;
    int covered = 0;
    int weighted = 0; // sum of grade x weight
    int small = 0; // sum of grade x SmallRubricFactor
    int eliminatingNames = 0; // how many eliminating symptoms name it
};

class CStrategyReader final
{
public:
    // Reads the input: every remedy, and each column's order. The names borrow the catalogue, which must outlive
    // the reading. The working tables are kept for the next reading.
    void Read(const StrategyInput& input);

    // Every remedy of the reading, in ascending code order.
    const std::vector<StrategyRemedy>& Remedies() const { return m_remedies; }
    // The column in rank order (indices into Remedies()); Elimination is empty when no symptom eliminates.
    std::span<const std::uint32_t> Order(Strategy strategy) const
    {
        return m_orders[static_cast<std::size_t>(strategy)];
    }
    // Where remedy `index` stands in the column (from 1), 0 when the column lacks it.
    int Rank(Strategy strategy, std::size_t index) const
    {
        const auto& ranks = m_ranks[static_cast<std::size_t>(strategy)];
        return index < ranks.size() ? static_cast<int>(ranks[index]) : 0;
    }
    // The number the column orders by: 60 x totality + covered (Totality, Elimination), covered (Covered, whose
    // ties go to the totality), 60 x weighted + covered (Weighted), the small-rubric sum (Small rubrics).
    static long long Score(Strategy strategy, const StrategyRemedy& remedy) noexcept;
    bool HasElimination() const { return m_nEliminating > 0; }
    // The remedy of a code, or nothing.
    const StrategyRemedy* Find(int code) const;
    std::size_t IndexOf(const StrategyRemedy& remedy) const
    {
        return static_cast<std::size_t>(&remedy - m_remedies.data());
    }

private:
    struct Tally
    {
        int totality = 0;
        int covered = 0;
        int weighted = 0;
        int small = 0;
        int eliminating = 0;
        int lastEliminating = -1; // the last eliminating symptom that named it
    };
    void Grow(std::size_t nCodes);
    void MakeOrder(Strategy strategy);

    std::vector<Tally> m_tally; // by code; entries of codes not met stay cleared between readings
    std::vector<std::uint64_t> m_codeBits;
    std::vector<std::int32_t> m_codesMet;
    std::vector<StrategyRemedy> m_remedies;
    std::vector<std::uint32_t> m_namePlace; // by remedy index: its place by name without regard to case, then code
    std::array<std::vector<std::uint32_t>, kStrategyCount> m_orders;
    std::array<std::vector<std::uint32_t>, kStrategyCount> m_ranks;
    struct SortItem
    {
        std::uint64_t key;
        std::uint32_t place;
        std::uint32_t index;
    };
    std::vector<SortItem> m_items;
    int m_nEliminating = 0;
};

// Reads the chart's active symptoms with the Weightage dialog's intensities and its eliminating symptoms.
void ReadChartStrategies(
    CStrategyReader& reader, const CRepEngine& engine, const CRepMethods& methods, const CRemedyCatalogue* catalogue);

} // namespace quillon
