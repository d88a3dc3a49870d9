// The case book's file as the opening finds it: damaged past its first page, with a log, another program's, written
// before books carried their id, a link, read-only, on a full disk; a read that fails after the opening; and the
// book under harm: a writer killed mid-save, another process holding the lock.
#include "CaseBookFixture.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookFile.h"
#include "casebook/CaseBookJson.h"
#include "support/InChild.h"
#include "support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

// A book of many pages: forty analyses of a hundred steps each.
void FillBook(const std::filesystem::path& path)
{
    NullMessageSink quiet;
    auto book = CCaseBook::Open(path, quiet);
    ASSERT_TRUE(book);
    for (int n = 0; n < 40; ++n)
        ASSERT_TRUE(book->SaveAnalysis(kAnna, Drops("analysis " + std::to_string(n), 100)));
}

int PageCount(const std::filesystem::path& path)
{
    return static_cast<int>(std::filesystem::file_size(path) / 4096);
}

// Overwrites page `page` (1-based) of the file with text.
void SpoilPage(const std::filesystem::path& path, int page)
{
    const int fd = open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    const std::string junk(4096, 'x');
    ASSERT_EQ(pwrite(fd, junk.data(), junk.size(), static_cast<off_t>(page - 1) * 4096), 4096);
    close(fd);
}

// Runs `child` in a child process, which ends when it returns, and gives its pid once the child has called the
// `ready` it is handed (-1 if it ended first).
pid_t SpawnReady(const std::function<void(const std::function<void()>& ready)>& child)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        child([&ready] { (void)!write(ready[1], "x", 1); });
        _exit(0);
    }
    close(ready[1]);
    char x;
    const bool signalled = read(ready[0], &x, 1) == 1;
    close(ready[0]);
    return signalled ? pid : -1;
}

std::filesystem::path Suffixed(std::filesystem::path path, const char* suffix)
{
    path += suffix;
    return path;
}

} // namespace

TEST(CaseBookFile, ABookDamagedPastItsFirstPageIsMovedAsideWithItsLogByteForByte)
{
    for (const bool withLog : {false, true}) {
        TempFolder folder;
        const auto path = folder.Path() / "casebook.sqlite";
        FillBook(path);
        const int pages = PageCount(path);
        ASSERT_GT(pages, 20);
        if (withLog) {
            // Another process writes into the log and is killed before any checkpoint: the log and its index stay.
            const pid_t writer = SpawnReady([&path](const auto& ready) {
                SQLite::Database db(path.string(), SQLite::OPEN_READWRITE);
                db.exec("PRAGMA wal_autocheckpoint = 0");
                db.exec("INSERT INTO practices(folder, physician) VALUES('/in the log', '')");
                ready();
                pause();
            });
            ASSERT_GT(writer, 0);
            kill(writer, SIGKILL);
            waitpid(writer, nullptr, 0);
            ASSERT_GT(std::filesystem::file_size(Suffixed(path, "-wal")), 0u);
        }
        // The middle of the steps, far from the first page and from what the log holds.
        SpoilPage(path, pages / 2);
        const std::string book = ReadBytes(path), wal = ReadBytes(Suffixed(path, "-wal")),
                          shm = ReadBytes(Suffixed(path, "-shm"));

        RecordingMessageSink sink;
        auto opened = CCaseBook::Open(path, sink);
        ASSERT_TRUE(opened) << withLog;
        const auto aside = MovedAside(folder.Path());
        ASSERT_EQ(aside.size(), withLog ? 3u : 1u) << withLog;
        EXPECT_EQ(sink.Texts(),
            std::vector<std::string>{"The case book " + path.string()
                + " is damaged or not a case book: it was moved "
                  "aside to "
                + aside[0].string() + " and a new case book was started."});
        EXPECT_TRUE(ReadBytes(aside[0]) == book) << withLog;
        if (withLog) {
            EXPECT_TRUE(ReadBytes(Suffixed(aside[0], "-wal")) == wal);
            EXPECT_TRUE(ReadBytes(Suffixed(aside[0], "-shm")) == shm);
        }
        // What was read meanwhile from the new book is not the practitioner's book.
        EXPECT_EQ(opened->ReadFailures(), 1);
        EXPECT_TRUE(opened->ListAnalyses(kAnna.practice, "1001").empty());
    }
}

