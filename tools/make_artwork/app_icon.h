// The application's own icon, for the desktop's menus and software centres:
// the credits emblem, a gold quill across a monitor with writing on its
// glass. The small sizes are pixel art in the desktop's palette, the large
// ones the emblem itself, scaled.
#pragma once

#include <QImage>

#include <array>

namespace art {

// The sizes a desktop looks for (share/icons/hicolor/<n>x<n>/apps).
constexpr std::array<int, 6> AppIconSizes{16, 32, 48, 64, 128, 256};

// The icon at one of AppIconSizes, on a clear background.
QImage appIcon(int size);

} // namespace art
