#include "platform/quillan_application.h"

#include <QMessageBox>

#include <exception>
#include <utility>

namespace {

ErrorReporter &currentReporter()
{
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace

void showErrorBox(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

void reportError(const QString &message)
{
    if (const ErrorReporter &r = currentReporter())
        r(message);
    else
        showErrorBox(QApplication::applicationDisplayName(), message);
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(currentReporter(), std::move(reporter));
}

QuillanApplication::QuillanApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The pictures are compiled into a static library: pull them in.
    Q_INIT_RESOURCE(quillan);
}

bool QuillanApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred."));
    }
    return false;
}
