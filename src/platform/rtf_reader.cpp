#include "platform/rtf_reader.h"

#include "platform/code_page.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The reader is a single loop over the bytes with an explicit stack of group
// states, so neither deep nesting nor long input can exhaust the C++ stack,
// and every byte is looked at a bounded number of times.

namespace {

constexpr int kMaxDepth = 1000;            // groups nested deeper are skipped whole
constexpr qint64 kMaxParam = 1000000000;   // numeric parameters saturate here
constexpr int kMaxTwips = 31680;           // 22 inches: the largest indent or spacing
constexpr int kMaxTabs = 64;
constexpr int kDefaultHalfPoints = 24;     // 12 pt
constexpr int kMaxHalfPoints = 3276;       // 1638 pt
constexpr double kTwipsPerPixel = 15.0;    // 1440 twips per inch at 96 dots per inch

// The course is laid out at 96 dots per inch whatever the screen: a size in
// points becomes pixels there (8 pt is 11 pixels), so headings and body text
// keep their proportion when the desktop asks for 120 or 144, where the
// toolkit would turn points into more pixels than the course's layout has.
int pixelsOfHalfPoints(int halfPoints)
{
    return std::max(1, qRound(halfPoints * 96 / 144.0));
}

enum class Dest { Text, FontTable, ColorTable, Skip };

enum class Word {
    Unknown,
    // destinations
    FontTable, ColorTable, SkipDest,
    // document
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff,
    // font and colour tables
    FontCharset, FontCodePage, Red, Green, Blue,
    // characters
    Par, Line, Tab, Cell, Row, Char,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Sub, Super, NoSuperSub,
    Font, FontSize, Foreground, Background,
    // paragraph formatting
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter,
    TabStop, TabRight, TabCenter, TabDecimal,
    // Unicode and binary data
    UnicodeSkip, Unicode, Bin,
};

struct WordInfo {
    Word word;
    char16_t ch = 0;  // the character a Word::Char stands for
};

const std::unordered_map<std::string_view, WordInfo> &wordTable()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColorTable}},
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"ansicpg", {Word::AnsiCpg}},
            {"deff", {Word::Deff}},
            {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::FontCodePage}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"par", {Word::Par}},
            {"line", {Word::Line}},
            {"tab", {Word::Tab}},
            {"cell", {Word::Cell}},
            {"row", {Word::Row}},
            {"emdash", {Word::Char, u'\u2014'}},
            {"endash", {Word::Char, u'\u2013'}},
            {"emspace", {Word::Char, u'\u2003'}},
            {"enspace", {Word::Char, u'\u2002'}},
            {"qmspace", {Word::Char, u'\u2005'}},
            {"bullet", {Word::Char, u'\u2022'}},
            {"lquote", {Word::Char, u'\u2018'}},
            {"rquote", {Word::Char, u'\u2019'}},
            {"ldblquote", {Word::Char, u'\u201C'}},
            {"rdblquote", {Word::Char, u'\u201D'}},
            {"zwj", {Word::Char, u'\u200D'}},
            {"zwnj", {Word::Char, u'\u200C'}},
            {"ltrmark", {Word::Char, u'\u200E'}},
            {"rtlmark", {Word::Char, u'\u200F'}},
            {"plain", {Word::Plain}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}},
            {"strike", {Word::Strike}},
            {"sub", {Word::Sub}},
            {"super", {Word::Super}},
            {"nosupersub", {Word::NoSuperSub}},
            {"f", {Word::Font}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::Foreground}},
            {"cb", {Word::Background}},
            {"highlight", {Word::Background}},
            {"chcbpat", {Word::Background}},
            {"pard", {Word::Pard}},
            {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCenter}},
            {"qr", {Word::AlignRight}},
            {"qj", {Word::AlignJustify}},
            {"li", {Word::LeftIndent}},
            {"ri", {Word::RightIndent}},
            {"fi", {Word::FirstIndent}},
            {"sb", {Word::SpaceBefore}},
            {"sa", {Word::SpaceAfter}},
            {"tx", {Word::TabStop}},
            {"tqr", {Word::TabRight}},
            {"tqc", {Word::TabCenter}},
            {"tqdec", {Word::TabDecimal}},
            {"uc", {Word::UnicodeSkip}},
            {"u", {Word::Unicode}},
            {"bin", {Word::Bin}},
        };
        // Every underline style is drawn as a plain underline.
        for (const char *ul : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                               "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                               "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(ul, WordInfo{Word::Underline});
        // Groups that hold no text of the document.
        for (const char *dest :
             {"stylesheet", "info", "pict", "object", "objdata", "objclass", "header", "headerl",
              "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
              "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "fldinst", "listtable",
              "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
              "colorschememapping", "latentstyles", "datastore", "pgdsctbl", "bkmkstart",
              "bkmkend", "filetbl", "revtbl", "annotation", "atnid", "atnauthor", "atndate",
              "atnref", "private", "template", "nonshppict", "shp", "shpinst", "xe", "tc", "txe",
              "rxe", "userprops", "docvar", "pn", "pntxta", "pntxtb", "fontemb", "fontfile"})
            t.emplace(dest, WordInfo{Word::SkipDest});
        return t;
    }();
    return table;
}

