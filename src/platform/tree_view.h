#pragma once

#include "platform/event.h"

#include <QTreeWidget>

// A tree view whose changes of selection can be refused: OnChanging runs for
// every change, the learner's (mouse, keyboard) and the program's own
// (selectNode), with allow preset to true; when the handler clears it the
// selection stays where it was.
class TTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TTreeView(QWidget *parent = nullptr);

    Event<QTreeWidgetItem *, bool &> OnChanging;

    // Selects node, through OnChanging; returns whether it was allowed.
    bool selectNode(QTreeWidgetItem *node);
    QTreeWidgetItem *selectedNode() const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // On arriving, a screen reader hears the row the keyboard is on, not
    // only "tree": Qt announces the row only when it changes.
    void focusInEvent(QFocusEvent *event) override;

private:
    bool allows(QTreeWidgetItem *node) const;
    // After a refused change the focus stays on the selected node, so the
    // keyboard goes on from there.
    void keepCurrentOnSelection();
};
