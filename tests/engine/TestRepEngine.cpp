// The repertorisation engine: totals, counts, the three orders and the grades, on exact small cases and against
// a straightforward recomputation of a large visit; the chart's caption line and the repertory prefix of its
// symptom lines. Then the methods replayed through quillon-report on a small practice: for each sequence of button
// presses and dialog answers, the messages, the caption and the exact rows of the chart; and the Drug Filter and
// Weightage dialogs' models: what OK hands back and writes, and the intensity rows with their scroll rules.
#include "MethodsFixture.h"
#include "casedata/CaseStore.h"
#include "casedata/TextCodec.h"
#include "engine/Caption.h"
#include "engine/RepertoryTable.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

namespace quillon {
namespace {

struct Entry
{
    char digit; // the grade as the file writes it: '1' for grade 1
    int code;
};
using Symptom = std::vector<Entry>;

// Codes follow the case-insensitive order of the abbreviations.
enum Code { kAcon = 0, kApis, kBell, kBry, kCalc, kCarbV, kNuxV, kPuls, kSep, kSulph };

struct Engine
{
    explicit Engine(const std::vector<Symptom>& symptoms, const std::vector<fixtures::CatalogueRemedy>& remedies = {})
        : catalogue(Catalogue(sink, remedies)), store(folder, sink), engine(store, catalogue.get(), sink)
    {
        for (const Symptom& entries : symptoms) {
            auto record = std::make_unique<CSymptomRecord>();
            record->m_pszText = "symptom " + std::to_string(store.m_mapSymptoms.size());
            record->m_nType = 1;
            record->m_nRemedyCount = static_cast<int>(entries.size());
            for (const Entry& entry : entries) {
                const auto [high, low] = fixtures::EncodeRemedyCode(entry.code);
                record->m_pRemedies.insert(
                    record->m_pRemedies.end(), {static_cast<std::uint8_t>(entry.digit), high, low});
            }
            record->m_pRemedies.push_back(0);
            store.m_mapSymptoms.push_back(std::move(record));
        }
    }

    // The remedies given, or ten whose codes follow the case-insensitive order of their names.
    static std::unique_ptr<CRemedyCatalogue> Catalogue(
        IMessageSink& sink, const std::vector<fixtures::CatalogueRemedy>& remedies)
    {
        static const std::vector<fixtures::CatalogueRemedy> ten{{"acon.", "A"}, {"Apis.", "B"}, {"bell.", "C"},
            {"Bry.", "D"}, {"calc.", "E"}, {"Carb-v.", "F"}, {"Nux-v.", "G"}, {"Puls.", "H"}, {"Sep.", "I"},
            {"Sulph.", "J"}};
        const auto images = fixtures::EncodeCatalogue(remedies.empty() ? ten : remedies);
        return CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
    }

    // The active symptoms of a build: the recorded symptoms numbered in `which`.
    ActiveSymptoms Input(std::initializer_list<int> which)
    {
        ActiveSymptoms input;
        for (const int s : which)
            input.symptoms.push_back(store.m_mapSymptoms[static_cast<std::size_t>(s)].get());
        return input;
    }

    std::vector<std::string> Names(SortMode mode = SortByName)
    {
        engine.SetSortMode(mode);
        EXPECT_TRUE(engine.RefreshResults());
        std::vector<std::string> names;
        for (int r = 0; r < engine.RemedyCount(); ++r)
            names.emplace_back(engine.RemedyName(r));
        return names;
    }

    // "name totality covered: grades of every symptom", one string per row in display order.
    std::vector<std::string> Rows(SortMode mode = SortByTotality)
    {
        engine.SetSortMode(mode);
        EXPECT_TRUE(engine.RefreshResults());
        std::vector<std::string> rows;
        for (int r = 0; r < engine.RemedyCount(); ++r) {
            std::string row = std::string(engine.RemedyName(r)) + " " + std::to_string(engine.RemedyTotality(r)) + " "
                + std::to_string(engine.RemedyCovered(r)) + ":";
            for (int s = 0; s < engine.SymptomCount(); ++s)
                row += " " + std::to_string(engine.Grade(r, s));
            rows.push_back(row);
        }
        return rows;
    }

