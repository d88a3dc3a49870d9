// quillon-report, run as a library on the sample practice and on small exact cases; its case book commands (an
// analysis saved by its actions replays as those actions do, on the visit it was saved on; a visit whose symptoms
// changed replays what still applies); and its mcp session.
#include "ReportFixture.h"
#include "TestConfig.h"
#include "casebook/AnalysisReplay.h"
#include "chart/ChartCommand.h"
#include "report/McpServer.h"
#include "support/InChild.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace quillon;
using quillon::report::CMcpLineReader;
using quillon::report::CMcpServer;
using namespace quillon::testing;
using Result = ReportResult;

// Every verb of --do reads into a command and writes back as the same text; the window's log is written so.
TEST(ChartCommand, TextRoundTrips)
{
    const char* texts[] = {"normal", "mind", "general", "rest", "sorted", "click", "reset-clipboard", "label:totality",
        "label:covered", "label:name", "weightage:0=2,13=9", "weightage:none", "weightage-cancel", "drug-filter:3,7",
        "drug-filter:none", "drug-filter-cancel", "drop:0:1", "clip:12:3", "clipboard:2", "delete:4", "undelete:0",
        "plant:48:none", "animal:0:1,12", "plant-cancel", "animal-cancel",
        "mineral:left=51;right=1;vertical;horizontal;group=2", "mineral:none", "mineral-cancel", "eliminate:7"};
    for (const char* text : texts)
        EXPECT_EQ(FormatChartCommand(ParseChartCommand(text)), text);
    // A typed command formats to what parses back to it; the cancelled form drops the answers.
    ChartCommand plant(ChartVerb::Plant);
    plant.classLine = 2;
    plant.numbers = {1, 12};
    EXPECT_EQ(ParseChartCommand(FormatChartCommand(plant)), plant);
    plant.cancel = true;
    EXPECT_EQ(FormatChartCommand(plant), "plant-cancel");
    // Only dialogs have a cancel; a plain verb takes no argument; every argument is checked against its kind and
    // range, and none is empty (an empty list is written "none").
    for (const char* wrong : {"normal-cancel", "drop-cancel", "normal:1", "clipboard", "drop:1:2:3", "eliminate",
             "eliminate-cancel", "eliminate:-1", "", "drop:x:1", "drop:0:4", "drug-filter:40",
             "drug-filter:", "weightage:0", "weightage:0=10", "label:size", "mineral:left=51;;left=52"})
        EXPECT_THROW(ParseChartCommand(wrong), UsageError) << wrong;
}

// Four remedies, one visit of three symptoms (one of each kind), and a second patient of two visits. Hostile cases:
// a 600-character rubric with an unknown remedy (20), three stray bytes after an intact visit (21), a visit cut
// short (22), an empty ".rsy" (30), control characters in a name and a rubric (40), and a patient line without a
// registration number beside a hidden ".rsy" that must not be read.
const TempFolder& SmallPractice()
{
    return WrittenOnce([](const TempFolder& folder) {
        using namespace fixtures;
        WriteFourRemedies(folder);
        folder.Write("PatDet.txt",
            EncodePatientIndex("Dr. A. Iyer",
                {{"", "N", "1", "x"}, {"7", "Zo\xEB Rao", "30", "01/02/2003"}, {"8", "Two Visits", "40", "02/02/2003"},
                    {"20", "L", "1", "x"}, {"21", "S", "1", "x"}, {"22", "C", "1", "x"}, {"30", "E", "1", "x"},
                    {"40", "Eve\x1b]0;owned\x07\tTab", "1", "x"}}));
        folder.Write("7.rsy", EncodeRsy({{1, 2, 2003, {kFear, kCold, kPain}}}));
        folder.Write("8.rsy", EncodeRsy({{1, 2, 2003, {kFear}}, {2, 2, 2003, {}}}));
        const std::string visit = EncodeRsy({{1, 2, 2003, {{std::string(600, 'x'), 'M', 1, 2, {{0, 2}, {5, 1}}}}}});
        for (const auto& [name, bytes] :
            std::map<std::string, std::string>{{"20.rsy", visit}, {"21.rsy", visit + "abc"},
                {"22.rsy", visit.substr(0, visit.size() - 5)}, {".rsy", visit}, {"20.cas", ""}, {"30.rsy", ""},
                {"40.rsy", EncodeRsy({{1, 2, 2003, {{"HEAD\tPAIN\r\nR\tfake\\x\x1b[2J", 'F', 1, 2, {{0, 2}}}}}})}})
            folder.Write(name, bytes);
    });
}

