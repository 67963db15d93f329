// The simulated Open/Save dialog as the lessons use it: the main window fills
// its file list for the chosen type and prepares every showing.
#include "shell/frm_main.h"

#include "lessons/file_table.h"
#include "lessons/frm_opn_dlg.h"
#include "platform/desktop_words.h"
#include "platform/image_list.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

void TfrmMain::FillFileList(QListWidget *list)
{
    FillFileList(list, QDateTime::currentDateTime());
}

void TfrmMain::FillFileList(QListWidget *list, const QDateTime &now)
{
    list->clear();
    const QList<FileRow> rows = fileTableRows(FFileType, currentPage(), now, systemTimeSeparator());
    for (const FileRow &row : rows) {
        auto *item = new QListWidgetItem(row.caption, list);
        item->setIcon(imglDesktopS->icon(row.imageIndex));
        item->setData(FileImageIndexRole, row.imageIndex);
        item->setData(FileWordRole, row.word);
        item->setData(FileDetailsRole, QStringList{row.size, row.typeName, row.modified});
    }
    // A fresh list has no selection; the dialog hears of that once, which
    // leaves the name box as it is.
    list->setCurrentItem(nullptr);
    list->clearSelection();
    if (auto *dialog = qobject_cast<TfrmOpnDlg *>(list->window()))
        dialog->lvFilesSelectItem(list, nullptr, false);
}

bool TfrmMain::ShowFileDialog(FileDialogMode mode)
{
    const bool open = mode == FileDialogMode::OpenDocument2;
    TfrmOpnDlg *dlg = frmOpnDlg;
    // The type box and the list agree: the first type.
    dlg->cbType->setCurrentIndex(0);
    FFileType = 0;
    FillFileList(dlg->lvFiles);
    dlg->setCaption(desktopWord(open ? "OpenCaption" : "SaveCaption"));
    dlg->btnOpen->setText(desktopWord(open ? "ButtonOpen" : "ButtonSave"));
    dlg->Tag = mode;
    // The check runs even when the box was empty already: the mode may
    // have changed since the last showing.
    dlg->edName->clear();
    dlg->edNameChange();
    dlg->edName->setFocus();
    dlg->centreOver(this);
    return dlg->exec() == QDialog::Accepted;
}

void TfrmMain::frmOpnDlgcbTypeT052Change()
{
    FFileType = frmOpnDlg->cbType->currentIndex();
    FillFileList(frmOpnDlg->lvFiles);
}
