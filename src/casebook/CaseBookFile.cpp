// Judging, creating and moving aside the case book's file.
#include "casebook/CaseBookFile.h"

#include "casebook/CaseBook.h"
#include "casebook/CaseBookSchema.h"
#include "casedata/ByteReader.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

constexpr const char* kLogSuffixes[] = {"-wal", "-shm"};

std::filesystem::path WithSuffix(std::filesystem::path path, const char* suffix)
{
    path += suffix;
    return path;
}

enum class Entry { Missing, Plain, Other };

// What is under the name itself, a link never followed.
Entry EntryAt(const std::filesystem::path& path, off_t* size = nullptr)
{
    struct stat st
    {
    };
    if (lstat(path.c_str(), &st) != 0)
        return errno == ENOENT ? Entry::Missing : Entry::Other;
    if (size)
        *size = st.st_size;
    return S_ISREG(st.st_mode) ? Entry::Plain : Entry::Other;
}

// A file name as an SQLite URI, so that parameters can follow it.
std::string FileUri(const std::filesystem::path& path, const char* parameters)
{
    std::string uri = "file:";
    for (const unsigned char c : path.string()) {
        if (std::isalnum(c) || std::strchr("/._-~", c))
            uri += static_cast<char>(c);
        else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + '?' + parameters;
}

// The header's first 100 bytes: the format's own text, then big-endian fields.
constexpr std::size_t kHeaderSize = 100;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

// Whether the file starts with a whole SQLite header; read without following a link and without SQLite.
bool HasSqliteHeader(const std::filesystem::path& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::array<std::uint8_t, kHeaderSize> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    ByteReader reader(std::span<const std::uint8_t>(bytes.data(), got));
    std::span<const std::uint8_t> magic;
    return reader.Size() == kHeaderSize && reader.ReadBytes(kSqliteMagic.size(), magic)
        && AsText(magic) == kSqliteMagic;
}

using Schema = std::map<std::string, std::vector<std::string>>;

// The tables and columns of the books written before books carried the application id, by version.
const Schema& LegacySchema(int version)
{
    static const Schema version1{
        {"practices", {"id", "folder", "physician"}},
        {"patients", {"id", "practice_id", "reg_no", "name"}},
        {"analyses", {"id", "patient_id", "visit_date", "fingerprint", "name", "notes", "created", "changed", "steps"}},
        {"prescriptions",
            {"id", "patient_id", "analysis_id", "remedy_code", "remedy_name", "potency", "repetition", "date", "note",
                "created"}},
    };
    static const Schema version2 = [] {
        Schema s = version1;
        s["analyses"] = {"id", "patient_id", "visit_date", "fingerprint", "name", "notes", "created", "changed",
            "caption", "top_remedies", "step_count"};
        s["steps"] = {"analysis_id", "position", "action"};
        return s;
    }();
    return version == 1 ? version1 : version2;
}

Schema SchemaOf(SQLite::Database& db)
{
    Schema schema;
    SQLite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'");
    while (tables.executeStep()) {
        const std::string table = tables.getColumn(0).getString();
        SQLite::Statement columns(db, "SELECT name FROM pragma_table_info(?) ORDER BY cid");
        columns.bind(1, table);
        auto& names = schema[table];
        while (columns.executeStep())
            names.push_back(columns.getColumn(0).getString());
    }
    return schema;
}

CaseBookFileError ErrorOf(const SQLite::Exception& e, sqlite3* handle)
{
    return {e.getErrorCode() & 0xff, handle ? sqlite3_system_errno(handle) : 0, e.what()};
}

// The verdict of SQLite's own look at the file, read only.
CaseBookInspection Judge(SQLite::Database& db)
{
    const int id = db.execAndGet("PRAGMA application_id").getInt();
    const int version = db.execAndGet("PRAGMA user_version").getInt();
    CaseBookVerdict verdict = CaseBookVerdict::NotABook;
    if (id == kCaseBookApplicationId)
        verdict = version > CCaseBook::kSchemaVersion ? CaseBookVerdict::Newer : CaseBookVerdict::Book;
    else if (id == 0 && (version == 1 || version == 2) && SchemaOf(db) == LegacySchema(version))
        verdict = CaseBookVerdict::Legacy;
    if (verdict == CaseBookVerdict::Book || verdict == CaseBookVerdict::Legacy) {
        // A book damaged past its first page: quick_check reads every page.
        if (db.execAndGet("PRAGMA quick_check(1)").getString() != "ok")
            verdict = CaseBookVerdict::NotABook;
    }
    return {verdict, {}};
}

std::string ScratchSuffix()
{
    std::random_device device;
    char text[17];
    std::snprintf(text, sizeof text, "%08x%08x", device(), device());
    return text;
}

void RemoveWithLogs(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    for (const char* log : kLogSuffixes)
        std::filesystem::remove(WithSuffix(path, log), ignored);
}

} // namespace

