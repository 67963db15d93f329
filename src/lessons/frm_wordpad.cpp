#include "lessons/frm_wordpad.h"

#include "platform/components.h"
#include "platform/image_list.h"
#include "platform/period_look.h"
#include "platform/rich_edit.h"
#include "platform/tool_bar.h"

#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProxyStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The menu bar of a simulated window: Alt and F10 reach it through the
// window's system commands, not on their own.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

TfrmWordpad::TfrmWordpad(TImageList *imglButtons, QWidget *parent)
    : TClassicWindow(Kind::Sizeable, parent)
{
    setObjectName(QStringLiteral("frmWordpad"));
    setCaption(QStringLiteral("Document - Wordpad"));
    setIcon(QPixmap(QStringLiteral(":/wordpad_icon16.png")));
    setWindowIcon(QIcon(QStringLiteral(":/wordpad_icon.png")));
    setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    setGeometry(279, 155, 500, 350);  // replaced before the window is first shown

    reWPad = new TRichEdit(client());
    reWPad->setObjectName(QStringLiteral("reWPad"));
    reWPad->setFont(periodFont(QStringLiteral("Courier New"), 13));
    reWPad->setLineWrapMode(QTextEdit::WidgetWidth);
    reWPad->setAutoFormatting(QTextEdit::AutoNone);
    reWPad->OnKeyUp.bind([this](QKeyEvent *e) { reWPadKeyUp(e); });

    createActions(imglButtons);
    createMenu();
    createToolbars(imglButtons);

    Image3 = new QLabel(client());
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setFixedHeight(24);
    Image3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image3->setPixmap(crispPixmap(QPixmap(QStringLiteral(":/format_bar.png"))));

    auto *layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mmMenu);
    layout->addWidget(Panel1);
    layout->addWidget(Image3);
    layout->addWidget(reWPad, 1);
    setMenuBar(mmMenu);
    hide();
}

TfrmWordpad::~TfrmWordpad()
{
    delete m_printDialog;  // before the printer it refers to
}

QPrinter *TfrmWordpad::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return m_printer.get();
}

