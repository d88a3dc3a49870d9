// The mineral filter's rules: the table, the ranking, the selection state machine and OK.
#include "filters/MineralFilter.h"
#include "fixtures/PeriodicTableFiles.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>

using namespace quillon;
using namespace quillon::fixtures;
using namespace quillon::testing;

namespace {

const std::string kGroupList = fixtures::EncodeLineList({"Acids", "Carbonates", "Halides"});

struct Opened
{
    RecordingMessageSink sink;
    std::string period = PeriodText();
    std::string lanth = LanthText();
    std::string groups = kGroupList;
    std::string codes;
    std::unique_ptr<CMineralFilterModel> model;
};

// Remedy code c (1-based) gets records[c - 1]; every remedy of the file is in the result.
std::unique_ptr<Opened> Open(const std::vector<fixtures::MineralCodeSpec>& records)
{
    auto opened = std::make_unique<Opened>();
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

} // namespace

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
