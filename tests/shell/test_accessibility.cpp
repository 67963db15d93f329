// What a screen reader finds in the course (the accessible tree, walked as
// assistive technology walks it), and the keyboard's way to the navigation
// buttons.
#include "app/frm_sel_lang.h"
#include "effects/rx_clock.h"
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/error_box.h"
#include "platform/image_widget.h"
#include "platform/rich_edit.h"
#include "platform/tree_view.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/course_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace {

// The roles of what a learner works: each of them needs a name.
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
    case QAccessible::PopupMenu:
    case QAccessible::Tree:
    case QAccessible::TreeItem:
    case QAccessible::PageTab:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
    case QAccessible::Clock:
    case QAccessible::Notification:
        return true;
    default:
        return false;
    }
}

// Where an accessible object is, for a failure message: the object names
// of its widget and its widget's parents, or, for a part a widget draws,
// the widget's and the part's index.
QString where(QAccessibleInterface *iface)
{
    QStringList path;
    QObject *o = iface->object();
    if (!o) {
        QAccessibleInterface *parent = iface->parent();
        path << QStringLiteral("child %1").arg(parent ? parent->indexOfChild(iface) : -1);
        o = parent ? parent->object() : nullptr;
    }
    for (; o; o = o->parent()) {
        if (!o->objectName().isEmpty())
            path.prepend(o->objectName());
    }
    return path.join(QLatin1Char('/'));
}

struct Found {
    QString where;
    QAccessible::Role role;
    QString name;
    QRect rect;
};

// Every shown object under iface, depth first.
void walk(QAccessibleInterface *iface, QList<Found> &found, int depth = 0)
{
    ASSERT_LT(depth, 40) << "the tree does not end under " << where(iface).toStdString();
    if (!iface || !iface->isValid() || iface->state().invisible)
        return;
    found.append({where(iface), iface->role(), iface->text(QAccessible::Name), iface->rect()});
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (child) {
            EXPECT_EQ(iface->indexOfChild(child), i) << where(child).toStdString();
            EXPECT_EQ(child->parent(), iface) << where(child).toStdString();
        }
        walk(child, found, depth + 1);
    }
}

// What assistive technology finds in the windows shown now.
QList<Found> shownTree()
{
    QList<Found> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            walk(QAccessible::queryAccessibleInterface(w), found);
    }
    return found;
}

// Every interactive object shown has a name; returns what was found.
QList<Found> expectNamed(const QString &scene)
{
    const QList<Found> found = shownTree();
    for (const Found &f : found) {
        if (isInteractive(f.role)) {
            EXPECT_FALSE(f.name.trimmed().isEmpty())
                << scene.toStdString() << ": " << f.where.toStdString() << " (role 0x" << std::hex
                << int(f.role) << ") has no name";
        }
    }
    return found;
}

const Found *findIn(const QList<Found> &found, const QString &path)
{
    for (const Found &f : found) {
        if (f.where == path || f.where.endsWith(QLatin1Char('/') + path))
            return &f;
    }
    return nullptr;
}

// The object at that path (its end) has the role and the name.
void expectObject(const QList<Found> &found, const QString &scene, const QString &path, QAccessible::Role role,
                  const QString &name)
{
    const Found *f = findIn(found, path);
    ASSERT_TRUE(f) << scene.toStdString() << ": no shown " << path.toStdString();
    EXPECT_EQ(f->role, role) << scene.toStdString() << ": " << f->where.toStdString();
    EXPECT_EQ(f->name, name) << scene.toStdString() << ": " << f->where.toStdString();
}

// A picture's row part (1 for the first), found by its place, not its name.
QAccessibleInterface *rowPart(QWidget *w, int row)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *c = iface->child(i);
        if (c && !c->object() && c->role() == QAccessible::MenuItem && --row == 0)
            return c;
    }
    return nullptr;
}

