// Loading, pruning and restoring the recorded symptoms of one visit.
#include "casedata/CaseStore.h"

#include "casedata/ByteReader.h"
#include "casedata/TextCodec.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace quillon {
namespace {

constexpr std::size_t kFileHeaderSize = 8;
constexpr std::size_t kBlockHeaderSize = 10;
constexpr int kRecordOverhead = 14; // header 8, level 2, tail words 4
constexpr std::size_t kRecordHeaderSize = 8;

constexpr const char* kMsgSymptomFileNoDate = QT_TRANSLATE_NOOP(
    "Message", "The recorded symptom file is damaged: a visit block holds no date a visit can have");

template <typename T> void EraseAt(std::vector<T>& list, std::size_t index)
{
    if (index < list.size())
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
}

// Removes the first clipboard entry whose text equals `text` without regard to letter case.
void RemoveFromClipboard(std::vector<CSymptomRecord*>& clipboard, const std::string& text)
{
    const auto hit = std::find_if(
        clipboard.begin(), clipboard.end(), [&](const CSymptomRecord* r) { return EqualsNoCase(r->m_pszText, text); });
    if (hit != clipboard.end())
        clipboard.erase(hit);
}

enum class RecordResult { Ok, EndMarker, BadRemedyCount, BadText, Truncated };

// Reads one symptom record at the reader's position into `record`.
RecordResult ReadSymptomRecord(ByteReader& in, CSymptomRecord& record)
{
    std::uint16_t length = 0, kind = 0, type = 0, count = 0;
    if (!in.ReadU16(length) || !in.ReadU16(kind) || !in.ReadU16(type) || !in.ReadU16(count))
        return RecordResult::Truncated;
    if (length == 0)
        return RecordResult::EndMarker;
    if (count == 0)
        return RecordResult::BadRemedyCount;

    std::span<const std::uint8_t> entries;
    std::uint16_t level = 0;
    if (!in.ReadBytes(3 * static_cast<std::size_t>(count), entries) || !in.ReadU16(level))
        return RecordResult::Truncated;
    const int textLength = static_cast<int>(length) - 3 * static_cast<int>(count) - kRecordOverhead;
    if (textLength < 1)
        return RecordResult::BadText;
    std::uint16_t tail1 = 0, tail2 = 0;
    if (!in.ReadText(static_cast<std::size_t>(textLength), record.m_pszText) || !in.ReadU16(tail1)
        || !in.ReadU16(tail2))
        return RecordResult::Truncated;

    // The text ends at its first zero byte, as a zero-terminated text would.
    if (const auto nul = record.m_pszText.find('\0'); nul != std::string::npos)
        record.m_pszText.resize(nul);
    record.m_pRemedies.assign(entries.begin(), entries.end());
    record.m_pRemedies.push_back(0);
    record.m_nLength = length;
    record.m_nRemedyCount = count;
    record.m_nType = type;
    record.m_nKind = kind;
    record.m_nLevel = level;
    // The tail words are read over their preset values (26 and -1) two bytes wide, so the upper
    // half of the second one stays set.
    record.m_nTailWord1 = static_cast<int>(tail1);
    record.m_nTailWord2 = static_cast<int>(0xFFFF0000u | tail2);
    return RecordResult::Ok;
}

} // namespace

// Where the loader reads the ".rsy" bytes: the file a piece at a time, or an image in memory. Reading only the
// block headers and the chosen visit keeps the work in proportion to the visits, whatever the file's size.
class SymptomBytes
{
public:
    virtual ~SymptomBytes() = default;
    virtual std::uint64_t Size() const = 0;
    // Up to `count` bytes from `offset`, fewer where the data ends; false when the file cannot be read.
    // The bytes stay valid until the next Read.
    virtual bool Read(std::uint64_t offset, std::size_t count, std::span<const std::uint8_t>& out) = 0;
};

