#include "app/program.h"

#include "app/frm_sel_lang.h"
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/language_files.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <utility>

Program::Program(QString programDir, QStringList args)
    : m_programDir(std::move(programDir)), m_args(std::move(args))
{
}

Program::~Program()
{
    m_main.reset();  // with it the windows it owns
    m_selLang.reset();
}

bool Program::start()
{
    m_selLang = std::make_unique<TfrmSelLang>(m_programDir);
    QString &chosen = m_selLang->FLangFileName;

    // The first argument names the language file, always inside the
    // program directory.
    if (!m_args.isEmpty())
        chosen = m_programDir + withForwardSlashes(m_args.first());
    else if ((chosen = m_selLang->SelectLanguage()).isEmpty())
        return false;

    // A file that is not there: ask once more, and take that answer as it is.
    if (!QFileInfo(chosen).isFile() && (chosen = m_selLang->SelectLanguage()).isEmpty())
        return false;

    m_main = std::make_unique<TfrmMain>(chosen, m_programDir);
    m_contents = new TfrmContents(m_main.get());
    m_wordpad = new TfrmWordpad(m_main->imglButtons, m_main.get());
    m_opnDlg = new TfrmOpnDlg(m_main->imglDesktop, m_main->imglDesktopS, m_main.get());
    m_msgDlg = new TfrmMsgDlg(m_main.get());
    m_main->attachWindows(m_contents, m_wordpad, m_opnDlg, m_msgDlg);
    return true;
}

int Program::exec()
{
    // The main window is shown once the event loop runs.
    QTimer::singleShot(0, m_main.get(), [this] { m_main->FormShow(); });
    return QApplication::exec();
}
