// The large (32 x 32) icons of the simulated desktop: the icons on the
// desktop itself, in folder windows and in the Open dialog's large view,
// and the word processor's own icon.
#pragma once

#include "pixel_art.h"

namespace art {

Grid largeComputer();
Grid largeRecycleBin(bool full);
Grid largeNetwork();
Grid largeFolder();
Grid largeOpenFolder();
Grid largeTextDocument();
Grid largeWordDocument();
Grid largePaintPicture();
Grid largeInternet();
Grid largeFloppyDrive();
Grid largeHardDisk();
Grid largeCdDrive();
Grid largeControlPanel();
Grid largePrintersFolder();
Grid largePrinter();
Grid largeProgram();
Grid largeBriefcase();
Grid largeShortcutArrow();
Grid largeHelpBook();
Grid largeWordpad();

} // namespace art
