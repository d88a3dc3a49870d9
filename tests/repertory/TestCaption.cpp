// Tests of the chart's caption line.
#include "repertory/Caption.h"
#include "repertory/RepEngine.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Caption, NormalAndNothing)
{
    RepMethodFlags flags;
    flags.m_bNormal = true;
    EXPECT_EQ(BuildCaption(flags, SortByTotality, ""), "Repertorisation: Normal");
    EXPECT_EQ(BuildCaption(RepMethodFlags{}, SortByTotality, "ignored"), "Repertorisation:");
}

TEST(Caption, MethodsInOrderWithFilterDescription)
{
    RepMethodFlags flags;
    flags.m_bDrugFilter = true;
    flags.m_bMind = true;
    EXPECT_EQ(BuildCaption(flags, SortByTotality, "Plant-> Class: Ranunculaceae"),
        "Repertorisation: Drug Filter+Mind Symptoms     Plant-> Class: Ranunculaceae");

    RepMethodFlags all;
    all.m_bWeightage = true;
    all.m_bGeneral = true;
    all.m_bRest = true;
    all.m_bSorted = true;
    all.m_bClipboard = {true, false, true};
    EXPECT_EQ(BuildCaption(all, SortBySymptomsCovered, "not shown"),
        "Repertorisation: Weightage+Rest Symptoms+General Symptoms+"
        "Sorted List of Remedies+Symptoms Covered+ClipBoard #1+ClipBoard #3");
}

TEST(Caption, DrugFilterAloneAndLongDescriptions)
{
    RepMethodFlags flags;
    flags.m_bDrugFilter = true;
    EXPECT_EQ(BuildCaption(flags, SortByTotality, "Mineral->"), "Repertorisation: Drug Filter     Mineral->");
    const std::string longText(900, 'x');
    EXPECT_EQ(BuildCaption(flags, SortByTotality, longText), "Repertorisation: Drug Filter     " + longText);
}

} // namespace
} // namespace quillon