    RecordingMessageSink sink;
    CPracticeFolder folder;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    CCaseStore store;
    CRepEngine engine;
};

struct EngineCase
{
    const char* name;
    std::vector<Symptom> symptoms;
    SortMode mode;
    std::vector<std::string> rows;
};

// Each remedy `code` in `covered` symptoms with grades adding up to `totality` (grade-0 entries fill the rest).
std::vector<Symptom> SpreadCase(std::initializer_list<std::array<int, 3>> remedies)
{
    std::vector<Symptom> symptoms;
    for (auto [code, totality, covered] : remedies) {
        symptoms.resize(std::max(symptoms.size(), static_cast<std::size_t>(covered)));
        for (int s = 0; s < covered; ++s) {
            const int grade = std::min(totality, 3);
            totality -= grade;
            symptoms[static_cast<std::size_t>(s)].push_back({static_cast<char>('0' + grade), code});
        }
    }
    return symptoms;
}

std::string Zeros(int n)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += " 0";
    return text;
}

const EngineCase kEngineCases[] = {
    {"Empty", {}, SortByTotality, {}},
    // A remedy twice in one symptom counts twice.
    {"RepeatedEntry", {{{'2', kBell}, {'3', kSep}, {'1', kBell}}, {{'1', kSep}}}, SortByTotality,
        {"Sep 4 2: 3 1", "bell 3 2: 1 0"}},
    // Orders by 60 x totality + covered (Sulph 310, acon 302, bell 362), then 60 x covered + totality.
    {"TotalityKey", SpreadCase({{kSulph, 4, 70}, {kAcon, 5, 2}, {kBell, 6, 2}}), SortByTotality,
        {"bell 6 2: 3 3" + Zeros(68), "Sulph 4 70: 3 1" + Zeros(68), "acon 5 2: 3 2" + Zeros(68)}},
    {"CoveredKey", SpreadCase({{kSulph, 4, 70}, {kAcon, 5, 2}, {kBell, 6, 2}}), SortBySymptomsCovered,
        {"Sulph 4 70: 3 1" + Zeros(68), "bell 6 2: 3 3" + Zeros(68), "acon 5 2: 3 2" + Zeros(68)}},
    // Equal keys and equal names (codes the catalogue does not know, met 909, 505, 707): by code.
    {"EqualKeysAndNamesByCode", {{{'2', 909}, {'1', 505}, {'3', 707}}, {{'0', 707}, {'1', 909}, {'2', 505}}},
        SortByTotality, {" 3 2: 1 2", " 3 2: 3 0", " 3 2: 2 1"}},
    {"ByName", {{{'3', kAcon}, {'1', 777}}, {{'2', kCarbV}}}, SortByName,
        {" 1 1: 1 0", "acon 3 1: 3 0", "Carb-v 2 1: 0 2"}}, // an unknown code has no name
    // A grade-0 entry empties its own cell only; digits below '0' count their entries.
    {"GradeZero", {{{'2', kCarbV}}, {{'0', kCarbV}}, {{'3', kCarbV}}}, SortByTotality, {"Carb-v 5 3: 2 0 3"}},
    {"DigitsBelowZero", {{{'/', kApis}, {'2', kBell}}, {{' ', kApis}, {'/', kBell}}, {{'3', kApis}}}, SortByTotality,
        {"bell 1 2: 2 -1 0", "Apis -14 3: -1 -16 3"}},
    // 10 x 6554 = 65540 would wrap to 4 in sixteen bits; 222 x 222 + 221 is the largest code two bytes carry. The
    // nameless remedies come by code, their grades telling them apart.
    {"WideCodes", {{{'1', 1}, {'2', 6555}, {'3', 0}, {'1', 6554}, {'4', 49505}}}, SortByName,
        {" 1 1: 1", " 2 1: 2", " 4 1: 4", "acon 3 1: 3", "Apis 1 1: 1"}},
};

TEST(EngineRows, AreExact)
{
    for (const EngineCase& c : kEngineCases) {
        Engine e(c.symptoms);
        ASSERT_TRUE(e.engine.Start()) << c.name;
        EXPECT_EQ(e.Rows(c.mode), c.rows) << c.name;
        EXPECT_TRUE(e.sink.Messages().empty()) << c.name;
    }
}

TEST(EngineInput, EntryCountsBeyondTheEntryBytesAreCut)
{
    Engine e({{{'2', kSep}, {'1', kPuls}}, {{'1', kSep}}});
    e.store.m_mapSymptoms[0]->m_nRemedyCount = 40;
    e.store.m_mapSymptoms[1]->m_nRemedyCount = -3;
    ASSERT_TRUE(e.engine.Start());
    EXPECT_EQ(e.Rows(), (std::vector<std::string>{"Sep 2 1: 2 0", "Puls 1 1: 1 0"}));
}

// Every remedy once with grade 1, so that every order falls to the names: without regard to case (the comparison
// itself is pinned with the text codec), then by code; a catalogue out of name order is sorted.
struct NameOrderCase
{
    const char* name;
    std::vector<std::string> abbreviations; // in code order
    std::vector<std::string> rows;
};

const NameOrderCase kNameOrderCases[] = {
    {"EqualButForCaseByCode", {"nat-m.", "Nat-m.", "Nat-M."}, {"nat-m", "Nat-m", "Nat-M"}},
    // An accented capital lowers to its small letter, above every ASCII letter.
    {"AccentedAfterAscii", {"\xC9lix.", "Zinc.", "\xE9lan.", "Zinc-m."}, {"Zinc", "Zinc-m", "\xE9lan", "\xC9lix"}},
};

TEST(EngineNames, OrderWithoutRegardToCaseThenByCode)
{
    for (const NameOrderCase& c : kNameOrderCases) {
        std::vector<fixtures::CatalogueRemedy> remedies;
        Symptom all;
        for (const std::string& abbreviation : c.abbreviations) {
            all.push_back({'1', static_cast<int>(remedies.size())});
            remedies.push_back({abbreviation, "R"});
        }
        all.push_back({'1', 900}); // nameless, so first
        Engine e({all}, remedies);
        ASSERT_TRUE(e.engine.Start()) << c.name;
        std::vector<std::string> rows = c.rows;
        rows.insert(rows.begin(), "");
        for (const SortMode mode : {SortByName, SortByTotality, SortBySymptomsCovered})
            EXPECT_EQ(e.Names(mode), rows) << c.name << " in mode " << mode;
    }
}

// Builds of other symptoms on one engine: each names its own remedies and orders them by name, whether a remedy
// is new, gone or back.
TEST(EngineNames, EachBuildNamesAndOrdersItsOwnRemedies)
{
    Engine e({{{'1', kBell}, {'1', kApis}}, {{'1', kSep}, {'1', kAcon}}, {{'1', kPuls}}, {{'1', 6000}}});
    const struct
    {
        std::initializer_list<int> symptoms;
        std::vector<std::string> names;
    } kSteps[] = {
        {{0}, {"Apis", "bell"}},
        {{1}, {"acon", "Sep"}}, // the records of Apis and bell now hold other remedies
        {{1, 2}, {"acon", "Puls", "Sep"}},
        {{2, 3, 0}, {"", "Apis", "bell", "Puls"}}, // a code beyond the catalogue grows the tables
        {{0, 1, 3}, {"", "acon", "Apis", "bell", "Sep"}},
        {{}, {}},
        {{1}, {"acon", "Sep"}},
    };
    for (const auto& step : kSteps) {
        ASSERT_TRUE(e.engine.BuildResults(e.Input(step.symptoms)));
        EXPECT_EQ(e.Names(), step.names) << step.names.size();
        for (int r = 0; r + 1 < e.engine.RemedyCount(); ++r)
            EXPECT_LT(e.engine.NamePlace(e.engine.SortedRemedy(r)->code),
                e.engine.NamePlace(e.engine.SortedRemedy(r + 1)->code))
                << r;
    }
}

// Results keep their records and names from one build to the next: another catalogue renames them at once, and
// the first one may go (the sanitizer build reads the names after it).
TEST(EngineInput, AnotherCatalogueRenamesTheResults)
{
    Engine e({{{'1', kNuxV}, {'1', kBry}, {'2', kCalc}, {'1', kSulph}}});
    ASSERT_TRUE(e.engine.Start());
    const auto images
        = fixtures::EncodeCatalogue({{"a0.", "A0"}, {"a1.", "A1"}, {"a2.", "A2"}, {"a3.", "A3"}, {"a4.", "A4"}});
    const auto shorter = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, e.sink);
    e.engine.SetCatalogue(shorter.get());
    e.catalogue.reset();
    EXPECT_EQ(e.Rows(SortByName), (std::vector<std::string>{" 1 1: 1", " 1 1: 1", "a3 1 1: 1", "a4 2 1: 2"}));
    ASSERT_TRUE(e.engine.BuildResults());
    EXPECT_EQ(e.Rows(), (std::vector<std::string>{"a4 2 1: 2", " 1 1: 1", " 1 1: 1", "a3 1 1: 1"}));
}

