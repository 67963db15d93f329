#pragma once

#include <QByteArray>
#include <QString>

// How much of a file the program ever reads, by kind. Real files are a small
// fraction of these; anything larger is not one of the course's files, and
// reading it would only stall the program or exhaust its memory.
namespace ReadLimit {
constexpr qint64 LanguageFile = 1 << 20;        // QL2*.ini
constexpr qint64 ProgressFile = 4 << 20;        // QL2Dusr.qlu, with the stored document
constexpr qint64 CoursePage = 4 << 20;          // Info*/T0nn.rtf, the info panel's text
constexpr qint64 CreditsText = 1 << 20;         // Info*/T003Cred.txt
constexpr qint64 LessonDocument = 4 << 20;      // Info*/T052Txt.rtf
}  // namespace ReadLimit

// The outcome of a bounded read.
enum class ReadStatus {
    Ok,
    Missing,     // nothing there (also a symbolic link that leads nowhere)
    NotRegular,  // a directory, a FIFO, a device, a socket
    TooLarge,    // more than the limit
    Failed,      // the system refused (permissions, an I/O error)
};

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;  // the whole file when status is Ok, else empty

    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads the whole file, but only a regular file (symbolic links are followed)
// of at most limit bytes. A FIFO is never opened, so the read never waits for
// a writer, and an endless stream or a device is never read at all.
ReadResult readBoundedFile(const QString &path, qint64 limit);

// The message for a file that is there but could not be read:
// "Unable to read <file>".
QString unableToReadMessage(const QString &path);