// The encoding behind a Windows code page number.
QByteArray codecForCodePage(qint64 cp)
{
    switch (cp) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: break;
    }
    if (cp >= 1250 && cp <= 1258)
        return "windows-" + QByteArray::number(cp);
    return "windows-1252";
}

struct CharState {
    int font = -1;  // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0;  // -1 subscript, 1 superscript
    int foreground = 0;
    int background = 0;

    bool operator==(const CharState &) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;  // twips, as all the lengths here
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;

    bool operator==(const ParaState &o) const
    {
        return align == o.align && left == o.left && right == o.right && first == o.first
               && before == o.before && after == o.after && tabs == o.tabs;
    }
};

struct State {
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int uc = 1;  // fallback characters after \u
};

struct FontEntry {
    QString name;
    int charset = -1;
    qint64 codePage = 0;
};

int clampInt(qint64 v, int lo, int hi)
{
    return int(std::clamp<qint64>(v, lo, hi));
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Characters a text document must not receive as plain text: control
// characters (other than tab) would be dropped or split blocks, the frame
// markers would corrupt its structure, and a lone surrogate has no glyph.
QString sanitized(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x20 && c != u'\t')
            continue;
        if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC)
            continue;
        if (c == 0x2029) {
            out.append(QChar::LineSeparator);
        } else if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
                out.append(text.at(i));
                out.append(text.at(i + 1));
                ++i;
            } else {
                out.append(QChar::ReplacementCharacter);
            }
        } else if (QChar::isLowSurrogate(c)) {
            out.append(QChar::ReplacementCharacter);
        } else {
            out.append(QChar(c));
        }
    }
    return out;
}

class Reader {
public:
    Reader(const QByteArray &data, QTextDocument &doc) : m_data(data), m_cursor(&doc)
    {
        State outside;
        outside.dest = Dest::Skip;  // nothing outside the document's group is read
        m_stack.reserve(64);
        m_stack.push_back(outside);
        m_stack.push_back(State());
    }

    // Reads from just after the document's opening brace.
    void read(qsizetype pos);

private:
    State &top() { return m_stack.back(); }

    void openGroup();
    bool closeGroup();  // true when the document's own group has closed
    qsizetype control(qsizetype pos);
    qsizetype controlWord(qsizetype pos);
    void controlSymbol(char c);
    void textByte(uchar c);
    void emitText(QStringView text);
    void word(const WordInfo &info, bool hasParam, qint64 param);
    void textWord(const WordInfo &info, bool hasParam, qint64 param);

    void flushBytes();
    void flushRun();
    void startContent();
    void endParagraph();
    void commitFontName();
    void commitColour();

    QByteArray codecForFont(int font);
    QByteArray charsetCodec(int charset);
    QStringDecoder &decoder(const QByteArray &name);
    QTextCharFormat charFormat(const CharState &ch) const;
    static QTextBlockFormat blockFormat(const ParaState &para);
    std::optional<QColor> colour(int index) const;

    const QByteArray &m_data;
    QTextCursor m_cursor;
    std::vector<State> m_stack;
    int m_overflow = 0;       // open groups beyond kMaxDepth
    qint64 m_fallback = 0;    // characters still to skip after \u
    bool m_star = false;      // \* seen: the next control word starts an ignorable group

    QByteArray m_docCodec = "windows-1252";
    int m_deff = -1;
    QHash<int, FontEntry> m_fonts;
    QHash<int, QByteArray> m_charsetCodecs;
    int m_fontBeingRead = -1;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colours;
    int m_rgb[3] = {0, 0, 0};
    bool m_colourHasRgb = false;
    std::map<QByteArray, QStringDecoder> m_decoders;

