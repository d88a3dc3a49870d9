// Follow-up analysis.
#include "followup/FollowUpAnalysis.h"

#include "engine/RepEngine.h"
#include "symptoms/RecordedSymptoms.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <set>
#include <unordered_map>

namespace quillon {

std::vector<const CSymptomRecord*> Borrow(const std::vector<std::unique_ptr<CSymptomRecord>>& owned)
{
    std::vector<const CSymptomRecord*> records;
    records.reserve(owned.size());
    for (const auto& record : owned)
        records.push_back(record.get());
    return records;
}

std::optional<std::vector<RankedRemedy>> NormalRanking(std::span<const CSymptomRecord* const> symptoms,
    const CPracticeFolder& folder, const CRemedyCatalogue* catalogue, IMessageSink& sink)
{
    std::vector<RankedRemedy> ranking;
    if (symptoms.empty())
        return ranking;
    CCaseStore scratch(folder, sink);
    for (const CSymptomRecord* record : symptoms)
        scratch.AddSymptom(std::make_unique<CSymptomRecord>(*record));
    CRepEngine engine(scratch, catalogue, sink);
    if (!engine.Start())
        return std::nullopt;
    ranking.reserve(static_cast<std::size_t>(engine.RemedyCount()));
    for (int r = 0; r < engine.RemedyCount(); ++r) {
        const RemedyResult* result = engine.SortedRemedy(r);
        ranking.push_back(
            {result->code, result->name, result->totality, result->covered, engine.NamePlace(result->code)});
    }
    return ranking;
}

std::optional<VisitSide> LoadVisitSide(
    const CCaseStore& patient, int nVisit, const CRemedyCatalogue* catalogue, IMessageSink& sink)
{
    const CPracticeFolder& folder = patient.Folder();
    CountingMessageSink counted(sink);
    CCaseStore store(folder, counted);
    store.TakeVisitIndexOf(patient);
    const bool whole = store.LoadVisitSymptoms(nVisit);
    // A visit that loads no symptom says so, unless its loader already gave the reason.
    if (!whole && (store.LiveCount() > 0 || counted.Count() > 0))
        return std::nullopt;
    if (store.LiveCount() == 0) {
        sink.Show(kMsgNoSymptomsForRepertorisation);
        return std::nullopt;
    }
    VisitSide side;
    side.visit = nVisit;
    side.date = store.VisitDates()[static_cast<std::size_t>(nVisit)];
    side.symptoms = store.TakeSymptoms();
    store.ClearCaseStore();
    auto ranking = NormalRanking(Borrow(side.symptoms), folder, catalogue, sink);
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

std::optional<int> VisitDay(std::string_view date)
{
    int parts[3] = {0, 0, 0};
    std::size_t part = 0;
    bool digits = false;
    for (const char c : date) {
        if (c == '/' && digits && part < 2) {
            ++part;
            digits = false;
        } else if (c >= '0' && c <= '9' && parts[part] < 100000) {
            parts[part] = 10 * parts[part] + (c - '0');
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    const auto [day, month, year] = parts;
    if (part != 2 || !digits || day < 1 || day > 31 || month < 1 || month > 12 || year < 1)
        return std::nullopt;
    return (year * 100 + month) * 100 + day;
}

bool VisitBefore(std::string_view dateX, int visitX, std::string_view dateY, int visitY)
{
    const auto dayX = VisitDay(dateX);
    const auto dayY = VisitDay(dateY);
    if (dayX && dayY && *dayX != *dayY)
        return *dayX < *dayY;
    return visitX < visitY;
}

std::pair<const VisitSide*, const VisitSide*> InTimeOrder(const VisitSide& x, const VisitSide& y)
{
    if (VisitBefore(y.date, y.visit, x.date, x.visit))
        return {&y, &x};
    return {&x, &y};
}

int DefaultOtherVisit(const std::vector<std::string>& dates, int chartVisit)
{
    const auto before = [&dates](int x, int y) {
        return VisitBefore(dates[static_cast<std::size_t>(x)], x, dates[static_cast<std::size_t>(y)], y);
    };
    int latestBefore = -1;
    int earliestAfter = -1;
    for (int v = 0; v < static_cast<int>(dates.size()); ++v) {
        if (v == chartVisit)
            continue;
        if (before(v, chartVisit)) {
            if (latestBefore < 0 || before(latestBefore, v))
                latestBefore = v;
        } else if (earliestAfter < 0 || before(v, earliestAfter)) {
            earliestAfter = v;
        }
    }
    return latestBefore >= 0 ? latestBefore : earliestAfter;
}

namespace {

// The chart order as one integer per remedy: the composite key 60 x T + C, largest first, above the place of
// the name. Smaller comes first.
constexpr int kPlaceBits = 16;

std::int64_t OrderValue(std::int64_t totality, std::int64_t covered, int namePlace) noexcept
{
    return -(60 * totality + covered) * (std::int64_t{1} << kPlaceBits) + namePlace;
}

// How many of the ascending `values` lie before `value`, searched outwards from `from` (a removal mostly moves a
// remedy a few places).
std::size_t CountBeforeFrom(const std::vector<std::int64_t>& values, std::size_t from, std::int64_t value) noexcept
{
    const auto at = [&values](std::size_t i) { return values.begin() + static_cast<std::ptrdiff_t>(i); };
    if (values[from] >= value)
        return static_cast<std::size_t>(std::lower_bound(values.begin(), at(from), value) - values.begin());
    std::size_t low = from;
    std::size_t step = 1;
    while (low + step < values.size() && values[low + step] < value) {
        low += step;
        step *= 2;
    }
    const std::size_t high = std::min(values.size(), low + step);
    return static_cast<std::size_t>(std::lower_bound(at(low), at(high), value) - values.begin());
}

// What leaving one symptom out takes from a remedy, in one tally word (see UnpackTally): each entry naming it
// adds one covering and its grade, and a code named twice in the symptom loses both.
constexpr std::uint64_t LossWord(std::uint8_t gradeByte) noexcept
{
    return kOneCovering + static_cast<std::uint64_t>(static_cast<std::int64_t>(DecodeGrade(gradeByte)));
}

constexpr auto kLossWords = [] {
    std::array<std::uint64_t, 256> words{};
    for (std::size_t byte = 0; byte < words.size(); ++byte)
        words[byte] = LossWord(static_cast<std::uint8_t>(byte));
    return words;
}();

// The low half's sign: set in some entry's word when a grade is under zero.
constexpr std::uint64_t kNegativeGrade = std::uint64_t{1} << 31;

// A remedy of the base ranking.
struct Tally
{
    int totality = 0;
    int covered = 0;
    int namePlace = 0;
};

// A remedy's order value after a removal, or kGone when the removal leaves it no symptom. A remedy the removal
// does not name (a zero word) keeps its base value.
constexpr std::int64_t kGone = std::numeric_limits<std::int64_t>::max();

std::int64_t NewValue(const Tally& base, std::uint64_t loss) noexcept
{
    const TallyCounts lost = UnpackTally(loss);
    const std::int64_t left = std::int64_t{base.covered} - lost.covered;
    const std::int64_t value = OrderValue(std::int64_t{base.totality} - lost.totality, left, base.namePlace);
    return left > 0 ? value : kGone;
}

// The rows of the first `shown` remedies before any removal is counted.
std::vector<StabilityRow> UnmovedRows(const std::vector<RankedRemedy>& ranking, std::size_t shown)
{
    std::vector<StabilityRow> rows(shown);
    for (std::size_t r = 0; r < shown; ++r) {
        const RankedRemedy& remedy = ranking[r];
        const int rank = static_cast<int>(r) + 1;
        rows[r] = {rank, remedy.code, remedy.name, remedy.totality, remedy.covered, rank, false, -1, 0};
    }
    return rows;
}

// Puts the head in order. A removal moves few of its remedies, and those a few places, so an insertion sort
// does little work, unless the head is long.
void SortHead(std::vector<std::pair<std::int64_t, std::uint32_t>>& head)
{
    if (head.size() > 64) {
        std::sort(head.begin(), head.end());
        return;
    }
    for (std::size_t i = 1; i < head.size(); ++i) {
        const auto item = head[i];
        std::size_t j = i;
        for (; j > 0 && item < head[j - 1]; --j)
            head[j] = head[j - 1];
        head[j] = item;
    }
}

// The slot in the loss window of every remedy code: the place of the first remedies of the ranking, kBelow
// (past every spare slot) for any other code, and for codes past the highest the ranking holds.
class WindowSlots
{
public:
    static constexpr std::size_t kMaxWindow = 240;
    static constexpr std::size_t kSpares = 16; // slots past the window, taken in turn by the entries below it
    static constexpr std::uint8_t kBelow = 255;

    WindowSlots(const std::vector<RankedRemedy>& ranking, std::size_t windowSize, int maxCode)
        : m_slots(static_cast<std::size_t>(maxCode) + 2, kBelow)
    {
        for (std::size_t i = 0; i < std::min(windowSize, kMaxWindow); ++i)
            m_slots[static_cast<std::size_t>(ranking[i].code)] = static_cast<std::uint8_t>(i);
    }

    std::size_t Of(const std::uint8_t* codeBytes) const noexcept
    {
        const auto code = static_cast<std::size_t>(DecodeRemedyCode(codeBytes[0], codeBytes[1]));
        return m_slots[std::min(code, m_slots.size() - 1)];
    }

private:
    std::vector<std::uint8_t> m_slots;
};

// The leave-one-out over a ranking in chart order (its order values ascending).
//
// Leaving a symptom out lowers the remedies it names, so a shown remedy's new rank is decided within the head
// of the base order up to the furthest place a shown remedy falls to (the reach): nothing below it can pass.
// The losses of the first remedies are gathered in a small window; a removal that reaches past the window, or
// holds a grade under zero (which would raise a remedy), is worked out over every remedy, as is every removal
// when more remedies are shown than the window holds.
std::vector<StabilityRow> StabilityInOrder(
    std::span<const CSymptomRecord* const> symptoms, const std::vector<RankedRemedy>& ranking, std::size_t shown)
{
    const std::size_t n = ranking.size();
    const std::size_t windowSize = std::min({n, 2 * shown + 32, WindowSlots::kMaxWindow});
    const bool windowFits = shown <= windowSize;
    std::vector<Tally> base(n);
    std::vector<std::int64_t> baseValue(n);
    int maxCode = 0;
    for (std::size_t i = 0; i < n; ++i) {
        base[i] = {ranking[i].totality, ranking[i].covered, ranking[i].namePlace};
        baseValue[i] = OrderValue(ranking[i].totality, ranking[i].covered, ranking[i].namePlace);
        maxCode = std::max(maxCode, ranking[i].code);
    }
    // Codes name remedies by their place in the ranking; codes the ranking lacks count for nothing.
    constexpr std::uint32_t kAbsent = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> placeOfCode(static_cast<std::size_t>(maxCode) + 1, kAbsent);
    for (std::size_t i = 0; i < n; ++i)
        placeOfCode[static_cast<std::size_t>(ranking[i].code)] = static_cast<std::uint32_t>(i);
    const WindowSlots slots(ranking, windowSize, maxCode);

    std::vector<StabilityRow> rows = UnmovedRows(ranking, shown);

    std::vector<std::uint64_t> window(windowSize + WindowSlots::kSpares);
    std::vector<std::uint64_t> everyLoss; // the losses of every remedy, for a removal worked out in full
    std::vector<std::uint32_t> touched;
    // The head after the removal: each remedy's order value (kGone when it leaves the chart), then those charted
    // as (order value, base place) in their new order.
    std::vector<std::int64_t> value(std::max(windowSize, shown));
    std::vector<std::pair<std::int64_t, std::uint32_t>> head;
    std::vector<int> newRank(shown);
    // The values of the shown remedies, and the reach: how many base remedies stand before the last shown one
    // still charted. Then, when the losses cover it, the values of the rest of the head.
    const auto settle = [&](const std::uint64_t* loss, std::size_t covers) {
        for (std::size_t r = 0; r < shown; ++r)
            value[r] = NewValue(base[r], loss[r]);
        std::int64_t last = std::numeric_limits<std::int64_t>::min();
        for (std::size_t r = 0; r < shown; ++r)
            last = std::max(last, value[r] != kGone ? value[r] : last);
        const std::size_t reach = std::max(shown, CountBeforeFrom(baseValue, shown - 1, last));
        if (reach > covers)
            return reach;
        value.resize(std::max(value.size(), reach));
        for (std::size_t i = shown; i < reach; ++i)
            value[i] = NewValue(base[i], loss[i]);
        return reach;
    };

    for (std::size_t s = 0; s < symptoms.size(); ++s) {
        const CSymptomRecord& record = *symptoms[s];
        const std::uint8_t* const first = record.m_pRemedies.data();
        const std::uint8_t* const end = first + 3 * static_cast<std::size_t>(RemedyEntryCount(record));
        // An entry below the window goes to the spare slot of its turn, so that no entry waits on the one before
        // and no branch depends on the data.
        std::uint64_t grades = 0;
        std::size_t spare = windowSize;
        for (const std::uint8_t* entry = first; entry != end; entry += 3) {
            spare = spare + 1 < window.size() ? spare + 1 : windowSize;
            const std::uint64_t word = kLossWords[entry[0]];
            window[std::min(slots.Of(entry + 1), spare)] += word;
            grades |= word;
        }

        std::size_t reach = windowSize + 1;
        if (windowFits && (grades & kNegativeGrade) == 0)
            reach = settle(window.data(), windowSize);
        std::fill(window.begin(), window.end(), 0);
        touched.clear();
        if (reach > windowSize) {
            everyLoss.resize(n);
            for (const std::uint8_t* entry = first; entry != end; entry += 3) {
                const auto code = static_cast<std::size_t>(DecodeRemedyCode(entry[1], entry[2]));
                const std::uint32_t place = code < placeOfCode.size() ? placeOfCode[code] : kAbsent;
                if (place == kAbsent)
                    continue;
                if (everyLoss[place] == 0)
                    touched.push_back(place);
                everyLoss[place] += kLossWords[entry[0]];
            }
            reach = settle(everyLoss.data(), n);
        }

        // The head in its new order, with any remedy below it that the removal raised.
        head.clear();
        for (std::size_t i = 0; i < reach; ++i)
            if (value[i] != kGone)
                head.emplace_back(value[i], static_cast<std::uint32_t>(i));
        for (const std::uint32_t i : touched) {
            const std::int64_t raised = i >= reach ? NewValue(base[i], everyLoss[i]) : kGone;
            if (raised < baseValue[i])
                head.emplace_back(raised, i);
        }
        SortHead(head);
        std::fill(newRank.begin(), newRank.end(), 0);
        for (std::size_t p = 0; p < head.size(); ++p)
            if (head[p].second < shown)
                newRank[head[p].second] = static_cast<int>(p) + 1;

        for (std::size_t r = 0; r < shown; ++r) {
            StabilityRow& row = rows[r];
            const int rank = newRank[r]; // 0: the removal drops it from the chart
            if (rank != row.rank)
                ++row.changes;
            if (row.gone)
                continue;
            if (rank == 0) {
                row.gone = true;
                row.worstSymptom = static_cast<int>(s);
            } else if (rank > row.worstRank) {
                row.worstRank = rank;
                row.worstSymptom = static_cast<int>(s);
            }
        }
        for (const std::uint32_t i : touched)
            everyLoss[i] = 0;
    }
    return rows;
}

} // namespace

std::vector<StabilityRow> RankStability(
    std::span<const CSymptomRecord* const> symptoms, const std::vector<RankedRemedy>& ranking, int top)
{
    const std::size_t shown = std::min(ranking.size(), static_cast<std::size_t>(std::max(top, 0)));
    if (shown == 0)
        return {};
    const auto value
        = [](const RankedRemedy& remedy) { return OrderValue(remedy.totality, remedy.covered, remedy.namePlace); };
    const bool inOrder = std::is_sorted(ranking.begin(), ranking.end(),
        [&value](const RankedRemedy& a, const RankedRemedy& b) { return value(a) < value(b); });
    if (inOrder)
        return StabilityInOrder(symptoms, ranking, shown);
    std::vector<RankedRemedy> ordered = ranking;
    std::stable_sort(ordered.begin(), ordered.end(),
        [&value](const RankedRemedy& a, const RankedRemedy& b) { return value(a) < value(b); });
    return StabilityInOrder(symptoms, ordered, shown);
}

} // namespace quillon
