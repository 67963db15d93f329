#include "platform/tree_view.h"

#include <QAccessible>

TTreeView::TTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHeaderHidden(true);
}

bool TTreeView::allows(QTreeWidgetItem *node) const
{
    if (!node || node == selectedNode())
        return true;
    bool allow = true;
    OnChanging(node, allow);
    return allow;
}

bool TTreeView::selectNode(QTreeWidgetItem *node)
{
    if (!node || !allows(node))
        return false;
    setCurrentItem(node, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}

QTreeWidgetItem *TTreeView::selectedNode() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QItemSelectionModel::SelectionFlags TTreeView::selectionCommand(const QModelIndex &index,
                                                                const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QTreeWidget::selectionCommand(index, event);
    if ((command & QItemSelectionModel::Select) && !allows(itemFromIndex(index)))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void TTreeView::keepCurrentOnSelection()
{
    QTreeWidgetItem *selected = selectedNode();
    if (selected && currentItem() != selected)
        setCurrentItem(selected, 0, QItemSelectionModel::NoUpdate);
}

void TTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    keepCurrentOnSelection();
}

void TTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    keepCurrentOnSelection();
}

void TTreeView::keyPressEvent(QKeyEvent *event)
{
    QTreeWidget::keyPressEvent(event);
    keepCurrentOnSelection();
}

void TTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    if (!QAccessible::isActive())
        return;
    // After the tree's own focus change, which Qt reports once this returns:
    // the row is the last focus a screen reader hears of.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus() && currentIndex().isValid())
                currentChanged(currentIndex(), currentIndex());  // reports the row as the focus
        },
        Qt::QueuedConnection);
}
