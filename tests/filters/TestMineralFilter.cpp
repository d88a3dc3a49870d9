// The mineral filter's rules: the table, the ranking, the selection state machine and OK.
#include "filters/MineralFilter.h"

#include "PeriodicFixture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace quillon;
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

fixtures::MineralCodeSpec Record(std::uint16_t group, std::array<std::uint8_t, 4> elements = {})
{
    return {group, elements};
}

std::set<int> SelectedCells(const CMineralFilterModel& model)
{
    std::set<int> cells;
    for (int i = 0; i < kCellCount; ++i)
        if (model.IsSelected(i))
            cells.insert(i);
    return cells;
}

} // namespace

TEST(PeriodicTable, GeometryAndHitTest)
{
    const CellRect first = CellRectOf(0);
    EXPECT_EQ((std::array{first.left, first.top, first.right, first.bottom}), (std::array{16, 30, 48, 62}));
    const CellRect scandium = CellRectOf(56);
    EXPECT_EQ((std::array{scandium.left, scandium.top}), (std::array{82, 129}));
    const CellRect actinium = CellRectOf(132);
    EXPECT_EQ((std::array{actinium.left, actinium.top}), (std::array{116, 298}));
    EXPECT_EQ(CellRectOf(146).right, 116 + 33 * 14 + 32);

    auto opened = Open({});
    const CMineralFilterModel& model = *opened->model;
    EXPECT_EQ(model.HitTest(16, 30), 0);
    EXPECT_EQ(model.HitTest(47, 61), 0);
    EXPECT_EQ(model.HitTest(48, 30), -1); // right edge and the 1-pixel gap
    EXPECT_EQ(model.HitTest(16, 62), -1);
    EXPECT_EQ(model.HitTest(49 + 33 * 3, 40), -1); // a gap of period 1 is never hit
    EXPECT_EQ(model.HitTest(16 + 33 * 7 + 5, 63 + 5), 25); // a gap of period 2 is
    EXPECT_EQ(model.HitTest(116, 265), 117);
    EXPECT_EQ(model.HitTest(0, 0), -1);
}

