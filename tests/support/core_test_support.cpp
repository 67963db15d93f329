#include "support/core_test_support.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString sourceDataDir()
{
    return qEnvironmentVariable("QUILLAN_DATA_DIR") + QLatin1Char('/');
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool makeFifo(const QString &path)
{
    QFile::remove(path);
    const bool made = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    EXPECT_TRUE(made) << "mkfifo " << path.toStdString();
    return made;
}

bool makeEndlessStream(const QString &path)
{
    QFile::remove(path);
    const bool made = QFile::link(QStringLiteral("/dev/zero"), path);
    EXPECT_TRUE(made) << "link to /dev/zero at " << path.toStdString();
    return made;
}

HangWatchdog::HangWatchdog(QStringList fifos, std::chrono::milliseconds bound)
    : m_fifos(std::move(fifos))
{
    m_thread = std::thread([this, bound] {
        std::unique_lock lock(m_mutex);
        if (m_done.wait_for(lock, bound, [this] { return m_finished; }))
            return;
        m_fired = true;
        // Released again and again: the work may open a FIFO more than once.
        do {
            for (const QString &fifo : std::as_const(m_fifos)) {
                const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        } while (!m_done.wait_for(lock, std::chrono::milliseconds(50), [this] { return m_finished; }));
    });
}

HangWatchdog::~HangWatchdog()
{
    finishedInTime();
}

bool HangWatchdog::finishedInTime()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    return !m_fired;
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height());
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
