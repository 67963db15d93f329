#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/panel.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The main window on the screen this test program was started on (CTest runs
// it on 1024 x 768 and 800 x 600 at 96 dots per inch, and 1024 x 768 at 120
// and 144).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { writeFile(langFile(), "[LANGUAGE]\nName=English\n"); }

    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString langFile() const { return programDir() + QStringLiteral("QL2Eng.ini"); }

    QTemporaryDir m_dir;
    TempConfigHome m_config;
};

struct ScreenCase {
    QSize screen;
    int dpi;
    bool warning;
    QSize notebook;   // with the taskbar showing
    QSize wordpadMax;
};

const ScreenCase kScreens[] = {
    {{1024, 768}, 96, false, {774, 740}, {778, 744}},
    {{800, 600}, 96, false, {550, 572}, {554, 576}},
    // Drawn at 1 there (the toolkit rounds 1.25 and 1.5 down), each pixel
    // of the course a pixel of the screen: nothing to warn about.
    {{1024, 768}, 120, false, {774, 740}, {778, 744}},
    {{1024, 768}, 144, false, {774, 740}, {778, 744}},
};

const ScreenCase &thisScreen()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    for (const ScreenCase &c : kScreens) {
        if (c.screen == s->size() && c.dpi == qRound(s->logicalDotsPerInch()))
            return c;
    }
    ADD_FAILURE() << "no expectations for this screen";
    return kScreens[0];
}

TEST(MainWindow, FillsTheScreenAndLaysOutItsAreas)
{
    const ScreenCase &c = thisScreen();
    CourseFixture f;
    f.start();
    if (c.warning)
        EXPECT_EQ(f.boxes, QStringList{"Error: !!!"});  // no text in the language file: the fallback
    else
        EXPECT_TRUE(f.boxes.isEmpty()) << f.boxes.join(QLatin1Char(',')).toStdString();

    TfrmMain &m = f.main();
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.geometry(), QRect(QPoint(0, 0), c.screen));
    EXPECT_EQ(m.windowTitle(), "Quillan 2");
    EXPECT_EQ(m.frmWordpad->maximumSize(), c.wordpadMax);

    // The title page hides the taskbar: notebook and info panel reach the bottom.
    EXPECT_FALSE(m.pnTaskbar->isVisible());
    EXPECT_EQ(m.nbMain->geometry(), QRect(0, 0, c.screen.width() - 250, c.screen.height()));
    EXPECT_EQ(m.pnControl->geometry(), QRect(c.screen.width() - 250, 0, 250, c.screen.height()));

    // A lesson page shows it.
    f.goTo(1);
    EXPECT_TRUE(m.pnTaskbar->isVisible());
    EXPECT_EQ(m.pnTaskbar->geometry(), QRect(0, c.screen.height() - 28, c.screen.width(), 28));
    EXPECT_EQ(m.nbMain->size(), c.notebook);
    EXPECT_EQ(m.pnControl->geometry(), QRect(c.notebook.width(), 0, 250, c.notebook.height()));
    // Inside the info panel: the buttons' strip at the bottom, the instructions above.
    EXPECT_EQ(m.Panel1->geometry(), QRect(1, c.notebook.height() - 26, 248, 25));
    EXPECT_EQ(m.reMain->parentWidget()->geometry(), QRect(1, 1, 248, c.notebook.height() - 27));
    EXPECT_EQ(m.reMain->geometry(), QRect(QPoint(0, 0), m.Panel2->size()));
}

