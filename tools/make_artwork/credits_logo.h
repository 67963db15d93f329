// The product's emblem at the top of the closing credits page: a gold quill
// crossing a monitor, above the name in silver, on black.
#pragma once

#include "banner.h"

#include <QImage>

namespace art {

constexpr int CreditsLogoSize = 150;

// Uses the banner's title face for the name.
QImage creditsLogo(const BannerFonts &fonts);

} // namespace art
