#pragma once

// What every test may use, including those that link the core library alone:
// no widget here.

#include <QByteArray>
#include <QString>

#include <ostream>

// The repository's data/ folder (language files and course texts).
QString sourceDataDir();

// Writes bytes to a file, creating its folder; fails the test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Readable QString and QByteArray values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << '"' << b.toStdString() << '"';
}
