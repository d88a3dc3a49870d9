// The case book's store: opening, saving and reading analyses and prescriptions.
#include "casebook/CaseBook.h"
#include "casebook/CaseBookChecks.h"
#include "casebook/CaseBookFile.h"
#include "casebook/CaseBookSchema.h"

#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <random>

namespace quillon {
namespace {

constexpr const char* kAnalysisColumns
    = "a.id, a.visit_date, a.fingerprint, a.name, a.notes, a.created, a.changed, a.caption, a.top_remedies, a.uid";
// A listing's columns: the analysis's without its notes, which may be long and are read when shown.
constexpr const char* kListingColumns
    = "a.id, a.visit_date, a.fingerprint, a.name, '', a.created, a.changed, a.caption, a.top_remedies, a.uid";
constexpr const char* kPrescriptionColumns
    = "p.id, p.analysis_id, p.remedy_code, p.remedy_name, p.potency, p.repetition, p.date, p.note, p.created, p.uid";
// The practice of a folder (?1) and physician (?2): the one remembered for that folder, else the one found for it in
// this run of a book that cannot be written, else the one saved there.
constexpr const char* kPracticeOfFolder
    = "coalesce((SELECT practice_id FROM practice_folders WHERE folder = ?1 AND physician = ?2),"
      " (SELECT practice_id FROM temp.found_folders WHERE folder = ?1 AND physician = ?2),"
      " (SELECT id FROM practices WHERE folder = ?1 AND physician = ?2))";
const std::string kPatientWhere = std::string(" JOIN patients pt ON pt.id = a.patient_id WHERE pt.practice_id = ")
    + kPracticeOfFolder + " AND pt.reg_no = ?3";

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

AnalysisRecord ReadAnalysis(SQLite::Statement& q, int at)
{
    AnalysisRecord a;
    a.id = q.getColumn(at).getInt64();
    a.visit.date = q.getColumn(at + 1).getString();
    a.visit.fingerprint = q.getColumn(at + 2).getString();
    a.name = q.getColumn(at + 3).getString();
    a.notes = q.getColumn(at + 4).getString();
    a.created = q.getColumn(at + 5).getString();
    a.changed = q.getColumn(at + 6).getString();
    a.caption = q.getColumn(at + 7).getString();
    a.topRemedies = SplitLines(q.getColumn(at + 8).getString());
    a.uid = q.getColumn(at + 9).getString();
    return a;
}

PrescriptionRecord ReadPrescription(SQLite::Statement& q, int at)
{
    PrescriptionRecord p;
    p.id = q.getColumn(at).getInt64();
    p.analysisId = q.getColumn(at + 1).getInt64();
    p.remedyCode = q.getColumn(at + 2).getInt();
    p.remedyName = q.getColumn(at + 3).getString();
    p.potency = q.getColumn(at + 4).getString();
    p.repetition = q.getColumn(at + 5).getString();
    p.date = q.getColumn(at + 6).getString();
    p.note = q.getColumn(at + 7).getString();
    p.created = q.getColumn(at + 8).getString();
    p.uid = q.getColumn(at + 9).getString();
    return p;
}

void BindPatient(SQLite::Statement& q, const PracticeIdentity& practice, const std::string& regNo)
{
    q.bind(1, practice.folder);
    q.bind(2, practice.physician);
    q.bind(3, regNo);
}

bool IsDiskFull(int code, int systemErrno)
{
    return code == SQLITE_FULL || systemErrno == ENOSPC || systemErrno == EDQUOT;
}

// Why the book could not be opened, in the words that fit: busy, a full disk, or SQLite's or the system's own.
void ShowOpenFailure(IMessageSink& sink, const std::string& shown, const CaseBookFileError& error)
{
    if (error.code == SQLITE_BUSY || error.code == SQLITE_LOCKED)
        sink.Show(FormatText(translate("Message",
                                 "The case book %1 is in use by another Quillon window and stayed busy; "
                                 "Quillon goes on without a case book."),
            {shown}));
    else if (IsDiskFull(error.code, error.systemErrno))
        sink.Show(FormatText(
            translate("Message", "The disk that holds the case book %1 is full; Quillon goes on without a case book."),
            {shown}));
    else
        sink.Show(FormatText(
            translate("Message", "The case book %1 cannot be opened (%2); Quillon goes on without a case book."),
            {shown, error.text}));
}

// Brings an open book up to this version (and gives a book of before the application id its id); the version, or
// nothing for a book of a newer version.
std::optional<int> UpdateSchema(SQLite::Database& db, bool readOnly)
{
    db.exec("PRAGMA foreign_keys = ON");
    int version = db.execAndGet("PRAGMA user_version").getInt();
    const bool legacy = db.execAndGet("PRAGMA application_id").getInt() != kCaseBookApplicationId;
    if (version > CCaseBook::kSchemaVersion)
        return std::nullopt;
    if (readOnly)
        return version;
    db.execAndGet("PRAGMA journal_mode = WAL");
    db.exec("PRAGMA synchronous = NORMAL");
    if (version < CCaseBook::kSchemaVersion || legacy) {
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        db.exec("PRAGMA application_id = " + std::to_string(kCaseBookApplicationId));
        version = db.execAndGet("PRAGMA user_version").getInt();
        for (int to = version + 1; to <= CCaseBook::kSchemaVersion; ++to)
            ApplyCaseBookMigration(db, to);
        transaction.commit();
        version = CCaseBook::kSchemaVersion;
    }
    return version;
}

} // namespace

std::string PrescriptionText(const PrescriptionRecord& prescription)
{
    std::string text = prescription.remedyName + ' ' + prescription.potency;
    if (!prescription.repetition.empty())
        text += ' ' + prescription.repetition;
    return text;
}

std::string NewRecordUid()
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::uint8_t bytes[16];
    for (std::size_t i = 0; i < sizeof bytes; i += 4) {
        const std::uint32_t word = random();
        for (std::size_t k = 0; k < 4; ++k)
            bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0f) | 0x40); // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3f) | 0x80); // the variant of RFC 4122
    std::string uid;
    for (std::size_t i = 0; i < sizeof bytes; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            uid += '-';
        uid += kDigits[bytes[i] >> 4];
        uid += kDigits[bytes[i] & 0xf];
    }
    return uid;
}

