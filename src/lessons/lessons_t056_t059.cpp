// Lessons T056 to T059: saving the document as "My Document", closing the
// word processor and reopening the document from the Start menu's Documents
// list, printing, and the final exercise (a new document with comments,
// saved, then the window closed), which completes the course.
//
// "My Document" lives in the learner's progress file, so it survives the
// closing of the window on T057 and a restart of the program.
#include "shell/frm_main.h"

#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/panel.h"
#include "platform/period_look.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "platform/safe_format.h"

#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTextDocument>
#include <QToolButton>

namespace {

const QString kMyDocumentCaption = QStringLiteral("My Document - Wordpad");
const QString kDocumentCaption = QStringLiteral("Document - Wordpad");

constexpr int kLogoPanelWidth = 484;
constexpr int kLogoPanelHeight = 364;

}  // namespace

void TfrmMain::createCompletionPanel()
{
    QWidget *page = nbMain->widget(9);
    pnT059Logo = new TPanel(page);
    pnT059Logo->setObjectName(QStringLiteral("pnT059Logo"));
    pnT059Logo->setBevels(TPanel::Bevel::Raised, TPanel::Bevel::Raised);
    pnT059Logo->resize(kLogoPanelWidth, kLogoPanelHeight);
    pnT059Logo->hide();

    // Bottom to top: the picture, its frame, the chapter line between two
    // rules, and the congratulation above them.
    imgT059Logo = new QLabel(pnT059Logo);
    imgT059Logo->setObjectName(QStringLiteral("imgT059Logo"));
    imgT059Logo->setGeometry(2, 2, 480, 360);

    addBevel(pnT059Logo, TBevel::Shape::Frame, "Bevel17", QRect(8, 8, 467, 346));

    lbT059TCmp = transparentLabel(pnT059Logo, "lbT059TCmp", QRect(15, 336, 454, 13));
    lbT059TCmp->setFont(periodFont(QStringLiteral("Tahoma"), 11));

    addBevel(pnT059Logo, TBevel::Shape::BottomLine, "Bevel18", QRect(13, 280, 457, 6));
    addBevel(pnT059Logo, TBevel::Shape::BottomLine, "Bevel19", QRect(13, 324, 457, 6));

    lbT059Cngr = transparentLabel(pnT059Logo, "lbT059Cngr", QRect(15, 292, 454, 33));
    QFont big = periodFont(QStringLiteral("Arial"), 24, true);
    big.setItalic(true);
    lbT059Cngr->setFont(big);
}