// An export that cannot be written whole writes nothing and says why: to a name the file system refuses, and
// after a read that fails once the book was opened.
TEST(CaseBookFile, AnExportThatFailsWritesNothingAndSaysWhy)
{
    TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    FillBook(path);
    RecordingMessageSink sink;
    auto book = CCaseBook::Open(path, sink);
    ASSERT_TRUE(book);
    const auto refused = folder.Path() / "no such folder" / "export.json";
    EXPECT_FALSE(ExportCaseBookFile(*book, refused));
    EXPECT_EQ(sink.Texts(),
        std::vector<std::string>{
            "The case book could not be exported to " + refused.string() + " (No such file or directory)."});
    EXPECT_EQ(book->ReadFailures(), 0);
    SpoilPage(path, PageCount(path) / 2);
    const auto exported = folder.Path() / "export.json";
    EXPECT_FALSE(ExportCaseBookFile(*book, exported));
    EXPECT_FALSE(std::filesystem::exists(exported));
    EXPECT_GT(book->ReadFailures(), 0);
    EXPECT_EQ(sink.Texts().back(), "The case book could not be read whole; no export was written.");
}

// A book of a newer version is refused and left alone; anything else that is no case book (damaged, another
// program's, of a schema we never wrote) is moved aside byte for byte and a new book started.
TEST(CaseBookFile, OnlyACaseBookIsOpenedAndAnythingElseIsMovedAsideUnchanged)
{
    // The exact schema of a book written before books carried their id, at version 1 or 2, and `extra` done to it.
    const auto legacy = [](int version, const char* extra) {
        return [version, extra](const std::filesystem::path& p) {
            WriteEarlierBook(
                p, version, std::string("INSERT INTO practices VALUES(1, '/practice', 'Helen Marsh');") + extra);
        };
    };
    const auto foreign = [](std::string sql) {
        return [sql](const std::filesystem::path& p) {
            SQLite::Database(p.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec(sql);
        };
    };
    const auto bytes = [](std::string text) { return [text](const auto& p) { fixtures::WriteBytes(p, text); }; };
    enum Outcome { Opened, MovedAsideUnchanged, Refused };
    struct Case
    {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        Outcome outcome;
    };
    const Case cases[] = {
        {"a book of version 1 without the id", legacy(1, ""), Opened},
        {"a book of version 2 without the id", legacy(2, ""), Opened},
        {"version 2 with a column too many", legacy(2, "ALTER TABLE steps ADD COLUMN x"), MovedAsideUnchanged},
        {"version 2 with a table too many", legacy(2, "CREATE TABLE y(z)"), MovedAsideUnchanged},
        {"version 1 with a column missing", legacy(1, "ALTER TABLE analyses DROP COLUMN notes"), MovedAsideUnchanged},
        {"another program's", foreign("CREATE TABLE notes(x)"), MovedAsideUnchanged},
        {"another program's id", foreign("CREATE TABLE notes(x); PRAGMA application_id = 1"), MovedAsideUnchanged},
        {"a newer version of ours", WriteNewerBook, Refused},
        {"text", bytes("not a database at all, just text"), MovedAsideUnchanged},
        {"a truncated header", bytes(std::string("SQLite format 3\0", 16) + std::string(200, 'x')),
            MovedAsideUnchanged},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const auto path = folder.Path() / "casebook.sqlite";
        c.make(path);
        const std::string before = ReadBytes(path);
        RecordingMessageSink sink;
        auto book = CCaseBook::Open(path, sink);
        const auto aside = MovedAside(folder.Path());
        if (c.outcome == Refused) {
            EXPECT_FALSE(book) << c.what;
            EXPECT_TRUE(aside.empty()) << c.what;
            EXPECT_EQ(sink.Texts(), std::vector<std::string>{kMsgCaseBookNewer}) << c.what;
            EXPECT_TRUE(ReadBytes(path) == before) << c.what;
            continue;
        }
        ASSERT_TRUE(book) << c.what;
        if (c.outcome == Opened) {
            EXPECT_TRUE(sink.Messages().empty()) << c.what;
            EXPECT_TRUE(aside.empty()) << c.what;
            EXPECT_EQ(book->Database().execAndGet("SELECT folder FROM practices").getString(), "/practice");
        } else {
            ASSERT_EQ(aside.size(), 1u) << c.what;
            EXPECT_TRUE(ReadBytes(aside[0]) == before) << c.what;
            ASSERT_EQ(sink.Texts().size(), 1u) << c.what;
            EXPECT_NE(sink.Texts()[0].find("moved aside to " + aside[0].string()), std::string::npos) << c.what;
        }
        EXPECT_EQ(book->Database().execAndGet("PRAGMA application_id").getInt(), kCaseBookApplicationId);
        EXPECT_TRUE(book->SaveAnalysis(kAnna, Drops("new", 2))) << c.what;
    }
}

TEST(CaseBookFile, ALinkAtTheBooksNamesIsMovedAsideAndWhatItPointsToIsLeftAlone)
{
    struct Case
    {
        const char* what;
        const char* linkName; // the name in the data folder that is a link
        const char* target; // what the link points to, in another folder; null: nothing there
        bool book; // a case book at the book's own name besides
    };
    const Case cases[] = {
        {"a link to an empty file", "casebook.sqlite", "", false},
        {"a link to a case book", "casebook.sqlite", "book", false},
        {"a link at the log", "casebook.sqlite-wal", "", true},
        {"a log without its book", "casebook.sqlite-wal", nullptr, false},
    };
    for (const Case& c : cases) {
        TempFolder data, elsewhere;
        const auto path = data.Path() / "casebook.sqlite";
        const auto target = elsewhere.Path() / "target";
        if (c.target && std::string_view(c.target) == "book")
            FillBook(target);
        else if (c.target)
            fixtures::WriteBytes(target, c.target);
        if (c.book)
            FillBook(path);
        ASSERT_EQ(symlink(target.c_str(), (data.Path() / c.linkName).c_str()), 0);
        const std::string before = ReadBytes(target);
        RecordingMessageSink sink;
        auto book = CCaseBook::Open(path, sink);
        ASSERT_TRUE(book) << c.what;
        EXPECT_TRUE(book->SaveAnalysis(kAnna, Drops("new", 2))) << c.what;
        book.reset();
        EXPECT_EQ(std::filesystem::exists(target), c.target != nullptr) << c.what;
        EXPECT_TRUE(ReadBytes(target) == before) << c.what;
        EXPECT_EQ(sink.Messages().size(), 1u) << c.what;
        EXPECT_FALSE(std::filesystem::is_symlink(path)) << c.what;
        const auto aside = MovedAside(data.Path());
        EXPECT_EQ(aside.size(), c.book ? 2u : 1u) << c.what;
        for (const auto& name : aside) {
            if (std::filesystem::is_symlink(name)) {
                EXPECT_EQ(std::filesystem::read_symlink(name), target) << c.what;
            }
        }
    }
}

TEST(CaseBookFile, AReadOnlyBookListsAndExportsAndSaysASaveCannotBeWritten)
{
    TempFolder folder;
    const auto data = folder.Path() / "data";
    const auto path = data / "casebook.sqlite";
    FillBook(path);
    ASSERT_FALSE(std::filesystem::exists(Suffixed(path, "-shm")));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    ASSERT_EQ(chmod(data.c_str(), 0555), 0);
    // As a user who may not write there (root may write anywhere).
    const std::string report = InChild(
        [&path] {
            RecordingMessageSink sink;
            auto book = CCaseBook::Open(path, sink);
            std::string out;
            if (book) {
                out += std::to_string(book->ListAnalyses(kAnna.practice, "1001").size()) + ";";
                out += std::to_string(ExportCaseBookJson(*book).find("\"analysis 39\"") != std::string::npos) + ";";
                out += std::to_string(book->SaveAnalysis(kAnna, Drops("new", 2)).has_value()) + ";";
            }
            for (const std::string& text : sink.Texts())
                out += text + ";";
            return out;
        },
        true);
    chmod(data.c_str(), 0755);
    EXPECT_EQ(report,
        "40;1;0;The case book " + path.string()
            + " cannot be written (it or its folder is read-only); nothing was saved.;");
    EXPECT_FALSE(std::filesystem::exists(Suffixed(path, "-shm")));
    EXPECT_FALSE(std::filesystem::exists(Suffixed(path, "-wal")));
}

TEST(CaseBookReliability, AKilledSaveLeavesTheBookBeforeOrAfterIt)
{
    TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    std::mt19937 random(25);
    for (int round = 0; round < 12; ++round) {
        // The kill comes after the round's first save, so that every round has saved something.
        const pid_t writer = SpawnReady([&path, round](const auto& saved) {
            NullMessageSink quiet;
            auto book = CCaseBook::Open(path, quiet);
            // Updates of one analysis (its steps replaced) and new ones, for ever; each save reported as done.
            for (int n = 1;; ++n) {
                const int steps = 200 + (n * 37 + round) % 800;
                AnalysisRecord a = Drops(std::to_string(steps), steps);
                a.name = n % 2 ? a.name : "updated";
                if (book->SaveAnalysis(kAnna, a) && n == 1)
                    saved();
            }
        });
        ASSERT_GT(writer, 0) << round;
        usleep(std::uniform_int_distribution<useconds_t>(20000, 120000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);

        RecordingMessageSink sink;
        auto book = CCaseBook::Open(path, sink);
        ASSERT_TRUE(book) << round << (sink.Texts().empty() ? std::string() : sink.Texts()[0]);
        EXPECT_TRUE(sink.Messages().empty()) << round;
        EXPECT_EQ(book->Database().execAndGet("PRAGMA integrity_check").getString(), "ok");
        const auto rows = book->ListAnalyses(kAnna.practice, "1001");
        // This round's first save (an analysis of 200 + round steps) is in the book, whole.
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [round](const AnalysisListing& row) {
            return row.analysis.name == std::to_string(200 + (37 + round) % 800);
        })) << round;
        for (const AnalysisListing& row : rows) {
            const auto steps = book->LoadAnalysis(row.analysis.id)->steps;
            // Whole: every step of one save, in order, and no step of another.
            ASSERT_FALSE(steps.empty());
            EXPECT_EQ(steps.back(), "drop:" + std::to_string(steps.size() - 1) + ":1");
            if (row.analysis.name != "updated") {
                EXPECT_EQ(std::to_string(steps.size()), row.analysis.name);
            }
        }
    }
}

