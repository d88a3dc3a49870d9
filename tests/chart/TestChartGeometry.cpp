// The chart's hit test, scroll ranges, drop zones and scrolled symptom lines, and the drop of a symptom on a
// clipboard.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "chart/ChartGeometry.h"
#include "engine/ClipboardDrop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace quillon {
namespace {

// The specified layout keeps 11 rows and 25 drawn columns (14 inside the window) whatever the view's size, its bars
// showing beyond 11 symptoms and 13 remedies; only its chart frame narrows to the area that holds the view, so that
// the 14th column's right border stays inside.
TEST(ChartGeometry, SpecifiedLayoutKeepsItsRowsAndColumnsAndItsLastBorderInside)
{
    const struct
    {
        int screenWidth, areaWidth, chartWidth;
    } cases[] = {
        {1280, 0, 1280}, // no area known: the screen's width
        {1280, 1276, 1274}, // a maximised chart 4 pixels narrower than the screen
        {1280, 1282, 1280}, {1280, 1281, 1279}, // never wider than the screen; one pixel short of it with its margin
    };
    for (const auto& c : cases) {
        const ChartGeometry g(c.screenWidth, 800, ChartArea{c.areaWidth, 900, 2000, false});
        EXPECT_EQ(g.ChartWidth(), c.chartWidth) << c.screenWidth << " in " << c.areaWidth;
        EXPECT_EQ(g.GridCellRect(13).right, c.chartWidth) << c.areaWidth;
        if (c.areaWidth > 0) {
            EXPECT_LT(g.GridCellRect(13).right - 1, c.areaWidth - 1) << c.areaWidth;
        }
        EXPECT_EQ(std::tuple(g.VisibleSymptoms(), g.SymptomLineCount(), g.DrawnColumns(), g.GridCellCount()),
            std::tuple(11, 13, 25, 330));
        EXPECT_EQ(std::tuple(g.SymptomRange(30).maximum, g.RemedyRange(30).maximum, g.SymptomPage(), g.RemedyPage()),
            std::tuple(19, 17, 3, 11));
        EXPECT_EQ(std::tuple(g.SymptomRange(11).shown, g.SymptomRange(12).shown, g.RemedyRange(13).shown,
                      g.RemedyRange(14).shown),
            std::tuple(false, true, false, true));
        EXPECT_EQ(g.BottomShift(), 0);
        EXPECT_EQ(g.Layout().remedyBar, ChartGeometry(c.screenWidth, 800, ChartArea{c.areaWidth}).Layout().remedyBar);
    }
}

// A chart fitted to its view shows as many whole rows and columns as the view holds: the view one pixel short of
// another row or column shows one fewer. The bars page by what is in sight.
TEST(ChartGeometry, FittedChartHoldsTheRowsAndColumnsThatFitAndPagesByThem)
{
    const struct
    {
        int screenWidth, screenHeight, areaWidth, viewWidth, viewHeight;
        int rows, columns, symptomMaximum, remedyMaximum, symptomPage, remedyPage;
    } cases[] = {
        {1280, 800, 1276, 1276, 750, 17, 14, 13, 26, 9, 11}, // maximised at 1280 x 800
        {1280, 800, 1276, 1276, 749, 16, 14, 14, 26, 8, 11},
        {1280, 800, 1280, 1013, 595, 11, 9, 19, 31, 3, 6}, // a restored frame
        {1280, 800, 1280, 1012, 595, 11, 8, 19, 32, 3, 5}, {1280, 800, 1280, 1000, 594, 10, 8, 20, 32, 2, 5},
        {1280, 800, 1280, 900, 10, 1, 6, 29, 34, 1, 3}, // never fewer than one row
    };
    for (const auto& c : cases) {
        const ChartGeometry g(c.screenWidth, c.screenHeight, ChartArea{c.areaWidth, c.viewWidth, c.viewHeight, true});
        const std::string at = std::to_string(c.viewWidth) + "x" + std::to_string(c.viewHeight);
        EXPECT_EQ(std::pair(g.VisibleSymptoms(), g.DrawnColumns()), std::pair(c.rows, c.columns)) << at;
        // Every drawn column lies inside the view; the next one would not.
        EXPECT_LE(g.GridCellRect(c.columns - 1).right, c.viewWidth - 2) << at;
        EXPECT_GT(g.Cx(355 + 35 * c.columns + 30), c.viewWidth - 2) << at;
        // The last row's cells exist; nothing lies below them.
        EXPECT_NE(g.GridCell(ChartGeometry::GridKey(c.rows + 1, c.columns - 1)), nullptr) << at;
        EXPECT_EQ(g.GridCell(ChartGeometry::GridKey(c.rows + 2, 0)), nullptr) << at;
        EXPECT_EQ(std::tuple(g.SymptomRange(30).maximum, g.RemedyRange(40).maximum, g.SymptomPage(), g.RemedyPage()),
            std::tuple(c.symptomMaximum, c.remedyMaximum, c.symptomPage, c.remedyPage))
            << at;
        // A result that fits whole shows no bar.
        EXPECT_FALSE(g.SymptomRange(c.rows).shown || g.RemedyRange(c.columns).shown) << at;
        EXPECT_TRUE(g.SymptomRange(c.rows + 1).shown && g.RemedyRange(c.columns + 1).shown) << at;
        // The bars under the chart follow its last row, inside the view when the rows fit.
        const ChartRect lastRow = g.GridCellRect(ChartGeometry::GridKey(c.rows + 1, 0));
        EXPECT_GT(g.Layout().remedyBar.top, lastRow.bottom) << at;
        EXPECT_EQ(g.Layout().symptomTextBar.top, g.Layout().remedyBar.top) << at;
        if (c.rows > 1) {
            EXPECT_LE(g.HeightForRows(c.rows), c.viewHeight) << at;
        }
        EXPECT_LE(g.Layout().remedyBar.right, c.viewWidth) << at;
    }
}

TEST(ChartGeometry, FittedChartHitsItsExtraRowsAndColumnsAndFollowsTheSplitter)
{
    ChartGeometry g(1280, 800, ChartArea{1276, 1276, 750, true});
    const auto all = [](int s) { return s >= 0 && s < 40; };
    // Line 18 (the 17th symptom row) at position 5 is symptom 21; a point below the last line hits nothing.
    const ChartRect line = g.SymptomLineRect(18);
    ChartHit hit = g.HitTest(line.left + 5, line.top + 5, 5, all, 0, 40);
    EXPECT_TRUE(hit.onSymptom);
    EXPECT_EQ(hit.symptom, 21);
    EXPECT_EQ(g.SymptomLineAt(line.left + 5, line.bottom + g.Cy(22)), -1);
    // The totality cell of column 13 at remedy position 26 is remedy 39.
    const ChartRect cell = g.GridCellRect(13);
    hit = g.HitTest(cell.left + 3, cell.top + 3, 0, all, 26, 40);
    EXPECT_TRUE(hit.hit && !hit.onSymptom);
    EXPECT_EQ(hit.remedy, 39);
    // The splitter moved left: the grid starts at 200 and four more columns fit.
    g.KeepGridOrigin(200);
    EXPECT_EQ(g.DrawnColumns(), 18);
    EXPECT_EQ(g.TotalityColumnAt(g.GridCellRect(17).left + 1, g.GridCellRect(17).top + 1), 17);
    EXPECT_EQ(g.TotalityColumnAt(g.Cx(200 + 35 * 18) + 1, g.GridCellRect(17).top + 1), -1);
}

TEST(ChartGeometry, DropZonesCoverTheClipboardButtonsOnly)
{
    const ChartGeometry g(640, 480); // one pixel per control unit
    const std::tuple<int, int, DropZone> cases[] = {
        {100, 50, DropZone::Clipboard1},
        {600, 50, DropZone::SymptomsCovered},
        {120, 50, DropZone::None}, // right and bottom edges lie outside
        {100, 66, DropZone::None},
    };
    for (const auto& [x, y, zone] : cases)
        EXPECT_EQ(g.DropZoneAt(x, y), zone) << x << "," << y;
}

TEST(ChartGeometry, HitTestPrefersSymptomLinesThenTotalityCells)
{
    const ChartGeometry g(840, 680);
    const auto below = [](int limit) { return [limit](int s) { return s >= 0 && s < limit; }; };
    // Line 3 at symptom position 4 is symptom 5; without that symptom, no hit.
    ChartHit hit = g.HitTest(100, 230, 4, below(20), 0, 30);
    EXPECT_TRUE(hit.hit && hit.onSymptom);
    EXPECT_EQ(hit.symptom, 5);
    hit = g.HitTest(100, 230, 4, below(5), 0, 30);
    EXPECT_FALSE(hit.hit);
    EXPECT_EQ(hit.symptom, -1);
    // Totality cell 2 at remedy position 17: remedy 19, a hit only when it exists.
    hit = g.HitTest(430, 170, 0, below(20), 17, 30);
    EXPECT_TRUE(hit.hit && !hit.onSymptom);
    EXPECT_EQ(hit.remedy, 19);
    EXPECT_FALSE(g.HitTest(430, 170, 0, below(20), 17, 19).hit);
    // A grade cell and the gap between two columns are no hit.
    EXPECT_FALSE(g.HitTest(430, 230, 0, below(20), 0, 30).hit);
    EXPECT_FALSE(g.HitTest(387, 170, 0, below(20), 0, 30).hit);
    EXPECT_EQ(g.SymptomLineAt(100, 430), 12);
    EXPECT_EQ(g.SymptomLineAt(100, 190), -1); // line 1 carries no symptom
}

TEST(ChartGeometry, ScrolledSymptomLineKeepsOnlyTheBracketRule)
{
    EXPECT_EQ(ComposeScrolledSymptomLine("[Kent] MIND - ANXIETY", 1), "[KT] MIND - ANXIETY");
    EXPECT_EQ(ComposeScrolledSymptomLine("MIND - ANXIETY", 1), "MIND - ANXIETY");
    EXPECT_EQ(ComposeScrolledSymptomLine("a]b]c", 0), "[ ]b]c");
    EXPECT_EQ(ComposeScrolledSymptomLine(std::string(700, 'x'), 3).size(), 499u);
}

TEST(ClipboardDrop, KeepsEachClipboardsListsKeysAndTheStoreInStep)
{
    RecordingMessageSink sink;
    CPracticeFolder folder;
    CCaseStore store(folder, sink);
    std::vector<std::unique_ptr<CSymptomRecord>> records;
    for (const char* text : {"HEAD - PAIN", "MIND - FEAR", "HEAD - PAIN"}) {
        records.push_back(std::make_unique<CSymptomRecord>());
        records.back()->m_pszText = text;
        store.m_mapRepSymptoms.push_back(records.back().get());
    }
    // symptom, clipboard, outcome
    const std::tuple<int, int, DropOutcome> drops[] = {
        {0, 1, DropOutcome::Dropped},
        {0, 1, DropOutcome::AlreadyThere},
        {2, 1, DropOutcome::AlreadyThere}, // another record with the same text
        {1, 0, DropOutcome::Dropped},
        {0, 0, DropOutcome::Dropped},
        {-1, 0, DropOutcome::NoSymptom},
        {3, 0, DropOutcome::NoSymptom},
        {0, 3, DropOutcome::NoSymptom},
        {0, -1, DropOutcome::NoSymptom},
    };
    for (const auto& [symptom, k, outcome] : drops)
        EXPECT_EQ(DropSymptomOnClipboard(store, symptom, k, sink), outcome) << symptom << " on " << k;
    EXPECT_EQ(sink.Texts(),
        (std::vector<std::string>{"HEAD - PAIN Symptom Dropped on Clipboard 2",
            "HEAD - PAIN this Symptom is already on this clipboard  2",
            "HEAD - PAIN this Symptom is already on this clipboard  2", "MIND - FEAR Symptom Dropped on Clipboard 1",
            "HEAD - PAIN Symptom Dropped on Clipboard 1"}));
    EXPECT_EQ(store.m_arrClipboards[0], (std::vector<CSymptomRecord*>{records[1].get(), records[0].get()}));
    EXPECT_EQ(store.m_arrClipboards[1], (std::vector<CSymptomRecord*>{records[0].get()}));
    EXPECT_TRUE(store.m_arrClipboards[2].empty());
}

} // namespace
} // namespace quillon
