#include "platform/bounded_read.h"
#include "platform/language_files.h"
#include "support/test_support.h"

#include <algorithm>
#include <iterator>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
    QString output;
};

ToolRun runTool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(CHECK_LANGUAGE_EXE), args);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "check_language did not finish normally";
        return run;
    }
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

QByteArray replaceLine(QByteArray content, const QByteArray &prefix, const QByteArray &line)
{
    const qsizetype at = content.indexOf("\n" + prefix);
    EXPECT_GE(at, 0) << prefix.constData();
    const qsizetype end = content.indexOf('\n', at + 1);
    content.replace(at + 1, end - at - 1, line);
    return content;
}

// The English info folder copied to folder.
void copyEnglishInfo(const QString &folder)
{
    const QString english = sourceDataDir() + QStringLiteral("InfoEng/");
    for (const QString &name : QDir(english).entryList(QDir::Files))
        writeFile(folder + name, readFile(english + name));
}

}  // namespace

TEST(CheckLanguage, ShippedEnglishPackIsClean)
{
    const ToolRun run = runTool({sourceDataDir() + QStringLiteral("QL2Eng.ini")});
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.lines.isEmpty()) << run.output.toStdString();
}

TEST(CheckLanguage, EveryShippedPackIsClean)
{
    const QStringList packs = findLanguageFiles(sourceDataDir());
    EXPECT_TRUE(packs.contains(QStringLiteral("QL2Rus.ini")));
    EXPECT_TRUE(packs.contains(QStringLiteral("QL2Deu.ini")));
    for (const QString &name : packs) {
        SCOPED_TRACE(name.toStdString());
        const ToolRun run = runTool({sourceDataDir() + name});
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
        EXPECT_TRUE(run.lines.isEmpty()) << run.output.toStdString();
    }
}