std::filesystem::path DefaultCaseBookPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data && std::filesystem::path(data).is_absolute())
        return std::filesystem::path(data) / "Quillon" / "casebook.sqlite";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "Quillon" / "casebook.sqlite";
    return {};
}

std::string CaseBookTime(std::chrono::system_clock::time_point at)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(at);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::unique_ptr<CCaseBook> CCaseBook::OpenToRead(
    const std::filesystem::path& path, IMessageSink& sink, CaseBookOptions options)
{
    const std::string shown = Utf8ToCp1252(path.string());
    const CaseBookInspection seen = InspectCaseBook(path, options.busyTimeoutMs);
    switch (seen.verdict) {
    case CaseBookVerdict::Missing: return nullptr;
    case CaseBookVerdict::NotABook:
        sink.Show(FormatText(translate("Message", "The case book %1 is damaged or not a case book."), {shown}));
        return nullptr;
    case CaseBookVerdict::Newer: sink.Show(kMsgCaseBookNewer); return nullptr;
    case CaseBookVerdict::Busy:
    case CaseBookVerdict::Failed: ShowOpenFailure(sink, shown, seen.error); return nullptr;
    case CaseBookVerdict::Book:
    case CaseBookVerdict::Legacy: break;
    }
    std::unique_ptr<SQLite::Database> db;
    try {
        db = OpenCaseBookConnection(path, true, options.busyTimeoutMs);
        const std::optional<int> version = UpdateSchema(*db, true);
        if (!version || *version < kSchemaVersion) {
            sink.Show(version ? FormatText(translate("Message",
                                               "The case book %1 is of an older version; open it in Quillon once "
                                               "to bring it up to date."),
                          {shown})
                              : std::string(kMsgCaseBookNewer));
            return nullptr;
        }
        std::unique_ptr<CCaseBook> book(new CCaseBook(path, std::move(db), sink, std::move(options)));
        book->m_readOnly = true;
        return book;
    } catch (const SQLite::Exception& e) {
        ShowOpenFailure(
            sink, shown, {e.getErrorCode() & 0xff, db ? sqlite3_system_errno(db->getHandle()) : 0, e.what()});
        return nullptr;
    }
}

