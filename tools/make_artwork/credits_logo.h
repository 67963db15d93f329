// The product's emblem at the top of the closing credits page: a gold quill
// crossing a monitor, above the name in silver, on black.
#pragma once

#include "banner.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace art {

constexpr int CreditsLogoSize = 150;

// Uses the banner's title face for the name.
QImage creditsLogo(const BannerFonts &fonts);

// The emblem alone, the monitor with the quill across it, in the logo's own
// coordinates and without the halo behind it: the application icon scales
// it. It lies within EmblemBounds (antialiased).
void drawEmblem(QPainter &painter);
constexpr QRectF EmblemBounds(21, 3, 117, 86);

} // namespace art
