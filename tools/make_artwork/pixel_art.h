// Small helpers for 16-colour pixel art: pictures are written as rows of
// letters, one letter per pixel, each letter naming one of the classic
// sixteen VGA colours (or one of a few extra shades for larger pictures).
#pragma once

#include <QImage>
#include <QRgb>

#include <string>
#include <vector>

namespace art {

// Letter code of every palette colour. '.' is a transparent pixel.
//   k black    m maroon   g green    o olive
//   n navy     p purple   t teal     s silver
//   d grey     r red      l lime     y yellow
//   b blue     f fuchsia  a aqua     w white
// and, for the larger pictures, a few more from a 256-colour palette:
//   c cream    e beige    h tan      u umber    j dark umber
//   v steel blue
// and for the application icon, the credits emblem's gold and pale blue:
//   i pale gold  q gold     z amber    x pale blue
constexpr char Clear = '.';

// The colour of a palette letter; fully transparent for '.'.
// Unknown letters are a programming error and abort the tool.
QRgb colour(char code);

// A picture made of palette letters.
class Grid {
public:
    Grid() = default;
    Grid(int width, int height, char fill = Clear);
    // Builds a grid from rows of equal length.
    static Grid fromRows(const std::vector<std::string> &rows);

    int width() const { return w; }
    int height() const { return h; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    char at(int x, int y) const { return contains(x, y) ? cells[index(x, y)] : Clear; }
    void set(int x, int y, char code);

    // Copies every non-transparent pixel of 'other' with its top left at (x, y).
    void paste(const Grid &other, int x, int y);
    Grid mirrored() const;

    // Paints every transparent pixel that touches a coloured one (sideways or
    // up/down) in 'code': a one pixel outline around the picture.
    void outline(char code);

    QImage toImage() const;

private:
    int index(int x, int y) const { return y * w + x; }
    int w = 0;
    int h = 0;
    std::vector<char> cells;
};

// 4 x 4 ordered dithering threshold in [0, 1) for a pixel position, the way
// 16-colour paint programs of the time blended two colours.
double bayer(int x, int y);

} // namespace art
