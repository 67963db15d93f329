// Shapes the icons have in common, drawn to measure: boxes seen from the
// front and a little above, a fountain pen, the ringed globe of the web
// browser and a magnifying glass.
#pragma once

#include "pixel_art.h"

namespace art {

// A box whose front face has its top left corner at (x, y) and is w x h
// pixels; its top and right side recede 'depth' pixels up and to the right.
// The faces are filled in the given colours and the box is outlined in
// black.
struct BoxColours {
    char top = 'w';
    char front = 's';
    char side = 'd';
};
void box(Grid &g, int x, int y, int w, int h, int depth, const BoxColours &colours = {});

// A fountain pen from the end of its cap (x0, y0) to the point of its nib
// (x1, y1), 'radius' pixels thick on either side of its axis, lit from the
// top left and outlined in black: a teal barrel, a gold band and nib.
Grid fountainPen(int w, int h, double x0, double y0, double x1, double y1, double radius);

// The Earth with a golden ring round it, the sign of the web browser,
// 'size' pixels across.
Grid ringedGlobe(int size);

// A magnifying glass: a round lens of the given radius with its centre at
// (cx, cy) in a grid of w x h, the handle going down to the right.
Grid magnifier(int w, int h, double cx, double cy, double radius, int handle);

} // namespace art