namespace {

class ImageBytes final : public SymptomBytes
{
public:
    explicit ImageBytes(std::span<const std::uint8_t> image) : m_image(image) {}
    std::uint64_t Size() const override { return m_image.size(); }
    bool Read(std::uint64_t offset, std::size_t count, std::span<const std::uint8_t>& out) override
    {
        out = offset >= m_image.size() ? std::span<const std::uint8_t>{}
                                       : m_image.subspan(static_cast<std::size_t>(offset),
                                           std::min<std::uint64_t>(count, m_image.size() - offset));
        return true;
    }

private:
    std::span<const std::uint8_t> m_image;
};

// The file read through a window of a few kilobytes: the block headers of visits that follow each other come from
// one read, and a long block is skipped rather than read.
class FileBytes final : public SymptomBytes
{
public:
    explicit FileBytes(CFolderFile& file) : m_file(file) {}
    std::uint64_t Size() const override { return m_file.Size(); }
    bool Read(std::uint64_t offset, std::size_t count, std::span<const std::uint8_t>& out) override
    {
        const bool inside = offset >= m_start && offset - m_start <= m_window.size()
            && (count <= m_window.size() - (offset - m_start) || m_start + m_window.size() >= m_file.Size());
        if (!inside) {
            const ReadStatus status = m_file.Read(offset, std::max(count, kWindow), m_window);
            if (status == ReadStatus::OutOfMemory)
                throw std::bad_alloc();
            m_start = offset;
            if (status != ReadStatus::Ok) {
                m_window.clear();
                return false;
            }
        }
        const auto at = static_cast<std::size_t>(offset - m_start);
        out = std::span<const std::uint8_t>(m_window).subspan(at, std::min(count, m_window.size() - at));
        return true;
    }

private:
    static constexpr std::size_t kWindow = 256 * 1024;
    CFolderFile& m_file;
    std::vector<std::uint8_t> m_window;
    std::uint64_t m_start = 0;
};

} // namespace

std::string FormatVisitDate(std::uint16_t first, std::uint16_t second, std::uint16_t year)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%4d", first, second, year);
    return buffer;
}

int CCaseStore::AddClearListener(ClearListener listener)
{
    m_clearListeners.emplace_back(m_nextListenerId, std::move(listener));
    return m_nextListenerId++;
}

void CCaseStore::RemoveClearListener(int id)
{
    std::erase_if(m_clearListeners, [id](const auto& entry) { return entry.first == id; });
}

namespace {

// The patient's ".rsy" file, opened for reading in pieces.
bool OpenSymptomFile(const CPracticeFolder& folder, const std::string& patientFile, CFolderFile& file)
{
    // An empty registration number names no file (".rsy" alone would be a hidden file of the folder).
    if (patientFile.empty())
        return false;
    const ReadStatus status = folder.Open(patientFile + ".rsy", file);
    if (status == ReadStatus::OutOfMemory)
        throw std::bad_alloc();
    return status == ReadStatus::Ok;
}

} // namespace

