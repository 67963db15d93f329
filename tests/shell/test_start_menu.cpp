#include "shell/start_menu.h"

#include <gtest/gtest.h>

namespace {

TEST(StartMenu, RowBandsAsTheMenuPictureShowsThem)
{
    const struct {
        int y;
        int row;
    } cases[] = {{2, -1},  {3, 1},    {32, 1},   {33, 2},  {182, 6},  {183, -1}, {187, -1},
                 {192, -1}, {193, 7}, {222, 7},  {223, -1}, {-1, -1}, {100, 4}, {152, 5}};
    for (const auto &c : cases)
        EXPECT_EQ(startMenuRow(c.y), c.row) << c.y;
}

TEST(StartMenu, KeysMoveTheHighlightOpenARowAndClose)
{
    using A = StartMenuStep::Action;
    const struct {
        int row;
        int key;
        char letter;
        A action;
        int after;
    } cases[] = {
        // Round the rows, from none, from the ends.
        {0, Qt::Key_Down, 0, A::Highlight, 1},
        {0, Qt::Key_Up, 0, A::Highlight, 7},
        {1, Qt::Key_Down, 0, A::Highlight, 2},
        {7, Qt::Key_Down, 0, A::Highlight, 1},
        {1, Qt::Key_Up, 0, A::Highlight, 7},
        {4, Qt::Key_Home, 0, A::Highlight, 1},
        {4, Qt::Key_End, 0, A::Highlight, 7},
        // Opening the highlighted row; nothing to open without one.
        {1, Qt::Key_Right, 0, A::Open, 1},
        {2, Qt::Key_Return, 0, A::Open, 2},
        {2, Qt::Key_Enter, 0, A::Open, 2},
        {0, Qt::Key_Return, 0, A::None, 0},
        // The underlined letters, in either case, wherever the highlight is.
        {5, Qt::Key_P, 'p', A::Open, 1},
        {0, Qt::Key_D, 'D', A::Open, 2},
        {1, Qt::Key_U, 'u', A::Open, 7},
        {1, Qt::Key_X, 'x', A::None, 0},
        // Closing.
        {3, Qt::Key_Left, 0, A::Close, 0},
        {3, Qt::Key_Escape, 0, A::Close, 0},
        {3, Qt::Key_F1, 0, A::None, 0},
    };
    for (const auto &c : cases) {
        const StartMenuStep step = startMenuKey(c.row, c.key, c.letter ? QChar(c.letter) : QChar(), u"PDSFHRU");
        EXPECT_EQ(step.action, c.action) << c.row << " " << c.key;
        EXPECT_EQ(step.row, c.after) << c.row << " " << c.key;
    }
    // Another pack's letters.
    EXPECT_EQ(startMenuKey(0, Qt::Key_unknown, QChar(0x41F), u"\u041F\u0414").row, 1);
    // A row without a letter is never opened by one, and the rows after it
    // keep theirs.
    const QString letters = startMenuAccessLetters({"&Programs", "Documents", "&Settings"});
    EXPECT_EQ(startMenuKey(0, Qt::Key_unknown, QChar('S'), letters).row, 3);
    EXPECT_EQ(startMenuKey(0, Qt::Key_unknown, QChar('D'), letters).action, A::None);
}

TEST(StartMenu, AccessLettersAreTheCaptionsUnderlinedOnes)
{
    const struct {
        QStringList captions;
        QString letters;
    } cases[] = {
        {{"&Programs", "&Documents", "&Settings", "&Find", "&Help", "&Run...", "Sh&ut Down..."}, "PDSFHRu"},
        {{"&\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B", "\u041D&\u0430\u0439\u0442\u0438"},
         "\u041F\u0430"},
        {{"Ausf&\u00FChren..."}, "\u00FC"},
        // "&&" is an ampersand, not a letter's mark; a trailing '&' marks nothing.
        {{"Save && &Quit", "A&&B", "End&", "None"}, QString("Q") + QChar() + QChar() + QChar()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(startMenuAccessLetters(c.captions), c.letters) << c.captions.join('|').toStdString();
}

}  // namespace
