#pragma once

// What the libFuzzer harnesses share: a property check that stops the run
// with a message (libFuzzer then saves the input), and one scratch file.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "property does not hold: %s (%s:%d)\n", #cond, __FILE__, \
                         __LINE__);                                                       \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace fuzz {

// A file in a folder of its own for the whole run, holding content.
inline QString scratchFile(const QByteArray &content)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scratch.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace fuzz
