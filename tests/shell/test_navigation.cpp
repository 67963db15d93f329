#include "app/program.h"
#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/panel.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "support/core_test_support.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

enum class Action { Back, Forward, Enter, CountdownEnd };

void perform(CourseFixture &f, Action action)
{
    TfrmMain &m = f.main();
    switch (action) {
    case Action::Back:
        QTest::mouseClick(m.tbBack, Qt::LeftButton);
        break;
    case Action::Forward:
        QTest::mouseClick(m.tbForward, Qt::LeftButton);
        break;
    case Action::Enter:
        m.activateWindow();
        QApplication::processEvents();
        QTest::keyClick(&m, Qt::Key_Return);
        break;
    case Action::CountdownEnd:
        for (int i = 0; i < 30; ++i)
            m.tmrTimerT001Timer();
        break;
    }
}

TEST(Navigation, PageActionAndProgressGiveTheNextPage)
{
    const struct {
        const char *name;
        int stored;  // MaxIndex in the progress file, -1 for no file
        int from;
        Action action;
        int entered;
        bool back;
        bool forward;
    } cases[] = {
        {"first run: Forward on the title page", -1, 0, Action::Forward, 1, false, false},
        {"title page resumes at the furthest page", 7, 0, Action::Forward, 7, true, false},
        {"Enter on the title page is Forward", 7, 0, Action::Enter, 7, true, false},
        {"the countdown always starts the first lesson", 7, 0, Action::CountdownEnd, 1, false, true},
        {"Back from a resumed page", 6, 6, Action::Back, 5, true, true},
        {"Back on T052 leads to T051, where Back is off", 2, 2, Action::Back, 1, false, true},
        {"Forward on a passed page", 9, 4, Action::Forward, 5, true, true},
        {"Forward stops at the furthest page", 4, 3, Action::Forward, 4, true, false},
        {"the credits page is the last", 10, 9, Action::Forward, 10, true, false},
        {"Back from the credits page", 10, 10, Action::Back, 9, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f({}, c.stored < 0 ? QByteArray() : progressWith(c.stored));
        f.start();
        if (c.from != 0)
            f.goTo(c.from);
        perform(f, c.action);
        EXPECT_EQ(f.main().currentPage(), c.entered);
        EXPECT_EQ(f.main().tbBack->isEnabled(), c.back);
        EXPECT_EQ(f.main().tbForward->isEnabled(), c.forward);
        EXPECT_TRUE(f.errors.isEmpty());
    }
}

TEST(Navigation, PageTableSetsTaskbarBackAndWordProcessor)
{
    CourseFixture f({}, progressWith(10));
    f.start();
    TfrmMain &m = f.main();
    for (int page = 0; page <= 10; ++page) {
        SCOPED_TRACE(page);
        f.goTo(page);
        const bool lesson = page >= 1 && page <= 9;
        EXPECT_EQ(m.pnTaskbar->isVisible(), lesson);
        EXPECT_EQ(m.tbBack->isEnabled(), page >= 2);
        EXPECT_EQ(m.frmWordpad->isVisible(), page >= 2 && page <= 9);
        EXPECT_EQ(f.infoText(), "Page " + m.nbMain->widget(page)->windowTitle());
        EXPECT_EQ(QApplication::focusWidget() && m.isAncestorOf(QApplication::focusWidget())
                      && !m.frmWordpad->isAncestorOf(QApplication::focusWidget()),
                  false);
    }
}

TEST(Navigation, WordProcessorOpensCentredAndKeepsWhereTheLearnerLeftIt)
{
    CourseFixture f({}, progressWith(9));
    f.start();
    TfrmMain &m = f.main();
    f.goTo(1);
    EXPECT_FALSE(m.frmWordpad->isVisible());
    f.goTo(2);
    ASSERT_TRUE(m.frmWordpad->isVisible());
    // 90 % x 60 % of its limits (778 x 744), centred over the 774 x 740 notebook.
    EXPECT_EQ(m.frmWordpad->geometry(), QRect(37, 147, 700, 446));
    m.frmWordpad->setGeometry(10, 20, 500, 300);
    f.goTo(5);
    f.goTo(4);
    EXPECT_EQ(m.frmWordpad->geometry(), QRect(10, 20, 500, 300));
}

// A learner's click on a navigation button, waiting in the event queue.
void postClick(QWidget *button)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const QPointF at(button->rect().center());
        QCoreApplication::postEvent(button, new QMouseEvent(type, at, button->mapToGlobal(at), Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                             : Qt::NoButton,
                                                            Qt::NoModifier));
    }
}

