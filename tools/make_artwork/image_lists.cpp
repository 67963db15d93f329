#include "image_lists.h"

#include "drawing.h"
#include "icons16.h"

namespace art {

Grid startMenuList()
{
    return strip({
        smallProgramGroup(), // 0  a folder of programs
        smallDosPrompt(),    // 1  the command prompt
        smallExplorer(),     // 2  the file explorer
        smallBrowser(),      // 3  the web browser
        smallMine(),         // 4  the mine-finding game
        smallCards(),        // 5  the card game
        smallCalculator(),   // 6  the calculator
        smallNotepad(),      // 7  the notepad
        smallWordpad(),      // 8  the word processor
        smallPaint(),        // 9  the paint program
        smallMediaPlayer(),  // 10 the media player
    });
}

Grid smallDesktopList()
{
    return strip({
        smallComputer(),          // 0  My Computer
        smallRecycleBin(false),   // 1  the Recycle Bin, empty
        smallNetwork(),           // 2  Network Neighborhood
        smallFolder(),            // 3  a folder
        smallTextDocument(),      // 4  a text document
        smallOpenFolder(),        // 5  an open folder
        smallFloppyDrive(),       // 6  the floppy drive
        smallHardDisk(),          // 7  a hard disk
        smallCdDrive(),           // 8  the CD-ROM drive
        smallWordDocument(),      // 9  a word processor document
        smallControlPanel(),      // 10 the Control Panel
        smallPrintersFolder(),    // 11 the Printers folder
        smallPrinter(),           // 12 a printer
        smallProgram(),           // 13 a program
        smallInternet(),          // 14 the Internet
        smallBriefcase(),         // 15 the Briefcase
        smallRecycleBin(true),    // 16 the Recycle Bin, full
        smallShortcutArrow(),     // 17 the shortcut arrow
        smallHelpBook(),          // 18 a help file
        smallPaintPicture(),      // 19 a picture
        smallWebPage(),           // 20 a web page
        smallFlag(),              // 21 the flag of the Start button
    });
}

} // namespace art
