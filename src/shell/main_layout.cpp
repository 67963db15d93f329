#include "shell/main_layout.h"

#include <QtGlobal>

#include <cmath>

bool displayIsSuitable(QSize screen, double courseScale, double shownScale)
{
    const bool whole = courseScale >= 1 && qFuzzyCompare(courseScale, std::round(courseScale));
    return screen.width() >= 800 && screen.height() >= 600 && whole && qFuzzyCompare(shownScale, 1.0);
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
