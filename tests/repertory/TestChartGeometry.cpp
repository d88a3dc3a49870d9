// Tests of the chart's geometry (design frames, cells, hot spots, drop zones, splitter, hit test, scroll ranges)
// and of the drop of a symptom on a clipboard.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "repertory/ChartGeometry.h"
#include "repertory/ClipboardDrop.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quillon {
namespace {

TEST(ChartGeometry, FramesScaleWithTruncation)
{
    const ChartGeometry g(1920, 1080);
    EXPECT_EQ(g.Sx(640), 1920);
    EXPECT_EQ(g.Sy(480), 1080);
    EXPECT_EQ(g.Cx(840), 1920);
    EXPECT_EQ(g.Cy(680), 1080);
    EXPECT_EQ(g.Cx(355), 811); // 811.43 truncated
    EXPECT_EQ(g.Cy(160), 254); // 254.12
    EXPECT_EQ(g.Sx(95), 285);
    EXPECT_EQ(g.Sy(41), 92); // 92.25
    const ChartGeometry small(800, 600);
    EXPECT_EQ(small.Cx(355), 338); // 338.10
    EXPECT_EQ(small.Cy(204), 180);
}

TEST(ChartGeometry, CellSetsFollowTheGridOrigin)
{
    ChartGeometry g(840, 680); // one pixel per chart unit
    ASSERT_NE(g.SymptomLine(12), nullptr);
    EXPECT_EQ(g.SymptomLine(13), nullptr);
    EXPECT_EQ(g.SymptomLine(2)->rect, (ChartRect{75, 204, 350, 224}));
    EXPECT_EQ(g.SymptomLine(12)->rect, (ChartRect{75, 424, 350, 444}));
    EXPECT_EQ(g.GridCell(0)->rect, (ChartRect{355, 160, 385, 180}));
    EXPECT_EQ(g.GridCell(ChartGeometry::GridKey(1, 3))->rect, (ChartRect{460, 182, 490, 202}));
    // The last row has only eighteen cells.
    ASSERT_NE(g.GridCell(ChartGeometry::GridKey(12, 17)), nullptr);
    EXPECT_EQ(g.GridCell(ChartGeometry::GridKey(12, 17))->rect, (ChartRect{950, 424, 980, 444}));
    EXPECT_EQ(g.GridCell(ChartGeometry::GridKey(12, 18)), nullptr);
    EXPECT_EQ(g.GridCellRect(330), ChartRect{});
    // Column 13 is the last inside the chart frame's width.
    EXPECT_EQ(g.GridCell(13)->rect.right, 840);

    g.LayOutCells(205);
    EXPECT_EQ(g.SymptomLine(5)->rect, (ChartRect{75, 270, 200, 290}));
    EXPECT_EQ(g.GridCell(ChartGeometry::GridKey(2, 1))->rect, (ChartRect{240, 204, 270, 224}));
}

TEST(ChartGeometry, ScrollRangesAndVisibility)
{
    EXPECT_EQ(SymptomScrollRange(0).maximum, 0);
    EXPECT_FALSE(SymptomScrollRange(11).shown);
    EXPECT_EQ(SymptomScrollRange(11).maximum, 11);
    EXPECT_TRUE(SymptomScrollRange(12).shown);
    EXPECT_EQ(SymptomScrollRange(12).maximum, 1);
    EXPECT_FALSE(RemedyScrollRange(13).shown);
    EXPECT_EQ(RemedyScrollRange(13).maximum, 13);
    EXPECT_TRUE(RemedyScrollRange(14).shown);
    EXPECT_EQ(RemedyScrollRange(30).maximum, 17);
}

TEST(ChartGeometry, DropZonesCoverTheClipboardButtons)
{
    const ChartGeometry g(640, 480); // one pixel per control unit
    EXPECT_EQ(g.DropZoneAt(100, 50), DropZone::Clipboard1);
    EXPECT_EQ(g.DropZoneAt(124, 41), DropZone::Clipboard2);
    EXPECT_EQ(g.DropZoneAt(179, 65), DropZone::Clipboard3);
    EXPECT_EQ(g.DropZoneAt(600, 50), DropZone::SymptomsCovered);
    // Right and bottom edges lie outside; the gaps between zones belong to none.
    EXPECT_EQ(g.DropZoneAt(120, 50), DropZone::None);
    EXPECT_EQ(g.DropZoneAt(100, 66), DropZone::None);
    EXPECT_EQ(g.DropZoneAt(152, 50), DropZone::None);
    EXPECT_EQ(g.DropZoneAt(300, 200), DropZone::None);
}

TEST(ChartGeometry, StartLayoutOfHotSpotsGripAndStrips)
{
    const ChartGeometry g(1280, 1024);
    EXPECT_EQ(g.TotalityHotSpot(), (ChartRect{g.Sx(185), g.Sy(112), g.Sx(250), g.Sy(127)}));
    EXPECT_EQ(g.CoveredHotSpot(), (ChartRect{g.Sx(155), g.Sy(128), g.Sx(250), g.Sy(145)}));
    EXPECT_EQ(g.NameHotSpot(), (ChartRect{g.Sx(165), g.Sy(94), g.Sx(250), g.Sy(111)}));
    EXPECT_EQ(g.SplitterGrip(), (ChartRect{g.Cx(350), g.Cy(445), g.Cx(360), g.Cy(475)}));
    EXPECT_EQ(g.RemedyNameStrip(), (ChartRect{g.Cx(355), g.Cy(100), g.Cx(839), g.Cy(161)}));
    EXPECT_EQ(g.CoveredRowStrip(), (ChartRect{g.Cx(355), g.Cy(182), g.Cx(839), g.Cy(205)}));
    EXPECT_EQ(g.GridOrigin(), kInitialGridOrigin);
    EXPECT_TRUE(g.InLabelHotSpot(g.Sx(200), g.Sy(120)));
    EXPECT_FALSE(g.InLabelHotSpot(g.Sx(300), g.Sy(120)));
}

TEST(ChartGeometry, SplitterReleaseMovesEverythingFromX)
{
    ChartGeometry g(1680, 1050);
    const int x = 500;
    g.ReleaseSplitter(x);
    EXPECT_EQ(g.GridOrigin(), 500 * 840 / 1680 + 5);
    EXPECT_EQ(g.GridCell(0)->rect.left, 255);
    EXPECT_EQ(g.SymptomLine(2)->rect.right, 250);
    const SplitterLayout& l = g.Layout();
    EXPECT_EQ(l.marks[0], (ChartRect{x + g.Sx(3), g.Sy(316), x + g.Sx(3) + g.Sx(2), g.Sy(316) + g.Sy(18)}));
    EXPECT_EQ(l.marks[3], (ChartRect{x - g.Sx(2), g.Sy(333), x - g.Sx(2) + g.Sx(6), g.Sy(333) + g.Sy(2)}));
    EXPECT_EQ(g.SplitterGrip(), (ChartRect{x - g.Sx(3), g.Sy(315), x + g.Sx(5), g.Sy(335)}));
    const int dx = g.Cx(255) - g.Cx(355); // the labels moved with x0
    EXPECT_EQ(g.TotalityHotSpot(), (ChartRect{g.Sx(185) + dx, g.Sy(112), g.Sx(250) + dx, g.Sy(127)}));
    EXPECT_EQ(g.CoveredHotSpot(), (ChartRect{g.Sx(155) + dx, g.Sy(128), g.Sx(250) + dx, g.Sy(145)}));
    EXPECT_EQ(g.NameHotSpot(), (ChartRect{g.Sx(165) + dx, g.Sy(94), g.Sx(250) + dx, g.Sy(111)}));
    EXPECT_EQ(l.symptomTextBar, (ChartRect{g.Sx(57), g.Sy(318), g.Sx(57) + x - g.Sx(68), g.Sy(318) + g.Sy(15)}));
    EXPECT_EQ(l.remedyBar, (ChartRect{x + g.Sx(8), g.Sy(318), g.Sx(620) + g.Sx(8), g.Sy(318) + g.Sy(15)}));
    EXPECT_EQ(g.RemedyNameStrip(), (ChartRect{x, g.Sy(70), g.Sx(839), g.Sy(115)}));
    // A copy keeps the moved layout.
    const ChartGeometry copy = g;
    EXPECT_EQ(copy.GridOrigin(), g.GridOrigin());
    EXPECT_EQ(copy.GridCellRect(40), g.GridCellRect(40));
}

TEST(ChartGeometry, HitTestPrefersSymptomLinesThenTotalityCells)
{
    const ChartGeometry g(840, 680);
    const auto below = [](int limit) { return [limit](int s) { return s >= 0 && s < limit; }; };
    // Line 3 at symptom position 4 is symptom 5.
    ChartHit hit = g.HitTest(100, 230, 4, below(20), 0, 30);
    EXPECT_TRUE(hit.hit);
    EXPECT_TRUE(hit.onSymptom);
    EXPECT_EQ(hit.symptom, 5);
    // The same line without that symptom is no hit.
    hit = g.HitTest(100, 230, 4, below(5), 0, 30);
    EXPECT_FALSE(hit.hit);
    EXPECT_EQ(hit.symptom, -1);
    // Totality cell 2 at remedy position 17: remedy 19, a hit only when it exists.
    hit = g.HitTest(430, 170, 0, below(20), 17, 30);
    EXPECT_TRUE(hit.hit);
    EXPECT_FALSE(hit.onSymptom);
    EXPECT_EQ(hit.remedy, 19);
    hit = g.HitTest(430, 170, 0, below(20), 17, 19);
    EXPECT_FALSE(hit.hit);
    EXPECT_EQ(hit.remedy, 19);
    // A grade cell and the gap between two columns are no hit.
    EXPECT_FALSE(g.HitTest(430, 230, 0, below(20), 0, 30).hit);
    EXPECT_FALSE(g.HitTest(387, 170, 0, below(20), 0, 30).hit);
    EXPECT_EQ(g.TotalityColumnAt(430, 170), 2);
    EXPECT_EQ(g.TotalityColumnAt(430, 190), -1);
    EXPECT_EQ(g.SymptomLineAt(100, 430), 12);
    EXPECT_EQ(g.SymptomLineAt(100, 190), -1); // line 1 carries no symptom
}

TEST(ChartGeometry, ScrolledSymptomLineKeepsOnlyTheBracketRule)
{
    EXPECT_EQ(ComposeScrolledSymptomLine("[Kent] MIND - ANXIETY", 1), "[KT] MIND - ANXIETY");
    EXPECT_EQ(ComposeScrolledSymptomLine("MIND - ANXIETY", 1), "MIND - ANXIETY");
    EXPECT_EQ(ComposeScrolledSymptomLine("a]b]c", 0), "[ ]b]c");
    const std::string longText(700, 'x');
    EXPECT_EQ(ComposeScrolledSymptomLine(longText, 3).size(), 499u);
    EXPECT_EQ(ComposeScrolledSymptomLine("[X] y", 99), "[ ] y"); // unknown repertory: the blank entry
}

class ClipboardDropTest : public ::testing::Test
{
protected:
    ClipboardDropTest() : m_folder(m_temp.Path()), m_store(m_folder, m_sink)
    {
        for (const char* text : {"HEAD - PAIN", "MIND - FEAR", "HEAD - PAIN"}) {
            auto record = std::make_unique<CSymptomRecord>();
            record->m_pszText = text;
            m_store.m_mapRepSymptoms.push_back(record.get());
            m_records.push_back(std::move(record));
        }
    }

