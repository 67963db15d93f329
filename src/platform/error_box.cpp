#include "platform/error_box.h"

#include "platform/period_look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

TMessageBox::TMessageBox(QStyle::StandardPixmap icon, const QString &caption, const QString &text,
                         const QList<Button> &buttons, QWidget *parent)
    : TClassicDialog(parent), m_icon(icon)
{
    // Margins of 8 dialog units, 10 between icon and text and above the
    // buttons, buttons of 50 x 14 units 4 apart (MS Sans Serif 8 pt: a unit
    // is 1.5 pixels across, 13/8 down). The text wraps at 300 pixels.
    constexpr int kMarginX = 12, kMarginY = 13, kGapX = 15, kGapY = 16;
    constexpr int kIcon = 32, kButtonW = 75, kButtonH = 23, kButtonGap = 6, kTextWidth = 300;

    setCaption(caption);
    frame()->setHelpButtonVisible(false);
    setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    QWidget *c = client();

    auto *image = new QLabel(c);
    image->setObjectName(QStringLiteral("imgIcon"));
    setCrispPixmap(image, style()->standardIcon(icon).pixmap(QSize(kIcon, kIcon), 1.0));
    image->setGeometry(kMarginX, kMarginY, kIcon, kIcon);

    m_text = new QLabel(text, c);
    m_text->setObjectName(QStringLiteral("lbText"));
    m_text->setTextFormat(Qt::PlainText);  // a translator's text is shown as written
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect textRect =
        QFontMetrics(font()).boundingRect(QRect(0, 0, kTextWidth, 10000), Qt::TextWordWrap, text);
    const int textLeft = kMarginX + kIcon + kGapX;
    m_text->setGeometry(textLeft, kMarginY, textRect.width() + 1, textRect.height());

    const int count = int(buttons.size());
    const int buttonsWidth = count * kButtonW + (count - 1) * kButtonGap;
    const int width = std::max(textLeft + textRect.width() + 1 + kMarginX, 2 * kMarginX + buttonsWidth);
    const int buttonsTop = kMarginY + std::max(kIcon, textRect.height()) + kGapY;
    setClientSize(QSize(width, buttonsTop + kButtonH + kMarginY));

    int left = (width - buttonsWidth) / 2;
    QPushButton *previous = nullptr;
    for (const Button &b : buttons) {
        auto *button = new QPushButton(b.caption, c);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(left, buttonsTop, kButtonW, kButtonH);
        const int answer = b.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
        if (previous) {
            setTabOrder(previous, button);
        } else {
            button->setDefault(true);
            button->setFocus();
        }
        previous = button;
        left += kButtonW + kButtonGap;
    }
}

QString TMessageBox::text() const
{
    return m_text->text();
}

int TMessageBox::ask()
{
    return exec();
}

TErrorBox::TErrorBox(const QString &caption, const QString &text, QWidget *parent)
    : TMessageBox(QStyle::SP_MessageBoxCritical, caption, text,
                  {{"btnOK", QStringLiteral("OK"), QDialog::Accepted}}, parent)
{
    setObjectName(QStringLiteral("ErrorBox"));
    centreOnScreen();
}
