#pragma once

#include "platform/bounded_read.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <stdexcept>
#include <utility>

// A write to an INI file that the system refused (read-only file, missing
// folder, full disk). The message is "Unable to write to <file name>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString &fileName);
    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

// The classic profile-file service: plain 8-bit text, "[Section]" lines and
// "Key=Value" lines, bytes in and bytes out (decoding is the caller's job).
//
// A line ends at LF, CR LF or a lone CR (also the file's last line), for
// reading and writing alike.
//
// Reading: section and key names are compared without regard to case; the first
// matching section and the first matching key in it win. A line whose first
// non-blank character is ";" is a comment, and a line that is neither
// "[Section]" nor "Key=Value" says nothing. Blanks around a value are
// dropped, one pair of matching single or double quotes around it is removed,
// and the value is cut at 2047 characters. Whatever is missing or does not
// parse reads as the fallback the caller gives. The file is read afresh on
// every call, so values are never stale. Only a regular file up to the read
// limit is read (see readBoundedFile); any other reads as a missing file, and
// readStatus() tells the two apart.
//
// Writing goes to disk at once. Every other line of the file is kept byte for
// byte; a missing file or section is created. Writing a key the section
// already has changes only its value: the key keeps its spelling in the file
// and the blanks around "=" stay. New lines take the line break of the
// file's first line (CR LF in a new file). The new content replaces the file
// atomically (a temporary file in the same folder, then a rename, then the
// folder is synced), so an interrupted write never leaves half a file behind
// and a completed one survives a power loss. A file that is there but cannot
// be read (see readStatus) is never written: its content would be lost.
class IniFile {
public:
    static constexpr qsizetype MaxValueLength = 2047;

    explicit IniFile(QString path, qint64 readLimit = ReadLimit::LanguageFile);

    QString path() const { return m_path; }

    // Ok or Missing for a file the reader can use (a missing file reads
    // empty); anything else for a file that is there but is not read: not a
    // regular file, over the read limit, or refused by the system.
    ReadStatus readStatus() const;

    // The names of the file's sections, as the reader finds them: in file
    // order, each once in the spelling of its first "[Section]" line (names
    // that differ only in case are one section).
    QList<QByteArray> sections() const;
    // The keys the reader finds in the section, with their values as
    // readString gives them, in one read of the file: those of its first
    // matching section only, in file order, each once in the spelling of its
    // first line. Comment lines, lines without "=" and keys before the first
    // section belong to no section. Empty for a missing section.
    QList<std::pair<QByteArray, QByteArray>> readSection(QByteArrayView section) const;
    // The names of those keys.
    QList<QByteArray> keys(QByteArrayView section) const;

    // The value, or nullopt when the file, section or key is missing.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          QByteArrayView fallback) const;
    // Decimal with an optional sign; hexadecimal with "$", "0x" or "0X".
    int readInteger(QByteArrayView section, QByteArrayView key, int fallback) const;
    // An integer: 0 is false, any other number true.
    bool readBool(QByteArrayView section, QByteArrayView key, bool fallback) const;

    // Throws IniWriteError when the file cannot be written or cannot be read
    // (nothing is written then), and std::invalid_argument, before anything
    // is written, for a name or value the reader would not give back: a value
    // with a line break or NUL; a name that is empty, has one of them or
    // blanks around it; a section name with "]"; a key with "=" or beginning
    // with "[" or ";".
    void writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void writeInteger(QByteArrayView section, QByteArrayView key, int value);
    // Several keys of one section, each as writeString sets it, in one write:
    // the file never holds some of the new values without the others.
    void writeStrings(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);
    // Removes a key; nothing happens when it is not there.
    void deleteKey(QByteArrayView section, QByteArrayView key);
    // Replaces everything the section holds with these keys, in this order,
    // in one write: the file never holds half of the old and half of the new
    // section. An empty list removes the section. Throws as writeString does.
    void writeSection(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);

    // Removes the temporary files that writes to the file at path left when
    // they were interrupted between writing and renaming: "<name>.XXXXXX"
    // beside it, with six letters, exactly as the writes name them. Every
    // other file stays.
    static void removeStrayTemporaryFiles(const QString &path);

    // The integer syntax of readInteger on its own: nullopt when the text is
    // not a number that fits 32 bits (hexadecimal up to $FFFFFFFF wraps).
    static std::optional<int> parseInteger(QByteArrayView text);

private:
    // What the readers see: the file's bytes, or nothing.
    QByteArray load() const;
    // What a write starts from; throws IniWriteError for a file that is
    // there but cannot be read.
    QByteArray loadForWrite() const;
    void store(const QByteArray &content) const;

    QString m_path;
    qint64 m_readLimit;
};
