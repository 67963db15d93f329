#include "lessons/file_table.h"

#include "platform/desktop_words.h"
#include "shell/pages.h"

#include <QLocale>

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Letters match whatever their case ("my document", "MY DOCUMENT"), in any
// script; nothing else is forgiven (no trimming, no extension). A letter
// matches another only when both have the same small and the same capital
// form, so that a look-alike (the long s, the dotless i, the Kelvin sign)
// never passes for a plain letter.
bool sameName(const QString &typed, const QString &expected)
{
    if (typed.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar a = typed[i];
        const QChar b = expected[i];
        if (a != b && (a.toLower() != b.toLower() || a.toUpper() != b.toUpper()))
            return false;
    }
    return true;
}

}  // namespace

QList<FileRow> fileTableRows(int filter, int pageIndex, const QDateTime &now,
                             const QString &timeSeparator)
{
    const bool wordpad = filter == 0 || filter == 2;
    const bool text = filter == 1 || filter == 2;
    const bool all = filter == 2;

    QList<FileRow> rows;
    const DesktopWords &w = desktopWords();
    // A file named by a desktop word, of a type named by another.
    const auto add = [&](bool listed, const char *name, const char *size, const char *type, QString modified,
                         int icon) {
        if (listed)
            rows.append({w.text(name), QString::fromLatin1(size), w.text(type), std::move(modified), icon, name});
    };
    add(wordpad, "Document1", "32KB", "TypeWordpad", QStringLiteral("27.12.1999 14:23"), WordpadDocumentIcon);
    add(text, "Document2", "2KB", "TypeText", QStringLiteral("23.12.1999 11:52"), TextDocumentIcon);
    add(wordpad, "Document3", "12KB", "TypeWordpad", QStringLiteral("21.12.1999 13:20"), WordpadDocumentIcon);
    add(text, "Document4", "23KB", "TypeText", QStringLiteral("27.12.1999 14:24"), TextDocumentIcon);
    // The learner's own document, saved in T056, exists from T057 on.
    add(wordpad && pageIndex >= Page::T057, "MyDocument", "1KB", "TypeWordpadSaved", fileDateText(now, timeSeparator),
        WordpadDocumentIcon);
    add(all, "Picture1", "13KB", "TypeBitmap", QStringLiteral("29.12.1999 19:24"), BitmapImageIcon);
    add(all, "Picture2", "110KB", "TypeBitmap", QStringLiteral("28.12.1999 12:36"), BitmapImageIcon);
    add(all, "Picture3", "53KB", "TypeBitmap", QStringLiteral("26.12.1999 1:13"), BitmapImageIcon);
    return rows;
}

QString fileDateText(const QDateTime &time, const QString &timeSeparator)
{
    const QDate d = time.date();
    const QTime t = time.time();
    return twoDigits(d.day()) + QLatin1Char('.') + twoDigits(d.month()) + QLatin1Char('.')
        + twoDigits(((d.year() % 100) + 100) % 100) + QLatin1Char(' ') + twoDigits(t.hour())
        + timeSeparator + twoDigits(t.minute());
}

QString timeSeparatorOf(const QString &timeFormat)
{
    const auto isHour = [](QChar c) { return c == QLatin1Char('h') || c == QLatin1Char('H'); };
    qsizetype i = 0;
    while (i < timeFormat.size() && !isHour(timeFormat[i]))
        ++i;
    while (i < timeFormat.size() && isHour(timeFormat[i]))
        ++i;
    const qsizetype minutes = timeFormat.indexOf(QLatin1Char('m'), i);
    if (i >= timeFormat.size() || minutes < 0)
        return QStringLiteral(":");
    QString separator = timeFormat.mid(i, minutes - i);
    separator.remove(QLatin1Char('\''));  // quoted literal text
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}

QString systemTimeSeparator()
{
    return timeSeparatorOf(QLocale::system().timeFormat(QLocale::ShortFormat));
}

QString expectedFileName(FileDialogMode mode)
{
    switch (mode) {
    case FileDialogMode::OpenDocument2:
        return desktopWord("Document2");
    case FileDialogMode::SaveMyDocument:
        return desktopWord("MyDocument");
    case FileDialogMode::SaveComments:
        return desktopWord("Comments");
    default:
        return {};
    }
}

bool fileNameAccepted(FileDialogMode mode, const QString &name, int typeIndex)
{
    const QString expected = expectedFileName(mode);
    if (expected.isEmpty())
        return false;
    if (mode != FileDialogMode::OpenDocument2 && typeIndex != 0)
        return false;  // saving needs the WordPad type
    return sameName(name, expected);
}
