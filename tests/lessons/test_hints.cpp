#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "lessons/hints.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/course_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextCursor>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QByteArray kHints = "[HINTS]\r\nT051Start=Click Start.\r\nT051Programs=Point at Programs.\r\n"
                          "T051Accessories=Point at Accessories.\r\nT052FileType=Choose the type.\r\n";

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget *w) { w->installEventFilter(this); }
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

// Lets the hint look at the page after what just happened, as the event
// loop does.
void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// Where the spotlight's ring stands around a widget: in its window's
// coordinates.
QRect inWindow(QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

TEST(Hints, TheWaitBringsTheHintAFollowedStepMovesItAnotherStepHidesIt)
{
    CourseFixture f(kHints);
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    THintController *h = m.hints();
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(h->tmrHintWait->enabled());
    EXPECT_EQ(h->tmrHintWait->interval(), 40000);  // the default wait
    EXPECT_FALSE(h->isShowing());

    h->tmrHintWaitTimer();
    ASSERT_TRUE(h->isShowing());
    EXPECT_EQ(h->shownStep().target, StepTarget::StartButton);
    ASSERT_NE(h->outline(), nullptr);
    EXPECT_EQ(h->outline()->parentWidget(), &m);
    EXPECT_EQ(h->outline()->target(), inWindow(m.sbStart));
    EXPECT_TRUE(h->outline()->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(h->outline()->focusPolicy(), Qt::NoFocus);
    ASSERT_NE(h->balloon(), nullptr);
    EXPECT_TRUE(h->balloon()->isVisible());
    EXPECT_EQ(h->balloon()->text(), "Click Start.");
    EXPECT_NE(QApplication::activeWindow(), h->balloon());
    EXPECT_FALSE(h->tmrHintWait->enabled());
    // A screen reader reads the hint as it appears: a notification.
    QAccessibleInterface *notice = QAccessible::queryAccessibleInterface(h->balloon());
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_EQ(notice->text(QAccessible::Name), "Click Start.");
    ShowCounter appeared(h->balloon());

    // Start, as the spotlight says: it moves on to the Programs row.
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    settle();
    ASSERT_TRUE(h->isShowing());
    EXPECT_EQ(h->shownStep().target, StepTarget::StartMenuPrograms);
    EXPECT_EQ(h->balloon()->text(), "Point at Programs.");
    // The new hint appears anew, so it is read out too.
    EXPECT_EQ(appeared.shows, 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(h->balloon())->text(QAccessible::Name), "Point at Programs.");

    // Pointing at Programs opens its menu: the spotlight goes into it.
    QMenu *programs = nullptr;
    QWidget *outlineParent = nullptr;
    {
        PopupDriver driver({[&](QMenu *menu) {
            programs = menu;
            h->evaluate();
            outlineParent = h->outline() ? h->outline()->parentWidget() : nullptr;
            menu->close();
        }});
        moveOver(m.imgT051Start, 60, 10);
    }
    EXPECT_EQ(outlineParent, programs);
    EXPECT_EQ(programs, m.pmStart);
    settle();

    // Closing the Start menu is a step back: the hint goes, the wait begins
    // again.
    if (m.imgT051Start->isVisible())
        QTest::mouseClick(m.sbStart, Qt::LeftButton);
    settle();
    EXPECT_FALSE(h->isShowing());
    EXPECT_EQ(h->outline(), nullptr);
    EXPECT_FALSE(h->balloon()->isVisible());
    EXPECT_TRUE(h->tmrHintWait->enabled());
    EXPECT_EQ(m.currentPage(), Page::T051);  // the hint completes nothing
}

TEST(Hints, ThreeClicksThatDoNothingBringTheHintAtOnce)
{
    struct Case {
        const char *name;
        int page;
        std::function<QWidget *(TfrmMain &)> where;
        StepTarget target;
    };
    const Case cases[] = {
        {"the empty desktop", Page::T051, [](TfrmMain &m) { return m.nbMain->widget(Page::T051); },
         StepTarget::StartButton},
        {"a greyed button", Page::T052, [](TfrmMain &m) -> QWidget * { return m.frmWordpad->tbCut; },
         StepTarget::FileMenu},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f(kHints, progressWith(c.page));
        f.start();
        f.goTo(c.page);
        TfrmMain &m = f.main();
        THintController *h = m.hints();
        QWidget *w = c.where(m);
        if (c.page == Page::T052) {
            ASSERT_FALSE(w->isEnabled());
        }
        for (int i = 1; i <= 3; ++i) {
            EXPECT_FALSE(h->isShowing()) << "after " << i - 1 << " clicks";
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2));
            settle();
        }
        ASSERT_TRUE(h->isShowing());
        EXPECT_EQ(h->shownStep().target, c.target);
    }
}

