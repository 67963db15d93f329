#include "lessons/frm_msg_dlg.h"

#include "platform/desktop_words.h"

#include "platform/period_look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

TfrmMsgDlg::TfrmMsgDlg(QWidget *parent) : TClassicDialog(parent)
{
    setObjectName(QStringLiteral("frmMsgDlg"));
    setCaption(QString());
    frame()->setHelpButtonVisible(false);
    setFont(periodFont(QStringLiteral("Tahoma"), 11));
    setClientSize(QSize(411, 107));
    QWidget *c = client();

    imgPicture = new QLabel(c);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setGeometry(16, 16, 32, 32);
    imgPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // A fixed box: a text too long for it is cut off at its edges, neither
    // the label nor the window grows.
    lbText = new QLabel(c);
    lbText->setObjectName(QStringLiteral("lbText"));
    lbText->setGeometry(60, 16, 341, 33);
    lbText->setTextFormat(Qt::PlainText);  // a translator's text is shown as written
    lbText->setWordWrap(true);
    lbText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnDlg1 = new QPushButton(desktopWord("ButtonYes"), c);
    btnDlg1->setObjectName(QStringLiteral("btnDlg1"));
    btnDlg1->setGeometry(244, 76, 75, 23);
    btnDlg1->setDefault(true);
    connect(btnDlg1, &QPushButton::clicked, this, [this] {
        m_answer = Answer::Yes;
        accept();
    });

    btnDlg2 = new QPushButton(desktopWord("ButtonNo"), c);
    btnDlg2->setObjectName(QStringLiteral("btnDlg2"));
    btnDlg2->setGeometry(324, 76, 75, 23);
    connect(btnDlg2, &QPushButton::clicked, this, [this] {
        m_answer = Answer::No;
        accept();
    });
    setTabOrder(btnDlg1, btnDlg2);
}

TfrmMsgDlg::Answer TfrmMsgDlg::ShowModal()
{
    m_answer = Answer::Cancel;  // unless a button closes the box
    exec();
    return m_answer;
}

void TfrmMsgDlg::keyPressEvent(QKeyEvent *event)
{
    // Esc presses the cancel button btnDlg2, as long as it can be pressed.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (btnDlg2->isVisible() && btnDlg2->isEnabled())
            btnDlg2->click();
        return;
    }
    TClassicDialog::keyPressEvent(event);
}
