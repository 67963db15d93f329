// The page engine: every change of page is LeavePage(current) followed by
// EnterPage(target). EnterPage loads the page's instructions, shows or hides
// the taskbar, runs the page's own set-up, brings the page to the front,
// records progress and places the word processor; LeavePage undoes the
// page's own set-up.
#include "shell/frm_main.h"

#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/panel.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "platform/rtf_reader.h"
#include "shell/pages.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

int TfrmMain::currentPage() const
{
    return nbMain->currentIndex();
}

void TfrmMain::EnterPage(int index)
{
    if (index < 0 || index >= PageCount)
        return;

    // 1. Let the page that was left repaint and pending input arrive.
    QApplication::processEvents();

    // 2. The page's instructions.
    LoadPageInfo(pageCode(index));

    // 3. The title and credits pages fill the screen; the lessons show the
    // taskbar. The layout follows at once, so nbMain has its final size.
    pnTaskbar->setVisible(index != TitlePage && index != CreditsPage);
    pnMain->realign();

    // 4. The page's own set-up.
    switch (index) {
    case TitlePage:
        EnterTitlePage();
        break;
    case CreditsPage:
        EnterCreditsPage();
        break;
    default:
        EnterLesson(index);
        break;
    }

    // 5. and 6. The page comes to the front, and no control of the main
    // window keeps the keyboard focus (the word processor keeps its own).
    nbMain->setCurrentIndex(index);
    if (QWidget *focused = QApplication::focusWidget()) {
        if (isAncestorOf(focused) && !(frmWordpad && frmWordpad->isAncestorOf(focused)))
            focused->clearFocus();
    }

    // 7. Entering a page records it as reached; the title page records the
    // first lesson, so Forward always leads on from there.
    SaveProgress(std::max(index, index == TitlePage ? 1 : -1));

    // 8. Back never leads to the title page.
    tbBack->setEnabled(index >= 2);

    // 9. The word processor is the stage of the lessons T052 to T059.
    if (index >= 2 && index <= 9) {
        showWordpadForLesson();
        // The edit commands do their standard work, except where T055 has
        // just bound its own cut, copy and paste.
        for (TEditAction *a : {frmWordpad->aSelectAll, frmWordpad->aUndo, frmWordpad->aDelete})
            a->OnExecute.unbind();
        if (index != 5) {
            for (TEditAction *a : {frmWordpad->aCopy, frmWordpad->aPaste, frmWordpad->aCut})
                a->OnExecute.unbind();
        }
    } else if (frmWordpad) {
        frmWordpad->hide();
        sbWPad->hide();
    }

    // 10. Let the new page paint.
    QApplication::processEvents();
}

void TfrmMain::showWordpadForLesson()
{
    if (!frmWordpad || frmWordpad->isVisible())
        return;  // a window already showing keeps its size and place
    const QSize limit = frmWordpad->maximumSize();
    const int w = limit.width() * 9 / 10;
    const int h = limit.height() * 6 / 10;
    frmWordpad->setGeometry((nbMain->width() - w) / 2, (nbMain->height() - h) / 2, w, h);
    frmWordpad->raise();
    frmWordpad->show();
    // A window that appears is the active one: the learner can type at once.
    frmWordpad->reWPad->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::LeavePage(int index)
{
    switch (index) {
    case TitlePage:
        LeaveTitlePage();
        break;
    case CreditsPage:
        LeaveCreditsPage();
        break;
    default:
        LeaveLesson(index);
        break;
    }
}

void TfrmMain::LoadPageInfo(const QString &name)
{
    QFile file(FInfoPath + name + QStringLiteral(".rtf"));
    auto *doc = new QTextDocument(reMain);
    doc->setDefaultFont(reMain->font());
    if (file.open(QIODevice::ReadOnly) && loadRtf(file.readAll(), *doc)) {
        // The editor frees a document of its own when it is replaced; one
        // of ours (a page loaded before) is freed here.
        QTextDocument *old = reMain->document();
        const bool ours = old->parent() == reMain;
        reMain->setDocument(doc);
        if (ours)
            delete old;
        return;
    }
    // A missing file leaves the panel as it was.
    delete doc;
    showErrorBox(QStringLiteral("Error"), langText("LABELS", "ErrorLoadingInfo", "!!!"));
    requestTermination();
}

void TfrmMain::requestTermination()
{
    m_terminationRequested = true;
    // Queued: the caller carries on, and the program ends once control is back
    // in the event loop.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
