#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TfrmContents;
class TfrmMain;
class TfrmMsgDlg;
class TfrmOpnDlg;
class TfrmSelLang;
class TfrmWordpad;

// The start-up sequence: choose the language file (from the command line or
// by asking), create the windows in their fixed order, run the event loop.
class Program {
public:
    // args are the command-line arguments after the program's own name.
    Program(QString programDir, QStringList args);
    ~Program();

    // Chooses the language file and creates the windows. Returns false, with
    // no window created, when the learner cancelled the language choice.
    bool start();
    // Shows the main window and runs the event loop until it closes.
    int exec();

    TfrmSelLang *frmSelLang() const { return m_selLang.get(); }
    TfrmMain *frmMain() const { return m_main.get(); }
    TfrmContents *frmContents() const { return m_contents; }
    TfrmWordpad *frmWordpad() const { return m_wordpad; }
    TfrmOpnDlg *frmOpnDlg() const { return m_opnDlg; }
    TfrmMsgDlg *frmMsgDlg() const { return m_msgDlg; }

private:
    QString m_programDir;
    QStringList m_args;
    std::unique_ptr<TfrmSelLang> m_selLang;
    std::unique_ptr<TfrmMain> m_main;
    // Owned by the main window.
    TfrmContents *m_contents = nullptr;
    TfrmWordpad *m_wordpad = nullptr;
    TfrmOpnDlg *m_opnDlg = nullptr;
    TfrmMsgDlg *m_msgDlg = nullptr;
};
