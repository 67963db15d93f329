// What several lessons share: the lesson pages' pictures, the set-up of the
// word processor as a lesson's stage, the Start-menu lessons' set-up, and the
// hooks on the word processor window. Every lesson keeps the learner from
// minimising the window or opening its window menu; most keep it from being
// closed as well.
#include "shell/frm_main.h"

#include "lessons/frm_wordpad.h"
#include "platform/classic_window.h"
#include "platform/components.h"
#include "platform/desktop_words.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "platform/tool_bar.h"
#include "shell/desktop_pictures.h"
#include "shell/pages.h"
#include "shell/start_menu_picture.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

void TfrmMain::createLessonPages()
{
    const auto desktop = [this](int page, const char *name) {
        auto *img = new TImage(nbMain->widget(page));
        img->setObjectName(QString::fromLatin1(name));
        img->setGeometry(1, 0, 80, 298);
        img->setAutoSize(false);
        return img;
    };
    // The frame shows the left column of the desktop's icons.
    imgT031Desktop = desktop(Page::T051, "imgT031Desktop");
    // Read on T051, with the icons' captions written in the learner's language.
    imgT031Desktop->setPictureFile(QStringLiteral(":/desktop_icons.png"), [](const QPixmap &icons) {
        QImage picture = icons.toImage();
        drawDesktopCaptions(picture, {desktopWord("MyComputer"), desktopWord("NetworkNeighborhood"),
                                      desktopWord("RecycleBin"), desktopWord("InternetExplorer")});
        return QPixmap::fromImage(picture);
    });
    imgT052Desktop = desktop(Page::T052, "imgT052Desktop");
    imgT053Desktop = desktop(Page::T053, "imgT053Desktop");
    imgT054Desktop = desktop(Page::T054, "imgT054Desktop");
    imgT055Desktop = desktop(Page::T055, "imgT055Desktop");
    imgT056Desktop = desktop(Page::T056, "imgT056Desktop");
    imgT057Desktop = desktop(Page::T057, "imgT057Desktop");
    imgT058Desktop = desktop(Page::T058, "imgT058Desktop");
    imgT059Desktop = desktop(Page::T059, "imgT059Desktop");

    const auto startMenu = [this](int page, const char *name) {
        auto *img = new TImage(nbMain->widget(page));
        img->setObjectName(QString::fromLatin1(name));
        img->setGeometry(0, 0, StartMenuNarrowest, StartMenuHeight);  // as its picture, once shown
        img->hide();
        return img;
    };
    imgT051Start = startMenu(Page::T051, "imgT051Start");
    imgT051Start->OnMouseMove.bind(
        [this](Qt::KeyboardModifiers s, int x, int y) { imgT051StartMouseMove(s, x, y); });
    imgT057Start = startMenu(Page::T057, "imgT057Start");
    imgT057Start->OnMouseMove.bind(
        [this](Qt::KeyboardModifiers s, int x, int y) { imgT057StartMouseMove(s, x, y); });

    createCompletionPanel();
}

void TfrmMain::showDesktop(TImage *image)
{
    m_page.setPicture(image, imgT031Desktop->picture());
}

void TfrmMain::bindWordpadLesson(void (TfrmMain::*hook)(QObject *, TMessage &, bool &))
{
    TfrmWordpad *wp = frmWordpad;
    // Whatever the page and its handlers do to the window's caption, its
    // text's read-only state and its file buttons comes back on leaving.
    m_page.keep<QString>([wp] { return wp->caption(); }, [wp](const QString &c) { wp->setCaption(c); });
    m_page.keep<bool>([wp] { return wp->reWPad->isReadOnly(); },
                      [wp](const bool &on) { wp->reWPad->setReadOnly(on); });
    m_page.keepEnabled({wp->tbNew, wp->tbOpen, wp->tbSave, wp->tbPrint});
    m_page.bind(wp->OnShow, [this] { frmWPadT052Show(); });
    m_page.bind(wp->whHook->OnBeforeMessage,
                [this, hook](QObject *sender, TMessage &msg, bool &handled) {
                    (this->*hook)(sender, msg, handled);
                });
}

void TfrmMain::placeStartMenu(TImage *menu)
{
    // The menu's bottom three rows fall below the notebook, where the strip
    // on the taskbar continues them.
    menu->move(0, nbMain->height() - menu->height() + 3);
}

void TfrmMain::prepareStartMenu(TImage *menu, void (TfrmMain::*startClick)())
{
    m_page.setPicture(menu, QPixmap::fromImage(startMenuPicture().draw(0)));
    imgStartBottom->setPicture(QPixmap::fromImage(startMenuPicture().bottomStrip()));
    placeStartMenu(menu);
    m_page.onLeave([this, menu] {
        menu->hide();
        ReleaseStartButton();  // a menu left open goes with its page
    });
    m_page.bind(sbStartOnClick, [this, startClick] { (this->*startClick)(); });
}

void TfrmMain::frmWPadT052Show()
{
    sbWPad->setText(frmWordpad->caption());
    sbWPad->setChecked(true);
    QFont f = sbWPad->font();
    f.setBold(true);
    sbWPad->setFont(f);
    sbWPad->show();
    frmWordpad->setStateNormal();
}

bool TfrmMain::lessonHook(QObject *sender, TMessage &msg, bool &handled, bool closable, bool menuBarKeys)
{
    switch (msg.Msg) {
    case Msg::WM_NCHITTEST: {
        // Ask the window itself what is at that place; the window-menu icon
        // and the minimise and help buttons (and the close button, unless
        // the lesson lets the window close) then answer nowhere.
        auto *window = qobject_cast<TClassicWindow *>(sender);
        const int hit = window ? window->defaultHitTest(paramPoint(msg.LParam)) : Ht::HTNOWHERE;
        handled = hit == Ht::HTSYSMENU || hit == Ht::HTMINBUTTON || hit == Ht::HTHELP
                  || (!closable && hit == Ht::HTCLOSE);
        return false;
    }
    case Msg::WM_SYSCOMMAND:
        // Compared as a whole: a click on the menu bar comes as
        // SC_MOUSEMENU + HTMENU and still opens the menu. The keyboard's
        // menu command carries its key: a space (Alt+Space) is the window
        // menu, none or a letter the menu bar.
        handled = msg.WParam == Sc::SC_MINIMIZE || msg.WParam == Sc::SC_MOUSEMENU
                  || (msg.WParam == Sc::SC_KEYMENU && (!menuBarKeys || msg.LParam == ' '))
                  || msg.WParam == Sc::SC_DEFAULT || (!closable && msg.WParam == Sc::SC_CLOSE);
        return msg.WParam == Sc::SC_CLOSE;
    default:
        return false;
    }
}

void TfrmMain::whHookT052BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    lessonHook(sender, msg, handled, false);
}

void TfrmMain::whHookT057BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    // The window closes (it is only hidden); the taskbar takes over.
    if (lessonHook(sender, msg, handled, true)) {
        pnTaskbar->setEnabled(true);
        sbWPad->hide();
    }
}

void TfrmMain::whHookT058BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    lessonHook(sender, msg, handled, false, true);
}

void TfrmMain::whHookT059BeforeMessage(QObject *sender, TMessage &msg, bool &handled)
{
    if (!lessonHook(sender, msg, handled, true, true))
        return;
    // Closing is the last step of the exercise: only with the comments saved.
    if (FExerciseState != T059State::CommentsSaved)
        handled = true;
    else
        CompleteCourse();
}
