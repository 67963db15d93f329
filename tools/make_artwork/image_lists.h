// The image lists of the simulated desktop, each saved as one strip with
// picture i at x = i * (width of a picture). The order of the pictures is
// the order the program looks them up in.
#pragma once

#include "pixel_art.h"

namespace art {

// The programs on the Start menu's submenus (16 x 16).
Grid startMenuList();
// The Start menu's rows, top to bottom (32 x 32): Programs, Documents,
// Settings, Find, Help, Run, Shut Down.
Grid startMenuRowIcons();
// The desktop and file icons (32 x 32).
Grid desktopList();
// The same at 16 x 16, with a web page and the flag of the Start button.
Grid smallDesktopList();
// The word processor's toolbar buttons (16 x 16).
Grid toolbarButtonList();

} // namespace art
