#pragma once

#include <QWidget>

class QTextEdit;

// The simulated word processor: the stage of the lessons from T052 on. It is
// a child of the main window, raised above the page notebook; its geometry is
// in notebook coordinates, which equal screen coordinates.
class TfrmWordpad : public QWidget {
    Q_OBJECT
public:
    explicit TfrmWordpad(QWidget *parent = nullptr);

    QTextEdit *reWPad = nullptr;
};
