// The banner at the top of the "Select language" dialog.
#pragma once

#include <QImage>
#include <QString>

namespace art {

constexpr int BannerWidth = 480;
constexpr int BannerHeight = 64;

// The font families to use; the tool fills them in after loading the fonts.
struct BannerFonts {
    QString title;
    QString subtitle;
    // Wine's Tahoma Bold has proper bold bitmaps for small sizes only; its
    // outlines are hardly heavier than the regular face. The banner title is
    // large, so it is thickened by this many pixels when that face is used.
    double titleThickening = 0.0;
};

QImage banner(const BannerFonts &fonts);

} // namespace art