    testing::TempFolder m_temp;
    CPracticeFolder m_folder;
    RecordingMessageSink m_sink;
    CCaseStore m_store;
    std::vector<std::unique_ptr<CSymptomRecord>> m_records;
    ChartClipboards m_clip;
};

TEST_F(ClipboardDropTest, SameTextTwiceIsRefusedTheSecondTime)
{
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, 1, m_sink), DropOutcome::Dropped);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, 1, m_sink), DropOutcome::AlreadyThere);
    // Another record with the same text counts as the same symptom.
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 2, 1, m_sink), DropOutcome::AlreadyThere);
    ASSERT_EQ(m_sink.Texts().size(), 3u);
    EXPECT_EQ(m_sink.Texts()[0], "HEAD - PAIN Symptom Dropped on Clipboard 2");
    EXPECT_EQ(m_sink.Texts()[1], "HEAD - PAIN this Symptom is already on this clipboard  2");
    EXPECT_EQ(m_clip.m_mapClip[1].size(), 1u);
    EXPECT_EQ(m_clip.m_nClipNextKey[1], 1);
    EXPECT_EQ(m_clip.m_nClipCount[1], 1);
    ASSERT_EQ(m_store.m_mapClipboard2.size(), 1u);
    EXPECT_EQ(m_store.m_mapClipboard2[0], m_records[0].get());
    EXPECT_TRUE(m_store.m_mapClipboard1.empty());
    EXPECT_TRUE(m_clip.m_mapClip[0].empty());
}