TEST(AccessibleTree, EveryControlOnEveryPageHasANameAndItsRole)
{
    CourseFixture f({}, progressWith(Page::T003));
    f.start();
    TfrmMain &m = f.main();
    for (int page = 0; page < PageCount; ++page) {
        if (page != Page::T001)
            f.goTo(page);
        QApplication::processEvents();
        const QString scene = pageCode(page);
        const QList<Found> found = expectNamed(scene);
        // The navigation buttons show pictures; they are named all the same.
        expectObject(found, scene, "Panel1/tbBack", QAccessible::PushButton, "Back");
        expectObject(found, scene, "Panel1/tbForward", QAccessible::PushButton, "Forward");
        expectObject(found, scene, "Panel1/tbContents", QAccessible::PushButton, "Contents");
        expectObject(found, scene, "Panel1/tbExit", QAccessible::PushButton, "Exit");
        // The instructions carry the page's title.
        const QString title = page == Page::T001   ? "Welcome to Quillan 2"
                              : page == Page::T003 ? "Credits"
                                                   : pageCode(page);  // the test pack names no lesson
        expectObject(found, scene, "reMain", QAccessible::EditableText, title);
        expectObject(found, scene, "pnInstructions", QAccessible::Notification, title);
        if (pageInfo(page)->taskbar) {
            expectObject(found, scene, "sbStart", QAccessible::PushButton, "Start");
            const Found *clock = findIn(found, "RxClock1");
            ASSERT_TRUE(clock) << scene.toStdString();
            EXPECT_EQ(clock->role, QAccessible::Clock);
            EXPECT_EQ(clock->name, m.RxClock1->text().toString());
        }
        if (pageInfo(page)->wordpadStage) {
            expectObject(found, scene, "sbWPad", QAccessible::PushButton, m.frmWordpad->caption());
            expectObject(found, scene, "frmWordpad", QAccessible::Pane, m.frmWordpad->caption());
            // The caption buttons follow the frame's one child, its client area.
            expectObject(found, scene, "frmWordpad/child 1", QAccessible::PushButton, "Minimize");
            expectObject(found, scene, "frmWordpad/child 2", QAccessible::PushButton, "Maximize");
            expectObject(found, scene, "frmWordpad/child 3", QAccessible::PushButton, "Close");
            expectObject(found, scene, "reWPad", QAccessible::EditableText, "Document");
        }
    }
}

TEST(AccessibleTree, TheStartMenuRowsAreMenuItemsOverTheirRows)
{
    CourseFixture f;
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    ASSERT_TRUE(m.imgT051Start->isVisible());
    const QList<Found> found = expectNamed("T051 with the Start menu open");
    expectObject(found, "Start menu", "imgT051Start", QAccessible::PopupMenu, "Start menu");

    const struct {
        const char *name;
        int top;
    } rows[] = {{"Programs", 3},  {"Documents", 33}, {"Settings", 63},       {"Find", 93},
                {"Help", 123},    {"Run...", 153},   {"Shut Down...", 193}};
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(m.imgT051Start);
    int place = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QAccessibleInterface *item = rowPart(m.imgT051Start, ++place);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->text(QAccessible::Name), QString::fromLatin1(row.name));
        EXPECT_EQ(item->parent(), menu);
        const QRect expected(m.imgT051Start->mapToGlobal(QPoint(24, row.top)), QSize(126, 30));
        EXPECT_EQ(item->rect(), expected);
        // A pointer over the row finds the row.
        EXPECT_EQ(menu->childAt(expected.center().x(), expected.center().y()), item);
    }

    // Closed, the menu and its rows are not shown.
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    EXPECT_TRUE(rowPart(m.imgT051Start, 1)->state().invisible);
}

TEST(AccessibleTree, PressingAStartMenuRowIsThePointerComingOntoIt)
{
    CourseFixture f;
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);

    // Programs opens the programs' menu, as a pointer does, and the items
    // of the real menus are named too.
    PopupDriver driver({[&](QMenu *programs) {
        expectNamed("the Programs menu");
        programs->close();
    }});
    QAccessibleInterface *programs = rowPart(m.imgT051Start, 1);
    ASSERT_TRUE(programs);
    ASSERT_TRUE(programs->actionInterface());
    programs->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    ASSERT_EQ(driver.shown().size(), 1);
    EXPECT_EQ(driver.shown().first(), m.pmStart);

    // Documents only highlights its row on T051.
    rowPart(m.imgT051Start, 2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_EQ(driver.shown().size(), 1);
    // A closed menu's rows do nothing.
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    programs->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_EQ(driver.shown().size(), 1);

    // The Start button presses as a click does, and says it is down.
    QAccessibleInterface *start = QAccessible::queryAccessibleInterface(m.sbStart);
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents();
    EXPECT_TRUE(m.imgT051Start->isVisible());
    EXPECT_TRUE(start->state().checked);
}

