#pragma once

#include "platform/classic_window.h"

#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

// The language selection dialog: a banner, a list of the language files'
// display names, OK and Cancel, in the classic frame. Its texts are fixed
// English ones, since no language is chosen yet.
class TfrmSelLang : public TClassicDialog {
    Q_OBJECT
public:
    // Fills the lists from the language files in programDir (FormCreate).
    explicit TfrmSelLang(const QString &programDir, QWidget *parent = nullptr);

    // Shows the dialog modally. Returns the full path of the chosen file, or
    // an empty string when the learner cancelled.
    QString SelectLanguage();

    // The file chosen in the dialog, set by the start-up each time the
    // learner is asked; empty until a choice is made and after Cancel.
    QString FLangFileName;

private:
    void FormCreate();
    void Button1Click();

    QString m_programDir;
    QListWidget *flbLangs = nullptr;  // hidden: the file names, row for row
    QListWidget *lbLangs = nullptr;   // the display names
};
