// The chart's core: its hit test, scroll ranges, drop zones and scrolled symptom lines, and the drop of a symptom on
// a clipboard; the printed chart's page layout as data, measured by a stand-in for the fonts (every cell of the chart
// on exactly one page, every page's block whole, the rubrics whole, a header on every page, nothing off the paper),
// and the CSV export.
#include "casedata/CaseStore.h"
#include "casedata/TextCodec.h"
#include "chart/ChartCsv.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartPages.h"
#include "engine/ClipboardDrop.h"
#include "engine/MethodsFixture.h"
#include "engine/RepertoryTable.h"
#include "state/SaveNames.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace quillon {
namespace {

using testing::MethodsCase;

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

// 4 points a character, 10 points a line, whatever the font.
class FixedMeasure final : public IPageTextMeasure
{
public:
    double Width(PageFont, std::string_view text) const override
    {
        double width = 0;
        for (const char c : text)
            width += (static_cast<unsigned char>(c) & 0xC0u) == 0x80u ? 0 : 4;
        return width;
    }
    double LineHeight(PageFont) const override { return 10; }
};

const FixedMeasure kMeasure;

// 41 remedies over 23 symptoms: remedy c is in symptom s unless c + s is a multiple of 3; symptom 5's rubric runs
// over several lines.
MethodsCase WideChart()
{
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int c = 0; c < 41; ++c)
        remedies.push_back({"R" + std::to_string(100 + c) + ".", "Remedium " + std::to_string(c)});
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    for (int s = 0; s < 23; ++s) {
        std::string text = "[Kent] RUBRIC " + std::to_string(s);
        if (s == 5)
            for (int w = 0; w < 30; ++w)
                text += " word" + std::to_string(w);
        fixtures::SymptomSpec symptom{text, 'F', 1, 2, {}};
        for (int c = 0; c < 41; ++c)
            if ((c + s) % 3 != 0)
                symptom.remedies.push_back({c, (c + s) % 4 + 1});
        visit.symptoms.push_back(symptom);
    }
    return MethodsCase(visit, remedies);
}

const ChartPagesHeader kHeader{"Anna", "1001", "05/11/2002", "Repertorisation: Normal"};

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

bool HasText(const ChartPage& page, const std::string& text, PageAlign align)
{
    for (const PageText& t : page.texts)
        if (t.text == text && t.align == align)
            return true;
    return false;
}

TEST(ChartPages, EveryCsvCellStandsOnExactlyOnePageAndEveryBlockIsWhole)
{
    const MethodsCase c = WideChart();
    const CRepEngine& engine = *c.engine;
    const ChartPageLayout layout = LayOutChartPages(engine, kHeader, 400, 300, kMeasure);
    // Cells of every page, by remedy and symptom.
    std::map<std::pair<int, int>, std::vector<std::string>> placed;
    std::set<std::pair<int, int>> blocks;
    for (const ChartPage& page : layout.pages) {
        ASSERT_LT(page.remedyFrom, page.remedyTo);
        ASSERT_LT(page.symptomFrom, page.symptomTo);
        blocks.emplace(page.remedyFrom, page.symptomFrom);
        std::set<std::pair<int, int>> block;
        for (const PageCell& cell : page.cells) {
            block.emplace(cell.remedy, cell.symptom);
            placed[{cell.remedy, cell.symptom}].push_back(cell.text);
        }
        std::set<std::pair<int, int>> whole;
        for (int r = page.remedyFrom; r < page.remedyTo; ++r)
            for (int s = kTotalityRow; s < page.symptomTo; s = s == kCoveredRow ? page.symptomFrom : s + 1)
                whole.emplace(r, s);
        EXPECT_EQ(block, whole) << "page of remedy " << page.remedyFrom << ", symptom " << page.symptomFrom;
        EXPECT_EQ(page.cells.size(), whole.size());
    }
    // More than one block each way, and the last ones short: 41 remedies and 23 symptoms fill no page evenly.
    EXPECT_EQ(layout.pages.size(), blocks.size());
    EXPECT_GT(layout.pages.front().remedyTo, 1);
    EXPECT_GT(layout.pages.size(), 4u);

    std::stringstream csv(ChartCsv(engine, c.state.m_pRemedyCatalogue.get()));
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(csv, line);)
        rows.push_back(Fields(line.substr(0, line.size() - 1)));
    ASSERT_EQ(rows.size(), 4u + 23u);
    for (const auto& row : rows)
        ASSERT_EQ(row.size(), 42u);
    int nonEmpty = 0;
    for (std::size_t row = 2; row < rows.size(); ++row) {
        const int s = row == 2 ? kTotalityRow : row == 3 ? kCoveredRow : static_cast<int>(row) - 4;
        for (std::size_t col = 1; col < rows[row].size(); ++col) {
            const int r = static_cast<int>(col) - 1;
            const std::vector<std::string>& on = placed[{r, s}];
            // The count rows stand on every page of their remedies; a grade on exactly one page.
            if (s >= 0) {
                ASSERT_EQ(on.size(), 1u) << r << "," << s;
            }
            ASSERT_FALSE(on.empty()) << r << "," << s;
            EXPECT_EQ(on.front(), rows[row][col]) << r << "," << s;
            nonEmpty += rows[row][col].empty() ? 0 : 1;
        }
    }
    EXPECT_GT(nonEmpty, 41 * 23 / 2);
}

