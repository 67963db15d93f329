#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// The rows of the simulated Start menu picture: 1 Programs, 2 Documents,
// 3 Settings, 4 Find, 5 Help, 6 Run, 7 Shut Down. Each row is 30 pixels
// high and its picture is drawn at x 24; a separator gap lies between Run
// and Shut Down.
inline constexpr int StartMenuRows = 7;
// The desktop words the rows show, in order.
inline constexpr const char *StartMenuWords[StartMenuRows] = {
    "StartPrograms", "StartDocuments", "StartSettings", "StartFind", "StartHelp", "StartRun", "StartShutDown"};
inline constexpr int StartMenuItemLeft = 24;

// The row whose band holds y (image coordinates), or -1 for none (above the
// first row, the separator gap, below the last row). The x coordinate never
// matters.
int startMenuRow(int y);
// The top y of a row's picture.
int startMenuRowTop(int row);

// A key pressed while the Start menu has the keyboard, with the row now
// highlighted (0 for none): what the menu does, as the period desktop's did.
// Up and Down go round the rows, Home and End to the first and the last;
// Right, Enter and a row's underlined letter open a row (its submenu, or
// what it runs); Left and Esc close the menu. Any other key does nothing.
struct StartMenuStep {
    enum class Action { None, Highlight, Open, Close };
    Action action = Action::None;
    int row = 0;  // the row highlighted afterwards (Highlight, Open)
};
// key is a Qt::Key; letter the key's text, when it types one; letters the
// rows' underlined letters, one a row (startMenuAccessLetters).
StartMenuStep startMenuKey(int row, int key, QChar letter, QStringView letters);

// The underlined letter of each row's caption, the one after its '&' ("&&"
// is an ampersand): one a row, a null character where a caption has none.
QString startMenuAccessLetters(const QStringList &captions);
