// The case book under harm: a writer killed mid-save, another process holding the lock. (Damaged, foreign and
// newer files are opened in TestCaseBookFile.)
#include "CaseBookFixture.h"
#include "casebook/CaseBook.h"
#include "casebook/CaseBookFile.h"
#include "support/TempFolder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;
using quillon::testing::Drops;
using quillon::testing::kAnna;

namespace {

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
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        const pid_t writer = Spawn([&path, round, &saved] {
            NullMessageSink quiet;
            auto book = CCaseBook::Open(path, quiet);
            // Updates of one analysis (its steps replaced) and new ones, for ever; each save reported as done.
            for (int n = 1;; ++n) {
                const int steps = 200 + (n * 37 + round) % 800;
                AnalysisRecord a = Drops(std::to_string(steps), steps);
                a.name = n % 2 ? a.name : "updated";
                if (book->SaveAnalysis(kAnna, a) && n == 1)
                    (void)!write(saved[1], "x", 1);
            }
        });
        // The kill comes after the round's first save, so that every round has saved something.
        char x;
        ASSERT_EQ(read(saved[0], &x, 1), 1) << round;
        close(saved[0]);
        close(saved[1]);
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
        EXPECT_EQ(book->SaveAnalysis(kAnna, Drops("3", 3)).has_value(), c.saved);
        EXPECT_EQ(sink.Texts(), c.saved ? std::vector<std::string>{} : std::vector<std::string>{kMsgCaseBookBusy});
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        close(ready[0]);
        close(ready[1]);
    }
}
