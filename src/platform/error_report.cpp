#include "platform/error_report.h"

#include <QDebug>

#include <exception>
#include <utility>

namespace {

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace

void reportError(const QString &message)
{
    if (const ErrorReporter &r = currentReporter())
        r(message);
    else
        qWarning().noquote() << message;
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(currentReporter(), std::move(reporter));
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred."));
    }
}
