#include "app_icon.h"

#include "credits_logo.h"
#include "drawing.h"
#include "pixel_art.h"

#include <QPainter>
#include <QPointF>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace art {
namespace {

constexpr double Pi = 3.14159265358979323846;

// ---------------------------------------------------------------------------
// The small sizes: pixel art

// Where things are on one of the pixel-art icons. Rectangles include their
// black outline.
struct PixelLayout {
    int size;
    QRect body;       // the monitor's front
    int corner;       // radius of its rounded corners
    QRect glass;      // the screen, inside a one pixel sunk edge when 'recess'
    bool recess;
    int neckWidth;    // the neck under the body, outline excluded
    QRect foot;
    QPointF nib;      // the quill, from the point of its nib...
    QPointF tip;      // ...to the tip of its feather
    double vane;      // the feather's half width on its broad, shaded side
    double lit;       // and on its narrow, lit side
    int lineStep;     // a line of writing every so many rows
    bool sparkle;     // a glint where the nib touches the glass
};

// At 16 pixels the monitor is drawn by hand (smallMonitor below); its
// figures here only describe that drawing, and the quill's are used.
const PixelLayout Layouts[] = {
    {16, QRect(0, 3, 13, 10), 1, QRect(2, 5, 9, 5), false, 3, QRect(2, 14, 9, 2),
     QPointF(7.2, 9.4), QPointF(15.2, 0.6), 2.2, 1.0, 2, false},
    {32, QRect(1, 6, 25, 19), 2, QRect(4, 9, 19, 12), true, 5, QRect(5, 27, 17, 4),
     QPointF(14.0, 18.5), QPointF(30.6, 1.3), 4.6, 2.2, 2, true},
    {48, QRect(2, 9, 37, 28), 3, QRect(6, 13, 29, 18), true, 7, QRect(8, 40, 25, 5),
     QPointF(21.0, 27.5), QPointF(46.4, 1.6), 7.0, 3.2, 3, true},
};

// A filled rectangle with rounded corners of the given radius.
void roundedBox(Grid &g, const QRect &r, int radius, char code)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double cx = std::clamp(x + 0.5, r.left() + radius + 0.0, r.right() + 1.0 - radius);
            const double cy = std::clamp(y + 0.5, r.top() + radius + 0.0, r.bottom() + 1.0 - radius);
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius + 0.01)
                g.set(x, y, code);
        }
}

// Silver lit from the top left: every pixel of the shape on its upper or
// left edge turns white, on its lower or right edge grey (the dark side
// owns the far corners).
void lightSilver(Grid &g)
{
    const Grid before = g;
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x) {
            if (before.at(x, y) != 's')
                continue;
            if (before.at(x + 1, y) == Clear || before.at(x, y + 1) == Clear)
                g.set(x, y, 'd');
            else if (before.at(x - 1, y) == Clear || before.at(x, y - 1) == Clear)
                g.set(x, y, 'w');
        }
}

// Shapes drawn inside their outline rectangle, lit, then outlined in black.
Grid outlined(Grid shape, bool lit)
{
    if (lit)
        lightSilver(shape);
    shape.outline('k');
    return shape;
}

void stand(Grid &g, const PixelLayout &l)
{
    Grid shape(l.size, l.size);
    const int centre = l.body.left() + l.body.width() / 2;
    const int half = l.neckWidth / 2;
    fill(shape, centre - half, l.body.bottom() - 1, centre + half, l.foot.top() + 1, 's');
    roundedBox(shape, l.foot.adjusted(1, 1, -1, -1), l.size >= 32 ? 1 : 0, 's');
    g.paste(outlined(shape, l.size >= 32), 0, 0);
}

void monitorBody(Grid &g, const PixelLayout &l)
{
    Grid shape(l.size, l.size);
    roundedBox(shape, l.body.adjusted(1, 1, -1, -1), std::max(0, l.corner - 1), 's');
    g.paste(outlined(shape, l.size >= 32), 0, 0);
    if (l.recess)
        bevel(g, l.glass.left() - 1, l.glass.top() - 1, l.glass.right() + 1, l.glass.bottom() + 1, 'd', 'w');
    // The glass, navy at the top dithered into blue below.
    for (int y = l.glass.top(); y <= l.glass.bottom(); ++y)
        for (int x = l.glass.left(); x <= l.glass.right(); ++x) {
            const double depth = (y - l.glass.top() + 0.5) / l.glass.height();
            g.set(x, y, bayer(x, y) < (depth - 0.55) * 0.5 ? 'b' : 'n');
        }
    // The power lamp on the chin, at the right.
    const int chin = (l.glass.bottom() + (l.recess ? 2 : 1) + l.body.bottom() - 1) / 2;
    const int lamp = l.body.right() - 2 - l.size / 16;
    g.set(lamp, chin, 'y');
    if (l.size >= 32) {
        hline(g, lamp - 2 - l.size / 8, lamp - 3, chin, 'd');
        g.set(lamp + 1, chin, 'y');
    }
}

// Lines of pale words down the glass; the line the nib is on is gold and
// ends at the nib.
void writing(Grid &g, const PixelLayout &l)
{
    static const int words[] = {6, 4, 9, 5, 3, 7, 5, 4, 8, 3, 6, 4, 5, 7};
    const int left = l.glass.left() + (l.size >= 32 ? 2 : 1);
    const int right = l.glass.right() - (l.size >= 32 ? 2 : 1);
    const int current = static_cast<int>(std::floor(l.nib.y()));
    int word = 0;
    for (int y = current; y > l.glass.top(); y -= l.lineStep) {
        const bool last = y == current;
        const int end = last ? static_cast<int>(std::floor(l.nib.x())) - 1 : right;
        for (int x = left; x <= end;) {
            const int length = std::max(1, words[word++ % 14] * l.size / 48);
            hline(g, x, std::min(end, x + length - 1), y, last ? 'q' : 'x');
            x += length + 1;
        }
    }
}

