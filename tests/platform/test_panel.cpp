#include "platform/panel.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage paint(qreal ratio, const std::function<void(QPainter &)> &draw)
{
    QImage image(QSize(20, 20) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    draw(p);
    return image;
}

// The frames and bevels fill their 1-pixel lines as rectangles. A line
// covers exactly the pixels a 1-pixel pen draws from its first end to its
// last, whichever way it is given, and at twice the pixel density it is the
// same line with every pixel doubled (a stroked line would bleed half a pen
// beyond its ends there).
TEST(PixelLine, CoversTheLinesPixelsExactly)
{
    const QColor red(128, 0, 0);
    const struct {
        const char *name;
        int x1, y1, x2, y2;
        QPoint from, to;  // the same pixels, drawn left to right or top down
    } lines[] = {
        {"along a row", 2, 3, 17, 3, {2, 3}, {17, 3}},
        {"along a column", 5, 1, 5, 18, {5, 1}, {5, 18}},
        {"row, backwards", 17, 6, 2, 6, {2, 6}, {17, 6}},
        {"column, backwards", 9, 18, 9, 1, {9, 1}, {9, 18}},
        {"one pixel", 4, 4, 4, 4, {4, 4}, {4, 4}},
        {"off the edge", -3, 0, 30, 0, {-3, 0}, {30, 0}},
    };
    for (const auto &l : lines) {
        SCOPED_TRACE(l.name);
        const auto filled = [&](QPainter &p) { drawPixelLine(p, l.x1, l.y1, l.x2, l.y2, red); };
        const QImage once = paint(1, filled);
        EXPECT_EQ(once, paint(1, [&](QPainter &p) {
                      p.setPen(red);
                      p.drawLine(l.from, l.to);
                  }));
        QImage doubled = once.scaled(once.size() * 2);  // nearest neighbour
        doubled.setDevicePixelRatio(2);
        EXPECT_EQ(paint(2, filled), doubled);
    }
}

}  // namespace
