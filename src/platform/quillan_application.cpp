#include "platform/quillan_application.h"

#include "platform/accessibility.h"
#include "platform/classic_window.h"
#include "platform/error_box.h"
#include "platform/error_report.h"
#include "platform/period_look.h"

#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Runs before the application object exists, which is the only time the
// scaling policy can be set. A screen at 120 dots per inch would otherwise be
// scaled by 1.25 and every picture of the course blurred; whole factors keep
// pixel art sharp (1.25 and 1.5 give 1, 1.75 gives 2).
int &beforeApplication(int &argc)
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    return argc;
}

// A window that takes the keyboard when it appears: a plain window or a
// dialog, not a popup menu, tooltip or splash.
bool takesKeyboard(const QWidget *w)
{
    if (!w->isWindow() || w->testAttribute(Qt::WA_ShowWithoutActivating)
        || (w->windowFlags() & Qt::WindowDoesNotAcceptFocus))
        return false;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// Without a window manager (a kiosk session) nobody gives a window that
// appears the keyboard, nor gives it back to the window below when a dialog
// closes; with one, a window still has to ask. So every window of the program
// asks for activation when it is shown (the activation request to a window
// manager, the X input focus without one), and when one closes, the window
// the learner goes back to asks again. Typing and the page's keys then work
// at once, without a click first.
class WindowActivator : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Expose) {
            activateOnceShown(qobject_cast<QWindow *>(watched));
            return false;
        }
        if (type != QEvent::Show && type != QEvent::Hide)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || !takesKeyboard(w))
            return false;
        if (type == QEvent::Show) {
            w->activateWindow();
            // On Wayland a window exists for the compositor only once it is
            // on the screen, and only then can it ask for the keyboard
            // (xdg-activation): the request is made again at that moment.
            // Without that a dialog over the full-screen course shows
            // without the keyboard, and its keys go nowhere.
            if (QWindow *handle = w->windowHandle();
                handle && !handle->isExposed() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
                m_waiting.insert(handle, w);
        } else {
            m_waiting.remove(w->windowHandle());
            // Once the closing window is gone: the modal window still open
            // under it, or the window it belonged to, or the main window.
            QPointer<QWidget> owner = w->parentWidget() ? w->parentWidget()->window() : nullptr;
            QTimer::singleShot(0, this, [owner] {
                if (QWidget *next = windowBelow(owner))
                    next->activateWindow();
            });
        }
        return false;
    }

private:
    void activateOnceShown(QWindow *handle)
    {
        const auto waiting = m_waiting.find(handle);
        if (waiting == m_waiting.end() || !handle->isExposed())
            return;
        const QPointer<QWidget> w = waiting.value();
        m_waiting.erase(waiting);
        // Only while it is still the window the learner is meant to use: not
        // when another dialog has opened over it meanwhile.
        const QWidget *modal = QApplication::activeModalWidget();
        if (w && w->isVisible() && (!modal || modal == w))
            w->activateWindow();
    }

    // Windows shown but not yet on the screen, each with its widget.
    QHash<QWindow *, QPointer<QWidget>> m_waiting;

    static QWidget *windowBelow(QWidget *owner)
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            return modal;
        if (owner && owner->isVisible())
            return owner;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (w->isVisible() && takesKeyboard(w))
                return w;
        }
        return nullptr;
    }
};

}  // namespace

void showErrorBox(const QString &title, const QString &text)
{
    TErrorBox box(title, text);
    box.exec();
}

QuillanApplication::QuillanApplication(int &argc, char **argv)
    : QApplication(beforeApplication(argc), argv)
{
    // The pictures are compiled into a static library: pull them in.
    Q_INIT_RESOURCE(quillan);
    // The title of every window is exactly its own: no application name is
    // appended to it.
    setApplicationName(QStringLiteral("Quillan 2"));
    // The desktop's menu entry is the program's: a window manager or a
    // dock shows its icon beside the windows.
    setDesktopFileName(QStringLiteral(QUILLAN_APP_ID));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/app_icon_%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    applyPeriodLook(*this);
    // Widgets that draw themselves tell a screen reader what they are.
    installAccessibleFactory();
    installEventFilter(new WindowActivator(this));
    setStandardErrorReport([](const QString &message) { showErrorBox(applicationName(), message); });
}

QuillanApplication::~QuillanApplication()
{
    setStandardErrorReport({});
}

bool QuillanApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        if (frontDialogBlocks(receiver, event))
            return true;
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
    }
    return false;
}