// A click that waits while a page is being entered (the page engine lets
// waiting events run) changes the page after that change, not inside it.
TEST(Navigation, AClickDuringAChangeOfPageRunsAfterIt)
{
    CourseFixture f({}, progressWith(9));
    f.start();
    f.goTo(2);
    TfrmMain &m = f.main();
    postClick(m.tbForward);
    m.tbForwardClick();  // T053; the waiting click then leads on to T054
    EXPECT_EQ(m.currentPage(), 4);
    EXPECT_EQ(f.infoText(), "Page T054");
    // T053 was left once, fully: its letter and caption are gone.
    EXPECT_EQ(m.frmWordpad->caption(), "Document - Wordpad");
    EXPECT_EQ(m.frmWordpad->reWPad->toPlainText(), "");
    f.goTo(3);
    f.goTo(2);
    EXPECT_EQ(m.frmWordpad->caption(), "Document - Wordpad");
}

// A click that waited does what the same click does on the page entered by
// then: two clicks in one burst (a busy machine's double click) never carry
// the learner past a lesson that is not done.
TEST(Navigation, AWaitingClickCountsOnThePageEntered)
{
    enum class First { Forward, Back, Countdown };
    const struct {
        const char *name;
        int stored;  // MaxIndex in the progress file, -1 for no file
        int from;
        bool typeFiveLines;  // T054's task done before the clicks
        First first;         // what starts the change
        QToolButton *TfrmMain::*waiting;  // the click that waits meanwhile
        int entered;
        int maxIndex;
    } cases[] = {
        {"Forward twice on a fresh title page", -1, 0, false, First::Forward, &TfrmMain::tbForward, 1, 1},
        {"Forward twice after T054 is done", 4, 4, true, First::Forward, &TfrmMain::tbForward, 5, 5},
        {"Forward twice over passed pages", 9, 4, false, First::Forward, &TfrmMain::tbForward, 6, 9},
        {"Back twice from T052 stops at T051", 2, 2, false, First::Back, &TfrmMain::tbBack, 1, 2},
        {"Back twice from T055", 5, 5, false, First::Back, &TfrmMain::tbBack, 3, 5},
        {"Forward while the countdown starts T051", -1, 0, false, First::Countdown, &TfrmMain::tbForward, 1, 1},
        {"the countdown's end while Forward resumes", 7, 0, false, First::Forward, nullptr, 7, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f({}, c.stored < 0 ? QByteArray() : progressWith(c.stored));
        f.start();
        TfrmMain &m = f.main();
        if (c.from != 0)
            f.goTo(c.from);
        if (c.typeFiveLines) {
            f.focusWordpad();
            for (const char key : {'1', '2', '3', '4', '5'}) {
                QTest::keyClick(m.frmWordpad->reWPad, key);
                QTest::keyClick(m.frmWordpad->reWPad, Qt::Key_Return);
            }
            ASSERT_TRUE(m.tbForward->isEnabled());
        }
        if (c.waiting) {
            postClick(m.*c.waiting);
        } else {
            // The title page's last second, ticking while the change runs.
            for (int i = 0; i < 29; ++i)
                m.tmrTimerT001Timer();
            QMetaObject::invokeMethod(&m, [&m] { m.tmrTimerT001Timer(); }, Qt::QueuedConnection);
        }
        switch (c.first) {
        case First::Forward: m.tbForwardClick(); break;
        case First::Back: m.tbBackClick(); break;
        case First::Countdown:
            for (int i = 0; i < 30; ++i)
                m.tmrTimerT001Timer();
            break;
        }
        QApplication::processEvents();
        EXPECT_EQ(m.currentPage(), c.entered);
        EXPECT_EQ(f.storedMaxIndex(), QByteArray::number(c.maxIndex));
        EXPECT_EQ(f.infoText(), "Page " + m.nbMain->widget(c.entered)->windowTitle());
        EXPECT_TRUE(f.errors.isEmpty());
    }
}

TEST(TitlePage, CountsDownThirtySecondsThenStartsTheFirstLesson)
{
    CourseFixture f({}, progressWith(7));
    f.start();
    TfrmMain &m = f.main();
    EXPECT_EQ(m.pnT001Logo->pos(), QPoint(145, 202));
    EXPECT_EQ(m.lbT001Time->text(), "");
    EXPECT_TRUE(m.tmrTimer->enabled());
    EXPECT_EQ(m.tmrTimer->interval(), 1000);
    EXPECT_TRUE(m.aEnter->isEnabled());
    for (int left = 29; left >= 1; --left) {
        m.tmrTimerT001Timer();
        ASSERT_EQ(m.lbT001Time->text(), QString::number(left));
        ASSERT_EQ(m.currentPage(), 0);
    }
    m.tmrTimerT001Timer();
    EXPECT_EQ(m.lbT001Time->text(), "0");  // keeps its last text
    EXPECT_EQ(m.currentPage(), 1);
    EXPECT_FALSE(m.tmrTimer->enabled());
    EXPECT_FALSE(m.aEnter->isEnabled());
}

TEST(TitlePage, ACountdownLineThatDoesNotFitANumberIsShownAsItStands)
{
    for (const char *format : {"Starting soon", "%s seconds", "%d of %d"}) {
        SCOPED_TRACE(format);
        CourseFixture f(QByteArray("[LABELS]\r\nlbT001Time=") + format + "\r\n");
        f.start();
        for (int i = 0; i < 30; ++i)
            f.main().tmrTimerT001Timer();
        EXPECT_EQ(f.main().lbT001Time->text(), format);
        EXPECT_EQ(f.main().currentPage(), 1);
        EXPECT_TRUE(f.errors.isEmpty());
    }
}

TEST(TitlePage, ClosingTheWindowStopsTheCountdown)
{
    CourseFixture f;
    f.start();
    ASSERT_TRUE(f.main().tmrTimer->enabled());
    f.main().close();
    EXPECT_FALSE(f.main().tmrTimer->enabled());
    EXPECT_FALSE(f.main().aEnter->isEnabled());
}

TEST(Progress, FirstRunWritesTheFirstLessonWithTheCheckCode)
{
    CourseFixture f;
    f.start();
    EXPECT_EQ(readFile(f.progressFile()), QByteArray("[USERINFO]\r\nCRC=199792\r\nMaxIndex=1\r\n"));
    EXPECT_TRUE(f.main().tbForward->isEnabled());
    perform(f, Action::Forward);
    EXPECT_EQ(f.main().currentPage(), 1);
    EXPECT_EQ(readFile(f.progressFile()), QByteArray("[USERINFO]\r\nCRC=199792\r\nMaxIndex=1\r\n"));
}

TEST(Progress, OnlyCheckCodeAndFurthestPageAreRewritten)
{
    const QByteArray before = "; my progress\r\n[USERINFO]\r\nName=abc\r\nMaxIndex=3\r\n\r\n"
                              "[DOCUMENT]\r\nLine0=Dear Ann,\r\n";
    CourseFixture f({}, before);
    f.start();
    EXPECT_EQ(f.main().maxIndex(), 3);
    EXPECT_EQ(readFile(f.progressFile()), before);  // the title page records only page 1
    f.goTo(4);
    EXPECT_EQ(readFile(f.progressFile()),
              QByteArray("; my progress\r\n[USERINFO]\r\nName=abc\r\nMaxIndex=4\r\nCRC=122179\r\n\r\n"
                         "[DOCUMENT]\r\nLine0=Dear Ann,\r\n"));
    f.main().SaveProgress(2);  // never lowers
    EXPECT_EQ(f.main().maxIndex(), 4);
}

TEST(Progress, ARefusedWriteIsToldAndThePageChangeCompletes)
{
    CourseFixture f({}, progressWith(1));
    QFile::setPermissions(f.progressFile(), QFile::ReadOwner | QFile::ReadGroup);
    f.start();
    f.goTo(1);
    f.goTo(2);
    EXPECT_EQ(f.main().currentPage(), 2);
    EXPECT_EQ(f.main().maxIndex(), 2);
    EXPECT_TRUE(f.main().tbBack->isEnabled());
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_EQ(f.errors[0], "Unable to write to " + f.progressFile());
}

TEST(PageInfo, AMissingInstructionFileEndsTheProgram)
{
    CourseFixture f("[LABELS]\r\nErrorLoadingInfo=The page could not be loaded.\r\n", progressWith(4));
    f.start();
    f.goTo(2);
    QFile::remove(f.infoDir() + "T053.rtf");
    EXPECT_FALSE(f.main().terminationRequested());
    f.goTo(3);
    EXPECT_EQ(f.boxes, QStringList{"Error: The page could not be loaded."});
    EXPECT_TRUE(f.main().terminationRequested());
    EXPECT_EQ(f.infoText(), "Page T052");  // the panel keeps what it showed
}

// A page's instructions are kept as laid out once shown; coming back to the
// page still reads its file, so a file changed or gone since is what counts.
TEST(PageInfo, ComingBackToAPageReadsItsFileAgain)
{
    const struct {
        const char *name;
        QByteArray file;  // T052.rtf after the first visit; empty: removed
        QString shown;
        bool ends;
    } cases[] = {
        {"unchanged", "{\\rtf1\\ansi Page T052\\par}", "Page T052", false},
        {"changed", "{\\rtf1\\ansi Open Document2.\\par}", "Open Document2.", false},
        {"removed", {}, "Page T053", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseFixture f("[LABELS]\r\nErrorLoadingInfo=The page could not be loaded.\r\n", progressWith(4));
        f.start();
        f.goTo(2);
        f.goTo(3);
        if (c.file.isEmpty())
            QFile::remove(f.infoDir() + "T052.rtf");
        else
            writeFile(f.infoDir() + "T052.rtf", c.file);
        f.goTo(2);
        EXPECT_EQ(f.infoText(), c.shown);
        EXPECT_EQ(f.main().terminationRequested(), c.ends);
    }
}

TEST(PageInfo, ExitClosesTheWindow)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    QTest::mouseClick(f.main().tbExit, Qt::LeftButton);
    EXPECT_FALSE(f.main().isVisible());
}

}  // namespace
