// Lessons T051 to T055: starting the word processor from the Start menu,
// opening a document, a new document and the save-changes question, typing,
// and cut, copy and paste. Each page binds its handlers when it is entered and
// gives every event back its own handler (or none) when it is left.
#include "shell/frm_main.h"

#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "platform/rtf_reader.h"
#include "platform/tool_bar.h"

#include <QFile>
#include <QMenu>
#include <QStackedWidget>
#include <QTextDocument>
#include <QToolButton>

void TfrmMain::bindWordpadLesson()
{
    frmWordpad->OnShow.bind([this] { frmWPadT052Show(); });
    frmWordpad->whHook->OnBeforeMessage.bind(
        [this](QObject *sender, TMessage &msg, bool &handled) {
            whHookT052BeforeMessage(sender, msg, handled);
        });
}

void TfrmMain::unbindWordpadLesson()
{
    frmWordpad->OnShow.unbind();
    frmWordpad->whHook->OnBeforeMessage.unbind();
}

void TfrmMain::EnterLesson(int index)
{
    TfrmWordpad *wp = frmWordpad;
    switch (index) {
    case 1:  // T051: the Start menu
        imgT051Start->setPicture(imgStart->picture());
        imgT051Start->move(0, nbMain->height() - imgT051Start->height() + 3);
        sbStartOnClick.bind([this] { sbStartT051Click(); });
        mupuStartWordpad->OnExecute.bind([this] { mupuStartWordpadT051Click(); });
        break;
    case 2:  // T052: the Open dialog
        imgT05xDesktop[0]->setPicture(imgT031Desktop->picture());
        bindWordpadLesson();
        wp->aOpen->OnExecute.bind([this] { frmWPadaOpenT052Execute(); });
        wp->enableFileButtons(false, true, false, false);
        frmOpnDlg->OncbTypeChange.bind([this] { frmOpnDlgcbTypeT052Change(); });
        FStep = 0;
        break;
    case 3: {  // T053: a new document and the save-changes question
        pnTaskbar->setEnabled(false);
        imgT05xDesktop[1]->setPicture(imgT031Desktop->picture());
        wp->setCaption(QStringLiteral("Document2 - Wordpad"));
        bindWordpadLesson();
        // A document that cannot be read is reported; the page still works
        // with an empty document, since a change and New still ask.
        const QString path = FInfoPath + QStringLiteral("T052Txt.rtf");
        QFile file(path);
        QString why;
        bool loaded = false;
        if (!file.open(QIODevice::ReadOnly))
            why = file.errorString();
        else
            loaded = loadRtf(file.readAll(), *wp->reWPad->document(), &why);
        if (!loaded) {
            wp->reWPad->clear();
            reportError(QStringLiteral("The lesson's document %1 could not be loaded: %2").arg(path, why));
        }
        wp->reWPad->document()->clearUndoRedoStacks();
        wp->reWPad->document()->setModified(false);
        wp->reWPad->moveCursor(QTextCursor::Start);
        wp->aNew->OnExecute.bind([this] { frmWPadaNewT053Execute(); });
        wp->enableFileButtons(true, false, false, false);
        break;
    }
    case 4:  // T054: typing
        pnTaskbar->setEnabled(false);
        imgT05xDesktop[2]->setPicture(imgT031Desktop->picture());
        bindWordpadLesson();
        wp->reWPad->clear();
        wp->reWPad->OnChange.bind([this] { frmWPadreWPadT054Change(); });
        wp->enableFileButtons(false, false, false, false);
        break;
    case 5:  // T055: cut, copy and paste
        pnTaskbar->setEnabled(false);
        imgT05xDesktop[3]->setPicture(imgT031Desktop->picture());
        bindWordpadLesson();
        wp->aCut->OnExecute.bind([this] { frmWPadaCutT055Execute(); });
        wp->aCopy->OnExecute.bind([this] { frmWPadaCopyT055Execute(); });
        wp->aPaste->OnExecute.bind([this] { frmWPadaPasteT055Execute(); });
        wp->enableFileButtons(false, false, false, false);
        break;
    default:
        EnterLaterLesson(index);
        break;
    }
}

void TfrmMain::LeaveLesson(int index)
{
    if (index < 1 || index > 9)
        return;
    TfrmWordpad *wp = frmWordpad;
    pnTaskbar->setEnabled(true);
    switch (index) {
    case 1:
        imgT051Start->hide();
        imgT051Start->releasePicture();
        sbStartOnClick.unbind();
        mupuStartWordpad->OnExecute.unbind();
        ReleaseStartButton();
        break;
    case 2:
        unbindWordpadLesson();
        wp->aOpen->OnExecute.bind([wp] { wp->aOpenExecute(); });
        wp->enableFileButtons(true, true, true, true);
        frmOpnDlg->OncbTypeChange.unbind();
        break;
    case 3:
        imgT05xDesktop[1]->releasePicture();
        wp->setCaption(QStringLiteral("Document - Wordpad"));
        unbindWordpadLesson();
        wp->reWPad->clear();
        wp->aNew->OnExecute.bind([wp] { wp->aNewExecute(); });
        wp->enableFileButtons(true, true, true, true);
        break;
    case 4:
        imgT05xDesktop[2]->releasePicture();
        unbindWordpadLesson();
        wp->reWPad->OnChange.unbind();
        wp->enableFileButtons(true, true, true, true);
        break;
    case 5:
        imgT05xDesktop[3]->releasePicture();
        unbindWordpadLesson();
        wp->aCut->OnExecute.unbind();
        wp->aCopy->OnExecute.unbind();
        wp->aPaste->OnExecute.unbind();
        wp->enableFileButtons(true, true, true, true);
        break;
    default:
        LeaveLaterLesson(index);
        break;
    }
}

void TfrmMain::sbStartT051Click()
{
    StartButtonToggle(imgT051Start);
}

void TfrmMain::imgT051StartMouseMove(Qt::KeyboardModifiers, int, int y)
{
    // Programs opens its submenu at the menu's top right corner at once.
    if (StartMenuHitTest(imgT051Start, y) == 1) {
        const QPoint corner(imgT051Start->width() - 2, nbMain->height() - imgT051Start->height() + 3);
        pmStart->exec(nbMain->mapToGlobal(corner));
    }
}

void TfrmMain::mupuStartWordpadT051Click()
{
    frmWordpad->reWPad->clear();
    StartButtonToggle(imgT051Start);
    LeavePage(1);
    EnterPage(2);
}

void TfrmMain::frmWPadaOpenT052Execute()
{
    if (ShowFileDialog(QStringLiteral("Open"), 1)) {
        LeavePage(2);
        EnterPage(3);
    }
}

void TfrmMain::frmWPadaNewT053Execute()
{
    if (!frmWordpad->reWPad->document()->isModified())
        return;
    // Yes and No both go on (nothing is saved); Cancel changes nothing.
    if (AskSaveChanges(QStringLiteral("Save changes to Document2?"))) {
        LeavePage(3);
        EnterPage(4);
    }
}

void TfrmMain::frmWPadreWPadT054Change()
{
    if (frmWordpad->reWPad->LineCount() > 4)
        SaveProgress(5);
}

void TfrmMain::frmWPadaCutT055Execute()
{
    frmWordpad->reWPad->cut();
}

void TfrmMain::frmWPadaCopyT055Execute()
{
    frmWordpad->reWPad->copy();
}

void TfrmMain::frmWPadaPasteT055Execute()
{
    frmWordpad->reWPad->paste();
    SaveProgress(6);
}
