#include "platform/error_report.h"

#include <QDebug>

#include <exception>
#include <utility>

namespace {

ErrorReporter &replacement()
{
    static ErrorReporter reporter;
    return reporter;
}

ErrorReporter &standardReport()
{
    static ErrorReporter report;
    return report;
}

}  // namespace

void reportError(const QString &message)
{
    if (const ErrorReporter &r = replacement())
        r(message);
    else if (const ErrorReporter &standard = standardReport())
        standard(message);
    else
        qWarning().noquote() << message;
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(replacement(), std::move(reporter));
}

void setStandardErrorReport(ErrorReporter report)
{
    standardReport() = std::move(report);
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