// The quill along its own axis: t runs from 0 at the point of the nib to
// 1 at the tip of the feather, d across it (positive on the lit side, up
// and to the left).
char quillPixel(const PixelLayout &l, double t, double d, double length)
{
    constexpr double NibEnd = 0.16;
    constexpr double BarrelEnd = 0.34;
    constexpr double VaneStart = 0.28;
    const double scale = l.size / 32.0;
    if (t < 0.0 || t > 1.0)
        return Clear;
    if (t <= NibEnd) {
        const double half = 0.3 + (t / NibEnd) * 1.1 * scale;
        if (std::abs(d) > half)
            return Clear;
        if (l.size >= 32 && std::abs(d) < 0.5 && t > 0.04 && t < NibEnd * 0.7)
            return 'k';
        return d > 0 ? 'q' : 'z';
    }
    const double barrel = 1.2 * scale + 0.2;
    if (t <= BarrelEnd && std::abs(d) <= barrel)
        return d > barrel * 0.3 ? 'c' : d > -barrel * 0.4 ? 'e' : 'h';
    if (t < VaneStart)
        return Clear;
    // The feather swells from the barrel to its widest a little past the
    // middle, then narrows to a point; the lit side is the narrower.
    const double u = (t - VaneStart) / (1.0 - VaneStart);
    auto swell = [](double u, double peak) {
        return u < peak ? std::pow(std::sin(Pi / 2 * u / peak), 0.7)
                        : std::pow(std::cos(Pi / 2 * (u - peak) / (1.0 - peak)), 0.8);
    };
    const double shade = l.vane * swell(u, 0.6);
    const double light = l.lit * swell(u, 0.5);
    if (d > light + 0.3 || -d > shade + 0.3)
        return Clear;
    if (std::abs(d) < 0.5 && l.size >= 32 && t < 0.96)
        return 'c';
    if (d > 0)
        return 'i';
    // Barbs: darker strokes sweeping out of the shaft towards the tip.
    const double period = l.size / 9.0;
    if (l.size >= 32 && -d > shade * 0.4 + 0.5 && std::fmod(t * length + d * 0.9 + 100.0, period) < 1.0)
        return 'z';
    return 'q';
}

Grid quill(const PixelLayout &l)
{
    Grid q(l.size, l.size);
    const double dx = l.tip.x() - l.nib.x();
    const double dy = l.tip.y() - l.nib.y();
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    // Across the axis, towards the top left.
    double ax = uy, ay = -ux;
    if (ax + ay > 0) {
        ax = -ax;
        ay = -ay;
    }
    for (int y = 0; y < l.size; ++y)
        for (int x = 0; x < l.size; ++x) {
            const double px = x + 0.5 - l.nib.x();
            const double py = y + 0.5 - l.nib.y();
            const double t = (px * ux + py * uy) / length;
            const double d = px * ax + py * ay;
            q.set(x, y, quillPixel(l, t, d, length));
        }
    q.outline('k');
    return q;
}

// At 16 pixels every pixel counts: the monitor is drawn by hand, with a
// plain silver bezel, two lines of writing and the gold one at the nib.
Grid smallMonitor()
{
    Grid g(16, 16);
    g.paste(Grid::fromRows({
                ".kkkkkkkkkkk.",
                "ksssssssssssk",
                "ksnnnnnnnnnsk",
                "ksnxxnxxxnnsk",
                "ksnnnnnnnnnsk",
                "ksnxxxnxxnnsk",
                "ksnqqnqnnnnsk",
                "ksssssssssysk",
                "kdddddddddddk",
                ".kkkkkkkkkkk.",
                "....kssdk....",
                "..kwsssssdk..",
                "..kkkkkkkkk..",
            }),
            0, 3);
    return g;
}

Grid pixelIcon(const PixelLayout &l)
{
    Grid g(l.size, l.size);
    if (l.size == 16) {
        g = smallMonitor();
    } else {
        stand(g, l);
        monitorBody(g, l);
        writing(g, l);
    }
    g.paste(quill(l), 0, 0);
    if (l.sparkle) {
        const int x = static_cast<int>(std::floor(l.nib.x()));
        const int y = static_cast<int>(std::floor(l.nib.y()));
        g.set(x - 1, y, 'w');
        g.set(x - 2, y, 'i');
        g.set(x - 1, y + 1, 'i');
        g.set(x - 1, y - 1, 'i');
    }
    return g;
}

// ---------------------------------------------------------------------------
// The large sizes: the emblem itself, scaled to fill the square. A scale
// of a whole number (or its half) keeps the emblem's edges on the pixel
// grid.

QImage scaledEmblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / 128.0;
    const QPointF centre = EmblemBounds.center();
    painter.translate(std::round(size / 2.0 - centre.x() * scale), std::round(size / 2.0 - centre.y() * scale));
    painter.scale(scale, scale);
    drawEmblem(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage appIcon(int size)
{
    for (const PixelLayout &l : Layouts)
        if (l.size == size)
            return pixelIcon(l).toImage();
    if (std::find(AppIconSizes.begin(), AppIconSizes.end(), size) == AppIconSizes.end()) {
        std::fprintf(stderr, "make_artwork: no application icon of %d pixels\n", size);
        std::abort();
    }
    return scaledEmblem(size);
}

} // namespace art
