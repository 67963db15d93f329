// Help for the learner who is stuck on a lesson page: what the learner sees
// (the Start menu, the popup menus, the dialog in front and its fields, the
// word processor's document), and where each control a hint points at is on
// the screen. Which control comes next is the core's nextStep; when to show
// the hint is THintController's.
#include "shell/frm_main.h"

#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "lessons/hints.h"
#include "lessons/next_step.h"
#include "platform/classic_window.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "shell/pages.h"
#include "shell/start_menu_picture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QToolButton>

namespace {

// The menu of a menu bar or popup menu, its submenus searched too, that
// holds the item: found by the item, not by the words it shows.
QMenu *menuHolding(const QWidget *menus, const QAction *item)
{
    for (QAction *a : menus->actions()) {
        QMenu *menu = a->menu();
        if (!menu)
            continue;
        if (menu->actions().contains(item))
            return menu;
        if (QMenu *inner = menuHolding(menu, item))
            return inner;
    }
    return nullptr;
}

HintPlace whole(QWidget *w)
{
    return {w, w->rect()};
}

// A control whose balloon stands below it.
HintPlace below(QWidget *w)
{
    return {w, w->rect(), false, true};
}

// The title in the menu bar of the menu that holds the item.
std::optional<HintPlace> menuTitle(QMenuBar *bar, const QAction *item)
{
    QMenu *menu = menuHolding(bar, item);
    if (!menu)
        return std::nullopt;
    return HintPlace{bar, bar->actionGeometry(menu->menuAction())};
}

std::optional<HintPlace> menuItem(QMenu *menu, QAction *action)
{
    if (!menu || !menu->isVisible())
        return std::nullopt;
    return HintPlace{menu, menu->actionGeometry(action), true};
}

}  // namespace

void TfrmMain::startHints()
{
    if (!m_hints)
        m_hints = new THintController(this);
    const int delay = m_hintDelay.value_or(hintDelayOf(*FUserFile));
    m_hints->begin({[this] { return observeLesson(); },
                    [this](StepTarget t) { return locateHintTarget(t); },
                    [this](const QByteArray &key) { return langText("HINTS", key, ""); }},
                   delay);
    m_page.onLeave([this] { m_hints->end(); });
}