// Commands on the sample practice ("S") or the small one ("P"): status, standard output (exact, or its start
// when the expectation ends in "..."), and standard error.
TEST(Report, CommandsPrintExactlyWhatTheWindowShows)
{
    struct Case
    {
        char practice;
        std::vector<std::string> args;
        int status;
        std::string out, err;
    };
    const Case cases[] = {
        {'S', {"patients"}, 0, "physician\tHelen Marsh\n1001\tAnna Berger\t34\t12/03/2002\n1002\tRahul Mehta...", ""},
        {'S', {"case-record", "1002"}, 0, "<HTML><HEAD><TITLE>Full Case Record</TITLE>...", ""},
        {'S', {"followup", "1001"}, 1, "", "message\tFollowup data does not exist for this Patient.\n"},
        {'S', {"--help"}, 0, "usage: quillon-report...", ""},
        {'P', {"chart", "7"}, 0,
            "caption\tRepertorisation: Normal\ncounters\t1\t1\t1\t0\t0\t0\nsymptoms\t3\nS\t0\t[KT] MIND - FEAR\n"
            "S\t1\t[KT] GENERALITIES - COLD\nS\t2\t[CL] HEAD - PAIN\nremedies\t4\nR\t1\tAcon\t4\t2\t3 1 0\n"
            "R\t2\tBell\t3\t2\t1 0 2\nR\t3\tCalc\t2\t1\t0 2 0\nR\t4\tSulph\t1\t1\t0 0 1\n",
            ""},
        {'P', {"chart", "8", "--visit", "1"}, 1, "", "message\tNo symptoms for Repertorisation\n"},
        // In the code page, as the window's export writes it (whose lines TestRecordedSymptoms checks).
        {'P', {"symptoms", "7"}, 0,
            "       VANTREL CLASSIC 8.0 \r\n       ------------------- \r\nPatient Name :Zo\xEB Rao  Date: ...", ""},
    };
    for (const Case& c : cases) {
        const Result r = RunReport(c.practice == 'S' ? SamplePractice() : SmallPractice().Path(), c.args);
        const auto matches = [](const std::string& text, const std::string& expected) {
            return expected.ends_with("...") ? text.starts_with(expected.substr(0, expected.size() - 3))
                                             : text == expected;
        };
        EXPECT_EQ(r.status, c.status) << c.args[0] << r.err;
        EXPECT_TRUE(matches(r.out, c.out)) << c.args[0] << '\n' << r.out;
        EXPECT_TRUE(matches(r.err, c.err)) << c.args[0] << '\n' << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(SamplePractice() / "template.html"));
    EXPECT_EQ(RunReport("", {}).status, 2);
    TempFolder empty;
    const Result noIndex = RunReport(empty.Path(), {"patients"});
    EXPECT_EQ(noIndex.status, 1);
    EXPECT_EQ(noIndex.err, "message\tCould load Patient Information\n");
}

TEST(Report, EveryMalformedArgumentIsOneLineAndStatus2)
{
    // An action that does not read (its forms are refused in ChartCommand.TextRoundTrips), and actions that read but
    // do not apply to the chart.
    const std::vector<std::vector<std::string>> tails{{"bogus"}, {"--dir"}, {"visits"}, {"chart", "1001", "--visit"},
        {"chart", "1001", "--visit", "-1"}, {"chart", "1001", "--do", "drop:0"}, {"chart", "1001", "--do", "drop:99:1"},
        {"chart", "1001", "--do", "mineral:left=147"}, {"chart", "1001", "--do", "mineral:jump"},
        {"remedy-list", "1001", "99"}, {"remedy-list", "1001"}, {"remedy-list", "1001", "0", "1"},
        {"drug-list", "1001", "--by-name"}, {"drug-list", "1001", "--search"},
        // Options given twice.
        {"chart", "1001", "--visit", "0", "--visit", "0"}, {"--dir", ".", "patients"},
        {"remedy-list", "1001", "0", "--by-name", "--by-name"}};
    for (const auto& tail : tails) {
        const Result r = RunReport(SamplePractice(), tail); // "--dir ." after "--dir DIR" is the second one
        EXPECT_EQ(r.status, 2) << tail.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "") << tail.back();
    }
}

