// The chart's state as text: the exact lines the view and the command-line tool print.
#include "MethodsFixture.h"
#include "repertory/ChartDump.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using namespace quillon::testing;

TEST(ChartDump, NormalChartListsEverySymptomAndEveryRemedyWithItsGrades)
{
    MethodsCase c;
    EXPECT_EQ(DumpChart(*c.engine, *c.methods),
        "caption\tRepertorisation: Normal\n"
        "counters\t3\t1\t2\t0\t0\t0\n"
        "symptoms\t6\n"
        "S\t0\t[KT] MIND - ANXIETY\n"
        "S\t1\t[KT] MIND - FEAR - death, of\n"
        "S\t2\t[PH] MIND - ANXIETY\n"
        "S\t3\t[KT] GENERALS - COLD - agg.\n"
        "S\t4\t[KT] HEAD - PAIN - morning\n"
        "S\t5\t[KT] STOMACH - NAUSEA\n"
        "remedies\t7\n"
        "R\t1\tAcon\t8\t3\t3 3 2 0 0 0\n"
        "R\t2\tCalc\t7\t4\t2 0 1 3 1 0\n"
        "R\t3\tBell\t5\t2\t0 0 0 0 3 2\n"
        "R\t4\tNat-m\t3\t2\t0 0 0 2 0 1\n"
        "R\t5\tSulph\t3\t2\t0 0 0 1 2 0\n"
        "R\t6\tApis\t1\t1\t0 1 0 0 0 0\n"
        "R\t7\tLach\t1\t1\t1 0 0 0 0 0\n");
}

TEST(ChartDump, FollowsTheMethodsAndConvertsTheDataTexts)
{
    MethodsCase c;
    c.PutOnClipboard(1, {4});
    c.methods->OnClipboard(1);
    EXPECT_EQ(DumpChart(*c.engine, *c.methods),
        "caption\tRepertorisation: ClipBoard #2\n"
        "counters\t3\t1\t2\t0\t1\t0\n"
        "symptoms\t1\n"
        "S\t0\t[KT] HEAD - PAIN - morning\n"
        "remedies\t3\n"
        "R\t1\tBell\t3\t1\t3\n"
        "R\t2\tSulph\t2\t1\t2\n"
        "R\t3\tCalc\t1\t1\t1\n");

    // Windows-1252 texts of the files come out as UTF-8; the given caption and counters are kept as they are.
    fixtures::VisitSpec visit{1, 2, 2003, {{"[Kent]MIND - R\xEAverie", 'M', 1, 2, {{kAcon, 2}}}}};
    MethodsCase accented(visit);
    EXPECT_EQ(DumpChart(*accented.engine, "Repertorisation:", {"1", "0", "0", "", "", "x"}),
        "caption\tRepertorisation:\n"
        "counters\t1\t0\t0\t\t\tx\n"
        "symptoms\t1\n"
        "S\t0\t[KT]MIND - R\xC3\xAAverie\n"
        "remedies\t1\n"
        "R\t1\tAcon\t2\t1\t2\n");
}

TEST(ChartDump, EveryDeletedSymptomLeavesAnEmptyChart)
{
    MethodsCase c;
    c.PutOnClipboard(0, {1});
    while (c.state.LiveCount() > 0)
        c.state.DeleteSymptom(0);
    c.state.RebuildKindIndexes();
    c.methods->OnSymptomListClosed();
    EXPECT_EQ(DumpChart(*c.engine, *c.methods),
        "caption\tRepertorisation: Normal\n"
        "counters\t0\t0\t0\t0\t0\t0\n"
        "symptoms\t0\n"
        "remedies\t0\n");
}

} // namespace
} // namespace quillon
