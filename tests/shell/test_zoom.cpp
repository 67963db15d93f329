// The course zoom: how large the course is drawn, set by a teacher in the
// progress file, for a run on the command line, and by the learner with
// Ctrl+Plus and Ctrl+Minus, which change it at once without losing anything.
#include "app/program.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "lessons/hints.h"
#include "platform/rich_edit.h"
#include "platform/screen_zoom.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QBackingStore>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <qpa/qplatformbackingstore.h>
#include <qpa/qplatformwindow.h>

#include <gtest/gtest.h>

namespace {

// Every test leaves the toolkit at the course's own size for the next.
struct ZoomReset {
    ~ZoomReset() { setCourseZoom(1); }
};

// Whether all of w is inside area, both in the same window.
bool holdsWithin(const QWidget *w, const QWidget *area)
{
    const auto inWindow = [](const QWidget *x) { return QRect(x->mapTo(x->window(), QPoint(0, 0)), x->size()); };
    return w->window() == area->window() && inWindow(area).contains(inWindow(w));
}

// The test screen is 1024 x 768: it holds the layout's 800 x 600 up to 1.25.
TEST(Zoom, FromTheProgressFileAndTheCommandLine)
{
    const struct {
        const char *name;
        QByteArray options;                // the progress file's OPTIONS section
        std::optional<ZoomSetting> line;   // --zoom
        double zoom;
        bool told;                         // the screen refused the zoom asked for
    } cases[] = {
        {"default", {}, std::nullopt, 1, false},
        {"progress file", "[OPTIONS]\r\nZoom=1.25\r\n", std::nullopt, 1.25, false},
        {"fit", "[OPTIONS]\r\nZoom=fit\r\n", std::nullopt, 1.25, false},
        {"not a zoom", "[OPTIONS]\r\nZoom=large\r\n", std::nullopt, 1, false},
        {"out of range", "[OPTIONS]\r\nZoom=9\r\n", std::nullopt, 1, false},
        {"too large for the screen", "[OPTIONS]\r\nZoom=2\r\n", std::nullopt, 1.25, true},
        {"the command line wins", "[OPTIONS]\r\nZoom=1.25\r\n", ZoomSetting{false, 1}, 1, false},
        {"fit on the command line", {}, ZoomSetting{true, 1}, 1.25, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ZoomReset reset;
        CourseFixture f("[LABELS]\r\nZoomTooLarge=Not %s times: %s. Shown %s times.\r\n", progressWith(1) + c.options);
        f.start([&](Program &p) { p.setZoom(c.line); });
        TfrmMain &m = f.main();
        EXPECT_EQ(courseZoom(), c.zoom);
        // The window fills the screen, which the zoom makes smaller in the
        // course's pixels; the layout has what it needs.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(screen.width(), int(1024 / c.zoom));
        EXPECT_EQ(m.geometry(), screen);
        EXPECT_GE(m.width(), 800);
        EXPECT_GE(m.height(), 600);
        EXPECT_EQ(f.boxes.contains(QStringLiteral("Error: Not 2 times: 512 x 384. Shown 1.25 times.")), c.told)
            << f.boxes.join('\n').toStdString();
    }
}

TEST(Zoom, CtrlPlusKeepsTheTypedTextAndIsRemembered)
{
    ZoomReset reset;
    CourseFixture f({}, progressWith(4));
    f.start();
    f.goTo(Page::T054);
    TfrmMain &m = f.main();
    f.focusWordpad();
    TRichEdit *text = m.frmWordpad->reWPad;
    QTest::keyClicks(text, QStringLiteral("Dear Ann,"));
    text->moveCursor(QTextCursor::Left);

    QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(courseZoom(), 1.25);
    EXPECT_EQ(m.currentPage(), Page::T054);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Dear Ann,"));  // not a "+" more
    EXPECT_EQ(text->textCursor().position(), 8);
    EXPECT_TRUE(text->hasFocus());
    EXPECT_EQ(m.geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(holdsWithin(m.frmWordpad, m.nbMain));
    EXPECT_TRUE(readFile(f.progressFile()).contains("[OPTIONS]\r\nZoom=1.25\r\n"));

    // 1.25 is as large as this screen holds: nothing changes.
    QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(courseZoom(), 1.25);

    QTest::keyClick(text, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(courseZoom(), 1);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Dear Ann,"));
    EXPECT_TRUE(readFile(f.progressFile()).contains("[OPTIONS]\r\nZoom=1\r\n"));
}

TEST(Zoom, AnOpenDialogStaysOpenInside)
{
    ZoomReset reset;
    CourseFixture f({}, progressWith(2));
    f.start();
    f.goTo(Page::T052);
    TfrmMain &m = f.main();
    bool open = false, inside = false, typed = false;
    answer<TfrmOpnDlg>(
        [&](TfrmOpnDlg *d) {
            QTest::keyClicks(d->edName, QStringLiteral("doc"));
            QTest::keyClick(d->edName, Qt::Key_Plus, Qt::ControlModifier);
            open = d->isVisible() && courseZoom() == 1.25;
            inside = holdsWithin(d, &m);
            typed = d->edName->text() == QLatin1String("doc");
            d->reject();
        },
        [&] { QTest::mouseClick(m.frmWordpad->tbOpen, Qt::LeftButton); });
    EXPECT_TRUE(open);
    EXPECT_TRUE(inside);
    EXPECT_TRUE(typed);
}

// The hint's ring and balloon stay on their control where the zoom moves it.
TEST(Zoom, TheHintFollows)
{
    ZoomReset reset;
    CourseFixture f("[HINTS]\r\nT051Start=Click Start.\r\n", progressWith(1));
    f.start();
    f.goTo(Page::T051);
    TfrmMain &m = f.main();
    THintController *h = m.hints();
    h->tmrHintWaitTimer();
    ASSERT_TRUE(h->isShowing());
    const QRect before = h->outline()->target();

    QTest::keyClick(&m, Qt::Key_Plus, Qt::ControlModifier);
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_EQ(courseZoom(), 1.25);
    ASSERT_TRUE(h->isShowing());
    const QRect start(m.sbStart->mapTo(&m, QPoint(0, 0)), m.sbStart->size());
    EXPECT_NE(start, before);  // the taskbar stands higher on the smaller screen
    EXPECT_EQ(h->outline()->target(), start);
    EXPECT_TRUE(h->balloon()->isVisible());
    EXPECT_TRUE(QRect(QPoint(0, 0), m.size()).contains(h->balloon()->geometry()));
}

// A window of its own (the print dialog is the toolkit's) keeps its place
// and size in the course's pixels; its buffer follows the window's new size
// in the screen's pixels, so all of it is painted.
TEST(Zoom, AWindowOfItsOwnIsPaintedWhole)
{
    ZoomReset reset;
    QWidget w;
    w.setGeometry(100, 80, 200, 120);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    setCourseZoom(1.5);
    QApplication::processEvents();
    EXPECT_EQ(w.geometry(), QRect(100, 80, 200, 120));
    EXPECT_EQ(w.windowHandle()->handle()->geometry(), QRect(150, 120, 300, 180));
    const auto *buffer = dynamic_cast<QImage *>(w.backingStore()->handle()->paintDevice());
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->size(), QSize(300, 180));
}

}  // namespace
