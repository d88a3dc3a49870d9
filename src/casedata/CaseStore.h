// The case store: one visit of one patient, loaded from the patient's ".rsy" file.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/SymptomRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

// The three symptom clipboards of the chart.
inline constexpr int kClipboardCount = 3;

// Messages of the loader.
inline constexpr const char* kMsgCannotReadSymptomFile
    = QT_TRANSLATE_NOOP("Message", "Cannot read recorded symptom File");
inline constexpr const char* kMsgSymptomsNotAvailable = QT_TRANSLATE_NOOP("Message", "Symptoms not available");
inline constexpr const char* kMsgErrorInRemedyCount = QT_TRANSLATE_NOOP("Message", "Error in Remedy Count");
inline constexpr const char* kMsgErrorInSymptom = QT_TRANSLATE_NOOP("Message", "Error in Symptom");
inline constexpr const char* kMsgInsufficientMemory = QT_TRANSLATE_NOOP("Message", "Insufficient memory");
inline constexpr const char* kMsgSymptomFileIncomplete
    = QT_TRANSLATE_NOOP("Message", "The recorded symptom file ends in the middle of a visit");
inline constexpr const char* kMsgSymptomFileDamaged
    = QT_TRANSLATE_NOOP("Message", "The recorded symptom file is damaged: a visit block is too short to hold a visit");
inline constexpr const char* kMsgTooManyVisits
    = QT_TRANSLATE_NOOP("Message", "The recorded symptom file holds more than 10000 visits");

// No practice records more visits for one patient; a file that claims more is not read.
inline constexpr std::size_t kMaxVisits = 10000;

class SymptomBytes;

// Date text of a visit block: "%02d/%02d/%4d" of its three date words.
std::string FormatVisitDate(std::uint16_t first, std::uint16_t second, std::uint16_t year);

// The lists below are dense (index = key) and keep file order. The live and deleted symptom lists own
// their records; every other list only borrows them and is emptied whenever the store is cleared.
class CCaseStore
{
public:
    CCaseStore(const CPracticeFolder& folder, IMessageSink& sink) : m_folder(&folder), m_sink(&sink) {}
    virtual ~CCaseStore() = default;
    CCaseStore(const CCaseStore&) = delete;
    CCaseStore& operator=(const CCaseStore&) = delete;

    bool LoadVisitIndex();
    // True once after LoadVisitIndex has read the current patient's file and before a visit is loaded: the
    // next step of the same opening takes the index as it is, instead of reading the file and saying its faults
    // again.
    bool TakeFreshVisitIndex();
    bool LoadVisitSymptoms(int nVisit);
    void ClearCaseStore();
    void DeleteSymptom(int i);
    // Appends deleted symptom j to the live lists and closes the gap it leaves in the deleted lists.
    void RestoreDeletedSymptom(int j);
    void RebuildKindIndexes();
    // While set, DeleteSymptom and RestoreDeletedSymptom append what they did, in order: (false, i) for a
    // deletion of live symptom i, (true, j) for a restore of deleted symptom j.
    void SetEditRecorder(std::vector<std::pair<bool, int>>* recorder) { m_pEditRecorder = recorder; }

    // The same from an image of the ".rsy" file already in memory.
    bool IndexVisits(std::span<const std::uint8_t> bytes);
    bool LoadVisitFromImage(std::span<const std::uint8_t> bytes, int nVisit);

    int VisitCount() const { return static_cast<int>(m_arrVisitDates.size()); }
    int LiveCount() const { return static_cast<int>(m_mapSymptoms.size()); }
    int DeletedCount() const { return static_cast<int>(m_mapDeletedSymptoms.size()); }
    int MindCount() const { return static_cast<int>(m_mapMindSymptoms.size()); }
    int GeneralCount() const { return static_cast<int>(m_mapGeneralSymptoms.size()); }
    int RestCount() const { return static_cast<int>(m_mapRestSymptoms.size()); }

    // Called at every clear, before the records are freed, so that views drop what they borrow.
    using ClearListener = std::function<void()>;
    int AddClearListener(ClearListener listener);
    void RemoveClearListener(int id);

    const CPracticeFolder& Folder() const { return *m_folder; }
    IMessageSink& Sink() const { return *m_sink; }