// Hostile files end as the window ends them. Control characters of the files and the arguments never reach a
// stream raw; a rubric's TAB, CR, LF and backslash are escaped so that it stays one line of its record.
TEST(Report, HostileFilesAndControlCharactersEndAsTheWindowDoes)
{
    const std::string cut = "message\tThe recorded symptom file ends in the middle of a visit\n";
    const std::string rubric = "HEAD\\tPAIN\\r\\nR\\tfake\\\\x\\x1b[2J";
    // Arguments, status, what standard output holds ("" for nothing at all) and standard error.
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"chart", "20"}, 0, "S\t0\t[KT] " + std::string(600, 'x') + "\nremedies", ""},
        {{"chart", "20", "--do", "delete:0", "--do", "plant-cancel"}, 0,
            "message\tSelected combination does not have any drug\ncaption", ""},
        {{"visits", "21"}, 0, "0\t01/02/2003\n", cut},
        {{"chart", "21"}, 0, cut + "caption", ""},
        {{"chart", "20", "--do", "drug-filter:20"}, 0, "remedies\t1\nR\t1\tAcon", ""},
        {{"case-record", "20"}, 1, "", "quillon-report: the case record of patient 20 is empty\n"},
        {{"visits", ""}, 1, "", "message\tCannot read recorded symptom File\n"},
        {{"chart", "40"}, 0, "S\t0\t[KT] " + rubric + "\nremedies\t1\nR\t1\tAcon\t2\t1\t2\n", ""},
        {{"symptoms", "40"}, 0, "Patient Name :Eve\\x1b]0;owned\\x07\\tTab  Date: 01/02/2003\r\n", ""},
        {{"symptoms", "40"}, 0, "\r\n\r\n" + rubric + "\r\n", ""},
        {{"patients"}, 0, "40\tEve\\x1b]0;owned\\x07\\tTab\t1\tx\n", ""},
        {{"visits", "\x1b[31mred\n"}, 1, "", "quillon-report: no patient \\x1b[31mred\\n in the patient index\n"},
        {{"chart", "7", "--do", "fly\x07"}, 2, "", "quillon-report: unknown action: fly\\x07\n"},
    };
    for (const auto& [args, status, out, err] : cases) {
        const Result r = RunReport(SmallPractice().Path(), args);
        const std::string where = args[0] + ' ' + (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(r.status, status) << where << r.err;
        EXPECT_EQ(r.err, err) << where;
        EXPECT_TRUE(out.empty() ? r.out.empty() : r.out.find(out) != std::string::npos) << where << '\n' << r.out;
        for (const std::string* stream : {&r.out, &r.err})
            EXPECT_EQ(std::ranges::count_if(*stream, [](char ch) { return ch == '\x1b' || ch == '\x07'; }), 0);
    }
}

