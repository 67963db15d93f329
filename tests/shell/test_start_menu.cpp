#include "shell/start_menu.h"

#include <gtest/gtest.h>

namespace {

TEST(StartMenu, RowBandsAsTheMenuPictureShowsThem)
{
    const struct {
        int y;
        int row;
    } cases[] = {{2, -1},  {3, 1},    {32, 1},   {33, 2},  {182, 6},  {183, -1}, {187, -1},
                 {192, -1}, {193, 7}, {222, 7},  {223, -1}, {-1, -1}, {100, 4}, {152, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(startMenuRow(c.y), c.row) << c.y;
}

}  // namespace
