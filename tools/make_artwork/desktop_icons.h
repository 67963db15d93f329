// The icons on the simulated desktop, on the desktop's teal: the one column
// of four that the lessons show, 75 pixels apart. Their captions are the
// learner's language: the program writes them at run time.
#pragma once

#include <QImage>

namespace art {

constexpr int DesktopIconsWidth = 80;
constexpr int DesktopIconsHeight = 298;

QImage desktopIcons();

} // namespace art