std::unique_ptr<CCaseBook> CCaseBook::Open(
    const std::filesystem::path& path, IMessageSink& sink, CaseBookOptions options)
{
    const std::string shown = Utf8ToCp1252(path.string());
    if (path.empty()) {
        sink.Show(QT_TRANSLATE_NOOP(
            "Message", "There is no folder for the case book (HOME is not set); Quillon goes on without a case book."));
        return nullptr;
    }
    if (path == ":memory:") {
        auto db = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        UpdateSchema(*db, false);
        return std::unique_ptr<CCaseBook>(new CCaseBook(path, std::move(db), sink, std::move(options)));
    }
    if (options.onlyRead)
        return OpenToRead(path, sink, std::move(options));
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // One process at a time decides about the file, so that none judges a book another is making.
    const CCaseBookFolderLock lock(folder, options.busyTimeoutMs);
    if (!lock.Held()) {
        ShowOpenFailure(sink, shown, {SQLITE_BUSY, 0, {}});
        return nullptr;
    }
    bool startedAfresh = false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const CaseBookInspection seen = InspectCaseBook(path, options.busyTimeoutMs);
        switch (seen.verdict) {
        case CaseBookVerdict::Missing:
            try {
                CreateCaseBookFile(path);
                lock.SyncFolder();
            } catch (const CaseBookFileError& error) {
                ShowOpenFailure(sink, shown, error);
                return nullptr;
            }
            continue;
        case CaseBookVerdict::NotABook: {
            if (attempt > 1)
                return nullptr;
            const auto aside = MoveCaseBookAside(path);
            if (!aside) {
                sink.Show(FormatText(translate("Message",
                                         "The case book %1 is damaged or not a case book, and cannot be moved aside; "
                                         "Quillon goes on without a case book."),
                    {shown}));
                return nullptr;
            }
            lock.SyncFolder();
            sink.Show(FormatText(translate("Message",
                                     "The case book %1 is damaged or not a case book: it was moved aside to %2 and a "
                                     "new case book was started."),
                {shown, Utf8ToCp1252(aside->string())}));
            startedAfresh = true;
            continue;
        }
        case CaseBookVerdict::Newer: sink.Show(kMsgCaseBookNewer); return nullptr;
        case CaseBookVerdict::Busy:
        case CaseBookVerdict::Failed: ShowOpenFailure(sink, shown, seen.error); return nullptr;
        case CaseBookVerdict::Book:
        case CaseBookVerdict::Legacy: break;
        }
        const bool readOnly = !CaseBookWritable(path);
        std::unique_ptr<SQLite::Database> db;
        try {
            db = OpenCaseBookConnection(path, readOnly, options.busyTimeoutMs);
            const std::optional<int> version = UpdateSchema(*db, readOnly);
            if (!version) {
                sink.Show(kMsgCaseBookNewer);
                return nullptr;
            }
            if (*version < kSchemaVersion) {
                // Read-only, it cannot be brought up to date.
                sink.Show(FormatText(translate("Message",
                                         "The case book %1 cannot be written (it or its folder is read-only); "
                                         "Quillon goes on without a case book."),
                    {shown}));
                return nullptr;
            }
            std::unique_ptr<CCaseBook> book(new CCaseBook(path, std::move(db), sink, std::move(options)));
            book->m_readOnly = readOnly;
            book->m_readFailures = startedAfresh ? 1 : 0;
            return book;
        } catch (const SQLite::Exception& e) {
            ShowOpenFailure(
                sink, shown, {e.getErrorCode() & 0xff, db ? sqlite3_system_errno(db->getHandle()) : 0, e.what()});
            return nullptr;
        }
    }
    return nullptr;
}

CCaseBook::CCaseBook(
    std::filesystem::path path, std::unique_ptr<SQLite::Database> db, IMessageSink& sink, CaseBookOptions options)
    : m_path(std::move(path)), m_db(std::move(db)), m_sink(sink), m_options(std::move(options))
{
    // The folders whose practice was found in this run without being remembered (the book could not be written):
    // the connection's own, never in the book's file.
    m_db->exec("CREATE TEMP TABLE found_folders(folder TEXT NOT NULL, physician TEXT NOT NULL,"
               " practice_id INTEGER NOT NULL, PRIMARY KEY(folder, physician))");
}

