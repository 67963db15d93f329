#include "effects/credits_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(CreditsLayout, TextAreaIsTheClientLessFrameMarginAndGlyph)
{
    struct Case {
        const char *name;
        int border, bevelWidth;
        bool outer, inner;
        QSize glyph;
        GlyphLayout layout;
        QRect expected;
    };
    const QRect client(0, 0, 200, 100);
    const Case cases[] = {
        {"no frame (pnCredits)", 0, 1, false, false, {}, GlyphLayout::glGlyphLeft, {3, 3, 194, 94}},
        {"outer bevel (default)", 0, 1, true, false, {}, GlyphLayout::glGlyphLeft, {4, 4, 192, 92}},
        {"border and two wide bevels", 2, 2, true, true, {}, GlyphLayout::glGlyphLeft, {9, 9, 182, 82}},
        {"glyph left", 0, 1, false, false, {16, 10}, GlyphLayout::glGlyphLeft, {22, 3, 175, 94}},
        {"glyph right", 0, 1, false, false, {16, 10}, GlyphLayout::glGlyphRight, {3, 3, 175, 94}},
        {"glyph top", 0, 1, false, false, {16, 10}, GlyphLayout::glGlyphTop, {3, 19, 194, 78}},
        {"glyph bottom", 0, 1, false, false, {16, 10}, GlyphLayout::glGlyphBottom, {3, 3, 194, 78}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const int frame = credits::frameWidth(c.border, c.bevelWidth, c.outer, c.inner);
        EXPECT_EQ(credits::textArea(client, frame, c.glyph, c.layout).text, c.expected);
    }
    // A client too small for text leaves nothing to draw into.
    EXPECT_TRUE(credits::textArea(QRect(0, 0, 5, 40), 0, {}, GlyphLayout::glGlyphLeft).text.isEmpty());
}

TEST(CreditsLayout, FirstShownLineSkipsLeadingBlankLines)
{
    struct Case {
        QStringList lines;
        int expected;
    };
    const Case cases[] = {
        {{}, 0},
        {{"Credits", ""}, 0},
        {{"", "   ", "\t", "Credits", "", "x"}, 3},
        {{"", " "}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.join(u'|').toStdString());
        EXPECT_EQ(credits::firstShownLine(c.lines), c.expected);
    }
}

TEST(CreditsLayout, PositionAdvancesToTheScrollLengthThenWrapsOrStops)
{
    struct Case {
        int position, length;
        bool cycled, stop;
        int next;
    };
    const Case cases[] = {
        {0, 5, false, false, 1},
        {4, 5, false, false, 5},
        {5, 5, true, false, 0},
        {5, 5, false, true, 5},
        {9, 5, true, false, 0},  // the text got shorter under the position
        {0, 0, false, true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << " of " << c.length << " cycled " << c.cycled);
        const credits::StepOutcome out = credits::nextPosition(c.position, c.length, c.cycled);
        EXPECT_EQ(out.stop, c.stop);
        if (!c.stop) {
            EXPECT_EQ(out.position, c.next);
        }
    }
    // A very long text caps the length instead of running over.
    EXPECT_EQ(credits::verticalScrollLength(100, 300'000'000, 0, 20), INT_MAX);
}

TEST(CreditsLayout, ShownLinesAreThoseCrossingTheTextArea)
{
    using credits::ShownLine;
    // H = 100, line height 10, three lines: D = 130.
    const QSize area(50, 100);
    struct Case {
        const char *name;
        int position, first, count;
        QList<ShownLine> expected;
    };
    const Case cases[] = {
        {"nothing at 0", 0, 0, 3, {}},
        {"first line's top row at 1", 1, 0, 3, {{0, {0, 99, 50, 10}}}},
        {"second line enters", 11, 0, 3, {{0, {0, 89, 50, 10}}, {1, {0, 99, 50, 10}}}},
        {"first line leaves the top", 110, 0, 3,
         {{1, {0, 0, 50, 10}}, {2, {0, 10, 50, 10}}, {3, {0, 20, 50, 10}}}},
        {"at D only the extra line", 130, 0, 3, {{3, {0, 0, 50, 10}}}},
        {"leading blank lines take no room", 1, 2, 5, {{2, {0, 99, 50, 10}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(credits::shownLines(area, c.position, c.first, c.count, 10), c.expected);
    }

    // Deep in a long text only the lines on view come back.
    const QList<ShownLine> deep = credits::shownLines(area, 100 + 10 * 1000 + 5, 0, 5000, 10);
    ASSERT_EQ(deep.size(), 11);
    EXPECT_EQ(deep.first(), (ShownLine{1000, {0, -5, 50, 10}}));
    EXPECT_EQ(deep.last(), (ShownLine{1010, {0, 95, 50, 10}}));
}

}  // namespace
