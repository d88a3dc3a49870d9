// The repertorisation engine.
#include "repertory/RepEngine.h"

#include "casedata/TextCodec.h"

#include <algorithm>
#include <limits>
#include <new>

namespace quillon {

namespace {

// Largest code two base-222 digits can give: 222 x 255 + 255 - 7360.
constexpr int kMaxRemedyCode = 49505;

constexpr std::size_t kMatrixSlack = 10;

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

int CompareBySymptomsCovered(const RemedyResult& a, const RemedyResult& b) noexcept
{
    const long long byKey
        = 60LL * (static_cast<long long>(b.covered) - a.covered) + (static_cast<long long>(b.totality) - a.totality);
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

void CRepEngine::DropBorrowed()
{
    m_mapSelected.clear();
    m_mapIntensity.clear();
    ClearResults();
    m_spareResults.clear();
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
    try {
        m_spareResults.reserve(m_spareResults.size() + pdrgRep.size());
    } catch (const std::bad_alloc&) {
        pdrgRep.clear();
        return;
    }
    for (auto& entry : pdrgRep)
        m_spareResults.push_back(std::move(entry.second));
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

int CRepEngine::Multiplier(int s) const
{
    if (s < 0 || static_cast<std::size_t>(s) >= TempSym.size())
        return 1;
    return TempSym[static_cast<std::size_t>(s)];
}

std::string CRepEngine::NameOf(int nCode) const
{
    std::string name;
    if (m_pRemedyCatalogue)
        m_pRemedyCatalogue->GetAbbreviation(nCode, name);
    if (name.size() > kMaxResultName)
        name.resize(kMaxResultName);
    return name;
}

RemedyResult& CRepEngine::NewResult(RemedyKey key, int nCode)
{
    std::unique_ptr<RemedyResult> result;
    if (m_spareResults.empty()) {
        result = std::make_unique<RemedyResult>();
    } else {
        result = std::move(m_spareResults.back());
        m_spareResults.pop_back();
    }
    result->name = NameOf(nCode);
    result->code = nCode;
    result->totality = 0;
    result->covered = 0;
    RemedyResult& added = *result;
    // A build adds in ascending key order, so the new entry nearly always goes at the end.
    if (pdrgRep.empty() || pdrgRep.back().first < key)
        pdrgRep.emplace_back(key, std::move(result));
    else
        pdrgRep.emplace(FindEntry(key), key, std::move(result));
    return added;
}

CRepEngine::ResultMap::iterator CRepEngine::FindEntry(RemedyKey key)
{
    return std::lower_bound(
        pdrgRep.begin(), pdrgRep.end(), key, [](const ResultEntry& entry, RemedyKey k) { return entry.first < k; });
}

void CRepEngine::SelectAllSymptoms()
{
    m_mapSelected.clear();
    m_mapSelected.reserve(m_store->m_mapSymptoms.size());
    for (const auto& record : m_store->m_mapSymptoms)
        m_mapSelected.push_back(record.get());
    m_store->m_mapRepSymptoms = m_mapSelected;
}

bool CRepEngine::Start()
{
    try {
        SelectAllSymptoms();
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
    try {
        TempSym.assign(m_store->m_mapSymptoms.size() + 1, 1);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemoryInTempSym);
        return false;
    }
    if (!BuildResults() || !AllocateGradeMatrix())
        return false;
    m_eSortMode = SortByTotality;
    return RefreshResults();
}

bool CRepEngine::ResetRepertorisation()
{
    m_mapIntensity.clear();
    m_store->m_mapRepSymptoms.clear();
    ClearResults();
    try {
        SelectAllSymptoms();
        // The set may have grown since the table was made (restored symptoms): it follows the set's size.
        TempSym.assign(m_store->m_mapSymptoms.size() + 1, 1);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
    if (!BuildResults())
        return false;
    return AllocateGradeMatrix();
}

bool CRepEngine::BuildResults()
{
    ClearResults();
    const auto& symptoms = m_store->m_mapRepSymptoms;
    const std::size_t count = symptoms.size();

    // Totality and symptoms covered are summed in a table indexed by code in one pass over the entries; the
    // results are then made in ascending code order. The tally table and the result records are kept from
    // one build to the next, so a rebuild allocates nothing once they have grown to their sizes. Which
    // symptoms cover a remedy is not stored: the grade matrix and Levels read it from the symptoms.
    bool ok = true;
    m_touchedCodes.clear();
    try {
        std::vector<int> weights(count, 1);
        {
            std::vector<int> intensity(count + 1, 1);
            if (!m_mapIntensity.empty()) {
                const std::size_t used = std::min(m_mapIntensity.size(), count);
                for (std::size_t k = 0; k < used; ++k) {
                    const IntensityEntry& entry = m_mapIntensity[k];
                    if (entry.symptom >= 0 && static_cast<std::size_t>(entry.symptom) < count)
                        intensity[static_cast<std::size_t>(entry.symptom)] = entry.intensity;
                }
            }
            for (std::size_t s = 0; s < count; ++s)
                weights[s] = CombineWeights(intensity[s], Multiplier(static_cast<int>(s)));
        }

        for (std::size_t s = 0; s < count; ++s) {
            const CSymptomRecord* record = symptoms[s];
            if (!record)
                continue;
            const int weight = weights[s];
            const int n = RemedyEntryCount(*record);
            const std::uint8_t* entry = record->m_pRemedies.data();
            for (int i = 0; i < n; ++i, entry += 3) {
                const auto code = static_cast<std::size_t>(DecodeRemedyCode(entry[1], entry[2]));
                if (code >= m_tally.size())
                    m_tally.resize(std::max(code + 1, std::min<std::size_t>(2 * m_tally.size(), kMaxRemedyCode + 1)));
                CodeTally& tally = m_tally[code];
                if (tally.covered == 0)
                    m_touchedCodes.push_back(static_cast<std::int32_t>(code));
                tally.totality += DecodeGrade(entry[0]) * weight;
                ++tally.covered;
            }
        }

        // Results go into the map in ascending key order, so every insertion lands at the end.
        std::sort(m_touchedCodes.begin(), m_touchedCodes.end());
        for (const std::int32_t code : m_touchedCodes) {
            const CodeTally& tally = m_tally[static_cast<std::size_t>(code)];
            RemedyResult& result = NewResult(MakeRemedyKey(code), code);
            result.totality = tally.totality;
            result.covered = tally.covered;
        }
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    for (const std::int32_t code : m_touchedCodes)
        m_tally[static_cast<std::size_t>(code)] = CodeTally{};
    m_touchedCodes.clear();
    if (!ok) {
        ClearResults();
        m_sink->Show(kMsgInsufficientMemory);
    }
    return ok;
}

void CRepEngine::AccumulateSymptom(int s, const CSymptomRecord& record, int weight)
{
    AccumulateSymptom(s, RemedyEntryCount(record), record.m_pRemedies, weight);
}

// The symptom index names which active symptom the entries belong to; the covering symptoms themselves are read
// from the active set when they are needed (the grade matrix, Levels), so only the sums are kept here.
void CRepEngine::AccumulateSymptom(
    [[maybe_unused]] int s, int nEntries, std::span<const std::uint8_t> entries, int weight)
{
    InvalidateOrder();
    const int available = static_cast<int>(entries.size() / 3);
    const int n = std::min(nEntries, available);
    try {
        for (int i = 0; i < n; ++i) {
            const std::size_t at = 3 * static_cast<std::size_t>(i);
            const int grade = DecodeGrade(entries[at]);
            const int code = DecodeRemedyCode(entries[at + 1], entries[at + 2]);
            const RemedyKey key = MakeRemedyKey(code);
            const auto found = FindEntry(key);
            RemedyResult* result
                = found != pdrgRep.end() && found->first == key ? found->second.get() : &NewResult(key, code);
            result->totality += grade * weight;
            ++result->covered;
        }
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
    }
}

SortOutcome CRepEngine::SortResults(SortMode mode)
{
    if (pFinRep) {
        m_sink->Show(kMsgErrorInRepertorisation);
        return SortOutcome::AlreadySorted;
    }
    // Each remedy's composite key is computed once; the names are compared only between equal keys, and
    // remedies equal under the mode keep their code order, so the order is the same every time.
    struct Item
    {
        long long key;
        RemedyResult* result;
    };
    std::vector<Item> items;
    std::vector<RemedyResult*> order;
    try {
        items.reserve(pdrgRep.size());
        order.reserve(pdrgRep.size());
    } catch (const std::bad_alloc&) {
        m_sink->Show(mode == SortByName ? kMsgInsufficientMemoryInPFinRep : kMsgInsufficientMemory);
        return SortOutcome::OutOfMemory;
    }
    for (const auto& [key, result] : pdrgRep) {
        const long long t = result->totality;
        const long long c = result->covered;
        const long long composite = mode == SortBySymptomsCovered ? 60 * c + t : (mode == SortByName ? 0 : 60 * t + c);
        items.push_back(Item{composite, result.get()});
    }
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (a.key != b.key)
            return a.key > b.key;
        const int byName = CompareNoCase(a.result->name, b.result->name);
        return byName != 0 ? byName < 0 : a.result->code < b.result->code;
    });
    for (const Item& item : items)
        order.push_back(item.result);
    pFinRep = std::move(order);
    return SortOutcome::Sorted;
}

bool CRepEngine::AllocateGradeMatrix()
{
    const std::size_t symptoms = m_store->m_mapRepSymptoms.size();
    const std::size_t remedies = pFinRep ? pFinRep->size() : pdrgRep.size();
    m_bHasMatrix = false;
    try {
        if (symptoms != 0 && remedies > (std::numeric_limits<std::size_t>::max() - kMatrixSlack) / symptoms)
            throw std::bad_alloc();
        SymDrgLev.assign(symptoms * remedies + kMatrixSlack, 0);
    } catch (const std::bad_alloc&) {
        SymDrgLev.clear();
        SymDrgLev.shrink_to_fit();
        m_sink->Show(kMsgInsufficientMemoryForSymDrgLev);
        return false;
    }
    // Byte 0 names the symptom count for a reader of the buffer; it limits nothing.
    SymDrgLev[0] = static_cast<std::uint8_t>(symptoms & 0xFFu);
    m_nMatrixSymptoms = static_cast<int>(symptoms);
    m_nMatrixRemedies = static_cast<int>(remedies);
    m_bHasMatrix = true;
    return true;
}

bool CRepEngine::FillGradeMatrix()
{
    if (!pFinRep) {
        // Nothing sorted: an empty matrix of the current size.
        return AllocateGradeMatrix();
    }
    if (!AllocateGradeMatrix())
        return false;
    // Each code's row of the display order, then one pass over the entries of the active symptoms: an entry
    // writes its grade into its remedy's row, later entries of the same remedy and symptom over earlier ones.
    const auto& active = m_store->m_mapRepSymptoms;
    const std::size_t symptoms = static_cast<std::size_t>(m_nMatrixSymptoms);
    try {
        std::size_t size = m_rowOfCode.size();
        for (const RemedyResult* result : *pFinRep)
            size = std::max(size, static_cast<std::size_t>(std::max(result->code, 0)) + 1);
        m_rowOfCode.resize(size, 0);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemoryForSymDrgLev);
        return false;
    }
    int row = 0;
    for (const RemedyResult* result : *pFinRep) {
        ++row;
        if (result->code >= 0 && static_cast<std::size_t>(result->code) < m_rowOfCode.size())
            m_rowOfCode[static_cast<std::size_t>(result->code)] = row;
    }
    std::uint8_t* matrix = SymDrgLev.data();
    for (std::size_t s = 0; s < symptoms && s < active.size(); ++s) {
        const CSymptomRecord* record = active[s];
        if (!record)
            continue;
        const int n = RemedyEntryCount(*record);
        const std::uint8_t* entry = record->m_pRemedies.data();
        for (int i = 0; i < n; ++i, entry += 3) {
            const auto code = static_cast<std::size_t>(DecodeRemedyCode(entry[1], entry[2]));
            const int r = code < m_rowOfCode.size() ? m_rowOfCode[code] : 0;
            if (r > 0)
                matrix[symptoms * static_cast<std::size_t>(r - 1) + s + 1]
                    = static_cast<std::uint8_t>(DecodeGrade(entry[0]));
        }
    }
    for (const RemedyResult* result : *pFinRep)
        if (result->code >= 0 && static_cast<std::size_t>(result->code) < m_rowOfCode.size())
            m_rowOfCode[static_cast<std::size_t>(result->code)] = 0;
    return true;
}

std::vector<LevelEntry> CRepEngine::Levels(RemedyKey key) const
{
    std::vector<LevelEntry> levels;
    const int code = RemedyCodeOfKey(key);
    const auto& active = m_store->m_mapRepSymptoms;
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
    FreeSortedOrder();
    if (SortResults(m_eSortMode) != SortOutcome::Sorted)
        return false;
    return FillGradeMatrix();
}

const RemedyResult* CRepEngine::FindResult(RemedyKey key) const
{
    const auto found = std::lower_bound(
        pdrgRep.begin(), pdrgRep.end(), key, [](const ResultEntry& entry, RemedyKey k) { return entry.first < k; });
    return found == pdrgRep.end() || found->first != key ? nullptr : found->second.get();
}

const CSymptomRecord* CRepEngine::Symptom(int s) const
{
    const auto& symptoms = m_store->m_mapRepSymptoms;
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
    const std::size_t at
        = static_cast<std::size_t>(m_nMatrixSymptoms) * static_cast<std::size_t>(r) + static_cast<std::size_t>(s) + 1;
    return static_cast<std::int8_t>(SymDrgLev[at]);
}

} // namespace quillon
