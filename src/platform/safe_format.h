#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <stdexcept>
#include <variant>

// The argument of one directive: "%d" takes an int, "%s" a string.
using FormatArg = std::variant<int, QString>;

// A format text whose directives do not fit its arguments.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Formats a text that a translator wrote. Directives: "%d" (integer), "%s"
// (string), each with an optional "-" (left-justify), a width and a
// ".precision" (at most 255 each), and "%%" for a percent sign; letters may be
// upper case. Each argument is used exactly once, in order.
//
// A directive without an argument, an argument of the wrong kind, an argument
// no directive uses, or anything else after "%" throws FormatError with a
// message that names the whole format text (a NUL in it shown as "\0").
// Nothing is ever read that was not passed.
QString safeFormat(QStringView format, const QList<FormatArg> &args);

// The same check without formatting: empty when the format text fits
// arguments of the given kinds, otherwise what is wrong with it.
QString formatProblem(QStringView format, const QList<FormatArg> &args);

// For texts on screen: the formatted text, or the format text as it stands
// when it does not fit the arguments (a translator's slip shows, but nothing
// breaks).
QString formatOrVerbatim(QStringView format, const QList<FormatArg> &args);
