#pragma once

// What the dissolve tests of the core and of the panel share.

#include "effects/harm_fade_core.h"

#include <QImage>

#include <functional>
#include <string>

// A picture whose every pixel differs from black and from its neighbours.
inline QImage pattern(int w, int h, int seed)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(1 + (x * 7 + seed) % 250, 1 + (y * 13 + seed) % 250, 1 + (x + y + seed) % 250));
    return img;
}

// The message of the EHarmFade that run throws.
inline std::string errorOf(const std::function<void()> &run)
{
    try {
        run();
    } catch (const EHarmFade &e) {
        return e.what();
    }
    return "(no EHarmFade)";
}