    QByteArray m_bytes;       // text bytes not yet decoded
    QString m_run;            // decoded text not yet inserted, all in m_runChar
    CharState m_runChar;
    ParaState m_appliedPara;  // the format the cursor's block has
    bool m_pendingBlock = false;  // a \par was read; its block is made by the next content
    bool m_paraHasContent = false;
};

void Reader::read(qsizetype pos)
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    m_cursor.beginEditBlock();
    while (pos < n) {
        const char c = p[pos];
        if (c == '{') {
            ++pos;
            openGroup();
        } else if (c == '}') {
            ++pos;
            if (closeGroup())
                break;
        } else if (c == '\\') {
            pos = control(pos + 1);
        } else {
            ++pos;
            if (c == '\r' || c == '\n' || m_overflow > 0)
                continue;
            if (m_fallback > 0) {
                --m_fallback;
                continue;
            }
            textByte(uchar(c));
        }
    }
    flushBytes();
    if (top().dest == Dest::FontTable)
        commitFontName();
    flushRun();
    m_cursor.endEditBlock();
}

void Reader::openGroup()
{
    flushBytes();
    m_fallback = 0;
    m_star = false;
    if (m_overflow > 0 || int(m_stack.size()) > kMaxDepth)
        ++m_overflow;
    else
        m_stack.push_back(m_stack.back());
}

bool Reader::closeGroup()
{
    flushBytes();
    m_fallback = 0;
    m_star = false;
    if (m_overflow > 0) {
        --m_overflow;
        return false;
    }
    if (top().dest == Dest::FontTable)
        commitFontName();
    m_stack.pop_back();
    return m_stack.size() <= 1;
}

qsizetype Reader::control(qsizetype pos)
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    if (pos >= n)
        return pos;  // a lone backslash at the end
    const char c = p[pos];
    if (isLetter(c))
        return controlWord(pos);
    ++pos;
    if (c == '\'') {
        // \'hh: a byte in the current code page; an incomplete one is dropped.
        const int hi = pos < n ? hexValue(p[pos]) : -1;
        const int lo = pos + 1 < n ? hexValue(p[pos + 1]) : -1;
        if (hi < 0 || lo < 0)
            return hi < 0 ? pos : pos + 1;
        pos += 2;
        if (m_overflow > 0)
            return pos;
        if (m_fallback > 0) {
            --m_fallback;
            return pos;
        }
        textByte(uchar(hi * 16 + lo));
        return pos;
    }
    controlSymbol(c);
    return pos;
}

qsizetype Reader::controlWord(qsizetype pos)
{
    const char *p = m_data.constData();
    const qsizetype n = m_data.size();
    const qsizetype start = pos;
    while (pos < n && isLetter(p[pos]))
        ++pos;
    const std::string_view name(p + start, size_t(pos - start));
    bool negative = false;
    if (pos + 1 < n && p[pos] == '-' && isDigit(p[pos + 1])) {
        negative = true;
        ++pos;
    }
    bool hasParam = false;
    qint64 param = 0;
    while (pos < n && isDigit(p[pos])) {
        hasParam = true;
        if (param < kMaxParam)
            param = std::min(param * 10 + (p[pos] - '0'), kMaxParam);
        ++pos;
    }
    if (negative)
        param = -param;
    if (pos < n && p[pos] == ' ')
        ++pos;  // the delimiting space belongs to the control word

    const auto &table = wordTable();
    const auto it = table.find(name);
    const WordInfo info = it == table.end() ? WordInfo{Word::Unknown} : it->second;

    if (info.word == Word::Bin) {
        // Binary data is never read as RTF, wherever it stands.
        flushBytes();
        m_star = false;
        if (m_fallback > 0)
            --m_fallback;
        if (param > 0)
            pos += std::min<qint64>(param, n - pos);
        return pos;
    }
    flushBytes();
    const bool star = std::exchange(m_star, false);
    if (m_overflow > 0)
        return pos;
    if (m_fallback > 0) {
        --m_fallback;
        return pos;
    }
    if (top().dest == Dest::Skip)
        return pos;
    if (star) {
        // Every destination marked \* holds something other than the text.
        top().dest = Dest::Skip;
        return pos;
    }
    word(info, hasParam, param);
    return pos;
}

