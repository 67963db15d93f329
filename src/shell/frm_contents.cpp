#include "shell/frm_contents.h"

TfrmContents::TfrmContents(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmContents"));
    setFixedSize(392, 423);
}
