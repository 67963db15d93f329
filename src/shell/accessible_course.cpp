// What a screen reader is told about the course: the names of the controls
// that show a picture instead of a text (from the language file's
// ACCESSIBILITY section), the roles of the widgets that draw themselves, the
// Start menu picture's rows as menu items, and the instructions of every
// page as it appears.
//
// The instructions are presented through a notification: an object of the
// info panel, never drawn and never focused, whose name is the page's title
// and whose description the page's instructions. It is hidden and shown
// again once the page has been set up, and a screen reader (Orca) reads a
// notification out when it appears. The keyboard stays where the lesson
// put it.
#include "shell/frm_main.h"

#include "effects/rx_clock.h"
#include "lessons/frm_wordpad.h"
#include "platform/accessibility.h"
#include "platform/classic_window.h"
#include "platform/desktop_words.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "platform/safe_format.h"
#include "shell/pages.h"
#include "shell/start_menu.h"
#include "shell/start_menu_picture.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

QString TfrmMain::accessibleText(const char *key, const char *fallback) const
{
    return langText("ACCESSIBILITY", key, fallback);
}

void TfrmMain::describeControls()
{
    // The course's own window: a frame known by its title.
    TAccessibleDescription &frame = describeAccessible(this);
    frame.role = QAccessible::Window;
    frame.name = [this] { return windowTitle(); };

    // The navigation buttons show pictures only.
    tbBack->setAccessibleName(accessibleText("tbBack", "Back"));
    tbForward->setAccessibleName(accessibleText("tbForward", "Forward"));
    tbContents->setAccessibleName(accessibleText("tbContents", "Contents"));
    tbExit->setAccessibleName(accessibleText("tbExit", "Exit"));

    // The taskbar's buttons stay down while their menu or window is up: push
    // buttons that show it, as on the desktop they simulate.
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(sbStart), static_cast<QAbstractButton *>(sbWPad)}) {
        TAccessibleDescription &d = describeAccessible(b);
        d.role = QAccessible::PushButton;
        d.name = [b] { return b->text(); };
        d.press = [b] { b->click(); };
        d.checked = [b] { return b->isChecked(); };
    }

    // The clock is known by the time it shows.
    TAccessibleDescription &clock = describeAccessible(RxClock1);
    clock.role = QAccessible::Clock;
    const QString clockName = accessibleText("RxClock1", "Clock");
    clock.name = [this, clockName] {
        const QString time = RxClock1->text().toString();
        return time.isEmpty() ? clockName : time;
    };
    RxClock1->setAccessibleDescription(clockName);

    // The Start menu of each Start-menu lesson: a picture whose rows are
    // menu items. Pressing a row is the pointer coming onto it: the row is
    // highlighted, and the lesson's row opens its submenu.
    const QString menuName = accessibleText("imgStart", "Start menu");
    for (TImage *menu : {imgT051Start, imgT057Start}) {
        TAccessibleDescription &d = describeAccessible(menu);
        d.role = QAccessible::PopupMenu;
        menu->setAccessibleName(menuName);
        for (int row = 1; row <= StartMenuRows; ++row) {
            // A row is named by the word it shows, over its band as the menu
            // is drawn now, as wide as its words.
            const QString name = desktopWords().plain(StartMenuWords[row - 1]);
            const auto band = [this, row] { return startMenuPicture().rowBand(row); };
            d.parts.push_back({QAccessible::MenuItem, [name] { return name; }, band,
                               [menu, band] {
                                   const QPoint centre = band().center();
                                   menu->OnMouseMove(Qt::NoModifier, centre.x(), centre.y());
                               },
                               [this, menu, row] { return menu->hasFocus() && FStartRow == row; }});
        }
    }

    // A menu is known by its title: the Start menu's submenus by their rows,
    // the others by the item that opens them.
    pmStart->setWindowTitle(accessibleText("imgStartPrograms", "Programs"));
    pmDocuments->setWindowTitle(accessibleText("imgStartDocuments", "Documents"));
    for (QWidget *window : {static_cast<QWidget *>(this), static_cast<QWidget *>(frmWordpad)}) {
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            if (menu->windowTitle().isEmpty())
                menu->setWindowTitle(QString(menu->title()).remove(QLatin1Char('&')));
        }
    }

    // Pictures.
    const QString desktop = accessibleText("imgDesktop", "Desktop");
    for (TImage *image : {imgT031Desktop, imgT052Desktop, imgT053Desktop, imgT054Desktop, imgT055Desktop,
                          imgT056Desktop, imgT057Desktop, imgT058Desktop, imgT059Desktop}) {
        describeAccessible(image).role = QAccessible::Graphic;
        image->setAccessibleName(desktop);
    }
    imgT001Logo->setAccessibleName(accessibleText("imgT001Logo", "Quillan 2"));
    imgQL2End->setAccessibleName(accessibleText("imgQL2End", "Quillan 2"));

    // The word processor's text area, and the picture of its format bar.
    frmWordpad->reWPad->setAccessibleName(accessibleText("reWPad", "Document"));
    frmWordpad->Image3->setAccessibleName(accessibleText("Image3", "Format bar"));

    // The caption buttons of every window in the classic frame.
    TClassicWindow::setCaptionButtonNames({accessibleText("captionMinimize", "Minimize"),
                                           accessibleText("captionMaximize", "Maximize"),
                                           accessibleText("captionRestore", "Restore"),
                                           accessibleText("captionClose", "Close"),
                                           accessibleText("captionHelp", "Help")});

    // The instructions' notification: on the info panel, never drawn.
    pnInstructions = new QWidget(pnControl);
    pnInstructions->setObjectName(QStringLiteral("pnInstructions"));
    pnInstructions->setAttribute(Qt::WA_TransparentForMouseEvents);
    pnInstructions->setFocusPolicy(Qt::NoFocus);
    pnInstructions->setGeometry(0, 0, 0, 0);
    pnInstructions->hide();
    describeAccessible(pnInstructions).role = QAccessible::Notification;
}

QString TfrmMain::instructionsTitle(const QString &name) const
{
    // The lessons' titles are their names in the contents; the other pages
    // (title, credits, completion) have titles of their own.
    struct OwnTitle {
        const char *name;
        const char *fallback;
    };
    static constexpr OwnTitle kOwn[] = {
        {"T001", "Welcome to Quillan 2"}, {"T003", "Credits"}, {"T059Cmp", "Course complete"}};
    const QByteArray key = name.toLatin1();
    for (const OwnTitle &t : kOwn) {
        if (key == t.name)
            return langText("ACCESSIBILITY", key + "Title", t.fallback);
    }
    return langText("PAGES", key + "Name", key == "T004" ? QByteArrayView("Contents") : QByteArrayView(key));
}

void TfrmMain::announceInstructions(const QString &name)
{
    const QString title = instructionsTitle(name);
    reMain->setAccessibleName(title);
    pnInstructions->hide();
    pnInstructions->setAccessibleName(title);
    // Shown once the page is set up (the events waiting now run first), so
    // the notification comes after whatever the page's set-up focused. The
    // title page's countdown line is read once with it, as it stands then.
    QTimer::singleShot(0, pnInstructions, [this, text = instructionsToSpeak(title, reMain->document()->toPlainText()),
                                           countdown = name == QLatin1String("T001")]() mutable {
        if (countdown && currentPage() == Page::T001)
            text += QLatin1Char(' ') + formatOrVerbatim(FCountdownFormat, {FStep});
        pnInstructions->setAccessibleDescription(text.trimmed());
        pnInstructions->show();
    });
}
