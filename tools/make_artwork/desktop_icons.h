// The icons on the simulated desktop, with their captions, on the desktop's
// teal: two columns of four, 75 pixels apart each way.
#pragma once

#include <QImage>
#include <QString>

namespace art {

constexpr int DesktopIconsWidth = 146;
constexpr int DesktopIconsHeight = 298;

// 'family' is the desktop font (MS Sans Serif); its text is written 8 point
// high without smoothing.
QImage desktopIcons(const QString &family);

} // namespace art
