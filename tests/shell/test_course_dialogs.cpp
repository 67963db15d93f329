// The course's dialogs are drawn inside the main window, where the course
// places them, and act as modal windows do: input reaches only the dialog in
// front.
#include "platform/classic_window.h"
#include "platform/error_box.h"
#include "platform/tree_view.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/course_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Opens the contents dialog with the Contents button and lets inspect() work
// in it while it is shown; a dialog left open is cancelled. The dialog's
// result.
int withContents(CourseFixture &f, const std::function<void(TfrmContents &)> &inspect)
{
    bool seen = false;
    TfrmContents &dlg = *f.main().frmContents;
    ModalAnswerer answer([&](QWidget *w) {
        if (w != &dlg)
            return;
        seen = true;
        inspect(dlg);
        if (dlg.isVisible())
            dlg.reject();
    });
    QTest::mouseClick(f.main().tbContents, Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_FALSE(dlg.isVisible());
    return dlg.result();
}

// A drag of the pointer with the left button held, from a point of the
// widget by an offset (global pixels), as the learner's hand does it.
void drag(QWidget *w, QPoint from, QPoint by)
{
    const QPoint global = w->mapToGlobal(from);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), QPointF(global), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + by), QPointF(global + by), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(from + by), QPointF(global + by), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

TEST(CourseDialogs, TheContentsDialogIsDrawnOverThePageAndAloneTakesInput)
{
    CourseFixture f({}, progressWith(5));
    f.start();
    f.goTo(Page::T052);
    TfrmMain &m = f.main();
    const int page = m.currentPage();
    ASSERT_TRUE(m.tbForward->isEnabled());

    withContents(f, [&](TfrmContents &dlg) {
        // A child of the main window, centred over the page area.
        EXPECT_FALSE(dlg.isWindow());
        EXPECT_EQ(dlg.parentWidget(), &m);
        EXPECT_EQ(frontDialog(), &dlg);
        EXPECT_EQ(dlg.pos(), QPoint((m.nbMain->width() - 400) / 2, (m.nbMain->height() - 450) / 2));
        EXPECT_TRUE(dlg.frame()->isActiveFrame());
        EXPECT_TRUE(dlg.isAncestorOf(QApplication::focusWidget()));
        EXPECT_EQ(dlg.accessibleName(), dlg.windowTitle());

        // Forward behind the dialog does nothing, by click or by keys.
        QTest::mouseClick(m.tbForward, Qt::LeftButton);
        QTest::keyClick(m.tbForward, Qt::Key_Space);
        QApplication::processEvents();
        EXPECT_EQ(m.currentPage(), page);
        EXPECT_TRUE(dlg.isVisible());

        // The keyboard goes round the dialog's own controls, never out to
        // the page, and comes back when the program moves it out.
        QList<QWidget *> visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        EXPECT_EQ(visited, QList<QWidget *>({dlg.btnCntOK, dlg.btnCntCancel, dlg.tvContents, dlg.btnCntOK}));
        m.tbBack->setFocus();
        EXPECT_TRUE(dlg.isAncestorOf(QApplication::focusWidget()));

        // Its own controls work.
        QTest::mouseClick(dlg.btnCntCancel, Qt::LeftButton);
        EXPECT_FALSE(dlg.isVisible());
    });
    EXPECT_EQ(m.currentPage(), page);
    EXPECT_EQ(frontDialog(), nullptr);
    // Without a dialog, Forward works again.
    QTest::mouseClick(m.tbForward, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), page + 1);
}

TEST(CourseDialogs, EnterTakesEscAndTheCloseBoxCancel)
{
    const struct {
        const char *way;
        std::function<void(TfrmContents &)> close;
        int result;
    } cases[] = {
        {"Enter", [](TfrmContents &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
         QDialog::Accepted},
        {"Esc", [](TfrmContents &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
         QDialog::Rejected},
        {"close box", [](TfrmContents &d) { clickCloseBox(&d); }, QDialog::Rejected},
        {"Alt+F4", [](TfrmContents &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::AltModifier); },
         QDialog::Rejected},
    };
    CourseFixture f({}, progressWith(5));
    f.start();
    f.goTo(Page::T052);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.way);
        bool closed = false;
        const int result = withContents(f, [&](TfrmContents &d) {
            c.close(d);
            closed = !d.isVisible();
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(result, c.result);
    }
}

TEST(CourseDialogs, ADragOfTheTitleBarMovesTheDialogWithinTheCourseWindow)
{
    CourseFixture f({}, progressWith(5));
    f.start();
    f.goTo(Page::T052);
    TfrmMain &m = f.main();
    withContents(f, [&](TfrmContents &d) {
        TClassicWindow *frame = d.frame();
        const QPoint caption = frame->captionRect().center();
        const QPoint start = d.pos();
        drag(frame, caption, QPoint(-30, 12));
        EXPECT_EQ(d.pos(), start + QPoint(-30, 12));
        drag(frame, caption, QPoint(-5000, -5000));
        EXPECT_EQ(d.pos(), QPoint(0, 0));
        drag(frame, caption, QPoint(5000, 5000));
        EXPECT_EQ(d.geometry().bottomRight(), m.rect().bottomRight());
        EXPECT_TRUE(d.isVisible());
    });
    // Shown again, it stands where the course puts it.
    withContents(f, [&](TfrmContents &d) {
        EXPECT_EQ(d.pos(), QPoint((m.nbMain->width() - 400) / 2, (m.nbMain->height() - 450) / 2));
    });
}

TEST(CourseDialogs, AnErrorBoxOverTheContentsDialogStandsInFrontUntilItCloses)
{
    CourseFixture f({}, progressWith(5));
    f.start();
    f.goTo(Page::T052);
    TfrmMain &m = f.main();
    withContents(f, [&](TfrmContents &contents) {
        QWidget *keyboard = QApplication::focusWidget();
        TErrorBox box(QStringLiteral("Error"), QStringLiteral("Disk full"));
        bool checked = false;
        QTimer::singleShot(0, &box, [&] {
            checked = true;
            EXPECT_EQ(box.parentWidget(), &m);
            EXPECT_EQ(frontDialog(), &box);
            EXPECT_GT(m.children().indexOf(&box), m.children().indexOf(&contents));
            EXPECT_EQ(box.geometry().center() / 2, m.rect().center() / 2);  // centred, to the pixel pair
            EXPECT_TRUE(box.frame()->isActiveFrame());
            EXPECT_FALSE(contents.frame()->isActiveFrame());
            // No window of its own, the front dialog is still told to be the
            // active one: a screen reader follows the focus only there.
            EXPECT_TRUE(QAccessible::queryAccessibleInterface(&box)->state().active);
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(&contents)->state().active);
            EXPECT_TRUE(box.isAncestorOf(QApplication::focusWidget()));
            // The dialog under it takes no click now.
            QTest::mouseClick(contents.btnCntCancel, Qt::LeftButton);
            EXPECT_TRUE(contents.isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        box.exec();
        EXPECT_TRUE(checked);
        EXPECT_EQ(box.result(), QDialog::Accepted);
        EXPECT_EQ(frontDialog(), &contents);
        EXPECT_EQ(QApplication::focusWidget(), keyboard);
        EXPECT_TRUE(contents.frame()->isActiveFrame());
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(&contents)->state().active);
    });
}

}  // namespace
