#include "platform/ini_file.h"
#include "support/core_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path(const char *name = "test.ini") const
    {
        return dir.path() + QLatin1Char('/') + QLatin1String(name);
    }
    IniFile file(const QByteArray &content)
    {
        writeFile(path(), content);
        return IniFile(path());
    }
    QTemporaryDir dir;
};

struct ReadCase {
    const char *name;
    const char *content;
    const char *section;
    const char *key;
    const char *expected;  // readString with the fallback "FB"
};

const ReadCase kReadCases[] = {
    {"plain", "[A]\nKey=value\n", "A", "Key", "value"},
    {"names without case", "[Labels]\nOkButton=Go\n", "LABELS", "okbutton", "Go"},
    {"blanks trimmed", "[A]\n  Key  =   spaced out \t\n", "A", "Key", "spaced out"},
    {"section name blanks", "[ A ]\nKey=v\n", "A", "Key", "v"},
    {"double quotes removed", "[A]\nKey=\" quoted \"\n", "A", "Key", " quoted "},
    {"single quotes removed", "[A]\nKey='x'\n", "A", "Key", "x"},
    {"one pair only", "[A]\nKey=\"\"x\"\"\n", "A", "Key", "\"x\""},
    {"unmatched quotes kept", "[A]\nKey=\"x'\n", "A", "Key", "\"x'"},
    {"lone quote kept", "[A]\nKey=\"\n", "A", "Key", "\""},
    {"empty value is a value", "[A]\nKey=\n", "A", "Key", ""},
    {"equals in value", "[A]\nKey=a=b\n", "A", "Key", "a=b"},
    {"CRLF lines", "[A]\r\nKey=crlf\r\n", "A", "Key", "crlf"},
    {"no final line break", "[A]\nKey=last", "A", "Key", "last"},
    {"a bare CR ends the last line", "[A]\r\nKey=last\r", "A", "Key", "last"},
    {"lone CRs end lines", "[A]\rOther=1\rKey=mac\r", "A", "Key", "mac"},
    {"a lone CR inside a line ends it", "[A]\nOther=1\rKey=v\n", "A", "Key", "v"},
    {"first key wins", "[A]\nKey=one\nKey=two\n", "A", "Key", "one"},
    {"first section wins", "[A]\nX=1\n[A]\nKey=second\n", "A", "Key", "FB"},
    {"key of another section", "[A]\nKey=a\n[B]\nOther=b\n", "B", "Key", "FB"},
    {"missing section", "[A]\nKey=a\n", "Z", "Key", "FB"},
    {"missing key", "[A]\nKey=a\n", "A", "Nope", "FB"},
    {"comment line ignored", "[A]\n;Key=commented\nKey=real\n", "A", "Key", "real"},
    {"key before any section", "Key=loose\n[A]\n", "A", "Key", "FB"},
    {"empty file", "", "A", "Key", "FB"},
};

TEST_F(IniFileTest, ReadsStringsAsTheClassicProfileFunctions)
{
    for (const ReadCase &c : kReadCases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = file(c.content);
        EXPECT_EQ(ini.readString(c.section, c.key, "FB"), QByteArray(c.expected));
    }
}

struct ListCase {
    const char *name;
    const char *content;
    QList<QByteArray> sections;
    const char *section;  // whose keys are listed
    QList<QByteArray> keys;
};

const ListCase kListCases[] = {
    {"file order", "[B]\nY=1\nX=2\n[A]\nZ=3\n", {"B", "A"}, "B", {"Y", "X"}},
    {"each once, first spelling", "[Labels]\nOk=1\nOK=2\nok=3\n[LABELS]\n", {"Labels"}, "labels", {"Ok"}},
    {"keys of the first matching section only", "[A]\nOne=1\n[B]\nX=1\n[a]\nTwo=2\nOne=3\n",
     {"A", "B"}, "A", {"One"}},
    {"comments, blank lines and lines without \"=\" hold no key",
     "[A]\n; Hidden=1\n  ;Also=2\n\n   \nplain words\nKey=v\n", {"A"}, "A", {"Key"}},
    {"a commented section is none", ";[C]\n[A]\n; [B]\nK=1\n", {"A"}, "A", {"K"}},
    {"keys before the first section belong to none", "Loose=1\n[A]\nK=1\n", {"A"}, "A", {"K"}},
    {"names trimmed, unclosed bracket", "[ A ]\n  Key \t= v\n[B\n", {"A", "B"}, "A", {"Key"}},
    {"CRLF lines", "[A]\r\nK=1\r\n[B]\r\n", {"A", "B"}, "A", {"K"}},
    {"equals in a value", "[A]\nK=a=b\n", {"A"}, "A", {"K"}},
    {"missing section", "[A]\nK=1\n", {"A"}, "Z", {}},
    {"empty file", "", {}, "A", {}},
};