TEST(ChartPages, RubricsWrapWholeAtBlanks)
{
    struct Case
    {
        const char* text;
        double width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> table{
        {"aa bb cc", 20, {"aa bb", "cc"}}, // "aa bb" is 20 points: it fits exactly
        {"aaa bb cc", 23, {"aaa", "bb cc"}}, // "aaa bb" would be 24
        {"abcdefghij", 20, {"abcde", "fghij"}}, // a word wider than the line is broken inside
        {"  lead  two  ", 100, {"lead  two"}}, // the blanks at the ends go, those inside stay
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xC3\xA9", 20,
            {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9"}}, // characters, not bytes
        {"", 20, {}}, {"x", 1, {"x"}}, // at least one character a line
    };
    for (const Case& c : table)
        EXPECT_EQ(WrapPageText(c.text, c.width, PageFont::Rubric, kMeasure), c.lines) << c.text;

    // On the page: the long rubric's row holds its whole text in lines of the rubric column, and grows to fit.
    const MethodsCase c = WideChart();
    const ChartPageLayout layout = LayOutChartPages(*c.engine, kHeader, 400, 300, kMeasure);
    const ChartPage& page = layout.pages.front();
    std::map<int, PageRect> rowOf;
    for (const PageCell& cell : page.cells)
        rowOf[cell.symptom] = cell.box;
    ASSERT_TRUE(rowOf.contains(5));
    std::vector<std::string> lines;
    for (const PageText& text : page.texts)
        if (text.font == PageFont::Rubric && text.box.top >= rowOf[5].top && text.box.Bottom() <= rowOf[5].Bottom()) {
            EXPECT_LE(kMeasure.Width(PageFont::Rubric, text.text), text.box.width);
            EXPECT_LE(text.box.Right(), 400 * 0.34);
            lines.push_back(text.text);
        }
    ASSERT_GT(lines.size(), 2u);
    std::string whole = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i)
        whole += " " + lines[i];
    EXPECT_EQ(whole, ComposeSymptomLine(c.engine->Symptom(5)->m_pszText, 1, std::string::npos));
    EXPECT_DOUBLE_EQ(rowOf[5].height, static_cast<double>(lines.size()) * 10 + 4);
    EXPECT_DOUBLE_EQ(rowOf[4].height, 14);
}

TEST(ChartPages, EveryPageSaysWhoseAndWhichPartAndStaysOnThePaper)
{
    const MethodsCase c = WideChart();
    // Landscape A4, landscape Letter and portrait A4 without their 10 mm margins, in points.
    for (const auto& [width, height] : {std::pair{785.3, 538.6}, {735.3, 555.3}, {538.6, 785.3}}) {
        const ChartPageLayout layout = LayOutChartPages(*c.engine, kHeader, width, height, kMeasure);
        const std::string total = std::to_string(layout.pages.size());
        for (std::size_t i = 0; i < layout.pages.size(); ++i) {
            const ChartPage& page = layout.pages[i];
            EXPECT_TRUE(HasText(page, "Page " + std::to_string(i + 1) + " of " + total, PageAlign::Right));
            EXPECT_TRUE(HasText(page,
                "Remedies " + std::to_string(page.remedyFrom + 1) + "\xE2\x80\x93" + std::to_string(page.remedyTo)
                    + "    Symptoms " + std::to_string(page.symptomFrom + 1) + "\xE2\x80\x93"
                    + std::to_string(page.symptomTo),
                PageAlign::Right));
            EXPECT_TRUE(HasText(page, "Patient: Anna    Reg No: 1001    Visit date: 05/11/2002", PageAlign::Left));
            EXPECT_TRUE(HasText(page, "Repertorisation: Normal", PageAlign::Left));
            for (const PageCell& cell : page.cells) {
                EXPECT_LE(cell.box.Right(), width + 1e-9);
                EXPECT_LE(cell.box.Bottom(), height + 1e-9);
            }
        }
        // The wider page holds more remedies.
        if (width > 780) {
            EXPECT_GT(layout.pages.front().remedyTo, 30);
        }
    }
}

TEST(ChartPages, ARubricLongerThanAPageGoesOnWithItsRow)
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    std::string text = "[Kent] LONG";
    for (int w = 0; w < 200; ++w)
        text += " w" + std::to_string(w % 10);
    visit.symptoms = {{"[Kent] SHORT", 'F', 1, 2, {{0, 2}}}, {text, 'F', 1, 2, {{0, 3}, {1, 1}}}};
    const MethodsCase c(visit, {{"Acon.", "Aconitum"}, {"Bell.", "Belladonna"}});
    const ChartPageLayout layout = LayOutChartPages(*c.engine, kHeader, 400, 200, kMeasure);
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(layout.pages[0].symptomTo, 1);
    std::string whole;
    for (const ChartPage& page : layout.pages) {
        for (const PageText& t : page.texts)
            if (t.font == PageFont::Rubric && t.text != "[KT] SHORT") {
                EXPECT_LE(t.box.Bottom(), 200);
                whole += (whole.empty() ? "" : " ") + t.text;
            }
        // Its row carries its grades on each page it runs over: Bell's 1 ends the cells.
        if (&page != &layout.pages[0]) {
            EXPECT_EQ(page.symptomFrom, 1);
            EXPECT_EQ(page.cells.back().text, "1");
        }
    }
    EXPECT_EQ(whole, "[KT" + text.substr(5));
}

TEST(SaveNames, SayWhoseAndWhichVisitInCharactersAFileNameHolds)
{
    struct Case
    {
        const char* regNo;
        const char* name;
        const char* date;
        const char* what;
        std::string expected;
    };
    const std::vector<Case> table{
        {"A/7",
            "Ren\xE9"
            "e \"Dubois\"",
            "1:2*3?", "Covered Nux-v",
            "A-7 Ren\xE9"
            "e -Dubois- 1-2-3- Covered Nux-v.pdf"},
        {"10\\01", " <Li> |Wu| ", "", "Stability", "10-01 -Li- -Wu- Stability.pdf"},
        {"", "", "", "", "Quillon.pdf"},
        {"7", "Tab\tName\x7F", "05/11/2002", "", "7 Tab-Name- 05-11-2002.pdf"},
    };
    for (const Case& c : table)
        EXPECT_EQ(SuggestedFileName(c.regNo, c.name, c.date, c.what, "pdf"), c.expected) << c.expected;
}

} // namespace
} // namespace quillon
