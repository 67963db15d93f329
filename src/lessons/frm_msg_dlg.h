#pragma once

#include <QDialog>

// The simulated message box of the lessons (the save-changes question and
// the print-error box).
class TfrmMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMsgDlg(QWidget *parent = nullptr);
};