LessonView TfrmMain::observeLesson() const
{
    LessonView v;
    const int page = currentPage();
    v.page = page;
    v.taskDone = FTaskDone;
    const TImage *startMenu = startMenuOf(page);
    v.startMenuOpen = startMenu && startMenu->isVisible();

    // The innermost menu that matters: a submenu of Accessories still shows
    // Accessories, where Wordpad is.
    const QMenu *accessories = menuHolding(pmStart, mupuStartWordpad);
    const QMenu *file = menuHolding(frmWordpad->mmMenu, frmWordpad->aOpen);
    const QMenu *edit = menuHolding(frmWordpad->mmMenu, frmWordpad->aCopy);
    if (accessories && accessories->isVisible())
        v.menu = OpenMenu::Accessories;
    else if (pmStart->isVisible())
        v.menu = OpenMenu::Programs;
    else if (pmDocuments->isVisible())
        v.menu = OpenMenu::Documents;
    else if (file && file->isVisible())
        v.menu = OpenMenu::File;
    else if (edit && edit->isVisible())
        v.menu = OpenMenu::Edit;
    else if (qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        v.menu = OpenMenu::Other;

    QWidget *modal = frontDialog();
    if (!modal) {
        v.dialog = OpenDialog::None;
    } else if (modal == frmOpnDlg) {
        v.dialog = OpenDialog::File;
        v.fileType = frmOpnDlg->cbType->currentIndex();
        v.typeListOpen = frmOpnDlg->cbType->view()->isVisible();
        v.fileName = frmOpnDlg->edName->text();
        v.confirmAvailable = frmOpnDlg->pnOpen->isEnabled();
    } else if (modal->objectName() == QLatin1String("SaveChangesQuestion")) {
        v.dialog = OpenDialog::SaveChanges;
    } else if (qobject_cast<QPrintDialog *>(modal)) {
        v.dialog = OpenDialog::Print;
    } else if (modal == frmMsgDlg) {
        v.dialog = OpenDialog::PrintError;
    } else {
        v.dialog = OpenDialog::Other;
    }

    // Only what the page's path depends on: typing where the lesson does
    // not ask for it is no step.
    const TRichEdit *text = frmWordpad->reWPad;
    v.wordpadVisible = frmWordpad->isVisible();
    if (page == Page::T053 || page == Page::T059)
        v.modified = text->document()->isModified();
    if (page == Page::T054 || (page == Page::T059 && FExerciseState == T059State::NewDocument))
        v.textLength = text->document()->characterCount() - 1;
    if (page == Page::T055) {
        v.hasSelection = text->textCursor().hasSelection();
        v.copied = FCopiedOnPage;
    }
    if (page == Page::T059)
        v.exercise = static_cast<int>(FExerciseState);
    return v;
}

std::optional<HintPlace> TfrmMain::locateHintTarget(StepTarget target) const
{
    TfrmWordpad *wp = frmWordpad;
    TfrmOpnDlg *dlg = frmOpnDlg;
    const auto startRow = [this](TImage *menu, int row) -> std::optional<HintPlace> {
        if (!menu->isVisible())
            return std::nullopt;
        return HintPlace{menu, startMenuPicture().rowBand(row)};
    };
    const auto typeEntry = [dlg](int index) -> std::optional<HintPlace> {
        QAbstractItemView *view = dlg->cbType->view();
        if (!view->isVisible())
            return std::nullopt;
        return HintPlace{view->viewport(), view->visualRect(view->model()->index(index, 0)), true};
    };
    switch (target) {
    case StepTarget::None: return std::nullopt;
    case StepTarget::StartButton: return whole(sbStart);
    case StepTarget::StartMenuPrograms: return startRow(imgT051Start, 1);
    case StepTarget::StartMenuDocuments: return startRow(imgT057Start, 2);
    case StepTarget::ProgramsAccessories: {
        QMenu *accessories = menuHolding(pmStart, mupuStartWordpad);
        return accessories ? menuItem(pmStart, accessories->menuAction()) : std::nullopt;
    }
    case StepTarget::AccessoriesWordpad: return menuItem(menuHolding(pmStart, mupuStartWordpad), mupuStartWordpad);
    case StepTarget::DocumentsMyDocument: return menuItem(pmDocuments, mupuDocMyDoc);
    case StepTarget::FileMenu: return menuTitle(wp->mmMenu, wp->aOpen);
    case StepTarget::FileNew: return menuItem(menuHolding(wp->mmMenu, wp->aNew), wp->aNew);
    case StepTarget::FileOpen: return menuItem(menuHolding(wp->mmMenu, wp->aOpen), wp->aOpen);
    case StepTarget::FileSave: return menuItem(menuHolding(wp->mmMenu, wp->aSave), wp->aSave);
    case StepTarget::FilePrint: return menuItem(menuHolding(wp->mmMenu, wp->aPrint), wp->aPrint);
    case StepTarget::EditMenu: return menuTitle(wp->mmMenu, wp->aCopy);
    case StepTarget::EditCopy: return menuItem(menuHolding(wp->mmMenu, wp->aCopy), wp->aCopy);
    case StepTarget::EditPaste: return menuItem(menuHolding(wp->mmMenu, wp->aPaste), wp->aPaste);
    case StepTarget::WordpadText: return whole(wp->reWPad);
    case StepTarget::WordpadClose: return HintPlace{wp, wp->buttonRect(Ht::HTCLOSE)};
    case StepTarget::FileTypeBox: return below(dlg->cbType);
    case StepTarget::FileTypeAll: return typeEntry(2);
    case StepTarget::FileTypeWordPad: return typeEntry(0);
    case StepTarget::Document2Item: {
        for (int i = 0; i < dlg->lvFiles->count(); ++i) {
            QListWidgetItem *item = dlg->lvFiles->item(i);
            if (item->data(FileWordRole).toByteArray() == "Document2")
                return HintPlace{dlg->lvFiles->viewport(), dlg->lvFiles->visualItemRect(item), true};
        }
        return std::nullopt;
    }
    case StepTarget::FileNameBox: return whole(dlg->edName);
    case StepTarget::FileConfirm: return whole(dlg->btnOpen);
    case StepTarget::QuestionNo: {
        QWidget *modal = frontDialog();
        QPushButton *no = modal ? modal->findChild<QPushButton *>(QStringLiteral("btnNo")) : nullptr;
        return no ? std::optional(below(no)) : std::nullopt;
    }
    case StepTarget::PrintConfirm: {
        auto *print = qobject_cast<QPrintDialog *>(frontDialog());
        auto *buttons = print ? print->findChild<QDialogButtonBox *>() : nullptr;
        QPushButton *ok = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        return ok ? std::optional(whole(ok)) : std::nullopt;
    }
    case StepTarget::PrintErrorOk: return below(frmMsgDlg->btnDlg2);
    case StepTarget::Forward: return whole(tbForward);
    }
    return std::nullopt;
}
