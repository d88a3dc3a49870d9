// The kingdom filters' rules: the file readers at and past the end of a file; the plant and animal filters' opening,
// search, and what OK excludes and describes; the mineral filter's table, ranking, selection state machine and OK.
#include "filters/ClassFilter.h"
#include "filters/FilterFiles.h"
#include "filters/MineralFilter.h"

#include "casedata/ByteReader.h"
#include "fixtures/FilterWriters.h"
#include "fixtures/PeriodicTableFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

std::vector<std::string> Lines(std::string_view text)
{
    return ReadLineList(AsBytes(text));
}

TEST(ReadLineList, SplitsAtCarriageReturnUpToTheEnd)
{
    const std::string longLine(300, 'x');
    // Empty entries are kept, overlong and unterminated lines read to the end, and a carriage return as the very
    // last byte ends its line with no empty entry after it.
    const std::pair<std::string, std::vector<std::string>> cases[]
        = {{fixtures::EncodeLineList({"Acanthaceae", "", "Zygophyllaceae"}), {"Acanthaceae", "", "Zygophyllaceae"}},
            {"", {}}, {"\r\n", {""}}, {longLine + "\r\nLast", {longLine, "Last"}}, {"Only", {"Only"}}, {"A\r", {"A"}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(Lines(text), lines) << text;
}

TEST(ReadCodeWord, ReadsAtFourTimesTheCodeAndZeroFillsPastTheEnd)
{
    const std::string file = fixtures::EncodeCodeWords({0x11111111u, 0x00030009u});
    // At the file's length a word of 0, beyond it refused; a word cut short by the end keeps the bytes there.
    const std::tuple<std::string, int, bool, std::uint32_t> cases[] = {{file, 1, true, 0x00030009u},
        {file, 2, true, 0u}, {file, 3, false, 0u}, {file, -1, false, 0u}, {file.substr(0, 6), 1, true, 0x0009u}};
    for (const auto& [bytes, code, read, expected] : cases) {
        std::uint32_t word = 7;
        EXPECT_EQ(ReadCodeWord(AsBytes(bytes), code, word), read) << code;
        if (read) {
            EXPECT_EQ(word, expected) << code;
        }
    }
}

TEST(ReadMineralCode, ReadsSixByteRecordsAndZeroFillsPastTheEnd)
{
    const std::string file = fixtures::EncodeMineralCodes({{}, {0x0102, {16, 26, 0, 255}}});
    using Elements = std::array<std::uint8_t, 4>;
    const std::tuple<std::string_view, int, std::uint32_t, Elements> cases[]
        = {{file, 1, 0x0102u, {16, 26, 0, 255}}, {file, 2, 0u, {}},
            {std::string_view(file).substr(0, 9), 1, 0x0102u, {16, 0, 0, 0}}, {file, 1'000'000'000, 0u, {}}};
    for (const auto& [bytes, code, group, elements] : cases) {
        const MineralCode read = ReadMineralCode(AsBytes(bytes), code);
        EXPECT_EQ(read.group, group) << code;
        EXPECT_EQ(read.elements, elements) << code;
    }
}

const std::vector<std::string> kFamilies
    = {"Anacardiaceae", "Apocynaceae", "Compositae", "Ranunculaceae", "", "rubiaceae"};

struct OpenedClasses
{
    RecordingMessageSink sink;
    std::unique_ptr<CClassFilterModel> model;
    bool loaded = false;
};

// Codes 1..n carry the given words; code 0 is a word of 0.
std::unique_ptr<OpenedClasses> Open(
    const ClassFilterKind& kind, const std::vector<std::uint32_t>& words, const std::vector<int>& codes)
{
    auto opened = std::make_unique<OpenedClasses>();
    std::vector<std::uint32_t> file{0};
    file.insert(file.end(), words.begin(), words.end());
    const std::string classes = fixtures::EncodeLineList(kFamilies);
    const std::string codeFile = fixtures::EncodeCodeWords(file);
    opened->model = std::make_unique<CClassFilterModel>(kind, opened->sink);
    opened->loaded = opened->model->LoadImages(AsBytes(classes), AsBytes(codeFile), FilterRemediesFromCodes(codes));
    return opened;
}

constexpr std::uint32_t Bit(int k)
{
    return 1u << (k - 1);
}

// A class and type boxes chosen, then OK: the class and type texts and the result keys to drop.
struct ChoiceCase
{
    const char* name;
    const ClassFilterKind* kind;
    std::vector<std::uint32_t> words; // the code words of codes 1..n
    std::vector<int> codes; // the chart's remedies
    int classLine; // -1: none chosen
    std::vector<int> types;
    std::string className;
    std::string typeNames;
    std::vector<RemedyKey> excluded;
};

const ChoiceCase kChoices[] = {
    {"NothingChosen", &kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(0, 0), MakeClassCode(3, 0xFFF)},
        {1, 2, 3, 0}, -1, {}, "", "", {}},
    // Code 3 carries class 2 with type bits that must not matter; code 4 has no class.
    {"ClassOnly", &kPlantFilterKind,
        {MakeClassCode(2, 0), MakeClassCode(3, 0), MakeClassCode(2, Bit(4)), MakeClassCode(0, 0)}, {1, 2, 3, 4}, 1, {},
        "Apocynaceae", "", {20, 40}},
    // Class 3 (binary 11) contains the bits of class 1 but is not class 1, nor is 32769 (its top bit set).
    {"ClassMustBeEqual", &kPlantFilterKind, {MakeClassCode(3, 0), MakeClassCode(1, 0), MakeClassCode(0x8001, 0)},
        {1, 2, 3}, 0, {}, "Anacardiaceae", "", {10, 30}},
    {"TypesNeedEveryBit", &kPlantFilterKind,
        {MakeClassCode(1, Bit(1) | Bit(3)), MakeClassCode(2, Bit(1)), MakeClassCode(0, Bit(3)),
            MakeClassCode(5, Bit(1) | Bit(2) | Bit(3))},
        {1, 2, 3, 4}, -1, {3, 1}, "", "Roots, Bark, ", {20, 30}},
    // Code 3 starts exactly at the end of the code file: its word reads 0.
    {"WordAtTheEndByType", &kPlantFilterKind, {MakeClassCode(1, Bit(1)), MakeClassCode(1, Bit(1))}, {3, 1}, -1, {1}, "",
        "Roots, ", {30}},
    // The animal type texts drop only their first '&'; the last box counts like the others.
    {"AnimalLastTypes", &kAnimalFilterKind, {MakeClassCode(1, Bit(10) | Bit(12)), MakeClassCode(1, Bit(10) | Bit(11))},
        {1, 2}, -1, {10, 12}, "", "Snakes, Birds, ", {20}},
};

TEST(ClassChoice, OkDescribesAndExcludes)
{
    for (const ChoiceCase& c : kChoices) {
        auto opened = Open(*c.kind, c.words, c.codes);
        ASSERT_TRUE(opened->loaded) << c.name;
        if (c.classLine >= 0)
            opened->model->SelectClass(c.classLine);
        for (const int k : c.types)
            opened->model->SetTypeChecked(k, true);
        const ClassFilterResult result = opened->model->Ok();
        EXPECT_EQ(result.m_strClass, c.className) << c.name;
        EXPECT_EQ(result.m_strTypes, c.typeNames) << c.name;
        EXPECT_EQ(result.m_arrExcluded, c.excluded) << c.name;
        EXPECT_TRUE(opened->sink.Messages().empty()) << c.name;
    }
}

TEST(ClassFilter, WordBeyondTheEndOfTheCodeFileFailsTheOpening)
{
    // The plant dialog's failed opening is driven in test_filter_dialogs.
    auto animal = Open(kAnimalFilterKind, {MakeClassCode(1, 0)}, {7});
    EXPECT_FALSE(animal->loaded);
    EXPECT_EQ(animal->sink.Texts(), (std::vector<std::string>{"Error in file anmlcode.dat"}));
}

TEST(ClassFilter, SearchUsesSevenCharactersWithoutRegardToCase)
{
    // Of "AnacardXYZ" only "Anacard" counts.
    for (const auto& [text, line] :
        {std::pair{"", 0}, {"apo", 1}, {"AnacardXYZ", 0}, {"Anacardx", 0}, {"RUBIA", 5}, {"Zz", -1}})
        EXPECT_EQ(FindClassByPrefix(kFamilies, text), line) << text;
    // A search without a match keeps the chosen class.
    auto opened = Open(kPlantFilterKind, {}, {});
    EXPECT_EQ(opened->model->Search("Comp") * 10 + opened->model->Search("Zz"), 19);
    EXPECT_EQ(opened->model->SelectedClass(), 2);
}

TEST(ClassFilter, MissingOrEmptyFilesFailTheOpening)
{
    TempFolder folder;
    RecordingMessageSink sink;
    CClassFilterModel model(kPlantFilterKind, sink);
    EXPECT_FALSE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{{"Error reading File", "plants.dat", MessageIcon::Error},
            {"Error reading File", "plcode.dat", MessageIcon::Error}}));

    sink.Clear();
    folder.Write("PLANTS.DAT", fixtures::EncodeLineList(kFamilies));
    folder.Write("plcode.dat", "");
    EXPECT_FALSE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    ASSERT_EQ(sink.Messages().size(), 1u);
    EXPECT_EQ(sink.Messages()[0].caption, "plcode.dat");

    sink.Clear();
    folder.Write("plcode.dat", fixtures::EncodeCodeWords({0, MakeClassCode(4, 0)}));
    EXPECT_TRUE(model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1})));
    EXPECT_EQ(model.Classes(), kFamilies);
    EXPECT_TRUE(sink.Messages().empty());
}

