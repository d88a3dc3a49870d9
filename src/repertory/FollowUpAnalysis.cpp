// Follow-up analysis.
#include "repertory/FollowUpAnalysis.h"

#include "casedata/TextCodec.h"
#include "repertory/RepEngine.h"
#include "symptoms/RecordedSymptoms.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <set>
#include <unordered_map>

namespace quillon {

std::optional<std::vector<RankedRemedy>> NormalRanking(std::span<const CSymptomRecord* const> symptoms,
    const CPracticeFolder& folder, const CRemedyCatalogue* catalogue, IMessageSink& sink)
{
    std::vector<RankedRemedy> ranking;
    if (symptoms.empty())
        return ranking;
    CCaseStore scratch(folder, sink);
    for (const CSymptomRecord* record : symptoms)
        scratch.m_mapSymptoms.push_back(std::make_unique<CSymptomRecord>(*record));
    CRepEngine engine(scratch, catalogue, sink);
    if (!engine.Start())
        return std::nullopt;
    ranking.reserve(static_cast<std::size_t>(engine.RemedyCount()));
    for (int r = 0; r < engine.RemedyCount(); ++r) {
        const RemedyResult* result = engine.SortedRemedy(r);
        ranking.push_back({result->code, result->name, result->totality, result->covered});
    }
    return ranking;
}

std::optional<VisitSide> LoadVisitSide(const CPracticeFolder& folder, const std::string& patientFile, int nVisit,
    const CRemedyCatalogue* catalogue, IMessageSink& sink)
{
    CCaseStore store(folder, sink);
    store.m_strPatientFile = patientFile;
    if (!store.LoadVisitIndex() || !store.LoadVisitSymptoms(nVisit))
        return std::nullopt;
    if (store.LiveCount() == 0) {
        sink.Show(kMsgNoSymptomsForRepertorisation);
        return std::nullopt;
    }
    VisitSide side;
    side.visit = nVisit;
    side.date = store.m_arrVisitDates[static_cast<std::size_t>(nVisit)];
    side.symptoms = std::move(store.m_mapSymptoms);
    store.ClearCaseStore();
    std::vector<const CSymptomRecord*> records;
    for (const auto& record : side.symptoms)
        records.push_back(record.get());
    auto ranking = NormalRanking(records, folder, catalogue, sink);
    if (!ranking)
        return std::nullopt;
    side.ranking = std::move(*ranking);
    return side;
}

VisitComparison CompareVisits(const VisitSide& a, const VisitSide& b, int top)
{
    VisitComparison comparison;
    comparison.symptomsA = static_cast<int>(a.symptoms.size());
    comparison.symptomsB = static_cast<int>(b.symptoms.size());

    std::set<std::string_view> textsA;
    for (const auto& record : a.symptoms)
        textsA.insert(record->m_pszText);
    std::set<std::string_view> shared;
    for (const auto& record : b.symptoms)
        if (textsA.count(record->m_pszText) > 0)
            shared.insert(record->m_pszText);
    comparison.sharedTexts = static_cast<int>(shared.size());

    std::unordered_map<int, ComparisonRow> rows;
    const auto enter = [&rows](const std::vector<RankedRemedy>& ranking, bool sideA) {
        for (std::size_t i = 0; i < ranking.size(); ++i) {
            const RankedRemedy& remedy = ranking[i];
            ComparisonRow& row = rows[remedy.code];
            row.code = remedy.code;
            if (row.name.empty())
                row.name = remedy.name;
            (sideA ? row.rankA : row.rankB) = static_cast<int>(i) + 1;
            (sideA ? row.totalityA : row.totalityB) = remedy.totality;
            (sideA ? row.coveredA : row.coveredB) = remedy.covered;
        }
    };
    enter(a.ranking, true);
    enter(b.ranking, false);

    for (const auto& [code, row] : rows) {
        const bool topA = row.rankA > 0 && row.rankA <= top;
        const bool topB = row.rankB > 0 && row.rankB <= top;
        if (topA || topB)
            comparison.rows.push_back(row);
    }
    std::sort(comparison.rows.begin(), comparison.rows.end(), [](const ComparisonRow& x, const ComparisonRow& y) {
        const bool inX = x.rankB > 0;
        const bool inY = y.rankB > 0;
        if (inX != inY)
            return inX;
        const int rx = inX ? x.rankB : x.rankA;
        const int ry = inY ? y.rankB : y.rankA;
        return rx != ry ? rx < ry : x.code < y.code;
    });
    return comparison;
}

namespace {

// The chart order as one integer per remedy: the composite key 60 x T + C, largest first, above the place of
// the name in name order (without regard to case, then code). Smaller comes first.
constexpr int kPlaceBits = 16;

std::int64_t OrderValue(std::int64_t totality, std::int64_t covered, int namePlace) noexcept
{
    return -(60 * totality + covered) * (std::int64_t{1} << kPlaceBits) + namePlace;
}

std::size_t CountBefore(const std::vector<std::int64_t>& sorted, std::int64_t value) noexcept
{
    return static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), value) - sorted.begin());
}

} // namespace

