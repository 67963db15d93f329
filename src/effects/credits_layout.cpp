#include "effects/credits_layout.h"

#include <algorithm>
#include <limits>

namespace credits {

namespace {

int clampToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int frameWidth(int borderWidth, int bevelWidth, bool outerBevel, bool innerBevel)
{
    return borderWidth + (outerBevel ? bevelWidth : 0) + (innerBevel ? bevelWidth : 0);
}

TextArea textArea(const QRect &client, int frameWidth, const QSize &glyphSize, GlyphLayout layout)
{
    const int inset = frameWidth + TextMargin;
    QRect text = client.adjusted(inset, inset, -inset, -inset);
    QRect glyph;
    if (!glyphSize.isEmpty()) {
        const int w = glyphSize.width(), h = glyphSize.height();
        switch (layout) {
        case GlyphLayout::glGlyphLeft:
            glyph = QRect(text.left(), text.top() + (text.height() - h) / 2, w, h);
            text.setLeft(text.left() + w + GlyphMargin);
            break;
        case GlyphLayout::glGlyphRight:
            glyph = QRect(text.right() + 1 - w, text.top() + (text.height() - h) / 2, w, h);
            text.setRight(text.right() - w - GlyphMargin);
            break;
        case GlyphLayout::glGlyphTop:
            glyph = QRect(text.left() + (text.width() - w) / 2, text.top(), w, h);
            text.setTop(text.top() + h + GlyphMarginVertical);
            break;
        case GlyphLayout::glGlyphBottom:
            glyph = QRect(text.left() + (text.width() - w) / 2, text.bottom() + 1 - h, w, h);
            text.setBottom(text.bottom() - h - GlyphMarginVertical);
            break;
        }
    }
    if (text.width() <= 0 || text.height() <= 0)
        text = QRect(text.topLeft(), QSize(0, 0));
    return {text, glyph};
}

int firstShownLine(const QStringList &lines)
{
    const auto it = std::find_if(lines.cbegin(), lines.cend(),
                                 [](const QString &line) { return !line.trimmed().isEmpty(); });
    return int(it - lines.cbegin());
}

int lineHeight(int charHeight, int externalLeading, TextStyle style)
{
    const int h = charHeight + externalLeading + (style == TextStyle::bvNone ? 0 : 1);
    return std::max(h, 1);
}

int verticalScrollLength(int textHeight, int lineCount, int firstShown, int lineHeight)
{
    const qint64 shown = std::max(0, lineCount - firstShown);
    return clampToInt(qint64(textHeight) + shown * lineHeight);
}

int horizontalScrollLength(int textWidth, int lineWidth)
{
    return clampToInt(qint64(textWidth) + lineWidth);
}

StepOutcome nextPosition(int position, int scrollLength, bool cycled)
{
    if (position < scrollLength)
        return {false, position + 1};
    if (cycled)
        return {false, 0};
    return {true, position};
}

QList<ShownLine> shownLines(const QSize &area, int position, int firstShown, int lineCount,
                            int lineHeight)
{
    QList<ShownLine> shown;
    const qint64 h = area.height(), lh = std::max(lineHeight, 1);
    const qint64 top0 = h - position;  // top of the first shown line
    // Lines whose bottom is at or above 0 are skipped without looking at them,
    // so a long text costs only the lines on view.
    qint64 k = firstShown;
    if (top0 + lh <= 0)
        k += (-top0) / lh;
    for (; k <= lineCount; ++k) {
        const qint64 top = top0 + (k - firstShown) * lh;
        if (top >= h)
            break;
        if (top + lh <= 0)
            continue;
        shown.append({int(k), QRect(0, int(top), area.width(), int(lh))});
    }
    return shown;
}

QRect horizontalLineRect(const QSize &area, int position, int lineWidth)
{
    return QRect(area.width() - position, 0, lineWidth, area.height());
}

}  // namespace credits