TEST(AccessibleTree, TheDialogsAndMenusAreNamed)
{
    CourseFixture f({}, progressWith(Page::T059));
    f.start();
    TfrmMain &m = f.main();

    // The contents dialog.
    bool walked = false;
    answer<TfrmContents>(
        [&](TfrmContents *d) {
            const QList<Found> found = expectNamed("contents dialog");
            expectObject(found, "contents dialog", "tvContents", QAccessible::Tree, "Contents");
            // Drawn inside the main window, it is still a dialog named by its caption.
            QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(d);
            EXPECT_EQ(dialog->role(), QAccessible::Dialog);
            EXPECT_EQ(dialog->text(QAccessible::Name), "Contents");
            EXPECT_EQ(dialog->parent(), QAccessible::queryAccessibleInterface(&m));
            walked = true;
            d->reject();
        },
        [&] { QTest::mouseClick(m.tbContents, Qt::LeftButton); });
    EXPECT_TRUE(walked);

    // The Open dialog of T052, with its fields named by their labels.
    f.goTo(Page::T052);
    walked = false;
    answer<TfrmOpnDlg>(
        [&](TfrmOpnDlg *d) {
            const QList<Found> found = expectNamed("Open dialog");
            expectObject(found, "Open dialog", "edName", QAccessible::EditableText, "File name:");
            // A combo box is named by its choice; its label is related to it.
            expectObject(found, "Open dialog", "cbType", QAccessible::ComboBox, d->cbType->currentText());
            const auto labels = QAccessible::queryAccessibleInterface(d->cbType)->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels.first().first->object(), d->Label2);
            expectObject(found, "Open dialog", "frmOpnDlg/frame/child 2", QAccessible::PushButton, "Close");
            walked = true;
            d->reject();
        },
        [&] { m.frmWordpad->aOpen->trigger(); });
    EXPECT_TRUE(walked);

    // The word processor's menus, opened from its menu bar.
    for (QAction *menu : m.frmWordpad->mmMenu->actions()) {
        SCOPED_TRACE(menu->text().toStdString());
        PopupDriver driver({[&](QMenu *popup) {
            expectNamed(QStringLiteral("the %1 menu").arg(menu->text()));
            popup->close();
        }});
        menu->menu()->popup(QPoint(10, 10));
        QTRY_VERIFY_WITH_TIMEOUT(!menu->menu()->isVisible(), 5000);
    }

    // The lessons' message box and the error box.
    walked = false;
    answer<TfrmMsgDlg>(
        [&](TfrmMsgDlg *d) {
            expectNamed("message box");
            walked = true;
            d->reject();
        },
        [&] { m.ShowPrintErrorBox(); });
    EXPECT_TRUE(walked);
}

TEST(AccessibleTree, TheLanguageSelectionAndTheErrorBoxAreNamed)
{
    bool walked = false;
    ModalAnswerer answerer([&](QWidget *w) {
        expectNamed(w->metaObject()->className());
        walked = true;
        w->close();
    });
    TfrmSelLang select(sourceDataDir());
    select.SelectLanguage();
    EXPECT_TRUE(walked);
    walked = false;
    TErrorBox box(QStringLiteral("Error"), QStringLiteral("Something went wrong."));
    box.exec();
    EXPECT_TRUE(walked);
}

// The notification's appearances: what its accessible object says each
// time the widget is shown (a widget shown is what assistive technology is
// told as "showing").
class Appearances : public QObject {
public:
    explicit Appearances(QWidget *w) : m_widget(w) { w->installEventFilter(this); }
    QStringList shown;  // "name: description"
    int hidden = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_widget);
            shown << iface->text(QAccessible::Name) + ": " + iface->text(QAccessible::Description);
        } else if (event->type() == QEvent::Hide) {
            ++hidden;
        }
        return false;
    }

private:
    QWidget *m_widget;
};

