// The stepping rules of the paged scroll bar.
#include "controls/ScrollSteps.h"

#include <gtest/gtest.h>

#include <functional>

using quillon::ScrollSteps;

TEST(ScrollSteps, EachStepFromAPosition)
{
    using Step = std::function<void(ScrollSteps&)>;
    const Step pageLeft = &ScrollSteps::PageLeft, pageBack = &ScrollSteps::PageBack,
               pageForward = &ScrollSteps::PageForward, lineForward = &ScrollSteps::LineForward,
               lineRight = &ScrollSteps::LineRight, lineBack = &ScrollSteps::LineBack,
               lineLeft = [](ScrollSteps&s) { s.LineLeft(); };
    struct Case
    {
        const char* name;
        int position;
        Step step;
        int after;
    };
    const Case cases[] = {
        {"page left below the page keeps the position", 7, pageLeft, 7},
        {"page back below the page goes to zero", 7, pageBack, 0},
        {"page left", 25, pageLeft, 14},
        {"page back", 25, pageBack, 14},
        {"page forward", 0, pageForward, 11},
        {"page forward a page before the end lands on the maximum", 19, pageForward, 30},
        {"line forward at the maximum", 30, lineForward, 30},
        {"line right at the maximum", 30, lineRight, 30},
        {"line back at zero", 0, lineBack, 0},
        {"line left from below zero resets", -3, lineLeft, 0},
        {"line right from below zero", -5, lineRight, 1},
    };
    for (const Case& c : cases) {
        ScrollSteps s{c.position, 11, 30};
        c.step(s);
        EXPECT_EQ(s.position, c.after) << c.name;
    }
    // Only a position below zero is reported by a line left.
    ScrollSteps below{-3, 11, 30};
    EXPECT_TRUE(below.LineLeft());
    EXPECT_FALSE(below.LineLeft());
}