CCaseBook::~CCaseBook() = default;

std::string CCaseBook::Now() const
{
    return m_options.now ? m_options.now() : CaseBookTime();
}

void CCaseBook::Fail(const std::exception& e, const char* what) const
{
    const auto* sql = dynamic_cast<const SQLite::Exception*>(&e);
    const int code = sql ? sql->getErrorCode() & 0xff : 0;
    if (std::string_view(what) == "read")
        ++m_readFailures;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        m_sink.Show(kMsgCaseBookBusy);
    else if (sql && IsDiskFull(code, sqlite3_system_errno(m_db->getHandle())))
        m_sink.Show(FormatText(translate("Message", "The disk that holds the case book is full; nothing was %1."),
            {translate(kMessageContext, what)}));
    else if (code == SQLITE_CONSTRAINT)
        m_sink.Show(FormatText(translate("Message",
                                   "The case book already holds an analysis of this visit by that name; nothing was "
                                   "%1."),
            {translate(kMessageContext, what)}));
    else
        m_sink.Show(FormatText(translate("Message", "The case book could not be used (%1); nothing was %2."),
            {e.what(), translate(kMessageContext, what)}));
}

bool CCaseBook::InTransaction(const std::function<void()>& work, const char* what)
{
    if (m_readOnly) {
        m_sink.Show(FormatText(translate("Message",
                                   "The case book %1 cannot be written (it or its folder is read-only); nothing was "
                                   "%2."),
            {Utf8ToCp1252(m_path.string()), translate(kMessageContext, what)}));
        return false;
    }
    try {
        SQLite::Transaction transaction(*m_db, SQLite::TransactionBehavior::IMMEDIATE);
        work();
        transaction.commit();
        return true;
    } catch (const std::exception& e) {
        Fail(e, what);
        return false;
    }
}

std::int64_t CCaseBook::PatientId(const PatientIdentity& patient)
{
    const std::int64_t practiceId = PracticeId(patient.practice);
    SQLite::Statement row(*m_db,
        "INSERT INTO patients(practice_id, reg_no, name) VALUES(?, ?, ?)"
        " ON CONFLICT(practice_id, reg_no) DO UPDATE SET name = excluded.name RETURNING id");
    row.bind(1, practiceId);
    row.bind(2, patient.regNo);
    row.bind(3, patient.name);
    row.executeStep();
    const std::int64_t id = row.getColumn(0).getInt64();
    row.reset();
    return id;
}

std::int64_t CCaseBook::PracticeId(const PracticeIdentity& practice)
{
    SQLite::Statement known(*m_db, std::string("SELECT ") + kPracticeOfFolder);
    known.bind(1, practice.folder);
    known.bind(2, practice.physician);
    if (known.executeStep() && !known.getColumn(0).isNull())
        return known.getColumn(0).getInt64();
    SQLite::Statement add(*m_db, "INSERT INTO practices(folder, physician) VALUES(?, ?) RETURNING id");
    add.bind(1, practice.folder);
    add.bind(2, practice.physician);
    add.executeStep();
    const std::int64_t id = add.getColumn(0).getInt64();
    add.reset();
    return id;
}

std::optional<std::int64_t> CCaseBook::FindAnalysisByUid(const std::string& uid)
{
    SQLite::Statement q(*m_db, "SELECT id FROM analyses WHERE uid = ?");
    q.bind(1, uid);
    if (uid.empty() || !q.executeStep())
        return std::nullopt;
    return q.getColumn(0).getInt64();
}

std::optional<std::int64_t> CCaseBook::FindAnalysis(std::int64_t patientId, const AnalysisRecord& key)
{
    SQLite::Statement q(
        *m_db, "SELECT id FROM analyses WHERE patient_id = ? AND visit_date = ? AND fingerprint = ? AND name = ?");
    q.bind(1, patientId);
    q.bind(2, key.visit.date);
    q.bind(3, key.visit.fingerprint);
    q.bind(4, key.name);
    if (!q.executeStep())
        return std::nullopt;
    return q.getColumn(0).getInt64();
}