void TfrmMain::EnterLaterLesson(int index)
{
    TfrmWordpad *wp = frmWordpad;
    pnTaskbar->setEnabled(false);
    switch (index) {
    case 6:  // T056: saving under a name
        imgT05xDesktop[4]->setPicture(imgT031Desktop->picture());
        bindWordpadLesson();
        wp->aSave->OnExecute.bind([this] { frmWPadaSaveT056Execute(); });
        wp->enableFileButtons(false, false, wp->tbSave->isEnabled(), false);
        frmOpnDlg->OncbTypeChange.bind([this] { frmOpnDlgcbTypeT052Change(); });
        FStep = 0;
        FDocState = 0;
        break;
    case 7:  // T057: closing the program, reopening from Documents
        imgT05xDesktop[5]->setPicture(imgT031Desktop->picture());
        imgT057Start->setPicture(imgStart->picture());
        imgT057Start->move(0, nbMain->height() - imgT057Start->height() + 3);
        sbStartOnClick.bind([this] { sbStartT057Click(); });
        mupuDocMyDoc->OnExecute.bind([this] { mupuDocMyDocT057Click(); });
        wp->setCaption(kMyDocumentCaption);
        wp->OnShow.bind([this] { frmWPadT052Show(); });
        wp->reWPad->setReadOnly(true);
        wp->whHook->OnBeforeMessage.bind([this](QObject *sender, TMessage &msg, bool &handled) {
            whHookT057BeforeMessage(sender, msg, handled);
        });
        break;
    case 8:  // T058: printing
        imgT05xDesktop[6]->setPicture(imgT031Desktop->picture());
        wp->setCaption(kMyDocumentCaption);
        loadMyDocument();
        bindWordpadLesson();
        wp->reWPad->setReadOnly(true);
        wp->aPrint->OnExecute.bind([this] { frmWPadaPrintT058Execute(); });
        wp->enableFileButtons(false, false, false, wp->tbPrint->isEnabled());
        break;
    case 9:  // T059: the final exercise
        pnT059Logo->hide();
        pnT059Logo->move((nbMain->width() - pnT059Logo->width()) / 2,
                         (nbMain->height() - pnT059Logo->height()) / 2);
        imgT05xDesktop[7]->show();
        imgT05xDesktop[7]->setPicture(imgT031Desktop->picture());
        wp->setCaption(kMyDocumentCaption);
        loadMyDocument();
        wp->OnShow.bind([this] { frmWPadT052Show(); });
        wp->whHook->OnBeforeMessage.bind([this](QObject *sender, TMessage &msg, bool &handled) {
            whHookT059BeforeMessage(sender, msg, handled);
        });
        wp->aNew->OnExecute.bind([this] { frmWPadaNewT059Execute(); });
        wp->aSave->OnExecute.bind([this] { frmWPadaSaveT059Execute(); });
        wp->aPrint->OnExecute.bind([this] { frmWPadaPrintT059Execute(); });
        wp->enableFileButtons(wp->tbNew->isEnabled(), false, false, wp->tbPrint->isEnabled());
        frmOpnDlg->OncbTypeChange.bind([this] { frmOpnDlgcbTypeT052Change(); });
        FStep = 0;
        FDocState = 0;
        break;
    default:
        break;
    }
}

void TfrmMain::LeaveLaterLesson(int index)
{
    TfrmWordpad *wp = frmWordpad;
    if (index < 6 || index > 9)
        return;
    imgT05xDesktop[index - 2]->releasePicture();
    wp->setCaption(kDocumentCaption);
    unbindWordpadLesson();
    wp->enableFileButtons(true, true, true, true);
    switch (index) {
    case 6:
        wp->aSave->OnExecute.bind([wp] { wp->aSaveExecute(); });
        frmOpnDlg->OncbTypeChange.unbind();
        break;
    case 7:
        imgT057Start->hide();
        imgT057Start->releasePicture();
        sbStartOnClick.unbind();
        mupuDocMyDoc->OnExecute.unbind();
        ReleaseStartButton();
        wp->reWPad->setReadOnly(false);
        break;
    case 8:
        wp->reWPad->setReadOnly(false);
        wp->aPrint->OnExecute.bind([wp] { wp->aPrintExecute(); });
        break;
    case 9:
        wp->aNew->OnExecute.bind([wp] { wp->aNewExecute(); });
        wp->aSave->OnExecute.bind([wp] { wp->aSaveExecute(); });
        wp->aPrint->OnExecute.bind([wp] { wp->aPrintExecute(); });
        frmOpnDlg->OncbTypeChange.unbind();
        // F3 starts the course again only from the completed exercise.
        aF3Key->setEnabled(false);
        aF3Key->OnExecute.unbind();
        break;
    default:
        break;
    }
}

void TfrmMain::loadMyDocument()
{
    TRichEdit *re = frmWordpad->reWPad;
    const QStringList lines =
        FUserFile ? loadDocument(*FUserFile, "DOCUMENT", CodePage::forCharset(FCharset)) : QStringList();
    re->setPlainText(lines.join(QLatin1Char('\n')));
    // A document just opened is unchanged, and Undo cannot bring back the
    // text that was there before.
    re->document()->clearUndoRedoStacks();
    re->document()->setModified(false);
    re->moveCursor(QTextCursor::Start);
}

