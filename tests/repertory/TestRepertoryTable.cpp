// Tests of the repertory table and of the chart line that names a rubric's repertory.
#include "repertory/RepertoryTable.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(RepertoryTable, AbbreviationsByIndex)
{
    EXPECT_EQ(RepertoryAbbreviation(0), " ");
    EXPECT_EQ(RepertoryAbbreviation(1), "KT");
    EXPECT_EQ(RepertoryAbbreviation(11), "C");
    EXPECT_EQ(RepertoryAbbreviation(21), "UR");
    EXPECT_EQ(kRepertoryNames[4], "Boerricke");
    // Indexes the table does not cover read as "no repertory".
    EXPECT_EQ(RepertoryAbbreviation(22), " ");
    EXPECT_EQ(RepertoryAbbreviation(-1), " ");
}

TEST(RepertoryTable, SymptomLines)
{
    // A bracketed repertory name is replaced; the text from the "]" on is kept.
    EXPECT_EQ(ComposeSymptomLine("[Kent] MIND - ANXIETY", 1), "[KT] MIND - ANXIETY");
    EXPECT_EQ(ComposeSymptomLine("[x]]y", 2), "[PH]]y");
    EXPECT_EQ(ComposeSymptomLine("MIND - ANXIETY", 1), "[KT] MIND - ANXIETY");
    EXPECT_EQ(ComposeSymptomLine("HEAD - PAIN", 0), "[ ] HEAD - PAIN");
    EXPECT_EQ(ComposeSymptomLine("", 3), "[BN] ");
    EXPECT_EQ(ComposeSymptomLine("FEVER", 40), "[ ] FEVER");
}

TEST(RepertoryTable, LongTextsAreCutBeforeComposing)
{
    const std::string text(400, 'a');
    EXPECT_EQ(ComposeSymptomLine(text, 1), "[KT] " + std::string(290, 'a'));
    // A "]" beyond the first 290 characters does not count.
    EXPECT_EQ(ComposeSymptomLine(std::string(300, 'b') + "]", 1), "[KT] " + std::string(290, 'b'));
}

} // namespace
} // namespace quillon
