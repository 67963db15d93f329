#include "lessons/frm_wordpad.h"

#include "platform/desktop_words.h"

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
    setCaption(desktopWords().windowCaption(desktopWord("DocumentUntitled")));
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
    setCrispPixmap(Image3, QPixmap(QStringLiteral(":/format_bar.png")));

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
    // Captions and tips are desktop words (the keys given).
    const auto file = [&](TAction *&a, const char *name, const char *caption, QKeySequence key,
                          int image, void (TfrmWordpad::*own)()) {
        a = new TAction(QString::fromLatin1(name), this);
        a->setText(desktopWord(caption));
        a->setShortcut(key);
        a->setIcon(images->icon(image));
        a->OnExecute.bind([this, own] { (this->*own)(); });
    };
    file(aNew, "aNew", "FileNew", QKeySequence(Qt::CTRL | Qt::Key_N), 0, &TfrmWordpad::aNewExecute);
    file(aOpen, "aOpen", "FileOpen", QKeySequence(Qt::CTRL | Qt::Key_O), 1, &TfrmWordpad::aOpenExecute);
    file(aSave, "aSave", "FileSave", QKeySequence(Qt::CTRL | Qt::Key_S), 2, &TfrmWordpad::aSaveExecute);
    file(aPrint, "aPrint", "FilePrint", QKeySequence(), 3, &TfrmWordpad::aPrintExecute);

    const auto edit = [&](TEditAction *&a, const char *name, TEditAction::Kind kind,
                          const char *caption, const char *hint, QKeySequence key, int image,
                          void (TfrmWordpad::*own)()) {
        a = new TEditAction(QString::fromLatin1(name), kind, reWPad, this);
        a->setText(desktopWord(caption));
        if (hint)
            a->setToolTip(desktopWord(hint));
        a->setShortcut(key);
        if (image >= 0)
            a->setIcon(images->icon(image));
        a->OnExecute.bind([this, own] { (this->*own)(); });
    };
    using K = TEditAction::Kind;
    edit(aCut, "aCut", K::Cut, "EditCut", "TipCut", QKeySequence(Qt::CTRL | Qt::Key_X), 5,
         &TfrmWordpad::aCutExecute);
    edit(aCopy, "aCopy", K::Copy, "EditCopy", "TipCopy", QKeySequence(Qt::CTRL | Qt::Key_C), 6,
         &TfrmWordpad::aCopyExecute);
    edit(aPaste, "aPaste", K::Paste, "EditPaste", "TipPaste", QKeySequence(Qt::CTRL | Qt::Key_V), 7,
         &TfrmWordpad::aPasteExecute);
    edit(aDelete, "aDelete", K::Delete, "EditClear", nullptr, QKeySequence(Qt::CTRL | Qt::Key_Delete),
         12, &TfrmWordpad::aDeleteExecute);
    edit(aSelectAll, "aSelectAll", K::SelectAll, "EditSelectAll", nullptr, QKeySequence(), -1,
         &TfrmWordpad::aSelectAllExecute);
    edit(aUndo, "aUndo", K::Undo, "EditUndo", "TipUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), 9,
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

    // Items without a command show their word (and shortcut) and do nothing.
    const auto plain = [](QMenu *m, const char *word, const QString &keys = {}) {
        const QString text = keys.isEmpty() ? desktopWord(word) : desktopWord(word) + QLatin1Char('\t') + keys;
        m->addAction(text)->setObjectName(QString());
    };
    // A shortcut shown as text, with the desktop's names of the keys.
    const auto with = [](const char *modifier, const char *key) {
        return desktopWord(modifier) + QLatin1Char('+') + (key[0] == 'K' ? desktopWord(key) : QString::fromLatin1(key));
    };

    QMenu *file = mmMenu->addMenu(desktopWord("MenuFile"));
    file->addAction(aNew);
    file->addAction(aOpen);
    file->addAction(aSave);
    plain(file, "FileSaveAs");
    file->addSeparator();
    file->addAction(aPrint);
    plain(file, "FilePrintPreview");
    plain(file, "FilePageSetup");
    file->addSeparator();
    plain(file, "FileSend");
    file->addSeparator();
    plain(file, "FileExit");

    QMenu *edit = mmMenu->addMenu(desktopWord("MenuEdit"));
    edit->addAction(aUndo);
    edit->addSeparator();
    edit->addAction(aCut);
    edit->addAction(aCopy);
    edit->addAction(aPaste);
    plain(edit, "EditPasteSpecial");
    edit->addAction(aDelete);
    edit->addAction(aSelectAll);
    edit->addSeparator();
    plain(edit, "EditFind", with("KeyCtrl", "F"));
    plain(edit, "EditFindNext", QStringLiteral("F3"));
    plain(edit, "EditReplace", with("KeyCtrl", "H"));
    edit->addSeparator();
    plain(edit, "EditLinks");
    plain(edit, "EditObjectProperties", with("KeyAlt", "KeyEnter"));
    plain(edit, "EditObject");

    QMenu *view = mmMenu->addMenu(desktopWord("MenuView"));
    for (const char *checked : {"ViewToolbar", "ViewFormatBar"}) {
        QAction *a = view->addAction(desktopWord(checked));
        a->setCheckable(true);
        a->setChecked(true);
        connect(a, &QAction::toggled, a, [a] { a->setChecked(true); });  // never changes
    }
    plain(view, "ViewRuler");
    plain(view, "ViewStatusBar");
    view->addSeparator();
    plain(view, "ViewOptions");

    QMenu *insert = mmMenu->addMenu(desktopWord("MenuInsert"));
    plain(insert, "InsertDateTime");
    plain(insert, "InsertObject");

    QMenu *format = mmMenu->addMenu(desktopWord("MenuFormat"));
    plain(format, "FormatFont");
    plain(format, "FormatBulletStyle");
    plain(format, "FormatParagraph");
    plain(format, "FormatTabs");

    QMenu *help = mmMenu->addMenu(desktopWord("MenuHelp"));
    plain(help, "HelpTopics");
    help->addSeparator();
    plain(help, "HelpAbout");
}

void TfrmWordpad::createToolbars(TImageList *images)
{
    Panel1 = new QWidget(client());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(29);

    // tbMain: a disabled button is drawn exactly like an enabled one.
    tbMain = new TToolBar(Panel1);
    tbMain->setObjectName(QStringLiteral("tbMain"));
    // A picture button is known by its tip, a desktop word (a screen reader
    // says it); one without a command is disabled and shows no tip.
    const auto mainButton = [&](const char *name, int image, TAction *action, const char *tip) {
        QToolButton *b = tbMain->addButton(QString::fromLatin1(name), images->icon(image, QIcon::Disabled));
        b->setAccessibleName(desktopWords().plain(tip));
        if (action) {
            b->setToolTip(desktopWord(tip));
            connect(b, &QToolButton::clicked, action, &TAction::execute);
        } else {
            b->setEnabled(false);
        }
        return b;
    };
    tbMain->addSeparator(5);
    tbNew = mainButton("tbNew", 0, aNew, "TipNew");
    tbOpen = mainButton("tbOpen", 1, aOpen, "TipOpen");
    tbSave = mainButton("tbSave", 2, aSave, "TipSave");
    tbMain->addSeparator(8);
    tbPrint = mainButton("tbPrint", 3, aPrint, "TipPrint");
    tbPreview = mainButton("tbPreview", 4, nullptr, "TipPrintPreview");
    tbMain->addSeparator(8);
    tbFind = mainButton("tbFind", 8, nullptr, "TipFind");
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