const std::string kGroupList = fixtures::EncodeLineList({"Acids", "Carbonates", "Halides"});

struct OpenedMinerals
{
    RecordingMessageSink sink;
    std::string period = PeriodText();
    std::string lanth = LanthText();
    std::string groups = kGroupList;
    std::string codes;
    std::unique_ptr<CMineralFilterModel> model;
};

// Remedy code c (1-based) gets records[c - 1]; every remedy of the file is in the result.
std::unique_ptr<OpenedMinerals> Open(const std::vector<fixtures::MineralCodeSpec>& records)
{
    auto opened = std::make_unique<OpenedMinerals>();
    std::vector<fixtures::MineralCodeSpec> file{{}};
    file.insert(file.end(), records.begin(), records.end());
    opened->codes = fixtures::EncodeMineralCodes(file);
    std::vector<int> codes;
    for (int c = 1; c <= static_cast<int>(records.size()); ++c)
        codes.push_back(c);
    opened->model = std::make_unique<CMineralFilterModel>(opened->sink);
    opened->model->LoadImages(
        {&opened->period, &opened->lanth, &opened->groups, &opened->codes}, FilterRemediesFromCodes(codes));
    return opened;
}

TEST(PeriodicTable, CellsTakeTheirLinesAndTheirPlaces)
{
    auto opened = Open({});
    const CMineralFilterModel& model = *opened->model;
    EXPECT_TRUE(opened->sink.Messages().empty());
    EXPECT_EQ(model.Cell(kSulphurCell).name + model.Cell(kIronCell).symbol, "SulphurFe");
    EXPECT_TRUE(model.Cell(5).IsBlank());
    EXPECT_EQ((std::array{model.Cell(kIronCell).number, model.Cell(116).number, model.Cell(117).number,
                  model.Cell(146).number}),
        (std::array{26, 109, 57, 103}));
    // Between two cells, below a cell, off the table and in the gap of row 0 nothing is hit; helium beside it is.
    for (const auto& [x, y, cell] : {std::array{48, 30, -1}, {16, 62, -1}, {0, 0, -1}, {575, 61, -1}, {577, 30, 17}})
        EXPECT_EQ(model.HitTest(x, y), cell) << x << "," << y;
}

