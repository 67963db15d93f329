// The Start menu picture by keyboard, as the period desktop answered it:
// Ctrl+Esc or the Windows key (or Enter on the Start button, reached with
// F6) open the menu with its first row highlighted; the arrows, Enter, Esc
// and the rows' underlined letters work in it; a submenu opened by keyboard
// opens with its first item highlighted, and Left closes it. Each move of
// the highlight is a focus change on that row for a screen reader.
#include "platform/accessibility.h"
#include "platform/classic_window.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "shell/panel_keys.h"
#include "shell/start_menu.h"
#include "shell/start_menu_picture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {

bool opensStartMenu(int key, Qt::KeyboardModifiers modifiers)
{
    return (key == Qt::Key_Escape && modifiers == Qt::ControlModifier) || key == Qt::Key_Meta
           || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

// Looks at the main window's keys before anything else does, once each:
// where they are sent first (the control with the keyboard or the window).
class StartMenuKeys : public QObject {
public:
    explicit StartMenuKeys(TfrmMain *main) : QObject(main), m_main(main) { qApp->installEventFilter(this); }
    ~StartMenuKeys() override
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (!w)
            return false;
        if (QWidget *popup = QApplication::activePopupWidget()) {
            // Left closes a submenu of the picture, which has no menu of
            // Qt's own to go back to.
            auto *menu = qobject_cast<QMenu *>(popup);
            if (type == QEvent::KeyPress && w == popup && key->key() == Qt::Key_Left
                && (menu == m_main->pmStart || menu == m_main->pmDocuments)) {
                menu->close();
                return true;
            }
            return false;
        }
        if (w->window() != m_main || frontDialog())
            return false;
        QWidget *focus = QApplication::focusWidget();
        if (w != (focus ? focus : m_main))
            return false;
        if (type == QEvent::ShortcutOverride) {
            if (m_main->startMenuWantsKey(key)) {
                key->accept();
                return true;
            }
            return false;
        }
        return m_main->startMenuKeyPress(key);
    }

private:
    TfrmMain *m_main;
};

}  // namespace

TImage *TfrmMain::startMenuOf(int page) const
{
    return page == Page::T051 ? imgT051Start : page == Page::T057 ? imgT057Start : nullptr;
}

TImage *TfrmMain::liveStartMenu() const
{
    TImage *menu = startMenuOf(currentPage());
    if (!menu || !sbStartOnClick.isBound() || !pnTaskbar->isVisible() || !pnTaskbar->isEnabled())
        return nullptr;
    return menu;
}

void TfrmMain::createStartMenuKeys()
{
    new StartMenuKeys(this);
    // A submenu opened by keyboard opens with its first item highlighted,
    // which a screen reader reads (it ignores a menu where nothing is).
    for (QMenu *menu : {pmStart, pmDocuments}) {
        connect(menu, &QMenu::aboutToShow, this, [this, menu] {
            if (!m_submenuByKeyboard)
                return;
            // Down, as the learner's next key would: the first item, its
            // submenu not opened (setActiveAction would open it).
            QTimer::singleShot(0, menu, [menu] {
                if (menu->isVisible() && !menu->activeAction()) {
                    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                    QCoreApplication::sendEvent(menu, &down);
                }
            });
        });
    }
}

bool TfrmMain::startMenuWantsKey(const QKeyEvent *event) const
{
    const TImage *menu = liveStartMenu();
    if (!menu)
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (opensStartMenu(event->key(), modifiers))
        return true;
    if (QApplication::focusWidget() == sbStart && modifiers == Qt::NoModifier && pressesButton(event->key()))
        return true;
    return menu->isVisible() && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool TfrmMain::startMenuKeyPress(const QKeyEvent *event)
{
    QPointer<TImage> menu = liveStartMenu();
    if (!menu)
        return false;
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool onStart = QApplication::focusWidget() == sbStart && modifiers == Qt::NoModifier && pressesButton(key);
    if (opensStartMenu(key, modifiers) || onStart) {
        if (menu->isVisible()) {
            closeStartMenu(menu);
            return true;
        }
        sbStartOnClick();  // what a click on Start does on this page
        if (menu && menu->isVisible()) {
            menu->setFocus(Qt::OtherFocusReason);
            highlightStartRow(menu, 1);
        }
        return true;
    }
    if (!menu->isVisible() || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QString text = event->text();
    const StartMenuStep step = startMenuKey(FStartRow, key, text.size() == 1 ? text.at(0) : QChar(),
                                            startMenuPicture().accessLetters());
    switch (step.action) {
    case StartMenuStep::Action::None:
        return false;
    case StartMenuStep::Action::Highlight:
        menu->setFocus(Qt::OtherFocusReason);
        highlightStartRow(menu, step.row);
        return true;
    case StartMenuStep::Action::Open: {
        menu->setFocus(Qt::OtherFocusReason);
        highlightStartRow(menu, step.row);
        // As the pointer coming onto the row: the lesson's row opens its
        // submenu, which runs until it closes.
        const QRect band = startMenuPicture().rowBand(step.row);
        m_submenuByKeyboard = true;
        menu->OnMouseMove(Qt::NoModifier, band.center().x(), band.center().y());
        m_submenuByKeyboard = false;
        if (menu && menu->isVisible()) {  // back in the picture, on the same row
            menu->setFocus(Qt::OtherFocusReason);
            highlightStartRow(menu, step.row);
        }
        return true;
    }
    case StartMenuStep::Action::Close:
        closeStartMenu(menu);
        return true;
    }
    return false;
}

void TfrmMain::highlightStartRow(TImage *menu, int row)
{
    StartMenuHitTest(menu, row > 0 ? startMenuRowTop(row) + 15 : -1);
    if (row > 0 && menu->hasFocus())
        describeAccessible(menu).partFocused(row - 1);
}

void TfrmMain::closeStartMenu(TImage *menu)
{
    const bool hadKeyboard = menu->hasFocus();
    sbStartOnClick();  // Start again closes it
    if (hadKeyboard)
        sbStart->setFocus(Qt::OtherFocusReason);
}