    // The case as loaded. The lists below are read through these; the owners of the store fill them.
    const std::string& PatientFile() const { return m_strPatientFile; }
    void SetPatientFile(std::string file) { m_strPatientFile = std::move(file); }
    // Takes the patient and the visit index of `other`, to load one of its visits apart from it.
    void TakeVisitIndexOf(const CCaseStore& other);
    const std::vector<std::string>& VisitDates() const { return m_arrVisitDates; }
    int LoadedVisit() const { return m_nLoadedVisit; }
    int SymptomCount() const { return m_nSymptomCount; }
    const std::vector<std::unique_ptr<CSymptomRecord>>& Symptoms() const { return m_mapSymptoms; }
    const std::vector<std::unique_ptr<CSymptomRecord>>& DeletedSymptoms() const { return m_mapDeletedSymptoms; }
    const std::vector<std::string>& SymptomTexts() const { return m_mapSymptomText; }
    const std::vector<std::string>& DeletedTexts() const { return m_mapDeletedText; }
    const std::vector<CSymptomRecord*>& MindSymptoms() const { return m_mapMindSymptoms; }
    const std::vector<CSymptomRecord*>& GeneralSymptoms() const { return m_mapGeneralSymptoms; }
    const std::vector<CSymptomRecord*>& RestSymptoms() const { return m_mapRestSymptoms; }
    // A store built by hand, not loaded: the record is appended to the live list alone.
    void AddSymptom(std::unique_ptr<CSymptomRecord> record) { m_mapSymptoms.push_back(std::move(record)); }
    std::vector<std::unique_ptr<CSymptomRecord>> TakeSymptoms() { return std::move(m_mapSymptoms); }
    // The active symptoms of the repertorisation, set by the engine.
    const std::vector<CSymptomRecord*>& RepSymptoms() const { return m_mapRepSymptoms; }
    void SetRepSymptoms(std::vector<CSymptomRecord*> symptoms) { m_mapRepSymptoms = std::move(symptoms); }
    const std::vector<CSymptomRecord*>& Clipboard(int k) const
    {
        return m_arrClipboards.at(static_cast<std::size_t>(k));
    }
    std::vector<CSymptomRecord*>& Clipboard(int k) { return m_arrClipboards.at(static_cast<std::size_t>(k)); }

    std::string m_strPatientFile;
    std::vector<std::uint32_t> m_arrVisitOffsets;
    std::vector<std::string> m_arrVisitDates;
    std::string m_szVisitDate; // at most 14 characters
    int m_nLoadedVisit = -1; // the index of the visit the store holds (-1: none)

    std::vector<std::unique_ptr<CSymptomRecord>> m_mapSymptoms;
    std::vector<std::string> m_mapSymptomText;
    std::vector<std::string> m_mapRemedyCountText;
    std::vector<std::unique_ptr<CSymptomRecord>> m_mapDeletedSymptoms;
    std::vector<std::string> m_mapDeletedText;
    std::vector<std::string> m_mapDeletedCountText;

    std::vector<CSymptomRecord*> m_mapMindSymptoms;
    std::vector<CSymptomRecord*> m_mapGeneralSymptoms;
    std::vector<CSymptomRecord*> m_mapRestSymptoms;

    // Borrowers filled by the repertorisation.
    std::vector<CSymptomRecord*> m_mapRepSymptoms;
    // The chart's clipboards: the chart adds to them and empties them, deleting a symptom removes it from them;
    // they outlast the Symptom List dialog.
    std::array<std::vector<CSymptomRecord*>, kClipboardCount> m_arrClipboards;

    int m_nSymptomCount = 0;

private:
    bool IndexVisits(SymptomBytes& bytes);
    bool ReadVisit(SymptomBytes& bytes, int nVisit);
    void FileInKindIndex(CSymptomRecord* record);

    const CPracticeFolder* m_folder;
    IMessageSink* m_sink;
    std::vector<std::pair<int, ClearListener>> m_clearListeners;
    std::vector<std::pair<bool, int>>* m_pEditRecorder = nullptr;
    int m_nextListenerId = 1;
    // The patient file LoadVisitIndex has just read (none once taken or once a visit loads).
    std::optional<std::string> m_freshIndexFile;
};

} // namespace quillon