TEST(Announcement, EveryPageShowsItsInstructionsAsANotificationAndKeepsTheKeyboard)
{
    CourseFixture f({"[PAGES]\nT054Name=Typing text\n"}, progressWith(Page::T055));
    f.start();
    TfrmMain &m = f.main();
    f.goTo(Page::T053);
    f.focusWordpad();
    Appearances appearances(m.pnInstructions);

    f.goTo(Page::T054);
    QApplication::processEvents();
    // Shown again, once the page is set up: a screen reader reads it out.
    EXPECT_EQ(appearances.hidden, 1);
    EXPECT_EQ(appearances.shown, QStringList{"Typing text: " + f.infoText().simplified()});
    EXPECT_TRUE(m.pnInstructions->isVisible());
    QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(m.pnInstructions);
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_EQ(notice->text(QAccessible::Name), "Typing text");
    EXPECT_EQ(notice->text(QAccessible::Description), f.infoText().simplified());
    EXPECT_TRUE(f.infoText().contains("T054"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m.reMain)->text(QAccessible::Name), "Typing text");
    // The learner types on: the keyboard is in the lesson's text.
    EXPECT_EQ(QApplication::focusWidget(), m.frmWordpad->reWPad);
    EXPECT_FALSE(m.pnInstructions->isVisible() && m.pnInstructions->width() > 0);

    // The contents dialog's help is presented too, and the page's again after it.
    appearances.shown.clear();
    answer<TfrmContents>([&](TfrmContents *d) { d->reject(); },
                         [&] { QTest::mouseClick(m.tbContents, Qt::LeftButton); });
    QApplication::processEvents();
    EXPECT_EQ(appearances.shown, (QStringList{"Contents: Page T004", "Typing text: Page T054"}));
}

TEST(Announcement, WhatTheEyeReadsTheEarHearsOnce)
{
    CourseFixture f({"[PAGES]\nT051Name=Starting Wordpad from the Start menu\n"
                     "[LABELS]\nlbT001Time=The course begins in %d. Press Enter.\n"},
                    progressWith(Page::T053));
    const auto writeInfo = [&](const char *code, const QByteArray &rtf) {
        QFile file(f.infoDir() + QLatin1String(code) + ".rtf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(rtf);
    };
    writeInfo("T001", "{\\rtf1\\ansi Welcome to Quillan 2\\par Read this first.\\par}");
    writeInfo("T051", "{\\rtf1\\ansi Starting Wordpad\\par Click Start.\\par}");
    f.start();
    TfrmMain &m = f.main();
    QApplication::processEvents();
    QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(m.pnInstructions);

    // The title page: its heading is the title, read once, and the
    // countdown line is read once with the instructions.
    EXPECT_EQ(notice->text(QAccessible::Name), "Welcome to Quillan 2");
    EXPECT_EQ(notice->text(QAccessible::Description), "Read this first. The course begins in 30. Press Enter.");
    m.tmrTimerT001Timer();
    EXPECT_EQ(notice->text(QAccessible::Description), "Read this first. The course begins in 30. Press Enter.")
        << "the ticking line is not read again";

    // A lesson whose heading is the start of its title.
    f.goTo(Page::T051);
    QApplication::processEvents();
    EXPECT_EQ(notice->text(QAccessible::Name), "Starting Wordpad from the Start menu");
    EXPECT_EQ(notice->text(QAccessible::Description), "Click Start.");

    // The course's window is a frame known by its title; the word processor
    // a named pane of it, not a window of its own; its format bar is named.
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&m);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Quillan 2");
    f.goTo(Page::T052);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m.frmWordpad)->role(), QAccessible::Pane);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m.frmWordpad->Image3)->text(QAccessible::Name), "Format bar");

    // The contents: a completed lesson says so; a lesson is a leaf, never
    // "expanded", and a chapter is.
    answer<TfrmContents>(
        [&](TfrmContents *d) {
            QStringList said;
            QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(d->tvContents);
            for (int i = 0; i < tree->childCount(); ++i) {
                QAccessibleInterface *c = tree->child(i);
                if (c->role() != QAccessible::TreeItem)
                    continue;
                said << c->text(QAccessible::Name) + ": " + c->text(QAccessible::Description)
                            + (c->state().expanded ? " (expanded)" : "");
            }
            const std::string all = said.join(" | ").toStdString();
            EXPECT_TRUE(said.contains("Starting Wordpad from the Start menu: completed")) << all;
            EXPECT_TRUE(said.contains("T052: completed")) << all;
            EXPECT_TRUE(said.contains("T053: ")) << all;
            EXPECT_TRUE(said.contains("T050:  (expanded)")) << all;
            d->reject();
        },
        [&] { QTest::mouseClick(m.tbContents, Qt::LeftButton); });
}

// Keys as the keyboard sends them: to the control with the focus, or to the
// active window when none has it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key), modifiers);
}

QImage look(QWidget *w)
{
    return w->grab().toImage();
}

