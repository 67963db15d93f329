#pragma once

#include <QApplication>
#include <QString>

// The application object. It sets the program up the same way for the
// program, its tools and its tests: the name "Quillan 2", the period look,
// whole-number screen scaling (pixel art is never scaled by a fraction), and
// windows that take the keyboard themselves (see activateWindows below).
//
// It installs the error box as the standard error report (reportError): it is
// titled with the application's name. A bound handler's error is reported at
// its binding point (Event); notify is the last resort for anything else an
// event handler lets escape: it reports it too and lets the program go on, so
// a failed write or a broken format text never ends the course.
class QuillanApplication : public QApplication {
    Q_OBJECT
public:
    QuillanApplication(int &argc, char **argv);
    ~QuillanApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;
};

// A modal box in the period look with the error icon, the given title and
// text and one OK button, centred on the screen.
void showErrorBox(const QString &title, const QString &text);
