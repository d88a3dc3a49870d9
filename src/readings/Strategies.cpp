// The five readings of the chart's symptoms.
#include "readings/Strategies.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "engine/RemedyResult.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"

#include <algorithm>
#include <bit>

namespace quillon {
namespace {

constexpr std::size_t kMaxCodes = 49506; // two base-222 digits give codes up to 49,505
constexpr std::size_t kMinCodes = 1024;

// A signed number as an unsigned key whose ascending order is the number's descending order.
constexpr std::uint64_t Descending(long long value) noexcept
{
    return ~(static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63));
}

} // namespace

const char* StrategyWord(Strategy strategy) noexcept
{
    static constexpr std::array<const char*, kStrategyCount> kWords{
        "totality", "covered", "weighted", "small-rubrics", "elimination"};
    return kWords[static_cast<std::size_t>(strategy)];
}

const char* StrategyTitle(Strategy strategy) noexcept
{
    static constexpr std::array<const char*, kStrategyCount> kTitles{QT_TRANSLATE_NOOP("CStrategyReader", "Totality"),
        QT_TRANSLATE_NOOP("CStrategyReader", "Symptoms covered first"),
        QT_TRANSLATE_NOOP("CStrategyReader", "Weighted"), QT_TRANSLATE_NOOP("CStrategyReader", "Small rubrics"),
        QT_TRANSLATE_NOOP("CStrategyReader", "Elimination")};
    return kTitles[static_cast<std::size_t>(strategy)];
}

long long CStrategyReader::Score(Strategy strategy, const StrategyRemedy& remedy) noexcept
{
    switch (strategy) {
    case Strategy::Covered: return remedy.covered;
    case Strategy::Weighted: return 60LL * remedy.weighted + remedy.covered;
    case Strategy::SmallRubrics: return remedy.small;
    case Strategy::Totality:
    case Strategy::Elimination: break;
    }
    return 60LL * remedy.totality + remedy.covered;
}

void CStrategyReader::Grow(std::size_t nCodes)
{
    const std::size_t words = std::min((kMaxCodes + 63) / 64, (std::max(nCodes, 2 * m_tally.size()) + 63) / 64);
    if (words * 64 <= m_tally.size())
        return;
    m_tally.resize(words * 64);
    m_codeBits.resize(words, 0);
}

const StrategyRemedy* CStrategyReader::Find(int code) const
{
    const auto at = std::lower_bound(m_remedies.begin(), m_remedies.end(), code,
        [](const StrategyRemedy& remedy, int c) { return remedy.code < c; });
    return at != m_remedies.end() && at->code == code ? &*at : nullptr;
}

