// The case book's file before SQLite writes to it: the data folder's lock, the judgement of what lies under the
// book's name, the atomic creation of a new book and the move aside of what is not one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace SQLite {
class Database;
}

namespace quillon {

// PRAGMA application_id of every case book ("Quln"); a file without it is not taken for a book unless it has the
// exact schema of a book written before books carried it.
inline constexpr std::int32_t kCaseBookApplicationId = 0x51756C6E;

// A failure of the file system or of SQLite while the book's file was made or judged: SQLite's result code (0 for
// the file system), the system's errno and the text that says what failed.
struct CaseBookFileError
{
    int code = 0;
    int systemErrno = 0;
    std::string text;
};

// Holds the data folder's advisory lock (flock on the folder itself) while one process decides about the book's
// file, so that two first opens never judge each other's half-made book. Without a folder to lock it holds nothing.
class CCaseBookFolderLock final
{
public:
    // Waits up to `timeoutMs` for the lock; Held() tells whether it was got.
    CCaseBookFolderLock(const std::filesystem::path& folder, int timeoutMs);
    ~CCaseBookFolderLock();
    CCaseBookFolderLock(const CCaseBookFolderLock&) = delete;
    CCaseBookFolderLock& operator=(const CCaseBookFolderLock&) = delete;

    bool Held() const { return m_fd < 0 || m_held; }
    // Makes what was renamed in the folder durable.
    void SyncFolder() const;

private:
    int m_fd = -1;
    bool m_held = false;
};

enum class CaseBookVerdict {
    Missing, // nothing under the book's name, nor under its log's names
    Book, // a case book of this version or older
    Legacy, // a book written before books carried the application id: its exact schema of version 1 or 2
    Newer, // a case book of a newer version
    NotABook, // damaged, another program's, a link, or not a plain file: to be moved aside, unchanged
    Busy, // another process held it past the timeout
    Failed, // it could not be read (the error says why)
};

struct CaseBookInspection
{
    CaseBookVerdict verdict = CaseBookVerdict::Missing;
    CaseBookFileError error; // for Failed
};

// Judges the file at `path` and its -wal and -shm without writing to any of them: links and other than plain files,
// the header, then (through a read-only connection) the application id, the schema and PRAGMA quick_check.
CaseBookInspection InspectCaseBook(const std::filesystem::path& path, int busyTimeoutMs);

// Moves the file and its -wal and -shm aside, each as it is, under the name of their own it returns; nothing when
// one could not be moved.
std::optional<std::filesystem::path> MoveCaseBookAside(const std::filesystem::path& path);

// Makes a new book under a scratch name in the same folder and renames it into place unless something has appeared
// there meanwhile (then the new one is dropped: false). Throws CaseBookFileError when it cannot be made.
bool CreateCaseBookFile(const std::filesystem::path& path);

// Whether this process may write the book (and its folder, which holds its log).
bool CaseBookWritable(const std::filesystem::path& path);

// Opens the book's existing file through SQLite: read-write, or read-only without writing anything beside it when
// the folder or the file cannot be written.
std::unique_ptr<SQLite::Database> OpenCaseBookConnection(
    const std::filesystem::path& path, bool readOnly, int busyTimeoutMs);

} // namespace quillon
