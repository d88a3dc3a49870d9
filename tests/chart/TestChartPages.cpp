// The printed chart's page layout as data, measured by a stand-in for the fonts: every cell of the chart on
// exactly one page, every page's block whole, the rubrics whole, a header on every page, nothing off the paper.
#include "casedata/TextCodec.h"
#include "chart/ChartCsv.h"
#include "chart/ChartPages.h"
#include "engine/MethodsFixture.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"
#include "state/SaveNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

using namespace quillon;
using quillon::testing::MethodsCase;

namespace {

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

} // namespace

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