bool TfrmMain::storeWordpadText(QByteArrayView section)
{
    if (!FUserFile)
        return false;
    try {
        storeDocument(*FUserFile, section, documentLines(frmWordpad->reWPad->toPlainText()));
        return true;
    } catch (const IniWriteError &e) {
        reportError(QString::fromStdString(e.what()));
        return false;
    }
}

void TfrmMain::printWordpadText(const QString &jobName)
{
    TfrmWordpad::PrintOutcome outcome;
    try {
        outcome = frmWordpad->printText(jobName);
    } catch (const std::exception &) {
        outcome = TfrmWordpad::PrintOutcome::Failed;  // the learner sees the box, not the reason
    }
    if (outcome == TfrmWordpad::PrintOutcome::Failed)
        ShowPrintErrorBox();
}

void TfrmMain::frmWPadaSaveT056Execute()
{
    // The first save of a visit asks for the name; later ones save at once.
    if (FDocState != 1 && !ShowFileDialog(QStringLiteral("Save"), 2))
        return;
    if (!storeWordpadText("DOCUMENT"))
        return;
    frmWordpad->setCaption(kMyDocumentCaption);
    SaveProgress(7);
    FDocState = 1;
}

void TfrmMain::sbStartT057Click()
{
    StartButtonToggle(imgT057Start);
}

void TfrmMain::imgT057StartMouseMove(Qt::KeyboardModifiers, int, int y)
{
    // Documents opens its submenu beside its own row, 33 pixels below the
    // menu's top edge.
    if (StartMenuHitTest(imgT057Start, y) == 2) {
        const QPoint corner(imgT057Start->width() - 2, nbMain->height() - imgT057Start->height() + 36);
        pmDocuments->exec(nbMain->mapToGlobal(corner));
    }
}

void TfrmMain::mupuDocMyDocT057Click()
{
    sbStartT057Click();
    LeavePage(7);
    EnterPage(8);
}

void TfrmMain::frmWPadaPrintT058Execute()
{
    printWordpadText(QStringLiteral("My Document"));
    SaveProgress(9);  // printed, cancelled or failed: the lesson is done
}

void TfrmMain::frmWPadaNewT059Execute()
{
    if (FDocState != 0)
        return;
    // Yes and No both go on (nothing is saved); Cancel changes nothing.
    if (frmWordpad->reWPad->document()->isModified()
        && !AskSaveChanges(QStringLiteral("Save changes to My Document?")))
        return;
    frmWordpad->reWPad->clear();
    FDocState = 1;
    frmWordpad->setCaption(kDocumentCaption);
    frmWordpad->tbSave->setEnabled(true);
    frmWordpad->tbNew->setEnabled(false);
}

void TfrmMain::frmWPadaSaveT059Execute()
{
    if (FDocState == 0)
        return;  // nothing to save before the new document
    if (FDocState == 1 && !ShowFileDialog(QStringLiteral("Save"), 3))
        return;
    if (!storeWordpadText("COMMENTS"))
        return;
    frmWordpad->setCaption(QStringLiteral("Comments - Wordpad"));
    FDocState = 2;
}

void TfrmMain::frmWPadaPrintT059Execute()
{
    printWordpadText(QStringLiteral("Comments"));
}

void TfrmMain::CompleteCourse()
{
    imgT05xDesktop[7]->hide();
    pnTaskbar->hide();
    LoadPageInfo(QStringLiteral("T059Cmp"));
    aF3Key->OnExecute.bind([this] { aF3KeyT059Execute(); });
    aF3Key->setEnabled(true);
    imgT059Logo->setPixmap(imgT001Logo->pixmap());
    lbT059Cngr->setText(langText("LABELS", "lbCongratulations", ""));
    lbT059TCmp->setText(formatOrVerbatim(langText("LABELS", "lbTopicComplete", ""),
                                         {langText("PAGES", "T050Name", "")}));
    pnT059Logo->show();
    pnT059Logo->raise();
    SaveProgress(10);
}

void TfrmMain::aF3KeyT059Execute()
{
    LeavePage(9);
    EnterPage(1);
}
