// Lessons T051 to T055: starting the word processor from the Start menu,
// opening a document, a new document and the save-changes question, typing,
// and cut, copy and paste. Each page's set-up (EnterT05x) registers what it
// changes on the shared controls in the page scope, which undoes it, the last
// change first, when the page is left.
#include "shell/frm_main.h"

#include "lessons/file_table.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/bounded_read.h"
#include "platform/components.h"
#include "platform/desktop_words.h"
#include "platform/error_report.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "platform/rtf_reader.h"
#include "platform/tool_bar.h"
#include "shell/pages.h"

#include <QApplication>
#include <QMenu>
#include <QStackedWidget>
#include <QTextDocument>
#include <QToolButton>

void TfrmMain::EnterT051()
{
    // The Start menu: Programs > Accessories > Wordpad starts the word
    // processor. The taskbar takes input.
    prepareStartMenu(imgT051Start, &TfrmMain::sbStartT051Click);
    m_page.bind(mupuStartWordpad->OnExecute, [this] { mupuStartWordpadT051Click(); });
    // The keyboard starts on Start when it is nowhere yet (coming from the
    // title page): a screen reader then says where the learner is, and
    // follows the Start menu that Ctrl+Esc opens from there. A learner on
    // the navigation buttons stays there.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == this)
        sbStart->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::EnterT052()
{
    // Opening Document2 through the Open dialog. The taskbar stays live, so
    // sbWPad can be clicked.
    //
    // Kept when the page is left, unlike the later lessons' desktops: the
    // page copies it anew whenever it is entered.
    imgT052Desktop->setPicture(imgT031Desktop->picture());
    bindWordpadLesson(&TfrmMain::whHookT052BeforeMessage);
    TfrmWordpad *wp = frmWordpad;
    m_page.bind(wp->aOpen->OnExecute, [this] { frmWPadaOpenT052Execute(); });
    m_page.setEnabled({wp->tbNew, wp->tbSave, wp->tbPrint}, false);
    m_page.bind(frmOpnDlg->OncbTypeChange, [this] { frmOpnDlgcbTypeT052Change(); });
    FFileType = 0;
}

void TfrmMain::EnterT053()
{
    // A new document, and the save-changes question.
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT053Desktop);
    bindWordpadLesson(&TfrmMain::whHookT052BeforeMessage);
    wp->setCaption(desktopWords().windowCaption(desktopWord("Document2")));
    // The letter goes with the page.
    m_page.onLeave([wp] { wp->reWPad->clear(); });
    // A document that cannot be read is reported; the page still works with
    // an empty document, since a change and New still ask.
    const QString path = FInfoPath + QStringLiteral("T052Txt.rtf");
    const ReadResult file = readBoundedFile(path, ReadLimit::LessonDocument);
    QString why;
    if (file.status == ReadStatus::Missing)
        why = QStringLiteral("the file is missing");
    if (file.status != ReadStatus::Ok && file.status != ReadStatus::Missing) {
        wp->reWPad->clear();
        reportError(unableToReadMessage(path));
    } else if (!file.ok() || !loadRtf(file.bytes, *wp->reWPad->document(), &why)) {
        wp->reWPad->clear();
        reportError(QStringLiteral("The lesson's document %1 could not be loaded: %2").arg(path, why));
    }
    wp->reWPad->document()->clearUndoRedoStacks();
    wp->reWPad->document()->setModified(false);
    wp->reWPad->moveCursor(QTextCursor::Start);
    m_page.bind(wp->aNew->OnExecute, [this] { frmWPadaNewT053Execute(); });
    m_page.setEnabled({wp->tbOpen, wp->tbSave, wp->tbPrint}, false);
}

void TfrmMain::EnterT054()
{
    // Typing five lines in an empty document. What the learner types stays
    // in the word processor for the next lessons.
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT054Desktop);
    bindWordpadLesson(&TfrmMain::whHookT052BeforeMessage);
    wp->reWPad->clear();
    m_page.bind(wp->reWPad->OnChange, [this] { frmWPadreWPadT054Change(); });
    m_page.setEnabled({wp->tbNew, wp->tbOpen, wp->tbSave, wp->tbPrint}, false);
}

void TfrmMain::EnterT055()
{
    // Cut, copy and paste on the text typed on T054. The page engine leaves
    // these three commands to the page (the page table says so).
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT055Desktop);
    bindWordpadLesson(&TfrmMain::whHookT052BeforeMessage);
    FCopiedOnPage = false;
    m_page.bind(wp->aCut->OnExecute, [this] { frmWPadaCutT055Execute(); });
    m_page.bind(wp->aCopy->OnExecute, [this] { frmWPadaCopyT055Execute(); });
    m_page.bind(wp->aPaste->OnExecute, [this] { frmWPadaPasteT055Execute(); });
    m_page.setEnabled({wp->tbNew, wp->tbOpen, wp->tbSave, wp->tbPrint}, false);
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
    ChangePage(Page::T052);
}

void TfrmMain::frmWPadaOpenT052Execute()
{
    if (ShowFileDialog(FileDialogMode::OpenDocument2))
        ChangePage(Page::T053);
}

void TfrmMain::frmWPadaNewT053Execute()
{
    if (!frmWordpad->reWPad->document()->isModified())
        return;
    // Yes and No both go on (nothing is saved); Cancel changes nothing.
    if (AskSaveChanges(desktopWord("Document2")))
        ChangePage(Page::T054);
}

void TfrmMain::frmWPadreWPadT054Change()
{
    if (frmWordpad->reWPad->LineCount() > 4)
        SaveProgress(Page::T055);
}

void TfrmMain::frmWPadaCutT055Execute()
{
    frmWordpad->reWPad->cut();
    FCopiedOnPage = true;
}

void TfrmMain::frmWPadaCopyT055Execute()
{
    frmWordpad->reWPad->copy();
    FCopiedOnPage = true;
}

void TfrmMain::frmWPadaPasteT055Execute()
{
    frmWordpad->reWPad->paste();
    SaveProgress(Page::T056);
}
