#include "drawing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace art {

void fill(Grid &g, int x0, int y0, int x1, int y1, char code)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            g.set(x, y, code);
}

void hline(Grid &g, int x0, int x1, int y, char code)
{
    fill(g, x0, y, x1, y, code);
}

void vline(Grid &g, int x, int y0, int y1, char code)
{
    fill(g, x, y0, x, y1, code);
}

void line(Grid &g, int x0, int y0, int x1, int y1, char code)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        g.set(x0, y0, code);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void bevel(Grid &g, int x0, int y0, int x1, int y1, char light, char dark)
{
    hline(g, x0, x1, y0, light);
    vline(g, x0, y0, y1, light);
    hline(g, x0, x1, y1, dark);
    vline(g, x1, y0, y1, dark);
}

void ellipse(Grid &g, double cx, double cy, double rx, double ry, char code)
{
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx));
             ++x) {
            const double nx = (x + 0.5 - cx) / rx;
            const double ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0)
                g.set(x, y, code);
        }
}

Grid strip(const std::vector<Grid> &cells)
{
    if (cells.empty())
        return Grid();
    const int w = cells.front().width();
    const int h = cells.front().height();
    Grid result(w * static_cast<int>(cells.size()), h);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].width() != w || cells[i].height() != h) {
            std::fprintf(stderr, "make_artwork: picture %zu of a strip is %d x %d, expected %d x %d\n",
                         i, cells[i].width(), cells[i].height(), w, h);
            std::abort();
        }
        result.paste(cells[i], static_cast<int>(i) * w, 0);
    }
    return result;
}

} // namespace art
