#include "shell/start_menu.h"

int startMenuRowTop(int row)
{
    return row == 7 ? 193 : 3 + (row - 1) * 30;
}

int startMenuRow(int y)
{
    if (y >= 3 && y <= 182)
        return (y - 3) / 30 + 1;
    if (y >= 193 && y <= 222)
        return 7;
    return -1;
}
