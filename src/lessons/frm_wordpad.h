#pragma once

#include "platform/classic_window.h"

#include <memory>

class QLabel;
class QPrintDialog;
class QPrinter;
class QMenuBar;
class QToolButton;
class TAction;
class TEditAction;
class TImageList;
class TRichEdit;
class TToolBar;

// The simulated word processor: the stage of the lessons from T052 on. A
// child of the main window, raised above the page notebook; its geometry is
// in notebook coordinates, which equal screen coordinates.
//
// It does nothing of its own: its file commands (New, Open, Save, Print) run
// empty handlers and its edit commands do standard editing. The lessons give
// it behaviour by binding handlers to its commands (OnExecute), its show
// event (OnShow), its text (reWPad's OnChange) and its message hook (whHook).
class TfrmWordpad : public TClassicWindow {
    Q_OBJECT
public:
    // The toolbar pictures come from the main window's imglButtons.
    explicit TfrmWordpad(TImageList *imglButtons, QWidget *parent = nullptr);
    ~TfrmWordpad() override;

    // The print dialog of the printing lessons, with the printer it sets up;
    // made on first use, so a machine without printers starts quickly.
    QPrintDialog *prdlgPrint();
    QPrinter *printer();

    // Shows the print dialog and, when the learner confirms it, prints the
    // text page by page as a print job of the given name. Failed covers a
    // machine without any printer (no dialog is shown then), a printer that
    // reports an error or has gone, and output that could not be written.
    enum class PrintOutcome { Printed, Cancelled, Failed };
    PrintOutcome printText(const QString &jobName);

    // Every keystroke becomes its own undo step.
    void reWPadKeyUp(QKeyEvent *event);

    // The form's own handlers of its commands: they do nothing.
    void aNewExecute() {}
    void aOpenExecute() {}
    void aSaveExecute() {}
    void aPrintExecute() {}
    void aCutExecute() {}
    void aCopyExecute() {}
    void aPasteExecute() {}
    void aDeleteExecute() {}
    void aSelectAllExecute() {}
    void aUndoExecute() {}

    QMenuBar *mmMenu = nullptr;
    QWidget *Panel1 = nullptr;
    TToolBar *tbMain = nullptr;
    TToolBar *tbEdit = nullptr;
    QLabel *Image3 = nullptr;
    TRichEdit *reWPad = nullptr;

    TAction *aNew = nullptr;
    TAction *aOpen = nullptr;
    TAction *aSave = nullptr;
    TAction *aPrint = nullptr;
    TEditAction *aCut = nullptr;
    TEditAction *aCopy = nullptr;
    TEditAction *aPaste = nullptr;
    TEditAction *aDelete = nullptr;
    TEditAction *aSelectAll = nullptr;
    TEditAction *aUndo = nullptr;

    QToolButton *tbNew = nullptr;
    QToolButton *tbOpen = nullptr;
    QToolButton *tbSave = nullptr;
    QToolButton *tbPrint = nullptr;
    QToolButton *tbPreview = nullptr;
    QToolButton *tbFind = nullptr;
    QToolButton *tbCut = nullptr;
    QToolButton *tbCopy = nullptr;
    QToolButton *tbPaste = nullptr;
    QToolButton *tbUndo = nullptr;

private:
    std::unique_ptr<QPrinter> m_printer;
    QPrintDialog *m_printDialog = nullptr;

    void createActions(TImageList *images);
    void createMenu();
    void createToolbars(TImageList *images);
};
