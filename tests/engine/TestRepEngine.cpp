// The repertorisation engine: totals, counts, the three orders and the grades, on exact small cases and against
// a straightforward recomputation of a large visit; the chart's caption line and the repertory prefix of its
// symptom lines.
#include "MethodsFixture.h"
#include "casedata/CaseStore.h"
#include "casedata/TextCodec.h"
#include "engine/Caption.h"
#include "engine/RepertoryTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

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

} // namespace
} // namespace quillon
