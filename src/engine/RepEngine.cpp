// The repertorisation engine.
#include "engine/RepEngine.h"

#include "casedata/TextCodec.h"

#include <algorithm>
#include <bit>
#include <new>
#include <type_traits>

namespace quillon {

namespace {

// Largest code two base-222 digits can give: 222 x 255 + 255 - 7360.
constexpr int kMaxRemedyCode = 49505;

// Codes 0 to kMaxRemedyCode, the size of the engine's per-code tables, and the 64-bit words of a bit per code.
constexpr std::size_t kCodeCount = kMaxRemedyCode + 1;
constexpr std::size_t kCodeWords = (kCodeCount + 63) / 64;

// Bits of a sort key that hold the place of a remedy's name (see SortResults): codes fit in 16 bits, and one
// value is left over to mark a code without a place.
constexpr int kNamePlaceBits = 16;
static_assert(kCodeCount < (std::size_t{1} << kNamePlaceBits));
constexpr std::uint16_t kNoPlace = 0xFFFF;

// The per-code tables first cover the catalogue's codes, and grow in whole words of code bits.
constexpr std::size_t kMinCodeTable = 1024;

constexpr std::size_t WholeCodeWords(std::size_t nCodes) noexcept
{
    return std::min(kCodeWords, (nCodes + 63) / 64);
}

int Sign(long long value) noexcept
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareNames(const RemedyResult& a, const RemedyResult& b) noexcept
{
    return CompareNoCase(a.name, b.name);
}

} // namespace

int CompareByTotality(const RemedyResult& a, const RemedyResult& b) noexcept
{
    const long long byKey
        = 60LL * (static_cast<long long>(b.totality) - a.totality) + (static_cast<long long>(b.covered) - a.covered);
    return byKey != 0 ? Sign(byKey) : CompareNames(a, b);
}

int CompareByName(const RemedyResult& a, const RemedyResult& b) noexcept
{
    return CompareNames(a, b);
}

int RemedyEntryCount(const CSymptomRecord& record) noexcept
{
    const auto available = record.m_pRemedies.size() / 3;
    if (record.m_nRemedyCount <= 0)
        return 0;
    return static_cast<std::size_t>(record.m_nRemedyCount) < available ? record.m_nRemedyCount
                                                                       : static_cast<int>(available);
}

CRepEngine::CRepEngine(CCaseStore& store, const CRemedyCatalogue* catalogue, IMessageSink& sink)
    : m_store(&store), m_pRemedyCatalogue(catalogue), m_sink(&sink)
{
    m_nClearListener = m_store->AddClearListener([this] { DropBorrowed(); });
}

CRepEngine::~CRepEngine()
{
    m_store->RemoveClearListener(m_nClearListener);
}

ActiveSymptoms EveryRecordedSymptom(const CCaseStore& store)
{
    ActiveSymptoms input;
    input.symptoms.reserve(store.Symptoms().size());
    for (const auto& record : store.Symptoms())
        input.symptoms.push_back(record.get());
    return input;
}

std::vector<int> WeightsFromIntensities(std::span<const IntensityEntry> intensities, std::size_t count)
{
    std::vector<int> weights(count, 1);
    for (const IntensityEntry& entry : intensities.first(std::min(intensities.size(), count))) {
        if (entry.symptom >= 0 && static_cast<std::size_t>(entry.symptom) < count)
            weights[static_cast<std::size_t>(entry.symptom)] = entry.intensity;
    }
    return weights;
}

void CRepEngine::DropBorrowed()
{
    m_weights.clear();
    m_eliminating.clear();
    ClearResults();
}

void CRepEngine::InvalidateOrder()
{
    pFinRep.reset();
    m_bHasMatrix = false;
    m_nMatrixSymptoms = 0;
    m_nMatrixRemedies = 0;
}

void CRepEngine::ClearResults()
{
    InvalidateOrder();
    pdrgRep.clear();
}

void CRepEngine::FreeSortedOrder()
{
    pFinRep.reset();
}

bool CRepEngine::RemoveRemedy(RemedyKey key)
{
    const auto found = FindEntry(key);
    if (found == pdrgRep.end() || found->first != key)
        return false;
    pdrgRep.erase(found);
    InvalidateOrder();
    return true;
}

int CRepEngine::RemoveRemedies(const std::function<bool(const RemedyResult&)>& drop)
{
    const auto removed = std::erase_if(pdrgRep, [&drop](const auto& item) { return drop(*item.second); });
    if (removed > 0)
        InvalidateOrder();
    return static_cast<int>(removed);
}

void CRepEngine::SetSortMode(int mode)
{
    m_eSortMode = (mode == SortBySymptomsCovered || mode == SortByName) ? static_cast<SortMode>(mode) : SortByTotality;
}

std::string_view CRepEngine::NameOf(int nCode) const
{
    const RemedyEntry* entry = m_pRemedyCatalogue ? m_pRemedyCatalogue->Entry(nCode) : nullptr;
    return entry ? std::string_view(entry->abbreviation).substr(0, kMaxResultName) : std::string_view();
}

void CRepEngine::SetCatalogue(const CRemedyCatalogue* catalogue)
{
    m_pRemedyCatalogue = catalogue;
    // Records keep their names from one build to the next, so they take the new catalogue's names now.
    for (RemedyResult& record : m_records)
        record.name = NameOf(record.code);
    m_bNameOrderValid = false;
}

CRepEngine::ResultMap::const_iterator CRepEngine::FindEntry(RemedyKey key) const
{
    return std::lower_bound(
        pdrgRep.begin(), pdrgRep.end(), key, [](const ResultEntry& entry, RemedyKey k) { return entry.first < k; });
}

bool CRepEngine::Start(ActiveSymptoms input)
{
    if (!BuildResults(std::move(input)))
        return false;
    m_eSortMode = SortByTotality;
    return RefreshResults();
}

bool CRepEngine::BuildResults(ActiveSymptoms input)
{
    m_store->SetRepSymptoms(std::move(input.symptoms));
    m_weights = std::move(input.weights);
    return BuildResults();
}

void CRepEngine::GrowCodeTables(std::size_t nCodes)
{
    const std::size_t words = WholeCodeWords(std::max(nCodes, 2 * m_tally.size()));
    if (words * 64 <= m_tally.size())
        return;
    // New codes have no tally and no place in name order; the codes met keep theirs. Every table is reserved
    // before any grows, so that a failed allocation leaves them all as they were.
    m_tally.reserve(words * 64);
    m_codesMet.reserve(words * 64);
    m_codeBits.reserve(words);
    m_nameOrderOfCode.reserve(words * 64);
    m_tally.resize(words * 64, 0);
    m_codesMet.resize(words * 64, 0);
    m_codeBits.resize(words, 0);
    m_nameOrderOfCode.resize(words * 64, kNoPlace);
}

// The codes met put in ascending order through a bit per code: one pass sets the bits, one reads them back
// between the lowest and the highest word used, leaving them clear.
void CRepEngine::SortCodesMet(std::size_t nMet) noexcept
{
    std::int32_t* met = m_codesMet.data();
    std::uint64_t* bits = m_codeBits.data();
    const std::size_t nWords = m_codeBits.size();
    std::size_t first = nWords;
    std::size_t last = 0;
    for (std::size_t i = 0; i < nMet; ++i) {
        const auto code = static_cast<std::size_t>(met[i]);
        bits[code / 64] |= std::uint64_t{1} << (code % 64);
        first = std::min(first, code / 64);
        last = std::max(last, code / 64);
    }
    std::size_t out = 0;
    for (std::size_t w = first; w <= last && w < nWords; ++w) {
        for (std::uint64_t word = bits[w]; word != 0; word &= word - 1)
            met[out++] = static_cast<std::int32_t>(64 * w) + std::countr_zero(word);
        bits[w] = 0;
    }
}

void CRepEngine::ClearTally() noexcept
{
    for (const std::int32_t code : std::span(m_codesMet.data(), m_nCodesMet))
        m_tally[static_cast<std::size_t>(code)] = 0;
    m_nCodesMet = 0;
}

bool CRepEngine::BuildResults()
{
    InvalidateOrder();
    pdrgRep.clear();
    const auto& symptoms = m_store->RepSymptoms();
    const std::size_t count = symptoms.size();

    // Totality and symptoms covered are summed in a table indexed by code in one pass over the entries; the
    // results are then made in ascending code order. The tables and the block of records are kept from one
    // build to the next, so a rebuild allocates nothing once they have grown to their sizes. Which symptoms
    // cover a remedy is not stored: the grade matrix and Levels read it from the symptoms.
    bool ok = true;
    try {
        std::vector<int> weights(count, 1);
        std::copy_n(m_weights.begin(), std::min(m_weights.size(), count), weights.begin());

        // The tables start with the catalogue's codes and grow when a code beyond them is met.
        if (m_tally.empty())
            GrowCodeTables(std::max<std::size_t>(
                kMinCodeTable, m_pRemedyCatalogue ? static_cast<std::size_t>(m_pRemedyCatalogue->GetCount()) : 0));

        // One tally word per code, covered x 2^32 + totality in 64-bit arithmetic, so that each entry is one
        // addition; the totality (which fits in 32 bits) is the low half read as signed. A word is zero only
        // until its code is first met, when the code joins the list of codes met.
        std::uint64_t* tally = m_tally.data();
        std::int32_t* met = m_codesMet.data();
        std::size_t nCodes = m_tally.size();
        std::size_t nMet = 0;
        // The pass, once for symptoms of weight 1 (nearly all of them), once for the others.
        const auto tallyEntries = [&](const std::uint8_t* entry, const std::uint8_t* end, auto weight) {
            for (; entry != end; entry += 3) {
                const int code = DecodeRemedyCode(entry[1], entry[2]);
                if (static_cast<std::size_t>(code) >= nCodes) [[unlikely]] {
                    // The codes met so far stay listed, so that their words are cleared should the growth fail.
                    m_nCodesMet = nMet;
                    GrowCodeTables(static_cast<std::size_t>(code) + 1);
                    tally = m_tally.data();
                    met = m_codesMet.data();
                    nCodes = m_tally.size();
                }
                const auto grade = static_cast<std::uint64_t>(static_cast<std::int64_t>(DecodeGrade(entry[0])));
                const std::uint64_t before = tally[code];
                tally[code] = before + kOneCovering + grade * weight;
                if (before == 0)
                    met[nMet++] = code;
            }
        };
        for (std::size_t s = 0; s < count; ++s) {
            const CSymptomRecord* record = symptoms[s];
            if (!record)
                continue;
            const std::uint8_t* entry = record->m_pRemedies.data();
            const std::uint8_t* const end = entry + 3 * static_cast<std::size_t>(RemedyEntryCount(*record));
            if (weights[s] == 1)
                tallyEntries(entry, end, std::integral_constant<std::uint64_t, 1>());
            else
                tallyEntries(entry, end, static_cast<std::uint64_t>(static_cast<std::int64_t>(weights[s])));
        }
        m_nCodesMet = nMet;

        // The records are made in ascending code order in one block, which keeps the records (and names) of
        // the last build: a record that holds the same code again keeps its name. The name order still
        // holds when every code met has a place in it.
        SortCodesMet(nMet);
        const std::size_t nNamed = std::min(m_records.size(), nMet);
        m_records.resize(nMet);
        pdrgRep.reserve(nMet);
        for (std::size_t i = 0; i < nMet; ++i) {
            const std::int32_t code = met[i];
            RemedyResult& record = m_records[i];
            if (i >= nNamed || record.code != code) {
                record.code = code;
                record.name = NameOf(code);
            }
            const TallyCounts counts = UnpackTally(tally[code]);
            record.totality = counts.totality;
            record.covered = counts.covered;
            if (m_nameOrderOfCode[static_cast<std::size_t>(code)] == kNoPlace)
                m_bNameOrderValid = false;
            pdrgRep.emplace_back(MakeRemedyKey(code), &record);
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    ClearTally();
    if (ok && !m_eliminating.empty()) {
        try {
            ApplyElimination();
        } catch (const std::bad_alloc&) {
            ok = false;
        }
    }
    if (!ok) {
        ClearResults();
        m_sink->Show(kMsgInsufficientMemory);
    }
    return ok;
}

void CRepEngine::SetEliminating(const CSymptomRecord* record, bool eliminating)
{
    const auto at = std::find(m_eliminating.begin(), m_eliminating.end(), record);
    if (eliminating && record && at == m_eliminating.end())
        m_eliminating.push_back(record);
    else if (!eliminating && at != m_eliminating.end())
        m_eliminating.erase(at);
}

bool CRepEngine::IsEliminating(const CSymptomRecord* record) const
{
    return record && std::find(m_eliminating.begin(), m_eliminating.end(), record) != m_eliminating.end();
}

std::vector<const CSymptomRecord*> CRepEngine::ActiveEliminating() const
{
    std::vector<const CSymptomRecord*> active;
    if (m_eliminating.empty())
        return active;
    for (const CSymptomRecord* record : m_store->RepSymptoms())
        if (IsEliminating(record) && std::find(active.begin(), active.end(), record) == active.end())
            active.push_back(record);
    return active;
}

namespace {

// How many of `symptoms` name each result (a remedy named twice in one symptom counts once), by result place.
std::vector<int> NamingCounts(const CRepEngine::ResultMap& results, std::span<const CSymptomRecord* const> symptoms)
{
    std::vector<int> counts(results.size(), 0);
    std::vector<int> lastSymptom(results.size(), -1);
    for (std::size_t s = 0; s < symptoms.size(); ++s) {
        const std::uint8_t* entry = symptoms[s]->m_pRemedies.data();
        for (int i = RemedyEntryCount(*symptoms[s]); i > 0; --i, entry += 3) {
            const RemedyKey key = MakeRemedyKey(DecodeRemedyCode(entry[1], entry[2]));
            const auto found = std::lower_bound(results.begin(), results.end(), key,
                [](const CRepEngine::ResultEntry& e, RemedyKey k) { return e.first < k; });
            if (found == results.end() || found->first != key)
                continue;
            const auto place = static_cast<std::size_t>(found - results.begin());
            if (lastSymptom[place] != static_cast<int>(s)) {
                lastSymptom[place] = static_cast<int>(s);
                ++counts[place];
            }
        }
    }
    return counts;
}

} // namespace

int CRepEngine::ApplyElimination()
{
    const std::vector<const CSymptomRecord*> active = ActiveEliminating();
    if (active.empty())
        return 0;
    const std::vector<int> counts = NamingCounts(pdrgRep, active);
    ResultMap kept;
    kept.reserve(pdrgRep.size());
    for (std::size_t i = 0; i < pdrgRep.size(); ++i)
        if (counts[i] == static_cast<int>(active.size()))
            kept.push_back(pdrgRep[i]);
    const auto removed = static_cast<int>(pdrgRep.size() - kept.size());
    pdrgRep.swap(kept);
    if (removed > 0)
        InvalidateOrder();
    return removed;
}

int CRepEngine::CountLeftWith(const CSymptomRecord* record) const
{
    std::vector<const CSymptomRecord*> active = ActiveEliminating();
    if (record && std::find(active.begin(), active.end(), record) == active.end())
        active.push_back(record);
    if (active.empty())
        return ResultCount();
    const std::vector<int> counts = NamingCounts(pdrgRep, active);
    return static_cast<int>(std::count(counts.begin(), counts.end(), static_cast<int>(active.size())));
}

SortOutcome CRepEngine::SortResults(SortMode mode)
{
    InvalidateOrder();
    // Every order is by a composite key, then by name ignoring case, then by code. The place of each result in
    // the order of names and codes is worked out when the results gain a remedy or change names (dropping
    // remedies keeps it), so that a sort compares one number per remedy: the key above the name place.
    struct Item
    {
        std::uint64_t order;
        RemedyResult* result;
    };
    std::vector<Item> items;
    std::vector<RemedyResult*> order;
    try {
        items.reserve(pdrgRep.size());
        order.reserve(pdrgRep.size());
        if (!m_bNameOrderValid)
            WorkOutNameOrder();
    } catch (const std::bad_alloc&) {
        m_sink->Show(mode == SortByName ? kMsgInsufficientMemoryInPFinRep : kMsgInsufficientMemory);
        return SortOutcome::OutOfMemory;
    }
    for (const auto& [key, result] : pdrgRep) {
        const long long t = result->totality;
        const long long c = result->covered;
        const long long composite = mode == SortBySymptomsCovered ? 60 * c + t : (mode == SortByName ? 0 : 60 * t + c);
        // |composite| < 61 x 2^31 < 2^37: the largest key gets the smallest biased value.
        const auto biased = static_cast<std::uint64_t>((1LL << 40) - composite);
        const std::uint64_t place = static_cast<std::size_t>(result->code) < m_nameOrderOfCode.size()
            ? m_nameOrderOfCode[static_cast<std::size_t>(result->code)]
            : 0;
        items.push_back(Item{(biased << kNamePlaceBits) | place, result});
    }
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.order < b.order; });
    for (const Item& item : items)
        order.push_back(item.result);
    pFinRep = std::move(order);
    return SortOutcome::Sorted;
}

void CRepEngine::WorkOutNameOrder()
{
    // The catalogue numbers its remedies in the order of their names (without regard to case), so the results,
    // which stand in code order, are in name order once the nameless ones come first: checking that costs one
    // comparison per result, and a sort is left for the results of a catalogue out of that order.
    std::vector<const RemedyResult*> order;
    order.reserve(pdrgRep.size());
    m_orderedCodes.reserve(pdrgRep.size());
    for (const bool named : {false, true})
        for (const auto& [key, result] : pdrgRep)
            if (result->name.empty() != named)
                order.push_back(result);
    const auto byName = [](const RemedyResult* a, const RemedyResult* b) {
        const int names = CompareNoCase(a->name, b->name);
        return names != 0 ? names < 0 : a->code < b->code;
    };
    if (!std::is_sorted(order.begin(), order.end(), byName))
        std::sort(order.begin(), order.end(), byName);

    for (const std::int32_t code : m_orderedCodes)
        m_nameOrderOfCode[static_cast<std::size_t>(code)] = kNoPlace;
    m_orderedCodes.clear();
    std::uint16_t place = 0;
    for (const RemedyResult* result : order) {
        m_nameOrderOfCode[static_cast<std::size_t>(result->code)] = place++;
        m_orderedCodes.push_back(result->code);
    }
    m_bNameOrderValid = true;
}

void CRepEngine::FillGradeMatrix()
{
    // The grades are read from the active symptoms' entries when asked for (a paint reads a screenful), so
    // only the bounds they are read within are kept: the active symptoms and the display order of this fill.
    m_nMatrixSymptoms = static_cast<int>(m_store->RepSymptoms().size());
    m_nMatrixRemedies = pFinRep ? static_cast<int>(pFinRep->size()) : static_cast<int>(pdrgRep.size());
    m_bHasMatrix = true;
}

std::vector<LevelEntry> CRepEngine::Levels(RemedyKey key) const
{
    std::vector<LevelEntry> levels;
    const int code = RemedyCodeOfKey(key);
    const auto& active = m_store->RepSymptoms();
    for (std::size_t s = 0; s < active.size(); ++s) {
        const CSymptomRecord* record = active[s];
        if (!record)
            continue;
        const int n = RemedyEntryCount(*record);
        const std::uint8_t* entry = record->m_pRemedies.data();
        for (int i = 0; i < n; ++i, entry += 3)
            if (DecodeRemedyCode(entry[1], entry[2]) == code)
                levels.push_back(LevelEntry{static_cast<int>(s) + 1, DecodeGrade(entry[0])});
    }
    return levels;
}

bool CRepEngine::RefreshResults()
{
    if (SortResults(m_eSortMode) != SortOutcome::Sorted)
        return false;
    FillGradeMatrix();
    return true;
}

const CSymptomRecord* CRepEngine::Symptom(int s) const
{
    const auto& symptoms = m_store->RepSymptoms();
    if (s < 0 || static_cast<std::size_t>(s) >= symptoms.size())
        return nullptr;
    return symptoms[static_cast<std::size_t>(s)];
}

const RemedyResult* CRepEngine::SortedRemedy(int r) const
{
    if (!pFinRep || r < 0 || static_cast<std::size_t>(r) >= pFinRep->size())
        return nullptr;
    return (*pFinRep)[static_cast<std::size_t>(r)];
}

int CRepEngine::NamePlace(int code) const noexcept
{
    if (!m_bNameOrderValid || code < 0 || static_cast<std::size_t>(code) >= m_nameOrderOfCode.size())
        return 0;
    const std::uint16_t place = m_nameOrderOfCode[static_cast<std::size_t>(code)];
    return place == kNoPlace ? 0 : place;
}

std::string_view CRepEngine::RemedyName(int r) const
{
    const RemedyResult* result = SortedRemedy(r);
    return result ? std::string_view(result->name) : std::string_view();
}

int CRepEngine::RemedyTotality(int r) const
{
    const RemedyResult* result = SortedRemedy(r);
    return result ? result->totality : 0;
}

int CRepEngine::RemedyCovered(int r) const
{
    const RemedyResult* result = SortedRemedy(r);
    return result ? result->covered : 0;
}

int CRepEngine::Grade(int r, int s) const
{
    if (!m_bHasMatrix || r < 0 || s < 0 || r >= m_nMatrixRemedies || s >= m_nMatrixSymptoms)
        return 0;
    const RemedyResult* result = SortedRemedy(r);
    const CSymptomRecord* record = Symptom(s);
    if (!result || !record)
        return 0;
    // Later entries of the same remedy stand over earlier ones, so the search runs from the end.
    const std::uint8_t* const first = record->m_pRemedies.data();
    for (const std::uint8_t* entry = first + 3 * static_cast<std::size_t>(RemedyEntryCount(*record)); entry != first;) {
        entry -= 3;
        if (DecodeRemedyCode(entry[1], entry[2]) == result->code)
            return static_cast<std::int8_t>(static_cast<std::uint8_t>(DecodeGrade(entry[0])));
    }
    return 0;
}

} // namespace quillon
