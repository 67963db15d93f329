#pragma once

#include "support/test_support.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class Program;

// A progress file that has reached the given page.
QByteArray progressWith(int maxIndex);
class TfrmMain;

// A complete program in a temporary folder: a language file "QL2Test.ini"
// (with the given extra lines), its info folder InfoTest/ with a small page
// for every page code, and a progress file (when given) in a configuration
// folder of its own. Errors reported to the learner and message boxes are
// recorded instead of shown.
class CourseFixture {
public:
    explicit CourseFixture(const QByteArray &languageLines = {}, const QByteArray &progress = {});
    ~CourseFixture();

    // Creates the windows as start-up does and shows the main window (the
    // title page), answering any message box. setUp sets the program up as
    // the command line does, before the windows are made.
    void start(const std::function<void(Program &)> &setUp = {});

    TfrmMain &main() const;
    Program &program() const { return *m_program; }

    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString infoDir() const { return programDir() + QStringLiteral("InfoTest/"); }
    QString progressFile() const { return m_config.progressFile(); }

    // Leaves the page showing and enters index, as navigation does.
    void goTo(int index);
    // Puts the keyboard focus in the word processor's text, as a click there does.
    void focusWordpad();
    // The plain text of the info panel.
    QString infoText() const;
    // MaxIndex as the progress file holds it.
    QByteArray storedMaxIndex() const;

    QStringList errors;  // reported errors
    QStringList boxes;   // "title: text" of the message boxes answered

private:
    QTemporaryDir m_dir;
    TempConfigHome m_config;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<ModalAnswerer> m_boxAnswerer;
};
