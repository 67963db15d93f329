#include "platform/align_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(AlignLayout, DocksTopBottomLeftRightThenClient)
{
    // The main window's arrangement: taskbar at the bottom, info panel on the
    // right above it, the notebook filling the rest.
    const QList<AlignItem> items = {
        {Align::Client, QRect(0, 0, 10, 10)},
        {Align::Right, QRect(0, 0, 250, 10)},
        {Align::Bottom, QRect(0, 0, 10, 28)},
        {Align::None, QRect(5, 6, 7, 8)},
    };
    const QList<QRect> r = alignLayout(QRect(0, 0, 1024, 768), items);
    EXPECT_EQ(r[2], QRect(0, 740, 1024, 28));
    EXPECT_EQ(r[1], QRect(774, 0, 250, 740));
    EXPECT_EQ(r[0], QRect(0, 0, 774, 740));
    EXPECT_EQ(r[3], QRect(5, 6, 7, 8));
}

TEST(AlignLayout, HiddenControlsTakeNoRoom)
{
    const QList<AlignItem> items = {
        {Align::Client, QRect()},
        {Align::Bottom, QRect(0, 0, 10, 28), false},
        {Align::Top, QRect(0, 0, 10, 29)},
        {Align::Top, QRect(0, 0, 10, 24)},
    };
    const QList<QRect> r = alignLayout(QRect(1, 1, 498, 348), items);
    EXPECT_EQ(r[2], QRect(1, 1, 498, 29));
    EXPECT_EQ(r[3], QRect(1, 30, 498, 24));
    EXPECT_EQ(r[0], QRect(1, 54, 498, 295));
}

TEST(AlignLayout, KeepsDockedSizesWhenTheAreaIsTooSmall)
{
    const QList<AlignItem> items = {{Align::Bottom, QRect(0, 0, 10, 28)}, {Align::Client, QRect()}};
    const QList<QRect> r = alignLayout(QRect(0, 0, 100, 10), items);
    EXPECT_EQ(r[0].height(), 28);
    EXPECT_EQ(r[1].height(), 0);
}

}  // namespace
