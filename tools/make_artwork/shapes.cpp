#include "shapes.h"

#include "drawing.h"
#include "globe.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr double Pi = 3.14159265358979323846;

} // namespace

void box(Grid &g, int x, int y, int w, int h, int depth, const BoxColours &colours)
{
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    fill(g, x, y, right, bottom, colours.front);
    for (int i = 1; i <= depth; ++i) {
        hline(g, x + i, right + i, y - i, colours.top);
        vline(g, right + i, y - i, bottom - i, colours.side);
    }
    // The outline, and the two edges where the front meets the top and side.
    hline(g, x, right, y, 'k');
    hline(g, x, right, bottom, 'k');
    vline(g, x, y, bottom, 'k');
    vline(g, right, y, bottom, 'k');
    hline(g, x + depth, right + depth, y - depth, 'k');
    vline(g, right + depth, y - depth, bottom - depth, 'k');
    for (int i = 1; i < depth; ++i) {
        g.set(x + i, y - i, 'k');
        g.set(right + i, bottom - i, 'k');
    }
}

Grid fountainPen(int w, int h, double x0, double y0, double x1, double y1, double radius)
{
    Grid pen(w, h);
    const double length = std::hypot(x1 - x0, y1 - y0);
    const double ux = (x1 - x0) / length;
    const double uy = (y1 - y0) / length;
    // Across the pen, towards the light (up and to the left of its axis
    // when it lies from the top right down to the bottom left).
    const double ax = uy;
    const double ay = -ux;
    const double across = ax < 0 ? 1.0 : -1.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double px = x + 0.5 - x0;
            const double py = y + 0.5 - y0;
            const double t = (px * ux + py * uy) / length;
            const double d = across * (px * ax + py * ay);
            if (t < 0.0 || t > 1.0)
                continue;
            // The cap end is rounded; the nib narrows to its point.
            double r = radius;
            const double along = t * length;
            if (along < radius)
                r = std::sqrt(std::max(0.0, radius * radius - (radius - along) * (radius - along)));
            constexpr double NibStart = 0.72;
            if (t > NibStart)
                r = radius * 0.85 * (1.0 - t) / (1.0 - NibStart) + 0.35;
            if (std::abs(d) > r)
                continue;
            const double side = d / r; // 1 on the lit edge, -1 on the dark one
            char code;
            if (t < 0.5)
                code = side > 0.45 ? 'a' : side < -0.35 ? 'n' : 't';
            else if (t < 0.57)
                code = side > 0.0 ? 'y' : 'o';
            else if (t < NibStart)
                code = side > 0.45 ? 'd' : 'k';
            else
                code = std::abs(d) < 0.5 && t < 0.9 ? 'k' : side > 0.0 ? 'y' : 'o';
            pen.set(x, y, code);
        }
    pen.outline('k');
    return pen;
}

Grid ringedGlobe(int size)
{
    Grid g(size, size);
    const int earth = size - size / 4;
    const int offset = (size - earth) / 2;
    g.paste(globe(earth), offset, offset);
    // A thin tilted ring: its near half passes in front of the globe and its
    // far half disappears behind it.
    const double centre = size / 2.0;
    const double rx = size / 2.0 - 0.6;
    const double ry = size / 7.0;
    const double angle = -0.5;
    Grid ring(size, size);
    for (int step = 0; step < 720; ++step) {
        const double t = step * Pi / 360.0;
        const double u = rx * std::cos(t);
        const double v = ry * std::sin(t);
        const int x = static_cast<int>(std::floor(centre + u * std::cos(angle) - v * std::sin(angle)));
        const int y = static_cast<int>(std::floor(centre + u * std::sin(angle) + v * std::cos(angle)));
        if (v < 0 && g.at(x, y) != Clear)
            continue;
        ring.set(x, y, 'y');
    }
    // Its shaded underside.
    Grid edged = ring;
    for (int y = 1; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (ring.at(x, y) == Clear && ring.at(x, y - 1) == 'y')
                edged.set(x, y, 'o');
    g.paste(edged, 0, 0);
    return g;
}

Grid magnifier(int w, int h, double cx, double cy, double radius, int handle)
{
    Grid g(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d = std::hypot(dx, dy) / radius;
            if (d > 1.0)
                continue;
            if (d > 1.0 - 1.2 / radius) {
                g.set(x, y, dx + dy < 0 ? 's' : 'd'); // the metal ring
                continue;
            }
            // Pale glass with a glint towards the light.
            const double glint = (-dx - dy) / radius;
            g.set(x, y, glint > 0.75 && d > 0.35 ? 'w' : glint < -0.55 ? 't' : 'a');
        }
    // The handle leaves the ring down to the right.
    const int hx = static_cast<int>(std::lround(cx + radius * 0.62));
    const int hy = static_cast<int>(std::lround(cy + radius * 0.62));
    for (int i = 0; i < handle; ++i) {
        g.set(hx + i, hy + i, 'd');
        g.set(hx + i + 1, hy + i, 'k');
        g.set(hx + i, hy + i + 1, 'k');
    }
    g.outline('k');
    return g;
}

} // namespace art