// A large visit written as a ".rsy" file, weighted through the Weightage dialog, against a recomputation from
// the visit's own symptom list: more symptoms than a byte can number, a remedy in every one of them, and codes
// beyond the catalogue.
TEST(EngineCrossCheck, TotalsCountsOrdersAndGradesAgreeWithRecomputation)
{
    constexpr int kSymptoms = 650;
    std::mt19937 random(20240611u);
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int i = 0; i < 400; ++i)
        remedies.push_back({(i % 2 ? "R" : "r") + std::to_string(1000 + i) + ".", "Remedy " + std::to_string(i)});
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < kSymptoms; ++s) {
        fixtures::SymptomSpec symptom{"RUBRIC " + std::to_string(s), "MGF"[s % 3], 1 + s % 17, 2, {}};
        symptom.remedies.push_back({7, 1 + s % 3});
        const int count = static_cast<int>(random() % (s % 10 == 0 ? 250 : 30));
        for (int i = 0; i < count; ++i) {
            const int code = static_cast<int>(random() % (i % 7 == 0 ? 40 : 420)); // 380..419 lie beyond
            symptom.remedies.push_back({i % 7 == 0 ? 380 + code : code, 1 + static_cast<int>(random() % 3)});
        }
        visit.symptoms.push_back(symptom);
    }
    testing::MethodsCase c(visit, remedies);
    ChartCommand weightage(ChartVerb::Weightage);
    for (int s = 0; s < kSymptoms; ++s)
        weightage.intensities.emplace_back(s, s % 4);
    ASSERT_EQ(c.session->Execute(weightage), MethodOutcome::Refreshed);

    std::map<int, std::pair<int, int>> expected; // code -> totality, covered
    std::map<std::pair<int, int>, int> cells; // (code, symptom) -> grade of its last entry
    for (int s = 0; s < kSymptoms; ++s)
        for (const auto& entry : visit.symptoms[static_cast<std::size_t>(s)].remedies) {
            expected[entry.code].first += entry.grade * (s % 4);
            expected[entry.code].second += 1;
            cells[{entry.code, s}] = entry.grade;
        }
    const CRepEngine& engine = *c.engine;
    for (const auto& [mode, label] : {std::pair{SortBySymptomsCovered, ChartLabel::Covered},
             {SortByName, ChartLabel::Name}, {SortByTotality, ChartLabel::Totality}}) {
        ChartCommand click{ChartVerb::Label};
        click.label = label;
        c.session->Execute(click);
        ASSERT_EQ(engine.SymptomCount(), kSymptoms);
        ASSERT_EQ(engine.RemedyCount(), static_cast<int>(expected.size()));
        std::tuple<int, std::string> before{INT32_MAX, ""};
        for (int r = 0; r < engine.RemedyCount(); ++r) {
            const int code = engine.SortedRemedy(r)->code;
            ASSERT_TRUE(expected.count(code)) << code;
            const auto [totality, covered] = expected[code];
            EXPECT_EQ(engine.RemedyTotality(r), totality) << code;
            EXPECT_EQ(engine.RemedyCovered(r), covered) << code;
            std::string name;
            c.state.m_pRemedyCatalogue->GetAbbreviation(code, name);
            EXPECT_EQ(engine.RemedyName(r), name);
            // Descending key, then names without regard to case.
            const int key = mode == SortByTotality ? 60 * totality + covered
                : mode == SortBySymptomsCovered    ? 60 * covered + totality
                                                   : 0;
            EXPECT_TRUE(key < std::get<0>(before)
                || (key == std::get<0>(before) && CompareNoCase(std::get<1>(before), name) <= 0))
                << "row " << r;
            before = {key, name};
            for (int s = 0; s < kSymptoms; ++s) {
                const auto cell = cells.find({code, s});
                ASSERT_EQ(engine.Grade(r, s), cell == cells.end() ? 0 : cell->second) << code << " in " << s;
            }
        }
    }
    EXPECT_TRUE(c.sink.Messages().empty());
}

