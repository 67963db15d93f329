#pragma once

// What every test may use, including those that link the core library alone:
// no widget here.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <thread>

// The repository's data/ folder (language files and course texts).
QString sourceDataDir();

// Writes bytes to a file, creating its folder; fails the test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// How many pixels differ between two pictures of the same size (all of the
// larger one's when the sizes differ).
int differingPixels(const QImage &a, const QImage &b);

// Files no course file should be, put where one is expected (replacing what
// is there); false, with a test failure, when the system refuses.
bool makeFifo(const QString &path);
bool makeEndlessStream(const QString &path);  // a symbolic link to /dev/zero

// Guards a call that must not block: when the thread that creates it is
// still busy after the bound, the watchdog records that it fired and from
// then on keeps releasing any open() waiting on the FIFOs (it opens them for
// writing and closes them again, so a reader sees the end of the file). A read that blocks fails
// the test instead of hanging it.
class HangWatchdog {
public:
    explicit HangWatchdog(QStringList fifos,
                          std::chrono::milliseconds bound = std::chrono::seconds(2));
    ~HangWatchdog();
    // Stops the watch; true when the guarded work ended within the bound.
    bool finishedInTime();

private:
    QStringList m_fifos;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;
    std::thread m_thread;
};

// Readable QString and QByteArray values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << '"' << b.toStdString() << '"';
}
