#include "bars.h"

#include "shell/desktop_pictures.h"

#include "drawing.h"
#include "icons16.h"
#include "pixel_art.h"
#include "toolbar_icons.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace art {
namespace {

constexpr int ButtonWidth = 23;
constexpr int ButtonHeight = 22;
// The arrow button of a drop-down box is as wide as a scroll bar.
constexpr int ArrowButtonWidth = 16;

// A box sunk into the face: grey over black on the top and left, white
// over light grey on the bottom and right, white inside.
void sunkenField(Grid &g, int x, int y, int w, int h)
{
    fill(g, x, y, x + w - 1, y + h - 1, 'w');
    bevel(g, x, y, x + w - 1, y + h - 1, 'd', 'w');
    bevel(g, x + 1, y + 1, x + w - 2, y + h - 2, 'k', 's');
}

// A raised push button's face and edges.
void raisedButton(Grid &g, int x, int y, int w, int h)
{
    fill(g, x, y, x + w - 1, y + h - 1, 's');
    bevel(g, x, y, x + w - 1, y + h - 1, 's', 'k');
    bevel(g, x + 1, y + 1, x + w - 2, y + h - 2, 'w', 'd');
}

// A drop-down box: the sunken field with the arrow button at its right end.
// Returns the space left for the text.
QRect dropDownBox(Grid &g, int x, int y, int w, int h)
{
    sunkenField(g, x, y, w, h);
    const int bx = x + w - 2 - ArrowButtonWidth;
    raisedButton(g, bx, y + 2, ArrowButtonWidth, h - 4);
    // The arrow: a small black triangle pointing down.
    const int ax = bx + ArrowButtonWidth / 2 - 4;
    const int ay = y + h / 2 - 2;
    for (int row = 0; row < 4; ++row)
        hline(g, ax + row, ax + 6 - row, ay + row, 'k');
    return QRect(x + 2, y + 2, bx - x - 2, h - 4);
}

// A flat toolbar button: only its picture while the mouse is elsewhere;
// pushed in on a checkered face when it is down.
void flatButton(Grid &g, int x, int y, const Grid &glyph, bool down = false)
{
    int shift = 0;
    if (down) {
        for (int py = y + 1; py < y + ButtonHeight - 1; ++py)
            for (int px = x + 1; px < x + ButtonWidth - 1; ++px)
                g.set(px, py, (px + py) % 2 ? 'w' : 's');
        bevel(g, x, y, x + ButtonWidth - 1, y + ButtonHeight - 1, 'd', 'w');
        shift = 1;
    }
    g.paste(glyph, x + (ButtonWidth - glyph.width()) / 2 + shift,
            y + (ButtonHeight - glyph.height()) / 2 + shift);
}

// The etched line between groups of toolbar buttons, in an eight pixel gap.
void separator(Grid &g, int x, int y)
{
    vline(g, x + 3, y, y + ButtonHeight - 1, 'd');
    vline(g, x + 4, y, y + ButtonHeight - 1, 'w');
}

QFont dialogFont(const QString &family)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

// Writes 'text' in black from 'left', centred between 'top' and 'bottom'.
void writeText(QPainter &painter, int left, int top, int bottom, const QString &text)
{
    const QFontMetrics metrics(painter.font());
    const int baseline = top + (bottom - top + 1 - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPoint(left, baseline), text);
}

} // namespace

QImage formatBar(const QString &family)
{
    Grid g(FormatBarWidth, FormatBarHeight, 's');
    const int top = 1;
    const QRect fontName = dropDownBox(g, 2, top, 106, ButtonHeight);
    const QRect fontSize = dropDownBox(g, 111, top, 40, ButtonHeight);
    int x = 151;
    separator(g, x, top);
    x += 8;
    for (const Grid &glyph : { boldGlyph(), italicGlyph(), underlineGlyph(), colourGlyph() }) {
        flatButton(g, x, top, glyph);
        x += ButtonWidth;
    }
    separator(g, x, top);
    x += 8;
    for (const Grid &glyph : { alignLeftGlyph(), alignCentreGlyph(), alignRightGlyph() }) {
        flatButton(g, x, top, glyph);
        x += ButtonWidth;
    }

    QImage image = g.toImage();
    QPainter painter(&image);
    painter.setFont(dialogFont(family));
    painter.setPen(QColor(0, 0, 0));
    writeText(painter, fontName.left() + 2, fontName.top(), fontName.bottom(), QStringLiteral("Arial"));
    writeText(painter, fontSize.left() + 2, fontSize.top(), fontSize.bottom(), QStringLiteral("10"));
    painter.end();
    return image;
}

QImage openFolderBar()
{
    Grid g(FolderBarWidth, FolderBarHeight, 's');
    const QRect lookIn = dropDownBox(g, 60, FolderBarTop, 201, ButtonHeight);
    // The program writes the label and the folder's name, where it expects
    // the box's text space.
    Q_ASSERT(lookIn == FolderBarBoxText);
    g.paste(smallFolder(), lookIn.left() + 2, lookIn.top() + (lookIn.height() - 16) / 2);
    int x = 268;
    flatButton(g, x, FolderBarTop, upOneLevelGlyph());
    x += ButtonWidth;
    flatButton(g, x, FolderBarTop, newFolderGlyph());
    x += ButtonWidth;
    separator(g, x, FolderBarTop);
    x += 8;
    flatButton(g, x, FolderBarTop, listViewGlyph(), true);
    x += ButtonWidth;
    flatButton(g, x, FolderBarTop, detailsViewGlyph());
    return g.toImage();
}

} // namespace art
