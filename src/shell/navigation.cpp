// Navigation: Back, Forward, Contents and Exit, and the learner's progress,
// which limits how far Forward goes and lets a later run resume.
#include "shell/frm_main.h"

#include "platform/components.h"
#include "platform/error_report.h"
#include "platform/ini_file.h"
#include "shell/course_outline.h"
#include "shell/frm_contents.h"
#include "shell/pages.h"
#include "shell/progress.h"

#include <QStackedWidget>
#include <QToolButton>

void TfrmMain::tbBackClick()
{
    if (waitForPageChange([this] { tbBackClick(); }))
        return;
    // Back never leads to the title page (the page table says where it is
    // available).
    if (tbBack->isEnabled())
        ChangePage(currentPage() - 1);
}

void TfrmMain::tbForwardClick()
{
    if (waitForPageChange([this] { tbForwardClick(); }))
        return;
    // Forward never passes the furthest page reached; the title page resumes
    // there.
    if (!tbForward->isEnabled())
        return;
    const int page = currentPage();
    ChangePage(page == Page::T001 ? FMaxIndex : page + 1);
}

void TfrmMain::tbExitClick()
{
    close();
}

void TfrmMain::SaveProgress(int p)
{
    // A refused write is told to the learner; the page change that caused it
    // goes on, and the progress holds for this run. So it does, unwritten, for
    // a progress file that could not be read (told at start-up).
    if (p > currentPage())
        FTaskDone = true;
    if (p > FMaxIndex) {
        FMaxIndex = p;
        if (!FUserFileUnread) {
            try {
                const QByteArray name = FUserFile->readString("USERINFO", "Name", "NONAME");
                // One write: the check code always matches the name beside it.
                FUserFile->writeStrings("USERINFO",
                                        {{"CRC", QByteArray::number(CalcCRC(name))},
                                         {"MaxIndex", QByteArray::number(FMaxIndex)}});
            } catch (const IniWriteError &e) {
                reportError(QString::fromStdString(e.what()));
            }
        }
    }
    tbForward->setEnabled(currentPage() < FMaxIndex);
}

void TfrmMain::tbContentsClick()
{
    // Asked for during a change of page, the dialog opens on the page
    // entered.
    if (waitForPageChange([this] { tbContentsClick(); }))
        return;
    TfrmContents &dlg = *frmContents;
    const int page = currentPage();

    // Centred over the page area, for the dialog's nominal outer size.
    dlg.move((nbMain->width() - 400) / 2, (nbMain->height() - 450) / 2);

    const ContentsTree tree = buildContentsTree(
        dlg.tvCntConst,
        [this](const QByteArray &code) {
            return FLangFile->readBool("PAGES", code + "Enabled", true);
        },
        [this](const QByteArray &code) { return langText("PAGES", code + "Name", code); },
        FMaxIndex, page);
    dlg.fill(tree);

    // The page's timer (countdown, picture fades) waits while the dialog is open.
    const bool timerWasEnabled = tmrTimer->enabled();
    tmrTimer->setEnabled(false);

    const QString caption = langText("PAGES", "T004Name", "Contents");
    dlg.setCaptions(caption, langText("LABELS", "btnT004OK", "OK"), langText("LABELS", "btnT004Cancel", "Cancel"),
                    accessibleText("tvContentsCompleted", "completed"));
    LoadPageInfo(QStringLiteral("T004"));

    const bool ok = dlg.exec() == QDialog::Accepted;
    const int target = dlg.selectedPageIndex();
    tmrTimer->setEnabled(timerWasEnabled);
    if (ok && target > 0) {
        ChangePage(target);
    } else {
        LoadPageInfo(pageCode(page));
    }
}