TEST(PeriodicTable, CellsTakeTheirLinesInOrder)
{
    auto opened = Open({});
    const CMineralFilterModel& model = *opened->model;
    EXPECT_TRUE(opened->sink.Messages().empty());
    EXPECT_EQ(model.Cell(kSulphurCell).name, "Sulphur");
    EXPECT_EQ(model.Cell(kSulphurCell).number, 16);
    EXPECT_EQ(model.Cell(kIronCell).symbol, "Fe");
    EXPECT_EQ(model.Cell(kIronCell).row, 4);
    EXPECT_EQ(model.Cell(kIronCell).column, 8);
    EXPECT_TRUE(model.Cell(5).IsBlank());
    EXPECT_EQ(model.Cell(116).number, 109);
    EXPECT_EQ(model.Cell(117).number, 57);
    EXPECT_EQ(model.Cell(146).number, 103);
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

TEST(MineralFilter, UnreadableTableFilesOpenAnEmptyTable)
{
    TempFolder folder;
    folder.Write("othergrp.txt", kGroupList);
    folder.Write("minrcode.dat", fixtures::EncodeMineralCodes({{}, Record(1, {16})}));
    RecordingMessageSink sink;
    CMineralFilterModel model(sink);
    model.Load(CPracticeFolder(folder.Path()), FilterRemediesFromCodes({1}));
    EXPECT_EQ(sink.Messages(),
        (std::vector<Message>{{"Error reading file", "period.txt", MessageIcon::Error},
            {"Error reading file", "lanth.txt", MessageIcon::Error}}));
    EXPECT_EQ(model.Groups().size(), 3u);
    sink.Clear();
    model.LeftButtonOnCell(kSulphurCell);
    model.RightButtonOnCell(56);
    EXPECT_TRUE(SelectedCells(model).empty());
    // A chosen group still keeps its remedies.
    model.SelectGroup(0);
    KingdomFilterState state;
    EXPECT_TRUE(model.Ok(state).m_arrExcluded.empty());
    EXPECT_FALSE(state.m_bMineralNoSelection);
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
    counts[8] = 3;
    counts[16] = 5;
    counts[26] = 5;
    counts[11] = 3;
    counts[200] = 9; // beyond the ranked range
    const auto ranks = RankElements(counts);
    EXPECT_EQ(ranks[0].element, 16);
    EXPECT_EQ(ranks[1].element, 26);
    EXPECT_EQ(ranks[2].element, 8);
    EXPECT_EQ(ranks[3].element, 11);
    EXPECT_EQ(ranks[3].count, 3);
    EXPECT_EQ(ranks[4].count, 0);
    EXPECT_EQ(ranks[4].element, 0);

    // Only nine are ranked; the tenth entry stays empty.
    std::array<int, kElementSlots> many{};
    for (int e = 2; e <= 20; ++e)
        many[static_cast<std::size_t>(e)] = e;
    const auto top = RankElements(many);
    EXPECT_EQ(top[0].element, 20);
    EXPECT_EQ(top[8].element, 12);
    EXPECT_EQ(top[9].count, 0);
}

TEST(ElementRanking, CountsDoNotWrapAt256)
{
    // 300 remedies with iron, 50 with sulphur: iron must stay first.
    std::vector<fixtures::MineralCodeSpec> records(300, Record(0, {kIron}));
    records.insert(records.end(), 50, Record(0, {kSulphur, 255, 0, kSulphur}));
    auto opened = Open(records);
    EXPECT_EQ(opened->model->ElementCount(kIron), 300);
    EXPECT_EQ(opened->model->ElementCount(kSulphur), 100);
    EXPECT_EQ(opened->model->Ranks()[0].element, kIron);
    EXPECT_EQ(opened->model->ShownRankOfCell(kIronCell), 0);
    EXPECT_EQ(opened->model->ShownRankOfCell(kSulphurCell), 1);
    EXPECT_EQ(opened->model->ElementCount(255), 0);
}

TEST(MineralFilter, OkWithNothingSelectedKeepsEverything)
{
    auto opened = Open({Record(1, {kIron}), Record(0, {kSulphur})});
    KingdomFilterState state;
    const MineralFilterResult result = opened->model->Ok(state);
    EXPECT_TRUE(state.m_bMineralNoSelection);
    EXPECT_TRUE(result.m_arrExcluded.empty());
    EXPECT_EQ(result.m_strElements, "");
    EXPECT_EQ(result.m_strGroup, "");
}

TEST(MineralFilter, SulphurAndIronWithoutARemedyHoldingBoth)
{
    auto opened = Open({Record(0, {kSulphur}), Record(0, {kIron, 8}), Record(0, {kCopper}), Record(0, {})});
    CMineralFilterModel& model = *opened->model;
    model.LeftButtonOnCell(kIronCell);
    model.LeftButtonOnCell(kSulphurCell);
    EXPECT_EQ(model.SelectedCount(), 2);
    KingdomFilterState state{true};
    const MineralFilterResult result = model.Ok(state);
    EXPECT_FALSE(state.m_bMineralNoSelection);
    EXPECT_EQ(result.m_strElements, "Sulphur Iron ");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{30, 40}));
}

TEST(MineralFilter, SulphurAndIronWithARemedyHoldingBoth)
{
    auto opened
        = Open({Record(0, {kIron}), Record(0, {8, kSulphur, kIron}), Record(0, {kSulphur}), Record(0, {kCopper})});
    CMineralFilterModel& model = *opened->model;
    model.LeftButton(CellRectOf(kSulphurCell).left + 3, CellRectOf(kSulphurCell).top + 3);
    model.LeftButton(CellRectOf(kIronCell).left + 3, CellRectOf(kIronCell).top + 3);
    KingdomFilterState state;
    const MineralFilterResult result = model.Ok(state);
    EXPECT_EQ(result.m_strElements, "Sulphur ");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{40}));
}

