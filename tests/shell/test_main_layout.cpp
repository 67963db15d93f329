#include "shell/main_layout.h"

#include <gtest/gtest.h>

// The display check warns only where the course cannot be drawn right: too
// few of its pixels, or pixels that are not whole squares of the display's.
TEST(MainLayout, DisplayIsSuitableOnlyWhereTheCourseIsDrawnRight)
{
    const struct {
        const char *name;
        QSize screen;  // in the course's pixels, after the toolkit's scaling
        double course, shown;
        bool suitable;
    } cases[] = {
        {"1x, the smallest screen", {800, 600}, 1, 1, true},
        {"1x, a pixel too narrow", {799, 600}, 1, 1, false},
        {"1x, a pixel too low", {800, 599}, 1, 1, false},
        {"2x, 2048 x 1536", {1024, 768}, 2, 1, true},
        {"3x", {1280, 720}, 3, 1, true},
        {"2x on a screen too small for it", {683, 384}, 2, 1, false},
        {"a forced fractional factor", {1365, 1024}, 1.5, 1, false},
        {"a compositor resampling 2x to 1.5", {1365, 1024}, 2, 0.75, false},
        {"a compositor resampling 1x to 1.25", {1638, 1229}, 1, 1.25, false},
        {"no factor", {1024, 768}, 0, 1, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(displayIsSuitable(c.screen, c.course, c.shown), c.suitable);
    }
}