TfrmWordpad::PrintOutcome TfrmWordpad::printText(const QString &jobName)
{
    // Without a printer the dialog could only offer a file: the learner is
    // told that printing is not possible instead, as the classic system does.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return PrintOutcome::Failed;
    if (prdlgPrint()->exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;

    QPrinter *p = printer();
    if (p->outputFileName().isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(p->printerName());
        if (info.isNull() || info.state() == QPrinter::Error)
            return PrintOutcome::Failed;
    }
    p->setDocName(jobName);
    reWPad->print(p);
    // A printer or file that cannot be opened leaves the printer in error.
    const QPrinter::PrinterState state = p->printerState();
    return state == QPrinter::Error || state == QPrinter::Aborted ? PrintOutcome::Failed
                                                                   : PrintOutcome::Printed;
}

QPrintDialog *TfrmWordpad::prdlgPrint()
{
    if (!m_printDialog) {
        m_printDialog = new QPrintDialog(printer(), this);
        m_printDialog->setObjectName(QStringLiteral("prdlgPrint"));
    }
    return m_printDialog;
}

void TfrmWordpad::reWPadKeyUp(QKeyEvent *)
{
    reWPad->StopGroupTyping();
}

void TfrmWordpad::createActions(TImageList *images)
{
    const auto file = [&](TAction *&a, const char *name, const char *caption, QKeySequence key,
                          int image, void (TfrmWordpad::*own)()) {
        a = new TAction(QString::fromLatin1(name), this);
        a->setText(QString::fromLatin1(caption));
        a->setShortcut(key);
        a->setIcon(images->icon(image));
        a->OnExecute.bind([this, own] { (this->*own)(); });
    };
    file(aNew, "aNew", "New...", QKeySequence(Qt::CTRL | Qt::Key_N), 0, &TfrmWordpad::aNewExecute);
    file(aOpen, "aOpen", "Open...", QKeySequence(Qt::CTRL | Qt::Key_O), 1, &TfrmWordpad::aOpenExecute);
    file(aSave, "aSave", "Save", QKeySequence(Qt::CTRL | Qt::Key_S), 2, &TfrmWordpad::aSaveExecute);
    file(aPrint, "aPrint", "Print...", QKeySequence(), 3, &TfrmWordpad::aPrintExecute);

    const auto edit = [&](TEditAction *&a, const char *name, TEditAction::Kind kind,
                          const char *caption, const char *hint, QKeySequence key, int image,
                          void (TfrmWordpad::*own)()) {
        a = new TEditAction(QString::fromLatin1(name), kind, reWPad, this);
        a->setText(QString::fromLatin1(caption));
        if (hint)
            a->setToolTip(QString::fromLatin1(hint));
        a->setShortcut(key);
        if (image >= 0)
            a->setIcon(images->icon(image));
        a->OnExecute.bind([this, own] { (this->*own)(); });
    };
    using K = TEditAction::Kind;
    edit(aCut, "aCut", K::Cut, "Cu&t", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X), 5,
         &TfrmWordpad::aCutExecute);
    edit(aCopy, "aCopy", K::Copy, "&Copy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C), 6,
         &TfrmWordpad::aCopyExecute);
    edit(aPaste, "aPaste", K::Paste, "&Paste", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V), 7,
         &TfrmWordpad::aPasteExecute);
    edit(aDelete, "aDelete", K::Delete, "Cle&ar", nullptr, QKeySequence(Qt::CTRL | Qt::Key_Delete),
         12, &TfrmWordpad::aDeleteExecute);
    edit(aSelectAll, "aSelectAll", K::SelectAll, "Select A&ll", nullptr, QKeySequence(), -1,
         &TfrmWordpad::aSelectAllExecute);
    edit(aUndo, "aUndo", K::Undo, "&Undo", nullptr, QKeySequence(Qt::CTRL | Qt::Key_Z), 9,
         &TfrmWordpad::aUndoExecute);

    QList<QKeySequence> keys;
    for (TAction *a : {static_cast<TAction *>(aNew), aOpen, aSave, aPrint,
                       static_cast<TAction *>(aCut), static_cast<TAction *>(aCopy),
                       static_cast<TAction *>(aPaste), static_cast<TAction *>(aDelete),
                       static_cast<TAction *>(aSelectAll), static_cast<TAction *>(aUndo)}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
        if (!a->shortcut().isEmpty())
            keys << a->shortcut();
    }
    reWPad->setCommandShortcuts(keys);
}

