#include "platform/rtf_reader.h"
#include "support/core_test_support.h"

#include <QColor>
#include <QDirIterator>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

QStringList blockTexts(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

// The format of the text fragment holding probe.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &probe)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(probe))
                return it.fragment().charFormat();
        }
    }
    ADD_FAILURE() << "no text " << probe.toStdString();
    return {};
}

struct TextCase {
    const char *name;
    QByteArray rtf;
    QStringList blocks;
};

TEST(RtfReader, ReadsTextParagraphsAndCharacters)
{
    const TextCase cases[] = {
        {"plain text", "{\\rtf1 Hello world}", {"Hello world"}},
        {"leading whitespace", " \r\n{\\rtf1 x}", {"x"}},
        {"par splits blocks", "{\\rtf1 one\\par two}", {"one", "two"}},
        {"final par adds no block", "{\\rtf1 one\\par two\\par}", {"one", "two"}},
        {"empty paragraphs kept", "{\\rtf1 one\\par\\par two\\par\\par}", {"one", "", "two", ""}},
        {"only a par", "{\\rtf1\\par}", {""}},
        {"backslash before line end", "{\\rtf1 a\\\r\nb}", {"a", "b"}},
        {"line and tab", "{\\rtf1 a\\line b\\tab c}", {u"a\u2028b\tc"_s}},
        {"line ends in the source are not text", "{\\rtf1 a\r\nb\nc}", {"abc"}},
        {"delimiter space", "{\\rtf1 \\b bold\\b0  two}", {"bold two"}},
        {"control symbols", "{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f\\_g}",
         {u"a\\b{c}d\u00A0ef\u2011g"_s}},
        {"unknown control words", "{\\rtf1 \\nosuchword12 a\\zz-3 b}", {"ab"}},
        {"Western byte", "{\\rtf1\\ansi caf\\'e9}", {u"café"_s}},
        {"Cyrillic font", "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}"
                          "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}",
         {u"Привет"_s}},
        {"code page of the document", "{\\rtf1\\ansi\\ansicpg1251 \\'cf}", {u"П"_s}},
        {"font charset overrides the code page",
         "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset0 Arial;}{\\f2\\fcharset161 "
         "Arial;}}\\f0\\'e9\\f1\\'e9\\f2\\'e1}",
         {u"йéα"_s}},
        {"default font's charset", "{\\rtf1\\deff1{\\fonttbl{\\f1\\fcharset204 Arial;}}\\'c0}",
         {u"А"_s}},
        {"unknown code page", "{\\rtf1\\ansicpg99999 \\'e9}", {u"é"_s}},
        {"double-byte code page", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'82\\'a2}", {u"あい"_s}},
        {"unicode with fallback", "{\\rtf1 \\u1055?\\u1088?}", {u"Пр"_s}},
        {"negative unicode, surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", {u"😀"_s}},
        {"uc0", "{\\rtf1\\uc0 \\u1055 x}", {u"Пx"_s}},
        {"uc2", "{\\rtf1\\uc2 \\u1055 ab c}", {u"П c"_s}},
        {"escaped byte counts as one", "{\\rtf1 \\u1055\\'cfz}", {u"Пz"_s}},
        {"control word counts as one", "{\\rtf1 \\u1055\\lquote z}", {u"Пz"_s}},
        {"uc is scoped to the group", "{\\rtf1{\\uc2 \\u1055 ab}\\u1088 ab}", {u"Прb"_s}},
        {"a brace ends the fallback", "{\\rtf1\\uc3 {\\u1055}ab\\u1088{cd}}", {u"Пabрcd"_s}},
        {"skipped destinations",
         "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss{\\*\\panose 020b}Arial;}}"
         "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}"
         "{\\*\\generator x;}{\\info{\\title t}{\\author a}}{\\*\\unknownthing zzz}"
         "{\\pict\\pngblip 89504e470d0a}{\\header head}text}",
         {"text"}},
        {"field result shown", "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}}",
         {"shown"}},
        {"binary data skipped", "{\\rtf1 {\\pict\\bin3 }{}}x}", {"x"}},
        {"text after the document is ignored", "{\\rtf1 a}b}", {"a"}},
        {"missing closing braces", "{\\rtf1 {\\b a\\par b", {"a", "b"}},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        doc.setPlainText("old content");
        QString error = "unset";
        ASSERT_TRUE(loadRtf(c.rtf, doc, &error));
        EXPECT_TRUE(error.isEmpty());
        EXPECT_EQ(blockTexts(doc), c.blocks);
    }
}