TEST(CaseBookReliability, ASaveWaitsForAnotherProcessThenSaysItIsBusy)
{
    TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    NullMessageSink quiet;
    ASSERT_TRUE(CCaseBook::Open(path, quiet));
    struct Case
    {
        int holdMs; // how long the other process holds its write transaction
        int timeoutMs;
        bool saved;
    };
    for (const Case c : {Case{3000, 300, false}, Case{300, 5000, true}}) {
        const pid_t holder = SpawnReady([&](const auto& ready) {
            SQLite::Database db(path.string(), SQLite::OPEN_READWRITE);
            db.exec("BEGIN IMMEDIATE");
            db.exec("INSERT INTO practices(folder, physician) VALUES('/held', '')");
            ready();
            usleep(static_cast<useconds_t>(c.holdMs) * 1000);
            db.exec("ROLLBACK");
        });
        ASSERT_GT(holder, 0);
        RecordingMessageSink sink;
        CaseBookOptions options;
        options.busyTimeoutMs = c.timeoutMs;
        auto book = CCaseBook::Open(path, sink, options);
        ASSERT_TRUE(book);
        EXPECT_EQ(book->SaveAnalysis(kAnna, Drops("3", 3)).has_value(), c.saved);
        EXPECT_EQ(sink.Texts(), c.saved ? std::vector<std::string>{} : std::vector<std::string>{kMsgCaseBookBusy});
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
    }
}

