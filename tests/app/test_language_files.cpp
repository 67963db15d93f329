#include "app/language_files.h"
#include "platform/ini_file.h"
#include "platform/safe_format.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(LanguageFiles, ListsMatchingFilesSortedWithoutCase)
{
    QTemporaryDir dir;
    for (const char *name : {"QL2b.ini", "QL2A.ini", "ql2c.INI", "QL2.ini", "XQL2d.ini",
                             "QL2e.ini.bak", "notes.txt"})
        writeFile(dir.path() + "/" + name, "[LANGUAGE]\n");
    QDir(dir.path()).mkdir(QStringLiteral("QL2Folder.ini"));
    EXPECT_EQ(findLanguageFiles(dir.path()),
              (QStringList{"QL2.ini", "QL2A.ini", "QL2b.ini", "ql2c.INI"}));
}

TEST(LanguageFiles, FoundBesideTheProgramOrWhereItIsInstalled)
{
    // <prefix>/bin holds the program; an installed course keeps its
    // language files in <prefix>/share/quillan2.
    const struct {
        const char *name;
        bool beside;
        bool installed;
        const char *expected;  // relative to the prefix
    } cases[] = {
        {"build folder", true, false, "bin/"},
        {"installed", false, true, "share/quillan2/"},
        {"both: the program's own folder first", true, true, "bin/"},
        {"none: the program's own folder, with nothing to list", false, false, "bin/"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        const QString root = prefix.path() + QLatin1Char('/');
        QDir(root).mkpath(QStringLiteral("bin"));
        if (c.beside)
            writeFile(root + "bin/QL2Eng.ini", "[LANGUAGE]\nName=English\n");
        if (c.installed)
            writeFile(root + "share/quillan2/QL2Eng.ini", "[LANGUAGE]\nName=English\n");
        EXPECT_EQ(languageDirectory(root + "bin/"), root + c.expected);
    }
}

TEST(LanguageFiles, DisplayNameIsDecodedInTheFilesOwnCharacterSet)
{
    QTemporaryDir dir;
    writeFile(dir.path() + "/QL2Rus.ini", "[LANGUAGE]\nName=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\nCharset=204\n");
    writeFile(dir.path() + "/QL2Fra.ini", "[LANGUAGE]\nName=Fran\xE7" "ais\n");
    writeFile(dir.path() + "/QL2None.ini", "[OTHER]\nName=x\n");
    EXPECT_EQ(languageDisplayName(dir.path() + "/QL2Rus.ini"), QString::fromUtf8("Русский"));
    EXPECT_EQ(languageDisplayName(dir.path() + "/QL2Fra.ini"), QString::fromUtf8("Français"));
    EXPECT_EQ(languageDisplayName(dir.path() + "/QL2None.ini"), QString());
    EXPECT_EQ(languageDisplayName(dir.path() + "/QL2Absent.ini"), QString());
}

TEST(LanguageFiles, InfoDirectoryIsDerivedFromTheFileName)
{
    const struct {
        const char *file;
        const char *expected;
    } cases[] = {
        {"/prog/QL2Eng.ini", "/prog/InfoEng/"},
        {"/prog/QL2Deutsch.ini", "/prog/InfoDeutsch/"},
        {"/prog/QL2E.ini", "/prog/InfoE/"},
        {"/prog/QL2.ini", "/prog/Info/"},  // seven characters: nothing in between
        {"/prog/QL2Rus.INI", "/prog/InfoRus/"},
        {"C:\\Quillan\\QL2Eng.ini", "/prog/InfoEng/"},  // backslashes separate too
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(derivedInfoPath(QString::fromLatin1(c.file), QStringLiteral("/prog/")),
                  QString::fromLatin1(c.expected));
    }
}

TEST(ShippedLanguageFile, EnglishHasEveryLabelAndItsFormatsFit)
{
    const QString path = sourceDataDir() + "QL2Eng.ini";
    const IniFile ini(path);
    EXPECT_EQ(languageDisplayName(path), "English");
    EXPECT_EQ(ini.readInteger("LANGUAGE", "Charset", -1), 0);
    for (const char *key : {"InvalidDisplaySettings", "ErrorLoadingInfo", "lbT001Time", "btnT004OK",
                            "btnT004Cancel", "lbT058Error", "btnT058ErrorOK", "lbCongratulations",
                            "lbTopicComplete"})
        EXPECT_FALSE(ini.readString("LABELS", key, "").isEmpty()) << key;
    for (const char *key : {"T004Name", "T050Name"})
        EXPECT_FALSE(ini.readString("PAGES", key, "").isEmpty()) << key;
    EXPECT_EQ(formatProblem(QString::fromLatin1(ini.readString("LABELS", "lbT001Time", "")), {29}), "");
    EXPECT_EQ(formatProblem(QString::fromLatin1(ini.readString("LABELS", "lbTopicComplete", "")),
                            {QStringLiteral("Wordpad")}),
              "");
}

}  // namespace
