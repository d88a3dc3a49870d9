// The identities of practice, patient and visit that the case book keeps.
#include "casebook/CaseBookVisit.h"

#include "casebook/CaseBook.h"
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "casedata/TextCodec.h"
#include "engine/RepEngine.h"
#include "state/PatientContext.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace quillon {
namespace {

class Fnv64
{
public:
    void Add(std::string_view bytes)
    {
        for (const char c : bytes) {
            m_hash ^= static_cast<std::uint8_t>(c);
            m_hash *= 0x100000001b3ull;
        }
    }
    void Field(std::string_view bytes)
    {
        Number(static_cast<std::int64_t>(bytes.size()));
        Add(bytes);
    }
    void Number(std::int64_t value)
    {
        const auto u = static_cast<std::uint64_t>(value);
        char bytes[8];
        for (int i = 0; i < 8; ++i)
            bytes[i] = static_cast<char>((u >> (8 * i)) & 0xff);
        Add({bytes, 8});
    }
    std::string Hex() const
    {
        static constexpr char kDigits[] = "0123456789abcdef";
        std::string text(16, '0');
        for (int i = 0; i < 16; ++i)
            text[static_cast<std::size_t>(15 - i)] = kDigits[(m_hash >> (4 * i)) & 0xf];
        return text;
    }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ull;
};

// The visit as the file holds it now, in a store of its own.
std::unique_ptr<CCaseStore> FreshVisit(const CCaseStore& store, int visit, IMessageSink& quiet)
{
    auto scratch = std::make_unique<CCaseStore>(store.Folder(), quiet);
    scratch->TakeVisitIndexOf(store);
    if (!scratch->LoadVisitSymptoms(visit))
        return nullptr;
    return scratch;
}

std::optional<std::string> FingerprintOfVisit(const CCaseStore& store, int visit)
{
    NullMessageSink quiet;
    const auto fresh = FreshVisit(store, visit, quiet);
    if (!fresh)
        return std::nullopt;
    std::vector<const CSymptomRecord*> records;
    for (const auto& record : fresh->Symptoms())
        records.push_back(record.get());
    return SymptomFingerprint(records);
}

bool SameRecord(const CSymptomRecord& a, const CSymptomRecord& b)
{
    return a.m_nKind == b.m_nKind && a.m_nType == b.m_nType && a.m_nLevel == b.m_nLevel
        && a.m_pRemedies == b.m_pRemedies && a.m_pszText == b.m_pszText;
}

int IndexOf(const std::vector<int>& list, int value)
{
    return static_cast<int>(std::find(list.begin(), list.end(), value) - list.begin());
}

} // namespace

std::string SymptomFingerprint(std::span<const CSymptomRecord* const> records)
{
    Fnv64 hash;
    hash.Number(static_cast<std::int64_t>(records.size()));
    for (const CSymptomRecord* record : records) {
        hash.Number(record->m_nKind);
        hash.Number(record->m_nType);
        hash.Number(record->m_nLevel);
        hash.Field({reinterpret_cast<const char*>(record->m_pRemedies.data()), record->m_pRemedies.size()});
        hash.Field(record->m_pszText);
    }
    return hash.Hex();
}

PracticeIdentity CurrentPractice(const PatientContext& patient)
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::canonical(patient.folder.Root(), ec);
    if (ec)
        folder = std::filesystem::absolute(patient.folder.Root(), ec).lexically_normal();
    return {folder.string(), Cp1252ToUtf8(patient.physician)};
}

PatientIdentity CurrentPatient(const PatientContext& patient)
{
    return {CurrentPractice(patient), Cp1252ToUtf8(patient.regNo), Cp1252ToUtf8(patient.name)};
}

VisitIdentity CurrentVisit(const CCaseStore& store)
{
    const int visit = store.LoadedVisit();
    if (visit < 0 || visit >= store.VisitCount())
        return {};
    return {Cp1252ToUtf8(store.VisitDates()[static_cast<std::size_t>(visit)]),
        FingerprintOfVisit(store, visit).value_or(std::string())};
}

VisitMatch FindVisit(const CCaseStore& store, const VisitIdentity& visit)
{
    VisitMatch match;
    for (int v = 0; v < store.VisitCount(); ++v) {
        if (Cp1252ToUtf8(store.VisitDates()[static_cast<std::size_t>(v)]) != visit.date)
            continue;
        if (FingerprintOfVisit(store, v) == visit.fingerprint)
            return {v, false};
        if (match.index < 0)
            match = {v, true};
    }
    return match;
}