void Reader::controlSymbol(char c)
{
    if (m_overflow > 0)
        return;
    if (c == '\\' || c == '{' || c == '}') {
        if (m_fallback > 0)
            --m_fallback;
        else
            textByte(uchar(c));
        return;
    }
    flushBytes();
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is a paragraph mark.
        m_star = false;
        if (m_fallback > 0)
            --m_fallback;
        else if (top().dest == Dest::Text)
            endParagraph();
        return;
    }
    if (m_fallback > 0) {
        --m_fallback;
        m_star = false;
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    m_star = false;
    if (c == '~')
        emitText(u"\u00A0");
    else if (c == '_')
        emitText(u"\u2011");
    // \- (optional hyphen), \| and \: and anything else: nothing to show.
}

void Reader::textByte(uchar c)
{
    m_star = false;
    if (c < 0x20 && c != '\t')
        return;
    switch (top().dest) {
    case Dest::Text:
        m_bytes.append(char(c));
        break;
    case Dest::FontTable:
        if (c == ';') {
            flushBytes();
            commitFontName();
        } else {
            m_bytes.append(char(c));
        }
        break;
    case Dest::ColorTable:
        if (c == ';')
            commitColour();
        break;
    case Dest::Skip:
        break;
    }
}

void Reader::emitText(QStringView text)
{
    switch (top().dest) {
    case Dest::Text: {
        if (text.isEmpty())
            return;
        startContent();
        const CharState &ch = top().ch;
        if (!m_run.isEmpty() && !(m_runChar == ch))
            flushRun();
        m_runChar = ch;
        m_run.append(text);
        m_paraHasContent = true;
        break;
    }
    case Dest::FontTable:
        m_fontName.append(text);
        break;
    case Dest::ColorTable:
    case Dest::Skip:
        break;
    }
}

void Reader::word(const WordInfo &info, bool hasParam, qint64 param)
{
    State &s = top();
    switch (info.word) {
    case Word::FontTable:
        flushRun();  // text already read keeps the fonts it was read with
        s.dest = Dest::FontTable;
        m_fontBeingRead = -1;
        m_fontName.clear();
        return;
    case Word::ColorTable:
        flushRun();
        s.dest = Dest::ColorTable;
        m_colours.clear();
        m_colourHasRgb = false;
        return;
    case Word::SkipDest:
        s.dest = Dest::Skip;
        return;
    case Word::UnicodeSkip:
        s.uc = clampInt(param, 0, kMaxParam);
        return;
    case Word::Unicode: {
        if (!hasParam)
            return;
        qint64 v = param;
        if (v < 0)
            v += 65536;
        if (v > 0 && v <= 0xFFFF) {
            const QChar c{char16_t(v)};
            emitText(QStringView(&c, 1));
        }
        m_fallback = s.uc;
        return;
    }
    default:
        break;
    }

    switch (s.dest) {
    case Dest::FontTable:
        if (info.word == Word::Font) {
            commitFontName();
            m_fontBeingRead = clampInt(param, 0, kMaxParam);
            m_fonts.insert(m_fontBeingRead, FontEntry());
        } else if (m_fontBeingRead >= 0 && hasParam) {
            if (info.word == Word::FontCharset)
                m_fonts[m_fontBeingRead].charset = clampInt(param, 0, 255);
            else if (info.word == Word::FontCodePage)
                m_fonts[m_fontBeingRead].codePage = param;
        }
        return;
    case Dest::ColorTable:
        if (info.word == Word::Red || info.word == Word::Green || info.word == Word::Blue) {
            const int i = info.word == Word::Red ? 0 : info.word == Word::Green ? 1 : 2;
            m_rgb[i] = clampInt(param, 0, 255);
            m_colourHasRgb = true;
        }
        return;
    case Dest::Text:
        textWord(info, hasParam, param);
        return;
    case Dest::Skip:
        return;
    }
}

