#include "lessons/frm_msg_dlg.h"

TfrmMsgDlg::TfrmMsgDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMsgDlg"));
}