// A missing folder, patient or visit and an empty or cut ".rsy", on each way a command opens its patient (the
// patient page, the symptoms, the chart every chart command shares, the visits of the follow-up commands): status 1,
// nothing on standard output and the reason on standard error. Faults a command cannot meet are left out of its row.
TEST(Report, EveryFailureSaysWhyOnStandardError)
{
    // R stands for the registration number, V for the visit.
    const std::vector<std::vector<std::string>> commands{{"patients"}, {"visits", "R"},
        {"symptoms", "R", "--visit", "V"}, {"case-record", "R"}, {"chart", "R", "--visit", "V"},
        {"compare", "R", "0", "V"}};
    struct Fault
    {
        const char* name;
        std::string dir, regNo, visit, err;
    };
    const std::string small = SmallPractice().Path().string();
    const Fault faults[] = {
        {"missing folder", small + "/none", "7", "0", "quillon-report: no practice folder " + small + "/none\n"},
        {"missing patient", small, "99", "0", "quillon-report: no patient 99 in the patient index\n"},
        {"missing visit", small, "7", "5", "quillon-report: patient 7 has no visit 5\n"},
        {"empty .rsy", small, "30", "0", "message\tSymptoms not available\n"},
        {"truncated .rsy", small, "22", "0", "message\tThe recorded symptom file ends in the middle of a visit\n"},
    };
    int runs = 0;
    for (const auto& command : commands) {
        const auto has = [&command](const char* arg) { return std::ranges::count(command, arg) > 0; };
        for (const Fault& f : faults) {
            const std::string fault = f.name;
            if ((fault == "missing patient" && !has("R")) || (fault == "missing visit" && !has("V"))
                || (fault.ends_with(".rsy") && !has("V") && command[0] != "visits"))
                continue;
            std::vector<std::string> args;
            for (const std::string& arg : command)
                args.push_back(arg == "R" ? f.regNo : arg == "V" ? f.visit : arg);
            const Result r = RunReport(f.dir, args);
            const std::string where = command[0] + " with " + fault;
            ++runs;
            if (command[0] == "visits" && fault == "truncated .rsy") { // the index holds the visit
                EXPECT_EQ(r.status, 0) << where;
                EXPECT_EQ(r.out + r.err, "0\t01/02/2003\n") << where;
                continue;
            }
            EXPECT_EQ(r.status, 1) << where;
            EXPECT_EQ(r.out, "") << where;
            EXPECT_EQ(r.err, f.err) << where;
        }
    }
    EXPECT_EQ(runs, 1 + 4 + 5 + 2 + 5 + 5);
}

// Two patients of two visits whose ".rsy" goes on past them: a block too short to hold a visit (50), a block
// header cut short (51); and one (60) whose name and rubric hold the five bytes Windows-1252 leaves undefined beside
// the euro sign (0x80), which is a letter.
const TempFolder& DamagedPractice()
{
    return WrittenOnce([](const TempFolder& folder) {
        using namespace fixtures;
        WriteFourRemedies(folder);
        folder.Write("PatDet.txt",
            EncodePatientIndex("Dr. A. Iyer",
                {{"50", "Short Block", "40", "02/02/2003"}, {"51", "Cut Header", "41", "03/02/2003"},
                    {"60", "Odd \x81\x8D\x8F\x90\x9D \x80", "42", "04/02/2003"}}));
        const std::string visits = EncodeRsy({{1, 2, 2003, {{"MIND - FEAR", 'M', 1, 2, {{0, 3}, {1, 1}}}}},
            {2, 2, 2003, {{"HEAD - PAIN", 'F', 1, 2, {{1, 2}, {2, 1}}}, {"MIND - FEAR", 'M', 1, 2, {{0, 2}}}}}});
        folder.Write("50.rsy", visits + std::string(30, '\0'));
        folder.Write("51.rsy", visits + "abc");
        const std::string odd = "MIND - ODD \x81\x8D\x8F\x90\x9D \x80";
        folder.Write("60.rsy", EncodeRsy({{4, 2, 2003, {{odd, 'M', 1, 2, {{0, 3}, {2, 1}}}}}}));
    });
}

// A damaged ".rsy" is said once per command, whichever path the command takes to the visit (the index, the
// chart every chart command shares, a visit of its own, or two for a comparison); its intact visits are used.
TEST(Report, ADamagedSymptomFileIsSaidOncePerCommand)
{
    const std::vector<std::vector<std::string>> commands{
        {"visits", "R"}, {"symptoms", "R"}, {"chart", "R"}, {"compare", "R", "0", "1"}, {"chart", "R", "--visit", "1"}};
    const std::pair<std::string, std::string> files[]
        = {{"50", "The recorded symptom file is damaged: a visit block is too short to hold a visit"},
            {"51", "The recorded symptom file ends in the middle of a visit"}};
    for (const auto& [regNo, message] : files) {
        for (std::vector<std::string> args : commands) {
            std::replace(args.begin(), args.end(), std::string("R"), regNo);
            const Result r = RunReport(DamagedPractice().Path(), args);
            const std::string all = r.out + r.err;
            std::size_t said = 0;
            for (std::size_t at = all.find(message); at != std::string::npos; at = all.find(message, at + 1))
                ++said;
            EXPECT_EQ(said, 1u) << args[0] << ' ' << regNo << '\n' << all;
            EXPECT_EQ(r.status, 0) << args[0] << ' ' << regNo << '\n' << all;
        }
    }
}