std::int64_t CCaseBook::WriteAnalysis(std::int64_t patientId, const AnalysisRecord& a, bool keepTimes)
{
    const std::string now = Now();
    const std::string changed = keepTimes ? a.changed : now;
    // The fields an update and an insert share, as parameters 1 to 9; the tenth is the id, or the created time.
    const auto bind = [&](SQLite::Statement& q) {
        q.bind(1, patientId);
        q.bind(2, a.visit.date);
        q.bind(3, a.visit.fingerprint);
        q.bind(4, a.name);
        q.bind(5, a.notes);
        q.bind(6, changed);
        q.bind(7, a.caption);
        q.bind(8, JoinLines(a.topRemedies));
        q.bind(9, static_cast<std::int64_t>(a.steps.size()));
    };
    std::int64_t id = a.id;
    if (id != 0) {
        SQLite::Statement q(*m_db,
            "UPDATE analyses SET patient_id = ?, visit_date = ?, fingerprint = ?, name = ?, notes = ?, changed = ?,"
            " caption = ?, top_remedies = ?, step_count = ? WHERE id = ?");
        bind(q);
        q.bind(10, id);
        if (q.exec() == 0)
            id = 0;
    }
    if (id == 0) {
        SQLite::Statement q(*m_db,
            "INSERT INTO analyses(patient_id, visit_date, fingerprint, name, notes, changed, caption, top_remedies,"
            " step_count, created, uid) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        bind(q);
        q.bind(10, keepTimes && !a.created.empty() ? a.created : now);
        q.bind(11, a.uid.empty() ? NewRecordUid() : a.uid);
        q.exec();
        id = m_db->getLastInsertRowid();
    }
    SQLite::Statement clear(*m_db, "DELETE FROM steps WHERE analysis_id = ?");
    clear.bind(1, id);
    clear.exec();
    SQLite::Statement step(*m_db, "INSERT INTO steps(analysis_id, position, action) VALUES(?, ?, ?)");
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        step.bind(1, id);
        step.bind(2, static_cast<std::int64_t>(i));
        step.bind(3, a.steps[i]);
        step.exec();
        step.reset();
    }
    return id;
}

std::optional<std::int64_t> CCaseBook::SaveAnalysis(const PatientIdentity& patient, const AnalysisRecord& analysis)
{
    if (const std::string reason = AnalysisTextsProblem(analysis); !reason.empty()) {
        m_sink.Show(FormatText(translate("Message", "The analysis was not saved: %1."), {reason}));
        return std::nullopt;
    }
    std::optional<std::int64_t> id;
    const bool saved = InTransaction(
        [&] {
            const std::int64_t patientId = PatientId(patient);
            AnalysisRecord a = analysis;
            if (a.id == 0)
                a.id = FindAnalysis(patientId, a).value_or(0);
            id = WriteAnalysis(patientId, a, false);
        },
        QT_TRANSLATE_NOOP("Message", "saved"));
    return saved ? id : std::nullopt;
}

std::optional<AnalysisRecord> CCaseBook::LoadAnalysis(std::int64_t id)
{
    try {
        SQLite::Statement q(*m_db, std::string("SELECT ") + kAnalysisColumns + " FROM analyses a WHERE a.id = ?");
        q.bind(1, id);
        if (!q.executeStep())
            return std::nullopt;
        AnalysisRecord a = ReadAnalysis(q, 0);
        SQLite::Statement steps(*m_db, "SELECT action FROM steps WHERE analysis_id = ? ORDER BY position");
        steps.bind(1, id);
        while (steps.executeStep())
            a.steps.push_back(steps.getColumn(0).getString());
        return a;
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return std::nullopt;
    }
}

std::optional<PatientIdentity> CCaseBook::PatientOf(std::int64_t analysisId)
{
    try {
        SQLite::Statement q(*m_db,
            "SELECT pr.folder, pr.physician, pt.reg_no, pt.name FROM analyses a"
            " JOIN patients pt ON pt.id = a.patient_id"
            " JOIN practices pr ON pr.id = pt.practice_id WHERE a.id = ?");
        q.bind(1, analysisId);
        if (!q.executeStep())
            return std::nullopt;
        return PatientIdentity{{q.getColumn(0).getString(), q.getColumn(1).getString()}, q.getColumn(2).getString(),
            q.getColumn(3).getString()};
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return std::nullopt;
    }
}