void Reader::textWord(const WordInfo &info, bool hasParam, qint64 param)
{
    CharState &ch = top().ch;
    ParaState &para = top().para;
    const bool on = !hasParam || param != 0;
    switch (info.word) {
    case Word::Par:
    case Word::Row:
        endParagraph();
        break;
    case Word::Line: {
        const QChar c = QChar::LineSeparator;
        emitText(QStringView(&c, 1));
        break;
    }
    case Word::Tab:
    case Word::Cell:
        emitText(u"\t");
        break;
    case Word::Char: {
        const QChar c(info.ch);
        emitText(QStringView(&c, 1));
        break;
    }
    case Word::Ansi: m_docCodec = "windows-1252"; break;
    case Word::Mac: m_docCodec = "macintosh"; break;
    case Word::Pc: m_docCodec = "IBM437"; break;
    case Word::Pca: m_docCodec = "IBM850"; break;
    case Word::AnsiCpg:
        if (hasParam)
            m_docCodec = codecForCodePage(param);
        break;
    case Word::Deff:
        if (hasParam)
            m_deff = clampInt(param, 0, kMaxParam);
        break;
    case Word::Plain:
        ch = CharState();
        break;
    case Word::Bold: ch.bold = on; break;
    case Word::Italic: ch.italic = on; break;
    case Word::Underline: ch.underline = on; break;
    case Word::UnderlineNone: ch.underline = false; break;
    case Word::Strike: ch.strike = on; break;
    case Word::Sub: ch.vertical = on ? -1 : 0; break;
    case Word::Super: ch.vertical = on ? 1 : 0; break;
    case Word::NoSuperSub: ch.vertical = 0; break;
    case Word::Font:
        if (hasParam)
            ch.font = clampInt(param, 0, kMaxParam);
        break;
    case Word::FontSize:
        ch.halfPoints = hasParam && param > 0 ? clampInt(param, 2, kMaxHalfPoints) : kDefaultHalfPoints;
        break;
    case Word::Foreground:
        ch.foreground = clampInt(param, 0, kMaxParam);
        break;
    case Word::Background:
        ch.background = clampInt(param, 0, kMaxParam);
        break;
    case Word::Pard:
        para = ParaState();
        break;
    case Word::AlignLeft: para.align = Qt::AlignLeft; break;
    case Word::AlignCenter: para.align = Qt::AlignHCenter; break;
    case Word::AlignRight: para.align = Qt::AlignRight; break;
    case Word::AlignJustify: para.align = Qt::AlignJustify; break;
    case Word::LeftIndent: para.left = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::RightIndent: para.right = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::FirstIndent: para.first = clampInt(param, -kMaxTwips, kMaxTwips); break;
    case Word::SpaceBefore: para.before = clampInt(param, 0, kMaxTwips); break;
    case Word::SpaceAfter: para.after = clampInt(param, 0, kMaxTwips); break;
    case Word::TabRight: para.nextTabType = QTextOption::RightTab; break;
    case Word::TabCenter: para.nextTabType = QTextOption::CenterTab; break;
    case Word::TabDecimal: para.nextTabType = QTextOption::DelimiterTab; break;
    case Word::TabStop:
        if (hasParam && para.tabs.size() < kMaxTabs) {
            const QChar delimiter =
                para.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar();
            para.tabs.append(QTextOption::Tab(clampInt(param, 0, kMaxTwips) / kTwipsPerPixel,
                                              para.nextTabType, delimiter));
        }
        para.nextTabType = QTextOption::LeftTab;
        break;
    default:
        break;  // unknown control words are ignored
    }
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    const Dest dest = top().dest;
    QByteArray codec;
    if (dest == Dest::FontTable) {
        codec = m_fontBeingRead >= 0 ? codecForFont(m_fontBeingRead) : m_docCodec;
    } else {
        codec = codecForFont(top().ch.font);
    }
    const bool ascii = std::all_of(m_bytes.cbegin(), m_bytes.cend(),
                                   [](char b) { return uchar(b) < 0x80; });
    // Consecutive bytes are decoded together: a character of a multi-byte
    // code page may be split across \'hh escapes and plain text.
    const QString text = ascii ? QString::fromLatin1(m_bytes) : QString(decoder(codec).decode(m_bytes));
    m_bytes.clear();
    emitText(text);
}

void Reader::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(sanitized(m_run), charFormat(m_runChar));
    m_run.clear();
}

// Makes the block that content goes into: the one a \par asked for, or the
// current one brought up to the paragraph formatting in effect.
void Reader::startContent()
{
    const ParaState &para = top().para;
    if (m_pendingBlock) {
        m_cursor.insertBlock(blockFormat(para));
        m_appliedPara = para;
        m_pendingBlock = false;
    } else if (!(m_appliedPara == para)) {
        m_cursor.setBlockFormat(blockFormat(para));
        m_appliedPara = para;
    }
}

