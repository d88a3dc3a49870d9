// The case book: one SQLite file per user that keeps analyses and prescriptions past the closing of a chart. The
// window and quillon-report share it; every save is one transaction, so a save that is cut off leaves the file as
// it was before it.
#pragma once

#include "casebook/CaseBookTypes.h"
#include "casedata/MessageSink.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace SQLite {
class Database;
}

namespace quillon {

inline constexpr const char* kMsgCaseBookBusy = QT_TRANSLATE_NOOP("Message",
    "The case book is in use by another Quillon window and stayed busy; nothing was saved. Try again in a moment.");
inline constexpr const char* kMsgCaseBookNewer = QT_TRANSLATE_NOOP("Message",
    "The case book was written by a newer version of Quillon; this version cannot use it. Quillon goes on without "
    "a case book.");

// The user's case book: $XDG_DATA_HOME/Quillon/casebook.sqlite, or ~/.local/share/Quillon/casebook.sqlite; empty
// when neither is known.
std::filesystem::path DefaultCaseBookPath();

// A new identity for an analysis or a prescription: a random version 4 UUID in lower-case hex.
std::string NewRecordUid();

// The current time as the case book writes it: YYYY-MM-DDTHH:MM:SSZ.
std::string CaseBookTime(std::chrono::system_clock::time_point at = std::chrono::system_clock::now());

struct CaseBookOptions
{
    // How long a save waits for another window's transaction to end.
    int busyTimeoutMs = 5000;
    // The clock of created and changed times (tests set it).
    std::function<std::string()> now;
    // Only read: a missing book is not created (Open gives null, quietly), a damaged one is not moved aside, an
    // older one is not brought up to date, and nothing is ever written.
    bool onlyRead = false;
};

class CCaseBook final
{
public:
    static constexpr int kSchemaVersion = 3;

