#include "credits_logo.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

// The monitor's front, its glass, and the stand below.
const QRectF Body(21, 12, 86, 66);
const QRectF Glass(29, 19, 70, 50);
constexpr double MonitorCentre = 64.0;

// The quill lies from the point of its nib up to the tip of its feather.
const QPointF NibPoint(62, 56.5);
const QPointF FeatherTip(139, 7);

// The name's baseline.
constexpr int NameBaseline = 127;

// ---------------------------------------------------------------------------
// A soft glow: a shape's coverage, blurred and tinted

// Spreads the alpha of 'shape' (premultiplied ARGB) with three passes of a
// box blur 2 * radius + 1 pixels wide, then paints it in 'colour' with the
// given strength (255 is the shape's own opacity).
QImage glow(const QImage &shape, int radius, QColor colour, int strength)
{
    const int w = shape.width();
    const int h = shape.height();
    std::vector<int> alpha(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(shape.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<size_t>(y * w + x)] = qAlpha(row[x]);
    }
    std::vector<int> line;
    auto pass = [&](int count, int step, int lines, int lineStep) {
        line.resize(static_cast<size_t>(count));
        const int span = 2 * radius + 1;
        for (int l = 0; l < lines; ++l) {
            const int base = l * lineStep;
            for (int i = 0; i < count; ++i)
                line[static_cast<size_t>(i)] = alpha[static_cast<size_t>(base + i * step)];
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                if (i >= 0 && i < count)
                    sum += line[static_cast<size_t>(i)];
            for (int i = 0; i < count; ++i) {
                alpha[static_cast<size_t>(base + i * step)] = (sum + span / 2) / span;
                const int leaving = i - radius;
                const int entering = i + radius + 1;
                if (leaving >= 0)
                    sum -= line[static_cast<size_t>(leaving)];
                if (entering < count)
                    sum += line[static_cast<size_t>(entering)];
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(w, 1, h, w);
        pass(h, w, w, 1);
    }
    QImage result(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = std::min(255, alpha[static_cast<size_t>(y * w + x)] * strength / 255);
            row[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a));
        }
    }
    return result;
}

// ---------------------------------------------------------------------------
// The monitor

