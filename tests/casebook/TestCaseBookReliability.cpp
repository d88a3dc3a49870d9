// The case book under harm: a writer killed mid-save, another process holding the lock, a damaged or foreign file,
// a book of a newer version.
#include "casebook/CaseBook.h"
#include "support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;

namespace {

const PatientIdentity kAnna{{"/practice", "Helen Marsh"}, "1001", "Anna Berger"};

// A big analysis: its name tells how many steps it must hold.
AnalysisRecord Big(int n)
{
    AnalysisRecord a;
    a.visit = {"12/03/2002", "ff"};
    a.name = std::to_string(n);
    for (int s = 0; s < n; ++s)
        a.steps.push_back("drop:" + std::to_string(s) + ":1");
    return a;
}

// Runs `child` in a child process, which ends when it returns; the parent gets its pid.
pid_t Spawn(const std::function<void()>& child)
{
    const pid_t pid = fork();
    if (pid == 0) {
        child();
        _exit(0);
    }
    return pid;
}

} // namespace

TEST(CaseBookReliability, AKilledSaveLeavesTheBookBeforeOrAfterIt)
{
    quillon::testing::TempFolder folder;
    const auto path = folder.Path() / "casebook.sqlite";
    std::mt19937 random(25);
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = Spawn([&path, round] {
            NullMessageSink quiet;
            auto book = CCaseBook::Open(path, quiet);
            // Updates of one analysis (its steps replaced) and new ones, for ever.
            for (int n = 1;; ++n) {
                AnalysisRecord a = Big(200 + (n * 37 + round) % 800);
                a.name = n % 2 ? a.name : "updated";
                book->SaveAnalysis(kAnna, a);
            }
        });
        usleep(std::uniform_int_distribution<useconds_t>(20000, 120000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);

        RecordingMessageSink sink;
        auto book = CCaseBook::Open(path, sink);
        ASSERT_TRUE(book) << round;
        EXPECT_TRUE(sink.Messages().empty()) << round;
        EXPECT_EQ(book->Database().execAndGet("PRAGMA integrity_check").getString(), "ok");
        for (const AnalysisListing& row : book->ListAnalyses(kAnna.practice, "1001")) {
            const auto steps = book->LoadAnalysis(row.analysis.id)->steps;
            // Whole: every step of one save, in order, and no step of another.
            ASSERT_FALSE(steps.empty());
            EXPECT_EQ(steps.back(), "drop:" + std::to_string(steps.size() - 1) + ":1");
            if (row.analysis.name != "updated")
                EXPECT_EQ(std::to_string(steps.size()), row.analysis.name);
        }
    }
}

TEST(CaseBookReliability, ASaveWaitsForAnotherProcessThenSaysItIsBusy)
{
    quillon::testing::TempFolder folder;
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
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t holder = Spawn([&] {
            SQLite::Database db(path.string(), SQLite::OPEN_READWRITE);
            db.exec("BEGIN IMMEDIATE");
            db.exec("INSERT INTO practices(folder, physician) VALUES('/held', '')");
            (void)!write(ready[1], "x", 1);
            usleep(static_cast<useconds_t>(c.holdMs) * 1000);
            db.exec("ROLLBACK");
        });
        char x;
        ASSERT_EQ(read(ready[0], &x, 1), 1);
        RecordingMessageSink sink;
        CaseBookOptions options;
        options.busyTimeoutMs = c.timeoutMs;
        auto book = CCaseBook::Open(path, sink, options);
        ASSERT_TRUE(book);
        EXPECT_EQ(book->SaveAnalysis(kAnna, Big(3)).has_value(), c.saved);
        EXPECT_EQ(sink.Texts(), c.saved ? std::vector<std::string>{} : std::vector<std::string>{kMsgCaseBookBusy});
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        close(ready[0]);
        close(ready[1]);
    }
}

TEST(CaseBookReliability, DamagedForeignAndNewerFilesAreNeverOverwritten)
{
    struct Case
    {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        bool movedAside; // else refused and left alone
    };
    const Case cases[] = {
        {"text", [](const auto& p) { fixtures::WriteBytes(p, "not a database at all, just text"); }, true},
        {"truncated header",
            [](const auto& p) {
                fixtures::WriteBytes(p, std::string("SQLite format 3\0", 16) + std::string(200, 'x'));
            },
            true},
        {"another program's database",
            [](const auto& p) {
                SQLite::Database(p.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
                    .exec("CREATE TABLE notes(x)");
            },
            true},
        {"newer version",
            [](const auto& p) {
                SQLite::Database db(p.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
                db.exec(
                    "CREATE TABLE future(x); PRAGMA user_version = " + std::to_string(CCaseBook::kSchemaVersion + 1));
            },
            false},
    };
    for (const Case& c : cases) {
        quillon::testing::TempFolder folder;
        const auto path = folder.Path() / "casebook.sqlite";
        c.make(path);
        const std::string before = quillon::testing::ReadBytes(path);
        RecordingMessageSink sink;
        auto book = CCaseBook::Open(path, sink);
        ASSERT_EQ(sink.Messages().size(), 1u) << c.what;
        std::vector<std::filesystem::path> aside;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            if (entry.path().filename().string().find(".damaged-") != std::string::npos)
                aside.push_back(entry.path());
        if (c.movedAside) {
            ASSERT_TRUE(book) << c.what;
            ASSERT_EQ(aside.size(), 1u) << c.what;
            EXPECT_EQ(quillon::testing::ReadBytes(aside[0]), before) << c.what;
            EXPECT_NE(sink.Texts()[0].find("moved aside to " + aside[0].string()), std::string::npos) << c.what;
            EXPECT_TRUE(book->SaveAnalysis(kAnna, Big(2))) << c.what;
        } else {
            EXPECT_FALSE(book) << c.what;
            EXPECT_TRUE(aside.empty()) << c.what;
            EXPECT_EQ(sink.Texts()[0], kMsgCaseBookNewer);
            EXPECT_EQ(quillon::testing::ReadBytes(path), before);
        }
    }
}