TEST(PeriodicTable, MalformedLinesStopTheirPartWithTheirMessage)
{
    struct Case
    {
        std::string line;
        const char* message;
    };
    const Case cases[]
        = {{"1", "Error in row number"}, {"1*2", "Error in col number"}, {"1*2*3", "Error in element number"},
            {"1*2*3*Li", "Error in element"}, {"1*2*3*Li*Lithium", "Error in element"}};
    for (const Case& c : cases) {
        RecordingMessageSink sink;
        CellTable cells;
        // Hydrogen, then the malformed line: the main table stops there, the block is still built.
        const std::string period = "1*1*1*H*Hydrogen\r\n" + c.line;
        const std::string lanth = LanthText();
        BuildCells(cells, &period, &lanth, sink);
        EXPECT_EQ(sink.Texts(), (std::vector<std::string>{c.message})) << c.line;
        EXPECT_EQ(cells[0].name, "Hydrogen");
        EXPECT_TRUE(cells[17].IsBlank()) << c.line;
        EXPECT_EQ(cells[146].number, 103);
        EXPECT_EQ(cells[17].rect.left, 16 + 33 * 17);
    }
    // A symbol longer than four characters is cut, never overflows.
    RecordingMessageSink sink;
    CellTable cells;
    const std::string period = "1*1*1*Hydro*Hydrogen\r\n";
    BuildCells(cells, &period, nullptr, sink);
    EXPECT_EQ(cells[0].symbol, "Hydr");
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"Error in row number"}));
}

