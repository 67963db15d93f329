#pragma once

#include "platform/classic_window.h"

class QLabel;
class QPushButton;

// The simulated message box of the lessons: an icon, a text and two buttons
// in the period look. It has no behaviour of its own: whoever shows it fills
// in the icon, the text and the buttons first (the print-error box,
// TfrmMain::ShowPrintErrorBox).
class TfrmMsgDlg : public TClassicDialog {
    Q_OBJECT
public:
    enum class Answer { Yes, No, Cancel };

    explicit TfrmMsgDlg(QWidget *parent = nullptr);

    // Shows the box modally: Yes when btnDlg1 closed it, No when btnDlg2 did
    // (click, Esc, or Enter while it has the focus), Cancel for the close box.
    Answer ShowModal();

    QPushButton *btnDlg1 = nullptr;
    QPushButton *btnDlg2 = nullptr;
    QLabel *imgPicture = nullptr;
    QLabel *lbText = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Answer m_answer = Answer::Cancel;
};
