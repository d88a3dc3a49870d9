// The conversion dialog's rules, the names it resolves, the listing by mode and mask, the page's cursor, and
// quillon-report materia-medica on the materia medica practice: the view's lines, refusals and failures.
#include "MateriaMedicaFixture.h"

#include "casedata/TextCodec.h"
#include "magnifier/LensGeometry.h"
#include "materiamedica/ConversionModel.h"
#include "materiamedica/MateriaMedicaListing.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <map>

namespace quillon::testing {
namespace {

// The listing as "text=cell|cell;..." then " / " and the summary texts.
std::string Dump(const MateriaMedicaListing& listing)
{
    std::string out;
    for (int r = 0; r < listing.RetainedCount(); ++r) {
        out += listing.lines[static_cast<std::size_t>(r)].text + '=';
        for (int c = 0; c < listing.drugCount; ++c)
            out += (c ? "|" : "") + listing.CellAt(r, c).text;
        out += ';';
    }
    out += " / " + listing.summaryLabel;
    for (const std::string& text : listing.summaryTexts)
        out += ' ' + text;
    return out;
}

struct ListingRow
{
    const char* name;
    int mode;
    int mask;
    std::vector<int> codes;
    std::string expected;
};

TEST(MateriaMedicaListing, RetainsBySelectionModeAndMask)
{
    const std::string blank(10, ' ');
    const int three = 4; // the mark "Three" alone
    const std::vector<ListingRow> rows{
        {"complete", kMMComplete, 63, {1, 2},
            "S0=3:Bell|2:bell;S1=2:Bell|" + blank + ";S3=" + blank
                + "|1:bell; / Symptom Count/Total Weightage: 2/5 2/3"},
        {"differentiate", kMMDifferentiate, 63, {1, 2},
            "S1=2:Bell|" + blank + ";S3=" + blank + "|1:bell; / Symptom Count/Total Weightage: 1/2 1/1"},
        {"differentiate one remedy keeps nothing", kMMDifferentiate, 63, {1}, " / Symptom Count/Total Weightage: 0/0"},
        {"single remedy rubrics", kMMSingleRemedyRubrics, 63, {3}, "S5=2:Calc; / Symptom Count/Total Weightage: 1/2"},
        {"mask Three drops grade 2; grade 0 never counts", kMMComplete, three, {3},
            " / Symptom Count/Total Weightage: 0/0"},
        {"grades outside 1-6 never count, whatever the mask; 6 does", kMMComplete, -1, {3},
            "S2=2:Calc;S5=2:Calc;S6=6:Calc; / Symptom Count/Total Weightage: 3/10"},
        {"one remedy", kMMOneRemedy, 63, {0}, "S0=1:Acon;S2=3:Acon; / Symptom Count/Total Weightage: 2/4"},
        {"a code the catalogue lacks matches nothing, empty label", kMMComplete, 63, {999, 0},
            "S0=" + blank + "|1:Acon;S2=" + blank + "|3:Acon; / Symptom Count/Total Weightage: 0/0 2/4"},
        {"a remedy requested twice fills both columns", kMMCompare, 63, {0, 0},
            "S0=1:Acon|1:Acon;S2=3:Acon|3:Acon; / Symptom Count/Total Weightage: 2/4 2/4"},
    };
    MateriaMedicaCase c;
    for (const ListingRow& row : rows) {
        CMateriaMedicaRequest request;
        request.m_nMode = row.mode;
        request.m_nMarkMask = row.mask;
        request.m_arrSelectedCodes = row.codes;
        const auto listing = BuildMateriaMedica(request, c.state.m_mapRepSymptoms, c.state.m_pRemedyCatalogue.get());
        EXPECT_EQ(Dump(listing), row.expected) << row.name;
    }
}

TEST(ConversionModel, ListsResolvesAndKeepsTheSelection)
{
    MateriaMedicaCase c;
    auto rows = c.methods->BuildRemedyRows();
    ASSERT_TRUE(rows);
    // Remedies of an earlier chart (one the catalogue does not know), a row longer than a search and the list.
    std::vector<ChosenRemedy> chosen{{kMMSulph, "SULPH"}, {999, "Nux"}};
    rows->push_back({kMMCalc, "Calc-phosphoricum:x", 1, 1});
    CConversionModel model(chosen, c.state.Catalogue(), c.sink);
    model.Open(*rows);
    const auto& full = model.FullList();
    const auto at
        = [&](const char* name) { return static_cast<int>(std::find(full.begin(), full.end(), name) - full.begin()); };
    model.AddFromFullList(at("bell"));
    model.AddFromFullList(at("Bell"));
    EXPECT_EQ(model.FullName(), "Belladonna");
    EXPECT_TRUE(model.Search("BE"));
    EXPECT_TRUE(EqualsNoCase(full[static_cast<std::size_t>(model.FullSelection())].substr(0, 2), "be"));
    // Only 7 characters count.
    EXPECT_TRUE(model.Search("calc-phX") && full[static_cast<std::size_t>(model.FullSelection())] == "Calc-phosphoric");
    EXPECT_FALSE(model.Search("Zz"));
    EXPECT_EQ(model.FullName(), "");

    model.SetMark(2, true);
    model.SetAll(true); // unchecks "Three"
    ASSERT_TRUE(model.Ok());
    const auto& request = model.Request();
    EXPECT_EQ(request.m_nMarkMask, 63);
    EXPECT_EQ(request.m_arrSelectedCodes, (std::vector<int>{kMMSulph, 999, kMMBellLower, kMMBell}));
}

TEST(ConversionModel, OptionsEnableOkAndTakeTheirRemedies)
{
    MateriaMedicaCase c;
    std::vector<ChosenRemedy> chosen;
    CConversionModel model(chosen, c.state.Catalogue(), c.sink);
    model.Open({}); // no chart rows: an empty full list, OK enabled but refusing
    EXPECT_TRUE(model.FullList().empty() && model.FullName().empty() && model.OkEnabled());
    EXPECT_FALSE(model.Ok());
    model.Open(c.methods->BuildRemedyRows().value());
    model.SetOption(kOptionCompare);
    model.AddFromFullList(0);
    EXPECT_FALSE(model.OkEnabled());
    model.AddFromFullList(1);
    EXPECT_TRUE(model.OkEnabled());
    model.ClearSelected(); // nothing selected in the selected list
    model.SelectSelected(0);
    model.ClearSelected();
    EXPECT_FALSE(model.OkEnabled());
    model.SetOption(kOptionOneRemedy);
    EXPECT_TRUE(model.OkEnabled());
    model.AddFromFullList(2);
    EXPECT_FALSE(model.Ok()); // two entries, none selected
    model.SelectSelected(1);
    ASSERT_TRUE(model.Ok());
    EXPECT_EQ(model.Request().m_arrSelectedCodes, std::vector<int>{c.engine->SortedRemedy(2)->code});
    model.SetOption(kOptionNone);
    EXPECT_FALSE(model.Ok());
    EXPECT_EQ(c.sink.Texts(),
        (std::vector<std::string>{
            kMsgSelectOneRemedy, kMsgSelectFromSelectedList, kMsgSelectOneRemedy, kMsgSelectOption}));
}

struct CursorRow
{
    const char* name;
    int retained;
    std::string keys; // u d U(page up) D(page down) c(control) h(home) e(end) k<n>(click line n)
    int top;
    int cursor;
};

TEST(MateriaMedicaCursor, KeysKeepThePageInsideTheRetainedLines)
{
    using C = CMateriaMedicaCursor;
    const std::map<char, void (C::*)()> kKeys{{'u', &C::LineUp}, {'d', &C::LineDown}, {'U', &C::PageUp},
        {'D', &C::PageDown}, {'c', &C::ControlDown}, {'h', &C::Home}, {'e', &C::End}};
    const std::vector<CursorRow> rows{
        {"down scrolls on line 15", 40, std::string(16, 'd'), 2, 15},
        {"up on line 1 scrolls back", 40, std::string(16, 'd') + std::string(15, 'u'), 1, 1},
        {"page up with top 1..15 does nothing", 40, "DuuuuuuuuuuuuuuU", 1, 1},
        {"page down, page up", 60, "DDU", 15, 1},
        {"page down lands on the maximum", 40, "DDD", 25, 1},
        {"home without control does nothing", 40, "Dh", 15, 1},
        {"control home", 40, "Ddcdh", 0, 1},
        {"control end", 40, "ce", 25, 1},
        {"end with fewer than 15 lines", 7, "ddddce", 0, 5},
        {"down stops at the last line", 4, "dddddd", 0, 4},
        {"page down at the end", 10, "dD", 0, 2},
        {"click below the last line", 5, "k3k9", 0, 3},
    };
    for (const CursorRow& row : rows) {
        CMateriaMedicaCursor cursor;
        cursor.Reset(row.retained, 2);
        for (std::size_t i = 0; i < row.keys.size(); ++i) {
            const char key = row.keys[i];
            key == 'k' ? (void)cursor.Click(row.keys[++i] - '0') : (cursor.*kKeys.at(key))();
        }
        EXPECT_EQ(cursor.Top(), row.top) << row.name;
        EXPECT_EQ(cursor.CursorRow(), row.cursor) << row.name;
        EXPECT_LT(cursor.CursorDisplayRow(), row.retained) << row.name;
    }
}

TEST(LensSettings, SourceSquareAndSheetMapping)
{
    struct Row
    {
        int size, zoom, side;
    };
    for (const Row& row : {Row{100, 18, 50}, Row{300, 20, 150}, Row{180, 30, 60}, Row{150, 25, 60}, Row{120, 18, 60}}) {
        const LensSettings settings{kLensRectangular, row.zoom, row.size};
        EXPECT_EQ(settings.SourceSide(), row.side) << row.size << " " << row.zoom;
        const LensSettings again = LensSettings::FromIndexes(settings.SizeIndex(), settings.ZoomIndex(), 1);
        // The initial 300 is not offered: the sheet gives 100 for it.
        EXPECT_TRUE(again.zoom == row.zoom && again.size == (row.size == 300 ? 100 : row.size));
    }
    const LensSettings glass{kLensRound, 18, 100};
    EXPECT_EQ(glass.Source(glass.LensOrigin(300), glass.LensOrigin(200)), (LensSquare{275, 175, 50}));
}

struct ReportRow
{
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out; // standard output when the run succeeds, standard error when it fails
};

TEST(ReportMateriaMedica, PrintsTheViewOrWhyItDidNotOpen)
{
    const TempFolder folder;
    practice::WritePractice(folder);
    // Chart ranks: 1 Acon, 2 Bell, 3 bell, 4 Calc, 5 Lach.
    const std::vector<ReportRow> rows{
        {"compare with marks Two and Three", {"compare", "23", "2", "3"}, 0,
            "title\tCompare Materia Medica for Recorded Symptoms\ncolumns\tBell\tbell\nlines\t4\n"
            "L\t2\tRUBRIC 100\t3:Bell\t2:bell\nL\t2\tRUBRIC 106\t3:Bell\t2:bell\n"
            "L\t2\tRUBRIC 112\t3:Bell\t2:bell\nL\t2\tRUBRIC 118\t3:Bell\t2:bell\n"
            "summary\tSymptom Count/Total Weightage:\t4/12\t4/8\n"},
        {"create takes the first listed entry; a repeated rank is refused", {"create", "all", "5", "5", "1"}, 0,
            "message\tThis drug is already selected\ntitle\tCreate Materia Medica for Recorded Symptoms\n"
            "columns\tLach\nlines\t1\nL\t3\tRUBRIC 107\t4:Lach\nsummary\tSymptom Count:\t1\n"},
        {"differentiate with one remedy: OK disabled", {"differentiate", "all", "4"}, 1,
            "quillon-report: the conversion's OK stays disabled for these choices\n"},
        {"grade 1 only of Bell: nothing", {"one", "1", "2"}, 1, "message\tNo match found\n"},
        {"unknown option", {"all", "all", "1"}, 2, ""},
        {"rank beyond the list", {"complete", "all", "9"}, 2, ""},
    };
    for (const ReportRow& row : rows) {
        std::vector<std::string> command{"materia-medica", "1001"};
        command.insert(command.end(), row.args.begin(), row.args.end());
        const ReportResult r = RunReport(folder.Path(), command);
        EXPECT_EQ(r.status, row.status) << row.name << r.err;
        EXPECT_EQ(row.status == 0 ? r.out : row.status == 1 ? r.err : "", row.out) << row.name;
        EXPECT_EQ(row.status == 0 ? "" : r.out, "") << row.name;
    }
}

} // namespace
} // namespace quillon::testing
