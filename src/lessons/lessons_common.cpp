// What several lessons share: the standard hook on the word processor.
#include "platform/classic_window.h"
#include "shell/frm_main.h"

void TfrmMain::whHookT052BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    switch (msg.Msg) {
    case Msg::WM_NCHITTEST: {
        // Ask the window itself what is at that place; the window-menu icon
        // and the minimise, close and help buttons then answer nowhere.
        auto *window = qobject_cast<TClassicWindow *>(sender);
        const int hit = window ? window->defaultHitTest(paramPoint(msg.LParam)) : Ht::HTNOWHERE;
        handled = hit == Ht::HTSYSMENU || hit == Ht::HTMINBUTTON || hit == Ht::HTCLOSE
                  || hit == Ht::HTHELP;
        break;
    }
    case Msg::WM_SYSCOMMAND:
        // Compared as a whole: a click on the menu bar comes as
        // SC_MOUSEMENU + HTMENU and still opens the menu.
        handled = msg.WParam == Sc::SC_MINIMIZE || msg.WParam == Sc::SC_CLOSE
                  || msg.WParam == Sc::SC_MOUSEMENU || msg.WParam == Sc::SC_KEYMENU
                  || msg.WParam == Sc::SC_DEFAULT;
        break;
    default:
        break;
    }
}