TEST_F(IniFileTest, ListsSectionsAndKeysAsTheReaderFindsThem)
{
    for (const ListCase &c : kListCases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = file(c.content);
        EXPECT_EQ(ini.sections(), c.sections);
        EXPECT_EQ(ini.keys(c.section), c.keys);
        // Every listed name reads back, and the section's values are the reader's.
        for (const auto &[key, value] : ini.readSection(c.section))
            EXPECT_EQ(ini.value(c.section, key), std::optional<QByteArray>(value)) << key.data();
        for (const QByteArray &section : ini.sections()) {
            for (const QByteArray &key : ini.keys(section))
                EXPECT_TRUE(ini.value(section, key).has_value()) << section.data() << "/" << key.data();
        }
    }
}

TEST_F(IniFileTest, ListsAKeyExactlyWhenTheReaderFindsIt)
{
    for (const ReadCase &c : kReadCases) {
        SCOPED_TRACE(c.name);
        const IniFile ini = file(c.content);
        const QList<QByteArray> keys = ini.keys(c.section);
        const bool listed = std::any_of(keys.cbegin(), keys.cend(), [&](const QByteArray &k) {
            return k.compare(c.key, Qt::CaseInsensitive) == 0;
        });
        EXPECT_EQ(listed, ini.value(c.section, c.key).has_value());
    }
    EXPECT_TRUE(IniFile(path("absent.ini")).sections().isEmpty());
}

TEST_F(IniFileTest, CutsValuesAt2047Characters)
{
    const QByteArray longValue(3000, 'x');
    const IniFile ini = file("[A]\nKey=" + longValue + "\n");
    EXPECT_EQ(ini.readString("A", "Key", ""), QByteArray(2047, 'x'));
}

TEST_F(IniFileTest, MissingFileReadsAsFallbacks)
{
    const IniFile ini(path("absent.ini"));
    EXPECT_EQ(ini.readString("A", "Key", "fallback"), "fallback");
    EXPECT_EQ(ini.readInteger("A", "Key", 7), 7);
    EXPECT_TRUE(ini.readBool("A", "Key", true));
    EXPECT_FALSE(ini.value("A", "Key").has_value());
}

struct IntCase {
    const char *value;
    int expected;  // fallback is 250
};

const IntCase kIntCases[] = {
    {"300", 300},         {"0x12C", 300},       {"0X12c", 300},
    {"$12C", 300},        {"-42", -42},         {"+42", 42},
    {"-$10", -16},        {"$FFFFFFFF", -1},    {"2147483647", 2147483647},
    {"-2147483648", INT_MIN},                   {"2147483648", 250},
    {"$100000000", 250},  {"wide", 250},        {"12px", 250},
    {"", 250},            {"0x", 250},          {"$", 250},
    {"-", 250},           {"1 2", 250},         {"  77  ", 77},
    {"\"5\"", 5},         {"0", 0},
};

TEST_F(IniFileTest, ReadsIntegersDecimalAndHexadecimal)
{
    for (const IntCase &c : kIntCases) {
        SCOPED_TRACE(c.value);
        const IniFile ini = file(QByteArray("[GENERAL]\nInfoPanelWidth=") + c.value + "\n");
        EXPECT_EQ(ini.readInteger("GENERAL", "InfoPanelWidth", 250), c.expected);
    }
}

TEST_F(IniFileTest, ReadsBooleansAsIntegers)
{
    const IniFile ini = file("[P]\nZero=0\nOne=1\nMinus=-5\nHex=$10\nWord=yes\nTrue=true\n");
    EXPECT_FALSE(ini.readBool("P", "Zero", true));
    EXPECT_TRUE(ini.readBool("P", "One", false));
    EXPECT_TRUE(ini.readBool("P", "Minus", false));
    EXPECT_TRUE(ini.readBool("P", "Hex", false));
    EXPECT_FALSE(ini.readBool("P", "Word", false));  // not a number: the fallback
    EXPECT_TRUE(ini.readBool("P", "True", true));
    EXPECT_FALSE(ini.readBool("P", "Missing", false));
}

