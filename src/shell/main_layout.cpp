#include "shell/main_layout.h"

bool displayIsSuitable(QSize screen, int dotsPerInch)
{
    return screen.width() >= 800 && screen.height() >= 600 && dotsPerInch == 96;
}

NavButtonLayout navButtonLayout(int infoPanelWidth)
{
    NavButtonLayout l;
    l.width = (infoPanelWidth - 12) / 4;
    int left = 2;
    for (int &x : l.lefts) {
        x = left;
        left += l.width + 2;
    }
    return l;
}

QSize wordpadMaxSize(QSize notebook)
{
    return notebook + QSize(4, 4);
}
