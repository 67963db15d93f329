// The message boxes of the lessons: the print-error box in the simulated
// message box, and the save-changes question of the word processor.
#include "shell/frm_main.h"

#include "lessons/frm_msg_dlg.h"
#include "platform/classic_window.h"
#include "platform/period_look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

void TfrmMain::ShowPrintErrorBox()
{
    PreparePrintErrorBox();
    frmMsgDlg->ShowModal();  // however it was closed, the lesson goes on the same way
}

void TfrmMain::PreparePrintErrorBox()
{
    TfrmMsgDlg *box = frmMsgDlg;
    box->imgPicture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    // The language's texts arrive decoded from its character set, so the
    // box's font needs no character set of its own.
    box->lbText->setText(langText("LABELS", "lbT058Error", ""));
    box->btnDlg1->hide();
    box->btnDlg2->setText(langText("LABELS", "btnT058ErrorOK", "OK"));
    box->btnDlg2->show();
    box->btnDlg2->setFocus();
    box->centreOver(this);
}

bool TfrmMain::AskSaveChanges(const QString &question)
{
    // The period message box: margins of 8 dialog units, 10 between icon
    // and text and above the buttons, buttons of 50 x 14 units 4 apart
    // (MS Sans Serif 8 pt: a unit is 1.5 pixels across, 13/8 down).
    constexpr int kMarginX = 12, kMarginY = 13, kGapX = 15, kGapY = 16;
    constexpr int kIcon = 32, kButtonW = 75, kButtonH = 23, kButtonGap = 6;

    TClassicDialog dlg(this);
    dlg.setObjectName(QStringLiteral("SaveChangesQuestion"));
    dlg.setCaption(QStringLiteral("Warning"));
    dlg.frame()->setHelpButtonVisible(false);
    dlg.setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    QWidget *c = dlg.client();

    auto *icon = new QLabel(c);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIcon, kIcon));
    icon->setGeometry(kMarginX, kMarginY, kIcon, kIcon);

    auto *text = new QLabel(question, c);
    text->setObjectName(QStringLiteral("lbText"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics fm(dlg.font());
    const QRect textRect =
        fm.boundingRect(QRect(0, 0, 300, 10000), Qt::TextWordWrap, question);
    const int textLeft = kMarginX + kIcon + kGapX;
    text->setGeometry(textLeft, kMarginY, textRect.width() + 1, textRect.height());

    const int buttonsWidth = 3 * kButtonW + 2 * kButtonGap;
    const int width = std::max(textLeft + textRect.width() + 1 + kMarginX, 2 * kMarginX + buttonsWidth);
    const int buttonsTop = kMarginY + std::max(kIcon, textRect.height()) + kGapY;
    dlg.setClientSize(QSize(width, buttonsTop + kButtonH + kMarginY));

    enum { Yes = 10, No, Cancel = QDialog::Rejected };
    const struct {
        const char *name;
        const char *caption;
        int answer;
    } buttons[] = {{"btnYes", "&Yes", Yes}, {"btnNo", "&No", No}, {"btnCancel", "Cancel", Cancel}};
    int left = (width - buttonsWidth) / 2;
    QPushButton *previous = nullptr;
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), c);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(left, buttonsTop, kButtonW, kButtonH);
        const int answer = b.answer;
        QObject::connect(button, &QPushButton::clicked, &dlg, [&dlg, answer] { dlg.done(answer); });
        if (previous)
            QWidget::setTabOrder(previous, button);
        else {
            button->setDefault(true);
            button->setFocus();
        }
        previous = button;
        left += kButtonW + kButtonGap;
    }

    dlg.centreOver(this);
    // Esc and the close box cancel (QDialog::Rejected).
    return dlg.exec() != Cancel;
}