TEST_F(IniFileTest, ALanguageFileWithOnlyItsNameReadsFallbacks)
{
    const IniFile ini = file("[LANGUAGE]\nName=English\n");
    EXPECT_EQ(ini.readString("LANGUAGE", "Name", ""), "English");
    EXPECT_EQ(ini.readString("LABELS", "InvalidDisplaySettings", "!!!"), "!!!");
    EXPECT_EQ(ini.readString("LABELS", "lbT001Time", "%d"), "%d");
    EXPECT_EQ(ini.readString("PATHS", "InfoPath", "NOVALUE"), "NOVALUE");
    EXPECT_EQ(ini.readInteger("GENERAL", "InfoPanelWidth", 250), 250);
    EXPECT_EQ(ini.readInteger("LANGUAGE", "Charset", 1), 1);
    EXPECT_TRUE(ini.readBool("PAGES", "T051Enabled", true));
}

struct WriteCase {
    const char *name;
    const char *before;
    const char *section;
    const char *key;
    const char *value;
    const char *after;
};

const WriteCase kWriteCases[] = {
    {"new file", nullptr, "USERINFO", "MaxIndex", "1", "[USERINFO]\r\nMaxIndex=1\r\n"},
    {"replace in place, everything else byte for byte",
     "; learner file\r\n[USERINFO]\r\nName = Ann  \r\nMaxIndex=3\r\n\r\n[DOCUMENT]\r\nLine0= kept \r\n",
     "userinfo", "MAXINDEX", "4",
     "; learner file\r\n[USERINFO]\r\nName = Ann  \r\nMaxIndex=4\r\n\r\n[DOCUMENT]\r\nLine0= kept \r\n"},
    {"replaced value keeps the key's spelling, indent and blanks around \"=\"",
     "[Labels]\n  OkButton \t=  Go  \nOther=x\n", "labels", "OKBUTTON", "Start",
     "[Labels]\n  OkButton \t=  Start\nOther=x\n"},
    {"new key after the section's last line, before the blank line",
     "[USERINFO]\nName=Ann\n\n[DOCUMENT]\nLine0=x\n", "USERINFO", "CRC", "122179",
     "[USERINFO]\nName=Ann\nCRC=122179\n\n[DOCUMENT]\nLine0=x\n"},
    {"new key in a last section without final line break", "[A]\nX=1", "A", "Y", "2",
     "[A]\nX=1\nY=2"},
    {"new section appended after a blank line", "[A]\nX=1\n", "B", "Y", "2",
     "[A]\nX=1\n\n[B]\nY=2\n"},
    {"new section after a file without final line break", "[A]\nX=1", "B", "Y", "2",
     "[A]\nX=1\n\n[B]\nY=2\n"},
    {"value kept as given", "[A]\n", "A", "Line0", "  \"quoted\"  ", "[A]\nLine0=  \"quoted\"  \n"},
};

TEST_F(IniFileTest, WritesKeepEveryOtherLineByteForByte)
{
    for (const WriteCase &c : kWriteCases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        if (c.before)
            writeFile(path(), c.before);
        IniFile ini(path());
        ini.writeString(c.section, c.key, c.value);
        EXPECT_EQ(readFile(path()), QByteArray(c.after));
        // The same in memory.
        IniText text(c.before);
        text.writeString(c.section, c.key, c.value);
        EXPECT_EQ(text.bytes(), QByteArray(c.after));
    }
}

TEST_F(IniFileTest, WrittenValuesReadBack)
{
    IniFile ini(path());
    ini.writeInteger("USERINFO", "MaxIndex", -12);
    ini.writeString("DOCUMENT", "Line0", "Dear Sir,");
    EXPECT_EQ(ini.readInteger("USERINFO", "MaxIndex", 0), -12);
    EXPECT_EQ(ini.readString("DOCUMENT", "Line0", ""), "Dear Sir,");
}

TEST_F(IniFileTest, WritesSeveralKeysOfASectionInOneWrite)
{
    // Each key as writeString sets it: in place, or added after the
    // section's last line; other sections and the comment stay.
    IniFile ini = file("[USERINFO]\r\nName=Ann\r\nCRC = 1\r\n; teacher's note\r\n\r\n[OPTIONS]\r\nHintDelay=0\r\n");
    ini.writeStrings("USERINFO", {{"crc", "4242"}, {"MaxIndex", "7"}});
    EXPECT_EQ(readFile(path()),
              QByteArray("[USERINFO]\r\nName=Ann\r\nCRC = 4242\r\n; teacher's note\r\nMaxIndex=7\r\n"
                         "\r\n[OPTIONS]\r\nHintDelay=0\r\n"));
    // One key that cannot be written refuses them all.
    EXPECT_THROW(ini.writeStrings("USERINFO", {{"CRC", "1"}, {"Max=Index", "8"}}), std::invalid_argument);
    EXPECT_EQ(ini.readString("USERINFO", "CRC", ""), "4242");
}

