// The simulated Start menu: its frame with the banner down the left side,
// and one picture per item for the program to draw on it, plain and
// selected.
#pragma once

#include "pixel_art.h"

#include <QImage>
#include <QString>

#include <vector>

namespace art {

constexpr int StartMenuWidth = 152;
constexpr int StartMenuHeight = 224;
constexpr int StartItemWidth = 126;
constexpr int StartItemHeight = 30;

// The fonts of the menu; the tool fills them in after loading the fonts.
struct StartMenuFonts {
    // The menu text, written 8 point high without smoothing.
    QString menu;
    // The name down the banner.
    QString bannerBold;
    QString bannerRegular;
};

// The open menu without its items: the raised frame, the banner, the grey
// item area and the etched line above the last item.
QImage startMenu(const StartMenuFonts &fonts);

// One item of the menu, on magenta that the program makes transparent.
struct StartItem {
    const char *fileName; // without ".png"; "_s" is added when selected
    const char *caption;  // '&' marks the access letter
    bool submenu;         // shows the arrow of a submenu
    Grid (*icon)();       // the 32 x 32 picture
};
const std::vector<StartItem> &startItems();
QImage startItem(const StartItem &item, bool selected, const StartMenuFonts &fonts);

} // namespace art