namespace {

// A file system whose writes fail, while `failing`, as a full disk's do: with SQLite's own result, or with an I/O
// error whose errno says why. Each kind of file keeps its own methods, the real write among them.
struct FailingDisk
{
    struct Methods
    {
        sqlite3_io_methods shim;
        int (*write)(sqlite3_file*, const void*, int, sqlite3_int64);
    };
    static inline bool failing = true;
    static inline int result = SQLITE_FULL;
    static inline int systemErrno = 0;
    static inline sqlite3_vfs* real = nullptr;
    static inline std::map<const sqlite3_io_methods*, std::unique_ptr<Methods>> methods;

    static int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
    {
        if (!failing) {
            for (const auto& [original, m] : methods)
                if (&m->shim == file->pMethods)
                    return m->write(file, data, amount, offset);
        }
        errno = systemErrno;
        return result;
    }
    static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
    {
        const int rc = real->xOpen(real, name, file, flags, outFlags);
        if (rc == SQLITE_OK && file->pMethods) {
            auto& m = methods[file->pMethods];
            if (!m)
                m = std::make_unique<Methods>(Methods{*file->pMethods, file->pMethods->xWrite});
            m->shim.xWrite = &Write;
            file->pMethods = &m->shim;
        }
        return rc;
    }
    static int LastError(sqlite3_vfs*, int, char*) { return systemErrno; }

