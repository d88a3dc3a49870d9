// The chart's hit test, scroll ranges, drop zones and scrolled symptom lines, and the drop of a symptom on a
// clipboard.
#include "casedata/CaseStore.h"
#include "casedata/PracticeFolder.h"
#include "chart/ChartGeometry.h"
#include "engine/ClipboardDrop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quillon {
namespace {

TEST(ChartGeometry, ScrollBarsShowBeyondElevenSymptomsAndThirteenRemedies)
{
    // count, shown, maximum
    for (const auto& [count, shown, maximum] : {std::array{0, 0, 0}, {11, 0, 11}, {12, 1, 1}, {30, 1, 19}})
        EXPECT_EQ(std::pair(SymptomScrollRange(count).shown, SymptomScrollRange(count).maximum),
            std::pair(shown == 1, maximum))
            << count;
    for (const auto& [count, shown, maximum] : {std::array{13, 0, 13}, {14, 1, 1}, {30, 1, 17}})
        EXPECT_EQ(
            std::pair(RemedyScrollRange(count).shown, RemedyScrollRange(count).maximum), std::pair(shown == 1, maximum))
            << count;
}

TEST(ChartGeometry, DropZonesCoverTheClipboardButtonsOnly)
{
    const ChartGeometry g(640, 480); // one pixel per control unit
    const std::tuple<int, int, DropZone> cases[] = {
        {100, 50, DropZone::Clipboard1},
        {124, 41, DropZone::Clipboard2},
        {179, 65, DropZone::Clipboard3},
        {600, 50, DropZone::SymptomsCovered},
        {120, 50, DropZone::None}, // right and bottom edges lie outside
        {100, 66, DropZone::None},
        {152, 50, DropZone::None}, // the gap between two zones
        {300, 200, DropZone::None},
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
    EXPECT_EQ(ComposeScrolledSymptomLine("[X] y", 99), "[ ] y"); // unknown repertory: the blank entry
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
