#pragma once

#include <QDialog>

// The simulated Open/Save dialog of the word processor lessons: one fixed
// folder, "My Documents", and no real file system behind it.
class TfrmOpnDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOpnDlg(QWidget *parent = nullptr);
};