std::vector<AnalysisListing> CCaseBook::ListAnalyses(const PracticeIdentity& practice, const std::string& regNo,
    std::size_t limit, const std::optional<ListingKey>& after)
{
    std::vector<AnalysisListing> list;
    try {
        SQLite::Statement q(*m_db,
            std::string("SELECT ") + kListingColumns + ", a.step_count, " + kPrescriptionColumns
                + " FROM analyses a LEFT JOIN prescriptions p ON p.id = (SELECT id FROM prescriptions"
                + " WHERE analysis_id = a.id ORDER BY date DESC, created DESC, id DESC LIMIT 1)" + kPatientWhere
                + (after ? " AND (a.created, a.id) > (?, ?)" : "") + " ORDER BY a.created, a.id"
                + (limit ? " LIMIT ?" : ""));
        BindPatient(q, practice, regNo);
        int next = 4;
        if (after) {
            q.bind(next++, after->created);
            q.bind(next++, after->id);
        }
        if (limit)
            q.bind(next, static_cast<std::int64_t>(limit));
        while (q.executeStep()) {
            AnalysisListing row{ReadAnalysis(q, 0), q.getColumn(10).getInt(), std::nullopt};
            if (!q.getColumn(11).isNull())
                row.prescription = ReadPrescription(q, 11);
            list.push_back(std::move(row));
        }
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
    }
    return list;
}

std::optional<std::string> CCaseBook::AnalysisNotes(std::int64_t id)
{
    try {
        SQLite::Statement q(*m_db, "SELECT notes FROM analyses WHERE id = ?");
        q.bind(1, id);
        if (!q.executeStep())
            return std::nullopt;
        return q.getColumn(0).getString();
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return std::nullopt;
    }
}

bool CCaseBook::RenameAnalysis(std::int64_t id, const std::string& name)
{
    if (const std::string reason = TooLong("name", name, kMaxCaseBookName); !reason.empty()) {
        m_sink.Show(FormatText(translate("Message", "The analysis was not renamed: %1."), {reason}));
        return false;
    }
    return InTransaction(
        [&] {
            SQLite::Statement q(*m_db, "UPDATE analyses SET name = ?, changed = ? WHERE id = ?");
            q.bind(1, name);
            q.bind(2, Now());
            q.bind(3, id);
            q.exec();
        },
        QT_TRANSLATE_NOOP("Message", "renamed"));
}

bool CCaseBook::DeleteAnalysis(std::int64_t id)
{
    return InTransaction(
        [&] {
            SQLite::Statement q(*m_db, "DELETE FROM analyses WHERE id = ?");
            q.bind(1, id);
            q.exec();
        },
        QT_TRANSLATE_NOOP("Message", "deleted"));
}

bool CCaseBook::MergePrescription(std::int64_t patientId, const PrescriptionRecord& p)
{
    // The same record by its identity; one carried without (from an older export) by its fields.
    SQLite::Statement q(*m_db,
        p.uid.empty() ? "SELECT id, analysis_id IS NULL FROM prescriptions WHERE patient_id = ? AND"
                        " remedy_code = ? AND potency = ? AND date = ? AND created = ?"
                      : "SELECT id, analysis_id IS NULL FROM prescriptions WHERE uid = ?");
    if (p.uid.empty()) {
        q.bind(1, patientId);
        q.bind(2, p.remedyCode);
        q.bind(3, p.potency);
        q.bind(4, p.date);
        q.bind(5, p.created);
    } else {
        q.bind(1, p.uid);
    }
    if (!q.executeStep()) {
        WritePrescription(patientId, p);
        return true;
    }
    if (p.analysisId != 0 && q.getColumn(1).getInt() == 1) {
        SQLite::Statement link(*m_db, "UPDATE prescriptions SET analysis_id = ? WHERE id = ?");
        link.bind(1, p.analysisId);
        link.bind(2, q.getColumn(0).getInt64());
        link.exec();
    }
    return false;
}

