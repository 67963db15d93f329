#pragma once

#include <QString>

// The course's eleven pages, in the order of the notebook: the title page,
// the lessons T051 to T059 and the credits page, named by their page codes.
namespace Page {
enum Index : int { T001, T051, T052, T053, T054, T055, T056, T057, T058, T059, T003 };
}
inline constexpr int PageCount = Page::T003 + 1;

// What the page engine knows of a page; what a page sets up itself is its
// own business (its set-up in shell/ or lessons/).
struct PageInfo {
    const char *code;             // "T001", "T051", ...
    bool taskbar;                 // the simulated taskbar shows
    bool wordpadStage;            // the word processor is shown on it
    bool ownClipboardCommands;    // it binds Cut, Copy and Paste itself; elsewhere they edit
    bool back;                    // Back is available (never towards the title page)
};

// The page at that index (0 to 10); nullptr outside.
const PageInfo *pageInfo(int index);

// The page code of an index; empty outside 0..10.
QString pageCode(int index);

// What a screen reader reads of a page's instructions after their title: the
// text as one line, without its first paragraph when that is the page's
// heading and says what the title says (the one begins with the other,
// letter case and closing punctuation aside), so the title is not read twice.
QString instructionsToSpeak(const QString &title, const QString &plainText);
