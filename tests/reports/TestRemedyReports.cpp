// The Drug List's search and the Full Remedy List's records, orders, search and saved file; the symptoms-covered
// report, its printed layout and the chart's CSV export, on small exact cases.
#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"
#include "chart/ChartCsv.h"
#include "engine/MethodsFixture.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"
#include "reports/DrugList.h"
#include "reports/FullRemedyList.h"
#include "reports/SymptomCover.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quillon;
using quillon::testing::MethodsCase;

TEST(DrugList, SearchSplitAndClamp)
{
    const CDrugListModel list(
        {{4, "Bell", 9, 3}, {0, "acon", 7, 3}, {7, "Calc-phos", 5, 2}, {8, "Calc-p", 5, 2}, {1, "Alum", 1, 1}});
    struct Case
    {
        const char* text;
        int selected, sent;
    } const cases[] = {
        {"", 1, 1}, // an empty box searches "A", letter case ignored
        {"CALC", 2, 2}, {"calc-phoX", 2, 2}, // only the first 8 characters count
        {"calc-p:", 3, 3}, // the row text, colons included
        {"Zinc", 0, -1}, // no match: the first row is selected and -1 sent
    };
    for (const Case& c : cases) {
        const DrugSearchResult r = list.Search(c.text);
        EXPECT_EQ(r.selected, c.selected) << c.text;
        EXPECT_EQ(r.sent, c.sent) << c.text;
    }
    EXPECT_EQ(CDrugListModel({}).Search("A").selected, -1);

    EXPECT_EQ(list.Lines()[2], "Calc-phos:5:2:");
    const DrugListFields f = SplitDrugListRow(std::string(35, 'x') + ":1234567890123:42");
    // The covered count lies past the 47 characters read.
    EXPECT_EQ(f.abbreviation + '|' + f.totality + '|' + f.covered, std::string(29, 'x') + "|123456789|");
    EXPECT_EQ(SplitDrugListRow(std::string(29, 'x') + ":123456789:12345678:").covered, "1234567");

    for (const auto& [index, maximum, expected] :
        std::vector<std::tuple<int, int, int>>{{-1, 17, 0}, {29, 17, 17}, {5, 17, 5}, {3, 0, 0}})
        EXPECT_EQ(ClampRemedyPosition(index, maximum), expected) << index;
}

class FullRemedyListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto images = fixtures::EncodeCatalogue({{"Acon.", "Aconitum napellus"}, {"Bell.", "Belladonna"},
            {"bry.", "Bryonia alba"}, {"Calc.", "Calcarea carbonica"}});
        catalogue = CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
        symptom.m_pszText = "MIND - ANXIETY";
        // Bell twice (grade 1, then 3), Calc twice at grade 1; codes 41 and 40 are not in the catalogue.
        const std::pair<int, int> entries[] = {{1, 1}, {3, 1}, {2, 3}, {41, 1}, {0, 1}, {1, 3}, {40, 1}, {3, 1}};
        for (const auto& [code, grade] : entries) {
            const auto [high, low] = fixtures::EncodeRemedyCode(code);
            symptom.m_pRemedies.insert(symptom.m_pRemedies.end(), {std::uint8_t('0' + grade), high, low});
        }
        symptom.m_pRemedies.push_back(0);
        symptom.m_nRemedyCount = 8;
    }

    static std::vector<int> Codes(const CFullRemedyList& list)
    {
        std::vector<int> codes;
        for (const RemedyResult& item : list.Items())
            codes.push_back(item.code);
        return codes;
    }

    RecordingMessageSink sink;
    std::unique_ptr<CRemedyCatalogue> catalogue;
    CSymptomRecord symptom;
};

TEST_F(FullRemedyListTest, RecordsOrdersAndSearch)
{
    CFullRemedyList list(symptom, catalogue.get());
    EXPECT_EQ(list.CountText(), "Remedies (8)");
    // 60 x grade + entries: Bell 182, bry 181, Calc 62, then three of 61 by name and equal names by code.
    EXPECT_EQ(Codes(list), (std::vector<int>{1, 2, 3, 40, 41, 0}));
    EXPECT_EQ(list.ItemText(0), "3: Bell");
    EXPECT_EQ(list.Items()[0].covered, 2);
    EXPECT_EQ(list.FullName(0), "Belladonna");
    EXPECT_EQ(list.FullName(3), "");
    list.Sort(RemedyListOrder::Remedy);
    EXPECT_EQ(Codes(list), (std::vector<int>{40, 41, 0, 1, 2, 3})); // "bry" between "Bell" and "Calc"
    for (const auto& [text, current, expected] : std::vector<std::tuple<const char*, int, int>>{
             {"BR", 0, 4}, {"c", 0, 5}, {"", 3, 0}, {"Zinc", 3, 3}, {"Bella", 1, 1}})
        EXPECT_EQ(list.Search(text, current), expected) << text;
}