TEST(MineralFilter, LeftButtonTogglesAndIgnoresBlankCells)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    model.LeftButtonOnCell(25); // a gap
    model.LeftButtonOnCell(-1);
    EXPECT_EQ(model.SelectedCount(), 0);
    model.LeftButtonOnCell(120); // the block can be selected singly
    model.LeftButtonOnCell(kIronCell);
    model.LeftButtonOnCell(kIronCell);
    EXPECT_EQ(SelectedCells(model), (std::set<int>{120}));
    EXPECT_EQ(model.SelectedCount(), 1);
    EXPECT_TRUE(opened->sink.Messages().empty());
}

TEST(MineralFilter, RightClickOnScandiumSelectsColumnTwoAndRowThree)
{
    auto opened = Open({Record(0, {21}), Record(0, {kIron}), Record(0, {kSulphur}), Record(0, {57})});
    CMineralFilterModel& model = *opened->model;
    model.RightButton(CellRectOf(56).left + 10, CellRectOf(56).top + 10);
    EXPECT_EQ(model.ElementsText(), "For Column 2  And For Row 3");
    std::set<int> expected{56, 74, 92, 110};
    for (int i = 54; i <= 71; ++i)
        expected.insert(i);
    EXPECT_EQ(SelectedCells(model), expected);
    EXPECT_TRUE(model.IsGroupSelection());
    EXPECT_EQ(model.AnchorCell(), 56);

    // Left clicks are refused anywhere, also off the table.
    model.LeftButtonOnCell(kSulphurCell);
    model.LeftButtonOnCell(-1);
    EXPECT_EQ(opened->sink.Texts(),
        (std::vector<std::string>{
            "Unselect group and then select individual element", "Unselect group and then select individual element"}));
    EXPECT_EQ(opened->sink.Messages()[0].icon, MessageIcon::Information);
    EXPECT_FALSE(model.IsSelected(kSulphurCell));

    KingdomFilterState state{true};
    const MineralFilterResult result = model.Ok(state);
    EXPECT_FALSE(state.m_bMineralNoSelection);
    // The row and column have their own description; no names are added.
    EXPECT_EQ(result.m_strElements, "For Column 2  And For Row 3");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{30}));
}

TEST(MineralFilter, SecondAnchorRefusedAndSecondClickOnTheAnchorClears)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    model.RightButtonOnCell(56);
    const std::set<int> selected = SelectedCells(model);
    model.RightButtonOnCell(kIronCell);
    EXPECT_EQ(opened->sink.Texts(), (std::vector<std::string>{"Only one coloumn and row can be selected"}));
    EXPECT_EQ(SelectedCells(model), selected);
    EXPECT_EQ(model.LastRightCell(), kIronCell);
    // The refused click flipped the toggle; a click off the table flips it back.
    model.RightButtonOnCell(-1);
    EXPECT_EQ(model.LastRightCell(), -1);
    model.RightButtonOnCell(56);
    EXPECT_TRUE(SelectedCells(model).empty());
    EXPECT_FALSE(model.IsGroupSelection());
    EXPECT_EQ(model.ElementsText(), "For Column 2  And For Row 3");
}

TEST(MineralFilter, RightClickOnTheBlockOrWithSinglesIsRefused)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    model.RightButtonOnCell(120);
    EXPECT_EQ(opened->sink.Texts(), (std::vector<std::string>{"Row and column selection is not available"}));
    EXPECT_TRUE(SelectedCells(model).empty());
    EXPECT_TRUE(model.RowColumnToggle());

    opened->sink.Clear();
    model.LeftButtonOnCell(kSulphurCell);
    model.RightButtonOnCell(56);
    EXPECT_EQ(
        opened->sink.Texts(), (std::vector<std::string>{"Unselect all individual elements and then select group"}));
    EXPECT_EQ(SelectedCells(model), (std::set<int>{kSulphurCell}));
}

TEST(MineralFilter, ColumnOfTheLastRowNeverRunsIntoTheBlock)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    // Column 2 of row 6 is cell 110; cells 128, 146 lie in the block and must stay out.
    model.RightButtonOnCell(110);
    EXPECT_EQ(model.ElementsText(), "For Column 2  And For Row 6");
    for (int i = kMainCells; i < kCellCount; ++i)
        EXPECT_FALSE(model.IsSelected(i)) << i;
    EXPECT_TRUE(model.IsSelected(116));
    EXPECT_TRUE(model.IsSelected(56));
}