TEST_F(ClipboardDropTest, EachClipboardKeepsItsOwnListsAndKeys)
{
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, 0, m_sink), DropOutcome::Dropped);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 1, 0, m_sink), DropOutcome::Dropped);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 1, 2, m_sink), DropOutcome::Dropped);
    EXPECT_EQ(m_sink.Texts().back(), "MIND - FEAR Symptom Dropped on Clipboard 3");
    EXPECT_EQ(m_store.m_mapClipboard1, (std::vector<CSymptomRecord*>{m_records[0].get(), m_records[1].get()}));
    EXPECT_EQ(m_store.m_mapClipboard3, (std::vector<CSymptomRecord*>{m_records[1].get()}));
    EXPECT_EQ(m_clip.m_nClipNextKey[0], 2);
    EXPECT_EQ(m_clip.m_nClipCount[2], 1);
    // A key already in use is replaced rather than leaving a hole.
    m_clip.m_nClipNextKey[2] = 0;
    m_clip.m_mapClip[2].clear();
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, 2, m_sink), DropOutcome::Dropped);
    EXPECT_EQ(m_clip.m_mapClip[2], (std::vector<CSymptomRecord*>{m_records[0].get()}));
}

TEST_F(ClipboardDropTest, NoSymptomChangesNothingAndSaysNothing)
{
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, -1, 0, m_sink), DropOutcome::NoSymptom);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 3, 0, m_sink), DropOutcome::NoSymptom);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, 3, m_sink), DropOutcome::NoSymptom);
    EXPECT_EQ(DropSymptomOnClipboard(m_store, m_clip, 0, -1, m_sink), DropOutcome::NoSymptom);
    EXPECT_TRUE(m_sink.Texts().empty());
    EXPECT_TRUE(m_store.m_mapClipboard1.empty());
    EXPECT_EQ(m_clip.m_nClipNextKey, (std::array<int, 3>{0, 0, 0}));
}

} // namespace
} // namespace quillon
