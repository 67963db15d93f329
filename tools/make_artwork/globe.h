// The Earth as a small round picture in the sixteen colours.
#pragma once

#include "pixel_art.h"

namespace art {

// A globe seen from above the Atlantic, lit from the top left, 'size'
// pixels across including its black rim.
Grid globe(int size);

} // namespace art