QPainterPath roundedBox(const QRectF &box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// The stand: a short neck widening to a flat foot.
QPainterPath standShape()
{
    QPainterPath neck;
    neck.moveTo(MonitorCentre - 9, Body.bottom() - 1);
    neck.lineTo(MonitorCentre + 9, Body.bottom() - 1);
    neck.lineTo(MonitorCentre + 12, Body.bottom() + 6);
    neck.lineTo(MonitorCentre - 12, Body.bottom() + 6);
    neck.closeSubpath();
    QPainterPath foot;
    foot.addRoundedRect(QRectF(MonitorCentre - 25, Body.bottom() + 5, 50, 6), 3, 3);
    return neck.united(foot);
}

void drawMonitor(QPainter &painter)
{
    // Pale silver, lit from the top left, with a bright edge along the top
    // and left and a darker one along the bottom and right.
    auto silver = [](const QRectF &box) {
        QLinearGradient g(box.topLeft(), box.bottomRight());
        g.setColorAt(0.0, QColor(244, 246, 250));
        g.setColorAt(0.55, QColor(200, 204, 214));
        g.setColorAt(1.0, QColor(132, 138, 154));
        return g;
    };
    const QPainterPath stand = standShape();
    painter.setPen(Qt::NoPen);
    painter.setBrush(silver(stand.boundingRect()));
    painter.drawPath(stand);
    // A shadow under the neck, where it meets the body.
    painter.setBrush(QColor(72, 76, 92));
    painter.drawRect(QRectF(MonitorCentre - 9, Body.bottom(), 18, 1));

    const QPainterPath body = roundedBox(Body, 7);
    painter.setBrush(silver(Body));
    painter.drawPath(body);
    // The rim: light above and to the left, shadowed below and to the right.
    painter.setBrush(Qt::NoBrush);
    QLinearGradient rim(Body.topLeft(), Body.bottomRight());
    rim.setColorAt(0.0, QColor(255, 255, 255));
    rim.setColorAt(0.5, QColor(220, 224, 232));
    rim.setColorAt(1.0, QColor(96, 100, 116));
    painter.setPen(QPen(QBrush(rim), 1.0));
    painter.drawPath(roundedBox(Body.adjusted(0.5, 0.5, -0.5, -0.5), 6.5));

    // The recess round the glass: dark above and left, light below and right.
    const QRectF recess = Glass.adjusted(-2, -2, 2, 2);
    QLinearGradient sunk(recess.topLeft(), recess.bottomRight());
    sunk.setColorAt(0.0, QColor(104, 110, 128));
    sunk.setColorAt(1.0, QColor(255, 255, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sunk);
    painter.drawPath(roundedBox(recess, 4));

    // The glass: navy at the top shading to royal blue.
    QLinearGradient glass(0, Glass.top(), 0, Glass.bottom());
    glass.setColorAt(0.0, QColor(0, 0, 104));
    glass.setColorAt(1.0, QColor(24, 92, 216));
    painter.setBrush(glass);
    painter.drawPath(roundedBox(Glass, 3));

    // The power lamp and the name plate on the chin.
    painter.setBrush(QColor(96, 100, 116));
    painter.drawRect(QRectF(Body.right() - 15, Body.bottom() - 6, 6, 2));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRectF(Body.right() - 15, Body.bottom() - 5, 6, 1));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawRect(QRectF(Body.right() - 7, Body.bottom() - 6, 2, 2));
}

// "Writing" on the glass: lines of pale words, the last line still being
// written, in gold, up to the nib.
void drawWriting(QPainter &painter)
{
    static const int words[] = { 6, 4, 9, 5, 3, 7, 5, 4, 8, 3, 6, 4, 5, 7 };
    const int left = static_cast<int>(Glass.left()) + 6;
    const int right = static_cast<int>(Glass.right()) - 6;
    painter.setPen(Qt::NoPen);
    // Scaled down (the application icon), a stroke stays one whole device
    // pixel high, so the writing does not fade into the glass.
    const QTransform device = painter.worldTransform();
    auto stroke = [&](const QRect &r) {
        if (device.m22() >= 1.0) {
            painter.drawRect(r);
            return;
        }
        const QRectF mapped = device.mapRect(QRectF(r));
        painter.save();
        painter.resetTransform();
        painter.drawRect(QRectF(std::round(mapped.left()), std::floor(mapped.top()),
                                std::max(1.0, std::round(mapped.width())), 1.0));
        painter.restore();
    };
    int seed = 0;
    for (int row = 0; row < 6; ++row) {
        const int y = static_cast<int>(Glass.top()) + 6 + row * 6;
        const bool current = row == 5;
        const int end = current ? static_cast<int>(NibPoint.x()) : right - (row == 4 ? 14 : 0);
        int x = left;
        for (int i = seed;; ++i) {
            int length = words[i % 14];
            if (x + length > end) {
                if (!current)
                    break;
                length = end - x;
                if (length <= 0)
                    break;
            }
            painter.setBrush(current ? QColor(255, 214, 96) : QColor(150, 186, 255, row == 0 ? 230 : 150));
            stroke(QRect(x, y, length, 1));
            x += length + 2;
            seed = i + 1;
        }
    }
}

// A glint of light across the upper left of the glass.
void drawGlint(QPainter &painter)
{
    QPainterPath glint;
    glint.moveTo(Glass.left(), Glass.top());
    glint.lineTo(Glass.left() + 44, Glass.top());
    glint.cubicTo(Glass.left() + 30, Glass.top() + 10, Glass.left() + 14, Glass.top() + 22,
                  Glass.left(), Glass.top() + 34);
    glint.closeSubpath();
    QLinearGradient light(Glass.topLeft(), Glass.topLeft() + QPointF(24, 24));
    light.setColorAt(0.0, QColor(255, 255, 255, 70));
    light.setColorAt(1.0, QColor(255, 255, 255, 10));
    painter.save();
    painter.setClipPath(roundedBox(Glass, 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(glint);
    painter.restore();
}

// ---------------------------------------------------------------------------
// The quill, drawn along its own axis: x runs from the point of the nib (0)
// to the tip of the feather, y across it (negative on the lit side).

double quillLength()
{
    return std::hypot(FeatherTip.x() - NibPoint.x(), FeatherTip.y() - NibPoint.y());
}

QTransform quillPlacement()
{
    const double angle = std::atan2(FeatherTip.y() - NibPoint.y(), FeatherTip.x() - NibPoint.x());
    QTransform t;
    t.translate(NibPoint.x(), NibPoint.y());
    t.rotateRadians(angle);
    return t;
}

constexpr double NibLength = 11.0;
constexpr double BarrelEnd = 30.0;
constexpr double VaneStart = 24.0;

QPainterPath nibShape()
{
    QPainterPath nib;
    nib.moveTo(0, 0);
    nib.cubicTo(3, -0.6, 7, -2.4, NibLength, -2.4);
    nib.lineTo(NibLength, 2.4);
    nib.cubicTo(7, 2.4, 3, 0.6, 0, 0);
    nib.closeSubpath();
    return nib;
}

QPainterPath barrelShape()
{
    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(NibLength - 1, -2.6, BarrelEnd - NibLength + 1, 5.2), 1.2, 1.2);
    return barrel;
}

QPainterPath vaneShape()
{
    const double L = quillLength();
    QPainterPath vane;
    // The narrow, lit side...
    vane.moveTo(VaneStart, -1.5);
    vane.cubicTo(VaneStart + 18, -8.5, L - 16, -10.5, L, -3.0);
    // ...and the broad side in the shade, curling back to the barrel.
    vane.cubicTo(L - 10, 8.5, VaneStart + 26, 14.0, VaneStart + 4, 2.0);
    vane.closeSubpath();
    // A few nicks where the barbs have parted.
    auto nick = [&](double x, double edge, double depth) {
        QPainterPath cut;
        const double sign = edge < 0 ? -1.0 : 1.0;
        cut.moveTo(x - 1.0, edge * 1.6);
        cut.lineTo(x + 3.0, edge - sign * depth);
        cut.lineTo(x + 2.4, edge * 1.6);
        cut.closeSubpath();
        vane = vane.subtracted(cut);
    };
    nick(L * 0.52, -7.4, 3.2);
    nick(L * 0.40, 9.6, 4.5);
    nick(L * 0.70, 8.0, 3.0);
    return vane;
}

// The shaft through the middle of the feather, thinning towards its tip.
QPainterPath rachisShape()
{
    const double L = quillLength();
    QPainterPath rachis;
    rachis.moveTo(BarrelEnd - 1, -1.1);
    rachis.quadTo(L * 0.7, -0.3, L - 1.5, -2.9);
    rachis.lineTo(L - 1.5, -2.5);
    rachis.quadTo(L * 0.7, 0.7, BarrelEnd - 1, 1.1);
    rachis.closeSubpath();
    return rachis;
}

void drawQuill(QPainter &painter)
{
    const double L = quillLength();
    const QTransform place = quillPlacement();
    const QPainterPath vane = vaneShape();
    const QPainterPath barrel = barrelShape();
    const QPainterPath nib = nibShape();
    const QPainterPath whole = vane.united(barrel).united(nib);

    // Its shadow falls on the monitor, down and to the right.
    painter.save();
    painter.setClipPath(roundedBox(Body, 7));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 24, 110));
    painter.drawPath(place.map(whole).translated(2.5, 3.0));
    painter.restore();

    painter.save();
    painter.setTransform(place, true);
    painter.setPen(Qt::NoPen);

    // The feather: pale gold on the lit side deepening to amber in the shade.
    QLinearGradient gold(0, -9, 0, 12);
    gold.setColorAt(0.0, QColor(255, 246, 188));
    gold.setColorAt(0.35, QColor(252, 214, 96));
    gold.setColorAt(0.6, QColor(228, 164, 40));
    gold.setColorAt(1.0, QColor(150, 90, 8));
    painter.setBrush(gold);
    painter.drawPath(vane);

    // Barbs, sweeping out from the shaft towards the tip.
    painter.save();
    painter.setClipPath(vane);
    painter.setBrush(Qt::NoBrush);
    for (double x = VaneStart + 4; x < L - 4; x += 3.2) {
        painter.setPen(QPen(QColor(150, 92, 8, 120), 0.6));
        painter.drawLine(QPointF(x, 0.6), QPointF(x + 7, 12));
        painter.setPen(QPen(QColor(255, 255, 230, 120), 0.6));
        painter.drawLine(QPointF(x + 1.6, -0.6), QPointF(x + 6.6, -10));
    }
    painter.restore();

    painter.setBrush(QColor(255, 250, 226));
    painter.drawPath(rachisShape());

    // The barrel: cream horn, with a light stripe along its lit side.
    QLinearGradient horn(0, -2.6, 0, 2.6);
    horn.setColorAt(0.0, QColor(255, 252, 236));
    horn.setColorAt(0.5, QColor(236, 222, 180));
    horn.setColorAt(1.0, QColor(168, 146, 96));
    painter.setBrush(horn);
    painter.drawPath(barrel);

    // The nib: polished gold with its slit and breather hole.
    QLinearGradient metal(0, -2.4, 0, 2.4);
    metal.setColorAt(0.0, QColor(255, 240, 160));
    metal.setColorAt(0.5, QColor(224, 170, 40));
    metal.setColorAt(1.0, QColor(140, 88, 8));
    painter.setBrush(metal);
    painter.drawPath(nib);
    painter.setPen(QPen(QColor(72, 40, 0), 0.7));
    painter.drawLine(QPointF(1.2, 0), QPointF(6.5, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(72, 40, 0));
    painter.drawEllipse(QPointF(7.2, 0), 0.9, 0.9);

    // A fine dark outline holds it all together against the glass.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(56, 30, 0, 220), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(whole);
    painter.restore();
}

// A twinkle of light where the nib meets the glass.
void drawSparkle(QPainter &painter, const QPointF &centre)
{
    QRadialGradient bloom(centre, 5);
    bloom.setColorAt(0.0, QColor(255, 236, 160, 200));
    bloom.setColorAt(1.0, QColor(255, 200, 64, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bloom);
    painter.drawEllipse(centre, 5, 5);
    auto ray = [&](double dx, double dy, double width) {
        QPainterPath p;
        p.moveTo(centre + QPointF(dx, dy));
        p.lineTo(centre + QPointF(dy * width, -dx * width));
        p.lineTo(centre - QPointF(dx, dy));
        p.lineTo(centre - QPointF(dy * width, -dx * width));
        p.closeSubpath();
        painter.drawPath(p);
    };
    painter.setBrush(QColor(255, 255, 240, 230));
    ray(6.5, 0, 0.12);
    ray(0, 6.5, 0.12);
    painter.setBrush(QColor(255, 255, 240, 150));
    ray(2.8, 2.8, 0.2);
    ray(2.8, -2.8, 0.2);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, 1.0, 1.0);
}

// ---------------------------------------------------------------------------
// The name

QFont nameFont(const BannerFonts &fonts)
{
    QFont face(fonts.title);
    face.setPixelSize(25);
    face.setBold(true);
    face.setHintingPreference(QFont::PreferFullHinting);
    return face;
}

// The letters of 'text' as a white mask on a clear picture of the logo's
// size, hinted to the pixel grid so they stay sharp, with the left end of
// the baseline at (x, NameBaseline). Wine's Tahoma Bold is hardly heavier
// than the regular face, so it is struck twice a pixel apart, the way the
// system made a bold face it did not have.
QImage nameMask(const BannerFonts &fonts, const QString &text, int x)
{
    QImage mask(CreditsLogoSize, CreditsLogoSize, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setFont(nameFont(fonts));
    painter.setPen(Qt::white);
    painter.drawText(QPoint(x, NameBaseline), text);
    if (fonts.titleThickening > 0.0)
        painter.drawText(QPoint(x + 1, NameBaseline), text);
    return mask;
}

// The mask grown by one pixel on every side, corners included.
QImage grown(const QImage &mask)
{
    QImage result(mask.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            int a = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (mask.rect().contains(x + dx, y + dy))
                        a = std::max(a, qAlpha(mask.pixel(x + dx, y + dy)));
            result.setPixel(x, y, qPremultiply(qRgba(255, 255, 255, a)));
        }
    return result;
}

// Paints 'brush' through the mask.
QImage tinted(const QImage &mask, const QBrush &brush)
{
    QImage result(mask.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.fillRect(result.rect(), brush);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
    return result;
}

void drawName(QPainter &painter, const BannerFonts &fonts)
{
    const QString word = QStringLiteral("Quillan ");
    const QString number = QStringLiteral("2");
    const QFontMetrics metrics(nameFont(fonts));
    const int bold = fonts.titleThickening > 0.0 ? 1 : 0;
    const int width = metrics.horizontalAdvance(word + number) + bold;
    const int left = (CreditsLogoSize - width) / 2;
    const int numberLeft = left + metrics.horizontalAdvance(word);
    const QImage wordMask = nameMask(fonts, word, left);
    const QImage numberMask = nameMask(fonts, number, numberLeft);
    QImage all = wordMask;
    {
        QPainter both(&all);
        both.drawImage(0, 0, numberMask);
    }
    const QImage edge = grown(all);

    // A soft blue glow, then a dark edge that keeps the letters sharp in it.
    painter.drawImage(0, 0, glow(edge, 3, QColor(32, 88, 255), 200));
    painter.drawImage(0, 0, tinted(edge, QColor(0, 0, 40)));

    // The word in polished silver: white above, a darker band across the
    // middle, light again below.
    const double top = NameBaseline - 18.0;
    QLinearGradient chrome(0, top, 0, NameBaseline);
    chrome.setColorAt(0.0, QColor(255, 255, 255));
    chrome.setColorAt(0.45, QColor(232, 236, 246));
    chrome.setColorAt(0.55, QColor(168, 178, 200));
    chrome.setColorAt(1.0, QColor(236, 240, 250));
    painter.drawImage(0, 0, tinted(wordMask, chrome));
    // The number in the quill's gold.
    QLinearGradient gold(0, top, 0, NameBaseline);
    gold.setColorAt(0.0, QColor(255, 248, 196));
    gold.setColorAt(0.45, QColor(255, 214, 88));
    gold.setColorAt(0.55, QColor(216, 150, 24));
    gold.setColorAt(1.0, QColor(255, 216, 96));
    painter.drawImage(0, 0, tinted(numberMask, gold));

    // A gold rule under the name, fading out at both ends.
    QLinearGradient rule(20, 0, 130, 0);
    rule.setColorAt(0.0, QColor(255, 200, 40, 0));
    rule.setColorAt(0.5, QColor(255, 210, 72, 255));
    rule.setColorAt(1.0, QColor(255, 200, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rule);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(QRect(20, NameBaseline + 7, 110, 1));
    painter.setRenderHint(QPainter::Antialiasing);
}

} // namespace

void drawEmblem(QPainter &painter)
{
    drawMonitor(painter);
    drawWriting(painter);
    drawGlint(painter);
    drawQuill(painter);
    drawSparkle(painter, NibPoint + QPointF(0.5, 0));
}

QImage creditsLogo(const BannerFonts &fonts)
{
    QImage image(CreditsLogoSize, CreditsLogoSize, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A faint blue halo behind the emblem, gone to black well inside the edges.
    QRadialGradient halo(QPointF(75, 52), 50);
    halo.setColorAt(0.0, QColor(28, 64, 176, 170));
    halo.setColorAt(0.6, QColor(12, 28, 96, 60));
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawRect(QRectF(0, 0, CreditsLogoSize, CreditsLogoSize));

    drawEmblem(painter);
    drawName(painter, fonts);
    painter.end();
    return image;
}

} // namespace art