TEST(MineralFilter, MissingCodeFileCountsNothing)
{
    TempFolder folder;
    folder.Write("period.txt", PeriodText());
    folder.Write("lanth.txt", LanthText());
    RecordingMessageSink sink;
    CMineralFilterModel model(sink);
    model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1, 2}));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{{"Error reading File", "othergrp.txt", MessageIcon::Error},
            {"Error reading file", "minrcode.dat", MessageIcon::Error}}));
    EXPECT_EQ(model.Ranks()[0].count, 0);
    EXPECT_EQ(model.Minerals().size(), 2u);
}

TEST(ElementRanking, DescendingCountsTiesByNumberNoZeroNoHydrogen)
{
    std::array<int, kElementSlots> counts{};
    counts[1] = 50; // hydrogen takes no part
    counts[8] = counts[11] = 3;
    counts[16] = counts[26] = 5;
    counts[199] = 3; // the last one ranked
    counts[200] = 9; // beyond the ranked range
    const auto ranks = RankElements(counts);
    EXPECT_EQ((std::array{ranks[0].element, ranks[1].element, ranks[2].element, ranks[3].element, ranks[4].element}),
        (std::array{16, 26, 8, 11, 199}));
    EXPECT_EQ(ranks[3].count, 3);
    EXPECT_EQ(ranks[5].count, 0);
    // Only nine are ranked.
    std::array<int, kElementSlots> many{};
    for (int e = 2; e <= 20; ++e)
        many[static_cast<std::size_t>(e)] = e;
    const auto top = RankElements(many);
    EXPECT_EQ(top[8].element, 12);
    EXPECT_EQ(top[9].count, 0);
}

TEST(ElementRanking, CountsDoNotWrapAt256)
{
    // 300 remedies with iron, 50 with sulphur: iron must stay first.
    std::vector<fixtures::MineralCodeSpec> records(300, {0, {kIron}});
    records.insert(records.end(), 50, {0, {kSulphur, 255, 0, kSulphur}});
    auto opened = Open(records);
    const CMineralFilterModel& model = *opened->model;
    EXPECT_EQ((std::array{model.ElementCount(kIron), model.ElementCount(kSulphur), model.ElementCount(255),
                  model.Ranks()[0].element, model.ShownRankOfCell(kIronCell), model.ShownRankOfCell(kSulphurCell)}),
        (std::array{300, 100, 0, kIron, 0, 1}));
}

// Clicks on the table, its boxes and its group list, then OK: what is kept, described and refused.
struct SelectionCase
{
    const char* name;
    std::vector<fixtures::MineralCodeSpec> records; // remedy code c has records[c - 1]
    std::vector<std::string> steps; // L<cell>, R<cell>, G<group>, V and H for the boxes
    std::vector<RemedyKey> excluded;
    std::string elements;
    std::string group;
    bool noSelection;
    std::vector<std::string> messages;
};

void Step(CMineralFilterModel& model, const std::string& step)
{
    const int n = step.size() > 1 ? std::stoi(step.substr(1)) : 0;
    switch (step[0]) {
    case 'L': return model.LeftButtonOnCell(n);
    case 'R': return model.RightButtonOnCell(n);
    case 'G': return model.SelectGroup(n);
    case 'V': return model.VerticalClicked(!model.IsVertical());
    default: return model.HorizontalClicked(!model.IsHorizontal());
    }
}

const fixtures::MineralCodeSpec kS{0, {kSulphur}}, kFe{0, {kIron}}, kCu{0, {kCopper}}, kNone{};
const std::string kGroupRefused = "Unselect group and then select individual element";

