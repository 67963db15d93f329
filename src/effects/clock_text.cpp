#include "effects/clock_text.h"

namespace Clock {

namespace {

// One piece of a date-time pattern: a field ("HH", "mm", "AP") or literal text.
struct Token {
    bool field = false;
    QString text;
};

bool isFieldLetter(QChar c)
{
    return QStringLiteral("hHmsaApPtz").contains(c);
}

// Cuts a pattern as the date-time formatter reads it: runs of a field letter
// are fields; text in single quotes is literal, with '' standing for a quote
// both inside and outside quotes; every other character is literal.
QList<Token> tokenize(const QString &pattern)
{
    QList<Token> tokens;
    const auto addLiteral = [&tokens](const QString &s) {
        if (tokens.isEmpty() || tokens.last().field)
            tokens.append({false, QString()});
        tokens.last().text += s;
    };
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < n && pattern[i + 1] == u'\'') {
                addLiteral(QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString quoted;
            ++i;
            while (i < n) {
                if (pattern[i] == u'\'') {
                    if (i + 1 < n && pattern[i + 1] == u'\'') {
                        quoted += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                quoted += pattern[i++];
            }
            addLiteral(quoted);
        } else if (isFieldLetter(c)) {
            qsizetype j = i;
            while (j < n && pattern[j] == c)
                ++j;
            tokens.append({true, pattern.mid(i, j - i)});
            i = j;
        } else {
            addLiteral(QString(c));
            ++i;
        }
    }
    return tokens;
}

QString firstCodePoint(const QString &s)
{
    const QList<uint> ucs4 = s.toUcs4();
    if (ucs4.isEmpty())
        return QString();
    const char32_t cp = ucs4.first();
    return QString::fromUcs4(&cp, 1);
}

}  // namespace

QString timeSeparator(const QLocale &locale)
{
    const QList<Token> tokens = tokenize(locale.timeFormat(QLocale::ShortFormat));
    for (qsizetype i = 0; i + 2 < tokens.size(); ++i) {
        const Token &hour = tokens[i];
        if (!hour.field || hour.text.front().toLower() != u'h')
            continue;
        const Token &between = tokens[i + 1];
        const Token &minute = tokens[i + 2];
        if (between.field || !minute.field || minute.text.front() != u'm')
            break;
        const QString sep = firstCodePoint(between.text.trimmed());
        if (!sep.isEmpty())
            return sep;
        break;
    }
    return QStringLiteral(":");
}

QString timeFormat(const Options &options, const QString &separator)
{
    const QString sep = separator == QLatin1String("'")
                            ? QStringLiteral("''")
                            : QLatin1Char('\'') + separator + QLatin1Char('\'');
    QString format = options.leadingZero ? QStringLiteral("hh") : QStringLiteral("h");
    format += sep + QStringLiteral("mm");
    if (options.showSeconds)
        format += sep + QStringLiteral("ss");
    if (options.twelveHour)
        format += QStringLiteral(" aP");
    return format;
}

int displayedHour(QTime time, const Options &options)
{
    const int h = time.hour();
    if (!options.twelveHour)
        return h;
    return h % 12 == 0 ? 12 : h % 12;
}

int digitCellCount(QTime time, const Options &options)
{
    const int hourDigits = options.leadingZero || displayedHour(time, options) > 9 ? 2 : 1;
    return hourDigits + 3 + (options.showSeconds ? 3 : 0);
}

Text clockText(QTime time, const Options &options, const QLocale &locale)
{
    const QString text = locale.toString(time, timeFormat(options, timeSeparator(locale)));
    const QList<uint> ucs4 = text.toUcs4();
    const qsizetype n = qMin<qsizetype>(digitCellCount(time, options), ucs4.size());
    Text result;
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t cp = ucs4[i];
        result.cells.append(QString::fromUcs4(&cp, 1));
    }
    for (qsizetype i = n; i < ucs4.size(); ++i) {
        const char32_t cp = ucs4[i];
        result.suffix += QString::fromUcs4(&cp, 1);
    }
    return result;
}

Redraw redrawFor(QTime shown, QTime now, const Options &options)
{
    Redraw r;
    if (!shown.isValid() || !now.isValid() || shown.hour() != now.hour()) {
        r.full = true;
        return r;
    }
    const int hourDigits = digitCellCount(now, options) - 3 - (options.showSeconds ? 3 : 0);
    if (shown.minute() != now.minute())
        r.cells << hourDigits + 1 << hourDigits + 2;
    if (options.showSeconds && shown.second() != now.second())
        r.cells << hourDigits + 4 << hourDigits + 5;
    return r;
}

bool isTimeJump(const QDateTime &previous, const QDateTime &now)
{
    if (!previous.isValid() || !now.isValid())
        return false;
    const qint64 gap = previous.msecsTo(now);
    return gap < 0 || gap > MaxTickGapMs;
}

bool alarmDue(QTime previous, QTime now, QTime alarm)
{
    if (!previous.isValid() || !now.isValid() || !alarm.isValid())
        return false;
    if (previous <= now)
        return previous < alarm && alarm <= now;
    return alarm > previous || alarm <= now;  // midnight lies between the ticks
}

}  // namespace Clock
