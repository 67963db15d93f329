#pragma once

#include <QSize>

#include <array>

// Arithmetic of the main window's layout. Every division rounds toward zero.

// Whether the course can be drawn right: its layout needs 800 x 600 of its
// own pixels (the screen's size after the toolkit's scaling), and each of its
// pixels must be a whole square of the display's pixels, so nothing is
// blurred: the toolkit's factor courseScale is whole (1 on a screen at 120 or
// 144 dots per inch, which the toolkit rounds down; 2 at 192), and the
// display shows the drawn window as it is (shownScale 1; a compositor that
// resamples the window for a fractional output scale gives its factor).
bool displayIsSuitable(QSize screen, double courseScale, double shownScale);

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
