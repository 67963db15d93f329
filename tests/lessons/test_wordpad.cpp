#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/rich_edit.h"
#include "platform/tool_bar.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The course on a lesson page with the word processor showing and focused.
struct WordpadFixture {
    explicit WordpadFixture(int page = 2) : f({}, progressWith(9))
    {
        f.start();
        f.goTo(page);
        f.main().activateWindow();
        wp().reWPad->setFocus();
        QApplication::processEvents();
    }
    TfrmWordpad &wp() { return *f.main().frmWordpad; }
    CourseFixture f;
};

// Points of the word processor's frame (700 x 446) and what the window
// answers there by itself.
struct Place {
    const char *name;
    QPoint pos;
    int hit;
    bool swallowedByStandardHook;
};

const Place kPlaces[] = {
    {"caption", {300, 10}, Ht::HTCAPTION, false},
    {"window-menu icon", {10, 10}, Ht::HTSYSMENU, true},
    {"minimise button", {700 - 4 - 2 - 16 - 18 - 8, 10}, Ht::HTMINBUTTON, true},
    {"maximise button", {700 - 4 - 2 - 16 - 10, 10}, Ht::HTMAXBUTTON, false},
    {"close button", {700 - 4 - 2 - 8, 10}, Ht::HTCLOSE, true},
    {"left border", {1, 200}, Ht::HTLEFT, false},
    {"right border", {698, 200}, Ht::HTRIGHT, false},
    {"top border", {300, 1}, Ht::HTTOP, false},
    {"bottom border", {300, 444}, Ht::HTBOTTOM, false},
    {"top left corner", {2, 2}, Ht::HTTOPLEFT, false},
    {"bottom right corner", {697, 443}, Ht::HTBOTTOMRIGHT, false},
    {"menu bar", {30, 30}, Ht::HTMENU, false},
    {"text", {300, 300}, Ht::HTCLIENT, false},
    {"outside", {800, 300}, Ht::HTNOWHERE, false},
};

TEST(WordpadHook, HitTestsAnswerNowhereWhereTheStandardHookSwallowsThem)
{
    WordpadFixture w;
    TfrmWordpad &wp = w.wp();
    ASSERT_EQ(wp.size(), QSize(700, 446));
    for (bool standard : {false, true}) {
        if (standard)
            wp.whHook->OnBeforeMessage.bind([&](QObject *s, TMessage &m, bool &h) {
                w.f.main().whHookT052BeforeMessage(s, m, h);
            });
        else
            wp.whHook->OnBeforeMessage.unbind();
        for (const Place &p : kPlaces) {
            SCOPED_TRACE(std::string(p.name) + (standard ? " with the standard hook" : ""));
            bool handled = false;
            const qintptr answer = wp.sendMessage(Msg::WM_NCHITTEST, 0, pointParam(p.pos), &handled);
            const bool swallowed = standard && p.swallowedByStandardHook;
            EXPECT_EQ(handled, swallowed);
            EXPECT_EQ(answer, swallowed ? Ht::HTNOWHERE : p.hit);
        }
    }
}

TEST(WordpadHook, StandardHookRefusesMinimiseCloseAndKeyboardMenus)
{
    const struct {
        unsigned command;
        bool swallowed;
    } cases[] = {
        {Sc::SC_MINIMIZE, true},  {Sc::SC_CLOSE, true},    {Sc::SC_MOUSEMENU, true},
        {Sc::SC_KEYMENU, true},   {Sc::SC_DEFAULT, true},  {Sc::SC_MOVE + Ht::HTCAPTION, false},
        {Sc::SC_SIZE + 8, false}, {Sc::SC_MAXIMIZE, false}, {Sc::SC_RESTORE, false},
        {Sc::SC_MOUSEMENU + Ht::HTMENU, false}, {Sc::SC_CLOSE + 1, false},
    };
    WordpadFixture w;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        TMessage m{Msg::WM_SYSCOMMAND, c.command, 0, 0};
        bool handled = false;
        w.f.main().whHookT052BeforeMessage(&w.wp(), m, handled);
        EXPECT_EQ(handled, c.swallowed);
        EXPECT_EQ(m.Result, 0);
    }
}

