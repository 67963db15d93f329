#include "platform/code_page.h"
#include "platform/desktop_words.h"
#include "platform/ini_file.h"
#include "support/core_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The program's English words are the English pack's: a translator copies
// the pack, and a word missing from a pack shows what the English pack says.
TEST(DesktopWords, TheEnglishPackGivesEveryWordAsTheProgramHasIt)
{
    const IniFile english(sourceDataDir() + QStringLiteral("QL2Eng.ini"));
    QStringList pack;
    for (const auto &[key, value] : english.readSection("DESKTOP"))
        pack << QString::fromLatin1(key + '=' + value);
    QStringList program;
    for (const DesktopWords::Entry &e : DesktopWords::english())
        program << QString::fromLatin1(e.key) + QLatin1Char('=') + QString::fromUtf8(e.english);
    EXPECT_EQ(pack, program);
}

TEST(DesktopWords, APackGivesItsWordsInItsCodePageAndEnglishWhereItHasNone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QL2Rus.ini"));
    // "Пуск", "&Программы" and "Сохранить изменения в "%s"?" in windows-1251.
    writeFile(path, "[LANGUAGE]\r\nCharset=204\r\n[DESKTOP]\r\nStartButton=\xcf\xf3\xf1\xea\r\n"
                    "StartPrograms=&\xcf\xf0\xee\xe3\xf0\xe0\xec\xec\xfb\r\n"
                    "SaveChanges=\xd1\xee\xf5\xf0\xe0\xed\xe8\xf2\xfc \xe8\xe7\xec\xe5\xed\xe5\xed\xe8\xff "
                    "\xe2 \"%s\"?\r\nWindowCaption=%d - WordPad\r\nMenuFile=\r\n");
    const DesktopWords words(IniFile(path), CodePage::forCharset(204));
    const struct {
        const char *key;
        QString word;
    } cases[] = {
        {"StartButton", QString::fromUtf8("Пуск")},
        {"StartPrograms", QString::fromUtf8("&Программы")},
        {"StartRun", QStringLiteral("&Run...")},      // not in the pack
        {"MenuFile", QStringLiteral("File")},         // empty in the pack
        {"NoSuchWord", QStringLiteral("NoSuchWord")}, // not a desktop word
    };
    for (const auto &c : cases)
        EXPECT_EQ(words.text(c.key), c.word) << c.key;
    EXPECT_EQ(words.plain("StartPrograms"), QString::fromUtf8("Программы"));
    EXPECT_EQ(words.saveChanges(QString::fromUtf8("Документ2")),
              QString::fromUtf8("Сохранить изменения в \"Документ2\"?"));
    // A translator's slip in a format shows as written; nothing breaks.
    EXPECT_EQ(words.windowCaption(QStringLiteral("X")), QStringLiteral("%d - WordPad"));
    EXPECT_EQ(DesktopWords().windowCaption(QStringLiteral("My Document")), QStringLiteral("My Document - Wordpad"));
}

TEST(DesktopWords, AccessMarksAndLetters)
{
    const struct {
        const char *text;
        const char *plain;
        QChar letter;
    } cases[] = {
        {"Sh&ut Down...", "Shut Down...", QLatin1Char('u')},
        {"&Programs", "Programs", QLatin1Char('P')},
        {"Cancel", "Cancel", QChar()},
        {"Tom && Jerry", "Tom & Jerry", QChar()},
        {"A && &B", "A & B", QLatin1Char('B')},
        {"Ends with &", "Ends with &", QChar()},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(withoutAccessMarks(QString::fromLatin1(c.text)), QString::fromLatin1(c.plain)) << c.text;
        EXPECT_EQ(accessLetter(QString::fromLatin1(c.text)), c.letter) << c.text;
    }
}

}  // namespace