// The five bytes Windows-1252 leaves undefined are control codes to a terminal: every command writes them \xNN,
// as --help says, in its UTF-8 output (the patients) and in the code page's (the symptoms) alike; the euro sign
// beside them stays a letter.
TEST(Report, UndefinedCodePageBytesAreWrittenEscaped)
{
    const std::vector<std::vector<std::string>> commands{{"patients"}, {"symptoms", "60"}};
    for (const auto& args : commands) {
        const Result r = RunReport(DamagedPractice().Path(), args);
        EXPECT_EQ(r.status, 0) << args[0] << r.err;
        const std::string& out = r.out;
        for (const char raw : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
            EXPECT_EQ(out.find(raw), std::string::npos) << args[0] << ": raw " << int(raw & 0xFF) << '\n' << out;
        EXPECT_EQ(out.find("\\u00"), std::string::npos) << args[0] << '\n' << out;
        for (const char* escaped : {"\\x81", "\\x90", "\\x9d"})
            EXPECT_NE(out.find(escaped), std::string::npos) << args[0] << ": no " << escaped << '\n' << out;
    }
}

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
    // Patient 7's visit analysed ("First look", mind), then the practice's files without its case books copied into
    // another folder.
    void SaveAndCopyTo(const TempFolder& to) const
    {
        EXPECT_EQ(Run({"save-analysis", "7", "--visit", "1", "--name", "First look", "--do", "mind"}).out, "1\n");
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            if (entry.path().filename().string().rfind("book.sqlite", 0) != 0)
                std::filesystem::copy_file(entry.path(), to.Path() / entry.path().filename());
    }
    TempFolder folder;
};

std::string Call(int id, const std::string& tool, const std::string& arguments)
{
    return R"({"jsonrpc":"2.0","id":)" + std::to_string(id) + R"(,"method":"tools/call","params":{"name":")" + tool
        + R"(","arguments":)" + arguments + "}}";
}

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
    const TempFolder other;
    p.SaveAndCopyTo(other);
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
    const TempFolder moved;
    p.SaveAndCopyTo(moved);
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
    const std::string expected = ReadBytes(QUILLON_TEST_DATA "/casebook/steps-before-meaning.charts");
    std::string replayed;
    for (int id = 1; id <= 16; ++id) {
        const auto r = RunReport(
            folder.Path(), {"--casebook", book.string(), "chart", "1002", "--analysis", std::to_string(id)});
        replayed
            += "== analysis " + std::to_string(id) + '\n' + r.out + r.err + "rc=" + std::to_string(r.status) + '\n';
    }
    EXPECT_EQ(replayed, expected);
}