    FailingDisk(int failure, int why)
    {
        failing = true;
        result = failure;
        systemErrno = why;
        real = sqlite3_vfs_find(nullptr);
        vfs = *real;
        vfs.zName = "quillon-failing-disk";
        vfs.xOpen = &Open;
        vfs.xGetLastError = &LastError;
        sqlite3_vfs_register(&vfs, 1);
    }
    ~FailingDisk()
    {
        sqlite3_vfs_unregister(&vfs);
        sqlite3_vfs_register(real, 1);
    }
    sqlite3_vfs vfs{};
};

} // namespace

// Once the disk has room again, the same run creates the book and saves: nothing of the failure stays behind.
TEST(CaseBookFile, ANewBookOnAFullDiskSaysTheDiskIsFull)
{
    struct Case
    {
        int result;
        int systemErrno;
        bool full;
    };
    for (const Case c :
        {Case{SQLITE_FULL, 0, true}, Case{SQLITE_IOERR_WRITE, ENOSPC, true}, Case{SQLITE_IOERR_WRITE, EIO, false}}) {
        TempFolder folder;
        const auto path = folder.Path() / "casebook.sqlite";
        RecordingMessageSink sink;
        const FailingDisk disk(c.result, c.systemErrno);
        EXPECT_FALSE(CCaseBook::Open(path, sink));
        const std::string full
            = "The disk that holds the case book " + path.string() + " is full; Quillon goes on without a case book.";
        ASSERT_EQ(sink.Texts().size(), std::size_t(1)) << c.result;
        if (c.full)
            EXPECT_EQ(sink.Texts()[0], full) << c.result;
        else
            EXPECT_NE(sink.Texts()[0].find("disk I/O error"), std::string::npos) << sink.Texts()[0];
        // Nothing half made is left, under the book's name or another.
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path())) << c.result;
        FailingDisk::failing = false;
        sink.Clear();
        const auto book = CCaseBook::Open(path, sink);
        EXPECT_TRUE(book && book->SaveAnalysis(kAnna, Analysis("After"))) << c.result;
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{}) << c.result;
    }
}

// A save that meets a full disk says so and keeps nothing of it; the saves before and after it are in the book.
TEST(CaseBookFile, ASaveOnAFullDiskSaysSoAndTheNextSaveWorks)
{
    TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    RecordingMessageSink sink;
    const FailingDisk disk(SQLITE_FULL, 0);
    FailingDisk::failing = false;
    auto book = CCaseBook::Open(path, sink);
    ASSERT_TRUE(book && book->SaveAnalysis(kAnna, Analysis("Before")));
    FailingDisk::failing = true;
    EXPECT_FALSE(book->SaveAnalysis(kAnna, Analysis("Lost to the full disk")));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"The disk that holds the case book is full; nothing was saved."});
    FailingDisk::failing = false;
    sink.Clear();
    EXPECT_TRUE(book->SaveAnalysis(kAnna, Analysis("After")));
    std::vector<std::string> names;
    for (const AnalysisListing& row : CCaseBook::Open(path, sink)->ListAnalyses(kAnna.practice, "1001"))
        names.push_back(row.analysis.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"After", "Before"}));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{});
}
