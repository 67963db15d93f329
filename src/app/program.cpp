#include "app/program.h"

#include "app/frm_sel_lang.h"
#include "platform/error_report.h"
#include "platform/language_files.h"
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

QString Program::selectLanguage()
{
    if (!m_selLang)
        m_selLang = std::make_unique<TfrmSelLang>(m_programDir);
    return m_selLang->FLangFileName = m_selLang->SelectLanguage();
}

bool Program::start()
{
    QString &chosen = m_langFile;

    // The first argument names the language file, always inside the
    // program directory.
    if (!m_args.isEmpty())
        chosen = m_programDir + withForwardSlashes(m_args.first());
    else if ((chosen = selectLanguage()).isEmpty())
        return false;

    // A file that is not there: ask once more, and take that answer as it is.
    if (!QFileInfo::exists(chosen) && (chosen = selectLanguage()).isEmpty())
        return false;

    // A file that is there but is no language file (unreadable, or without
    // its [LANGUAGE] section) is named to the learner, who chooses again;
    // cancelling the dialog ends the program.
    while (const std::optional<QString> problem = languageFileProblem(chosen)) {
        reportError(*problem);
        if ((chosen = selectLanguage()).isEmpty())
            return false;
    }

    // The main window, and with it the contents dialog, the word processor,
    // the Open dialog and the message box.
    m_main = std::make_unique<TfrmMain>(chosen, m_programDir);
    m_main->setHintDelay(m_hintDelay);
    m_main->setZoom(m_zoom);
    return true;
}

int Program::exec()
{
    // The main window is shown once the event loop runs.
    QTimer::singleShot(0, m_main.get(), [this] { m_main->FormShow(); });
    return QApplication::exec();
}
