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

const RoundTrip kRoundTrips[] = {
    {"lines", "Dear Ann,\nthank you\nBob", "[DOCUMENT]\r\nLine0=Dear Ann,\r\nLine1=thank you\r\nLine2=Bob\r\n",
     "Dear Ann,\nthank you\nBob"},
    {"empty middle line", "a\n\nc", "[DOCUMENT]\r\nLine0=a\r\nLine1=\r\nLine2=c\r\n", "a\n\nc"},
    {"final line break is no line", "a\nb\n", "[DOCUMENT]\r\nLine0=a\r\nLine1=b\r\n", "a\nb"},
    {"blanks and quotes dropped by the reader", "  indented  \n\"quoted\"",
     "[DOCUMENT]\r\nLine0=  indented  \r\nLine1=\"quoted\"\r\n", "indented\nquoted"},
    {"letters of any script", QStringLiteral("Привет, Ελένη"),
     "[DOCUMENT]\r\nLine0=" + QStringLiteral("Привет, Ελένη").toUtf8() + "\r\n", QStringLiteral("Привет, Ελένη")},
    {"carriage returns of a pasted text", "a\r\nb", "[DOCUMENT]\r\nLine0=a\r\nLine1=b\r\n", "a\nb"},
    {"a paragraph longer than a value continues on the next line", kLong,
     "[DOCUMENT]\r\nLine0=" + QByteArray(2047, 'x') + "\r\nLine1=" + QByteArray(953, 'x') + "\r\n",
     QString(2047, QLatin1Char('x')) + "\n" + QString(953, QLatin1Char('x'))},
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

TEST(StoredDocument, ReadsUpToTheFirstMissingKeyOrMarker)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("user.ini");
    const CodePage cyrillic = CodePage::forCharset(204);
    writeFile(path, "[DOCUMENT]\r\nLine0=first\r\nLine1=--== NO VALUE ==--\r\nLine2=hidden\r\n");
    EXPECT_EQ(loadDocument(IniFile(path), "DOCUMENT", cyrillic), QStringList{"first"});
    writeFile(path, "[DOCUMENT]\r\nLine0=first\r\nLine2=after a gap\r\n");
    EXPECT_EQ(loadDocument(IniFile(path), "DOCUMENT", cyrillic), QStringList{"first"});
    // A line stored in the language's code page (not UTF-8) reads in it.
    writeFile(path, "[DOCUMENT]\r\nLine0=\xCF\xF0\xE8\xE2\xE5\xF2\r\n");
    EXPECT_EQ(loadDocument(IniFile(path), "DOCUMENT", cyrillic), QStringList{QStringLiteral("Привет")});
}

}  // namespace