TEST_F(FullRemedyListTest, SavesTheListAsShownWholeOrNotAtAll)
{
    const quillon::testing::TempFolder folder;
    const CFullRemedyList list(symptom, catalogue.get());
    const std::string expected = "MIND - ANXIETY\nTotal Drugs\t:8\n\n"
                                 "3 Bell      :Belladonna\n3 bry       :Bryonia alba\n1 Calc      :Calcarea carbonica\n"
                                 "1           :\n1           :\n1 Acon      :Aconitum napellus\n";
    ASSERT_TRUE(list.Save(folder.Path() / "list.txt", sink));
    EXPECT_EQ(quillon::testing::ReadBytes(folder.Path() / "list.txt"), expected);
    EXPECT_FALSE(list.Save(folder.Path() / "missing" / "list.txt", sink));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"File is Succesfully Created", "Error Creating File"}));
}

namespace {

// The report of the chart row showing this name, as the chart hands it over: by the row's code.
SymptomCoverReport ReportOfRow(const MethodsCase& c, std::string_view name)
{
    const CRepEngine& engine = *c.engine;
    for (int r = 0; r < engine.RemedyCount(); ++r)
        if (engine.RemedyName(r) == name) {
            const auto choices = CoverRemedies(engine);
            const int item = FindCoverRemedy(choices, engine.SortedRemedy(r)->code);
            return BuildSymptomCover(
                c.state.m_mapRepSymptoms, choices.at(static_cast<std::size_t>(item)), c.state.m_pRemedyCatalogue.get());
        }
    ADD_FAILURE() << "no row " << name;
    return {};
}

// "drug.dat" out of sorted order, with two remedies whose abbreviations differ only in letter case; codes are
// places in abbreviation order: Acon 0, Ars 1, ars 2, Calc 3, Zinc 4.
const std::vector<fixtures::CatalogueRemedy> kRemedies{{"Zinc.", "Zincum metallicum"}, {"Calc.", "Calcarea carbonica"},
    {"Ars.", "Arsenicum album"}, {"ars.", "Arsenicum sulphuratum"}, {"Acon.", "Aconitum napellus"}};

// Levels 2 and 3, a remedy twice in one symptom, a text without "]", a foreign tag and an unknown repertory.
fixtures::VisitSpec ReportVisit()
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    visit.symptoms = {
        {"[Kent] MIND - ANXIETY", 'M', 1, 2, {{0, 3}, {1, 1}}},
        {"[Boger] HEAD - PAIN", 'F', 5, 3, {{1, 2}, {0, 1}, {0, 3}}},
        {"STOMACH - NAUSEA", 'F', 1, 2, {{0, 2}}},
        {"[Kent] CHEST - COUGH", 'F', 1, 4, {{2, 2}}},
        {"x] SKIN", 'F', 40, 9, {{3, 1}, {4, 1}, {6, 1}, {5, 2}}},
    };
    return visit;
}

} // namespace

TEST(SymptomCover, ListsComposeTheLinesFromTheRowsCode)
{
    const MethodsCase c(ReportVisit(), kRemedies);
    EXPECT_EQ(CoverRemedies(*c.engine),
        (std::vector<CoverRemedy>{{"", 5}, {"", 6}, {"Acon", 0}, {"Ars", 1}, {"ars", 2}, {"Calc", 3}, {"Zinc", 4}}));
    const CoverLine anxiety{2, "[KT] MIND - ANXIETY"}, head{3, "[BG] HEAD - PAIN"}, chest{4, "[KT] CHEST - COUGH"},
        skin{9, "[ ] SKIN"};
    struct Row
    {
        const char* name;
        std::vector<CoverLine> covered;
        std::vector<CoverLine> notCovered;
        const char* fullName;
    };
    const std::vector<Row> table{
        {"Acon", {{2, "[KT] MIND - ANXIETY (3)"}, {3, "[BG] HEAD - PAIN (1)"}}, {chest, skin}, "Aconitum napellus"},
        {"Ars", {{2, "[KT] MIND - ANXIETY (1)"}, {3, "[BG] HEAD - PAIN (2)"}}, {chest, skin}, "Arsenicum album"},
        {"ars", {{4, "[KT] CHEST - COUGH (2)"}}, {anxiety, head, skin}, "Arsenicum sulphuratum"},
        {"Zinc", {{9, "[ ] SKIN (1)"}}, {anxiety, head, chest}, "Zincum metallicum"},
    };
    for (const Row& row : table) {
        const SymptomCoverReport report = ReportOfRow(c, row.name);
        EXPECT_EQ(report.covered, row.covered) << row.name;
        EXPECT_EQ(report.notCovered, row.notCovered) << row.name;
        EXPECT_EQ(report.fullName, row.fullName) << row.name;
    }
}