CCaseBookFolderLock::CCaseBookFolderLock(const std::filesystem::path& folder, int timeoutMs)
{
    m_fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!(m_held = flock(m_fd, LOCK_EX | LOCK_NB) == 0) && errno == EWOULDBLOCK
        && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

CCaseBookFolderLock::~CCaseBookFolderLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

void CCaseBookFolderLock::SyncFolder() const
{
    if (m_fd >= 0)
        fsync(m_fd);
}

CaseBookInspection InspectCaseBook(const std::filesystem::path& path, int busyTimeoutMs)
{
    const Entry book = EntryAt(path);
    const Entry wal = EntryAt(WithSuffix(path, "-wal"));
    const Entry shm = EntryAt(WithSuffix(path, "-shm"));
    if (book == Entry::Other || wal == Entry::Other || shm == Entry::Other)
        return {CaseBookVerdict::NotABook, {}};
    if (book == Entry::Missing)
        // A log without its book is no one's: it must not be read into a new book.
        return {
            wal == Entry::Missing && shm == Entry::Missing ? CaseBookVerdict::Missing : CaseBookVerdict::NotABook, {}};
    if (!HasSqliteHeader(path))
        return {CaseBookVerdict::NotABook, {}};
    // Without a log or its index, no connection has the book open (ours keep both while they do, and a closing one
    // removes them only after its checkpoint), and the file alone is the book: read it as immutable, which creates
    // and changes nothing. Otherwise read through SQLite's locks, so that a checkpoint under way is never taken for
    // damage, and without a checkpoint on close; a log index SQLite may not write is rebuilt in memory.
    const bool withLog = wal == Entry::Plain || shm == Entry::Plain;
    CaseBookInspection seen;
    for (const char* parameters : {"mode=ro&readonly_shm=1", "mode=ro"}) {
        if (!withLog)
            parameters = "immutable=1";
        else if (shm != Entry::Plain && std::string_view(parameters) != "mode=ro")
            continue;
        try {
            SQLite::Database db(FileUri(path, parameters), SQLite::OPEN_READONLY | SQLite::OPEN_URI, busyTimeoutMs);
            sqlite3_db_config(db.getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            return Judge(db);
        } catch (const SQLite::Exception& e) {
            const CaseBookFileError error = ErrorOf(e, nullptr);
            if (error.code == SQLITE_NOTADB || error.code == SQLITE_CORRUPT)
                return {CaseBookVerdict::NotABook, {}};
            seen = {error.code == SQLITE_BUSY || error.code == SQLITE_LOCKED ? CaseBookVerdict::Busy
                                                                             : CaseBookVerdict::Failed,
                error};
            // A log index left by a process that was killed may need rebuilding, which a read-only index cannot
            // take: the second try lets SQLite rebuild the index (never the book or its log).
            if (!withLog)
                break;
        }
    }
    return seen;
}

std::optional<std::filesystem::path> MoveCaseBookAside(const std::filesystem::path& path)
{
    std::string suffix;
    for (const char c : CaseBookTime())
        if (c != ':' && c != '-')
            suffix += c;
    for (int n = 0; n < 100; ++n) {
        std::filesystem::path target = path;
        target += ".damaged-" + suffix + (n ? "-" + std::to_string(n) : std::string());
        if (EntryAt(target) != Entry::Missing || EntryAt(WithSuffix(target, "-wal")) != Entry::Missing
            || EntryAt(WithSuffix(target, "-shm")) != Entry::Missing)
            continue;
        // Each name is renamed itself: a link is moved, what it points to is left alone.
        for (const char* part : {"", "-wal", "-shm"}) {
            const std::filesystem::path from = WithSuffix(path, part);
            if (EntryAt(from) != Entry::Missing && std::rename(from.c_str(), WithSuffix(target, part).c_str()) != 0)
                return std::nullopt;
        }
        return target;
    }
    return std::nullopt;
}

bool CreateCaseBookFile(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.parent_path();
    std::filesystem::path scratch;
    for (int attempt = 0; attempt < 10 && scratch.empty(); ++attempt) {
        const std::filesystem::path name = folder / ("." + path.filename().string() + "." + ScratchSuffix() + ".new");
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            scratch = name;
        } else if (errno != EEXIST)
            throw CaseBookFileError{0, errno, std::strerror(errno)};
    }
    if (scratch.empty())
        throw CaseBookFileError{0, EEXIST, std::strerror(EEXIST)};
    std::unique_ptr<SQLite::Database> db;
    try {
        db = std::make_unique<SQLite::Database>(scratch.string(), SQLite::OPEN_READWRITE);
        db->exec("PRAGMA application_id = " + std::to_string(kCaseBookApplicationId));
        db->execAndGet("PRAGMA journal_mode = WAL");
        SQLite::Transaction transaction(*db, SQLite::TransactionBehavior::IMMEDIATE);
        for (int to = 1; to <= CCaseBook::kSchemaVersion; ++to)
            ApplyCaseBookMigration(*db, to);
        transaction.commit();
        // The whole book into the file itself, so that a failure to write it is seen here and not lost on close.
        if (db->execAndGet("PRAGMA wal_checkpoint(TRUNCATE)").getInt() != 0)
            throw CaseBookFileError{SQLITE_BUSY, 0, sqlite3_errstr(SQLITE_BUSY)};
        db.reset();
    } catch (const SQLite::Exception& e) {
        const CaseBookFileError error = ErrorOf(e, db ? db->getHandle() : nullptr);
        db.reset();
        RemoveWithLogs(scratch);
        throw error;
    } catch (const CaseBookFileError&) {
        db.reset();
        RemoveWithLogs(scratch);
        throw;
    }
    // Only where nothing is: a link has the name already, and a book another process made stays its own.
    int placed = link(scratch.c_str(), path.c_str());
    if (placed != 0 && (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP))
        // A file system without hard links: renamed, still never over a name that has come meanwhile.
        placed = renameat2(AT_FDCWD, scratch.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE);
    if (placed != 0) {
        const int error = errno;
        RemoveWithLogs(scratch);
        if (error == EEXIST)
            return false;
        throw CaseBookFileError{0, error, std::strerror(error)};
    }
    RemoveWithLogs(scratch);
    return true;
}

bool CaseBookWritable(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return access(folder.c_str(), W_OK) == 0 && access(path.c_str(), W_OK) == 0;
}

std::unique_ptr<SQLite::Database> OpenCaseBookConnection(
    const std::filesystem::path& path, bool readOnly, int busyTimeoutMs)
{
    if (!readOnly)
        return std::make_unique<SQLite::Database>(path.string(), SQLite::OPEN_READWRITE, busyTimeoutMs);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    off_t walSize = 0;
    // A folder that takes no new file cannot hold the log's index: the file alone is read, as immutable.
    const bool logReadable = access(folder.c_str(), W_OK) == 0
        || (EntryAt(WithSuffix(path, "-wal"), &walSize) == Entry::Plain && walSize > 0
            && EntryAt(WithSuffix(path, "-shm")) == Entry::Plain);
    auto db = std::make_unique<SQLite::Database>(FileUri(path, logReadable ? "mode=ro" : "immutable=1"),
        SQLite::OPEN_READONLY | SQLite::OPEN_URI, busyTimeoutMs);
    sqlite3_db_config(db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    return db;
}

} // namespace quillon