void dragBy(QWidget *w, QPoint from, QPoint delta)
{
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + delta), w->mapToGlobal(QPointF(from + delta)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, from + delta);
}

TEST(WordpadHook, WithTheStandardHookTheLearnerCanMoveSizeAndMaximiseOnly)
{
    WordpadFixture w;
    TfrmWordpad &wp = w.wp();
    wp.whHook->OnBeforeMessage.bind(
        [&](QObject *s, TMessage &m, bool &h) { w.f.main().whHookT052BeforeMessage(s, m, h); });
    const QRect start = wp.geometry();

    QTest::mouseClick(&wp, Qt::LeftButton, {}, wp.buttonRect(Ht::HTCLOSE).center());
    QTest::mouseClick(&wp, Qt::LeftButton, {}, wp.buttonRect(Ht::HTMINBUTTON).center());
    QTest::keyClick(wp.reWPad, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(wp.reWPad, Qt::Key_Space, Qt::AltModifier);
    QTest::mouseDClick(&wp, Qt::LeftButton, {}, QPoint(10, 10));  // the window-menu icon
    EXPECT_TRUE(wp.isVisible());
    EXPECT_EQ(wp.geometry(), start);
    EXPECT_EQ(wp.state(), TClassicWindow::State::Normal);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    dragBy(&wp, QPoint(300, 10), QPoint(-20, 15));
    EXPECT_EQ(wp.geometry(), start.translated(-20, 15));
    dragBy(&wp, QPoint(697, 443), QPoint(30, -40));
    EXPECT_EQ(wp.size(), start.size() + QSize(30, -40));

    QTest::mouseClick(&wp, Qt::LeftButton, {}, wp.buttonRect(Ht::HTMAXBUTTON).center());
    EXPECT_EQ(wp.state(), TClassicWindow::State::Maximized);
    // The notebook plus 2 pixels on every side, no more than its limits.
    EXPECT_EQ(wp.geometry(), QRect(-2, -2, 778, 744));
    QTest::mouseDClick(&wp, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(wp.state(), TClassicWindow::State::Normal);
    EXPECT_EQ(wp.size(), start.size() + QSize(30, -40));
}

TEST(WordpadHook, WithoutAHookCloseAndMinimiseHideTheWindow)
{
    for (int hit : {Ht::HTCLOSE, Ht::HTMINBUTTON}) {
        SCOPED_TRACE(hit);
        WordpadFixture w;
        TfrmWordpad &wp = w.wp();
        wp.whHook->OnBeforeMessage.unbind();
        QTest::mouseClick(&wp, Qt::LeftButton, {}, wp.buttonRect(hit).center());
        EXPECT_FALSE(wp.isVisible());
    }
    WordpadFixture w;
    w.wp().whHook->OnBeforeMessage.unbind();
    QTest::keyClick(w.wp().reWPad, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(w.wp().isVisible());
}

TEST(Wordpad, EachKeystrokeIsItsOwnUndoStep)
{
    WordpadFixture w;
    TfrmWordpad &wp = w.wp();
    QTest::keyClicks(wp.reWPad, "abc");
    ASSERT_EQ(wp.reWPad->toPlainText(), "abc");
    ASSERT_TRUE(wp.aUndo->isEnabled());
    for (const char *left : {"ab", "a", ""}) {
        wp.aUndo->trigger();
        EXPECT_EQ(wp.reWPad->toPlainText(), left);
    }
    EXPECT_FALSE(wp.aUndo->isEnabled());
}

TEST(Wordpad, ABoundHandlerReplacesTheStandardEditing)
{
    WordpadFixture w;
    TfrmWordpad &wp = w.wp();
    wp.reWPad->setPlainText(QStringLiteral("hello world"));
    wp.reWPad->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    int copies = 0;
    wp.aCopy->OnExecute.bind([&] { ++copies; });
    QTest::keyClick(wp.reWPad, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    wp.aCopy->OnExecute.unbind();
    QTest::keyClick(wp.reWPad, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "hello world");
}

TEST(Wordpad, ADisabledButtonLeavesItsCommandToMenuAndShortcut)
{
    WordpadFixture w;
    TfrmWordpad &wp = w.wp();
    int runs = 0;
    wp.aNew->OnExecute.bind([&] { ++runs; });
    const QImage enabledLook = wp.tbNew->grab().toImage();
    wp.tbNew->setEnabled(false);
    // On tbMain a disabled button looks exactly like an enabled one ...
    EXPECT_EQ(wp.tbNew->grab().toImage(), enabledLook);
    QTest::mouseClick(wp.tbNew, Qt::LeftButton);
    EXPECT_EQ(runs, 0);
    QTest::keyClick(wp.reWPad, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    QMenu *file = wp.mmMenu->actions().at(0)->menu();
    ASSERT_TRUE(file->actions().contains(wp.aNew));
    wp.aNew->trigger();  // File > New...
    EXPECT_EQ(runs, 2);

    // ... while on tbEdit it is greyed.
    wp.reWPad->setPlainText(QStringLiteral("text"));
    wp.reWPad->selectAll();
    ASSERT_TRUE(wp.tbCut->isEnabled());
    const QImage cutEnabled = wp.tbCut->grab().toImage();
    wp.reWPad->moveCursor(QTextCursor::End);
    EXPECT_FALSE(wp.tbCut->isEnabled());
    EXPECT_NE(wp.tbCut->grab().toImage(), cutEnabled);
}

// A command's key whose command is disabled does nothing: the edit's own
// paste or cut would get past the lesson (T055 counts only its own paste).
TEST(Wordpad, TheKeyOfADisabledCommandDoesNothing)
{
    WordpadFixture w(5);
    TfrmWordpad &wp = w.wp();
    for (auto [key, action] : {std::pair{Qt::Key_V, static_cast<QAction *>(wp.aPaste)},
                               std::pair{Qt::Key_X, static_cast<QAction *>(wp.aCut)}}) {
        wp.reWPad->setPlainText(QStringLiteral("hello world"));
        wp.reWPad->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        action->setEnabled(false);
        QTest::keyClick(wp.reWPad, key, Qt::ControlModifier);
        EXPECT_EQ(wp.reWPad->toPlainText(), "hello world") << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(QApplication::clipboard()->text(), "pasted");
    }
    EXPECT_EQ(w.f.storedMaxIndex(), "9");
}

TEST(Wordpad, MenusHoldTheirItemsInOrder)
{
    WordpadFixture w;
    const struct {
        const char *menu;
        QStringList items;
    } menus[] = {
        {"File", {"New...", "Open...", "Save", "Save as...", "-", "Print...", "Print Preview",
                  "Page Setup...", "-", "Send...", "-", "Exit"}},
        {"Edit", {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "Paste Special", "Cle&ar", "Select A&ll",
                  "-", "Find...\tCtrl+F", "Find Next\tF3", "Replace...\tCtrl+H", "-", "Links...",
                  "Object Properties...\tAlt+Enter", "Object"}},
        {"View", {"Toolbar", "Format Bar", "Ruler", "Status Bar", "-", "Options..."}},
        {"Insert", {"Date and Time...", "Object..."}},
        {"Format", {"Font...", "Bullet Style", "Paragraph...", "Tabs..."}},
        {"Help", {"Help Topics", "-", "About Wordpad"}},
    };
    const QList<QAction *> bar = w.wp().mmMenu->actions();
    ASSERT_EQ(bar.size(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(menus[i].menu);
        EXPECT_EQ(bar[i]->text(), menus[i].menu);
        QStringList items;
        for (QAction *a : bar[i]->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(items, menus[i].items);
    }
    // Choosing an item without a command changes nothing; the check marks stay.
    QAction *toolbar = bar[2]->menu()->actions().at(0);
    toolbar->trigger();
    EXPECT_TRUE(toolbar->isChecked());
    const QString before = w.wp().reWPad->toHtml();
    bar[1]->menu()->actions().at(9)->trigger();  // Find...
    EXPECT_EQ(w.wp().reWPad->toHtml(), before);
}

TEST(Wordpad, CountsLaidOutLinesWithoutAnEmptyLastOne)
{
    WordpadFixture w;
    TRichEdit *edit = w.wp().reWPad;
    edit->clear();
    QTest::keyClick(edit, Qt::Key_X);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->LineCount(), 4);
    QTest::keyClick(edit, Qt::Key_Y);
    EXPECT_EQ(edit->LineCount(), 5);
    // A paragraph longer than the window wraps into several lines.
    edit->setPlainText(QString(400, QLatin1Char('w')).replace(QStringLiteral("wwwww"), QStringLiteral("wwww ")));
    EXPECT_GT(edit->LineCount(), 3);
}

TEST(Wordpad, LessonPagesGiveTheEditCommandsTheirStandardWork)
{
    WordpadFixture w(3);
    TfrmWordpad &wp = w.wp();
    const QList<TEditAction *> all = {wp.aCut, wp.aCopy, wp.aPaste, wp.aDelete, wp.aSelectAll, wp.aUndo};
    for (TEditAction *a : all)
        a->OnExecute.bind([] {});
    // T055 keeps the cut, copy and paste handlers it has just bound.
    w.f.goTo(5);
    for (TEditAction *a : all)
        EXPECT_EQ(a->OnExecute.isBound(), a == wp.aCut || a == wp.aCopy || a == wp.aPaste)
            << a->objectName().toStdString();
    w.f.goTo(4);
    for (TEditAction *a : all)
        EXPECT_FALSE(a->OnExecute.isBound()) << a->objectName().toStdString();
}

TEST(Wordpad, KeepsItsPlaceBetweenLessonPages)
{
    WordpadFixture w(4);
    TfrmWordpad &wp = w.wp();
    EXPECT_EQ(wp.geometry(), QRect(37, 147, 700, 446));
    wp.move(50, 60);
    w.f.goTo(5);
    w.f.goTo(4);
    EXPECT_EQ(wp.pos(), QPoint(50, 60));
    EXPECT_EQ(wp.caption(), "Document - Wordpad");
}

}  // namespace

TEST(Wordpad, AnEmptiedOrReloadedDocumentIsInTheWordProcessorsOwnFont)
{
    // A letter that begins with a big bold centred heading.
    WordpadFixture w(3);
    writeFile(w.f.infoDir() + "T052Txt.rtf",
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\qc\\f0\\fs36\\b Spring Day\\par}");
    writeFile(w.f.progressFile(), progressWith(9) + "[DOCUMENT]\r\nLine0=Bread\r\n");
    TfrmWordpad &wp = w.wp();
    const auto firstCharacter = [&wp] {
        QTextCursor c(wp.reWPad->document());
        c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        return std::make_pair(c.charFormat().font(), c.blockFormat().alignment());
    };
    const QFont own = wp.reWPad->font();

    const struct {
        const char *name;
        int page;                   // entered after the letter was shown on T053
        const char *typed;          // typed into the empty document, if anything
        const char *expectedStart;  // the text that results
    } cases[] = {
        {"typed into the empty document of T054", 4, "x", "x"},
        {"the saved document shown again on T058", 8, "", "Bread"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        w.f.goTo(3);
        ASSERT_TRUE(firstCharacter().first.bold()) << "the letter's heading is bold";
        w.f.goTo(c.page);
        w.f.focusWordpad();
        QTest::keyClicks(wp.reWPad, c.typed);
        EXPECT_TRUE(wp.reWPad->toPlainText().startsWith(c.expectedStart));
        const auto [font, alignment] = firstCharacter();
        EXPECT_FALSE(font.bold());
        EXPECT_EQ(font.family(), own.family());
        EXPECT_EQ(font.pixelSize(), own.pixelSize());
        EXPECT_FALSE(alignment & Qt::AlignHCenter);
    }
}
