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

    // The file may grow while it is read: never more than the limit and one
    // byte, which tells a file over the limit.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > limit)
                return {ReadStatus::TooLarge, {}};
            bytes.resize(static_cast<qsizetype>(std::min(limit + 1, filled + 65536)));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + filled,
                                 static_cast<size_t>(bytes.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Failed, {}};
        }
        if (n == 0)
            break;
        filled += n;
    }
    if (filled > limit)
        return {ReadStatus::TooLarge, {}};
    bytes.truncate(static_cast<qsizetype>(filled));
    return {ReadStatus::Ok, bytes};
}

QString unableToReadMessage(const QString &path)
{
    return QStringLiteral("Unable to read %1").arg(path);
}
