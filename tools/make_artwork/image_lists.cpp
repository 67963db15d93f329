#include "image_lists.h"

#include "drawing.h"
#include "icons16.h"
#include "icons32.h"
#include "toolbar_icons.h"

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

Grid startMenuRowIcons()
{
    return strip({
        largeProgramGroup(),
        largeDocumentsFolder(),
        largeSettingsFolder(),
        largeFind(),
        largeClosedHelpBook(),
        largeRun(),
        largeShutDown(),
    });
}

Grid desktopList()
{
    return strip({
        largeComputer(),          // 0  My Computer
        largeRecycleBin(false),   // 1  the Recycle Bin, empty
        largeNetwork(),           // 2  Network Neighborhood
        largeFolder(),            // 3  a folder
        largeTextDocument(),      // 4  a text document
        largeOpenFolder(),        // 5  an open folder
        largeFloppyDrive(),       // 6  the floppy drive
        largeHardDisk(),          // 7  a hard disk
        largeCdDrive(),           // 8  the CD-ROM drive
        largeWordDocument(),      // 9  a word processor document
        largeControlPanel(),      // 10 the Control Panel
        largePrintersFolder(),    // 11 the Printers folder
        largePrinter(),           // 12 a printer
        largeProgram(),           // 13 a program
        largeInternet(),          // 14 the Internet
        largeBriefcase(),         // 15 the Briefcase
        largeRecycleBin(true),    // 16 the Recycle Bin, full
        largeShortcutArrow(),     // 17 the shortcut arrow
        largeHelpBook(),          // 18 a help file
        largePaintPicture(),      // 19 a picture
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

namespace art {

Grid toolbarButtonList()
{
    return strip({
        newGlyph(),          // 0  New
        openGlyph(),         // 1  Open
        saveGlyph(),         // 2  Save
        printGlyph(),        // 3  Print
        printPreviewGlyph(), // 4  Print Preview
        cutGlyph(),          // 5  Cut
        copyGlyph(),         // 6  Copy
        pasteGlyph(),        // 7  Paste
        findGlyph(),         // 8  Find
        undoGlyph(),         // 9  Undo
        dateTimeGlyph(),     // 10 Date and Time
        insertObjectGlyph(), // 11 Insert Object
        clearGlyph(),        // 12 Clear
        boldGlyph(),         // 13 Bold
        italicGlyph(),       // 14 Italic
        underlineGlyph(),    // 15 Underline
        colourGlyph(),       // 16 Colour
        alignLeftGlyph(),    // 17 Align Left
        bulletsGlyph(),      // 18 Bullets
    });
}

} // namespace art
