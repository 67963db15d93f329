// Drawing on a grid of palette letters: boxes, lines, box edges, ellipses.
#pragma once

#include "pixel_art.h"

#include <vector>

namespace art {

// Fills the box from (x0, y0) to (x1, y1), both corners included.
void fill(Grid &g, int x0, int y0, int x1, int y1, char code);
void hline(Grid &g, int x0, int x1, int y, char code);
void vline(Grid &g, int x, int y0, int y1, char code);
// A one pixel line from (x0, y0) to (x1, y1).
void line(Grid &g, int x0, int y0, int x1, int y1, char code);

// A one pixel box edge, light on the top and left, dark on the bottom and
// right (the dark side owns the two far corners, as on the desktop).
void bevel(Grid &g, int x0, int y0, int x1, int y1, char light, char dark);

// Fills the ellipse round (cx, cy) with half axes rx and ry.
void ellipse(Grid &g, double cx, double cy, double rx, double ry, char code);

// Lays the pictures side by side, each in a cell of the first one's size:
// the strip an image list is loaded from.
Grid strip(const std::vector<Grid> &cells);

} // namespace art