TEST_F(IniFileTest, DeletesOneKeyOnly)
{
    IniFile ini = file("[D]\nLine0=a\nLine1=b\n[E]\nLine1=c\n");
    ini.deleteKey("D", "line1");
    ini.deleteKey("D", "Line7");  // absent: nothing happens
    EXPECT_EQ(readFile(path()), QByteArray("[D]\nLine0=a\n[E]\nLine1=c\n"));

    // A key written twice goes with both lines: the second would be read.
    ini = file("[D]\nLine0=a\nLine1=b\n; note\n line1 = hidden\n[E]\nLine1=c\n");
    ini.deleteKey("D", "Line1");
    EXPECT_EQ(ini.value("D", "Line1"), std::nullopt);
    EXPECT_EQ(readFile(path()), QByteArray("[D]\nLine0=a\n; note\n[E]\nLine1=c\n"));
}

struct SectionCase {
    const char *name;
    const char *before;
    QList<std::pair<QByteArray, QByteArray>> entries;
    const char *after;
};

const SectionCase kSectionCases[] = {
    {"shorter section replaced, neighbours byte for byte",
     "[USERINFO]\r\nName = Ann \r\n\r\n[document]\r\nLine0=old\r\n; note\r\nLine1=old\r\nLine2=old\r\n\r\n[COMMENTS]\r\nLine0=c\r\n",
     {{"Line0", "new"}},
     "[USERINFO]\r\nName = Ann \r\n\r\n[DOCUMENT]\r\nLine0=new\r\n\r\n[COMMENTS]\r\nLine0=c\r\n"},
    {"missing section appended", "[USERINFO]\nMaxIndex=6\n", {{"Line0", "a"}, {"Line1", ""}},
     "[USERINFO]\nMaxIndex=6\n\n[DOCUMENT]\nLine0=a\nLine1=\n"},
    {"empty list removes the section", "[DOCUMENT]\nLine0=a\n\n[USERINFO]\nMaxIndex=6\n", {},
     "\n[USERINFO]\nMaxIndex=6\n"},
    {"empty list and no section: file untouched", "[USERINFO]\nMaxIndex=6", {},
     "[USERINFO]\nMaxIndex=6"},
};

TEST_F(IniFileTest, WritesAWholeSectionAtOnce)
{
    for (const SectionCase &c : kSectionCases) {
        SCOPED_TRACE(c.name);
        IniFile ini = file(c.before);
        ini.writeSection("DOCUMENT", c.entries);
        EXPECT_EQ(readFile(path()), QByteArray(c.after));
    }
    // A value that cannot be written refuses the whole section.
    IniFile ini = file("[DOCUMENT]\nLine0=a\n");
    EXPECT_THROW(ini.writeSection("DOCUMENT", {{"Line0", "b"}, {"Line1", "two\nlines"}}),
                 std::invalid_argument);
    EXPECT_EQ(readFile(path()), QByteArray("[DOCUMENT]\nLine0=a\n"));
}

TEST_F(IniFileTest, RefusedWriteThrowsAndLeavesTheFileAlone)
{
    IniFile ini = file("[USERINFO]\nMaxIndex=1\n");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        ini.writeInteger("USERINFO", "MaxIndex", 2);
        FAIL() << "a read-only file took the write";
    } catch (const IniWriteError &e) {
        EXPECT_EQ(QString::fromStdString(e.what()), "Unable to write to " + path());
    }
    EXPECT_EQ(readFile(path()), QByteArray("[USERINFO]\nMaxIndex=1\n"));

    IniFile nowhere(dir.path() + "/no/such/folder/x.ini");
    EXPECT_THROW(nowhere.writeString("A", "B", "c"), IniWriteError);
}

TEST_F(IniFileTest, WriteKeepsTheFilesPermissions)
{
    IniFile ini = file("[A]\nX=1\n");
    const QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path(), perms);
    ini.writeString("A", "X", "2");
        // Owner, group and others (the User flags are the caller's own access).
    const auto modeBits = [](QFile::Permissions p) { return p.toInt() & 0x7077; };
    EXPECT_EQ(modeBits(QFile::permissions(path())), modeBits(perms));
}

struct NameCase {
    const char *name;
    QByteArray section;
    QByteArray key;
    QByteArray value;
    bool accepted;
};

