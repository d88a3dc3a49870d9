// The repertorisation methods replayed through quillon-report on a small practice: for each sequence of
// button presses and dialog answers, the messages, the caption and the exact rows of the chart; and the Drug Filter
// and Weightage dialogs' models: what OK hands back and writes, and the intensity rows with their scroll rules.
#include "MethodsFixture.h"
#include "support/ReportRun.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quillon {
namespace {

using namespace quillon::testing;

const TempFolder& Practice()
{
    static const TempFolder folder;
    static const bool written = (WriteMethodsPractice(folder), true);
    (void)written;
    return folder;
}

std::string RunChart(const std::string& patient, const std::vector<std::string>& actions, int* status = nullptr)
{
    std::vector<std::string> command{"chart", patient};
    for (const std::string& action : actions)
        command.insert(command.end(), {"--do", action});
    const ReportResult result = RunReport(Practice().Path(), command);
    if (status)
        *status = result.status;
    return result.out + result.err;
}

// The output reduced to "!message" lines, the caption, and "name totality covered" per remedy row.
std::string Summary(const std::string& output)
{
    std::istringstream in(output);
    std::string line, summary;
    while (std::getline(in, line)) {
        if (line.rfind("message\t", 0) == 0) {
            summary += "!" + line.substr(8) + "|";
        } else if (line.rfind("caption\t", 0) == 0) {
            summary += line.substr(8) + "|";
        } else if (line.rfind("R\t", 0) == 0) {
            std::istringstream fields(line);
            std::string field[5]; // R, row, name, totality, covered
            for (std::string& f : field)
                std::getline(fields, f, '\t');
            summary += field[2] + " " + field[3] + " " + field[4] + "|";
        }
    }
    return summary;
}

struct MethodCase
{
    const char* name;
    std::vector<std::string> actions;
    std::string expected; // Summary() of the output
    const char* patient = "1";
};

const std::string kNormal = "Repertorisation: Normal|Acon 8 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 1 1|Lach 1 1|";

// The start is checked whole by MethodReplayDump.
const MethodCase kCases[] = {
    // The first "MIND - ANXIETY" counts; its repeat (Acon 2, Calc 1) does not.
    {"Mind", {"mind"}, "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"Rest", {"mind", "rest"}, "Repertorisation: Rest Symptoms|Bell 5 2|Sulph 2 1|Calc 1 1|Nat-m 1 1|"},
    // Each kind takes all of its own symptoms, whatever the sizes of the other kinds.
    {"General", {"general"}, "Repertorisation: General Symptoms|Nat-m 3 2|Sulph 3 1|Lach 2 1|Bell 1 1|", "5"},
    {"MindBeyondRest", {"mind"}, "Repertorisation: Mind Symptoms|Nat-m 3 1|Acon 2 1|", "5"},
    {"NothingToShow", {"mind", "general", "clipboard:1", "clipboard:2", "clipboard:3", "reset-clipboard", "rest"},
        "!Mind symptoms are not recorded|!General symptoms are not recorded|!ClipBoard#1 does not have any "
        "Symptoms|!ClipBoard#2 does not have any Symptoms|!ClipBoard#3 does not have any Symptoms|!Clipboards not "
        "selected , click to select|Repertorisation: Rest Symptoms|Bell 3 1|",
        "3"},
    {"NoRest", {"rest"}, "!Rest symptoms are not recorded|Repertorisation: Normal|Bell 3 1|", "4"},
    // A click in the chart clears every flag; a row label then sorts and names its order (each label's name of its
    // order is in RecordsNameWhatMadeTheRows).
    {"ClickThenCovered", {"click", "label:covered"},
        "Repertorisation: Symptoms Covered|Calc 7 4|Acon 8 3|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 1 1|Lach 1 1|"},
    {"ClickAlone", {"drug-filter:6", "click"}, "Repertorisation:|Acon 8 3|Calc 7 4|Bell 5 2|Sulph 3 2|Lach 1 1|"},
    // Intensities in force do not reach a clipboard method; Sorted then orders its rows by name.
    {"ClipboardThenSorted", {"weightage:0=3,1=3,2=3,3=3,4=3,5=3", "drop:3:1", "drop:4:1", "clipboard:1", "sorted"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!HEAD - PAIN - morning Symptom Dropped on "
        "Clipboard 1|Repertorisation: Sorted List of Remedies+ClipBoard #1|Bell 3 1|Calc 4 2|Nat-m 2 1|Sulph 3 2|"},
    // The same text twice (another record) is refused; from the menu or dragged alike.
    {"RepeatedTextRefused", {"clip:0:3", "drop:2:3", "clipboard:3"},
        "!MIND - ANXIETY Symptom Dropped on Clipboard 3|!MIND - ANXIETY this Symptom is already on this clipboard  "
        "3|Repertorisation: ClipBoard #3|Acon 3 1|Calc 2 1|Lach 1 1|"},
    // Reset empties the clipboard shown (the other keeps its symptom) and goes back to Normal.
    {"ResetTheClipboardShown", {"drop:0:2", "drop:3:1", "clipboard:2", "reset-clipboard", "clipboard:2"},
        "!MIND - ANXIETY Symptom Dropped on Clipboard 2|!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|"
        "!ClipBoard#2 does not have any Symptoms|"
            + kNormal},
    {"ResetKeepsTheOtherClipboard", {"drop:3:1", "drop:0:2", "clipboard:2", "reset-clipboard", "clipboard:1"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!MIND - ANXIETY Symptom Dropped on Clipboard "
        "2|Repertorisation: ClipBoard #1|Calc 3 1|Nat-m 2 1|Sulph 1 1|"},
    // A symptom deleted in the Symptom List leaves the chart and the clipboard that holds it.
    {"DeletedSymptomLeavesItsClipboards", {"drop:1:1", "drop:1:3", "delete:1", "clipboard:1", "clipboard:3"},
        "!MIND - FEAR - death, of Symptom Dropped on Clipboard 1|!MIND - FEAR - death, of Symptom Dropped on "
        "Clipboard 3|!ClipBoard#1 does not have any Symptoms|!ClipBoard#3 does not have any Symptoms|"
        "Repertorisation: Normal|Calc 7 4|Acon 5 2|Bell 5 2|Nat-m 3 2|Sulph 3 2|Lach 1 1|"},
    {"UndeleteBringsItBack", {"delete:1", "undelete:0", "mind"},
        "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"DrugFilterAfterAClipboard", {"drop:3:1", "drop:4:1", "clipboard:1", "drug-filter:1"},
        "!GENERALS - COLD - agg. Symptom Dropped on Clipboard 1|!HEAD - PAIN - morning Symptom Dropped on "
        "Clipboard 1|Repertorisation: Drug Filter     Psoric|Calc 4 2|Sulph 3 2|Nat-m 2 1|"},
    // The second filter works on the first one's result: Hot alone would bring Bell and Lach back.
    {"TwoFiltersNarrow", {"drug-filter:1", "drug-filter:6"},
        "Repertorisation: Drug Filter     Hot|Acon 8 3|Calc 7 4|Sulph 3 2|"},
    {"NoRemedyForTheCombination", {"drug-filter:5,22"}, "!Remedy For the Combination not found !!!|" + kNormal},
    {"CancelGoesBackToNormal", {"mind", "drug-filter-cancel"}, kNormal},
    {"NoBoxGoesBackToNormal", {"mind", "drug-filter:none"}, kNormal},
    // OK with no element chosen keeps every mineral remedy.
    {"MineralNothingChosen", {"mineral:none"},
        "Repertorisation: Drug Filter     Mineral->|Calc 7 4|Nat-m 3 2|Sulph 3 2|"},
    {"MineralElement", {"mineral:left=51"}, "Repertorisation: Drug Filter     Mineral-> Elements: Sulphur |Sulph 3 2|"},
    {"MineralGroup", {"mineral:group=2"}, "Repertorisation: Drug Filter     Mineral-> Group: Natrum salts|Nat-m 3 2|"},
    // The next method drops the kingdom filter.
    {"SortedAfterMineral", {"mineral:group=2", "sorted"},
        "Repertorisation: Sorted List of Remedies|Acon 8 3|Apis 1 1|Bell 5 2|Calc 7 4|Lach 1 1|Nat-m 3 2|Sulph 3 2|"},
    // A plant source from the Drug Filter: the other kingdoms' buttons do nothing, the plant button works.
    {"PlantSourceThenKingdomButtons", {"drug-filter:20", "animal:1:none", "mineral:left=51", "plant:1:1"},
        "Repertorisation: Drug Filter     Plant-> Class: Ranunculaceae Type: Roots, Plant|Acon 8 3|"},
    {"AnimalCancelled", {"mind", "animal-cancel"}, kNormal},
    {"AnimalClassWithoutRemedy", {"animal:3:none"}, "!Selected combination does not have any drug|" + kNormal},
    // Opened again, the dialog starts from the last OK's intensities; Cancel changes nothing. Intensity 0 keeps a
    // remedy and its count but none of its totality (Lach).
    {"ReopensWithTheLastOk", {"weightage:0=0", "weightage-cancel", "weightage:1=2"},
        "Repertorisation: Weightage|Acon 8 3|Calc 5 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 2 1|Lach 0 1|"},
    {"NormalForgetsThem", {"weightage:0=0", "normal", "weightage:1=2"},
        "Repertorisation: Weightage|Acon 11 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 2 1|Lach 1 1|"},
    {"MindWeightageSorted", {"mind", "weightage:1=3", "sorted"},
        "Repertorisation: Weightage+Mind Symptoms+Sorted List of Remedies|Acon 12 2|Apis 3 1|Calc 2 1|Lach 1 1|"},
    // Elimination keeps the remedies every eliminating symptom names (Nat-m is in 3 only, Bell in 4 only); the
    // totals still count every symptom. A second click ends one symptom's elimination, Normal every one.
    {"EliminationByTwoSymptoms", {"eliminate:3", "eliminate:4"},
        "Repertorisation: Normal : Elimination|Calc 7 4|Sulph 3 2|"},
    {"EliminationClickedOff", {"eliminate:3", "eliminate:4", "eliminate:4"},
        "Repertorisation: Normal : Elimination|Calc 7 4|Nat-m 3 2|Sulph 3 2|"},
    {"EliminationWithoutACommonRemedy", {"eliminate:1", "eliminate:5"},
        "!No remedy of the chart is named in every eliminating symptom|Repertorisation: Normal : Elimination|"
        "Acon 8 3|Apis 1 1|"},
    {"NormalEndsElimination", {"eliminate:3", "normal"}, kNormal},
    {"EliminationWithMindAndAFilter", {"eliminate:0", "mind", "drug-filter:1"},
        "Repertorisation: Drug Filter+Mind Symptoms     Psoric : Elimination|Acon 6 2|Calc 2 1|"},
    // A general symptom takes no part in the Mind chart, nor does its elimination.
    {"EliminatingSymptomNotActive", {"eliminate:3", "mind"},
        "Repertorisation: Mind Symptoms|Acon 6 2|Calc 2 1|Apis 1 1|Lach 1 1|"},
    {"EliminationOfAWeightedChart", {"weightage:3=3", "eliminate:4"},
        "Repertorisation: Weightage : Elimination|Calc 13 4|Bell 5 2|Sulph 5 2|"},
    // Ending it evaluates the chart again, which lets the kingdom filter go.
    {"EliminationEndedAfterAKingdom", {"eliminate:3", "mineral:group=2", "eliminate:3"},
        "Repertorisation:|Acon 8 3|Calc 7 4|Bell 5 2|Nat-m 3 2|Sulph 3 2|Apis 1 1|Lach 1 1|"},
};

// Each sequence of presses and answers gives its messages, caption and rows.
TEST(MethodReplay, GivesTheExactChart)
{
    for (const MethodCase& c : kCases) {
        int status = -1;
        const std::string output = RunChart(c.patient, c.actions, &status);
        EXPECT_EQ(status, 0) << c.name << "\n" << output;
        EXPECT_EQ(Summary(output), c.expected) << c.name << "\n" << output;
    }
}

// A click on the chart leaves the screen's caption without the methods in force, but not the rows they made: what
// leaves the screen names those methods and filters, in the order the rows stand, until a method makes the rows
// again ("" for the record: as the screen).
TEST(MethodReplay, RecordsNameWhatMadeTheRowsWhateverClicksCameSince)
{
    const struct
    {
        const char* name;
        std::vector<std::string> actions;
        std::string screen, record;
    } cases[] = {
        {"a filter", {"drug-filter:6"}, "Repertorisation: Drug Filter     Hot", ""},
        {"a filter, a click", {"drug-filter:6", "click"}, "Repertorisation:", "Repertorisation: Drug Filter     Hot"},
        {"a filter, a click, covered", {"drug-filter:6", "click", "label:covered"}, "Repertorisation: Symptoms Covered",
            "Repertorisation: Drug Filter+Symptoms Covered     Hot"},
        {"a filter, name", {"drug-filter:6", "label:name"}, "Repertorisation: Sorted List of Remedies",
            "Repertorisation: Drug Filter+Sorted List of Remedies     Hot"},
        {"a filter, covered, totality", {"drug-filter:6", "label:covered", "label:totality"}, "Repertorisation: Normal",
            "Repertorisation: Drug Filter     Hot"},
        {"mind, two clicks", {"mind", "click", "click"}, "Repertorisation:", "Repertorisation: Mind Symptoms"},
        // The order the rows stand in is the one that made them, not the one the click left in force.
        {"covered, a click", {"label:covered", "click"}, "Repertorisation:", "Repertorisation: Symptoms Covered"},
        {"a filter, a click, an elimination", {"drug-filter:6", "click", "eliminate:3"},
            "Repertorisation: : Elimination", "Repertorisation: Drug Filter     Hot : Elimination"},
        // The neighbours: no method made the rows, or one made them again after the click.
        {"a click, covered", {"click", "label:covered"}, "Repertorisation: Symptoms Covered", ""},
        {"covered, totality", {"label:covered", "label:totality"}, "Repertorisation: Normal", ""},
        {"a filter, a click, sorted", {"drug-filter:6", "click", "sorted"}, "Repertorisation: Sorted List of Remedies",
            ""},
    };
    for (const auto& c : cases) {
        MethodsCase chart;
        for (const std::string& action : c.actions)
            chart.session->Execute(ParseChartCommand(action));
        EXPECT_EQ(chart.methods->BuildCaption(), c.screen) << c.name;
        EXPECT_EQ(chart.methods->RecordCaption(), c.record.empty() ? c.screen : c.record) << c.name;
    }
}

// Whole outputs: every symptom line, counter and grade, and the data files' texts converted to UTF-8.
TEST(MethodReplayDump, WholeCharts)
{
    EXPECT_EQ(RunChart("1", {}),
        "caption\tRepertorisation: Normal\ncounters\t3\t1\t2\t0\t0\t0\nsymptoms\t6\n"
        "S\t0\t[KT] MIND - ANXIETY\nS\t1\t[KT] MIND - FEAR - death, of\nS\t2\t[PH] MIND - ANXIETY\n"
        "S\t3\t[KT] GENERALS - COLD - agg.\nS\t4\t[KT] HEAD - PAIN - morning\nS\t5\t[KT] STOMACH - NAUSEA\n"
        "remedies\t7\nR\t1\tAcon\t8\t3\t3 3 2 0 0 0\nR\t2\tCalc\t7\t4\t2 0 1 3 1 0\nR\t3\tBell\t5\t2\t0 0 0 0 3 2\n"
        "R\t4\tNat-m\t3\t2\t0 0 0 2 0 1\nR\t5\tSulph\t3\t2\t0 0 0 1 2 0\nR\t6\tApis\t1\t1\t0 1 0 0 0 0\n"
        "R\t7\tLach\t1\t1\t1 0 0 0 0 0\n");
    EXPECT_EQ(RunChart("1", {"drop:4:2", "clipboard:2"}),
        "message\tHEAD - PAIN - morning Symptom Dropped on Clipboard 2\n"
        "caption\tRepertorisation: ClipBoard #2\ncounters\t3\t1\t2\t0\t1\t0\nsymptoms\t1\n"
        "S\t0\t[KT] HEAD - PAIN - morning\nremedies\t3\nR\t1\tBell\t3\t1\t3\nR\t2\tSulph\t2\t1\t2\n"
        "R\t3\tCalc\t1\t1\t1\n");
    EXPECT_EQ(RunChart("1", {"drop:1:1", "delete:0", "delete:0", "delete:0", "delete:0", "delete:0", "delete:0"}),
        "message\tMIND - FEAR - death, of Symptom Dropped on Clipboard 1\n"
        "caption\tRepertorisation: Normal\ncounters\t0\t0\t0\t0\t0\t0\nsymptoms\t0\nremedies\t0\n");
    EXPECT_NE(RunChart("1", {"eliminate:2"})
                  .find("S\t1\t[KT] MIND - FEAR - death, of\nS\t2\t[PH] MIND - ANXIETY\t"
                        "eliminating\nS\t3"),
        std::string::npos);
    EXPECT_EQ(RunChart("2", {}),
        "caption\tRepertorisation: Normal\ncounters\t1\t0\t0\t0\t0\t0\nsymptoms\t1\n"
        "S\t0\t[KT]MIND - R\xC3\xAAverie\nremedies\t1\nR\t1\tAcon\t2\t1\t2\n");
}

// The popup commands that act on the picked remedy or symptom.
TEST(MethodsPicks, PopupCommandsOfThePickedRowAndSymptom)
{
    MethodsCase c;
    const CRepMethods& m = *c.methods;
    EXPECT_FALSE(m.RemedyForReport().has_value());
    c.session->Pick(6, m.PickedSymptom()); // Lach, the last of seven
    EXPECT_EQ(m.RemedyForReport(), std::optional<std::string>("Lach"));
    c.session->Pick(0, m.PickedSymptom());
    std::vector<ChosenRemedy> chosen;
    ASSERT_TRUE(m.PrepareConversion(chosen));
    EXPECT_EQ(m.PrepareConversion(chosen)->back(), (ChartRow{testing::kLach, "Lach", 1, 1})); // the chart's rows
    EXPECT_EQ(chosen, (std::vector<ChosenRemedy>{{testing::kAcon, "Acon"}})); // picked twice, listed once
    EXPECT_TRUE(m.PrepareDrugList());
    c.session->Pick(m.PickedRemedy(), 4);
    ASSERT_NE(m.SymptomForFullList(), nullptr);
    EXPECT_EQ(m.SymptomForFullList()->m_pszText, "HEAD - PAIN - morning");
    c.session->Pick(m.PickedRemedy(), 40);
    EXPECT_EQ(m.SymptomForFullList(), nullptr);
    // A remembered row beyond the rows now shown counts as none.
    c.session->Pick(6, m.PickedSymptom());
    c.session->Execute(ChartCommand{ChartVerb::Mind});
    EXPECT_FALSE(m.RemedyForReport().has_value());
    EXPECT_EQ(c.sink.Texts(),
        (std::vector<std::string>{"Remedy not selected", "Acon  this drug already selectd", "Remedy not selected"}));
}

TEST(DrugFilterModel, MaskDescriptionAndKingdomOfTheBoxes)
{
    struct Case
    {
        std::vector<int> boxes;
        std::uint32_t mask;
        std::string description;
        int kingdom;
    };
    const Case cases[] = {
        {{}, 0u, "", kKingdomNone}, {{kHot, kPsoric}, 0x21u, "Psoric, Hot", kKingdomNone},
        {{4}, 0x8u, "S&yphilitic", kKingdomNone},
        {{kAnimal, kPlant}, (1u << 19) | (1u << 21), "Plant, Animal", kKingdomAnimal},
        {{kPlant, 0, 40}, 1u << 19, "Plant", kKingdomPlant}, // numbers out of range are ignored
    };
    for (const Case& c : cases) {
        CDrugFilterModel model;
        for (const int k : c.boxes)
            model.SetChecked(k, true);
        const DrugFilterResult result = model.Result();
        EXPECT_EQ(result.m_nMask, c.mask) << c.description;
        EXPECT_EQ(result.m_strDescription, c.description);
        EXPECT_EQ(result.m_nKingdom, c.kingdom) << c.description;
    }
}

TEST(DrugFilterModel, ReopensWithTheChoiceOfItsOk)
{
    CDrugFilterModel model;
    model.SetChecked(15, true);
    model.SetChecked(31, true);
    const CDrugFilterModel reopened(model.Result().m_arrChosen);
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        EXPECT_EQ(reopened.IsChecked(k), k == 15 || k == 31) << k;
    EXPECT_EQ(CDrugFilterModel({0, 2, 99}).Result().m_arrChosen, (std::vector<int>{2}));
}

TEST(WeightageModel, StoredIntensitiesBeyondTheSetAreNotCopied)
{
    const Symptoms three(3);
    // Stored when the set had five symptoms; keys 3 and 4 have no symptom now.
    CWeightageModel model(three.set, {{0, 4}, {1, 0}, {2, 9}, {3, 7}, {4, 7}});
    EXPECT_EQ(model.Ok(), (std::vector<IntensityEntry>{{0, 4}, {1, 0}, {2, 9}}));
    model.SetIntensity(1, 10); // not an intensity
    model.SetIntensity(5, 2); // no such symptom
    EXPECT_EQ(model.Intensity(1), 0);
    EXPECT_EQ(CWeightageModel(three.set, {}).Ok(), (std::vector<IntensityEntry>{{0, 1}, {1, 1}, {2, 1}}));
}

TEST(WeightageModel, ScrollingStepsAndTheThumb)
{
    const Symptoms twenty(20);
    CWeightageModel model(twenty.set, {});
    model.RowSelectionChanged(7, 5); // no such row: symptom 7 is not shown
    EXPECT_EQ(model.Intensity(7), 1);
    // Pages of five rows up to the last seven symptoms (the steps themselves are the scroll bar's, tested there).
    model.PageDown();
    EXPECT_EQ(model.Position(), 5);
    model.PageDown();
    model.PageDown();
    model.LineDown();
    EXPECT_EQ(model.Position(), 13);
    EXPECT_EQ(model.SymptomOfRow(6), 19);
    // A list's choice belongs to the symptom shown in its row.
    model.RowSelectionChanged(2, 0);
    EXPECT_EQ(model.Intensity(15), 0);
}

} // namespace
} // namespace quillon
