#include "lessons/stored_document.h"

#include "platform/code_page.h"
#include "platform/ini_file.h"

#include <QHash>
#include <QStringDecoder>

namespace {

QByteArray lineKey(qsizetype i)
{
    return "Line" + QByteArray::number(i);
}

// Whether the text is the end marker after zero or more backslashes.
bool isEscapedMarker(QByteArrayView text)
{
    while (text.startsWith('\\'))
        text = text.sliced(1);
    return text == QByteArrayView(NoValueMarker);
}

QByteArray storedValue(const QString &line)
{
    QByteArray text = line.toUtf8();
    if (isEscapedMarker(text))
        text.prepend('\\');
    return '"' + text + '"';
}

QByteArray unescaped(QByteArray value)
{
    if (value.startsWith('\\') && isEscapedMarker(value))
        value.remove(0, 1);
    return value;
}

// A line as the file can hold it: no line breaks or NULs (a pasted text may
// bring carriage returns), and no more UTF-8 bytes than a value keeps.
QStringList storable(QString paragraph)
{
    paragraph.remove(QLatin1Char('\r'));
    paragraph.remove(QChar(0));
    QStringList pieces;
    do {
        qsizetype n = 0;
        qsizetype bytes = 0;
        while (n < paragraph.size()) {
            const qsizetype step = paragraph.at(n).isHighSurrogate() && n + 1 < paragraph.size() ? 2 : 1;
            const qsizetype size = paragraph.sliced(n, step).toUtf8().size();
            if (bytes + size > IniFile::MaxValueLength)
                break;
            bytes += size;
            n += step;
        }
        pieces << paragraph.first(n);
        paragraph.remove(0, n);
    } while (!paragraph.isEmpty());
    return pieces;
}

}  // namespace

QStringList documentLines(const QString &plainText)
{
    QString text = plainText;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (paragraphs.last().isEmpty())
        paragraphs.removeLast();
    QStringList lines;
    for (const QString &p : paragraphs)
        lines << storable(p);
    return lines;
}

void storeDocument(IniFile &file, QByteArrayView section, const QStringList &lines)
{
    QList<std::pair<QByteArray, QByteArray>> entries;
    entries.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.append({lineKey(i), storedValue(lines.at(i))});
    file.writeSection(section, entries);
}

QStringList loadDocument(const IniFile &file, QByteArrayView section, const CodePage &codePage)
{
    QHash<QByteArray, QByteArray> values;  // by key in lower case, as the reader compares
    for (const auto &[key, value] : file.readSection(section))
        values.insert(key.toLower(), value);
    QStringList lines;
    for (qsizetype i = 0;; ++i) {
        const auto found = values.constFind(lineKey(i).toLower());
        if (found == values.cend() || *found == NoValueMarker)
            break;
        const QByteArray value = unescaped(*found);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(value);
        lines << (utf8.hasError() ? codePage.decode(value) : text);
    }
    return lines;
}
