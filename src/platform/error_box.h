#pragma once

#include "platform/classic_window.h"

#include <QList>
#include <QStyle>

class QLabel;
class QPushButton;

// A message box of the period, drawn with the classic frame like every window
// of the program: an icon, a text and a centred row of buttons, laid out in
// the classic dialog units. The first button is the default (Enter); Esc and
// the close box give QDialog::Rejected.
class TMessageBox : public TClassicDialog {
    Q_OBJECT
public:
    struct Button {
        const char *name;  // the button's object name
        QString caption;
        int answer;        // what ask() returns when it closes the box
    };

    TMessageBox(QStyle::StandardPixmap icon, const QString &caption, const QString &text,
                const QList<Button> &buttons, QWidget *parent = nullptr);

    QString text() const;
    QStyle::StandardPixmap iconKind() const { return m_icon; }

    // Shows the box modally and returns the answer of the button that closed
    // it, QDialog::Rejected for Esc and the close box.
    int ask();

private:
    QStyle::StandardPixmap m_icon;
    QLabel *m_text = nullptr;
};

// The error box: the error icon, a text and one OK button, centred on the
// screen.
class TErrorBox : public TMessageBox {
    Q_OBJECT
public:
    TErrorBox(const QString &caption, const QString &text, QWidget *parent = nullptr);
};