TEST(Caption, NamesTheMethodsInOrderThenTheFilters)
{
    RepMethodFlags normal;
    normal.m_bNormal = true;
    RepMethodFlags drugMind;
    drugMind.m_bDrugFilter = true;
    drugMind.m_bMind = true;
    RepMethodFlags all;
    all.m_bWeightage = all.m_bGeneral = all.m_bRest = all.m_bSorted = true;
    all.m_bClipboard = {true, false, true};
    EXPECT_EQ(BuildCaption(normal, SortByTotality, ""), "Repertorisation: Normal");
    EXPECT_EQ(BuildCaption(RepMethodFlags{}, SortByTotality, "ignored"), "Repertorisation:");
    EXPECT_EQ(BuildCaption(drugMind, SortByTotality, "Plant-> Class: Ranunculaceae"),
        "Repertorisation: Drug Filter+Mind Symptoms     Plant-> Class: Ranunculaceae");
    EXPECT_EQ(BuildCaption(all, SortBySymptomsCovered, "not shown"),
        "Repertorisation: Weightage+Rest Symptoms+General Symptoms+"
        "Sorted List of Remedies+Symptoms Covered+ClipBoard #1+ClipBoard #3");
}

TEST(RepertoryTable, SymptomLinesNameTheRepertory)
{
    const std::pair<std::pair<std::string, int>, std::string> cases[] = {
        {{"[x]]y", 2}, "[PH]]y"}, // a bracketed name is replaced, up to its first "]"
        {{"MIND - ANXIETY", 1}, "[KT] MIND - ANXIETY"},
        {{"FEVER", 21}, "[UR] FEVER"},
        {{"FEVER", 22}, "[ ] FEVER"}, // indexes beyond the table: no repertory
        {{"FEVER", -1}, "[ ] FEVER"},
        {{std::string(400, 'a'), 1}, "[KT] " + std::string(290, 'a')}, // cut before composing
        {{std::string(300, 'b') + "]", 1}, "[KT] " + std::string(290, 'b')},
    };
    for (const auto& [input, line] : cases)
        EXPECT_EQ(ComposeSymptomLine(input.first, input.second), line) << input.first;
}

const testing::TempFolder& Practice()
{
    static const testing::TempFolder folder;
    static const bool written = (testing::WriteMethodsPractice(folder), true);
    (void)written;
    return folder;
}

std::string RunChart(const std::string& patient, const std::vector<std::string>& actions, int* status = nullptr)
{
    std::vector<std::string> command{"chart", patient};
    for (const std::string& action : actions)
        command.insert(command.end(), {"--do", action});
    const testing::ReportResult result = testing::RunReport(Practice().Path(), command);
    if (status)
        *status = result.status;
    return result.out + result.err;
}

// The output reduced to "!message" lines, the caption, and "name totality covered" per remedy row.
std::string Summary(const std::string& output)
{
    std::istringstream in(output);
    std::string line, summary;
    while (std::getline(in, line)) {
        if (line.rfind("message\t", 0) == 0) {
            summary += "!" + line.substr(8) + "|";
        } else if (line.rfind("caption\t", 0) == 0) {
            summary += line.substr(8) + "|";
        } else if (line.rfind("R\t", 0) == 0) {
            std::istringstream fields(line);
            std::string field[5]; // R, row, name, totality, covered
            for (std::string& f : field)
                std::getline(fields, f, '\t');
            summary += field[2] + " " + field[3] + " " + field[4] + "|";
        }
    }
    return summary;
}