std::vector<StabilityRow> RankStability(
    std::span<const CSymptomRecord* const> symptoms, const std::vector<RankedRemedy>& ranking, int top)
{
    const std::size_t n = ranking.size();
    std::vector<StabilityRow> rows;
    const std::size_t shown = std::min(n, static_cast<std::size_t>(std::max(top, 0)));
    if (shown == 0)
        return rows;

    // Name places, then each remedy's order value in the base ranking.
    // The names folded once, as CompareNoCase folds them, so that the sort compares bytes.
    std::vector<std::string> folded(n);
    for (std::size_t i = 0; i < n; ++i) {
        folded[i] = ranking[i].name;
        for (char& c : folded[i])
            c = FoldCase(c);
    }
    std::vector<int> byName(n);
    std::iota(byName.begin(), byName.end(), 0);
    std::sort(byName.begin(), byName.end(), [&ranking, &folded](int x, int y) {
        const auto a = static_cast<std::size_t>(x);
        const auto b = static_cast<std::size_t>(y);
        const int byText = folded[a].compare(folded[b]);
        return byText != 0 ? byText < 0 : ranking[a].code < ranking[b].code;
    });
    std::vector<int> place(n);
    for (std::size_t i = 0; i < n; ++i)
        place[static_cast<std::size_t>(byName[i])] = static_cast<int>(i);
    std::vector<std::int64_t> baseValue(n);
    int maxCode = 0;
    for (std::size_t i = 0; i < n; ++i) {
        baseValue[i] = OrderValue(ranking[i].totality, ranking[i].covered, place[i]);
        maxCode = std::max(maxCode, ranking[i].code);
    }
    std::vector<int> indexOfCode(static_cast<std::size_t>(maxCode) + 1, -1);
    for (std::size_t i = 0; i < n; ++i)
        indexOfCode[static_cast<std::size_t>(ranking[i].code)] = static_cast<int>(i);
    std::vector<std::int64_t> sortedBase = baseValue;
    std::sort(sortedBase.begin(), sortedBase.end());

    rows.resize(shown);
    std::vector<int> baseRank(shown);
    for (std::size_t r = 0; r < shown; ++r) {
        const RankedRemedy& remedy = ranking[r];
        baseRank[r] = static_cast<int>(CountBefore(sortedBase, baseValue[r])) + 1;
        rows[r] = {baseRank[r], remedy.code, remedy.name, remedy.totality, remedy.covered, baseRank[r], false, -1, 0};
    }

    // Per removal: what the left-out symptom takes from each remedy it names (a code named twice loses both),
    // gathered per remedy; then only the changed remedies that can stand before some shown remedy are compared.
    std::vector<int> lostTotality(n);
    std::vector<int> lostCovered(n);
    std::vector<std::size_t> touched;
    std::vector<std::int64_t> keptBase;
    std::vector<std::int64_t> keptNew;
    std::vector<std::int64_t> shownValue(shown);
    for (std::size_t s = 0; s < symptoms.size(); ++s) {
        const CSymptomRecord& record = *symptoms[s];
        touched.clear();
        const int entries = RemedyEntryCount(record);
        for (int e = 0; e < entries; ++e) {
            const auto code = static_cast<std::size_t>(record.RemedyCode(e));
            const int index = code < indexOfCode.size() ? indexOfCode[code] : -1;
            if (index < 0)
                continue;
            const auto i = static_cast<std::size_t>(index);
            if (lostCovered[i] == 0)
                touched.push_back(i);
            lostTotality[i] += record.Grade(e);
            ++lostCovered[i];
        }

        const auto newValue = [&](std::size_t i) {
            return OrderValue(ranking[i].totality - lostTotality[i], ranking[i].covered - lostCovered[i], place[i]);
        };
        const auto isGone = [&](std::size_t i) { return ranking[i].covered - lostCovered[i] <= 0; };
        std::int64_t limit = std::numeric_limits<std::int64_t>::min();
        for (std::size_t r = 0; r < shown; ++r) {
            shownValue[r] = lostCovered[r] != 0 ? newValue(r) : baseValue[r];
            if (lostCovered[r] == 0 || !isGone(r))
                limit = std::max(limit, shownValue[r]);
        }
        keptBase.clear();
        keptNew.clear();
        for (const std::size_t i : touched) {
            const std::int64_t value = newValue(i);
            const bool gone = isGone(i);
            if (baseValue[i] < limit)
                keptBase.push_back(baseValue[i]);
            if (!gone && value < limit)
                keptNew.push_back(value);
        }

        std::sort(keptBase.begin(), keptBase.end());
        std::sort(keptNew.begin(), keptNew.end());
        for (std::size_t r = 0; r < shown; ++r) {
            StabilityRow& row = rows[r];
            if (lostCovered[r] != 0 && isGone(r)) {
                ++row.changes;
                if (!row.gone) {
                    row.gone = true;
                    row.worstSymptom = static_cast<int>(s);
                }
                continue;
            }
            // Ahead of the remedy after the removal: the unchanged remedies before it, and the changed ones that
            // still stand before it with their new values (its own value never counts, being equal).
            // Before it in the base order: its own place when it did not change, else a walk from that place (a
            // removal mostly moves a remedy down a few places).
            const std::int64_t value = shownValue[r];
            auto before = static_cast<std::size_t>(baseRank[r] - 1);
            if (lostCovered[r] != 0) {
                if (value > sortedBase[before]) {
                    ++before;
                    while (before < n && sortedBase[before] < value)
                        ++before;
                } else {
                    before = CountBefore(sortedBase, value);
                }
            }
            const std::size_t ahead = before - CountBefore(keptBase, value) + CountBefore(keptNew, value);
            const int rank = static_cast<int>(ahead) + 1;
            if (rank != baseRank[r])
                ++row.changes;
            if (!row.gone && rank > row.worstRank) {
                row.worstRank = rank;
                row.worstSymptom = static_cast<int>(s);
            }
        }
        for (const std::size_t i : touched) {
            lostTotality[i] = 0;
            lostCovered[i] = 0;
        }
    }
    return rows;
}

} // namespace quillon
