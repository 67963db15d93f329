#include "platform/screen_zoom.h"

#include "platform/period_look.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

#include <cmath>

namespace {

double g_zoom = 1;

// The toolkit warns when its factor changes while windows exist, since it
// does not move them itself; here every window is laid out again right
// after, so that one warning is dropped and every other message goes on.
QtMessageHandler g_previousHandler = nullptr;

void quietFactorWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QHighDpiScaling::setFactor")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

void setToolkitFactor(double zoom)
{
    static const bool installed = [] {
        g_previousHandler = qInstallMessageHandler(quietFactorWarning);
        return true;
    }();
    Q_UNUSED(installed);
    QHighDpiScaling::setGlobalFactor(zoom);
    // The application's factor, which the pictures and fonts go by, is kept
    // from the screens' last change: it is asked for anew.
    QGuiApplicationPrivate::resetCachedDevicePixelRatio();
}

}  // namespace

double courseZoom()
{
    return g_zoom;
}

QSize screenAtZoom1(const QScreen *screen)
{
    // The screen's own pixels over the toolkit's factor without the zoom.
    const QSize native = screen->handle()->geometry().size();
    const double platformScale = screen->devicePixelRatio() / g_zoom;
    return QSize(int(std::floor(native.width() / platformScale + 1e-6)),
                 int(std::floor(native.height() / platformScale + 1e-6)));
}

void setCourseZoom(double zoom)
{
    if (zoom == g_zoom)
        return;
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect oldScreen = screen ? screen->geometry() : QRect();
    const QRect oldFree = screen ? screen->availableGeometry() : QRect();

    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();

    g_zoom = zoom;
    setToolkitFactor(zoom);
    updatePeriodFonts();
    if (!screen)
        return;
    const QRect newScreen = screen->geometry();
    const QRect newFree = screen->availableGeometry();

    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        QWindow *handle = w->windowHandle();
        if (!w->isVisible() || !handle)
            continue;
        QRect g = w->geometry();
        if (g == oldScreen) {
            g = newScreen;
        } else if (g == oldFree) {
            g = newFree;
        } else {
            // On the screen as far as it goes, the top-left corner first.
            g.moveRight(std::min(g.right(), newFree.right()));
            g.moveBottom(std::min(g.bottom(), newFree.bottom()));
            g.moveLeft(std::max(g.left(), newFree.left()));
            g.moveTop(std::max(g.top(), newFree.top()));
        }
        if (g != w->geometry())
            w->setGeometry(g);
        // The window's own pixels change even where its place and size in
        // the course's pixels do not; so must its buffer, which the toolkit
        // makes anew when it finds the buffer's size other than the window's:
        // the buffer is emptied, and the next paint makes it at the new scale.
        handle->setGeometry(g);
        if (QBackingStore *buffer = w->backingStore())
            buffer->resize(QSize());
        // The window's widgets learn of the new scale, and the window is
        // painted again at it.
        QEvent changed(QEvent::ScreenChangeInternal);
        QCoreApplication::sendEvent(handle, &changed);
    }
    refreshCrispPixmaps();
}