bool CCaseStore::LoadVisitIndex()
{
    m_arrVisitOffsets.clear();
    m_arrVisitDates.clear();
    m_freshIndexFile.reset();
    try {
        CFolderFile file;
        if (!OpenSymptomFile(*m_folder, m_strPatientFile, file)) {
            m_sink->Show(kMsgCannotReadSymptomFile);
            return false;
        }
        FileBytes bytes(file);
        if (!IndexVisits(bytes))
            return false;
        m_freshIndexFile = m_strPatientFile;
        return true;
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
}

bool CCaseStore::IndexVisits(std::span<const std::uint8_t> bytes)
{
    ImageBytes image(bytes);
    return IndexVisits(image);
}

bool CCaseStore::IndexVisits(SymptomBytes& bytes)
{
    m_arrVisitOffsets.clear();
    m_arrVisitDates.clear();
    // A fault ends the index; the intact visits before it stay usable.
    const auto endIndex = [this](const char* message) {
        m_sink->Show(message);
        return !m_arrVisitOffsets.empty();
    };
    try {
        const std::uint64_t size = bytes.Size();
        if (size <= kFileHeaderSize) {
            m_sink->Show(kMsgSymptomsNotAvailable);
            return false;
        }
        std::uint64_t p = kFileHeaderSize;
        while (p < size) {
            if (m_arrVisitOffsets.size() == kMaxVisits) {
                m_arrVisitOffsets.clear();
                m_arrVisitDates.clear();
                m_sink->Show(kMsgTooManyVisits);
                return false;
            }
            std::span<const std::uint8_t> header;
            if (!bytes.Read(p, kBlockHeaderSize, header)) {
                m_arrVisitOffsets.clear();
                m_arrVisitDates.clear();
                m_sink->Show(kMsgCannotReadSymptomFile);
                return false;
            }
            ByteReader in(header);
            std::uint32_t blockLength = 0;
            std::uint16_t first = 0, second = 0, year = 0;
            if (!in.ReadU32(blockLength) || !in.ReadU16(first) || !in.ReadU16(second) || !in.ReadU16(year))
                return endIndex(kMsgSymptomFileIncomplete); // too few bytes for a block header
            // A block shorter than its own header holds no visit (a zero-filled file is made of such blocks).
            if (blockLength < kBlockHeaderSize)
                return endIndex(kMsgSymptomFileDamaged);
            // Day and month are at most 31 (in either order) and the year has four digits: a block of other date
            // words is not a visit (a file of 0xFF bytes is made of one such block).
            if (first == 0 || first > 31 || second == 0 || second > 31 || year == 0 || year > 9999)
                return endIndex(kMsgSymptomFileNoDate);
            m_arrVisitOffsets.push_back(static_cast<std::uint32_t>(p));
            m_arrVisitDates.push_back(FormatVisitDate(first, second, year));
            p += kBlockHeaderSize + blockLength;
        }
        return true;
    } catch (const std::bad_alloc&) {
        m_arrVisitOffsets.clear();
        m_arrVisitDates.clear();
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
}

bool CCaseStore::TakeFreshVisitIndex()
{
    const bool fresh = m_freshIndexFile == m_strPatientFile;
    m_freshIndexFile.reset();
    return fresh;
}

bool CCaseStore::LoadVisitSymptoms(int nVisit)
{
    m_freshIndexFile.reset();
    ClearCaseStore();
    if (nVisit < 0 || nVisit >= static_cast<int>(m_arrVisitOffsets.size()))
        return false;
    m_nLoadedVisit = nVisit;
    try {
        CFolderFile file;
        if (!OpenSymptomFile(*m_folder, m_strPatientFile, file))
            return false;
        FileBytes bytes(file);
        return ReadVisit(bytes, nVisit);
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
}

bool CCaseStore::LoadVisitFromImage(std::span<const std::uint8_t> bytes, int nVisit)
{
    ClearCaseStore();
    if (nVisit < 0 || nVisit >= static_cast<int>(m_arrVisitOffsets.size()))
        return false;
    m_nLoadedVisit = nVisit;
    ImageBytes image(bytes);
    return ReadVisit(image, nVisit);
}

bool CCaseStore::ReadVisit(SymptomBytes& bytes, int nVisit)
{
    try {
        if (bytes.Size() < kFileHeaderSize) {
            m_sink->Show(kMsgSymptomsNotAvailable);
            return false;
        }
        const std::uint64_t p0 = m_arrVisitOffsets[static_cast<std::size_t>(nVisit)];
        std::span<const std::uint8_t> data;
        std::uint32_t blockLength = 0;
        if (!bytes.Read(p0, kBlockHeaderSize, data) || !ByteReader(data).ReadU32(blockLength)
            || data.size() < kBlockHeaderSize) {
            m_sink->Show(kMsgSymptomFileIncomplete);
            return false;
        }
        // Record by record: its header, then the bytes it says it reaches. The loader trusts the block length, but
        // reads no more of the file than the records it loads (a long block of garbage ends at its first record).
        std::uint64_t q = p0 + kBlockHeaderSize;
        std::uint64_t consumed = 0;
        while (consumed < blockLength) {
            std::uint16_t length = 0, count = 0;
            const bool headerRead = bytes.Read(q, kRecordHeaderSize, data);
            ByteReader header(data);
            if (!headerRead || !header.ReadU16(length) || !header.Skip(4) || !header.ReadU16(count)
                || !bytes.Read(
                    q, std::max<std::size_t>(length, kRecordHeaderSize + 3 * std::size_t{count} + 2), data)) {
                m_sink->Show(kMsgSymptomFileIncomplete);
                return false;
            }
            ByteReader in(data);
            auto record = std::make_unique<CSymptomRecord>();
            switch (ReadSymptomRecord(in, *record)) {
            case RecordResult::Ok: break;
            case RecordResult::EndMarker: return false;
            case RecordResult::BadRemedyCount: m_sink->Show(kMsgErrorInRemedyCount); return false;
            case RecordResult::BadText: m_sink->Show(kMsgErrorInSymptom); return false;
            case RecordResult::Truncated: m_sink->Show(kMsgSymptomFileIncomplete); return false;
            }
            q += record->m_nLength;
            consumed += static_cast<std::uint64_t>(record->m_nLength);
            FileInKindIndex(record.get());
            m_mapSymptomText.push_back(record->m_pszText);
            m_mapRemedyCountText.push_back(std::to_string(record->m_nRemedyCount));
            m_mapSymptoms.push_back(std::move(record));
        }
        m_nSymptomCount = LiveCount();
        return true;
    } catch (const std::bad_alloc&) {
        m_sink->Show(kMsgInsufficientMemory);
        return false;
    }
}

void CCaseStore::FileInKindIndex(CSymptomRecord* record)
{
    switch (record->m_nKind) {
    case kKindMind: m_mapMindSymptoms.push_back(record); break;
    case kKindGeneral: m_mapGeneralSymptoms.push_back(record); break;
    case kKindRest: m_mapRestSymptoms.push_back(record); break;
    default: break; // any other kind enters no index at load
    }
}

void CCaseStore::TakeVisitIndexOf(const CCaseStore& other)
{
    m_strPatientFile = other.m_strPatientFile;
    m_arrVisitOffsets = other.m_arrVisitOffsets;
    m_arrVisitDates = other.m_arrVisitDates;
}

void CCaseStore::ClearCaseStore()
{
    for (const auto& [id, listener] : m_clearListeners)
        listener();
    m_nLoadedVisit = -1;
    m_mapMindSymptoms.clear();
    m_mapGeneralSymptoms.clear();
    m_mapRestSymptoms.clear();
    m_mapRepSymptoms.clear();
    for (auto& clipboard : m_arrClipboards)
        clipboard.clear();
    m_mapSymptomText.clear();
    m_mapRemedyCountText.clear();
    m_mapDeletedText.clear();
    m_mapDeletedCountText.clear();
    m_mapSymptoms.clear();
    m_mapDeletedSymptoms.clear();
    m_nSymptomCount = 0;
}

void CCaseStore::DeleteSymptom(int i)
{
    if (i < 0 || i >= LiveCount())
        return;
    if (m_pEditRecorder)
        m_pEditRecorder->emplace_back(false, i);
    const auto at = static_cast<std::size_t>(i);
    if (at < m_mapRemedyCountText.size())
        m_mapDeletedCountText.push_back(std::move(m_mapRemedyCountText[at]));
    if (at < m_mapSymptomText.size())
        m_mapDeletedText.push_back(std::move(m_mapSymptomText[at]));
    CSymptomRecord* record = m_mapSymptoms[at].get();
    for (auto& clipboard : m_arrClipboards)
        RemoveFromClipboard(clipboard, record->m_pszText);
    m_mapDeletedSymptoms.push_back(std::move(m_mapSymptoms[at]));
    EraseAt(m_mapRemedyCountText, at);
    EraseAt(m_mapSymptomText, at);
    EraseAt(m_mapSymptoms, at);
}

void CCaseStore::RestoreDeletedSymptom(int j)
{
    if (j < 0 || j >= DeletedCount())
        return;
    if (m_pEditRecorder)
        m_pEditRecorder->emplace_back(true, j);
    const auto at = static_cast<std::size_t>(j);
    if (at < m_mapDeletedText.size())
        m_mapSymptomText.push_back(std::move(m_mapDeletedText[at]));
    if (at < m_mapDeletedCountText.size())
        m_mapRemedyCountText.push_back(std::move(m_mapDeletedCountText[at]));
    m_mapSymptoms.push_back(std::move(m_mapDeletedSymptoms[at]));
    EraseAt(m_mapDeletedText, at);
    EraseAt(m_mapDeletedCountText, at);
    EraseAt(m_mapDeletedSymptoms, at);
}

void CCaseStore::RebuildKindIndexes()
{
    m_mapMindSymptoms.clear();
    m_mapGeneralSymptoms.clear();
    m_mapRestSymptoms.clear();
    for (const auto& record : m_mapSymptoms) {
        if (record->m_nKind == kKindMind)
            m_mapMindSymptoms.push_back(record.get());
        else if (record->m_nKind == kKindGeneral)
            m_mapGeneralSymptoms.push_back(record.get());
        else
            m_mapRestSymptoms.push_back(record.get());
    }
}

} // namespace quillon
