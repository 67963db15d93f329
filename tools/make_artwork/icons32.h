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

// The Start menu's pictures: a folder of programs, an open folder of
// documents, a folder with a cogwheel, a magnifier over a page, the help
// book (a row shorter than the help file's, to fit the menu's 30 pixel
// rows), an arrow turning into a window, and a computer with a night sky on
// its screen.
Grid largeProgramGroup();
Grid largeDocumentsFolder();
Grid largeSettingsFolder();
Grid largeFind();
Grid largeClosedHelpBook();
Grid largeRun();
Grid largeShutDown();
// The desktop's own icons beside the common ones above: the documents
// folder, the web browser's ringed globe, the mail program's envelope and
// the folder of online services.
Grid largeMyDocuments();
Grid largeBrowser();
Grid largeMail();
Grid largeOnlineServices();

} // namespace art