TEST(CheckLanguage, HelpExplainsUsage)
{
    const ToolRun run = runTool({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains(QStringLiteral("Usage: check_language")));
}

TEST(CheckLanguage, BadUsageExitsWithTwo)
{
    const QStringList cases[] = {
        {},
        {QStringLiteral("--bogus"), QStringLiteral("x.ini")},
        {QStringLiteral("--reference")},
        {QStringLiteral("a.ini"), QStringLiteral("b.ini")},
    };
    for (const QStringList &args : cases)
        EXPECT_EQ(runTool(args).exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
}

// The reference pack is not compared with itself, but a hint it lacks is
// listed all the same.
TEST(CheckLanguage, AHintMissingFromTheReferenceIsListed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    QByteArray english = readFile(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    english = replaceLine(english, "T051Start=", "; no hint for Start");
    writeFile(root + QStringLiteral("QL2Eng.ini"), english);
    copyEnglishInfo(root + QStringLiteral("InfoEng/"));
    const ToolRun run = runTool({root + QStringLiteral("QL2Eng.ini")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.lines, QStringList{root + QStringLiteral("QL2Eng.ini:HINTS/T051Start: missing (a hint Quillan 2 shows)")})
        << run.output.toStdString();
}

// A word that would be cut in a control of fixed size is reported with the
// room it has; a long menu word is not, as menus grow with their words.
TEST(CheckLanguage, ADesktopWordTooLongForItsControlIsListed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    QByteArray pack = readFile(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    pack = replaceLine(pack, "StartButton=", "StartButton=Start here please");
    pack = replaceLine(pack, "ButtonCancel=", "ButtonCancel=Cancel and go back");
    pack = replaceLine(pack, "FileName=", "FileName=File &name:");
    pack = replaceLine(pack, "MenuFile=", "MenuFile=A very long name for the File menu");
    writeFile(root + QStringLiteral("QL2Eng.ini"), pack);
    copyEnglishInfo(root + QStringLiteral("InfoEng/"));
    const ToolRun run = runTool({root + QStringLiteral("QL2Eng.ini")});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 2) << run.output.toStdString();
    EXPECT_TRUE(run.lines[0].contains(QStringLiteral("QL2Eng.ini:DESKTOP/ButtonCancel: too long for a button (")))
        << run.lines[0].toStdString();
    EXPECT_TRUE(run.lines[1].contains(QStringLiteral("QL2Eng.ini:DESKTOP/StartButton: too long for the Start button (")))
        << run.lines[1].toStdString();
}

TEST(CheckLanguage, ReportsEveryPlantedProblemOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    const QString src = sourceDataDir();

    QByteArray english = readFile(src + QStringLiteral("QL2Eng.ini"));
    writeFile(root + QStringLiteral("QL2Eng.ini"), english);
    QByteArray bad = english;
    bad = replaceLine(bad, "btnT004Cancel=", "; btnT004Cancel removed");
    bad = replaceLine(bad, "lbT001Time=", "lbT001Time=%s left");
    bad = replaceLine(bad, "Charset=", "Charset=204");
    bad = replaceLine(bad, "btnT004OK=", "btnT004OK=O\x98K");
    bad = replaceLine(bad, "T057Close=", "; T057Close removed");
    bad = replaceLine(bad, "tbBack=", "tbBack=  ");
    writeFile(root + QStringLiteral("QL2Bad.ini"), bad);

    const QString info = root + QStringLiteral("InfoBad/");
    copyEnglishInfo(info);
    ASSERT_TRUE(QFile::remove(info + QStringLiteral("T053.rtf")));
    writeFile(info + QStringLiteral("T054.rtf"), "Just plain text.\n");
    writeFile(info + QStringLiteral("T003Cred.txt"),
              "Quillan 2\n" + QByteArray(300, 'x') + "\nThanks\n");

    const ToolRun run = runTool({root + QStringLiteral("QL2Bad.ini")});
    EXPECT_EQ(run.exitCode, 1);

    struct Expected {
        QString prefix;
        const char *what;
    };
    const QString ini = root + QStringLiteral("QL2Bad.ini:");
    const Expected expected[] = {
        {ini + QStringLiteral("LABELS/btnT004Cancel: missing"), "missing key"},
        {ini + QStringLiteral("HINTS/T057Close: missing"), "missing hint"},
        {ini + QStringLiteral("LABELS/lbT001Time: "), "format not fitting one integer"},
        {ini + QStringLiteral("LABELS/btnT004OK: bytes not valid in windows-1251"), "byte 0x98 in charset 204"},
        {ini + QStringLiteral("ACCESSIBILITY/tbBack: empty"), "a screen reader's name left empty"},
        {info + QStringLiteral("T053.rtf: missing"), "missing info file"},
        {info + QStringLiteral("T054.rtf: not RTF"), "info file that is not RTF"},
        {info + QStringLiteral("T003Cred.txt:line 2: 300 characters"), "long credits line"},
    };
    for (const Expected &e : expected) {
        const qsizetype matches = std::count_if(run.lines.cbegin(), run.lines.cend(), [&](const QString &l) {
            return l.startsWith(e.prefix);
        });
        EXPECT_EQ(matches, 1) << e.what << "\n" << run.output.toStdString();
    }
    EXPECT_EQ(run.lines.size(), qsizetype(std::size(expected))) << run.output.toStdString();
    QStringList sorted = run.lines;
    sorted.sort();
    EXPECT_EQ(run.lines, sorted);
}

TEST(CheckLanguage, FileLevelProblems)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    const QByteArray english = readFile(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    writeFile(root + QStringLiteral("QL2Eng.ini"), english);

    struct Case {
        const char *what;
        QByteArray paths;  // the PATHS section's content
        QByteArray charset;
        QString expected;
    };
    const Case cases[] = {
        {"derived info directory absent", "", "0", root + QStringLiteral("QL2Xx1.ini: info directory")},
        {"named info directory absent", "InfoPath=Nowhere\\", "0",
         root + QStringLiteral("QL2Xx1.ini:PATHS/InfoPath: info directory")},
        {"charset not a number", "", "abc", root + QStringLiteral("QL2Xx1.ini:LANGUAGE/Charset: ")},
    };
    for (const Case &c : cases) {
        QByteArray content = replaceLine(english, "Charset=", "Charset=" + c.charset);
        content.replace("[PATHS]", "[PATHS]\r\n" + c.paths);
        writeFile(root + QStringLiteral("QL2Xx1.ini"), content);
        const ToolRun run = runTool({root + QStringLiteral("QL2Xx1.ini")});
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_TRUE(std::any_of(run.lines.cbegin(), run.lines.cend(),
                                [&](const QString &l) { return l.startsWith(c.expected); }))
            << c.what << "\n" << run.output.toStdString();
    }
}

// The checker reads a language file as the program does: a key the program
// cannot find is missing even when the file holds it somewhere, and bytes the
// program never reads are not checked.
TEST(CheckLanguage, SeesTheFileAsTheProgramReadsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    const QByteArray english = readFile(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    writeFile(root + QStringLiteral("QL2Eng.ini"), english);
    copyEnglishInfo(root + QStringLiteral("InfoXx1/"));
    const QByteArray cyrillic = replaceLine(english, "Charset=", "Charset=204");

    struct Case {
        const char *what;
        QByteArray content;
        QStringList expected;  // after "<file>:"
    };
    const Case cases[] = {
        {"a key only in a second section of the same name",
         replaceLine(english, "btnT004Cancel=", "; moved below") + "\r\n[labels]\r\nbtnT004Cancel=Cancel\r\n",
         {QStringLiteral("LABELS/btnT004Cancel: missing (present in QL2Eng.ini)")}},
        {"a bad byte past the 2047 characters the program reads",
         replaceLine(cyrillic, "btnT004OK=", "btnT004OK=" + QByteArray(2047, 'x') + "\x98"), {}},
        {"a bad byte in a second value of the same key",
         replaceLine(cyrillic, "btnT004OK=", "btnT004OK=OK\r\nbtnT004OK=O\x98K"), {}},
    };
    const QString file = root + QStringLiteral("QL2Xx1.ini");
    for (const Case &c : cases) {
        writeFile(file, c.content);
        QStringList expected;
        for (const QString &line : c.expected)
            expected << file + QLatin1Char(':') + line;
        const ToolRun run = runTool({file});
        EXPECT_EQ(run.lines, expected) << c.what;
        EXPECT_EQ(run.exitCode, expected.isEmpty() ? 0 : 1) << c.what;
    }
}

// Files the program would not read (see readBoundedFile) are reported, each
// with its reason, and the check ends instead of waiting on them.
TEST(CheckLanguage, ReportsInfoFilesTheProgramWouldNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    const QByteArray english = readFile(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    writeFile(root + QStringLiteral("QL2Eng.ini"), english);
    writeFile(root + QStringLiteral("QL2Xx1.ini"), english);
    const QString info = root + QStringLiteral("InfoXx1/");
    copyEnglishInfo(info);

    writeFile(info + "T051.rtf", QByteArray(ReadLimit::CoursePage + 1, ' '));
    ASSERT_TRUE(makeFifo(info + "T052.rtf"));
    QFile::remove(info + "T053.rtf");
    ASSERT_TRUE(QDir().mkpath(info + "T053.rtf"));
    ASSERT_TRUE(makeEndlessStream(info + "T003Cred.txt"));

    HangWatchdog watchdog({info + "T052.rtf"});
    const ToolRun run = runTool({root + QStringLiteral("QL2Xx1.ini")});
    EXPECT_TRUE(watchdog.finishedInTime()) << "the check waited on the FIFO";
    EXPECT_EQ(run.exitCode, 1);
    const QStringList expected = {
        info + "T003Cred.txt: not a regular file",
        info + QStringLiteral("T051.rtf: larger than %1 bytes, the most Quillan 2 reads")
                   .arg(ReadLimit::CoursePage),
        info + "T052.rtf: not a regular file",
        info + "T053.rtf: not a regular file",
    };
    EXPECT_EQ(run.lines, expected) << run.output.toStdString();
}
