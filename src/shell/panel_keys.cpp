#include "shell/panel_keys.h"

#include "platform/classic_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

namespace {

// A text where Tab types a tab rather than moving on.
bool takesTab(const QWidget *w)
{
    if (const auto *t = qobject_cast<const QTextEdit *>(w))
        return !t->tabChangesFocus() && !t->isReadOnly();
    if (const auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return !t->tabChangesFocus() && !t->isReadOnly();
    return false;
}

}  // namespace

bool pressesButton(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

TPanelKeys::TPanelKeys(QWidget *window, QList<QToolButton *> buttons, std::function<QWidget *()> desktop)
    : QObject(window), m_window(window), m_buttons(std::move(buttons)), m_desktop(std::move(desktop))
{
    setObjectName(QStringLiteral("panelKeys"));
    qApp->installEventFilter(this);
}

TPanelKeys::~TPanelKeys()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool TPanelKeys::isButton(const QWidget *w) const
{
    for (const QToolButton *b : m_buttons) {
        if (b == w)
            return true;
    }
    return false;
}

QToolButton *TPanelKeys::focusedButton() const
{
    QWidget *focus = QApplication::focusWidget();
    return isButton(focus) ? static_cast<QToolButton *>(focus) : nullptr;
}

QToolButton *TPanelKeys::available(int from, int step) const
{
    const int n = int(m_buttons.size());
    for (int i = 0; i < n; ++i) {
        QToolButton *b = m_buttons[((from + step * i) % n + n) % n];
        if (b->isEnabled() && b->isVisible())
            return b;
    }
    return nullptr;
}

void TPanelKeys::focusButton(QToolButton *button)
{
    if (button)
        button->setFocus(Qt::TabFocusReason);  // with the focus mark
}

bool TPanelKeys::usable(const QWidget *w) const
{
    return w && w->window() == m_window && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus
           && !isButton(w);
}

void TPanelKeys::toDesktop()
{
    QWidget *target = m_desktopFocus;
    if (!usable(target))
        target = m_desktop ? m_desktop() : nullptr;
    if (usable(target)) {
        target->setFocus(Qt::OtherFocusReason);
    } else if (QWidget *focus = QApplication::focusWidget()) {
        focus->clearFocus();  // the keys go to the window: Enter, F3 as before
    }
}

void TPanelKeys::keepFocus(QToolButton *was)
{
    if (!was)
        return;
    focusButton(available(int(m_buttons.indexOf(was)), 1));
}

bool TPanelKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->window() != m_window || QApplication::activePopupWidget() || frontDialog())
        return false;
    // A key is looked at once: where it is sent first, the control with the
    // keyboard or, when none has it, the window.
    QWidget *focus = QApplication::focusWidget();
    if (w != (focus ? focus : m_window))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (type == QEvent::ShortcutOverride) {
        // Enter on a button presses the button, not the window's Enter.
        if (isButton(focus) && pressesButton(key->key()) && modifiers == Qt::NoModifier) {
            key->accept();
            return true;
        }
        return false;
    }
    return handleKey(focus, key->key(), modifiers);
}

bool TPanelKeys::handleKey(QWidget *focus, int key, Qt::KeyboardModifiers modifiers)
{
    const bool onButton = isButton(focus);
    const int index = onButton ? int(m_buttons.indexOf(static_cast<QToolButton *>(focus))) : -1;

    if (key == Qt::Key_F6 && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        if (onButton) {
            toDesktop();
        } else {
            m_desktopFocus = usable(focus) ? focus : nullptr;
            focusButton(available(0, 1));
        }
        return true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab)
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        if (onButton) {
            focusButton(available(index + (back ? -1 : 1), back ? -1 : 1));
            return true;
        }
        if (focus && takesTab(focus))
            return false;  // the lesson's text types it
        m_desktopFocus = usable(focus) ? focus : nullptr;
        focusButton(back ? available(int(m_buttons.size()) - 1, -1) : available(0, 1));
        return true;
    }
    if (onButton && pressesButton(key) && modifiers == Qt::NoModifier) {
        static_cast<QToolButton *>(focus)->click();
        return true;
    }
    return false;
}