TEST(Hints, AStepBetweenClicksStartsTheCountAgain)
{
    CourseFixture f(kHints);
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    THintController *h = m.hints();
    QWidget *desktop = m.nbMain->widget(Page::T051);
    const auto deadClick = [&] {
        QTest::mouseClick(desktop, Qt::LeftButton, {}, QPoint(400, 300));
        settle();
    };
    deadClick();
    deadClick();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);  // opens the menu: a step
    settle();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);  // closes it: a step
    settle();
    deadClick();
    deadClick();
    EXPECT_FALSE(h->isShowing());
    deadClick();
    EXPECT_TRUE(h->isShowing());
}

TEST(Hints, TheSpotlightPointsIntoTheOpenDialog)
{
    CourseFixture f(kHints, progressWith(2));
    f.start();
    f.goTo(Page::T052);
    TfrmMain &m = f.main();
    THintController *h = m.hints();
    bool shown = false;
    QWidget *parent = nullptr;
    QRect ring;
    QString text;
    answer<TfrmOpnDlg>(
        [&](TfrmOpnDlg *d) {
            QWidget *keyboard = QApplication::focusWidget();
            h->tmrHintWaitTimer();
            shown = h->isShowing() && h->shownStep().target == StepTarget::FileTypeBox;
            parent = h->outline() ? h->outline()->parentWidget() : nullptr;
            ring = h->outline() ? h->outline()->target() : QRect();
            text = h->balloon() ? h->balloon()->text() : QString();
            // The balloon is drawn in the course window above the dialog it
            // points into, and leaves the keyboard where it was.
            THintBalloon *balloon = h->balloon();
            EXPECT_TRUE(d->isAncestorOf(keyboard));
            if (balloon) {
                EXPECT_FALSE(balloon->isWindow());
                EXPECT_EQ(balloon->parentWidget(), &m);
                EXPECT_GT(m.children().indexOf(balloon), m.children().indexOf(d));
                EXPECT_EQ(balloon->focusPolicy(), Qt::NoFocus);
                EXPECT_TRUE(balloon->testAttribute(Qt::WA_TransparentForMouseEvents));
                // Cut to its shape: the corner outside the rounded body shows through.
                EXPECT_FALSE(balloon->mask().isEmpty());
                EXPECT_NE(balloon->mask(), QRegion(balloon->rect()));
            }
            EXPECT_EQ(QApplication::focusWidget(), keyboard);
            d->reject();
        },
        [&] { QTest::mouseClick(m.frmWordpad->tbOpen, Qt::LeftButton); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(parent, &m);  // the dialog is drawn in the main window, the ring over it
    EXPECT_EQ(ring, inWindow(m.frmOpnDlg->cbType));
    EXPECT_EQ(text, "Choose the type.");
    settle();
    EXPECT_FALSE(h->isShowing());  // the dialog closed: a step back
}

// The spotlight goes where the instructions send the learner: No in the
// save-changes question; on T055 Edit and its Copy, whatever the clipboard
// held before the page, then Edit again for Paste.
TEST(Hints, TheSpotlightGoesWhereTheInstructionsSay)
{
    CourseFixture f(kHints, progressWith(5));
    f.start();
    TfrmMain &m = f.main();
    TfrmWordpad *wp = m.frmWordpad;

    f.goTo(Page::T053);
    THintController *h = m.hints();
    f.focusWordpad();
    QTest::keyClick(wp->reWPad, Qt::Key_A);
    StepTarget asked = StepTarget::None;
    QRect ring, no;
    answer<QDialog>(
        [&](QDialog *d) {
            h->tmrHintWaitTimer();
            asked = h->shownStep().target;
            ring = h->outline() ? h->outline()->target() : QRect();
            no = inWindow(d->findChild<QPushButton *>(QStringLiteral("btnNo")));
            d->reject();
        },
        [&] { QTest::mouseClick(wp->tbNew, Qt::LeftButton); });
    EXPECT_EQ(asked, StepTarget::QuestionNo);
    EXPECT_EQ(ring, no);

    QApplication::clipboard()->setText(QStringLiteral("from before the lesson"));
    f.goTo(Page::T055);
    h = m.hints();
    wp->reWPad->setPlainText(QStringLiteral("one two"));
    QTextCursor word = wp->reWPad->textCursor();
    word.select(QTextCursor::WordUnderCursor);
    wp->reWPad->setTextCursor(word);
    h->tmrHintWaitTimer();
    ASSERT_TRUE(h->isShowing());
    EXPECT_EQ(h->shownStep().hintKey, "T055Edit");
    QMenu *edit = nullptr;
    for (QAction *title : wp->mmMenu->actions()) {
        if (title->menu() && title->menu()->actions().contains(wp->aCopy))
            edit = title->menu();
    }
    ASSERT_NE(edit, nullptr);
    const QRect editTitle = wp->mmMenu->actionGeometry(edit->menuAction());
    EXPECT_EQ(h->outline()->target(), QRect(wp->mmMenu->mapTo(wp->mmMenu->window(), editTitle.topLeft()), editTitle.size()));

    // Copied (Ctrl+C works as well as the menu): next, Edit for Paste.
    QTest::keyClick(wp->reWPad, Qt::Key_C, Qt::ControlModifier);
    settle();
    ASSERT_TRUE(h->isShowing());
    EXPECT_EQ(h->shownStep().hintKey, "T055Place");
    EXPECT_EQ(h->shownStep().target, StepTarget::EditMenu);
}

TEST(Hints, LeavingThePageRemovesTheHint)
{
    CourseFixture f(kHints, progressWith(2));
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    THintController *h = m.hints();
    h->tmrHintWaitTimer();
    ASSERT_TRUE(h->isShowing());
    QPointer<THintOutline> outline = h->outline();

    f.goTo(Page::T001);
    EXPECT_FALSE(h->isShowing());
    EXPECT_FALSE(h->isWatching());
    EXPECT_TRUE(outline.isNull());
    EXPECT_FALSE(h->balloon()->isVisible());
    EXPECT_FALSE(h->tmrHintWait->enabled());
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(m.nbMain->widget(Page::T001), Qt::LeftButton);
    settle();
    EXPECT_FALSE(h->isShowing());  // no hints on the title page
}

TEST(Hints, TheDelayFromTheProgressFileAndTheCommandLine)
{
    const struct {
        const char *name;
        QByteArray options;       // the progress file's OPTIONS section
        std::optional<int> line;  // --hint-delay
        int interval;             // 0: hints off
    } cases[] = {
        {"default", {}, std::nullopt, 40000},
        {"progress file", "[OPTIONS]\r\nHintDelay=12\r\n", std::nullopt, 12000},
        {"off in the progress file", "[OPTIONS]\r\nHintDelay=0\r\n", std::nullopt, 0},
        {"the command line wins", "[OPTIONS]\r\nHintDelay=0\r\n", 3, 3000},
        {"off on the command line", "[OPTIONS]\r\nHintDelay=12\r\n", 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f(kHints, progressWith(1) + c.options);
        f.start();
        TfrmMain &m = f.main();
        m.setHintDelay(c.line);
        f.goTo(Page::T051);
        THintController *h = m.hints();
        EXPECT_EQ(h->isWatching(), c.interval != 0);
        EXPECT_EQ(h->tmrHintWait->enabled(), c.interval != 0);
        if (c.interval != 0) {
            EXPECT_EQ(h->tmrHintWait->interval(), c.interval);
        } else {
            for (int i = 0; i < 3; ++i)
                QTest::mouseClick(m.nbMain->widget(Page::T051), Qt::LeftButton, {}, QPoint(400, 300));
            settle();
            EXPECT_FALSE(h->isShowing());
        }
    }
}

TEST(Hints, TheProgressFilesOwnWritesKeepTheTeachersSetting)
{
    CourseFixture f(kHints, progressWith(6) + "[OPTIONS]\r\nHintDelay=25\r\n");
    f.start();
    f.goTo(Page::T056);  // records the page
    TfrmMain &m = f.main();
    m.frmWordpad->reWPad->setPlainText(QStringLiteral("Dear Ann,"));
    answer<TfrmOpnDlg>(
        [](TfrmOpnDlg *d) {
            QTest::keyClicks(d->edName, QStringLiteral("My Document"));
            QTest::keyClick(d->edName, Qt::Key_Return);
        },
        [&] { QTest::mouseClick(m.frmWordpad->tbSave, Qt::LeftButton); });
    EXPECT_EQ(f.storedMaxIndex(), "7");
    const QByteArray file = readFile(f.progressFile());
    EXPECT_TRUE(file.contains("[DOCUMENT]")) << file.constData();
    EXPECT_TRUE(file.contains("[OPTIONS]\r\nHintDelay=25\r\n")) << file.constData();
    EXPECT_EQ(m.hints()->tmrHintWait->interval(), 25000);
}

}  // namespace