// A window manager that refuses full screen, or one that keeps a panel's
// strip, gives the window less than the screen: the course is laid out in
// what it gets, nothing of it outside. The word processor's limit is the
// notebook with the taskbar showing, even when the resize comes on a page
// without it.
TEST(MainWindow, LaysTheCourseOutAgainInTheSizeItGets)
{
    CourseFixture f;
    f.start();
    TfrmMain &m = f.main();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QSize given(screen.width() - 40, screen.height() - 30);
    // The window manager's answer (activated, the window asks for full
    // screen again; this one keeps it smaller).
    const auto shrink = [&] {
        m.setWindowState(Qt::WindowNoState);
        m.setGeometry(QRect(QPoint(0, 0), given));
        for (int i = 0; i < 100 && m.size() != given; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return m.size() == given;
    };
    ASSERT_TRUE(shrink());

    EXPECT_FALSE(m.pnTaskbar->isVisible());  // the title page
    EXPECT_EQ(m.pnControl->geometry(), QRect(given.width() - 250, 0, 250, given.height()));
    const QSize notebook(given.width() - 250, given.height() - 28);
    EXPECT_EQ(m.frmWordpad->maximumSize(), notebook + QSize(4, 4));

    f.goTo(1);
    QTest::mouseClick(m.sbStart, Qt::LeftButton);  // the Start menu open as the window shrinks
    ASSERT_TRUE(shrink());
    EXPECT_EQ(m.pnTaskbar->geometry(), QRect(0, given.height() - 28, given.width(), 28));
    EXPECT_TRUE(m.imgT051Start->isVisible());
    EXPECT_EQ(m.imgT051Start->geometry(), QRect(0, notebook.height() - 224 + 3, 152, 224));
    EXPECT_EQ(m.nbMain->size(), notebook);
    EXPECT_EQ(m.pnControl->geometry(), QRect(notebook.width(), 0, 250, notebook.height()));
    EXPECT_EQ(m.Panel1->geometry(), QRect(1, notebook.height() - 26, 248, 25));
    EXPECT_EQ(m.frmWordpad->maximumSize(), notebook + QSize(4, 4));
}

// Activated again after the window manager took full screen away, the
// window asks for it again.
TEST(MainWindow, AsksForFullScreenAgainWhenActivated)
{
    CourseFixture f;
    f.start();
    TfrmMain &m = f.main();
    EXPECT_TRUE(m.windowState() & Qt::WindowFullScreen);
    m.setWindowState(Qt::WindowNoState);
    m.activateWindow();
    for (int i = 0; i < 100 && !m.isActiveWindow(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(m.isActiveWindow());
    QEvent activated(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&m, &activated);
    EXPECT_TRUE(m.windowState() & Qt::WindowFullScreen);
}

// The instructions are laid out in the course's pixels whatever the screen's
// resolution: T051's heading and body text have the heights they have at 96
// dots per inch, so neither outgrows the other.
TEST(MainWindow, InstructionsKeepTheirSizesAtAnyResolution)
{
    CourseFixture f;
    // T051's page as the course ships it.
    QFile::remove(f.infoDir() + QStringLiteral("T051.rtf"));
    ASSERT_TRUE(QFile::copy(sourceDataDir() + QStringLiteral("InfoEng/T051.rtf"), f.infoDir() + QStringLiteral("T051.rtf")));
    f.start();
    f.goTo(1);
    QTextEdit *panel = f.main().reMain;
    ASSERT_TRUE(panel->document()->firstBlock().text().startsWith("Starting Wordpad"))
        << panel->document()->firstBlock().text().toStdString();
    // The height of a block's text as the panel draws it (a size in points
    // would be turned into pixels at the screen's resolution).
    const auto lineHeight = [panel](int block) {
        const QTextBlock b = panel->document()->findBlockByNumber(block);
        if (!b.isValid() || b.begin().atEnd())
            return 0;
        const QFont font = b.begin().fragment().charFormat().font().resolve(panel->document()->defaultFont());
        return QFontMetrics(font, panel).height();
    };
    // As at 96 dots per inch: "Starting Wordpad", Arial 10 pt, is 13 pixels
    // (15 high), the body, MS Sans Serif 8 pt, the face's 13 pixel strike
    // (at 144 points would make the heading 22 high, the body unchanged).
    EXPECT_EQ(lineHeight(0), 15);
    EXPECT_EQ(lineHeight(1), 13);
}

TEST(MainWindow, NavigationButtonsShareTheInfoPanel)
{
    const struct {
        const char *width;  // "GENERAL"/"InfoPanelWidth", nullptr for none
        int panel;
        int button;
        int lefts[4];
    } cases[] = {
        {nullptr, 250, 59, {2, 63, 124, 185}},
        {"300", 300, 72, {2, 76, 150, 224}},
        {"0x12C", 300, 72, {2, 76, 150, 224}},
        {"wide", 250, 59, {2, 63, 124, 185}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.width ? c.width : "missing");
        CourseFixture f(c.width ? QByteArray("[GENERAL]\nInfoPanelWidth=") + c.width + "\n"
                                : QByteArray());
        f.start();
        EXPECT_EQ(f.main().pnControl->width(), c.panel);
        QToolButton *buttons[] = {f.main().tbBack, f.main().tbForward, f.main().tbContents,
                                  f.main().tbExit};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(buttons[i]->geometry(), QRect(c.lefts[i], 2, c.button, 22)) << i;
            EXPECT_EQ(buttons[i]->iconSize(), QSize(16, 16));
            EXPECT_FALSE(buttons[i]->icon().pixmap(16, 16).isNull());
        }
    }
}

TEST_F(MainWindowTest, ReadsItsSettingsAtCreation)
{
    writeFile(langFile(), "[LANGUAGE]\nName=Test\nCharset=204\n"
                          "[PATHS]\nInfoPath=C:\\Course\\Info\\\n"
                          "[LABELS]\nlbT058Error=\xCE\xF8\xE8\xE1\xEA\xE0\n");
    writeFile(m_config.progressFile(), "[USERINFO]\nMaxIndex=6\n");
    TfrmMain m(langFile(), programDir());
    EXPECT_EQ(m.charset(), 204);
    EXPECT_EQ(m.infoPath(), "C:/Course/Info/");
    EXPECT_EQ(m.userPath(), programDir() + "Users/");
    EXPECT_EQ(m.maxIndex(), 6);
    EXPECT_EQ(m.userFile().path(), m_config.progressFile());
    EXPECT_EQ(m.langText("LABELS", "lbT058Error", ""), QString::fromUtf8("Ошибка"));
    EXPECT_EQ(m.langText("LABELS", "btnT058ErrorOK", "OK"), "OK");

    // Nothing set: the info folder is derived from the file name, and the
    // progress file (not there yet) reads as page 0.
    QFile::remove(m_config.progressFile());
    writeFile(programDir() + "QL2Deutsch.ini", "[LANGUAGE]\nName=Deutsch\n");
    TfrmMain d(programDir() + "QL2Deutsch.ini", programDir());
    EXPECT_EQ(d.infoPath(), programDir() + "InfoDeutsch/");
    EXPECT_EQ(d.maxIndex(), 0);
    EXPECT_EQ(d.charset(), 1);
    EXPECT_FALSE(QFile::exists(m_config.progressFile()));
}

TEST_F(MainWindowTest, HandEditedProgressBeyondTheCourseIsClamped)
{
    for (const auto &[stored, expected] : {std::pair{"99", 10}, {"-4", 0}, {"seven", 0}}) {
        SCOPED_TRACE(stored);
        writeFile(m_config.progressFile(), QByteArray("[USERINFO]\nMaxIndex=") + stored + "\n");
        TfrmMain m(langFile(), programDir());
        EXPECT_EQ(m.maxIndex(), expected);
    }
}

TEST_F(MainWindowTest, ControlsAtCreation)
{
    TfrmMain m(langFile(), programDir());
    EXPECT_EQ(m.nbMain->count(), 11);
    const char *codes[] = {"T001", "T051", "T052", "T053", "T054", "T055",
                           "T056", "T057", "T058", "T059", "T003"};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(m.nbMain->widget(i)->windowTitle(), codes[i]);
    EXPECT_FALSE(m.aEnter->isEnabled());
    EXPECT_FALSE(m.aF3Key->isEnabled());
    EXPECT_FALSE(m.tmrTimer->enabled());
    EXPECT_FALSE(m.Panel2->isEnabled());
    EXPECT_TRUE(m.reMain->isReadOnly());
    for (const char *name : {"pnMain", "pnTaskbar", "pnControl", "Panel1", "Panel2", "reMain",
                             "tbBack", "tbForward", "tbContents", "tbExit", "nbMain"})
        EXPECT_NE(m.findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
}

}  // namespace
