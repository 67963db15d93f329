// The page engine: every change of page is LeavePage(current) followed by
// EnterPage(target).
#include "shell/frm_main.h"

#include "lessons/frm_wordpad.h"
#include "platform/panel.h"
#include "shell/pages.h"

#include <QStackedWidget>
#include <QToolButton>

int TfrmMain::currentPage() const
{
    return nbMain->currentIndex();
}

void TfrmMain::EnterPage(int index)
{
    // The title and credits pages fill the screen; the lessons show the taskbar.
    pnTaskbar->setVisible(index != TitlePage && index != CreditsPage);
    pnMain->realign();

    nbMain->setCurrentIndex(index);
    if (QWidget *focused = focusWidget())
        focused->clearFocus();

    tbBack->setEnabled(index >= 2);

    if (frmWordpad && (index < 2 || index > 9))
        frmWordpad->hide();
}

void TfrmMain::LeavePage(int index)
{
    if (index < 0 || index >= PageCount)
        return;
}