const SelectionCase kSelections[] = {
    {"Nothing", {{1, {kIron}}, kS}, {}, {}, "", "", true, {}},
    // Two elements keep only a remedy holding both; without one, each keeps its own, as a block element (cerium) does.
    {"TwoElementsNoneHoldsBoth", {kS, {0, {kIron, 8}}, kCu, kNone, {0, {58}}}, {"L61", "L51", "L118"}, {30, 40},
        "Sulphur Iron Element58 ", "", false, {}},
    {"TwoElementsOneHoldsBoth", {kFe, {0, {8, kSulphur, kIron}}, kS, kCu}, {"L51", "L61"}, {40}, "Sulphur ", "", false,
        {}},
    // Gaps and clicks off the table select nothing; a second click unselects.
    {"GapsAndToggles", {kFe, kS}, {"L25", "L-1", "L61", "L61", "L51"}, {10}, "Sulphur ", "", false, {}},
    // A right click selects column 2 and row 3 (scandium's); left clicks are then refused.
    {"RowAndColumn", {{0, {21}}, kFe, kS, {0, {57}}}, {"R56", "L51", "L-1"}, {30}, "For Column 2  And For Row 3", "",
        false, {kGroupRefused, kGroupRefused}},
    {"SecondAnchorRefused", {kFe}, {"R56", "R61"}, {}, "For Column 2  And For Row 3", "", false,
        {"Only one coloumn and row can be selected"}},
    {"AnchorAgainClears", {kFe}, {"R56", "R56"}, {}, "For Column 2  And For Row 3", "", true, {}},
    {"BlockRefused", {{0, {21}}, kS}, {"R130", "R56"}, {20}, "For Column 2  And For Row 3", "", false,
        {"Row and column selection is not available"}},
    // A refused right click still flips the row-and-column toggle, which leaves the element names out.
    {"SinglesFirst", {kS}, {"L51", "R56"}, {}, "", "", false,
        {"Unselect all individual elements and then select group"}},
    // The last row ends before the block (cerium, 58).
    {"LastRowColumn", {{0, {68}}, {0, {88}}, {0, {58}}}, {"R110"}, {10, 30}, "For Column 2  And For Row 6", "", false,
        {}},
    // Column 9 ends at platinum (78), before the block's lanthanum (57) below it.
    {"ColumnOnly", {kFe, {0, {57}}, {0, {78}}}, {"H", "R63"}, {10, 20}, "For Column 9", "", false, {}},
    // Row 1 without its column loses helium above it, and ends before sodium, the first cell of row 2; unchecking
    // Horizontal keeps the column, with rubidium below the end of row 3.
    {"RowOnly", {{0, {2}}, {0, {11}}, {0, {3, 10}}}, {"R35", "V"}, {10, 20}, "For Row 1", "", false, {}},
    {"ColumnOnlyAfterTheClick", {{0, {37}}, {0, {20}}}, {"R54", "H"}, {20}, "For Column 0", "", false, {}},
    {"GroupOnly", {{2, {kIron}}, {1, {}}, {2, {}}, kS}, {"G1"}, {20, 40}, "", "Carbonates", false, {}},
    // Hydrogen is scanned after a row-and-column selection made and cleared.
    {"HydrogenAfterAClearedAnchor", {{0, {1, 8}}, kFe}, {"R56", "R56", "L0"}, {20},
        "For Column 2  And For Row 3Element1 ", "", false, {}},
};

TEST(MineralSelection, OkKeepsAndDescribes)
{
    for (const SelectionCase& c : kSelections) {
        auto opened = Open(c.records);
        for (const std::string& step : c.steps)
            Step(*opened->model, step);
        KingdomFilterState state{!c.noSelection};
        const MineralFilterResult result = opened->model->Ok(state);
        EXPECT_EQ(result.m_arrExcluded, c.excluded) << c.name;
        EXPECT_EQ(result.m_strElements, c.elements) << c.name;
        EXPECT_EQ(result.m_strGroup, c.group) << c.name;
        EXPECT_EQ(state.m_bMineralNoSelection, c.noSelection) << c.name;
        EXPECT_EQ(opened->sink.Texts(), c.messages) << c.name;
    }
}

} // namespace
