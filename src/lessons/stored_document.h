#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

class CodePage;
class IniFile;

// The learner's documents in the progress file: "My Document" in section
// DOCUMENT (saved on T056, read back on T058 and T059) and the comments of the
// final exercise in section COMMENTS. A document is the keys Line0, Line1, ...
// up to the first one missing; each holds one line of plain text.
//
// How a line is stored, so that it comes back exactly as typed:
// - its UTF-8 text inside one pair of double quotes: the reader drops the
//   blanks around a value and then one pair of quotes, which gives back the
//   text with its own blanks and quotes (Line0="  "quoted"  ");
// - a line that is the end marker below after any number of backslashes
//   ("--== NO VALUE ==--", "\--== NO VALUE ==--", ...) gets one backslash
//   more in front, and reading takes one off a value of that form, so a typed
//   marker neither ends the document nor changes.
// Files written before, with unquoted values, read as they always did (the
// reader drops blanks and quotes around them), except that a value of the
// backslash form above loses one backslash.

// Read as the end of the document: a missing key, or a value that is exactly
// this text.
inline constexpr char NoValueMarker[] = "--== NO VALUE ==--";

// The lines a text is stored as: one per paragraph, where an empty last
// paragraph (the text ends with a line break) is not a line of its own, so
// an empty text has none. A paragraph whose stored text (its UTF-8 bytes,
// with the backslash a marker gets) is longer than a value holds is
// continued on the next line rather than cut: every line comes back whole.
QStringList documentLines(const QString &plainText);

// The keys and values of a section that holds the lines, as above.
QList<std::pair<QByteArray, QByteArray>> documentEntries(const QStringList &lines);
// The lines a section holds, from its keys and values as the INI reader
// gives them (IniText::readSection). Lines that are not UTF-8 (written in
// the language's code page by an earlier edition) are read in that code page.
QStringList documentFromEntries(const QList<std::pair<QByteArray, QByteArray>> &entries,
                                const CodePage &codePage);

// Stores the lines as the section's Line0..Line(N-1), replacing whatever the
// section held, in one write. Throws IniWriteError when the file refuses it.
void storeDocument(IniFile &file, QByteArrayView section, const QStringList &lines);

// The stored lines, from one read of the file.
QStringList loadDocument(const IniFile &file, QByteArrayView section, const CodePage &codePage);
