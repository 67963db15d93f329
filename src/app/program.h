#pragma once

#include "platform/course_zoom.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class TfrmMain;
class TfrmSelLang;

// The start-up sequence: choose the language file (from the command line or
// by asking), create the windows in their fixed order, run the event loop.
class Program {
public:
    // args are the command-line arguments after the program's own name.
    Program(QString programDir, QStringList args);
    ~Program();

    // The wait before a hint for this run, from the command line; unset, the
    // progress file says.
    void setHintDelay(std::optional<int> seconds) { m_hintDelay = seconds; }
    // The course zoom for this run, from the command line.
    void setZoom(std::optional<ZoomSetting> zoom) { m_zoom = zoom; }

    // Chooses the language file and creates the windows. Returns false, with
    // no window created, when the learner cancelled the language choice.
    bool start();
    // Shows the main window and runs the event loop until it closes.
    int exec();

    // The language selection dialog, made only when the learner is asked
    // (no argument, or a file that is not there or is no language file);
    // nullptr when the command line named a good file.
    TfrmSelLang *frmSelLang() const { return m_selLang.get(); }
    // The chosen language file; empty until a choice is made, and after a
    // cancelled choice.
    const QString &langFileName() const { return m_langFile; }
    // The main window, which makes and owns the course's other windows.
    TfrmMain *frmMain() const { return m_main.get(); }

private:
    QString m_programDir;
    QStringList m_args;
    // Asks for a language with the selection dialog, made the first time.
    QString selectLanguage();

    QString m_langFile;
    std::optional<int> m_hintDelay;
    std::optional<ZoomSetting> m_zoom;
    std::unique_ptr<TfrmSelLang> m_selLang;
    std::unique_ptr<TfrmMain> m_main;
};
