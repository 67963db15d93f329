#pragma once

#include <QApplication>
#include <QString>

#include <functional>

// The application object. It sets the program up the same way for the
// program, its tools and its tests: the name "Quillan 2", the period look,
// whole-number screen scaling (pixel art is never scaled by a fraction), and
// windows that take the keyboard themselves (see activateWindows below).
//
// It catches every exception that an event handler lets escape, shows it in
// an error box and lets the program go on: a failed write or a broken format
// text never ends the course.
class QuillanApplication : public QApplication {
    Q_OBJECT
public:
    QuillanApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// A modal box in the period look with the error icon, the given title and
// text and one OK button, centred on the screen.
void showErrorBox(const QString &title, const QString &text);

// Shows an error to the learner: a modal box with the error icon, titled with
// the application's name. Tests replace the box with a recorder.
void reportError(const QString &message);
using ErrorReporter = std::function<void(const QString &message)>;
// Installs a replacement (an empty function restores the box) and returns the
// previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);
