#include "platform/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

struct CharsetCodec {
    int charset;
    const char *codec;
};

// The classic character-set numbers and their Windows code pages.
constexpr CharsetCodec kCodecs[] = {
    {0, "windows-1252"},    // Western
    {1, "windows-1252"},    // the system's default: Western here
    {2, "windows-1252"},    // symbol fonts carry their own glyphs
    {77, "macintosh"},      // Mac Roman
    {128, "Shift_JIS"},     // Japanese, code page 932
    {129, "windows-949"},   // Korean
    {130, "windows-949"},   // Korean (Johab), nearest available
    {134, "GBK"},           // Simplified Chinese, code page 936
    {136, "Big5"},          // Traditional Chinese, code page 950
    {161, "windows-1253"},  // Greek
    {162, "windows-1254"},  // Turkish
    {163, "windows-1258"},  // Vietnamese
    {177, "windows-1255"},  // Hebrew
    {178, "windows-1256"},  // Arabic
    {186, "windows-1257"},  // Baltic
    {204, "windows-1251"},  // Cyrillic
    {222, "windows-874"},   // Thai
    {238, "windows-1250"},  // Central European
    {255, "IBM437"},        // OEM
};

bool available(const char *name)
{
    return QStringDecoder(name).isValid();
}

}  // namespace

CodePage CodePage::forCharset(int charset)
{
    const int set = charset & 0xFF;
    for (const CharsetCodec &c : kCodecs) {
        if (c.charset == set && available(c.codec))
            return CodePage(set, c.codec);
    }
    return CodePage(set, available("windows-1252") ? "windows-1252" : "ISO-8859-1");
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QStringDecoder decoder(m_name.constData());
    return decoder.decode(bytes);
}

QByteArray CodePage::encode(QStringView text) const
{
    QStringEncoder encoder(m_name.constData());
    return encoder.encode(text);
}

bool CodePage::isValid(QByteArrayView bytes) const
{
    QStringDecoder decoder(m_name.constData(), QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    // Bytes that a code page leaves unassigned come through as C1 control
    // characters or replacement characters.
    for (QChar c : text) {
        if ((c.unicode() >= 0x80 && c.unicode() <= 0x9F) || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}
