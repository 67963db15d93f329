#pragma once

#include "platform/classic_window.h"
#include "shell/course_outline.h"

class QGroupBox;
class QPushButton;
class QTreeWidgetItem;
class TImageList;
class TTreeView;

// The course contents dialog: the outline of chapters and lessons, from which
// the learner jumps back to a lesson already completed (marked with a check;
// only those can be chosen). The main window builds and evaluates it on every
// opening (tbContentsClick); it keeps nothing between openings. It wears the
// classic frame, so it looks the same with or without a window manager.
class TfrmContents : public TClassicDialog {
    Q_OBJECT
public:
    explicit TfrmContents(QWidget *parent = nullptr);

    // Clears the tree and builds it from the entries, expanded; pre-selects
    // the tree's pre-selected entry (through the veto) and takes the focus.
    void fill(const ContentsTree &tree);
    // The captions, and what a screen reader adds to a completed entry
    // (its description; the picture of a tick says it to the eye).
    void setCaptions(const QString &caption, const QString &ok, const QString &cancel, const QString &completed);
    // Page index of the selected entry, -1 when nothing is selected.
    int selectedPageIndex() const;

    // Only a completed lesson (icon 3) can be selected.
    void tvContentsChanging(QTreeWidgetItem *node, bool &allow);

    // The stored course outline (never shown).
    QList<OutlineNode> tvCntConst;

    QGroupBox *gbCnt = nullptr;
    TTreeView *tvContents = nullptr;
    QPushButton *btnCntOK = nullptr;
    QPushButton *btnCntCancel = nullptr;
    TImageList *imglTreeIcons = nullptr;

private:
    void describeEntry(QTreeWidgetItem *item) const;
    QString m_completedText;
};

// Item data of the tree's entries.
inline constexpr int PageIndexRole = Qt::UserRole;
inline constexpr int IconIndexRole = Qt::UserRole + 1;
