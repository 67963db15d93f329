// Lessons T056 to T059: saving the document as "My Document", closing the
// word processor and reopening the document from the Start menu's Documents
// list, printing, and the final exercise (a new document with comments,
// saved, then the window closed), which completes the course.
//
// "My Document" lives in the learner's progress file, so it survives the
// closing of the window on T057 and a restart of the program.
#include "shell/frm_main.h"

#include "lessons/file_table.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/components.h"
#include "platform/desktop_words.h"
#include "platform/error_report.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/panel.h"
#include "platform/period_look.h"
#include "platform/rich_edit.h"
#include "platform/safe_format.h"
#include "shell/pages.h"

#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTextDocument>
#include <QToolButton>

namespace {

QString myDocumentCaption()
{
    return desktopWords().windowCaption(desktopWord("MyDocument"));
}

constexpr int kLogoPanelWidth = 484;
constexpr int kLogoPanelHeight = 364;

}  // namespace

void TfrmMain::createCompletionPanel()
{
    QWidget *page = nbMain->widget(Page::T059);
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

void TfrmMain::EnterT056()
{
    // Saving the document typed on T054 and T055 as "My Document".
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT056Desktop);
    bindWordpadLesson(&TfrmMain::whHookT052BeforeMessage);
    m_page.bind(wp->aSave->OnExecute, [this] { frmWPadaSaveT056Execute(); });
    m_page.setEnabled({wp->tbNew, wp->tbOpen, wp->tbPrint}, false);
    m_page.bind(frmOpnDlg->OncbTypeChange, [this] { frmOpnDlgcbTypeT052Change(); });
    FFileType = 0;
    FSaveState = T056State::Unsaved;
}

void TfrmMain::EnterT057()
{
    // Closing the word processor, then reopening My Document from the Start
    // menu's Documents list. The taskbar takes input once the window is
    // closed (the lesson's hook).
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT057Desktop);
    prepareStartMenu(imgT057Start, &TfrmMain::sbStartT057Click);
    m_page.bind(mupuDocMyDoc->OnExecute, [this] { mupuDocMyDocT057Click(); });
    bindWordpadLesson(&TfrmMain::whHookT057BeforeMessage);
    wp->setCaption(myDocumentCaption());
    wp->reWPad->setReadOnly(true);
}

void TfrmMain::EnterT058()
{
    // Printing My Document, read back from the progress file.
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    showDesktop(imgT058Desktop);
    bindWordpadLesson(&TfrmMain::whHookT058BeforeMessage);
    wp->setCaption(myDocumentCaption());
    loadMyDocument();
    wp->reWPad->setReadOnly(true);
    m_page.bind(wp->aPrint->OnExecute, [this] { frmWPadaPrintT058Execute(); });
    m_page.setEnabled({wp->tbNew, wp->tbOpen, wp->tbSave}, false);
}

void TfrmMain::EnterT059()
{
    // The final exercise: New, type comments, Save as "Comments", close.
    // The panel and the desktop picture's visibility are the page's own and
    // are put right here, not when the page is left.
    TfrmWordpad *wp = frmWordpad;
    m_page.setEnabled({pnTaskbar}, false);
    pnT059Logo->hide();
    pnT059Logo->move((nbMain->width() - pnT059Logo->width()) / 2,
                     (nbMain->height() - pnT059Logo->height()) / 2);
    imgT059Desktop->show();
    showDesktop(imgT059Desktop);
    bindWordpadLesson(&TfrmMain::whHookT059BeforeMessage);
    wp->setCaption(myDocumentCaption());
    loadMyDocument();
    m_page.bind(wp->aNew->OnExecute, [this] { frmWPadaNewT059Execute(); });
    m_page.bind(wp->aSave->OnExecute, [this] { frmWPadaSaveT059Execute(); });
    m_page.bind(wp->aPrint->OnExecute, [this] { frmWPadaPrintT059Execute(); });
    m_page.setEnabled({wp->tbOpen, wp->tbSave}, false);
    m_page.bind(frmOpnDlg->OncbTypeChange, [this] { frmOpnDlgcbTypeT052Change(); });
    FFileType = 0;
    FExerciseState = T059State::MyDocument;
}

void TfrmMain::loadMyDocument()
{
    TRichEdit *re = frmWordpad->reWPad;
    const QStringList lines = loadDocument(*FUserFile, "DOCUMENT", CodePage::forCharset(FCharset));
    re->setPlainText(lines.join(QLatin1Char('\n')));
    // A document just opened is unchanged, and Undo cannot bring back the
    // text that was there before.
    re->document()->clearUndoRedoStacks();
    re->document()->setModified(false);
    re->moveCursor(QTextCursor::Start);
}

bool TfrmMain::storeWordpadText(QByteArrayView section)
{
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
    if (FSaveState != T056State::Saved && !ShowFileDialog(FileDialogMode::SaveMyDocument))
        return;
    if (!storeWordpadText("DOCUMENT"))
        return;
    frmWordpad->setCaption(myDocumentCaption());
    SaveProgress(Page::T057);
    FSaveState = T056State::Saved;
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
    ChangePage(Page::T058);
}

void TfrmMain::frmWPadaPrintT058Execute()
{
    printWordpadText(desktopWord("MyDocument"));
    SaveProgress(Page::T059);  // printed, cancelled or failed: the lesson is done
}

void TfrmMain::frmWPadaNewT059Execute()
{
    if (FExerciseState != T059State::MyDocument)
        return;
    // Yes and No both go on (nothing is saved); Cancel changes nothing.
    if (frmWordpad->reWPad->document()->isModified()
        && !AskSaveChanges(desktopWord("MyDocument")))
        return;
    frmWordpad->reWPad->clear();
    FExerciseState = T059State::NewDocument;
    frmWordpad->setCaption(desktopWords().windowCaption(desktopWord("DocumentUntitled")));
    frmWordpad->tbSave->setEnabled(true);
    frmWordpad->tbNew->setEnabled(false);
}

void TfrmMain::frmWPadaSaveT059Execute()
{
    if (FExerciseState == T059State::MyDocument)
        return;  // nothing to save before the new document
    if (FExerciseState == T059State::NewDocument
        && !ShowFileDialog(FileDialogMode::SaveComments))
        return;
    if (!storeWordpadText("COMMENTS"))
        return;
    frmWordpad->setCaption(desktopWords().windowCaption(desktopWord("Comments")));
    FExerciseState = T059State::CommentsSaved;
}

void TfrmMain::frmWPadaPrintT059Execute()
{
    printWordpadText(desktopWord("Comments"));
}

void TfrmMain::CompleteCourse()
{
    imgT059Desktop->hide();
    pnTaskbar->hide();
    LoadPageInfo(QStringLiteral("T059Cmp"));
    // F3 starts the course again, only from the completed exercise.
    m_page.bind(aF3Key->OnExecute, [this] { aF3KeyT059Execute(); });
    m_page.setEnabled(aF3Key, true);
    imgT059Logo->setPixmap(imgT001Logo->pixmap());
    lbT059Cngr->setText(langText("LABELS", "lbCongratulations", ""));
    lbT059TCmp->setText(formatOrVerbatim(langText("LABELS", "lbTopicComplete", ""),
                                         {langText("PAGES", "T050Name", "")}));
    pnT059Logo->show();
    pnT059Logo->raise();
    SaveProgress(Page::T003);
}

void TfrmMain::aF3KeyT059Execute()
{
    ChangePage(Page::T051);
}
