#pragma once

#include "platform/bounded_read.h"
#include "platform/ini_text.h"

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

// The classic profile-file service on a file: IniText's reading and writing
// (see there for the syntax, the names and values it takes and what it
// keeps), with the file read afresh on every call, so values are never
// stale. A missing file reads as an empty text. Only a regular file up to the
// read limit is read (see readBoundedFile); any other reads as a missing
// file, and readStatus() tells the two apart.
//
// Writing goes to disk at once; a missing file is created. The new content
// replaces the file atomically (a temporary file in the same folder, then a
// rename, then the folder is synced), so an interrupted write never leaves
// half a file behind and a completed one survives a power loss. A file that
// is there but cannot be read (see readStatus) is never written: its content
// would be lost.
class IniFile {
public:
    explicit IniFile(QString path, qint64 readLimit = ReadLimit::LanguageFile);

    QString path() const { return m_path; }

    // Ok or Missing for a file the reader can use (a missing file reads
    // empty); anything else for a file that is there but is not read: not a
    // regular file, over the read limit, or refused by the system.
    ReadStatus readStatus() const;

    // As IniText's, each from one read of the file.
    QList<QByteArray> sections() const;
    QList<std::pair<QByteArray, QByteArray>> readSection(QByteArrayView section) const;
    QList<QByteArray> keys(QByteArrayView section) const;
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    QByteArray readString(QByteArrayView section, QByteArrayView key,
                          QByteArrayView fallback) const;
    int readInteger(QByteArrayView section, QByteArrayView key, int fallback) const;
    bool readBool(QByteArrayView section, QByteArrayView key, bool fallback) const;

    // As IniText's, each in one write of the file: writeStrings and
    // writeSection never leave some of the new values without the others.
    // They throw IniWriteError when the file cannot be read or written, and
    // std::invalid_argument for a name or value that IniText refuses; the
    // file is not touched then. A deleteKey or writeSection that changes
    // nothing writes nothing.
    void writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void writeInteger(QByteArrayView section, QByteArrayView key, int value);
    void writeStrings(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);
    void deleteKey(QByteArrayView section, QByteArrayView key);
    void writeSection(QByteArrayView section,
                      const QList<std::pair<QByteArray, QByteArray>> &entries);

    // Removes the temporary files that writes to the file at path left when
    // they were interrupted between writing and renaming: "<name>.XXXXXX"
    // beside it, with six letters, exactly as the writes name them. Every
    // other file stays.
    static void removeStrayTemporaryFiles(const QString &path);

private:
    // What the readers see: the file's text, or an empty one.
    IniText load() const;
    // What a write starts from; throws IniWriteError for a file that is
    // there but cannot be read.
    IniText textForWrite() const;
    void store(const IniText &text) const;

    QString m_path;
    qint64 m_readLimit;
};
