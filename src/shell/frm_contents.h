#pragma once

#include <QDialog>

// The course contents dialog: the outline of chapters and lessons, from which
// the learner jumps back to a lesson already completed.
class TfrmContents : public QDialog {
    Q_OBJECT
public:
    explicit TfrmContents(QWidget *parent = nullptr);
};