std::int64_t CCaseBook::WritePrescription(std::int64_t patientId, const PrescriptionRecord& p)
{
    SQLite::Statement q(*m_db,
        "INSERT INTO prescriptions(patient_id, analysis_id, remedy_code, remedy_name, potency,"
        " repetition, date, note, created, uid) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    q.bind(1, patientId);
    if (p.analysisId != 0)
        q.bind(2, p.analysisId);
    q.bind(3, p.remedyCode);
    q.bind(4, p.remedyName);
    q.bind(5, p.potency);
    q.bind(6, p.repetition);
    q.bind(7, p.date.empty() ? Now().substr(0, 10) : p.date);
    q.bind(8, p.note);
    q.bind(9, p.created.empty() ? Now() : p.created);
    q.bind(10, p.uid.empty() ? NewRecordUid() : p.uid);
    q.exec();
    return m_db->getLastInsertRowid();
}

std::optional<std::int64_t> CCaseBook::RecordPrescription(const PrescriptionRecord& prescription)
{
    if (!prescription.date.empty() && !IsCalendarDate(prescription.date)) {
        m_sink.Show(FormatText(translate("Message",
                                   "The prescription's date \"%1\" is not a date of the calendar (YYYY-MM-DD); "
                                   "nothing was recorded."),
            {Utf8ToCp1252(prescription.date)}));
        return std::nullopt;
    }
    if (const std::string reason = PrescriptionTextsProblem(prescription); !reason.empty()) {
        m_sink.Show(FormatText(translate("Message", "The prescription was not recorded: %1."), {reason}));
        return std::nullopt;
    }
    std::optional<std::int64_t> id;
    const bool saved = InTransaction(
        [&] {
            SQLite::Statement q(*m_db, "SELECT patient_id FROM analyses WHERE id = ?");
            q.bind(1, prescription.analysisId);
            if (!q.executeStep())
                throw std::runtime_error("no analysis " + std::to_string(prescription.analysisId));
            id = WritePrescription(q.getColumn(0).getInt64(), prescription);
        },
        QT_TRANSLATE_NOOP("Message", "recorded"));
    return saved ? id : std::nullopt;
}

std::vector<PrescriptionRecord> CCaseBook::ListPrescriptions(const PracticeIdentity& practice, const std::string& regNo)
{
    std::vector<PrescriptionRecord> list;
    try {
        SQLite::Statement q(*m_db,
            std::string("SELECT ") + kPrescriptionColumns
                + " FROM prescriptions p JOIN patients pt ON pt.id = p.patient_id WHERE pt.practice_id = "
                + kPracticeOfFolder + " AND pt.reg_no = ?3 ORDER BY p.date, p.created, p.id");
        BindPatient(q, practice, regNo);
        while (q.executeStep())
            list.push_back(ReadPrescription(q, 0));
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
    }
    return list;
}

bool CCaseBook::Walk(IVisitor& visitor)
{
    try {
        SQLite::Statement practices(*m_db,
            "SELECT id, folder, physician FROM practices pr"
            " WHERE EXISTS(SELECT 1 FROM patients WHERE practice_id = pr.id) ORDER BY id");
        SQLite::Statement patients(*m_db, "SELECT id, reg_no, name FROM patients WHERE practice_id = ? ORDER BY id");
        SQLite::Statement analyses(*m_db,
            std::string("SELECT ") + kAnalysisColumns
                + " FROM analyses a WHERE a.patient_id = ? ORDER BY a.created, a.id");
        SQLite::Statement steps(*m_db, "SELECT action FROM steps WHERE analysis_id = ? ORDER BY position");
        SQLite::Statement prescriptions(*m_db,
            std::string("SELECT ") + kPrescriptionColumns
                + " FROM prescriptions p WHERE p.analysis_id = ? ORDER BY p.created, p.id");
        SQLite::Statement loose(*m_db,
            std::string("SELECT ") + kPrescriptionColumns
                + " FROM prescriptions p WHERE p.patient_id = ? AND p.analysis_id IS NULL ORDER BY p.created, p.id");
        const auto read = [](SQLite::Statement& q, std::int64_t id) {
            std::vector<PrescriptionRecord> list;
            q.bind(1, id);
            while (q.executeStep())
                list.push_back(ReadPrescription(q, 0));
            q.reset();
            return list;
        };
        while (practices.executeStep()) {
            const std::int64_t practiceId = practices.getColumn(0).getInt64();
            const PracticeIdentity practice{practices.getColumn(1).getString(), practices.getColumn(2).getString()};
            visitor.Practice(practice);
            patients.bind(1, practiceId);
            while (patients.executeStep()) {
                const std::int64_t patientId = patients.getColumn(0).getInt64();
                visitor.Patient({practice, patients.getColumn(1).getString(), patients.getColumn(2).getString()});
                analyses.bind(1, patientId);
                while (analyses.executeStep()) {
                    AnalysisRecord a = ReadAnalysis(analyses, 0);
                    steps.bind(1, a.id);
                    while (steps.executeStep())
                        a.steps.push_back(steps.getColumn(0).getString());
                    steps.reset();
                    visitor.Analysis(a, read(prescriptions, a.id));
                }
                analyses.reset();
                visitor.EndPatient(read(loose, patientId));
            }
            patients.reset();
            visitor.EndPractice();
        }
        return true;
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return false;
    }
}

bool CCaseBook::KnowsPractice(const PracticeIdentity& here)
{
    try {
        SQLite::Statement q(*m_db, std::string("SELECT ") + kPracticeOfFolder);
        q.bind(1, here.folder);
        q.bind(2, here.physician);
        return q.executeStep() && !q.getColumn(0).isNull();
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return false;
    }
}

std::vector<CCaseBook::PracticeCandidate> CCaseBook::PracticesLike(const PracticeIdentity& here, int visitLimit)
{
    std::vector<PracticeCandidate> list;
    try {
        SQLite::Statement practices(*m_db,
            "SELECT id, folder FROM practices WHERE physician = ? AND folder <> ?"
            " AND EXISTS(SELECT 1 FROM patients WHERE practice_id = practices.id)"
            " ORDER BY id");
        practices.bind(1, here.physician);
        practices.bind(2, here.folder);
        SQLite::Statement visits(*m_db,
            "SELECT pt.reg_no, a.visit_date, a.fingerprint FROM analyses a JOIN patients pt ON pt.id = a.patient_id"
            " WHERE pt.practice_id = ? GROUP BY pt.reg_no, a.visit_date, a.fingerprint"
            " ORDER BY max(a.changed) DESC LIMIT ?");
        while (practices.executeStep()) {
            PracticeCandidate candidate{practices.getColumn(0).getInt64(), practices.getColumn(1).getString(), {}};
            visits.bind(1, candidate.id);
            visits.bind(2, visitLimit);
            while (visits.executeStep())
                candidate.visits.emplace_back(visits.getColumn(0).getString(),
                    VisitIdentity{visits.getColumn(1).getString(), visits.getColumn(2).getString()});
            visits.reset();
            list.push_back(std::move(candidate));
        }
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
    }
    return list;
}

bool CCaseBook::RememberPractice(const PracticeIdentity& here, std::int64_t practiceId)
{
    if (m_readOnly) {
        // Kept for this run only, quietly: the practice is found again the next time.
        if (practiceId == 0)
            return true;
        try {
            SQLite::Statement q(*m_db, "INSERT OR REPLACE INTO temp.found_folders VALUES(?, ?, ?)");
            q.bind(1, here.folder);
            q.bind(2, here.physician);
            q.bind(3, practiceId);
            q.exec();
            return true;
        } catch (const std::exception& e) {
            Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
            return false;
        }
    }
    return InTransaction(
        [&] {
            if (practiceId == 0) {
                PracticeId(here);
                return;
            }
            SQLite::Statement q(*m_db,
                "INSERT INTO practice_folders(folder, physician, practice_id) VALUES(?, ?, ?)"
                " ON CONFLICT(folder, physician) DO UPDATE SET practice_id = excluded.practice_id");
            q.bind(1, here.folder);
            q.bind(2, here.physician);
            q.bind(3, practiceId);
            q.exec();
        },
        QT_TRANSLATE_NOOP("Message", "saved"));
}

bool CCaseBook::BelongsTo(std::int64_t analysisId, const PracticeIdentity& practice)
{
    try {
        SQLite::Statement q(*m_db,
            std::string("SELECT 1 FROM analyses a JOIN patients pt ON pt.id = a.patient_id WHERE a.id = ?3"
                        " AND pt.practice_id = ")
                + kPracticeOfFolder);
        q.bind(1, practice.folder);
        q.bind(2, practice.physician);
        q.bind(3, analysisId);
        return q.executeStep();
    } catch (const std::exception& e) {
        Fail(e, QT_TRANSLATE_NOOP("Message", "read"));
        return false;
    }
}

} // namespace quillon
