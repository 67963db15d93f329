#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

// The arithmetic of the scrolling credits panel (TSecretPanel), kept apart
// from the widget so it can be checked without one: where the text goes,
// how tall a line is, how far the text scrolls and which lines show at a
// given position. All values are whole pixels.

// How a line of text is drawn: plain (bvNone), with a highlight copy one pixel
// down-right (bvLowered) or up-left (bvRaised), or plain with one extra pixel
// between lines (bvSpace).
enum class TextStyle { bvNone, bvLowered, bvRaised, bvSpace };

// Where the panel's glyph sits next to the text.
enum class GlyphLayout { glGlyphLeft, glGlyphRight, glGlyphTop, glGlyphBottom };

// Vertical: the lines move up from the bottom edge. Horizontal: the lines,
// joined into one, move left from the right edge.
enum class ScrollDirection { sdVertical, sdHorizontal };

namespace credits {

// Room kept between the frame and the text, and between the glyph and the text.
inline constexpr int TextMargin = 3;
inline constexpr int GlyphMargin = 3;
inline constexpr int GlyphMarginVertical = 6;

// The frame's width: the border plus each bevel that is not none.
int frameWidth(int borderWidth, int bevelWidth, bool outerBevel, bool innerBevel);

struct TextArea {
    QRect text;   // where the lines are drawn (the off-screen image's place)
    QRect glyph;  // where the glyph is drawn; empty without a glyph
};

// The text area inside the client rectangle: smaller by the frame width plus
// TextMargin on every side, then, with a glyph, less the glyph's room on the
// side that layout names (glyph width + 3 at the left or right, glyph height
// + 6 at the top or bottom). The glyph is centred across that side's room.
// A client too small for any text gives an empty text rectangle.
TextArea textArea(const QRect &client, int frameWidth, const QSize &glyphSize, GlyphLayout layout);

// The index of the first line that is not blank after trimming; lines before
// it are never shown. Equal to lines.size() when every line is blank.
int firstShownLine(const QStringList &lines);

// Character height + external leading, + 1 for every style but bvNone; at
// least 1.
int lineHeight(int charHeight, int externalLeading, TextStyle style);

// Vertical scroll length D: text area height + (lines - first shown) x line
// height, capped at the largest position the panel can hold.
int verticalScrollLength(int textHeight, int lineCount, int firstShown, int lineHeight);

// Horizontal scroll length: text area width + width of the joined line.
int horizontalScrollLength(int textWidth, int lineWidth);

// One step of the scroll position p against the scroll length D: p + 1 while
// p < D; at the end back to 0 when cycled, otherwise the panel stops.
struct StepOutcome {
    bool stop = false;
    int position = 0;
};
StepOutcome nextPosition(int position, int scrollLength, bool cycled);

// A line drawn at a position: its index (lineCount stands for the one extra
// line holding a single space) and its rectangle in the text area.
struct ShownLine {
    int index;
    QRect rect;

    friend bool operator==(const ShownLine &, const ShownLine &) = default;
};

// The lines that the vertical scroll draws in a text area of the given size at
// the given position: line k (first shown .. lineCount) has the rectangle
// (0, H - p + (k - first) x lineHeight, W, lineHeight); the lines whose
// bottom is at or above the top edge are left out, and the first line whose
// top is at or below the bottom edge ends the list.
QList<ShownLine> shownLines(const QSize &area, int position, int firstShown, int lineCount,
                            int lineHeight);

// The one line the horizontal scroll draws at a position: it starts at the
// right edge and moves left, filling the area's height.
QRect horizontalLineRect(const QSize &area, int position, int lineWidth);

}  // namespace credits