void TfrmWordpad::createMenu()
{
    mmMenu = new QMenuBar(client());
    mmMenu->setObjectName(QStringLiteral("mmMenu"));
    mmMenu->setNativeMenuBar(false);
    auto *style = new MenuBarStyle;
    style->setParent(mmMenu);
    mmMenu->setStyle(style);

    // Items without a command show their text (and shortcut) and do nothing.
    const auto plain = [](QMenu *m, const char *text) {
        m->addAction(QString::fromLatin1(text))->setObjectName(QString());
    };

    QMenu *file = mmMenu->addMenu(QStringLiteral("File"));
    file->addAction(aNew);
    file->addAction(aOpen);
    file->addAction(aSave);
    plain(file, "Save as...");
    file->addSeparator();
    file->addAction(aPrint);
    plain(file, "Print Preview");
    plain(file, "Page Setup...");
    file->addSeparator();
    plain(file, "Send...");
    file->addSeparator();
    plain(file, "Exit");

    QMenu *edit = mmMenu->addMenu(QStringLiteral("Edit"));
    edit->addAction(aUndo);
    edit->addSeparator();
    edit->addAction(aCut);
    edit->addAction(aCopy);
    edit->addAction(aPaste);
    plain(edit, "Paste Special");
    edit->addAction(aDelete);
    edit->addAction(aSelectAll);
    edit->addSeparator();
    plain(edit, "Find...\tCtrl+F");
    plain(edit, "Find Next\tF3");
    plain(edit, "Replace...\tCtrl+H");
    edit->addSeparator();
    plain(edit, "Links...");
    plain(edit, "Object Properties...\tAlt+Enter");
    plain(edit, "Object");

    QMenu *view = mmMenu->addMenu(QStringLiteral("View"));
    for (const char *checked : {"Toolbar", "Format Bar"}) {
        QAction *a = view->addAction(QString::fromLatin1(checked));
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::toggled, a, [a] { a->setChecked(true); });  // never changes
    }
    plain(view, "Ruler");
    plain(view, "Status Bar");
    view->addSeparator();
    plain(view, "Options...");

    QMenu *insert = mmMenu->addMenu(QStringLiteral("Insert"));
    plain(insert, "Date and Time...");
    plain(insert, "Object...");

    QMenu *format = mmMenu->addMenu(QStringLiteral("Format"));
    plain(format, "Font...");
    plain(format, "Bullet Style");
    plain(format, "Paragraph...");
    plain(format, "Tabs...");

    QMenu *help = mmMenu->addMenu(QStringLiteral("Help"));
    plain(help, "Help Topics");
    help->addSeparator();
    plain(help, "About Wordpad");
}

void TfrmWordpad::createToolbars(TImageList *images)
{
    Panel1 = new QWidget(client());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(29);

    // tbMain: a disabled button is drawn exactly like an enabled one.
    tbMain = new TToolBar(Panel1);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    // A picture button is known by its command's name (a screen reader says it).
    const auto mainButton = [&](const char *name, int image, TAction *action, const char *label = nullptr) {
        QToolButton *b = tbMain->addButton(QString::fromLatin1(name), images->icon(image, QIcon::Disabled));
        b->setAccessibleName(action ? QString(action->text()).remove(QLatin1Char('.')).remove(QLatin1Char('&'))
                                    : QString::fromLatin1(label));
        if (action) {
            b->setToolTip(QString(action->text()).remove(QLatin1Char('.')));
            connect(b, &QToolButton::clicked, action, &TAction::execute);
        } else {
            b->setEnabled(false);
        }
        return b;
    };
    tbMain->addSeparator(5);
    tbNew = mainButton("tbNew", 0, aNew);
    tbOpen = mainButton("tbOpen", 1, aOpen);
    tbSave = mainButton("tbSave", 2, aSave);
    tbMain->addSeparator(8);
    tbPrint = mainButton("tbPrint", 3, aPrint);
    tbPreview = mainButton("tbPreview", 4, nullptr, "Print Preview");
    tbMain->addSeparator(8);
    tbFind = mainButton("tbFind", 8, nullptr, "Find");
    tbMain->setGeometry(0, 0, tbMain->contentWidth(), 29);

    // tbEdit: its buttons follow their commands and look greyed when disabled.
    tbEdit = new TToolBar(Panel1);
    tbEdit->setObjectName(QStringLiteral("tbEdit"));
    tbEdit->addSeparator(8);
    const auto editButton = [&](const char *name, TEditAction *action) {
        QIcon icon = action->icon();
        addCrispPixmap(icon, TImageList::embossed(icon.pixmap(QSize(16, 16), 1.0)), QIcon::Disabled);
        action->setIcon(icon);
        QToolButton *b = tbEdit->addButton(QString::fromLatin1(name), icon);
        b->setDefaultAction(action);
        return b;
    };
    tbCut = editButton("tbCut", aCut);
    tbCopy = editButton("tbCopy", aCopy);
    tbPaste = editButton("tbPaste", aPaste);
    tbUndo = editButton("tbUndo", aUndo);

    auto *row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    tbMain->setFixedWidth(tbMain->contentWidth());
    row->addWidget(tbMain);
    row->addWidget(tbEdit, 1);
}
