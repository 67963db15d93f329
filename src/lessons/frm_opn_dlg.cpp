#include "lessons/frm_opn_dlg.h"

TfrmOpnDlg::TfrmOpnDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOpnDlg"));
}