TEST(SymptomCover, PrintedRowsBreakAtTheLastBlankOfTheSeventy)
{
    const auto a = [](std::size_t n) { return std::string(n, 'a'); };
    struct Case
    {
        std::string text;
        std::vector<std::string> pieces;
    };
    const std::vector<Case> table{
        {a(70), {a(70)}}, {a(65) + " " + a(34), {a(65), a(34)}},
        {a(70) + " " + a(29), {a(70), a(29)}}, // a blank just after the 70 ends a full row
        {a(71) + " c", {a(70), "a c"}}, // one just past: no blank ends a row of 70, so the word is split
        {a(150), {a(70), a(70), a(10)}},
        {"[KT] ABDOMEN - PAIN - cramping - extending to - back - and then internally to the hip",
            {"[KT] ABDOMEN - PAIN - cramping - extending to - back - and then", "internally to the hip"}},
        {a(40) + "   " + a(40), {a(40), a(40)}}, // the blanks at the break go
    };
    for (const Case& c : table) {
        const auto pieces = PrintRowPieces(c.text);
        EXPECT_EQ(std::vector<std::string>(pieces.begin(), pieces.end()), c.pieces) << c.text;
    }
}

TEST(SymptomCover, PrintedPagesEachCarryTheHeaderAndTheirNumber)
{
    SymptomCoverReport report;
    report.remedy = {"Acon", 0};
    report.covered
        = {{3, std::string(60, 'a') + " internally" + std::string(20, 'b')}, {2, std::string(150, 'c')}, {2, "short"}};
    report.notCovered = {{5, "missed"}};
    const auto at = [](const PrintPage& page, int row, int column) {
        for (const PrintText& t : page.texts)
            if (t.row == row && t.column == column)
                return t.text;
        return std::string("(none)");
    };
    const auto pages = LayOutCoverPrint(report, {"Anna", "05/11/2002 extra", "1001"}, 60);
    ASSERT_EQ(pages.size(), 1u);
    const PrintPage& page = pages[0];
    // Row, column and text. Of the covered symptoms: two rows, the second indented by level + 8 and starting with
    // the whole word, then an empty row; 150 characters without a blank make three rows, then an empty row. The
    // second section: rule, heading, rule, entries, closing rule.
    const std::tuple<int, int, std::string> texts[]
        = {{1, 72, "Page 1 of 1"}, {3, 66, "05/11/2002"}, {5, 60, "Reg No:"}, {5, 69, "1001"}, {10, 2, " 1."},
            {10, 8, std::string(60, 'a')}, {11, 11, "internally" + std::string(20, 'b')}, {13, 2, " 2."},
            {14, 10, std::string(70, 'c')}, {15, 10, std::string(10, 'c')}, {17, 8, "short"},
            {21, 2, "Symptoms Not Covered by Remedy:"}, {24, 8, "missed"}};
    for (const auto& [row, column, text] : texts)
        EXPECT_EQ(at(page, row, column), text) << row << "," << column;
    EXPECT_EQ(page.rules, (std::vector<int>{9, 19, 23, 25}));

    // Fourteen rows a page: the entries go on below the header of each further page, and the second heading
    // with its first entry does not fit below entry 7, so it starts the third page.
    report.covered.assign(7, {2, "line"});
    const auto small = LayOutCoverPrint(report, {"Anna", "05/11/2002", "1001"}, 10);
    ASSERT_EQ(small.size(), 3u);
    for (std::size_t i = 0; i < small.size(); ++i) {
        EXPECT_EQ(at(small[i], 1, 72), "Page " + std::to_string(i + 1) + " of 3");
        EXPECT_EQ(at(small[i], 3, 16), "Anna"); // the header's other fields lie as on the first page
    }
    for (const auto& [on, row, column, text] : {std::tuple{0, 14, 2, " 5."}, {1, 8, 2, " 6."}, {1, 9, 2, " 7."},
             {1, 10, 2, "(none)"}, {2, 11, 2, "Symptoms Not Covered by Remedy:"}, {2, 14, 8, "missed"}})
        EXPECT_EQ(at(small[on], row, column), text) << on << ":" << row << "," << column;
    EXPECT_EQ(small[1].rules, (std::vector<int>{7}));
    EXPECT_EQ(small[2].rules, (std::vector<int>{7, 9, 13, 15}));
}

TEST(ChartCsv, WritesEveryRemedyAndQuotesWhatNeedsIt)
{
    fixtures::VisitSpec visit{1, 1, 2002, {}};
    visit.symptoms = {
        {"[K] MIND - FEAR, \"of death\"", 'M', 1, 2, {{0, 3}, {3, 1}}},
        {"HEAD - PAIN", 'F', 2, 2, {{3, 2}, {3, 3}}},
        {"[K] SKIN", 'F', 1, 2, {{7, 0}, {0, 2}}},
    };
    const MethodsCase c(visit, kRemedies);
    // Display order by totality: Calc 6, Acon 5, then the code the catalogue does not know; a field holding a
    // comma or a quote is quoted, its quotes doubled, and every row ends in CRLF. A grade stored as 0 leaves the
    // cell empty, as on the chart, beside Acon's 2.
    EXPECT_EQ(ChartCsv(*c.engine, c.state.m_pRemedyCatalogue.get()),
        "Symptom,Calc,Acon,\r\nFull name,Calcarea carbonica,Aconitum napellus,\r\nTotality,6,5,0\r\n"
        "Symptoms covered,3,2,1\r\n\"[KT] MIND - FEAR, \"\"of death\"\"\",1,3,\r\n[PH] HEAD - PAIN,3,,\r\n"
        "[KT] SKIN,,2,\r\n");
}
