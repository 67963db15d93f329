#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QVarLengthArray>

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

// The text of a classic profile file in memory: plain 8-bit text, "[Section]"
// lines and "Key=Value" lines, bytes in and bytes out (decoding is the
// caller's job). IniFile is the same on a file; this is its reading and
// writing without the file, for everything that has the bytes already.
//
// A line ends at LF, CR LF or a lone CR (also the text's last line), for
// reading and writing alike.
//
// Reading: section and key names are compared without regard to case; the first
// matching section and the first matching key in it win. A line whose first
// non-blank character is ";" is a comment, and a line that is neither
// "[Section]" nor "Key=Value" says nothing. Blanks around a value are
// dropped, one pair of matching single or double quotes around it is removed,
// and the value is cut at MaxValueLength characters. Whatever is missing or
// does not parse reads as the fallback the caller gives. Any bytes are a text
// that reads.
//
// Writing changes the bytes in place. Every other line is kept byte for
// byte; a missing section is created at the end. Writing a key the section
// already has changes only its value: the key keeps its spelling and the
// blanks around "=" stay. New lines take the line break of the text's first
// line (CR LF in an empty text). Names and values that the reader would not
// give back are refused with std::invalid_argument before anything changes:
// a value with a line break or NUL; a name that is empty, has one of them or
// blanks around it; a section name with "]"; a key with "=" or beginning
// with "[" or ";".
class IniText {
public:
    static constexpr qsizetype MaxValueLength = 2047;

    IniText() = default;
    // Reads the bytes into their sections and keys.
    explicit IniText(QByteArray bytes);

    // The text as bytes: those read, with the writes made since.
    const QByteArray &bytes() const { return m_bytes; }

    // The names of the sections, as the reader finds them: in text order,
    // each once in the spelling of its first "[Section]" line (names that
    // differ only in case are one section).
    QList<QByteArray> sections() const;
    // The keys the reader finds in the section, with their values as
    // readString gives them: those of its first matching section only, in
    // text order, each once in the spelling of its first line. Comment lines,
    // lines without "=" and keys before the first section belong to no
    // section. Empty for a missing section.
    QList<std::pair<QByteArray, QByteArray>> readSection(QByteArrayView section) const;
    // The names of those keys.
    QList<QByteArray> keys(QByteArrayView section) const;

    // The value, or nullopt when the section or key is missing.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          QByteArrayView fallback) const;
    // Decimal with an optional sign; hexadecimal with "$", "0x" or "0X".
    int readInteger(QByteArrayView section, QByteArrayView key, int fallback) const;
    // An integer: 0 is false, any other number true.
    bool readBool(QByteArrayView section, QByteArrayView key, bool fallback) const;

    void writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void writeInteger(QByteArrayView section, QByteArrayView key, int value);
    // Several keys of one section, each as writeString sets it; one refused
    // name or value refuses them all.
    void writeStrings(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);
    // Removes a key: every line of it in the section, so that it reads as
    // missing. False, and nothing changes, when it is not there.
    bool deleteKey(QByteArrayView section, QByteArrayView key);
    // Replaces everything the section holds with these keys, in this order.
    // An empty list removes the section. False, and nothing changes, when
    // there is neither the section nor an entry.
    bool writeSection(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);

    // The integer syntax of readInteger on its own: nullopt when the text is
    // not a number that fits 32 bits (hexadecimal up to $FFFFFFFF wraps).
    static std::optional<int> parseInteger(QByteArrayView text);

private:
    // One line of the text and what it says.
    struct Line {
        enum Kind { Blank, Other, Section, Key };  // Other: a comment, or a line that says nothing
        qsizetype start;  // [start, end): the text without the line break
        qsizetype end;
        qsizetype next;   // where the following line starts; == end: the last line, with no break
        Kind kind;
        qsizetype nameStart;  // [nameStart, nameEnd): the section or key name, trimmed
        qsizetype nameEnd;
        qsizetype valueStart;  // a key's value, untrimmed: [valueStart, end)
    };
    // Where a section and a key sit: indices into m_lines, -1 when absent.
    struct Place {
        qsizetype header = -1;       // the section's "[Section]" line
        qsizetype end = -1;          // the line after the section's last one
        qsizetype lastContent = -1;  // the section's last non-blank line
        qsizetype key = -1;          // the key's line in the section
    };

    using LineNumbers = QVarLengthArray<qsizetype, 64>;
    // Of the lines [from, to) of that kind, each one whose name no earlier
    // one has, in text order.
    LineNumbers firstOfEachName(qsizetype from, qsizetype to, Line::Kind kind) const;
    // The first section of that name, the one the reader uses, and the
    // first line of the key in it; both names are trimmed.
    Place find(QByteArrayView section, QByteArrayView key) const;
    // Sets one key's value, as writeString describes.
    void setEntry(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Replaces the bytes [from, to) with the pieces, one after the other,
    // and reads the text again.
    void replace(qsizetype from, qsizetype to, std::initializer_list<QByteArrayView> with);
    // Adds a section with its key lines at the end.
    void appendSection(QByteArrayView section, QByteArrayView keyLines);
    // The break that new lines take (a view of the text, or CR LF).
    QByteArrayView lineBreak() const;
    QByteArrayView nameOf(const Line &line) const;

    QByteArray m_bytes;
    QList<Line> m_lines;
};
