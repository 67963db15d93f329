// The small (16 x 16) icons of the simulated desktop: the programs on the
// Start menu, and the small forms of the desktop and file icons for lists,
// menus and the title bars of windows.
#pragma once

#include "pixel_art.h"

namespace art {

// Folders and documents.
Grid smallFolder();
Grid smallOpenFolder();
Grid smallProgramGroup();
Grid smallTextDocument();
Grid smallWordDocument();
Grid smallPaintPicture();
Grid smallWebPage();
Grid smallInternet();
Grid smallHelpBook();
Grid smallBriefcase();

// Programs.
Grid smallDosPrompt();
Grid smallExplorer();
Grid smallBrowser();
Grid smallMine();
Grid smallCards();
Grid smallCalculator();
Grid smallNotepad();
Grid smallWordpad();
Grid smallPaint();
Grid smallMediaPlayer();
Grid smallProgram();

// The computer and what is in and around it.
Grid smallComputer();
Grid smallRecycleBin(bool full);
Grid smallNetwork();
Grid smallFloppyDrive();
Grid smallHardDisk();
Grid smallCdDrive();
Grid smallControlPanel();
Grid smallPrintersFolder();
Grid smallPrinter();

// The little arrow laid over the icon of a shortcut.
Grid smallShortcutArrow();
// The waving flag of the Start button.
Grid smallFlag();

} // namespace art
