#include "lessons/file_table.h"

#include "shell/pages.h"

#include <QLocale>

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Only a to z change: the name check leaves every other character alone, so
// an accented or non-Latin letter never matches by accident.
QString upperAscii(QString s)
{
    for (QChar &c : s) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return s;
}

}  // namespace

QList<FileRow> fileTableRows(int filter, int pageIndex, const QDateTime &now,
                             const QString &timeSeparator)
{
    const bool wordpad = filter == 0 || filter == 2;
    const bool text = filter == 1 || filter == 2;
    const bool all = filter == 2;

    QList<FileRow> rows;
    const auto add = [&rows](bool listed, FileRow row) {
        if (listed)
            rows.append(std::move(row));
    };
    add(wordpad, {QStringLiteral("Document1"), QStringLiteral("32KB"),
                  QStringLiteral("WordPad Document"), QStringLiteral("27.12.1999 14:23"),
                  WordpadDocumentIcon});
    add(text, {QStringLiteral("Document2"), QStringLiteral("2KB"), QStringLiteral("Text Document"),
               QStringLiteral("23.12.1999 11:52"), TextDocumentIcon});
    add(wordpad, {QStringLiteral("Document3"), QStringLiteral("12KB"),
                  QStringLiteral("WordPad Document"), QStringLiteral("21.12.1999 13:20"),
                  WordpadDocumentIcon});
    add(text, {QStringLiteral("Document4"), QStringLiteral("23KB"), QStringLiteral("Text Document"),
               QStringLiteral("27.12.1999 14:24"), TextDocumentIcon});
    // The learner's own document, saved in T056, exists from T057 on.
    add(wordpad && pageIndex >= Page::T057,
        {QStringLiteral("My Document"), QStringLiteral("1KB"), QStringLiteral("Wordpad Document"),
         fileDateText(now, timeSeparator), WordpadDocumentIcon});
    add(all, {QStringLiteral("Picture1"), QStringLiteral("13KB"), QStringLiteral("Bitmap Image"),
              QStringLiteral("29.12.1999 19:24"), BitmapImageIcon});
    add(all, {QStringLiteral("Picture2"), QStringLiteral("110KB"), QStringLiteral("Bitmap Image"),
              QStringLiteral("28.12.1999 12:36"), BitmapImageIcon});
    add(all, {QStringLiteral("Picture3"), QStringLiteral("53KB"), QStringLiteral("Bitmap Image"),
              QStringLiteral("26.12.1999 1:13"), BitmapImageIcon});
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
        return QStringLiteral("DOCUMENT2");
    case FileDialogMode::SaveMyDocument:
        return QStringLiteral("MY DOCUMENT");
    case FileDialogMode::SaveComments:
        return QStringLiteral("COMMENTS");
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
    return upperAscii(name) == expected;
}