void CStrategyReader::Read(const StrategyInput& input)
{
    m_remedies.clear();
    m_codesMet.clear();
    for (auto& order : m_orders)
        order.clear();
    if (m_tally.empty())
        Grow(std::max<std::size_t>(
            kMinCodes, input.catalogue ? static_cast<std::size_t>(input.catalogue->GetCount()) : 0));

    // The tally: one pass over every entry of the active symptoms.
    m_nEliminating = 0;
    for (std::size_t s = 0; s < input.symptoms.size(); ++s) {
        const CSymptomRecord* record = input.symptoms[s];
        if (!record)
            continue;
        const int entries = RemedyEntryCount(*record);
        const int weight = s < input.weights.size() ? input.weights[s] : 1;
        const int factor = SmallRubricFactor(entries);
        const bool eliminating
            = std::find(input.eliminating.begin(), input.eliminating.end(), record) != input.eliminating.end();
        m_nEliminating += eliminating ? 1 : 0;
        const std::uint8_t* entry = record->m_pRemedies.data();
        for (int i = 0; i < entries; ++i, entry += 3) {
            const int code = DecodeRemedyCode(entry[1], entry[2]);
            if (static_cast<std::size_t>(code) >= m_tally.size())
                Grow(static_cast<std::size_t>(code) + 1);
            Tally& tally = m_tally[static_cast<std::size_t>(code)];
            if (tally.covered == 0)
                m_codesMet.push_back(code);
            const int grade = DecodeGrade(entry[0]);
            tally.totality += grade;
            tally.covered += 1;
            tally.weighted += grade * weight;
            tally.small += grade * factor;
            if (eliminating && tally.lastEliminating != static_cast<int>(s)) {
                tally.lastEliminating = static_cast<int>(s);
                ++tally.eliminating;
            }
        }
    }

    // The codes met in ascending order through a bit per code, their tallies taken and cleared.
    std::size_t first = m_codeBits.size();
    std::size_t last = 0;
    for (const std::int32_t code : m_codesMet) {
        const auto c = static_cast<std::size_t>(code);
        m_codeBits[c / 64] |= std::uint64_t{1} << (c % 64);
        first = std::min(first, c / 64);
        last = std::max(last, c / 64);
    }
    m_remedies.reserve(m_codesMet.size());
    for (std::size_t w = first; w <= last && w < m_codeBits.size(); ++w) {
        for (std::uint64_t word = m_codeBits[w]; word != 0; word &= word - 1) {
            const int code = static_cast<int>(64 * w) + std::countr_zero(word);
            Tally& tally = m_tally[static_cast<std::size_t>(code)];
            const RemedyEntry* named = input.catalogue ? input.catalogue->Entry(code) : nullptr;
            const std::string_view name
                = named ? std::string_view(named->abbreviation).substr(0, kMaxResultName) : std::string_view();
            m_remedies.push_back(StrategyRemedy{
                code, name, tally.totality, tally.covered, tally.weighted, tally.small, tally.eliminating});
            tally = Tally{};
        }
        m_codeBits[w] = 0;
    }

    // The place of each remedy by name (without regard to case), then code: the tie break of every column. The
    // catalogue numbers its remedies in name order, so code order with the nameless first mostly holds already.
    const std::size_t n = m_remedies.size();
    std::vector<std::uint32_t> byName;
    byName.reserve(n);
    for (const bool named : {false, true})
        for (std::uint32_t i = 0; i < n; ++i)
            if (m_remedies[i].name.empty() != named)
                byName.push_back(i);
    const auto nameOrder = [this](std::uint32_t a, std::uint32_t b) {
        const int byText = CompareNoCase(m_remedies[a].name, m_remedies[b].name);
        return byText != 0 ? byText < 0 : m_remedies[a].code < m_remedies[b].code;
    };
    if (!std::is_sorted(byName.begin(), byName.end(), nameOrder))
        std::sort(byName.begin(), byName.end(), nameOrder);
    m_namePlace.assign(n, 0);
    for (std::uint32_t place = 0; place < n; ++place)
        m_namePlace[byName[place]] = place;

    for (const Strategy strategy : kStrategies)
        MakeOrder(strategy);
}

void CStrategyReader::MakeOrder(Strategy strategy)
{
    auto& order = m_orders[static_cast<std::size_t>(strategy)];
    auto& ranks = m_ranks[static_cast<std::size_t>(strategy)];
    m_items.clear();
    ranks.assign(m_remedies.size(), 0);
    if (strategy == Strategy::Elimination && m_nEliminating == 0)
        return;
    for (std::uint32_t i = 0; i < m_remedies.size(); ++i) {
        const StrategyRemedy& remedy = m_remedies[i];
        if (strategy == Strategy::Elimination && remedy.eliminatingNames < m_nEliminating)
            continue;
        long long primary = Score(strategy, remedy);
        if (strategy == Strategy::Covered) // covered, then totality
            primary = (static_cast<long long>(remedy.covered) << 32)
                + (static_cast<long long>(remedy.totality) + (1LL << 31));
        m_items.push_back(SortItem{Descending(primary), m_namePlace[i], i});
    }
    std::sort(m_items.begin(), m_items.end(),
        [](const SortItem& a, const SortItem& b) { return a.key != b.key ? a.key < b.key : a.place < b.place; });
    order.reserve(m_items.size());
    for (std::size_t r = 0; r < m_items.size(); ++r) {
        order.push_back(m_items[r].index);
        ranks[m_items[r].index] = static_cast<std::uint32_t>(r + 1);
    }
}

void ReadChartStrategies(
    CStrategyReader& reader, const CRepEngine& engine, const CRepMethods& methods, const CRemedyCatalogue* catalogue)
{
    const std::span<CSymptomRecord* const> active = engine.ActiveSet();
    const std::vector<int> weights = WeightsFromIntensities(methods.Intensities(), active.size());
    const std::vector<const CSymptomRecord*> eliminating = engine.ActiveEliminating();
    reader.Read(StrategyInput{active, weights, eliminating, catalogue});
}

} // namespace quillon
