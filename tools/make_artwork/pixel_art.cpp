#include "pixel_art.h"

#include <cstdio>
#include <cstdlib>

namespace art {

QRgb colour(char code)
{
    switch (code) {
    case '.': return qRgba(0, 0, 0, 0);
    case 'k': return qRgb(0x00, 0x00, 0x00);
    case 'm': return qRgb(0x80, 0x00, 0x00);
    case 'g': return qRgb(0x00, 0x80, 0x00);
    case 'o': return qRgb(0x80, 0x80, 0x00);
    case 'n': return qRgb(0x00, 0x00, 0x80);
    case 'p': return qRgb(0x80, 0x00, 0x80);
    case 't': return qRgb(0x00, 0x80, 0x80);
    case 's': return qRgb(0xC0, 0xC0, 0xC0);
    case 'd': return qRgb(0x80, 0x80, 0x80);
    case 'r': return qRgb(0xFF, 0x00, 0x00);
    case 'l': return qRgb(0x00, 0xFF, 0x00);
    case 'y': return qRgb(0xFF, 0xFF, 0x00);
    case 'b': return qRgb(0x00, 0x00, 0xFF);
    case 'f': return qRgb(0xFF, 0x00, 0xFF);
    case 'a': return qRgb(0x00, 0xFF, 0xFF);
    case 'w': return qRgb(0xFF, 0xFF, 0xFF);
    case 'c': return qRgb(0xFF, 0xFB, 0xF0);
    case 'e': return qRgb(0xE6, 0xDE, 0xC6);
    case 'h': return qRgb(0xC8, 0xBC, 0x98);
    case 'u': return qRgb(0x9C, 0x8E, 0x6C);
    case 'j': return qRgb(0x5C, 0x52, 0x3C);
    case 'v': return qRgb(0x6C, 0x8C, 0xB8);
    case 'i': return qRgb(0xFF, 0xEC, 0x9C);
    case 'q': return qRgb(0xF0, 0xB8, 0x30);
    case 'z': return qRgb(0xA8, 0x6C, 0x08);
    case 'x': return qRgb(0x96, 0xBA, 0xFF);
    }
    std::fprintf(stderr, "make_artwork: unknown palette letter '%c'\n", code);
    std::abort();
}

Grid::Grid(int width, int height, char fill)
    : w(width), h(height), cells(static_cast<size_t>(width * height), fill)
{
}

Grid Grid::fromRows(const std::vector<std::string> &rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows.front().size()) : 0;
    Grid grid(width, height);
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            std::fprintf(stderr, "make_artwork: row %d is %zu pixels wide, expected %d\n",
                         y, rows[y].size(), width);
            std::abort();
        }
        for (int x = 0; x < width; ++x) {
            colour(rows[y][x]); // rejects typing mistakes early
            grid.set(x, y, rows[y][x]);
        }
    }
    return grid;
}

void Grid::set(int x, int y, char code)
{
    if (contains(x, y))
        cells[index(x, y)] = code;
}

void Grid::paste(const Grid &other, int x, int y)
{
    for (int oy = 0; oy < other.height(); ++oy)
        for (int ox = 0; ox < other.width(); ++ox)
            if (other.at(ox, oy) != Clear)
                set(x + ox, y + oy, other.at(ox, oy));
}

Grid Grid::mirrored() const
{
    Grid result(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.set(w - 1 - x, y, at(x, y));
    return result;
}

void Grid::outline(char code)
{
    const Grid before = *this;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (before.at(x, y) == Clear
                && (before.at(x - 1, y) != Clear || before.at(x + 1, y) != Clear
                    || before.at(x, y - 1) != Clear || before.at(x, y + 1) != Clear))
                set(x, y, code);
}

QImage Grid::toImage() const
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, colour(at(x, y)));
    return image;
}

double bayer(int x, int y)
{
    static const int matrix[4][4] = {
        { 0, 8, 2, 10 },
        { 12, 4, 14, 6 },
        { 3, 11, 1, 9 },
        { 15, 7, 13, 5 },
    };
    return (matrix[y & 3][x & 3] + 0.5) / 16.0;
}

} // namespace art
