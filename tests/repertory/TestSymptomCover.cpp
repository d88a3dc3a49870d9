// The symptoms-covered report, its printed layout and the chart's CSV export, on small exact cases.
#include "MethodsFixture.h"
#include "repertory/ChartCsv.h"
#include "repertory/RepEngine.h"
#include "repertory/SymptomCover.h"

#include <gtest/gtest.h>

using namespace quillon;
using quillon::testing::MethodsCase;

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

TEST(SymptomCover, PrintedRowsSplitLongLinesAndBreakPages)
{
    const auto text = [](std::size_t n) { return std::string(n, 'a'); };
    SymptomCoverReport report;
    report.remedy = {"Acon", 0};
    report.covered = {{3, text(100)}, {2, text(150)}, {2, "short"}};
    report.notCovered = {{5, "missed"}};
    const auto pages = LayOutCoverPrint(report, {"Anna", "05/11/2002 extra", "1001"}, 60);
    ASSERT_EQ(pages.size(), 1u);
    const auto& texts = pages[0].texts;
    const auto at = [&](int row, int column) {
        for (const PrintText& t : texts)
            if (t.row == row && t.column == column)
                return t.text;
        return std::string("(none)");
    };
    EXPECT_EQ(at(3, 66), "05/11/2002");
    // 100 characters: two rows, the second indented by level + 8, then an empty row.
    EXPECT_EQ(at(10, 2), " 1.");
    EXPECT_EQ(at(10, 8), text(70));
    EXPECT_EQ(at(11, 11), text(30));
    // 150 characters: three rows, then an empty row.
    EXPECT_EQ(at(13, 2), " 2.");
    EXPECT_EQ(at(14, 10), text(70));
    EXPECT_EQ(at(15, 10), text(10));
    EXPECT_EQ(at(17, 8), "short");
    // The second section: rule, heading, rule, entries, closing rule.
    EXPECT_EQ(at(21, 2), "Symptoms Not Covered by Remedy:");
    EXPECT_EQ(at(24, 8), "missed");
    EXPECT_EQ(pages[0].rules, (std::vector<int>{9, 19, 23, 25}));

    // Twelve rows a page: the covered entries break after row 12, and a second heading that would pass the
    // last row starts its own page.
    report.covered.assign(5, {2, "line"});
    const auto small = LayOutCoverPrint(report, {}, 12);
    ASSERT_EQ(small.size(), 2u);
    EXPECT_EQ(small[0].texts.back().row, 12);
    EXPECT_EQ(small[1].texts.front().text, " 4.");
    EXPECT_EQ(small[1].texts.front().row, 1);
    EXPECT_EQ(small[1].rules, (std::vector<int>{4, 8, 10}));
}

TEST(ChartCsv, WritesEveryRemedyAndQuotesWhatNeedsIt)
{
    fixtures::VisitSpec visit{1, 1, 2002, {}};
    visit.symptoms = {
        {"[K] MIND - FEAR, \"of death\"", 'M', 1, 2, {{0, 3}, {3, 1}}},
        {"HEAD - PAIN", 'F', 2, 2, {{3, 2}, {3, 3}}},
        {"[K] SKIN", 'F', 1, 2, {{7, 0}}},
    };
    const MethodsCase c(visit, kRemedies);
    // Display order by totality: Calc 6, Acon 3, then the code the catalogue does not know; a field holding a
    // comma or a quote is quoted, its quotes doubled, and every row ends in CRLF.
    EXPECT_EQ(ChartCsv(*c.engine, c.state.m_pRemedyCatalogue.get()),
        "Symptom,Calc,Acon,\r\nFull name,Calcarea carbonica,Aconitum napellus,\r\nTotality,6,3,0\r\n"
        "Symptoms covered,3,1,1\r\n\"[KT] MIND - FEAR, \"\"of death\"\"\",1,3,\r\n[PH] HEAD - PAIN,3,,\r\n"
        "[KT] SKIN,,,0\r\n");
}
