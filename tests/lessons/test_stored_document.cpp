#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "support/core_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct RoundTrip {
    const char *name;
    QString text;           // the word processor's text
    QByteArray stored;      // the DOCUMENT section written
    QString readBack;       // the text shown on reopening
};

const QString kLong = QString(3000, QLatin1Char('x'));
// The end marker after backslashes, n bytes in all.
QString markerOfLength(int n)
{
    return QString(n - int(sizeof NoValueMarker - 1), QLatin1Char('\\')) + QLatin1String(NoValueMarker);
}
// A paragraph of two-byte and four-byte UTF-8 characters.
const QString kWide = QString(1000, QChar(0x0439)) + QStringLiteral("\U0001F600").repeated(100);

const RoundTrip kRoundTrips[] = {
    {"lines", "Dear Ann,\nthank you\nBob",
     "[DOCUMENT]\r\nLine0=\"Dear Ann,\"\r\nLine1=\"thank you\"\r\nLine2=\"Bob\"\r\n", "Dear Ann,\nthank you\nBob"},
    {"empty middle line", "a\n\nc", "[DOCUMENT]\r\nLine0=\"a\"\r\nLine1=\"\"\r\nLine2=\"c\"\r\n", "a\n\nc"},
    {"final line break is no line", "a\nb\n", "[DOCUMENT]\r\nLine0=\"a\"\r\nLine1=\"b\"\r\n", "a\nb"},
    {"blanks and quotes come back", "  indented  \n\"quoted\"\n\"\n'single'\n \t",
     "[DOCUMENT]\r\nLine0=\"  indented  \"\r\nLine1=\"\"quoted\"\"\r\nLine2=\"\"\"\r\nLine3=\"'single'\"\r\n"
     "Line4=\" \t\"\r\n",
     "  indented  \n\"quoted\"\n\"\n'single'\n \t"},
    {"a line that is the end marker", "before\n--== NO VALUE ==--\nafter",
     "[DOCUMENT]\r\nLine0=\"before\"\r\nLine1=\"\\--== NO VALUE ==--\"\r\nLine2=\"after\"\r\n",
     "before\n--== NO VALUE ==--\nafter"},
    {"lines that look escaped", "\\--== NO VALUE ==--\n\\\\--== NO VALUE ==--\n\\\n--== NO VALUE ==-- ",
     "[DOCUMENT]\r\nLine0=\"\\\\--== NO VALUE ==--\"\r\nLine1=\"\\\\\\--== NO VALUE ==--\"\r\nLine2=\"\\\"\r\n"
     "Line3=\"--== NO VALUE ==-- \"\r\n",
     "\\--== NO VALUE ==--\n\\\\--== NO VALUE ==--\n\\\n--== NO VALUE ==-- "},
    {"letters of any script", QStringLiteral("Привет, Ελένη"),
     "[DOCUMENT]\r\nLine0=\"" + QStringLiteral("Привет, Ελένη").toUtf8() + "\"\r\n", QStringLiteral("Привет, Ελένη")},
    {"carriage returns of a pasted text", "a\r\nb", "[DOCUMENT]\r\nLine0=\"a\"\r\nLine1=\"b\"\r\n", "a\nb"},
    {"a paragraph longer than a value continues on the next line", kLong,
     "[DOCUMENT]\r\nLine0=\"" + QByteArray(2047, 'x') + "\"\r\nLine1=\"" + QByteArray(953, 'x') + "\"\r\n",
     QString(2047, QLatin1Char('x')) + "\n" + QString(953, QLatin1Char('x'))},
    {"a marker one byte shorter than a value comes back as typed", markerOfLength(2046),
     "[DOCUMENT]\r\nLine0=\"\\" + markerOfLength(2046).toUtf8() + "\"\r\n", markerOfLength(2046)},
    {"a marker as long as a value: its escape does not fit, its last \"-\" goes on the next line",
     markerOfLength(2047),
     "[DOCUMENT]\r\nLine0=\"" + markerOfLength(2047).chopped(1).toUtf8() + "\"\r\nLine1=\"-\"\r\n",
     markerOfLength(2047).chopped(1) + "\n-"},
    {"a long paragraph of wide characters continues after a whole character", kWide,
     "[DOCUMENT]\r\nLine0=\"" + kWide.first(1022).toUtf8() + "\"\r\nLine1=\"" + kWide.sliced(1022).toUtf8()
         + "\"\r\n",
     kWide.first(1022) + "\n" + kWide.sliced(1022)},
    {"empty document", "", "", ""},
};

