#include "platform/safe_format.h"

namespace {

constexpr int kMaxWidth = 255;

// Reads up to three digits at pos; returns -1 when there are none and sets
// tooLarge when the number exceeds kMaxWidth.
int readNumber(QStringView f, qsizetype &pos, bool &tooLarge)
{
    int n = -1;
    while (pos < f.size() && f[pos].isDigit() && f[pos].unicode() < 128) {
        n = (n < 0 ? 0 : n) * 10 + (f[pos].unicode() - '0');
        if (n > kMaxWidth)
            tooLarge = true;
        n = std::min(n, kMaxWidth + 1);
        ++pos;
    }
    return n;
}

QString pad(QString text, int width, bool left)
{
    if (width > text.size()) {
        const QString fill(width - text.size(), QLatin1Char(' '));
        text = left ? text + fill : fill + text;
    }
    return text;
}

// Formats, or returns the problem in *problem and an empty string.
QString run(QStringView format, const QList<FormatArg> &args, QString *problem)
{
    auto fail = [&](const QString &what) {
        // A NUL of the format text shows as "\0": the message goes on past
        // it where it is read as a C string (FormatError::what()).
        *problem = QStringLiteral("Format \"%1\" does not fit its arguments: %2")
                       .arg(format.toString(), what)
                       .replace(QChar(0), QLatin1String("\\0"));
        return QString();
    };
    QString out;
    qsizetype argIndex = 0;
    qsizetype pos = 0;
    while (pos < format.size()) {
        const QChar c = format[pos++];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (pos < format.size() && format[pos] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++pos;
            continue;
        }
        bool left = false;
        if (pos < format.size() && format[pos] == QLatin1Char('-')) {
            left = true;
            ++pos;
        }
        bool tooLarge = false;
        const int width = readNumber(format, pos, tooLarge);
        int precision = -1;
        if (pos < format.size() && format[pos] == QLatin1Char('.')) {
            ++pos;
            precision = std::max(0, readNumber(format, pos, tooLarge));
        }
        if (tooLarge)
            return fail(QStringLiteral("a width or precision above %1").arg(kMaxWidth));
        if (pos >= format.size())
            return fail(QStringLiteral("a \"%\" at the end"));
        const QChar type = format[pos++].toLower();
        if (type != QLatin1Char('d') && type != QLatin1Char('s'))
            return fail(QStringLiteral("unknown directive \"%%1\"").arg(type));
        if (argIndex >= args.size())
            return fail(QStringLiteral("directive %1 has no argument").arg(argIndex + 1));
        const FormatArg &arg = args[argIndex++];
        QString text;
        if (type == QLatin1Char('d')) {
            const int *n = std::get_if<int>(&arg);
            if (!n)
                return fail(QStringLiteral("directive %1 wants a number").arg(argIndex));
            // Precision on a number is its least number of digits.
            text = QString::number(qAbs(qint64(*n)));
            if (precision > text.size())
                text = QString(precision - text.size(), QLatin1Char('0')) + text;
            if (*n < 0)
                text.prepend(QLatin1Char('-'));
        } else {
            const QString *s = std::get_if<QString>(&arg);
            if (!s)
                return fail(QStringLiteral("directive %1 wants a text").arg(argIndex));
            // Precision on a text is the most characters shown.
            text = precision >= 0 ? s->left(precision) : *s;
        }
        out += pad(text, width, left);
    }
    if (argIndex < args.size())
        return fail(QStringLiteral("%1 argument(s) left unused").arg(args.size() - argIndex));
    problem->clear();
    return out;
}

}  // namespace

QString safeFormat(QStringView format, const QList<FormatArg> &args)
{
    QString problem;
    QString out = run(format, args, &problem);
    if (!problem.isEmpty())
        throw FormatError(problem.toStdString());
    return out;
}

QString formatProblem(QStringView format, const QList<FormatArg> &args)
{
    QString problem;
    run(format, args, &problem);
    return problem;
}

QString formatOrVerbatim(QStringView format, const QList<FormatArg> &args)
{
    return formatProblem(format, args).isEmpty() ? safeFormat(format, args) : format.toString();
}