// Each bad message gets its error (or none, for a notification), and the good call after it is still served. A
// command that fails answers with its reason, as any failing command does.
TEST(McpServer, AnswersEachBadMessageAndKeepsServing)
{
    const std::filesystem::path book = SamplePractice() / "no-book-here.sqlite";
    CMcpServer server({SamplePractice().string(), book.string(), false});
    const std::string good = Call(99, "list_visits", R"({"patient":"1002"})");
    const std::pair<std::string, std::string> cases[] = {
        {R"({"jsonrpc":"2.0","id":1,"method":)", R"("code":-32700)"},
        {R"({"jsonrpc":"2.0","id":2,"method":"tools/get"})", R"("code":-32601)"},
        {R"({"jsonrpc":"1.0","id":3,"method":"ping"})", R"("code":-32600)"},
        {R"({"jsonrpc":"2.0","id":{"a":1},"method":"ping"})", R"("code":-32600)"},
        {R"([{"jsonrpc":"2.0","id":4,"method":"ping"}])", R"("code":-32600)"},
        {R"({"jsonrpc":"2.0","id":5,"method":"tools/call","params":{"name":7}})", R"("code":-32602)"},
        {R"({"jsonrpc":"2.0","id":6,"method":"tools/call","params":[1]})", R"("code":-32602)"},
        {R"({"jsonrpc":"2.0","id":7,"method":"tools/list","params":{"cursor":"x"}})", R"("code":-32602)"},
        {Call(8, "no_tool", "{}"), R"("code":-32602)"},
        {Call(9, "repertorise", R"({"patient":"1002","visit":"1"})"), "visit must be a whole number from 0"},
        {Call(10, "repertorise", R"({"patient":"1002","visit":-1})"), "visit must be a whole number from 0"},
        {Call(11, "repertorise", R"({"patient":1002})"), "patient must be a text"},
        {Call(12, "repertorise", R"({"patient":"1002","actions":"mind"})"), "actions must be a list"},
        {Call(13, "repertorise", R"({"patient":"9999"})"),
            R"(no patient 9999 in the patient index","type":"text"}],"isError":true)"},
        {Call(19, "list_visits", R"({"patient":"1002","visits":1})"), "unknown argument visits"},
        {R"({"jsonrpc":"2.0","method":"notifications/initialized"})", ""},
        {R"({"jsonrpc":"2.0","id":20,"result":{}})", ""},
    };
    for (const auto& [message, expected] : cases) {
        const auto answer = server.Handle(message);
        if (expected.empty())
            EXPECT_FALSE(answer) << message;
        else
            EXPECT_NE(answer.value_or("").find(expected), std::string::npos) << message << "\n" << answer.value_or("");
        EXPECT_NE(server.Handle(good).value_or("").find(R"(1\t18/03/2002\n","type":"text"}],"isError":false)"),
            std::string::npos)
            << "after " << message;
    }
    // The case book was only looked for: a missing one stays missing, its analyses an empty list.
    EXPECT_NE(server.Handle(Call(21, "analyses", R"({"patient":"1002"})")).value_or("").find(R"("analyses":[])"),
        std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(book));
}

// The client's revision when we speak it, else our newest; batches only in the revision that has them.
TEST(McpServer, NegotiatesTheRevision)
{
    for (const auto& [asked, agreed, batch] : {std::tuple{"2025-03-26", "2025-03-26", true},
             std::tuple{"2024-11-05", "2024-11-05", false}, std::tuple{"2031-01-01", "2025-11-25", false}}) {
        CMcpServer server({SamplePractice().string(), {}, false});
        const auto answer = server.Handle(std::string(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":)")
            + R"({"protocolVersion":")" + asked + R"(","capabilities":{},"clientInfo":{"name":"t","version":"1"}}})");
        EXPECT_NE(answer.value_or("").find(std::string(R"("protocolVersion":")") + agreed + '"'), std::string::npos)
            << asked;
        const auto answers
            = server.Handle(R"([{"jsonrpc":"2.0","id":2,"method":"ping"},{"jsonrpc":"2.0","method":"notifications/x"},)"
                            R"({"jsonrpc":"2.0","id":3,"method":"nope"}])");
        EXPECT_EQ(answers.value_or(""),
            batch ? R"([{"id":2,"jsonrpc":"2.0","result":{}},{"error":{"code":-32601,"message":"no method nope"},)"
                    R"("id":3,"jsonrpc":"2.0"}])"
                  : R"({"error":{"code":-32600,"message":"batches are not part of this protocol revision"},)"
                    R"("id":null,"jsonrpc":"2.0"})")
            << asked;
    }
}

// A line longer than the bound is read to its end and dropped; the lines around it arrive whole.
TEST(McpLineReader, DropsTheRestOfAnOverLongLine)
{
    std::istringstream in("first\r\n" + std::string(1000, 'x') + "\n" + std::string(16, 'y') + "\nlast");
    CMcpLineReader reader(in, 16);
    std::string line;
    const std::pair<CMcpLineReader::Line, std::string> expected[] = {{CMcpLineReader::Line::Message, "first"},
        {CMcpLineReader::Line::TooLong, ""}, {CMcpLineReader::Line::Message, std::string(16, 'y')},
        {CMcpLineReader::Line::Message, "last"}, {CMcpLineReader::Line::End, ""}};
    for (const auto& [kind, text] : expected) {
        EXPECT_EQ(reader.Next(line), kind);
        EXPECT_EQ(line, text);
    }
}
