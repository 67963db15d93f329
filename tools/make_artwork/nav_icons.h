// The four pictures on the flat navigation buttons of the info panel.
#pragma once

#include "pixel_art.h"

namespace art {

Grid backIcon();
Grid forwardIcon();
Grid contentsIcon();
Grid exitIcon();

} // namespace art
