#include "shell/pages.h"

#include <gtest/gtest.h>

namespace {

TEST(InstructionsToSpeak, TheHeadingIsLeftOutOnlyWhenItSaysWhatTheTitleSays)
{
    struct Row {
        const char *title;
        const char *text;
        const char *spoken;
    };
    const Row rows[] = {
        {"Typing text", "Typing text\nThe white page.\nType five lines.", "The white page. Type five lines."},
        {"Starting Wordpad from the Start menu", "Starting Wordpad\nClick Start.", "Click Start."},
        {"Welcome", "WELCOME!\nPress Enter.", "Press Enter."},
        {"Course complete", "Well done!\nYou have finished.", "Well done! You have finished."},
        {"Typing text", "Typing text", ""},
        {"", "Typing text\nType.", "Typing text Type."},
        {"Typing text", "", ""},
        {"Typing text", "\n\n  Typing text \n  Type  on.\n", "Type on."},
    };
    for (const Row &r : rows)
        EXPECT_EQ(instructionsToSpeak(QString::fromUtf8(r.title), QString::fromUtf8(r.text)),
                  QString::fromUtf8(r.spoken))
            << r.title << " / " << r.text;
}

}  // namespace
