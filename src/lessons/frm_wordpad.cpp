#include "lessons/frm_wordpad.h"

#include "platform/panel.h"
#include "platform/period_look.h"

#include <QTextEdit>

TfrmWordpad::TfrmWordpad(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmWordpad"));
    setWindowTitle(QStringLiteral("Document - Wordpad"));
    setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    setGeometry(279, 155, 500, 350);  // replaced before the window is first shown
    setAutoFillBackground(true);

    reWPad = new QTextEdit(this);
    reWPad->setObjectName(QStringLiteral("reWPad"));
    reWPad->setFont(periodFont(QStringLiteral("Courier New"), 13));
    reWPad->setLineWrapMode(QTextEdit::WidgetWidth);
    reWPad->setAcceptRichText(true);
    reWPad->setGeometry(rect());
    hide();
}