const NameCase kNameCases[] = {
    {"plain", "A", "Key", "v", true},
    {"blank, bracket and semicolon inside a key", "A", "my key]x;y[z", "v", true},
    {"quotes around a key", "A", "\"Key\"", "v", true},
    {"bracket and semicolon in a section", "[A;", "Key", "v", true},
    {"key beginning with \"[\": a section header", "A", "[B]", "v", false},
    {"key beginning with \";\": a comment", "A", ";Key", "v", false},
    {"blanks before a key", "A", " Key", "v", false},
    {"tab after a key", "A", "Key\t", "v", false},
    {"\"=\" in a key", "A", "X=Y", "v", false},
    {"key that is only \"=\"", "A", "=", "v", false},
    {"empty key", "A", "", "v", false},
    {"blank key", "A", "  ", "v", false},
    {"line break in a key", "A", "Two\nlines", "v", false},
    {"lone CR in a key", "A", "Key\r", "v", false},
    {"NUL in a key", "A", QByteArray("K\0y", 3), "v", false},
    {"\"]\" in a section", "A]", "Key", "v", false},
    {"blanks around a section", " A ", "Key", "v", false},
    {"empty section", "", "Key", "v", false},
    {"line break in a section", "A\nB", "Key", "v", false},
    {"line break in a value", "A", "Key", "two\nlines", false},
    {"lone CR in a value", "A", "Key", "v\r", false},
    {"NUL in a value", "A", "Key", QByteArray("v\0w", 3), false},
};

TEST_F(IniFileTest, WritesOnlyNamesAndValuesTheReaderGivesBack)
{
    const QByteArray before = "[A]\r\nX=1\r\n";
    for (const NameCase &c : kNameCases) {
        SCOPED_TRACE(c.name);
        IniFile ini = file(before);
        if (!c.accepted) {
            EXPECT_THROW(ini.writeString(c.section, c.key, c.value), std::invalid_argument);
            EXPECT_THROW(ini.writeSection(c.section, {{c.key, c.value}}), std::invalid_argument);
            EXPECT_EQ(readFile(path()), before);  // byte for byte
            IniText text(before);
            EXPECT_THROW(text.writeStrings(c.section, {{"Y", "2"}, {c.key, c.value}}), std::invalid_argument);
            EXPECT_EQ(text.bytes(), before) << "a refused write changed the text";
            continue;
        }
        ini.writeString(c.section, c.key, c.value);
        const QByteArray written = readFile(path());
        EXPECT_EQ(ini.readString(c.section, c.key, "FB"), c.value);
        EXPECT_TRUE(ini.keys(c.section).contains(c.key));
        ini.writeString(c.section, c.key, c.value);  // found again: no new line
        EXPECT_EQ(readFile(path()), written);
        ini.writeSection(c.section, {{c.key, c.value}});
        EXPECT_EQ(ini.readSection(c.section), (QList<std::pair<QByteArray, QByteArray>>{{c.key, c.value}}));
    }
}

struct LineEndCase {
    const char *name;
    QByteArray content;  // section A with X=1
};

const LineEndCase kLineEnds[] = {
    {"bare CR at the end", "[A]\r\nX=1\r"},
    {"CR LF", "[A]\r\nX=1\r\n"},
    {"LF", "[A]\nX=1\n"},
    {"no final line break", "[A]\nX=1"},
    {"lone CRs only", "[A]\rX=1\r"},
};

struct LineEndWrite {
    const char *name;
    const char *section;
    const char *key;
    const char *value;
    QList<std::pair<QByteArray, QByteArray>> sectionA;  // what A then holds
};

const LineEndWrite kLineEndWrites[] = {
    {"a new key", "A", "Y", "2", {{"X", "1"}, {"Y", "2"}}},
    {"the last key replaced", "A", "X", "5", {{"X", "5"}}},
    {"a section appended", "B", "Z", "3", {{"X", "1"}}},
};

TEST_F(IniFileTest, WritesAfterAnyLineEndKeepEveryKeyReadable)
{
    for (const LineEndCase &c : kLineEnds) {
        for (const LineEndWrite &w : kLineEndWrites) {
            SCOPED_TRACE(std::string(c.name) + ", " + w.name);
            IniFile ini = file(c.content);
            ini.writeString(w.section, w.key, w.value);
            const QByteArray written = readFile(path());
            EXPECT_EQ(ini.readSection("A"), w.sectionA);
            EXPECT_EQ(ini.readInteger(w.section, w.key, 0), QByteArray(w.value).toInt());
            ini.writeString(w.section, w.key, w.value);  // the same write again changes nothing
            EXPECT_EQ(readFile(path()), written);
        }
    }
}

}  // namespace