struct CharCase {
    const char *probe;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    const char *family = "";  // "": none set, the widget's font applies
    int pixels = 16;  // 12 pt at the course's 96 dots per inch
    QColor foreground = {};     // invalid: none set
    QColor background = {};
};

struct CharFixture {
    const char *name;
    QByteArray rtf;
    std::vector<CharCase> probes;
};

TEST(RtfReader, ReadsCharacterFormatting)
{
    const QColor red(255, 0, 0), blue(0, 0, 255);
    const QByteArray colours = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
    const CharFixture fixtures[] = {
        {"no formatting", "{\\rtf1 P}", {{.probe = "P"}}},
        {"bold, italic, underline on and off",
         "{\\rtf1 \\b B\\b0 N\\i I\\i0 O\\ul U\\ulnone V\\uldb D\\ul0 E}",
         {{.probe = "B", .bold = true}, {.probe = "N"}, {.probe = "I", .italic = true},
          {.probe = "O"}, {.probe = "U", .underline = true}, {.probe = "V"},
          {.probe = "D", .underline = true}, {.probe = "E"}}},
        {"groups scope formatting", "{\\rtf1 {\\b\\i\\ul\\fs40 G}N}",
         {{.probe = "G", .bold = true, .italic = true, .underline = true, .pixels = 27},
          {.probe = "N"}}},
        {"plain resets", "{\\rtf1" + colours + "\\b\\i\\ul\\fs40\\cf1\\highlight2 X\\plain P}",
         {{.probe = "P"}}},
        {"fonts and sizes",
         "{\\rtf1\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss\\fcharset0 "
         "Arial;}}A\\f1 B\\fs30 C\\f7 M\\fs99999999999999999999 H\\fs1 S}",
         {{.probe = "A", .family = "Times New Roman"},
          {.probe = "B", .family = "Arial"},
          {.probe = "C", .family = "Arial", .pixels = 20},
          {.probe = "M", .pixels = 20},  // no font 7
          {.probe = "H", .pixels = 2184},
          {.probe = "S", .pixels = 1}}},
        {"font table without groups", "{\\rtf1{\\fonttbl\\f0 Courier;\\f1 Arial;}\\f1 A}",
         {{.probe = "A", .family = "Arial"}}},
        {"colours",
         "{\\rtf1" + colours + "\\cf1 R\\cf0 A\\highlight2 H\\highlight0 N\\cb1 C\\cb0\\cf9 M}",
         {{.probe = "R", .foreground = red},
          {.probe = "A"},
          {.probe = "H", .background = blue},
          {.probe = "N"},
          {.probe = "C", .background = red},
          {.probe = "M"}}},
        {"a first colour that is not auto",
         "{\\rtf1{\\colortbl\\red0\\green0\\blue255;}\\cf0 F\\highlight0 N}",
         {{.probe = "F", .foreground = blue}, {.probe = "N", .foreground = blue}}},
    };
    for (const CharFixture &f : fixtures) {
        SCOPED_TRACE(f.name);
        QTextDocument doc;
        ASSERT_TRUE(loadRtf(f.rtf, doc));
        for (const CharCase &c : f.probes) {
            SCOPED_TRACE(c.probe);
            const QTextCharFormat fmt = formatOf(doc, QString::fromLatin1(c.probe));
            EXPECT_EQ(fmt.fontWeight() == QFont::Bold, c.bold);
            EXPECT_EQ(fmt.fontItalic(), c.italic);
            EXPECT_EQ(fmt.fontUnderline(), c.underline);
            if (*c.family) {
                EXPECT_EQ(fmt.fontFamilies().toStringList(), QStringList{c.family});
            } else {
                EXPECT_FALSE(fmt.hasProperty(QTextFormat::FontFamilies));
            }
            // In pixels, whatever the screen's resolution: the course's
            // layout is in pixels.
            EXPECT_FALSE(fmt.hasProperty(QTextFormat::FontPointSize));
            EXPECT_EQ(fmt.intProperty(QTextFormat::FontPixelSize), c.pixels);
            EXPECT_EQ(fmt.hasProperty(QTextFormat::ForegroundBrush), c.foreground.isValid());
            if (c.foreground.isValid()) {
                EXPECT_EQ(fmt.foreground().color(), c.foreground);
            }
            EXPECT_EQ(fmt.hasProperty(QTextFormat::BackgroundBrush), c.background.isValid());
            if (c.background.isValid()) {
                EXPECT_EQ(fmt.background().color(), c.background);
            }
        }
    }
}

