// quillon-report's case book commands: an analysis saved by its actions replays as those actions do, on the visit
// it was saved on; a visit whose symptoms changed replays what still applies.
#include "ReportFixture.h"
#include "TestConfig.h"
#include "casebook/AnalysisReplay.h"
#include "support/InChild.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

struct Practice
{
    Practice()
    {
        WriteFourRemedies(folder);
        folder.Write("PatDet.txt",
            fixtures::EncodePatientIndex("Dr. A. Iyer", {{"7", "Zoe Rao", "30", "01/02/2003"}, {"8", "N", "4", "x"}}));
        Visit({kFear, kCold, kPain});
        folder.Write("8.rsy", fixtures::EncodeRsy({{1, 2, 2003, {kFear, kCold, kPain}}}));
    }
    // Patient 7's file: an earlier visit, then the visit of 01/02/2003 with these symptoms.
    void Visit(const std::vector<fixtures::SymptomSpec>& symptoms, int day = 1) const
    {
        folder.Write("7.rsy", fixtures::EncodeRsy({{5, 1, 2003, {kPain}}, {day, 2, 2003, symptoms}}));
    }
    // A command with the case book of the practice's folder, run on the folder `dir` (empty: the practice's own).
    ReportResult Run(std::vector<std::string> args, const std::string& book = "book.sqlite",
        const std::filesystem::path& dir = {}) const
    {
        args.insert(args.begin(), {"--casebook", (folder.Path() / book).string()});
        return RunReport(dir.empty() ? folder.Path() : dir, std::move(args));
    }
    // The practice's files without its case books, copied into another folder.
    void CopyTo(const TempFolder& to) const
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            if (entry.path().filename().string().rfind("book.sqlite", 0) != 0)
                std::filesystem::copy_file(entry.path(), to.Path() / entry.path().filename());
    }
    TempFolder folder;
};

} // namespace

TEST(ReportCaseBook, SavedAnalysisReplaysAsItsActionsOnItsVisit)
{
    const Practice p;
    const std::vector<std::string> actions{"--do", "drop:2:1", "--do", "clipboard:1", "--do", "mind"};
    std::vector<std::string> save{"save-analysis", "7", "--visit", "1", "--name", "First look", "--note", "cold"};
    save.insert(save.end(), actions.begin(), actions.end());
    EXPECT_EQ(p.Run(save).out, "1\n");
    std::vector<std::string> chart{"chart", "7", "--visit", "1"};
    chart.insert(chart.end(), actions.begin(), actions.end());
    const std::string expected = p.Run(chart).out;
    EXPECT_EQ(p.Run({"chart", "7", "--analysis", "1"}).out, expected);
    EXPECT_EQ(
        p.Run({"prescribe", "--analysis", "1", "--rank", "2", "--potency", "200", "--repetition", "once"}).out, "1\n");
    EXPECT_EQ(p.Run({"analyses", "7"}).out, "A\t1\t01/02/2003\tFirst look\t3\tBelladonna 200 once\n");
    // An earlier date recorded later: the latest prescription stays the one of the latest date (today's).
    EXPECT_EQ(
        p.Run({"prescribe", "--analysis", "1", "--rank", "1", "--potency", "30", "--date", "2004-02-29"}).out, "2\n");
    EXPECT_EQ(p.Run({"analyses", "7"}).out, "A\t1\t01/02/2003\tFirst look\t3\tBelladonna 200 once\n");
    EXPECT_EQ(p.Run({"analyses", "8"}).out, "");

    // Export, then import into another book: the same list and the same chart.
    const std::string file = (p.folder.Path() / "export.json").string();
    EXPECT_EQ(p.Run({"casebook-export", file}).status, 0);
    EXPECT_TRUE(p.Run({"casebook-import", file}, "other.sqlite").out.starts_with("message\tCase book imported: 1 "));
    EXPECT_EQ(p.Run({"analyses", "7"}, "other.sqlite").out, p.Run({"analyses", "7"}).out);
    EXPECT_EQ(p.Run({"chart", "7", "--analysis", "1"}, "other.sqlite").out, expected);

    // The visit's symptoms changed (one removed): the message, then the steps before the one that no longer applies.
    p.Visit({kFear, kPain});
    const std::string changed = p.Run({"chart", "7", "--analysis", "1"}).out;
    const std::string stop = "message\tStep 1 of the analysis (drop:2:1) no longer applies: no active symptom 2. The "
                             "chart shows the analysis up to the step before it.\n";
    EXPECT_EQ(
        changed, "message\t" + std::string(kMsgVisitChanged) + '\n' + stop + p.Run({"chart", "7", "--visit", "1"}).out);
    // The visit's date is gone: nothing is replayed.
    p.Visit({kFear, kCold, kPain}, 2);
    const auto gone = p.Run({"chart", "7", "--analysis", "1"});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, "quillon-report: " + VisitGoneMessage("01/02/2003") + '\n');
}

