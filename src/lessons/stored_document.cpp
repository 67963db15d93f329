#include "lessons/stored_document.h"

#include "platform/code_page.h"
#include "platform/ini_file.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

QByteArray lineKey(qsizetype i)
{
    char key[4 + std::numeric_limits<qsizetype>::digits10 + 1] = {'L', 'i', 'n', 'e'};
    const char *end = std::to_chars(key + 4, key + sizeof key, i).ptr;
    return QByteArray(key, end - key);  // one allocation: a document has many lines
}

// Whether the text is the end marker after zero or more backslashes.
bool isEscapedMarker(QByteArrayView text)
{
    while (text.startsWith('\\'))
        text = text.sliced(1);
    return text == QByteArrayView(NoValueMarker);
}

// A line as stored: its UTF-8 text inside double quotes, with one backslash
// more in front when it is the end marker after backslashes.
QByteArray storedValue(const QString &line)
{
    const QByteArray text = line.toUtf8();
    const bool escaped = isEscapedMarker(text);
    QByteArray value(text.size() + 2 + escaped, Qt::Uninitialized);
    char *out = value.data();
    *out++ = '"';
    if (escaped)
        *out++ = '\\';
    *std::copy(text.cbegin(), text.cend(), out) = '"';
    return value;
}

QByteArray unescaped(QByteArray value)
{
    if (value.startsWith('\\') && isEscapedMarker(value))
        value.remove(0, 1);
    return value;
}

// The UTF-8 bytes of the character at i, and how many QChars it is: a
// surrogate pair is one character, and toUtf8 writes an unpaired surrogate
// as "?".
std::pair<qsizetype, qsizetype> utf8Size(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
        return {4, 2};
    if (c < 0x80 || QChar::isSurrogate(c))
        return {1, 1};
    return {c < 0x800 ? 2 : 3, 1};
}

// Adds a paragraph's lines as the file can hold them: no line breaks or NULs
// (a pasted text may bring carriage returns), and a stored text no longer
// than a value keeps.
void appendStorable(QStringView paragraph, QStringList &lines)
{
    QString cleaned;
    if (paragraph.contains(QLatin1Char('\r')) || paragraph.contains(QChar(0))) {
        cleaned = paragraph.toString();
        cleaned.remove(QLatin1Char('\r'));
        cleaned.remove(QChar(0));
        paragraph = cleaned;
    }
    QStringView rest = paragraph;
    do {
        qsizetype n = 0;
        qsizetype bytes = 0;
        while (n < rest.size()) {
            const auto [size, step] = utf8Size(rest, n);
            if (bytes + size > IniText::MaxValueLength)
                break;
            bytes += size;
            n += step;
        }
        // A marker that fills a whole value would not fit with its escape:
        // its last "-" goes on to the next line.
        if (bytes == IniText::MaxValueLength && isEscapedMarker(rest.first(n).toUtf8()))
            --n;
        lines << rest.first(n).toString();
        rest = rest.sliced(n);
    } while (!rest.isEmpty());
}

// The number of a key that storeDocument writes ("Line0", "Line12"; the
// reader takes "LINE12" alike), or -1 for any other key.
qsizetype lineNumber(QByteArrayView key)
{
    if (key.size() < 5 || key.first(4).compare("Line", Qt::CaseInsensitive) != 0)
        return -1;
    const QByteArrayView digits = key.sliced(4);
    if (digits.size() > 1 && digits.front() == '0')
        return -1;
    qsizetype n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9' || n > (std::numeric_limits<qsizetype>::max() - 9) / 10)
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

QStringList documentLines(const QString &plainText)
{
    QString text = plainText;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QList<QStringView> paragraphs = QStringView(text).split(QLatin1Char('\n'));
    if (paragraphs.last().isEmpty())
        paragraphs.removeLast();
    QStringList lines;
    for (QStringView p : paragraphs)
        appendStorable(p, lines);
    return lines;
}

QList<std::pair<QByteArray, QByteArray>> documentEntries(const QStringList &lines)
{
    QList<std::pair<QByteArray, QByteArray>> entries;
    entries.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.append({lineKey(i), storedValue(lines.at(i))});
    return entries;
}

QStringList documentFromEntries(const QList<std::pair<QByteArray, QByteArray>> &entries,
                                const CodePage &codePage)
{
    // By line number; a document of n lines has n keys at least.
    QList<const QByteArray *> values(entries.size(), nullptr);
    for (const auto &[key, value] : entries) {
        const qsizetype n = lineNumber(key);
        if (n >= 0 && n < values.size())
            values[n] = &value;
    }
    QStringList lines;
    for (const QByteArray *found : values) {
        if (!found || *found == NoValueMarker)
            break;
        const QByteArray value = unescaped(*found);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(value);
        lines << (utf8.hasError() ? codePage.decode(value) : text);
    }
    return lines;
}

void storeDocument(IniFile &file, QByteArrayView section, const QStringList &lines)
{
    file.writeSection(section, documentEntries(lines));
}

QStringList loadDocument(const IniFile &file, QByteArrayView section, const CodePage &codePage)
{
    return documentFromEntries(file.readSection(section), codePage);
}
