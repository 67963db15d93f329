#include "platform/course_zoom.h"

#include <gtest/gtest.h>

#include <optional>

TEST(CourseZoom, ReadsFitOrANumberFromOneToFour)
{
    const struct {
        const char *text;
        std::optional<ZoomSetting> zoom;
    } cases[] = {
        {"1", ZoomSetting{false, 1}},
        {"1.25", ZoomSetting{false, 1.25}},
        {" 2 ", ZoomSetting{false, 2}},
        {"4", ZoomSetting{false, 4}},
        {"1.3", ZoomSetting{false, 1.3}},
        {"fit", ZoomSetting{true, 1}},
        {"FIT", ZoomSetting{true, 1}},
        {"", std::nullopt},
        {"0.5", std::nullopt},      // smaller than the course's own pixels
        {"4.25", std::nullopt},
        {"1.125", std::nullopt},    // three decimals
        {"1.", std::nullopt},
        {".5", std::nullopt},
        {"+2", std::nullopt},
        {"-1", std::nullopt},
        {"1e0", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"2x", std::nullopt},
        {"1,5", std::nullopt},
        {"0001", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseZoom(c.text), c.zoom) << c.text;
    // What is written is read back.
    for (double z : {1.0, 1.25, 1.5, 2.0, 3.75})
        EXPECT_EQ(parseZoom(zoomText(z).toUtf8()), (ZoomSetting{false, z})) << z;
    EXPECT_EQ(zoomText(ZoomSetting{true, 1}), QStringLiteral("fit"));
}

TEST(CourseZoom, FitsTheLayoutOnTheScreen)
{
    const struct {
        QSize screen;
        double fit;
    } cases[] = {
        {{1920, 1080}, 1.75},  // 1097 x 617 at 1.75; 600 rows need 1.8 at most
        {{1024, 768}, 1.25},
        {{800, 600}, 1},
        {{640, 480}, 1},       // smaller than the layout: no zoom
        {{1600, 1200}, 2},     // exactly 800 x 600 at 2
        {{3840, 2160}, 3.5},
        {{7680, 4320}, 4},     // never above the largest zoom
    };
    for (const auto &c : cases) {
        EXPECT_EQ(fitZoom(c.screen), c.fit) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(usableZoom(4, c.screen), c.fit);
    }
    EXPECT_EQ(usableZoom(1.5, {1920, 1080}), 1.5);
    EXPECT_EQ(usableZoom(2, {1920, 1080}), 1.75);  // 960 x 540 would not hold it
}

TEST(CourseZoom, StepsUpAndDownWithinTheScreen)
{
    const QSize fullHd(1920, 1080);
    const struct {
        double from;
        int direction;
        double to;
    } cases[] = {
        {1, +1, 1.25},   {1.25, +1, 1.5}, {1.5, +1, 1.75},
        {1.75, +1, 1.75},  // the screen holds no more
        {1.75, -1, 1.5}, {1.25, -1, 1},
        {1, -1, 1},        // never below the course's own size
        {1.3, +1, 1.5},  {1.3, -1, 1.25},  // a teacher's value off the steps
    };
    for (const auto &c : cases)
        EXPECT_EQ(steppedZoom(c.from, c.direction, fullHd), c.to) << c.from << " " << c.direction;
}
