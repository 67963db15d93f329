#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>
#include <utility>

IniWriteError::IniWriteError(const QString &fileName)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(fileName).toStdString()),
      m_fileName(fileName)
{
}

IniFile::IniFile(QString path, qint64 readLimit)
    : m_path(std::move(path)), m_readLimit(readLimit)
{
}

ReadStatus IniFile::readStatus() const
{
    return readBoundedFile(m_path, m_readLimit).status;
}

IniText IniFile::load() const
{
    return IniText(readBoundedFile(m_path, m_readLimit).bytes);
}

IniText IniFile::textForWrite() const
{
    ReadResult r = readBoundedFile(m_path, m_readLimit);
    if (!r.ok() && r.status != ReadStatus::Missing)
        throw IniWriteError(m_path);
    return IniText(std::move(r.bytes));
}

void IniFile::store(const IniText &text) const
{
    const QByteArray &content = text.bytes();
    const QFileInfo info(m_path);
    // A read-only file refuses the write, also for a user (root) whom the
    // system would let through: the file's own mode is what counts.
    if (info.exists() && (info.isDir() || !(info.permissions() & QFileDevice::WriteOwner)))
        throw IniWriteError(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit())
        throw IniWriteError(m_path);
    // The rename is an entry of the folder: synced, it survives a power loss.
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void IniFile::removeStrayTemporaryFiles(const QString &path)
{
    // QSaveFile names its temporary file after the file, a dot and six
    // random letters ("QL2Dusr.qlu.dBimhI"); with unnamed temporary files
    // (O_TMPFILE) that name exists only between the link and the rename of a
    // commit, without them from the open on.
    const QFileInfo info(path);
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(info.fileName())
                                            + QStringLiteral("\\.[A-Za-z]{6}")));
    QDir dir = info.absoluteDir();
    const QStringList candidates =
        dir.entryList({info.fileName() + QStringLiteral(".*")},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : candidates) {
        if (pattern.match(name).hasMatch())
            dir.remove(name);
    }
}

QList<QByteArray> IniFile::sections() const
{
    return load().sections();
}

QList<std::pair<QByteArray, QByteArray>> IniFile::readSection(QByteArrayView section) const
{
    return load().readSection(section);
}

QList<QByteArray> IniFile::keys(QByteArrayView section) const
{
    return load().keys(section);
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    return load().value(section, key);
}

QByteArray IniFile::readString(QByteArrayView section, QByteArrayView key,
                               QByteArrayView fallback) const
{
    return load().readString(section, key, fallback);
}

int IniFile::readInteger(QByteArrayView section, QByteArrayView key, int fallback) const
{
    return load().readInteger(section, key, fallback);
}

bool IniFile::readBool(QByteArrayView section, QByteArrayView key, bool fallback) const
{
    return load().readBool(section, key, fallback);
}

void IniFile::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    writeStrings(section, {{key.toByteArray(), value.toByteArray()}});
}

void IniFile::writeInteger(QByteArrayView section, QByteArrayView key, int value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniFile::writeStrings(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    IniText text = textForWrite();
    text.writeStrings(section, entries);
    store(text);
}

void IniFile::deleteKey(QByteArrayView section, QByteArrayView key)
{
    IniText text = textForWrite();
    if (text.deleteKey(section, key))
        store(text);
}

void IniFile::writeSection(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    IniText text = textForWrite();
    if (text.writeSection(section, entries))
        store(text);
}