    // Opens the case book at `path`, creating it and its folder when missing and bringing an older one up to date.
    // What is there is judged before anything writes to it: a file damaged anywhere (PRAGMA quick_check), another
    // program's file, or a link is moved aside as it is (with its log, and a message) and a new book started; a book
    // of a newer version is refused with kMsgCaseBookNewer; a file that cannot be opened at all gives its reason. A
    // new book is made whole under a scratch name and renamed into place. A book that cannot be written is opened
    // read-only. Null when there is no case book to use. ":memory:" opens a book that lives only in memory.
    static std::unique_ptr<CCaseBook> Open(
        const std::filesystem::path& path, IMessageSink& sink, CaseBookOptions options = {});
    ~CCaseBook();
    CCaseBook(const CCaseBook&) = delete;
    CCaseBook& operator=(const CCaseBook&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    IMessageSink& Sink() const { return m_sink; }
    // Opened read-only: the book or its folder cannot be written; every save says so and saves nothing.
    bool ReadOnly() const { return m_readOnly; }
    // How many reads have failed since the book was opened, counting one when the file found at the opening was
    // damaged or not a case book (and a new book was started): a listing or an export made meanwhile is not whole.
    int ReadFailures() const { return m_readFailures; }

    // Saves the analysis of the patient: with an id, that analysis is updated (renamed too); without one, an
    // analysis of the same visit and name is replaced, or a new one added. Returns its id, or nothing (the reason
    // was shown).
    std::optional<std::int64_t> SaveAnalysis(const PatientIdentity& patient, const AnalysisRecord& analysis);
    std::optional<AnalysisRecord> LoadAnalysis(std::int64_t id);
    // The patient of an analysis.
    std::optional<PatientIdentity> PatientOf(std::int64_t analysisId);
    // The patient's analyses over all visits, oldest first, without their notes (read one with AnalysisNotes): at
    // most `limit` of them (0: all), starting after `after` when given, so that a long list is read a page at a time.
    std::vector<AnalysisListing> ListAnalyses(const PracticeIdentity& practice, const std::string& regNo,
        std::size_t limit = 0, const std::optional<ListingKey>& after = std::nullopt);
    // The notes of an analysis; nothing when there is no such analysis (or it could not be read: the reason was
    // shown).
    std::optional<std::string> AnalysisNotes(std::int64_t id);
    bool RenameAnalysis(std::int64_t id, const std::string& name);
    bool DeleteAnalysis(std::int64_t id);

    // Records a prescription made from an analysis (its patient is the analysis's); returns its id. Its date is
    // today's when empty; a date that is not one of the calendar is refused with a message.
    std::optional<std::int64_t> RecordPrescription(const PrescriptionRecord& prescription);
    // The patient's prescriptions in time order: by date, then by the time they were recorded.
    std::vector<PrescriptionRecord> ListPrescriptions(const PracticeIdentity& practice, const std::string& regNo);

    // Walks the whole book in order with one record in memory at a time (the export): every practice, its patients,
    // each patient's analyses with their steps and prescriptions, then the patient's prescriptions kept from
    // deleted analyses. False (the reason shown) when the book could not be read to the end.
    class IVisitor
    {
    public:
        virtual ~IVisitor() = default;
        virtual void Practice(const PracticeIdentity& practice) = 0;
        virtual void Patient(const PatientIdentity& patient) = 0;
        virtual void Analysis(const AnalysisRecord& analysis, const std::vector<PrescriptionRecord>& prescriptions) = 0;
        virtual void EndPatient(const std::vector<PrescriptionRecord>& loosePrescriptions) = 0;
        virtual void EndPractice() = 0;
    };
    bool Walk(IVisitor& visitor);

    // The time of the book's clock, as it writes created and changed times.
    std::string Now() const;

    // A practice of the book saved under another folder that the folder at hand may hold (copied, moved, renamed
    // or on another computer): the same physician, and the analysed visits of its patients to look for.
    struct PracticeCandidate
    {
        std::int64_t id = 0;
        std::string folder; // where it was saved: a hint only
        std::vector<std::pair<std::string, VisitIdentity>> visits; // registration number and visit
    };
    // Whether the book knows the practice of that folder: analyses saved there, or the folder remembered.
    bool KnowsPractice(const PracticeIdentity& here);
    // The book's practices of the same physician saved under other folders, each with at most `visitLimit` of its
    // analysed visits, the most recent first.
    std::vector<PracticeCandidate> PracticesLike(const PracticeIdentity& here, int visitLimit = 20);
    // Remembers that the folder holds that practice (0: a practice of its own); from then on the folder's
    // analyses are that practice's. A book that cannot be written keeps it for as long as it is open, quietly.
    bool RememberPractice(const PracticeIdentity& here, std::int64_t practiceId);
    // Whether the analysis belongs to the practice of that folder.
    bool BelongsTo(std::int64_t analysisId, const PracticeIdentity& practice);

    // Runs `work` in one transaction; a failure rolls back what it did. False (with the reason shown) on failure.
    // `what` ends the reason, as in "nothing was saved": a text marked in the "Message" context.
    bool InTransaction(const std::function<void()>& work, const char* what);

    // For the merging of an import: the id of the patient (added when missing) and of an analysis by its key.
    std::int64_t PatientId(const PatientIdentity& patient);
    std::optional<std::int64_t> FindAnalysis(std::int64_t patientId, const AnalysisRecord& key);
    std::optional<std::int64_t> FindAnalysisByUid(const std::string& uid);
    // The practice of the folder, added when the book does not know it.
    std::int64_t PracticeId(const PracticeIdentity& practice);
    std::int64_t WriteAnalysis(std::int64_t patientId, const AnalysisRecord& analysis, bool keepTimes);
    // Adds the prescription unless the book has it already (the same identity; one without, from an older export:
    // the same patient, remedy, potency, date and time); one kept from a deleted analysis is linked to the
    // prescription's analysis. True when it was added.
    bool MergePrescription(std::int64_t patientId, const PrescriptionRecord& prescription);
    std::int64_t WritePrescription(std::int64_t patientId, const PrescriptionRecord& prescription);

    SQLite::Database& Database() { return *m_db; }

private:
    static std::unique_ptr<CCaseBook> OpenToRead(
        const std::filesystem::path& path, IMessageSink& sink, CaseBookOptions options);
    CCaseBook(
        std::filesystem::path path, std::unique_ptr<SQLite::Database> db, IMessageSink& sink, CaseBookOptions options);
    void Fail(const std::exception& e, const char* what) const;

    std::filesystem::path m_path;
    std::unique_ptr<SQLite::Database> m_db;
    IMessageSink& m_sink;
    CaseBookOptions m_options;
    bool m_readOnly = false;
    mutable int m_readFailures = 0;
};

} // namespace quillon
