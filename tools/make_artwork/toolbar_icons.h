// The pictures on the toolbar buttons of the simulated word processor and
// of its Open and Save dialog, 16 x 16 each, in the sixteen colours.
#pragma once

#include "pixel_art.h"

namespace art {

// The word processor's toolbars.
Grid newGlyph();
Grid openGlyph();
Grid saveGlyph();
Grid printGlyph();
Grid printPreviewGlyph();
Grid cutGlyph();
Grid copyGlyph();
Grid pasteGlyph();
Grid findGlyph();
Grid undoGlyph();
Grid dateTimeGlyph();
Grid insertObjectGlyph();
Grid clearGlyph();
Grid boldGlyph();
Grid italicGlyph();
Grid underlineGlyph();
Grid colourGlyph();
Grid alignLeftGlyph();
Grid alignCentreGlyph();
Grid alignRightGlyph();
Grid bulletsGlyph();

// The Open and Save dialog.
Grid upOneLevelGlyph();
Grid newFolderGlyph();
Grid listViewGlyph();
Grid detailsViewGlyph();

} // namespace art
