// The page engine: every change of page is LeavePage(current) followed by
// EnterPage(target). EnterPage loads the page's instructions, shows or hides
// the taskbar, runs the page's own set-up, brings the page to the front,
// records progress and places the word processor; LeavePage undoes what the
// page's set-up changed on the shared controls (the page scope).
#include "shell/frm_main.h"

#include "lessons/frm_wordpad.h"
#include "platform/bounded_read.h"
#include "platform/components.h"
#include "platform/panel.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "platform/rtf_reader.h"
#include "shell/pages.h"
#include "shell/panel_keys.h"

#include <QApplication>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <utility>

namespace {

// Each page's own set-up, in the order of the notebook.
using SetUp = void (TfrmMain::*)();

}  // namespace

int TfrmMain::currentPage() const
{
    return nbMain->currentIndex();
}

bool TfrmMain::waitForPageChange(std::function<void()> click)
{
    // EnterPage lets waiting events run: a click that arrives meanwhile is
    // made after this change, not in the middle of it, and then does what it
    // would do on the page showing by then.
    if (!m_changingPage)
        return false;
    m_waitingClicks.push_back(std::move(click));
    return true;
}

void TfrmMain::ChangePage(int target)
{
    // A change a page asks for (its task done, the countdown) holds only
    // while that page still shows.
    const int from = currentPage();
    if (waitForPageChange([this, from, target] {
            if (currentPage() == from)
                ChangePage(target);
        }))
        return;
    if (!pageInfo(target))
        return;
    m_changingPage = true;
    LeavePage(currentPage());
    EnterPage(target);
    endChange();
}

void TfrmMain::endChange()
{
    m_changingPage = false;
    // Each waiting click in turn; one that changes the page takes the rest
    // with it when that change ends.
    while (!m_changingPage && !m_waitingClicks.empty()) {
        const std::function<void()> next = std::move(m_waitingClicks.front());
        m_waitingClicks.erase(m_waitingClicks.begin());
        next();
    }
}

void TfrmMain::EnterPage(int index)
{
    static constexpr SetUp kSetUps[PageCount] = {
        &TfrmMain::EnterT001, &TfrmMain::EnterT051, &TfrmMain::EnterT052, &TfrmMain::EnterT053,
        &TfrmMain::EnterT054, &TfrmMain::EnterT055, &TfrmMain::EnterT056, &TfrmMain::EnterT057,
        &TfrmMain::EnterT058, &TfrmMain::EnterT059, &TfrmMain::EnterT003,
    };
    const PageInfo *page = pageInfo(index);
    if (!page)
        return;
    // A page entered on its own (the first one) is a change too: what waits
    // meanwhile runs after it.
    const bool outer = !std::exchange(m_changingPage, true);
    // A learner working with the keyboard in the info panel stays there.
    QToolButton *panelFocus = m_panelKeys->focusedButton();

    // 1. Let the page that was left repaint and pending input arrive.
    QApplication::processEvents();

    // 2. The page's instructions.
    LoadPageInfo(pageCode(index));

    // 3. The title and credits pages fill the screen; the lessons show the
    // taskbar. The layout follows at once, so nbMain has its final size.
    pnTaskbar->setVisible(page->taskbar);
    pnMain->realign();

    // 4. The page's own set-up.
    FTaskDone = false;
    (this->*kSetUps[index])();

    // 5. and 6. The page comes to the front, and no control of the main
    // window keeps the keyboard focus (the word processor keeps its own, and
    // the navigation buttons theirs).
    nbMain->setCurrentIndex(index);
    if (QWidget *focused = QApplication::focusWidget()) {
        if (isAncestorOf(focused) && !frmWordpad->isAncestorOf(focused) && !m_panelKeys->isButton(focused))
            focused->clearFocus();
    }

    // 7. Entering a page records it as reached; the title page records the
    // first lesson, so Forward always leads on from there.
    SaveProgress(index == Page::T001 ? Page::T051 : index);

    // 8. Back never leads to the title page.
    tbBack->setEnabled(page->back);

    // 9. The word processor is the stage of the lessons from T052 on.
    if (page->wordpadStage) {
        showWordpadForLesson();
        // The edit commands do their standard work, except where the page
        // has just bound its own cut, copy and paste.
        for (TEditAction *a : {frmWordpad->aSelectAll, frmWordpad->aUndo, frmWordpad->aDelete})
            a->OnExecute.unbind();
        if (!page->ownClipboardCommands) {
            for (TEditAction *a : {frmWordpad->aCopy, frmWordpad->aPaste, frmWordpad->aCut})
                a->OnExecute.unbind();
        }
    } else {
        frmWordpad->hide();
        sbWPad->hide();
    }
    m_panelKeys->keepFocus(panelFocus);

    // The learner who gets stuck on a lesson is shown the next step.
    if (index >= Page::T051 && index <= Page::T059)
        startHints();

    // 10. Let the new page paint.
    QApplication::processEvents();

    if (outer)
        endChange();
}

void TfrmMain::showWordpadForLesson()
{
    if (frmWordpad->isVisible())
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
    if (!pageInfo(index))
        return;
    // Whatever the page's set-up changed on the shared controls (and what
    // its handlers registered since) is undone, the last change first.
    m_page.leave();
}

void TfrmMain::LoadPageInfo(const QString &name)
{
    // Only a regular file of a sensible size: a FIFO, a device or a huge
    // file must not hang or stall the course; it counts as a missing page.
    const ReadResult file = readBoundedFile(FInfoPath + name + QStringLiteral(".rtf"),
                                            ReadLimit::CoursePage);
    if (file.ok()) {
        // A page's instructions are kept as laid out for the panel: coming
        // back to a page whose file is unchanged costs a read, not a layout.
        InfoDocument &kept = m_infoDocuments[name];
        if (!kept.document || kept.bytes != file.bytes) {
            auto *doc = new QTextDocument(reMain);
            doc->setDefaultFont(reMain->font());
            if (loadRtf(file.bytes, *doc)) {
                QTextDocument *stale = kept.document;
                kept = {file.bytes, doc};
                reMain->setDocument(doc);
                delete stale;
            } else {
                delete doc;
            }
        }
        if (kept.document && kept.bytes == file.bytes) {
            // The editor frees a document of its own when it is replaced;
            // ours stay with the panel.
            if (reMain->document() != kept.document)
                reMain->setDocument(kept.document);
            announceInstructions(name);
            return;
        }
    }
    // A missing or unreadable file leaves the panel as it was.
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