struct BlockCase {
    const char *name;
    QByteArray rtf;
    int block = 0;
    Qt::Alignment align = Qt::AlignLeft;
    double left = 0, right = 0, indent = 0, top = 0, bottom = 0;
};

TEST(RtfReader, ReadsParagraphFormatting)
{
    const BlockCase cases[] = {
        {"centred", "{\\rtf1\\qc a}", 0, Qt::AlignHCenter},
        {"right", "{\\rtf1\\qr a\\par}", 0, Qt::AlignRight},
        {"justified", "{\\rtf1\\qj a}", 0, Qt::AlignJustify},
        {"indents in twips", "{\\rtf1\\li1440\\ri720\\fi-360 a}", 0, Qt::AlignLeft, 96, 48, -24},
        {"spacing", "{\\rtf1\\sb300\\sa150 a}", 0, Qt::AlignLeft, 0, 0, 0, 20, 10},
        {"formatting at the par counts", "{\\rtf1 a\\qc\\li150\\par b}", 0, Qt::AlignHCenter, 10},
        {"formatting carries to the next paragraph", "{\\rtf1\\qc\\li150 a\\par b}", 1,
         Qt::AlignHCenter, 10},
        {"pard resets", "{\\rtf1\\qr\\li150\\sa150 a\\par\\pard b}", 1},
        {"empty paragraph", "{\\rtf1 a\\par\\qc\\par b}", 1, Qt::AlignHCenter},
        {"huge indents stay bounded", "{\\rtf1\\li99999999999999\\fi-99999999999999 a}", 0,
         Qt::AlignLeft, 2112, 0, -2112},
    };
    for (const BlockCase &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        ASSERT_TRUE(loadRtf(c.rtf, doc));
        const QTextBlockFormat fmt = doc.findBlockByNumber(c.block).blockFormat();
        EXPECT_EQ(fmt.alignment(), c.align);
        EXPECT_DOUBLE_EQ(fmt.leftMargin(), c.left);
        EXPECT_DOUBLE_EQ(fmt.rightMargin(), c.right);
        EXPECT_DOUBLE_EQ(fmt.textIndent(), c.indent);
        EXPECT_DOUBLE_EQ(fmt.topMargin(), c.top);
        EXPECT_DOUBLE_EQ(fmt.bottomMargin(), c.bottom);
    }
}