bool FolderHoldsVisit(const CPracticeFolder& folder, const std::string& regNo, const VisitIdentity& visit)
{
    NullMessageSink quiet;
    CCaseStore store(folder, quiet);
    store.SetPatientFile(Utf8ToCp1252(regNo));
    if (!store.LoadVisitIndex())
        return false;
    const VisitMatch match = FindVisit(store, visit);
    return match.index >= 0 && !match.changed;
}

PracticeFound FindPracticeOfFolder(
    CCaseBook& book, const CPracticeFolder& folder, const PracticeIdentity& here, const PracticeChooser& choose)
{
    if (book.KnowsPractice(here))
        return PracticeFound::Known;
    std::vector<std::int64_t> ids;
    std::vector<std::string> folders;
    for (const CCaseBook::PracticeCandidate& candidate : book.PracticesLike(here)) {
        for (const auto& [regNo, visit] : candidate.visits) {
            if (FolderHoldsVisit(folder, regNo, visit)) {
                ids.push_back(candidate.id);
                folders.push_back(candidate.folder);
                break;
            }
        }
    }
    if (ids.empty())
        return PracticeFound::NotFound;
    std::optional<std::size_t> chosen = 0;
    if (ids.size() > 1) {
        if (!choose)
            return PracticeFound::Undecided;
        chosen = choose(folders);
        if (chosen && *chosen >= ids.size())
            chosen.reset();
    }
    return book.RememberPractice(here, chosen ? ids[*chosen] : 0) ? PracticeFound::Known : PracticeFound::NotFound;
}

std::vector<std::string> StepsBeforeChart(const CCaseStore& state, const CChartSession::StartState& start)
{
    NullMessageSink quiet;
    const auto fresh = FreshVisit(state, state.LoadedVisit(), quiet);
    if (!fresh || start.live.size() + start.deleted.size() != fresh->Symptoms().size())
        return {};
    // Each record of the start by its place in the file (identical records in turn).
    std::vector<bool> used(fresh->Symptoms().size(), false);
    const auto place = [&](const CSymptomRecord* record) {
        for (std::size_t i = 0; i < used.size(); ++i)
            if (!used[i] && SameRecord(*record, *fresh->Symptoms()[i])) {
                used[i] = true;
                return static_cast<int>(i);
            }
        return -1;
    };
    std::vector<int> live, deleted;
    for (const CSymptomRecord* r : start.live)
        live.push_back(place(r));
    for (const CSymptomRecord* r : start.deleted)
        deleted.push_back(place(r));
    if (std::count(live.begin(), live.end(), -1) + std::count(deleted.begin(), deleted.end(), -1) > 0)
        return {};
    // The live records after the longest run in file order were appended by restores: deleted and restored in
    // their order; then the deleted ones are deleted in theirs.
    std::size_t inOrder = 1;
    while (inOrder < live.size() && live[inOrder] > live[inOrder - 1])
        ++inOrder;
    std::vector<int> now(fresh->Symptoms().size()), gone;
    for (std::size_t i = 0; i < now.size(); ++i)
        now[i] = static_cast<int>(i);
    std::vector<std::string> steps;
    const auto remove = [&](int record) {
        const int line = IndexOf(now, record);
        steps.push_back("delete:" + std::to_string(line));
        now.erase(now.begin() + line);
        gone.push_back(record);
    };
    const std::vector<int> appended(
        live.begin() + static_cast<std::ptrdiff_t>(std::min(inOrder, live.size())), live.end());
    for (int record : appended)
        remove(record);
    for (int record : appended) {
        const int line = IndexOf(gone, record);
        steps.push_back("undelete:" + std::to_string(line));
        gone.erase(gone.begin() + line);
        now.push_back(record);
    }
    for (int record : deleted)
        remove(record);
    return steps;
}

std::vector<std::string> TopRemedies(const CRepEngine& engine, int count)
{
    std::vector<std::string> names;
    for (int r = 0; r < engine.RemedyCount() && r < count; ++r) {
        const RemedyResult* remedy = engine.SortedRemedy(r);
        if (!remedy)
            break;
        names.push_back(Cp1252ToUtf8(remedy->name.empty() ? std::to_string(remedy->code) : remedy->name));
    }
    return names;
}

} // namespace quillon
