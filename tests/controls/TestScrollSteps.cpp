// The stepping rules of the paged scroll bar.
#include "controls/ScrollSteps.h"

#include <gtest/gtest.h>

using quillon::ScrollSteps;

TEST(ScrollSteps, PageLeftBelowThePageKeepsThePositionWhilePageBackGoesToZero)
{
    ScrollSteps h{7, 11, 40};
    h.PageLeft();
    EXPECT_EQ(h.position, 7);
    ScrollSteps v{7, 11, 40};
    v.PageBack();
    EXPECT_EQ(v.position, 0);
    ScrollSteps both{25, 11, 40};
    both.PageLeft();
    EXPECT_EQ(both.position, 14);
    both.PageBack();
    EXPECT_EQ(both.position, 3);
}

TEST(ScrollSteps, PageForwardLandsOnTheMaximum)
{
    ScrollSteps s{0, 11, 30};
    s.PageForward();
    EXPECT_EQ(s.position, 11);
    s.PageForward();
    EXPECT_EQ(s.position, 22);
    s.PageForward(); // 22 >= 30 - 11: to the maximum
    EXPECT_EQ(s.position, 30);
    s.PageForward();
    EXPECT_EQ(s.position, 30);
    ScrollSteps exact{19, 11, 30};
    exact.PageForward(); // 19 = 30 - 11: to the maximum
    EXPECT_EQ(exact.position, 30);
}

TEST(ScrollSteps, LinesStopAtTheEndsAndNegativePositionsResetSideways)
{
    ScrollSteps s{30, 11, 30};
    s.LineForward();
    EXPECT_EQ(s.position, 30);
    s.LineRight();
    EXPECT_EQ(s.position, 30);
    s.position = 0;
    s.LineBack();
    EXPECT_EQ(s.position, 0);
    s.position = -3;
    EXPECT_TRUE(s.LineLeft());
    EXPECT_EQ(s.position, 0);
    EXPECT_FALSE(s.LineLeft());
    s.position = -5;
    s.LineRight();
    EXPECT_EQ(s.position, 1);
}
