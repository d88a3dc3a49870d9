// The chart's caption line and the repertory prefix of its symptom lines.
#include "engine/Caption.h"
#include "engine/RepEngine.h"
#include "engine/RepertoryTable.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Caption, NamesTheMethodsInOrderThenTheFilters)
{
    RepMethodFlags normal;
    normal.m_bNormal = true;
    RepMethodFlags drugMind;
    drugMind.m_bDrugFilter = true;
    drugMind.m_bMind = true;
    RepMethodFlags all;
    all.m_bWeightage = all.m_bGeneral = all.m_bRest = all.m_bSorted = true;
    all.m_bClipboard = {true, false, true};
    EXPECT_EQ(BuildCaption(normal, SortByTotality, ""), "Repertorisation: Normal");
    EXPECT_EQ(BuildCaption(RepMethodFlags{}, SortByTotality, "ignored"), "Repertorisation:");
    EXPECT_EQ(BuildCaption(drugMind, SortByTotality, "Plant-> Class: Ranunculaceae"),
        "Repertorisation: Drug Filter+Mind Symptoms     Plant-> Class: Ranunculaceae");
    EXPECT_EQ(BuildCaption(all, SortBySymptomsCovered, "not shown"),
        "Repertorisation: Weightage+Rest Symptoms+General Symptoms+"
        "Sorted List of Remedies+Symptoms Covered+ClipBoard #1+ClipBoard #3");
}

TEST(RepertoryTable, SymptomLinesNameTheRepertory)
{
    const std::pair<std::pair<std::string, int>, std::string> cases[] = {
        {{"[x]]y", 2}, "[PH]]y"}, // a bracketed name is replaced, up to its first "]"
        {{"MIND - ANXIETY", 1}, "[KT] MIND - ANXIETY"},
        {{"FEVER", 21}, "[UR] FEVER"},
        {{"FEVER", 22}, "[ ] FEVER"}, // indexes beyond the table: no repertory
        {{"FEVER", -1}, "[ ] FEVER"},
        {{std::string(400, 'a'), 1}, "[KT] " + std::string(290, 'a')}, // cut before composing
        {{std::string(300, 'b') + "]", 1}, "[KT] " + std::string(290, 'b')},
    };
    for (const auto& [input, line] : cases)
        EXPECT_EQ(ComposeSymptomLine(input.first, input.second), line) << input.first;
}

} // namespace
} // namespace quillon