struct MethodCase
{
    const char* name;
    std::vector<std::string> actions;
    std::string expected; // Summary() of the output
    const char* patient = "1";
};

const std::string kNormal = "Repertorisation: Normal|Acon 8 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 1 1|Lach 1 1|";

// The start is checked whole by MethodReplayDump.
const MethodCase kCases[] = {
    // The first "MIND - ANXIETY" counts; its repeat (Acon 2, Calc 1) does not.
    {"Mind", {"mind"}, "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"Rest", {"mind", "rest"}, "Repertorisation: Rest Symptoms|Bell 5 2|Sulph 2 1|Calc 1 1|Nat-m 1 1|"},
    // Each kind takes all of its own symptoms, whatever the sizes of the other kinds.
    {"General", {"general"}, "Repertorisation: General Symptoms|Nat-m 3 2|Sulph 3 1|Lach 2 1|Bell 1 1|", "5"},
    {"MindBeyondRest", {"mind"}, "Repertorisation: Mind Symptoms|Nat-m 3 1|Acon 2 1|", "5"},
    {"NothingToShow", {"mind", "general", "clipboard:1", "clipboard:2", "clipboard:3", "reset-clipboard", "rest"},
        "!Mind symptoms are not recorded|!General symptoms are not recorded|!ClipBoard#1 does not have any "
        "Symptoms|!ClipBoard#2 does not have any Symptoms|!ClipBoard#3 does not have any Symptoms|!Clipboards not "
        "selected , click to select|Repertorisation: Rest Symptoms|Bell 3 1|",
        "3"},
    {"NoRest", {"rest"}, "!Rest symptoms are not recorded|Repertorisation: Normal|Bell 3 1|", "4"},
    // A click in the chart clears every flag but keeps the rows they made.
    {"ClickAlone", {"drug-filter:6", "click"}, "Repertorisation:|Acon 8 3|Calc 7 4|Bell 5 2|Sulph 3 2|Lach 1 1|"},
    // Intensities in force do not reach a clipboard method; Sorted then orders its rows by name.
    {"ClipboardThenSorted", {"weightage:0=3,1=3,2=3,3=3,4=3,5=3", "drop:3:1", "drop:4:1", "clipboard:1", "sorted"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!HEAD - PAIN - morning Symptom Dropped on "
        "Clipboard 1|Repertorisation: Sorted List of Remedies+ClipBoard #1|Bell 3 1|Calc 4 2|Nat-m 2 1|Sulph 3 2|"},
    // The same text twice (another record) is refused; from the menu or dragged alike.
    {"RepeatedTextRefused", {"clip:0:3", "drop:2:3", "clipboard:3"},
        "!MIND - ANXIETY Symptom Dropped on Clipboard 3|!MIND - ANXIETY this Symptom is already on this clipboard  "
        "3|Repertorisation: ClipBoard #3|Acon 3 1|Calc 2 1|Lach 1 1|"},
    // Reset empties the clipboard shown (the other keeps its symptom) and goes back to Normal.
    {"ResetTheClipboardShown", {"drop:0:2", "drop:3:1", "clipboard:2", "reset-clipboard", "clipboard:2"},
        "!MIND - ANXIETY Symptom Dropped on Clipboard 2|!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|"
        "!ClipBoard#2 does not have any Symptoms|"
            + kNormal},
    {"ResetKeepsTheOtherClipboard", {"drop:3:1", "drop:0:2", "clipboard:2", "reset-clipboard", "clipboard:1"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!MIND - ANXIETY Symptom Dropped on Clipboard "
        "2|Repertorisation: ClipBoard #1|Calc 3 1|Nat-m 2 1|Sulph 1 1|"},
    // A symptom deleted in the Symptom List leaves the chart and the clipboard that holds it.
    {"DeletedSymptomLeavesItsClipboards", {"drop:1:1", "drop:1:3", "delete:1", "clipboard:1", "clipboard:3"},
        "!MIND - FEAR - death, of Symptom Dropped on Clipboard 1|!MIND - FEAR - death, of Symptom Dropped on "
        "Clipboard 3|!ClipBoard#1 does not have any Symptoms|!ClipBoard#3 does not have any Symptoms|"
        "Repertorisation: Normal|Calc 7 4|Acon 5 2|Bell 5 2|Nat-m 3 2|Sulph 3 2|Lach 1 1|"},
    {"UndeleteBringsItBack", {"delete:1", "undelete:0", "mind"},
        "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"DrugFilterAfterAClipboard", {"drop:3:1", "drop:4:1", "clipboard:1", "drug-filter:1"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!HEAD - PAIN - morning Symptom Dropped on "
        "Clipboard 1|Repertorisation: Drug Filter     Psoric|Calc 4 2|Sulph 3 2|Nat-m 2 1|"},
    // The second filter works on the first one's result: Hot alone would bring Bell and Lach back.
    {"TwoFiltersNarrow", {"drug-filter:1", "drug-filter:6"},
        "Repertorisation: Drug Filter     Hot|Acon 8 3|Calc 7 4|Sulph 3 2|"},
    {"NoRemedyForTheCombination", {"drug-filter:5,22"}, "!Remedy For the Combination not found !!!|" + kNormal},
    {"CancelGoesBackToNormal", {"mind", "drug-filter-cancel"}, kNormal},
    {"NoBoxGoesBackToNormal", {"mind", "drug-filter:none"}, kNormal},
    // OK with no element chosen keeps every mineral remedy.
    {"MineralNothingChosen", {"mineral:none"},
        "Repertorisation: Drug Filter     Mineral->|Calc 7 4|Nat-m 3 2|Sulph 3 2|"},
    {"MineralElement", {"mineral:left=51"}, "Repertorisation: Drug Filter     Mineral-> Elements: Sulphur |Sulph 3 2|"},
    {"MineralGroup", {"mineral:group=2"}, "Repertorisation: Drug Filter     Mineral-> Group: Natrum salts|Nat-m 3 2|"},
    // The next method drops the kingdom filter.
    {"SortedAfterMineral", {"mineral:group=2", "sorted"},
        "Repertorisation: Sorted List of Remedies|Acon 8 3|Apis 1 1|Bell 5 2|Calc 7 4|Lach 1 1|Nat-m 3 2|Sulph 3 2|"},
    // A plant source from the Drug Filter: the other kingdoms' buttons do nothing, the plant button works.
    {"PlantSourceThenKingdomButtons", {"drug-filter:20", "animal:1:none", "mineral:left=51", "plant:1:1"},
        "Repertorisation: Drug Filter     Plant-> Class: Ranunculaceae Type: Roots, Plant|Acon 8 3|"},
    {"AnimalCancelled", {"mind", "animal-cancel"}, kNormal},
    {"AnimalClassWithoutRemedy", {"animal:3:none"}, "!Selected combination does not have any drug|" + kNormal},
    // Opened again, the dialog starts from the last OK's intensities; Cancel changes nothing. Intensity 0 keeps a
    // remedy and its count but none of its totality (Lach).
    {"ReopensWithTheLastOk", {"weightage:0=0", "weightage-cancel", "weightage:1=2"},
        "Repertorisation: Weightage|Acon 8 3|Calc 5 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 2 1|Lach 0 1|"},
    {"NormalForgetsThem", {"weightage:0=0", "normal", "weightage:1=2"},
        "Repertorisation: Weightage|Acon 11 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 2 1|Lach 1 1|"},
    {"MindWeightageSorted", {"mind", "weightage:1=3", "sorted"},
        "Repertorisation: Weightage+Mind Symptoms+Sorted List of Remedies|Acon 12 2|Apis 3 1|Calc 2 1|Lach 1 1|"},
    // Elimination keeps the remedies every eliminating symptom names (Nat-m is in 3 only, Bell in 4 only); the
    // totals still count every symptom. A second click ends one symptom's elimination, Normal every one.
    {"EliminationByTwoSymptoms", {"eliminate:3", "eliminate:4"},
        "Repertorisation: Normal : Elimination|Calc 7 4|Sulph 3 2|"},
    {"EliminationClickedOff", {"eliminate:3", "eliminate:4", "eliminate:4"},
        "Repertorisation: Normal : Elimination|Calc 7 4|Nat-m 3 2|Sulph 3 2|"},
    {"EliminationWithoutACommonRemedy", {"eliminate:1", "eliminate:5"},
        "!No remedy of the chart is named in every eliminating symptom|Repertorisation: Normal : Elimination|"
        "Acon 8 3|Apis 1 1|"},
    {"NormalEndsElimination", {"eliminate:3", "normal"}, kNormal},
    {"EliminationWithMindAndAFilter", {"eliminate:0", "mind", "drug-filter:1"},
        "Repertorisation: Drug Filter+Mind Symptoms     Psoric : Elimination|Acon 6 2|Calc 2 1|"},
    // A general symptom takes no part in the Mind chart, nor does its elimination.
    {"EliminatingSymptomNotActive", {"eliminate:3", "mind"},
        "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"EliminationOfAWeightedChart", {"weightage:3=3", "eliminate:4"},
        "Repertorisation: Weightage : Elimination|Calc 13 4|Bell 5 2|Sulph 5 2|"},
    // Ending it evaluates the chart again, which lets the kingdom filter go.
    {"EliminationEndedAfterAKingdom", {"eliminate:3", "mineral:group=2", "eliminate:3"},
        "Repertorisation:|Acon 8 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 1 1|Lach 1 1|"},
};

// Each sequence of presses and answers gives its messages, caption and rows.
TEST(MethodReplay, GivesTheExactChart)
{
    for (const MethodCase& c : kCases) {
        int status = -1;
        const std::string output = RunChart(c.patient, c.actions, &status);
        EXPECT_EQ(status, 0) << c.name << "\n" << output;
        EXPECT_EQ(Summary(output), c.expected) << c.name << "\n" << output;
    }
}

// A click on the chart leaves the screen's caption without the methods in force, but not the rows they made: what
// leaves the screen names those methods and filters, in the order the rows stand, until a method makes the rows
// again ("" for the record: as the screen).
TEST(MethodReplay, RecordsNameWhatMadeTheRowsWhateverClicksCameSince)
{
    const struct
    {
        const char* name;
        std::vector<std::string> actions;
        std::string screen, record;
    } cases[] = {
        {"a filter", {"drug-filter:6"}, "Repertorisation: Drug Filter     Hot", ""},
        {"a filter, a click", {"drug-filter:6", "click"}, "Repertorisation:", "Repertorisation: Drug Filter     Hot"},
        {"a filter, a click, covered", {"drug-filter:6", "click", "label:covered"}, "Repertorisation: Symptoms Covered",
            "Repertorisation: Drug Filter+Symptoms Covered     Hot"},
        {"a filter, name", {"drug-filter:6", "label:name"}, "Repertorisation: Sorted List of Remedies",
            "Repertorisation: Drug Filter+Sorted List of Remedies     Hot"},
        {"a filter, covered, totality", {"drug-filter:6", "label:covered", "label:totality"}, "Repertorisation: Normal",
            "Repertorisation: Drug Filter     Hot"},
        {"mind, two clicks", {"mind", "click", "click"}, "Repertorisation:", "Repertorisation: Mind Symptoms"},
        // The order the rows stand in is the one that made them, not the one the click left in force.
        {"covered, a click", {"label:covered", "click"}, "Repertorisation:", "Repertorisation: Symptoms Covered"},
        {"a filter, a click, an elimination", {"drug-filter:6", "click", "eliminate:3"},
            "Repertorisation: : Elimination", "Repertorisation: Drug Filter     Hot : Elimination"},
        // The neighbours: no method made the rows, or one made them again after the click.
        {"a click, covered", {"click", "label:covered"}, "Repertorisation: Symptoms Covered", ""},
        {"covered, totality", {"label:covered", "label:totality"}, "Repertorisation: Normal", ""},
        {"a filter, a click, sorted", {"drug-filter:6", "click", "sorted"}, "Repertorisation: Sorted List of Remedies",
            ""},
    };
    for (const auto& c : cases) {
        testing::MethodsCase chart;
        for (const std::string& action : c.actions)
            chart.session->Execute(ParseChartCommand(action));
        EXPECT_EQ(chart.methods->BuildCaption(), c.screen) << c.name;
        EXPECT_EQ(chart.methods->RecordCaption(), c.record.empty() ? c.screen : c.record) << c.name;
    }
}

// Whole outputs: every symptom line, counter and grade, and the data files' texts converted to UTF-8.
TEST(MethodReplayDump, WholeCharts)
{
    EXPECT_EQ(RunChart("1", {}),
        "caption\tRepertorisation: Normal\ncounters\t3\t1\t2\t0\t0\t0\nsymptoms\t6\n"
        "S\t0\t[KT] MIND - ANXIETY\nS\t1\t[KT] MIND - FEAR - death, of\nS\t2\t[PH] MIND - ANXIETY\n"
        "S\t3\t[KT] GENERALS - COLD - agg.\nS\t4\t[KT] HEAD - PAIN - morning\nS\t5\t[KT] STOMACH - NAUSEA\n"
        "remedies\t7\nR\t1\tAcon\t8\t3\t3 3 2 0 0 0\nR\t2\tCalc\t7\t4\t2 0 1 3 1 0\nR\t3\tBell\t5\t2\t0 0 0 0 3 2\n"
        "R\t4\tNat-m\t3\t2\t0 0 0 2 0 1\nR\t5\tSulph\t3\t2\t0 0 0 1 2 0\nR\t6\tApis\t1\t1\t0 1 0 0 0 0\n"
        "R\t7\tLach\t1\t1\t1 0 0 0 0 0\n");
    EXPECT_EQ(RunChart("1", {"drop:4:2", "clipboard:2"}),
        "message\tHEAD - PAIN - morning Symptom Dropped on Clipboard 2\n"
        "caption\tRepertorisation: ClipBoard #2\ncounters\t3\t1\t2\t0\t1\t0\nsymptoms\t1\n"
        "S\t0\t[KT] HEAD - PAIN - morning\nremedies\t3\nR\t1\tBell\t3\t1\t3\nR\t2\tSulph\t2\t1\t2\n"
        "R\t3\tCalc\t1\t1\t1\n");
    EXPECT_EQ(RunChart("1", {"drop:1:1", "delete:0", "delete:0", "delete:0", "delete:0", "delete:0", "delete:0"}),
        "message\tMIND - FEAR - death, of Symptom Dropped on Clipboard 1\n"
        "caption\tRepertorisation: Normal\ncounters\t0\t0\t0\t0\t0\t0\nsymptoms\t0\nremedies\t0\n");
    EXPECT_NE(RunChart("1", {"eliminate:2"})
                  .find("S\t1\t[KT] MIND - FEAR - death, of\nS\t2\t[PH] MIND - ANXIETY\t"
                        "eliminating\nS\t3"),
        std::string::npos);
    EXPECT_EQ(RunChart("2", {}),
        "caption\tRepertorisation: Normal\ncounters\t1\t0\t0\t0\t0\t0\nsymptoms\t1\n"
        "S\t0\t[KT]MIND - R\xC3\xAAverie\nremedies\t1\nR\t1\tAcon\t2\t1\t2\n");
}

// The popup commands that act on the picked remedy or symptom.
TEST(MethodsPicks, PopupCommandsOfThePickedRowAndSymptom)
{
    testing::MethodsCase c;
    const CRepMethods& m = *c.methods;
    EXPECT_FALSE(m.RemedyForReport().has_value());
    c.session->Pick(6, m.PickedSymptom()); // Lach, the last of seven
    EXPECT_EQ(m.RemedyForReport(), std::optional<std::string>("Lach"));
    c.session->Pick(0, m.PickedSymptom());
    std::vector<ChosenRemedy> chosen;
    ASSERT_TRUE(m.PrepareConversion(chosen));
    EXPECT_EQ(m.PrepareConversion(chosen)->back(), (ChartRow{testing::kLach, "Lach", 1, 1})); // the chart's rows
    EXPECT_EQ(chosen, (std::vector<ChosenRemedy>{{testing::kAcon, "Acon"}})); // picked twice, listed once
    EXPECT_TRUE(m.PrepareDrugList());
    c.session->Pick(m.PickedRemedy(), 4);
    ASSERT_NE(m.SymptomForFullList(), nullptr);
    EXPECT_EQ(m.SymptomForFullList()->m_pszText, "HEAD - PAIN - morning");
    c.session->Pick(m.PickedRemedy(), 40);
    EXPECT_EQ(m.SymptomForFullList(), nullptr);
    // A remembered row beyond the rows now shown counts as none.
    c.session->Pick(6, m.PickedSymptom());
    c.session->Execute(ChartCommand{ChartVerb::Mind});
    EXPECT_FALSE(m.RemedyForReport().has_value());
    EXPECT_EQ(c.sink.Texts(),
        (std::vector<std::string>{"Remedy not selected", "Acon  this drug already selectd", "Remedy not selected"}));
}

TEST(DrugFilterModel, MaskDescriptionAndKingdomOfTheBoxes)
{
    struct Case
    {
        std::vector<int> boxes;
        std::uint32_t mask;
        std::string description;
        int kingdom;
    };
    const Case cases[] = {
        {{}, 0u, "", kKingdomNone}, {{testing::kHot, testing::kPsoric}, 0x21u, "Psoric, Hot", kKingdomNone},
        {{4}, 0x8u, "S&yphilitic", kKingdomNone},
        {{testing::kAnimal, testing::kPlant}, (1u << 19) | (1u << 21), "Plant, Animal", kKingdomAnimal},
        {{testing::kPlant, 0, 40}, 1u << 19, "Plant", kKingdomPlant}, // numbers out of range are ignored
    };
    for (const Case& c : cases) {
        CDrugFilterModel model;
        for (const int k : c.boxes)
            model.SetChecked(k, true);
        const DrugFilterResult result = model.Result();
        EXPECT_EQ(result.m_nMask, c.mask) << c.description;
        EXPECT_EQ(result.m_strDescription, c.description);
        EXPECT_EQ(result.m_nKingdom, c.kingdom) << c.description;
    }
}

TEST(DrugFilterModel, ReopensWithTheChoiceOfItsOk)
{
    CDrugFilterModel model;
    model.SetChecked(15, true);
    model.SetChecked(31, true);
    const CDrugFilterModel reopened(model.Result().m_arrChosen);
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        EXPECT_EQ(reopened.IsChecked(k), k == 15 || k == 31) << k;
    EXPECT_EQ(CDrugFilterModel({0, 2, 99}).Result().m_arrChosen, (std::vector<int>{2}));
}

TEST(WeightageModel, StoredIntensitiesBeyondTheSetAreNotCopied)
{
    const testing::Symptoms three(3);
    // Stored when the set had five symptoms; keys 3 and 4 have no symptom now.
    CWeightageModel model(three.set, {{0, 4}, {1, 0}, {2, 9}, {3, 7}, {4, 7}});
    EXPECT_EQ(model.Ok(), (std::vector<IntensityEntry>{{0, 4}, {1, 0}, {2, 9}}));
    model.SetIntensity(1, 10); // not an intensity
    model.SetIntensity(5, 2); // no such symptom
    EXPECT_EQ(model.Intensity(1), 0);
    EXPECT_EQ(CWeightageModel(three.set, {}).Ok(), (std::vector<IntensityEntry>{{0, 1}, {1, 1}, {2, 1}}));
}

TEST(WeightageModel, ScrollingStepsAndTheThumb)
{
    const testing::Symptoms twenty(20);
    CWeightageModel model(twenty.set, {});
    model.RowSelectionChanged(7, 5); // no such row: symptom 7 is not shown
    EXPECT_EQ(model.Intensity(7), 1);
    // Pages of five rows up to the last seven symptoms (the steps themselves are the scroll bar's, tested there).
    model.PageDown();
    EXPECT_EQ(model.Position(), 5);
    model.PageDown();
    model.PageDown();
    model.LineDown();
    EXPECT_EQ(model.Position(), 13);
    EXPECT_EQ(model.SymptomOfRow(6), 19);
    // A list's choice belongs to the symptom shown in its row.
    model.RowSelectionChanged(2, 0);
    EXPECT_EQ(model.Intensity(15), 0);
}

} // namespace
} // namespace quillon