TEST(PanelKeys, TabGoesRoundTheAvailableButtonsWithAVisibleMark)
{
    CourseFixture f;
    f.start();
    TfrmMain &m = f.main();
    m.activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(m.tbBack->isEnabled());  // the title page has no Back
    const QImage forwardPlain = look(m.tbForward);

    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QToolButton *TfrmMain::*focused;
    } steps[] = {
        {Qt::Key_Tab, Qt::NoModifier, &TfrmMain::tbForward},
        {Qt::Key_Tab, Qt::NoModifier, &TfrmMain::tbContents},
        {Qt::Key_Tab, Qt::NoModifier, &TfrmMain::tbExit},
        {Qt::Key_Tab, Qt::NoModifier, &TfrmMain::tbForward},  // round again, past Back
        {Qt::Key_Backtab, Qt::ShiftModifier, &TfrmMain::tbExit},
        {Qt::Key_Backtab, Qt::ShiftModifier, &TfrmMain::tbContents},
    };
    for (const auto &s : steps) {
        press(s.key, s.modifiers);
        QToolButton *expected = m.*(s.focused);
        ASSERT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(expected)->state().focused);
    }
    // The focus mark: Forward looks different with the keyboard on it.
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), m.tbForward);
    EXPECT_NE(look(m.tbForward), forwardPlain);
    EXPECT_EQ(f.main().currentPage(), Page::T001);
}

TEST(PanelKeys, EnterPressesTheButtonWithTheFocusAndTheTitlePagesEnterIsForwardWithout)
{
    CourseFixture f;
    f.start();
    TfrmMain &m = f.main();
    m.activateWindow();
    QApplication::processEvents();

    // On Contents, Enter opens the contents, not the first lesson.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), m.tbContents);
    int shown = 0;
    answer<TfrmContents>([&](TfrmContents *d) { ++shown; d->reject(); }, [&] { press(Qt::Key_Return); });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(m.currentPage(), Page::T001);
    QApplication::processEvents();

    // F6 leaves the panel; Enter is the title page's Forward again.
    press(Qt::Key_F6);
    EXPECT_FALSE(m.isAncestorOf(QApplication::focusWidget()));
    press(Qt::Key_Return);
    EXPECT_EQ(m.currentPage(), Page::T051);
}

TEST(PanelKeys, TabTypesInTheWordProcessorAndF6MovesBetweenItAndThePanel)
{
    CourseFixture f({}, progressWith(Page::T054));
    f.start();
    f.goTo(Page::T054);
    TfrmMain &m = f.main();
    f.focusWordpad();
    TRichEdit *text = m.frmWordpad->reWPad;
    text->clear();

    press(Qt::Key_A);
    press(Qt::Key_Tab);
    press(Qt::Key_B);
    EXPECT_EQ(text->toPlainText(), "a\tb");
    EXPECT_EQ(QApplication::focusWidget(), text);

    press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), m.tbBack);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m.tbContents);  // Forward is not yet available
    press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), text);
    press(Qt::Key_C);
    EXPECT_EQ(text->toPlainText(), "a\tbc");
}

TEST(PanelKeys, AChangeOfPageLeavesTheKeyboardOnTheButtons)
{
    const struct {
        const char *name;
        int stored;
        int from;
        QToolButton *TfrmMain::*pressed;
        int entered;
        QToolButton *TfrmMain::*focused;
    } cases[] = {
        {"Forward to a page passed before", Page::T059, Page::T055, &TfrmMain::tbForward, Page::T056,
         &TfrmMain::tbForward},
        {"Forward to the furthest page: on to Contents", Page::T056, Page::T055, &TfrmMain::tbForward,
         Page::T056, &TfrmMain::tbContents},
        {"Back to the first lesson: on to Forward", Page::T056, Page::T052, &TfrmMain::tbBack, Page::T051,
         &TfrmMain::tbForward},
        {"Forward as the word processor appears", Page::T056, Page::T051, &TfrmMain::tbForward, Page::T052,
         &TfrmMain::tbForward},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f({}, progressWith(c.stored));
        f.start();
        f.goTo(c.from);
        TfrmMain &m = f.main();
        m.activateWindow();
        QApplication::processEvents();
        (m.*(c.pressed))->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        EXPECT_EQ(m.currentPage(), c.entered);
        EXPECT_EQ(QApplication::focusWidget(), m.*(c.focused));
    }
}

}  // namespace