TEST(RtfReader, ReadsTabStops)
{
    QTextDocument doc;
    ASSERT_TRUE(loadRtf("{\\rtf1\\tx720\\tqr\\tx2880 a\\tab b}", doc));
    const QList<QTextOption::Tab> tabs = doc.begin().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 48);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(tabs[1].position, 192);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
}

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    for (const QByteArray &data : {QByteArray(), QByteArray("plain text"), QByteArray("{\\rt"),
                                   QByteArray("<html>{\\rtf1 x}"), QByteArray("x{\\rtf1 x}")}) {
        SCOPED_TRACE(data.toStdString());
        QTextDocument doc;
        doc.setPlainText("old content");
        QString error;
        EXPECT_FALSE(loadRtf(data, doc, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(doc.isEmpty());
    }
}

TEST(RtfReader, SurvivesBrokenInput)
{
    const QByteArray deep = "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}');
    const QByteArray deepThenText = "{\\rtf1 a" + QByteArray(100000, '{') + QByteArray(100000, '}') + "b}";
    const struct {
        const char *name;
        QByteArray rtf;
        const char16_t *text;  // the document's plain text
    } cases[] = {
        {"extra closing braces", "{\\rtf1 a}}}}", u"a"},
        {"truncated escape", "{\\rtf1 a\\'", u"a"},
        {"escape with one digit", "{\\rtf1 a\\'4}", u"a"},
        {"escape with no digits", "{\\rtf1 a\\'zz}", u"azz"},
        {"lone backslash at the end", "{\\rtf1 a\\", u"a"},
        {"bare header", "{\\rtf", u""},
        {"NUL bytes", QByteArray("{\\rtf1 a\0b}", 11), u"ab"},
        {"huge parameters", "{\\rtf1\\uc99999999999\\li-99999999999\\f99999999999 \\u1055 abc}", u"П"},
        {"unicode out of range", "{\\rtf1 \\u99999999999 a\\u0 b}", u""},
        {"lone surrogate", "{\\rtf1 \\u-10179 ?x}", u"\uFFFDx"},
        {"frame markers", "{\\rtf1 a\\u64976 ?\\u8233 ?b}", u"a\u2028b"},
        {"binary data past the end", "{\\rtf1 a\\bin99999 bc}", u"a"},
        {"missing font and colour tables", "{\\rtf1\\f3\\cf5\\highlight7 x}", u"x"},
        {"groups nested too deep", deep, u""},
        {"text around deep nesting", deepThenText, u"ab"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        ASSERT_TRUE(loadRtf(c.rtf, doc));
        EXPECT_EQ(doc.toRawText(), QString::fromUtf16(c.text));
    }
}

// Thousands of mutations of a document using most of what the reader knows:
// each must load without crashing or hanging (run under a sanitizer to catch
// out-of-bounds reads).
TEST(RtfReader, SurvivesMutatedDocuments)
{
    const QByteArray valid =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset204{\\*\\panose 02020603}Times;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "{\\*\\generator Riched20;}{\\info{\\title t}}\\viewkind4\\uc1"
        "\\pard\\qc\\li720\\fi-360\\sb120\\sa120\\tx720 \\b\\fs28 Title\\b0\\par"
        "\\pard\\f1 \\'cf\\'f0\\'e8 {\\i\\cf1 it}\\highlight2 x\\highlight0 \\u1055?\\uc2\\u1088 ab"
        "\\line\\tab{\\field{\\*\\fldinst x}{\\fldrslt y}}{\\pict\\bin2 {}}\\~\\_\\-\\\\\\{\\}\\par}";
    std::mt19937 rng(20240611);
    const char alphabet[] = "{}\\'*-0123456789abcdefuxpqrl ;\r\n\xe9\x82";
    int loaded = 0;
    for (int i = 0; i < 4000; ++i) {
        QByteArray data = valid;
        const int edits = 1 + int(rng() % 8);
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            const qsizetype at = qsizetype(rng() % quint32(data.size()));
            const char c = (rng() % 4 == 0) ? char(rng() % 256) : alphabet[rng() % (sizeof alphabet - 1)];
            switch (rng() % 4) {
            case 0: data[at] = c; break;
            case 1: data.insert(at, c); break;
            case 2: data.remove(at, qsizetype(1 + rng() % 6)); break;
            case 3: data.truncate(at); break;
            }
        }
        QTextDocument doc;
        loaded += loadRtf(data, doc) ? 1 : 0;
    }
    EXPECT_GT(loaded, 0);

    // Megabytes of garbage behind a valid header, without braces so that the
    // document's group never closes early.
    QByteArray garbage = "{\\rtf1 ";
    while (garbage.size() < 2 * 1024 * 1024) {
        const char c = char(rng() % 256);
        if (c != '{' && c != '}')
            garbage.append(c);
    }
    QTextDocument doc;
    EXPECT_TRUE(loadRtf(garbage, doc));
}

TEST(RtfReader, LoadsEveryRtfFileInTheDataFolder)
{
    if (qEnvironmentVariableIsEmpty("QUILLAN_DATA_DIR"))
        GTEST_SKIP() << "QUILLAN_DATA_DIR is not set (CTest sets it)";
    QDirIterator it(sourceDataDir(), {"*.rtf", "*.RTF"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        QTextDocument doc;
        QString error;
        EXPECT_TRUE(loadRtf(readFile(path), doc, &error)) << error.toStdString();
    }
}

}  // namespace
