// The message boxes of the lessons: the print-error box in the simulated
// message box, and the save-changes question of the word processor.
#include "shell/frm_main.h"

#include "lessons/frm_msg_dlg.h"
#include "platform/desktop_words.h"
#include "platform/error_box.h"
#include "platform/period_look.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

void TfrmMain::ShowPrintErrorBox()
{
    PreparePrintErrorBox();
    frmMsgDlg->ShowModal();  // however it was closed, the lesson goes on the same way
}

void TfrmMain::PreparePrintErrorBox()
{
    TfrmMsgDlg *box = frmMsgDlg;
    setCrispPixmap(box->imgPicture, style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(32, 32), 1.0));
    // The language's texts arrive decoded from its character set, so the
    // box's font needs no character set of its own.
    box->lbText->setText(langText("LABELS", "lbT058Error", ""));
    box->btnDlg1->hide();
    box->btnDlg2->setText(langText("LABELS", "btnT058ErrorOK", "OK"));
    box->btnDlg2->show();
    box->btnDlg2->setFocus();
    box->centreOver(this);
}

bool TfrmMain::AskSaveChanges(const QString &document)
{
    enum { Yes = 10, No, Cancel = QDialog::Rejected };
    const DesktopWords &words = desktopWords();
    TMessageBox dlg(QStyle::SP_MessageBoxWarning, words.text("Warning"), words.saveChanges(document),
                    {{"btnYes", words.text("ButtonYes"), Yes},
                     {"btnNo", words.text("ButtonNo"), No},
                     {"btnCancel", words.text("ButtonCancel"), Cancel}},
                    this);
    dlg.setObjectName(QStringLiteral("SaveChangesQuestion"));
    dlg.centreOver(this);
    // Esc and the close box cancel too.
    return dlg.ask() != Cancel;
}