TEST(StoredDocument, RoundTripsThroughTheProgressFile)
{
    for (const RoundTrip &c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        IniFile file(dir.filePath("user.ini"));
        storeDocument(file, "DOCUMENT", documentLines(c.text));
        EXPECT_EQ(readFile(file.path()), c.stored);
        EXPECT_EQ(loadDocument(file, "DOCUMENT", CodePage::forCharset(0)).join('\n'), c.readBack);
    }
}

TEST(StoredDocument, ASecondShorterSaveLeavesNoOldLines)
{
    QTemporaryDir dir;
    IniFile file(dir.filePath("user.ini"));
    file.writeInteger("USERINFO", "MaxIndex", 7);
    storeDocument(file, "DOCUMENT", documentLines("one\ntwo\nthree\nfour"));
    storeDocument(file, "DOCUMENT", documentLines("short"));
    EXPECT_EQ(loadDocument(file, "DOCUMENT", CodePage::forCharset(0)), QStringList{"short"});
    EXPECT_EQ(file.readInteger("USERINFO", "MaxIndex", 0), 7);

    storeDocument(file, "DOCUMENT", documentLines(""));
    EXPECT_EQ(loadDocument(file, "DOCUMENT", CodePage::forCharset(0)), QStringList());
}

struct StoredFile {
    const char *name;
    QByteArray content;
    QStringList lines;  // read with the Cyrillic code page
};

const StoredFile kStoredFiles[] = {
    {"the unescaped marker ends the document",
     "[DOCUMENT]\r\nLine0=first\r\nLine1=--== NO VALUE ==--\r\nLine2=hidden\r\n", {"first"}},
    {"a missing number ends the document", "[DOCUMENT]\r\nLine0=first\r\nLine2=after a gap\r\n", {"first"}},
    {"keys without regard to case, the first of a name wins",
     "[document]\r\nLINE0=a\r\nline1=b\r\nLine1=hidden\r\n", {"a", "b"}},
    {"unquoted values of an earlier edition: blanks and quotes dropped",
     "[DOCUMENT]\r\nLine0=  indented  \r\nLine1='single'\r\nLine2=\"double\"\r\nLine3=\r\n",
     {"indented", "single", "double", ""}},
    {"a line in the language's code page (not UTF-8)", "[DOCUMENT]\r\nLine0=\xCF\xF0\xE8\xE2\xE5\xF2\r\n",
     {QStringLiteral("Привет")}},
    {"no section", "[USERINFO]\r\nMaxIndex=8\r\n", {}},
};

TEST(StoredDocument, ReadsUpToTheFirstMissingKeyOrMarker)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("user.ini");
    for (const StoredFile &c : kStoredFiles) {
        SCOPED_TRACE(c.name);
        writeFile(path, c.content);
        EXPECT_EQ(loadDocument(IniFile(path), "DOCUMENT", CodePage::forCharset(204)), c.lines);
    }
}

// Read in one pass of the file: a long document is no slower to open than
// the file is to read (speed is the benchmark's; here the lines must hold).
TEST(StoredDocument, ALongDocumentComesBackWhole)
{
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QStringLiteral(" line %1 ").arg(i);
    QTemporaryDir dir;
    IniFile file(dir.filePath("user.ini"));
    storeDocument(file, "DOCUMENT", lines);
    EXPECT_EQ(loadDocument(file, "DOCUMENT", CodePage::forCharset(0)), lines);
}

}  // namespace
