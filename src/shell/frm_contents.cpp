#include "shell/frm_contents.h"

#include "platform/error_report.h"
#include "platform/image_list.h"
#include "platform/period_look.h"
#include "platform/tree_view.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidgetItemIterator>

TfrmContents::TfrmContents(QWidget *parent) : TClassicDialog(parent)
{
    setObjectName(QStringLiteral("frmContents"));
    frame()->setHelpButtonVisible(false);
    setFont(periodFont(QStringLiteral("Tahoma"), 11));
    setClientSize(QSize(392, 423));
    QWidget *c = client();

    imglTreeIcons = new TImageList(QStringLiteral("imglTreeIcons"), QSize(16, 16), this);
    imglTreeIcons->addFiles({QStringLiteral(":/tree_book.png"), QStringLiteral(":/tree_book_check.png"),
                             QStringLiteral(":/tree_page.png"), QStringLiteral(":/tree_page_check.png")});

    gbCnt = new QGroupBox(c);
    gbCnt->setObjectName(QStringLiteral("gbCnt"));
    gbCnt->setGeometry(4, 4, 381, 381);

    tvContents = new TTreeView(gbCnt);
    tvContents->setObjectName(QStringLiteral("tvContents"));
    tvContents->setGeometry(8, 16, 365, 357);
    tvContents->setIndentation(19);
    tvContents->setIconSize(imglTreeIcons->size());
    tvContents->OnChanging.bind(
        [this](QTreeWidgetItem *node, bool &allow) { tvContentsChanging(node, allow); });

    btnCntOK = new QPushButton(c);
    btnCntOK->setObjectName(QStringLiteral("btnCntOK"));
    btnCntOK->setGeometry(228, 392, 75, 25);
    btnCntOK->setDefault(true);
    connect(btnCntOK, &QPushButton::clicked, this, &QDialog::accept);

    btnCntCancel = new QPushButton(c);
    btnCntCancel->setObjectName(QStringLiteral("btnCntCancel"));
    btnCntCancel->setGeometry(308, 392, 75, 25);
    connect(btnCntCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The outline is read once; a damaged one is reported like any other
    // error and leaves the dialog empty.
    try {
        tvCntConst = courseOutline();
    } catch (const std::exception &e) {
        reportError(QString::fromStdString(e.what()));
    }
}

void TfrmContents::tvContentsChanging(QTreeWidgetItem *node, bool &allow)
{
    allow = node && node->data(0, IconIndexRole).toInt() == 3;
}

void TfrmContents::fill(const ContentsTree &tree)
{
    tvContents->clear();
    QList<QTreeWidgetItem *> items;
    for (const ContentsEntry &e : tree.entries) {
        auto *item = e.parent >= 0 ? new QTreeWidgetItem(items[e.parent])
                                   : new QTreeWidgetItem(tvContents);
        item->setText(0, e.text);
        // The selected entry's icon is drawn as it is, not tinted.
        item->setIcon(0, imglTreeIcons->icon(e.icon, QIcon::Selected));
        item->setData(0, PageIndexRole, e.pageIndex);
        item->setData(0, IconIndexRole, e.icon);
        describeEntry(item);
        items.append(item);
    }
    // Only the chapters are opened: Qt's expandAll() also marks every lesson,
    // a leaf, as expanded, and a screen reader then says "expanded" on each.
    for (QTreeWidgetItem *item : std::as_const(items))
        item->setExpanded(item->childCount() > 0);
    // The current lesson is selected when it may be chosen again; when not,
    // the keyboard still starts on it, so that a screen reader says where
    // the learner is in the course.
    if (tree.preselect >= 0 && !tvContents->selectNode(items[tree.preselect]))
        tvContents->setCurrentItem(items[tree.preselect], 0, QItemSelectionModel::NoUpdate);
    tvContents->setFocus();
}

void TfrmContents::setCaptions(const QString &caption, const QString &ok, const QString &cancel,
                               const QString &completed)
{
    m_completedText = completed;
    for (QTreeWidgetItemIterator it(tvContents); *it; ++it)
        describeEntry(*it);
    setCaption(caption);
    gbCnt->setTitle(caption);
    tvContents->setAccessibleName(caption);  // the tree is what the box holds
    btnCntOK->setText(ok);
    btnCntCancel->setText(cancel);
}

void TfrmContents::describeEntry(QTreeWidgetItem *item) const
{
    // The ticked pictures: a completed chapter (1) and a completed lesson (3).
    const int icon = item->data(0, IconIndexRole).toInt();
    item->setData(0, Qt::AccessibleDescriptionRole, icon == 1 || icon == 3 ? m_completedText : QString());
}

int TfrmContents::selectedPageIndex() const
{
    const QTreeWidgetItem *node = tvContents->selectedNode();
    return node ? node->data(0, PageIndexRole).toInt() : -1;
}
