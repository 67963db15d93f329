// What several lessons share: the hooks on the word processor window. Every
// lesson keeps the learner from minimising the window or opening its window
// menu; most keep it from being closed as well.
#include "platform/classic_window.h"
#include "platform/panel.h"
#include "shell/frm_main.h"

#include <QPushButton>

bool TfrmMain::lessonHook(QObject *sender, TMessage &msg, bool &handled, bool closable)
{
    switch (msg.Msg) {
    case Msg::WM_NCHITTEST: {
        // Ask the window itself what is at that place; the window-menu icon
        // and the minimise and help buttons (and the close button, unless
        // the lesson lets the window close) then answer nowhere.
        auto *window = qobject_cast<TClassicWindow *>(sender);
        const int hit = window ? window->defaultHitTest(paramPoint(msg.LParam)) : Ht::HTNOWHERE;
        handled = hit == Ht::HTSYSMENU || hit == Ht::HTMINBUTTON || hit == Ht::HTHELP
                  || (!closable && hit == Ht::HTCLOSE);
        return false;
    }
    case Msg::WM_SYSCOMMAND:
        // Compared as a whole: a click on the menu bar comes as
        // SC_MOUSEMENU + HTMENU and still opens the menu.
        handled = msg.WParam == Sc::SC_MINIMIZE || msg.WParam == Sc::SC_MOUSEMENU
                  || msg.WParam == Sc::SC_KEYMENU || msg.WParam == Sc::SC_DEFAULT
                  || (!closable && msg.WParam == Sc::SC_CLOSE);
        return msg.WParam == Sc::SC_CLOSE;
    default:
        return false;
    }
}

void TfrmMain::whHookT052BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    lessonHook(sender, msg, handled, false);
}

void TfrmMain::whHookT057BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    // The window closes (it is only hidden); the taskbar takes over.
    if (lessonHook(sender, msg, handled, true)) {
        pnTaskbar->setEnabled(true);
        sbWPad->hide();
    }
}

void TfrmMain::whHookT059BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    if (!lessonHook(sender, msg, handled, true))
        return;
    // Closing is the last step of the exercise: only with the comments saved.
    if (FDocState != 2)
        handled = true;
    else
        CompleteCourse();
}
