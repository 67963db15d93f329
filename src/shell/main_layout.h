#pragma once

#include <QSize>

#include <array>

// Arithmetic of the main window's layout. Every division rounds toward zero.

// The screen the course is made for: at least 800 x 600 at 96 dots per inch.
bool displayIsSuitable(QSize screen, int dotsPerInch);

// The four navigation buttons share the info panel's width: each is
// (panel width - 12) / 4 wide, the first at left 2, each next one 2 pixels
// after the previous.
struct NavButtonLayout {
    int width = 0;
    std::array<int, 4> lefts{};
};
NavButtonLayout navButtonLayout(int infoPanelWidth);

// The word processor may grow to the notebook plus 2 pixels on every side.
QSize wordpadMaxSize(QSize notebook);
