#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

// The arithmetic of the taskbar clock (TRxClock): the text it shows, which of
// its character cells a new time changes, and when it must be drawn afresh.
// Nothing here needs a widget.

namespace Clock {

// What the digital clock shows.
struct Options {
    bool showSeconds = true;   // ":ss" after the minutes
    bool leadingZero = true;   // "09:05" rather than "9:05"
    bool twelveHour = false;   // hours 1..12 and the locale's AM/PM text
    friend bool operator==(const Options &, const Options &) = default;
};

// The locale's time separator: the character between the hours and the
// minutes of its short time format (":" in "HH:mm", "." in "H.mm", "h" in
// "HH 'h' mm"). The clock gives every character one cell, so a longer
// separator is cut to its first character; a format without one gives ":".
QString timeSeparator(const QLocale &locale);

// The date-time formatter's pattern for the options: "hh:mm" or "h:mm", then
// ":ss" and " aP" (the locale's AM or PM text) as the options ask, with
// `separator` written literally for the colon.
QString timeFormat(const Options &options, const QString &separator);

// The hour as the clock shows it: 0..23, or 1..12 in twelve-hour mode (0 and
// 12 both show as 12).
int displayedHour(QTime time, const Options &options);

// How many characters the digit part has: the hour (two digits with a leading
// zero or above 9, else one), the separator and two minute digits, plus the
// separator and two second digits with seconds: 4, 5, 7 or 8.
int digitCellCount(QTime time, const Options &options);

// The clock's text, cut into the digit part, one character per cell, and the
// suffix drawn after the last cell (" AM", or nothing). Characters are whole
// code points, so digits outside the basic plane still take one cell each.
struct Text {
    QStringList cells;
    QString suffix;
    QString toString() const { return cells.join(QString()) + suffix; }
};
Text clockText(QTime time, const Options &options, const QLocale &locale);

// What a clock tick has to redraw after showing `shown` when the time is now
// `now`: everything (nothing shown yet, or another hour: the hour digits,
// the number of cells and the AM/PM text may all differ), or the cells
// (0-based, in the digit part) of the minutes and, with seconds shown, of the
// seconds that changed; nothing within the same shown second or minute.
// The hour is compared in full (0..23), so a jump by exactly twelve hours is
// an hour change too.
struct Redraw {
    bool full = false;
    QList<int> cells;
    bool isNothing() const { return !full && cells.isEmpty(); }
    friend bool operator==(const Redraw &, const Redraw &) = default;
};
Redraw redrawFor(QTime shown, QTime now, const Options &options);

// The longest gap between two clock ticks that still counts as time running
// on; ticks come every 450 milliseconds, and a busy moment may delay one.
inline constexpr qint64 MaxTickGapMs = 2000;

// Whether the time was set between two ticks: it went back, or on by more
// than MaxTickGapMs. An invalid `previous` (no tick yet) is no jump.
bool isTimeJump(const QDateTime &previous, const QDateTime &now);

// Whether an alarm at `alarm` falls due between two ticks that read
// `previous` and then `now`: previous < alarm <= now, across midnight too.
// Each alarm moment is thus seen by exactly one tick, however many ticks fall
// within its second.
bool alarmDue(QTime previous, QTime now, QTime alarm);

}  // namespace Clock
