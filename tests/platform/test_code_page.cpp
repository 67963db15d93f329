#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace {

struct CharsetCase {
    int charset;
    const char *codec;
    QByteArray bytes;
    const char16_t *text;
};

TEST(CodePage, DecodesTheClassicCharacterSets)
{
    const CharsetCase cases[] = {
        {0, "windows-1252", "caf\xE9 \x80", u"café €"},
        {1, "windows-1252", "na\xEFve", u"naïve"},
        {204, "windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", u"Привет"},
        {161, "windows-1253", "\xE1\xE2\xE3", u"αβγ"},
        {238, "windows-1250", "\xB9", u"ą"},
        {204 + 256, "windows-1251", "\xC0", u"А"},  // only the low 8 bits count
        {99, "windows-1252", "\xE9", u"é"},           // unknown: Western
    };
    for (const CharsetCase &c : cases) {
        SCOPED_TRACE(c.charset);
        const CodePage cp = CodePage::forCharset(c.charset);
        EXPECT_EQ(cp.name(), QByteArray(c.codec));
        EXPECT_EQ(cp.decode(c.bytes), QString::fromUtf16(c.text));
        EXPECT_EQ(cp.encode(QString::fromUtf16(c.text)), c.bytes);
    }
}

TEST(CodePage, TellsBytesThatAreNotInTheCodePage)
{
    const CodePage cyrillic = CodePage::forCharset(204);
    EXPECT_TRUE(cyrillic.isValid("\xCF\xF0\xE8"));
    EXPECT_FALSE(cyrillic.isValid("\x98"));  // unassigned in windows-1251
    EXPECT_TRUE(CodePage::forCharset(0).isValid("caf\xE9"));
}

}  // namespace
