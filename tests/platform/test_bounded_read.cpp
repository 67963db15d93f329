#include "platform/bounded_read.h"
#include "platform/ini_file.h"
#include "platform/language_files.h"
#include "support/core_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr qint64 kLimit = 64;

class BoundedReadTest : public ::testing::Test {
protected:
    QString path(const char *name = "file") const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

// What may stand where a course file is expected. put() creates it at path.
struct Hostile {
    const char *name;
    std::function<bool(const QString &path)> put;
    ReadStatus expected;
};

const Hostile kHostile[] = {
    {"FIFO", makeFifo, ReadStatus::NotRegular},
    {"endless stream", makeEndlessStream, ReadStatus::NotRegular},
    {"directory", [](const QString &p) { return QDir().mkpath(p); }, ReadStatus::NotRegular},
    {"over the limit",
     [](const QString &p) { writeFile(p, QByteArray(kLimit + 1, 'x')); return true; },
     ReadStatus::TooLarge},
};

TEST_F(BoundedReadTest, ReadsOnlyRegularFilesUpToTheLimit)
{
    const struct {
        const char *name;
        QByteArray content;
    } fine[] = {{"empty", ""}, {"small", "[A]\nKey=1\n"}, {"exactly the limit", QByteArray(kLimit, 'y')}};
    for (const auto &c : fine) {
        SCOPED_TRACE(c.name);
        writeFile(path(), c.content);
        const ReadResult r = readBoundedFile(path(), kLimit);
        EXPECT_EQ(r.status, ReadStatus::Ok);
        EXPECT_EQ(r.bytes, c.content);
    }
    writeFile(path("target"), "through the link");
    ASSERT_TRUE(QFile::link(path("target"), path("link")));
    EXPECT_EQ(readBoundedFile(path("link"), kLimit).bytes, "through the link");

    EXPECT_EQ(readBoundedFile(path("missing"), kLimit).status, ReadStatus::Missing);
    ASSERT_TRUE(QFile::link(path("nowhere"), path("dangling")));
    EXPECT_EQ(readBoundedFile(path("dangling"), kLimit).status, ReadStatus::Missing);

    for (const Hostile &h : kHostile) {
        SCOPED_TRACE(h.name);
        const QString p = path(h.name);
        ASSERT_TRUE(h.put(p));
        HangWatchdog watchdog({p});
        const ReadResult r = readBoundedFile(p, kLimit);
        EXPECT_TRUE(watchdog.finishedInTime());
        EXPECT_EQ(r.status, h.expected);
        EXPECT_TRUE(r.bytes.isEmpty());
    }
}

// A read keeps no more memory than the file and one byte, whatever size the
// file reports: a file of /proc reports none and still reads whole, and over
// the limit it is too large.
TEST_F(BoundedReadTest, KeepsNoMoreThanItReads)
{
    writeFile(path(), "[A]\nKey=1\n");
    const QString status = QStringLiteral("/proc/self/status");
    ASSERT_EQ(QFileInfo(status).size(), 0) << "a file that reports its size";
    const struct {
        const char *name;
        QString path;
        qint64 limit;
    } cases[] = {
        {"a small file", path(), kLimit},
        {"a file that reports no size", status, ReadLimit::LanguageFile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult r = readBoundedFile(c.path, c.limit);
        EXPECT_EQ(r.status, ReadStatus::Ok);
        EXPECT_TRUE(r.bytes.endsWith('\n')) << "read whole";
        EXPECT_LE(r.bytes.capacity(), r.bytes.size() + 1);
    }
    EXPECT_EQ(readBoundedFile(path(), kLimit).bytes, "[A]\nKey=1\n");
    EXPECT_TRUE(readBoundedFile(status, ReadLimit::LanguageFile).bytes.startsWith("Name:"));
    EXPECT_EQ(readBoundedFile(status, kLimit).status, ReadStatus::TooLarge);
}

// A file that is there but cannot be read reads as a missing one, and is
// never written: the write would replace what could not be read.
TEST_F(BoundedReadTest, AnIniFileThatCannotBeReadIsNeverWritten)
{
    for (const Hostile &h : kHostile) {
        SCOPED_TRACE(h.name);
        const QString p = path(h.name);
        ASSERT_TRUE(h.put(p));
        const IniFile ini(p, kLimit);
        HangWatchdog watchdog({p});
        EXPECT_EQ(ini.readStatus(), h.expected);
        EXPECT_EQ(ini.readInteger("USERINFO", "MaxIndex", 7), 7);
        EXPECT_THROW(IniFile(p, kLimit).writeInteger("USERINFO", "MaxIndex", 3), IniWriteError);
        EXPECT_THROW(IniFile(p, kLimit).deleteKey("USERINFO", "MaxIndex"), IniWriteError);
        EXPECT_TRUE(watchdog.finishedInTime());
        EXPECT_EQ(readBoundedFile(p, kLimit).status, h.expected) << "the file was replaced";
    }
    IniFile missing(path("new.ini"), kLimit);
    EXPECT_EQ(missing.readStatus(), ReadStatus::Missing);
    missing.writeInteger("USERINFO", "MaxIndex", 3);
    EXPECT_EQ(missing.readInteger("USERINFO", "MaxIndex", 0), 3);
}

TEST_F(BoundedReadTest, StrayTemporaryFilesOfWritesAreRemoved)
{
    const QStringList strays = {"QL2Dusr.qlu.AbCdEf", "QL2Dusr.qlu.zzzzzz"};
    const QStringList kept = {"QL2Dusr.qlu",          "QL2Dusr.qlu.AbCdE",   "QL2Dusr.qlu.AbCdEfG",
                              "QL2Dusr.qlu.Ab1dEf",   "QL2Dusr.qluXAbCdEf",  "Other.qlu.AbCdEf",
                              "xQL2Dusr.qlu.AbCdEf",  "QL2Dusr.qlu.AbCdEf.bak"};
    for (const QString &name : strays + kept)
        writeFile(m_dir.filePath(name), "x");
    IniFile::removeStrayTemporaryFiles(m_dir.filePath(QStringLiteral("QL2Dusr.qlu")));
    QStringList left = QDir(m_dir.path()).entryList(QDir::Files, QDir::Name);
    QStringList expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST_F(BoundedReadTest, ALanguageFileNeedsItsLanguageSection)
{
    const struct {
        const char *name;
        QByteArray content;
        bool usable;
    } cases[] = {
        {"only the name", "[LANGUAGE]\nName=English\n", true},
        {"section name in another case", "[language]\n", true},
        {"random bytes", QByteArray("\x8f\x01\xff[LANG\x00UAGE\n\xfe=\x02", 16), false},
        {"another program's file", "[Settings]\nLANGUAGE=English\n", false},
        {"empty", "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(path("QL2Xx.ini"), c.content);
        const std::optional<QString> problem = languageFileProblem(path("QL2Xx.ini"));
        if (c.usable)
            EXPECT_EQ(problem, std::nullopt);
        else
            EXPECT_EQ(problem.value_or(QString()),
                      path("QL2Xx.ini") + " is not a language file of Quillan 2: it has no [LANGUAGE] section.");
    }
    EXPECT_EQ(languageFileProblem(path("missing.ini")), std::nullopt) << "fallbacks, as before";
    ASSERT_TRUE(makeFifo(path("QL2Fifo.ini")));
    HangWatchdog watchdog({path("QL2Fifo.ini")});
    EXPECT_EQ(languageFileProblem(path("QL2Fifo.ini")), "Unable to read " + path("QL2Fifo.ini"));
    EXPECT_TRUE(watchdog.finishedInTime());
}

}  // namespace
