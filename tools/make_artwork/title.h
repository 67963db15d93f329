// The picture on the course's title page: the name of the course beside a
// computer on a desk, above a plain grey strip where the program writes its
// notices.
#pragma once

#include "banner.h"

#include <QImage>

namespace art {

constexpr int TitleWidth = 480;
constexpr int TitleHeight = 360;

// Uses the banner's fonts: the name in the title face, the rest in the
// subtitle face.
QImage titlePicture(const BannerFonts &fonts);

} // namespace art