TEST(ReportCaseBook, WrongCommandLinesAndMissingAnalysesSayWhy)
{
    const Practice p;
    ASSERT_EQ(p.Run({"save-analysis", "7", "--name", "a"}).status, 0);
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"save-analysis", "7"}, 2, "usage: quillon-report [--dir DIR] [--casebook FILE] save-analysis REGNO"},
        {{"save-analysis", "7", "--name", "a", "--name", "b"}, 2, "--name given twice"},
        {{"save-analysis", "7", "--name", "a", "--rank", "1"}, 2, "unexpected argument: --rank"},
        {{"chart", "7", "--analysis", "0"}, 2, "analysis ids start at 1"},
        {{"chart", "7", "--analysis", "1", "--do", "mind"}, 2,
            "usage: quillon-report [--dir DIR] [--casebook FILE] chart"},
        {{"prescribe", "--analysis", "1", "--rank", "0", "--potency", "30"}, 2, "ranks start at 1"},
        {{"prescribe", "--analysis", "1", "--rank", "1"}, 2,
            "usage: quillon-report [--dir DIR] [--casebook FILE] prescribe"},
        {{"prescribe", "--analysis", "1", "--rank", "9", "--potency", "30"}, 1,
            "the chart of analysis 1 has no rank 9"},
        {{"prescribe", "--analysis", "2", "--rank", "1", "--potency", "30"}, 1, "no analysis 2 in the case book"},
        {{"prescribe", "--analysis", "1", "--rank", "1", "--potency", "30", "--date", "2003-02-29"}, 2,
            "--date needs a date of the calendar written YYYY-MM-DD, not 2003-02-29"},
        {{"chart", "8", "--analysis", "1"}, 1, "analysis 1 belongs to patient 7"},
        {{"casebook-import", "missing.json"}, 1, "The file missing.json cannot be read."},
        {{"save-analysis", "7", "--name", std::string(201, 'n')}, 1,
            "The analysis was not saved: \"name\" is longer than 200 characters."},
    };
    for (const auto& [args, status, err] : cases) {
        const auto r = p.Run(args);
        EXPECT_EQ(r.status, status) << args[0] << ' ' << args.back();
        EXPECT_NE(r.err.find(err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(ReportCaseBook, SavesRacingToMakeTheBookAreAllInTheLiveBook)
{
    const Practice p;
    const TempFolder printed;
    const auto data = p.folder.Path() / "data";
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int round = 0;
    for (; round < 40 && std::chrono::steady_clock::now() < until; ++round) {
        std::filesystem::remove_all(data);
        // Three processes wait at one gate, then each saves into the data folder that has no book yet and leaves
        // what it printed in a file of its own.
        int gate[2];
        ASSERT_EQ(pipe(gate), 0);
        const auto nameOf = [round](int n) { return "race " + std::to_string(round) + "." + std::to_string(n); };
        std::vector<pid_t> children;
        for (int n = 0; n < 3; ++n) {
            children.push_back(fork());
            if (children.back() == 0) {
                close(gate[1]);
                char x;
                (void)!read(gate[0], &x, 1);
                const auto result
                    = p.Run({"save-analysis", "7", "--visit", "1", "--name", nameOf(n)}, "data/casebook.sqlite");
                fixtures::WriteBytes(printed.Path() / std::to_string(n), result.out);
                _exit(result.status);
            }
        }
        close(gate[0]);
        close(gate[1]);
        std::vector<std::pair<std::string, std::string>> saved; // name, id printed
        for (int n = 0; n < 3; ++n) {
            int status = 0;
            waitpid(children[n], &status, 0);
            const std::string out = ReadBytes(printed.Path() / std::to_string(n));
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && !out.empty())
                saved.emplace_back(nameOf(n), out.substr(0, out.find('\n')));
        }
        EXPECT_FALSE(saved.empty()) << round;
        // Every save reported as done is in the book under its name and id; nothing was moved aside.
        const std::string list = p.Run({"analyses", "7"}, "data/casebook.sqlite").out;
        for (const auto& [name, id] : saved)
            EXPECT_NE(list.find("A\t" + id + "\t01/02/2003\t" + name + "\t"), std::string::npos)
                << "round " << round << ": " << name << " (" << id << ") is not in\n"
                << list;
        for (const auto& entry : std::filesystem::directory_iterator(data))
            EXPECT_EQ(entry.path().filename().string().find(".damaged-"), std::string::npos) << entry.path();
        if (::testing::Test::HasFailure())
            break;
    }
    EXPECT_GE(round, 10);
}

// The list of a damaged book is no list: the command fails instead of printing the new, empty book's. (An export
// of it is refused in CaseBookFile.AnExportThatFailsWritesNothingAndSaysWhy.)
TEST(ReportCaseBook, ABookDamagedPastItsFirstPageListsNothingAndFails)
{
    const Practice p;
    for (int n = 0; n < 40; ++n)
        ASSERT_EQ(
            p.Run({"save-analysis", "7", "--name", "analysis " + std::to_string(n), "--note", std::string(2000, 'n')})
                .status,
            0);
    const auto book = p.folder.Path() / "book.sqlite";
    const auto pages = std::filesystem::file_size(book) / 4096;
    ASSERT_GT(pages, 10u);
    {
        std::fstream file(book, std::ios::in | std::ios::out | std::ios::binary);
        // The middle third of the pages, wherever the analyses and their notes lie.
        file.seekp(static_cast<std::streamoff>(pages / 3 * 4096));
        file << std::string(pages / 3 * 4096, 'x');
    }
    const auto result = p.Run({"analyses", "7"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("is damaged or not a case book: it was moved aside to"), std::string::npos) << result.err;
}

// A copy of the folder whose visit of the analysed date holds other symptoms is another practice: the analysis is
// not its own. (A copy alike is found in AReadOnlyBookListsAPracticeFoundInAnotherFolder.)
TEST(ReportCaseBook, AnalysesFollowTheirPracticeToAnotherFolder)
{
    const Practice p;
    ASSERT_EQ(p.Run({"save-analysis", "7", "--visit", "1", "--name", "First look", "--do", "mind"}).out, "1\n");
    const TempFolder other;
    p.CopyTo(other);
    fixtures::WriteBytes(
        other.Path() / "7.rsy", fixtures::EncodeRsy({{5, 1, 2003, {kPain}}, {1, 2, 2003, {kFear, kPain}}}));
    EXPECT_EQ(p.Run({"analyses", "7"}, "book.sqlite", other.Path()).out, "");
    const auto refused = p.Run({"chart", "7", "--analysis", "1"}, "book.sqlite", other.Path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("analysis 1 belongs to the practice"), std::string::npos) << refused.err;
}

// A book that cannot be written still lists the analyses of its practice found in a moved folder: the folder is
// found again on every run instead of being remembered, and nothing is said about writing.
TEST(ReportCaseBook, AReadOnlyBookListsAPracticeFoundInAnotherFolder)
{
    const Practice p;
    ASSERT_EQ(p.Run({"save-analysis", "7", "--visit", "1", "--name", "First look", "--do", "mind"}).out, "1\n");
    const TempFolder moved;
    p.CopyTo(moved);
    // Readable by everyone, writable by its owner alone: read-only to the unprivileged child below.
    using std::filesystem::perms;
    for (const auto& dir : {p.folder.Path(), moved.Path()}) {
        std::filesystem::permissions(
            dir, perms::owner_all | perms::group_read | perms::group_exec | perms::others_read | perms::others_exec);
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            std::filesystem::permissions(
                entry.path(), perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
    }
    const auto bookPath = p.folder.Path() / "book.sqlite";
    const auto bytes = ReadBytes(bookPath);
    const std::string listed = InChild(
        [&] {
            const auto first = p.Run({"analyses", "7"}, "book.sqlite", moved.Path());
            const auto again = p.Run({"analyses", "7"}, "book.sqlite", moved.Path());
            return std::to_string(first.status) + "|" + first.out + "|" + first.err + "|" + again.out;
        },
        true);
    const std::string row = "A\t1\t01/02/2003\tFirst look\t1\t\n";
    EXPECT_EQ(listed, "0|" + row + "||" + row);
    EXPECT_EQ(ReadBytes(bookPath), bytes);
    // The neighbour: the practice's own folder lists it as before.
    EXPECT_EQ(p.Run({"analyses", "7"}).out, row);
}

// A book saved by an earlier release, one analysis per kind of step (clicks, labels, drags, clipboard, deletions,
// every dialog and its Cancel), replays each to the chart that release printed, byte for byte.
TEST(ReportCaseBook, ABookSavedByAnEarlierReleaseReplaysItsChartsUnchanged)
{
    const TempFolder folder;
    sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    const auto book = folder.Path() / "book.sqlite";
    std::filesystem::copy_file(QUILLON_TEST_DATA "/casebook/steps-before-meaning.sqlite", book);
    std::ifstream in(QUILLON_TEST_DATA "/casebook/steps-before-meaning.charts", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    std::string replayed;
    for (int id = 1; id <= 16; ++id) {
        const auto r = RunReport(
            folder.Path(), {"--casebook", book.string(), "chart", "1002", "--analysis", std::to_string(id)});
        replayed
            += "== analysis " + std::to_string(id) + '\n' + r.out + r.err + "rc=" + std::to_string(r.status) + '\n';
    }
    EXPECT_EQ(replayed, expected);
}