TEST(MineralFilter, VerticalAndHorizontalBoxes)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    model.HorizontalClicked(false);
    EXPECT_EQ(model.ElementsText(), "For Column 0");
    model.RightButtonOnCell(56);
    EXPECT_EQ(model.ElementsText(), "For Column 2");
    EXPECT_EQ(SelectedCells(model), (std::set<int>{56, 74, 92, 110}));
    model.VerticalClicked(false);
    EXPECT_EQ(model.ElementsText(), "");
    EXPECT_EQ(SelectedCells(model), (std::set<int>{56}));
    EXPECT_FALSE(model.IsGroupSelection());
    model.HorizontalClicked(true);
    EXPECT_EQ(model.ElementsText(), "For Row 3");
    model.VerticalClicked(true);
    EXPECT_EQ(model.ElementsText(), "For Column 2  And For Row 3");
    EXPECT_EQ(SelectedCells(model), (std::set<int>{56}));
}

TEST(MineralFilter, GroupOnlySelection)
{
    auto opened = Open({Record(2, {kIron}), Record(1, {}), Record(2, {}), Record(0, {kSulphur})});
    CMineralFilterModel& model = *opened->model;
    model.SelectGroup(1);
    KingdomFilterState state{true};
    const MineralFilterResult result = model.Ok(state);
    EXPECT_FALSE(state.m_bMineralNoSelection);
    EXPECT_EQ(result.m_strElements, "");
    EXPECT_EQ(result.m_strGroup, "Carbonates");
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20, 40}));
}

TEST(MineralFilter, HydrogenIsScannedAfterARightClickElsewhere)
{
    // A row-and-column selection made and cleared on column 2, then hydrogen chosen singly.
    auto opened = Open({Record(0, {1, 8}), Record(0, {kIron})});
    CMineralFilterModel& model = *opened->model;
    model.RightButtonOnCell(56);
    model.RightButtonOnCell(56);
    model.LeftButtonOnCell(0);
    KingdomFilterState state;
    const MineralFilterResult result = model.Ok(state);
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20}));
    EXPECT_EQ(result.m_strElements, "For Column 2  And For Row 3Element1 ");
}

TEST(MineralFilter, HoverLabelShowsNameAndNumber)
{
    auto opened = Open({});
    CMineralFilterModel& model = *opened->model;
    const CellRect iron = CellRectOf(kIronCell);
    EXPECT_TRUE(model.MouseMove(iron.left + 1, iron.top + 1));
    EXPECT_EQ(model.HoverText(), "Iron 26");
    EXPECT_FALSE(model.MouseMove(iron.left + 2, iron.top + 2));
    // A gap of period 2 changes nothing; off the table the label empties.
    EXPECT_FALSE(model.MouseMove(16 + 33 * 7 + 5, 63 + 5));
    EXPECT_EQ(model.HoverText(), "Iron 26");
    EXPECT_TRUE(model.MouseMove(0, 0));
    EXPECT_EQ(model.HoverText(), "");
    EXPECT_EQ(model.HoverCell(), 0);
}

TEST(MineralFilter, RefusedRightClickDoesNotUnselectTheNextAnchor)
{
    auto opened = Open({Record(0, {21}), Record(0, {kSulphur})});
    CMineralFilterModel& model = *opened->model;
    model.RightButtonOnCell(130); // refused: the block
    model.RightButtonOnCell(56);
    EXPECT_TRUE(model.IsSelected(56));
    EXPECT_TRUE(model.IsSelected(74));
    EXPECT_TRUE(model.IsSelected(55));
    EXPECT_TRUE(model.IsGroupSelection());
    KingdomFilterState state;
    const MineralFilterResult result = model.Ok(state);
    // Scandium's remedy stays, and the description names the row and column only.
    EXPECT_EQ(result.m_arrExcluded, (std::vector<RemedyKey>{20}));
    EXPECT_EQ(result.m_strElements, "For Column 2  And For Row 3");
    model.RightButtonOnCell(56);
    EXPECT_TRUE(SelectedCells(model).empty());
}