// A paragraph takes the formatting in effect at its \par. The block after it
// is only made when more content follows, so a final \par adds no empty
// paragraph at the end.
void Reader::endParagraph()
{
    flushRun();
    startContent();
    if (!m_paraHasContent)
        m_cursor.setBlockCharFormat(charFormat(top().ch));  // the height of an empty line
    m_pendingBlock = true;
    m_paraHasContent = false;
}

void Reader::commitFontName()
{
    if (m_fontBeingRead >= 0 && !m_fontName.trimmed().isEmpty())
        m_fonts[m_fontBeingRead].name = m_fontName.trimmed();
    m_fontName.clear();
}

void Reader::commitColour()
{
    if (m_colourHasRgb)
        m_colours.emplace_back(QColor(m_rgb[0], m_rgb[1], m_rgb[2]));
    else
        m_colours.emplace_back(std::nullopt);  // "auto": the widget's own colour
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_colourHasRgb = false;
}

QByteArray Reader::codecForFont(int font)
{
    const auto it = m_fonts.constFind(font < 0 ? m_deff : font);
    if (it == m_fonts.constEnd())
        return m_docCodec;
    if (it->codePage > 0)
        return codecForCodePage(it->codePage);
    if (it->charset < 0 || it->charset == 1 || it->charset == 2)
        return m_docCodec;
    return charsetCodec(it->charset);
}

QByteArray Reader::charsetCodec(int charset)
{
    auto it = m_charsetCodecs.find(charset);
    if (it == m_charsetCodecs.end())
        it = m_charsetCodecs.insert(charset, CodePage::forCharset(charset).name());
    return *it;
}

QStringDecoder &Reader::decoder(const QByteArray &name)
{
    auto it = m_decoders.find(name);
    if (it == m_decoders.end()) {
        const char *use = name.constData();
        if (!QStringDecoder(use).isValid())
            use = "windows-1252";
        if (!QStringDecoder(use).isValid())
            use = "ISO-8859-1";
        it = m_decoders.try_emplace(name, use, QStringConverter::Flag::Stateless).first;
    }
    return it->second;
}

std::optional<QColor> Reader::colour(int index) const
{
    if (index < 0 || size_t(index) >= m_colours.size())
        return std::nullopt;
    return m_colours[size_t(index)];
}

QTextCharFormat Reader::charFormat(const CharState &ch) const
{
    QTextCharFormat f;
    const auto font = m_fonts.constFind(ch.font < 0 ? m_deff : ch.font);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setProperty(QTextFormat::FontPixelSize, pixelsOfHalfPoints(ch.halfPoints));
    if (ch.bold)
        f.setFontWeight(QFont::Bold);
    if (ch.italic)
        f.setFontItalic(true);
    if (ch.underline)
        f.setFontUnderline(true);
    if (ch.strike)
        f.setFontStrikeOut(true);
    if (ch.vertical != 0)
        f.setVerticalAlignment(ch.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                               : QTextCharFormat::AlignSubScript);
    if (const auto fg = colour(ch.foreground))
        f.setForeground(*fg);
    if (ch.background > 0) {
        if (const auto bg = colour(ch.background))
            f.setBackground(*bg);
    }
    return f;
}

QTextBlockFormat Reader::blockFormat(const ParaState &para)
{
    QTextBlockFormat f;
    if (para.align != Qt::AlignLeft)
        f.setAlignment(para.align);
    if (para.left)
        f.setLeftMargin(para.left / kTwipsPerPixel);
    if (para.right)
        f.setRightMargin(para.right / kTwipsPerPixel);
    if (para.first)
        f.setTextIndent(para.first / kTwipsPerPixel);
    if (para.before)
        f.setTopMargin(para.before / kTwipsPerPixel);
    if (para.after)
        f.setBottomMargin(para.after / kTwipsPerPixel);
    if (!para.tabs.isEmpty())
        f.setTabPositions(para.tabs);
    return f;
}

}  // namespace

bool loadRtf(const QByteArray &data, QTextDocument &doc, QString *error)
{
    doc.clear();
    qsizetype start = 0;
    while (start < data.size()
           && (data[start] == ' ' || data[start] == '\t' || data[start] == '\r' || data[start] == '\n'))
        ++start;
    if (!QByteArrayView(data).sliced(start).startsWith("{\\rtf")) {
        if (error)
            *error = QStringLiteral("not an RTF document");
        return false;
    }

    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Reader reader(data, doc);
    reader.read(start + 1);
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    if (error)
        error->clear();
    return true;
}
