// The banner down the left side of the simulated Start menu. The program
// draws the rest of the menu from its rows' words (src/shell/
// start_menu_picture.h); the rows' icons are an image list
// (startMenuRowIcons).
#pragma once

#include <QImage>
#include <QString>

namespace art {

// The banner: blue shading down to a lighter blue, the name reading upwards
// in the font family given, bold then regular. Its size is the program's
// StartMenuBanner.
QImage startBanner(const QString &family);

} // namespace art
