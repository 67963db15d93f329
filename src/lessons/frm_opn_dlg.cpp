#include "lessons/frm_opn_dlg.h"

#include "platform/desktop_words.h"
#include "shell/desktop_pictures.h"

#include "lessons/file_table.h"
#include "platform/image_list.h"
#include "platform/panel.h"
#include "platform/period_look.h"

#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

TfrmOpnDlg::TfrmOpnDlg(TImageList *largeImages, TImageList *smallImages, QWidget *parent)
    : TClassicDialog(parent), m_largeImages(largeImages), m_smallImages(smallImages)
{
    setObjectName(QStringLiteral("frmOpnDlg"));
    setCaption(desktopWord("OpenCaption"));
    setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    setClientSize(QSize(417, 237));
    QWidget *c = client();

    Image1 = new QLabel(c);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 417, 31);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QImage bar(QStringLiteral(":/open_folder_bar.png"));
    drawFolderBarWords(bar, desktopWord("LookIn"), desktopWord("MyDocuments"));
    setCrispPixmap(Image1, QPixmap::fromImage(bar));
    // A picture of the bar.
    Image1->setAccessibleName(desktopWords().plain("LookIn") + QLatin1Char(' ') + desktopWord("MyDocuments"));

    lvFiles = new QListWidget(c);
    lvFiles->setObjectName(QStringLiteral("lvFiles"));
    lvFiles->setGeometry(6, 33, 405, 138);
    lvFiles->setViewMode(QListView::ListMode);
    lvFiles->setFlow(QListView::TopToBottom);
    lvFiles->setWrapping(true);
    lvFiles->setResizeMode(QListView::Adjust);
    lvFiles->setMovement(QListView::Static);
    lvFiles->setIconSize(smallImages ? smallImages->size() : QSize(16, 16));
    lvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lvFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lvFiles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvFiles->setSpacing(0);
    lvFiles->setAccessibleName(desktopWord("MyDocuments"));  // the folder it lists
    // A double click anywhere in the list confirms, on an item or not.
    lvFiles->viewport()->installEventFilter(this);
    connect(lvFiles->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected, const QItemSelection &deselected) {
                for (const QModelIndex &i : deselected.indexes())
                    lvFilesSelectItem(lvFiles, lvFiles->item(i.row()), false);
                for (const QModelIndex &i : selected.indexes())
                    lvFilesSelectItem(lvFiles, lvFiles->item(i.row()), true);
            });

    Label1 = new QLabel(desktopWord("FileName"), c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 182);
    Label1->adjustSize();

    edName = new QLineEdit(c);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setGeometry(80, 178, 233, 21);
    connect(edName, &QLineEdit::textChanged, this, [this] { edNameChange(); });
    Label1->setBuddy(edName);

    Label2 = new QLabel(desktopWord("FilesOfType"), c);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(8, 207);
    Label2->adjustSize();

    cbType = new QComboBox(c);
    cbType->setObjectName(QStringLiteral("cbType"));
    cbType->setGeometry(80, 204, 233, 21);
    cbType->addItems({desktopWord("FilterWordpad"), desktopWord("FilterText"), desktopWord("FilterAll")});
    // A choice made by the learner (list, keys or wheel; never the program).
    connect(cbType, &QComboBox::activated, this, [this] { cbTypeClick(); });
    Label2->setBuddy(cbType);

    pnOpen = new TPanel(c);
    pnOpen->setObjectName(QStringLiteral("pnOpen"));
    pnOpen->setGeometry(332, 178, 75, 23);
    pnOpen->setEnabled(false);
    // The Open button's availability belongs to this panel: the button itself
    // is never disabled and never looks disabled.
    keepLookWhenDisabled(pnOpen);

    btnOpen = new QPushButton(desktopWord("ButtonOpen"), pnOpen);
    btnOpen->setObjectName(QStringLiteral("btnOpen"));
    btnOpen->setGeometry(0, 0, 75, 23);
    btnOpen->setDefault(true);
    connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });

    Button2 = new QPushButton(desktopWord("ButtonCancel"), c);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(332, 206, 75, 23);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(lvFiles, Button2);
    setTabOrder(Button2, edName);
    setTabOrder(edName, cbType);
    setTabOrder(cbType, btnOpen);

    FormCreate();
}

void TfrmOpnDlg::FormCreate()
{
    cbType->setCurrentIndex(0);
}

void TfrmOpnDlg::cbTypeClick()
{
    edNameChange();
    OncbTypeChange();
}

void TfrmOpnDlg::edNameChange()
{
    pnOpen->setEnabled(fileNameAccepted(Tag, edName->text(), cbType->currentIndex()));
}

void TfrmOpnDlg::lvFilesSelectItem(QObject *, QListWidgetItem *item, bool selected)
{
    if (selected && item)
        edName->setText(item->text());
}

void TfrmOpnDlg::btnOpenClick()
{
    accept();
}

bool TfrmOpnDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lvFiles->viewport() && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        btnOpenClick();
        return true;
    }
    return TClassicDialog::eventFilter(watched, event);
}
