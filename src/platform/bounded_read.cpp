#include "platform/bounded_read.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

ReadResult readBoundedFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    // Checked before opening: opening a FIFO for reading waits for a writer.
    if (::stat(name.constData(), &st) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, {}};
    if (!S_ISREG(st.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (st.st_size > limit)
        return {ReadStatus::TooLarge, {}};

    // Non-blocking, and checked again on the open descriptor: a file swapped
    // for a FIFO since the check above must not block the open either.
    Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed, {}};
    if (::fstat(file.fd, &st) != 0)
        return {ReadStatus::Failed, {}};
    if (!S_ISREG(st.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (st.st_size > limit)
        return {ReadStatus::TooLarge, {}};

    // Nothing is allocated beyond what is read, and nothing is read beyond
    // the limit and one byte, which tells a file over the limit. The size
    // the file reports may be stale (it grows or shrinks while it is read;
    // a file of /proc reports none): the bytes are read into a buffer of
    // that size first, and whatever follows is added as it comes.
    QByteArray bytes(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    qint64 filled = 0;
    char chunk[16384];
    for (;;) {
        const bool inBuffer = filled < bytes.size();
        const qint64 room = inBuffer ? bytes.size() - filled
                                     : std::min<qint64>(sizeof chunk, limit + 1 - filled);
        const ssize_t n = ::read(file.fd, inBuffer ? bytes.data() + filled : chunk,
                                 static_cast<size_t>(room));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Failed, {}};
        }
        if (n == 0)
            break;
        if (!inBuffer) {
            bytes.reserve(static_cast<qsizetype>(filled + n));  // exactly: append would round up
            bytes.append(chunk, static_cast<qsizetype>(n));
        }
        filled += n;
        if (filled > limit)
            return {ReadStatus::TooLarge, {}};
    }
    if (filled < bytes.size()) {  // the file shrank
        bytes.truncate(static_cast<qsizetype>(filled));
        bytes.squeeze();
    }
    return {ReadStatus::Ok, bytes};
}

QString unableToReadMessage(const QString &path)
{
    return QStringLiteral("Unable to read %1").arg(path);
}
