// The whole course as a learner takes it: the built program on a real X
// server without a window manager, driven by real pointer and key events,
// checked by what the screen shows, the windows' titles and the progress
// file. Positions come from the program's layout: the taskbar is 28 pixels
// high at the bottom, the info panel (its width from the language file) at
// the right with Back, Forward, Contents and Exit at its bottom, the
// notebook takes the rest.
#include "e2e/x_desktop.h"
#include "support/print_jobs.h"

#include "platform/code_page.h"
#include "platform/desktop_words.h"
#include "platform/ini_file.h"
#include "shell/start_menu.h"
#include "shell/start_menu_picture.h"
#include "lessons/stored_document.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <utility>

using namespace std::chrono_literals;

namespace {

constexpr unsigned kNavy = 0x000080;          // caption of the active window, highlight
constexpr unsigned kCaptionGrey = 0x808080;   // caption of an inactive window
constexpr unsigned kTeal = 0x008080;          // the desktop
constexpr unsigned kFace = 0xC0C0C0;          // taskbar, buttons
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;

const QString kProgram = QStringLiteral(QUILLAN_EXE);

QString programDir()
{
    return QFileInfo(kProgram).absolutePath() + QLatin1Char('/');
}

QByteArray english(QByteArrayView section, QByteArrayView key, QByteArrayView fallback)
{
    return IniFile(programDir() + QStringLiteral("QL2Eng.ini")).readString(section, key, fallback);
}

// Where things are on a screen of that size.
struct Layout {
    QSize screen;
    int panelWidth = IniFile(programDir() + QStringLiteral("QL2Eng.ini"))
                         .readInteger("GENERAL", "InfoPanelWidth", 250);
    static constexpr int kTaskbar = 28;

    QSize notebook(bool taskbar = true) const
    {
        return {screen.width() - panelWidth, screen.height() - (taskbar ? kTaskbar : 0)};
    }
    int taskbarTop() const { return screen.height() - kTaskbar; }
    // The Start button: toolbar at left 3, top 1 of the taskbar, 56 x 25.
    QPoint startButton() const { return {3 + 28, taskbarTop() + 1 + 12}; }
    // The Start menu picture (152 x 224) stands at the notebook's left, its
    // bottom three rows on the taskbar.
    int startMenuTop() const { return notebook().height() - 224 + 3; }
    // Rows are 30 pixels high from y 3 of the picture: 1 Programs, 2 Documents.
    QPoint startMenuRow(int row) const { return {60, startMenuTop() + 3 + 30 * (row - 1) + 15}; }
    // The submenus open at the menu's right edge less 2: Programs level
    // with the menu's top, Documents 33 pixels lower.
    QPoint submenuCorner(int row) const { return {152 - 2, startMenuTop() + (row == 1 ? 0 : 33)}; }
    // Back, Forward, Contents, Exit (0 to 3): (panel width - 12) / 4 wide
    // and 22 high, 2 apart from left 2, in the 25 pixel strip at the bottom
    // of the info panel (inside its 1 pixel bevel); navButton is the middle
    // of one.
    QRect navButtonRect(int i, bool taskbar) const
    {
        const int w = (panelWidth - 12) / 4;
        const int bottom = screen.height() - (taskbar ? kTaskbar : 0);
        return {screen.width() - panelWidth + 1 + 2 + i * (w + 2), bottom - 1 - 25 + 2, w, 22};
    }
    QPoint navButton(int i, bool taskbar) const
    {
        const QRect r = navButtonRect(i, taskbar);
        return {r.left() + r.width() / 2, r.top() + 11};
    }
    // The word processor first opens at 90 % x 60 % of its largest size
    // (the notebook plus 4), centred over the notebook.
    QRect wordpad() const
    {
        const QSize nb = notebook();
        const QSize max = nb + QSize(4, 4);
        const int w = max.width() * 9 / 10, h = max.height() * 6 / 10;
        return {(nb.width() - w) / 2, (nb.height() - h) / 2, w, h};
    }
    // Its classic frame: border 4, caption 18 high, the menu bar under it.
    QPoint captionLeftEnd() const { return wordpad().topLeft() + QPoint(4, 4 + 9); }
    QPoint captionMiddle() const { return {wordpad().center().x(), wordpad().top() + 4 + 9}; }
    QPoint fileMenu() const { return wordpad().topLeft() + QPoint(4 + 14, 4 + 18 + 1 + 9); }
};

const Layout kXga{QSize(1024, 768)};

// Centred over the other rectangle, to the pixel (halves are cut off).
::testing::AssertionResult centredOver(const QRect &inner, const QRect &outer)
{
    const QPoint off = inner.center() - outer.center();
    if (std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "a window at " << inner.x() << "," << inner.y() << " "
                                         << inner.width() << "x" << inner.height() << " is not centred over "
                                         << outer.width() << "x" << outer.height();
}

// The dialogs of the simulation: a 3 pixel border, an 18 pixel caption and a
// line under it before the client area.
QPoint clientOrigin(const QRect &dialog)
{
    return dialog.topLeft() + QPoint(3, 3 + 18 + 1);
}


// The program on the desktop, with a configuration folder of its own where
// its progress file lives. Printing goes to the PDF queue that `make test`
// sets up, as the learner's default printer.
class Course {
public:
    // progress: the progress file the course finds, when given.
    explicit Course(XDesktop &desktop, const QStringList &args = {}, const QByteArray &progress = {})
        : m_progressGiven(progress.isEmpty() || writeProgress(progress)),
          m_process(QStringList{kProgram} + args,
                    {QStringLiteral("DISPLAY=") + QString::fromLatin1(desktop.displayName()),
                     QStringLiteral("QT_QPA_PLATFORM=xcb"),
                     QStringLiteral("XDG_CONFIG_HOME=") + m_config.path(),
                     QStringLiteral("PRINTER=QuillanPDF")},
                    qtVariables())
    {
    }

    ChildProcess &process() { return m_process; }
    QString progressFile() const { return m_config.filePath(QStringLiteral("QL2Dusr.qlu")); }
    int maxIndex() const { return IniFile(progressFile()).readInteger("USERINFO", "MaxIndex", -1); }
    QStringList document(QByteArrayView section) const
    {
        return loadDocument(IniFile(progressFile()), section, CodePage::forCharset(1));
    }

private:
    bool writeProgress(const QByteArray &progress)
    {
        QFile f(progressFile());
        return f.open(QIODevice::WriteOnly) && f.write(progress) == progress.size();
    }

    QTemporaryDir m_config;
    bool m_progressGiven;
    ChildProcess m_process;
};

// A learner's session: the desktop, the program and the steps they take.
class Learner {
public:
    Learner(XDesktop &desktop, Course &course, Layout layout)
        : d(desktop), course(course), at(layout)
    {
    }

    XDesktop &d;
    Course &course;
    Layout at;

    // A step of the program: waiting ends at once when the program has
    // ended without being asked to.
    ::testing::AssertionResult wait(const std::string &step, const std::function<bool()> &condition,
                                    const std::function<std::string()> &seen = {},
                                    Milliseconds bound = 10s)
    {
        std::optional<int> ended;
        auto r = waitFor(
            d, step, [&] { return condition() || (ended = course.process().exitStatus()).has_value(); }, bound,
            seen);
        if (r && ended && !condition())
            return ::testing::AssertionFailure() << "step \"" << step << "\": the program ended with status "
                                                 << *ended << "; screenshot "
                                                 << saveScreenshot(d, QString::fromStdString("failed-" + step)).toStdString();
        return r;
    }

    // A window appears with exactly that title and takes the keyboard.
    ::testing::AssertionResult window(const QString &title, XWindowInfo *found = nullptr)
    {
        return wait("the window \"" + title.toStdString() + "\" shows and has the keyboard", [&] {
            const std::optional<XWindowInfo> w = d.windowTitled(title);
            if (!w || d.inputFocus() != w->id)
                return false;
            if (found)
                *found = *w;
            return true;
        });
    }

    // A dialog of the course shows in front, inside the main window, which
    // keeps the keyboard (the dialog has it inside the window). Dialogs are
    // told apart by their place and size; the title is for the report.
    ::testing::AssertionResult dialog(const QString &title, QRect *found = nullptr)
    {
        std::optional<QRect> seen;
        return wait(
            "the dialog \"" + title.toStdString() + "\" shows in front",
            [&] {
                const std::optional<XWindowInfo> main = d.windowTitled(QStringLiteral("Quillan 2"));
                seen = dialogInFront(d.grab());
                if (!seen || !main || d.inputFocus() != main->id)
                    return false;
                if (found)
                    *found = *seen;
                return true;
            },
            [&] { return std::string(!seen ? "no dialog frame" : "the main window has not the keyboard"); });
    }

    // The dialog in front closes; the keyboard is with the main window.
    ::testing::AssertionResult dialogGone(const QString &title)
    {
        return wait("the dialog \"" + title.toStdString() + "\" closes", [&] {
            const std::optional<XWindowInfo> main = d.windowTitled(QStringLiteral("Quillan 2"));
            return main && d.inputFocus() == main->id && !dialogInFront(d.grab());
        });
    }

    // The window closes and the keyboard is back with the main window.
    ::testing::AssertionResult gone(const QString &title)
    {
        return wait("the window \"" + title.toStdString() + "\" closes and the main window has the keyboard again",
                    [&] {
                        const std::optional<XWindowInfo> main = d.windowTitled(QStringLiteral("Quillan 2"));
                        return !d.windowTitled(title) && main && d.inputFocus() == main->id;
                    });
    }

    ::testing::AssertionResult pixelIs(const std::string &step, QPoint p, std::initializer_list<unsigned> colours,
                                       Milliseconds bound = 10s)
    {
        unsigned last = 0;
        return wait(
            step,
            [&] {
                last = d.pixel(p);
                return std::find(colours.begin(), colours.end(), last) != colours.end();
            },
            [&] { return "pixel (" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ") is " + hexColour(last); },
            bound);
    }

    ::testing::AssertionResult progressReaches(int maxIndex)
    {
        return wait(
            "the progress file records page " + std::to_string(maxIndex),
            [&] { return course.maxIndex() == maxIndex; },
            [&] { return "USERINFO/MaxIndex " + std::to_string(course.maxIndex()); });
    }

    // A popup menu opens with its top left corner there.
    ::testing::AssertionResult popupAt(QPoint corner)
    {
        return wait(
            "a popup menu opens at (" + std::to_string(corner.x()) + "," + std::to_string(corner.y()) + ")",
            [&] {
                for (const XWindowInfo &w : d.topLevels())
                    if (w.overrideRedirect && w.geometry.topLeft() == corner)
                        return true;
                return false;
            });
    }

    ::testing::AssertionResult noPopup()
    {
        return wait("the popup menus close", [&] {
            for (const XWindowInfo &w : d.topLevels())
                if (w.overrideRedirect)
                    return false;
            return true;
        });
    }

    // The Start menu picture shows, 152 pixels wide (or as wide as its
    // words need) from the screen's left
    // edge (its frame's white column at x 1), its top edge where the layout
    // puts it.
    ::testing::AssertionResult startMenuOpens(int width = 152)
    {
        const int top = at.startMenuTop();
        if (auto r = pixelIs("the Start menu opens", QPoint(1, top + 100), {kWhite}); !r)
            return r;
        return edges("the Start menu", {{QPoint(1, top - 1), true}, {QPoint(1, top), false},
                                        {QPoint(width - 1, top + 100), false}, {QPoint(width, top + 100), true}});
    }

    // Each point shows the desktop (teal) or not: where a window's edges are.
    ::testing::AssertionResult edges(const std::string &what, std::initializer_list<std::pair<QPoint, bool>> points)
    {
        for (const auto &[p, desktop] : points) {
            const unsigned c = d.pixel(p);
            if ((c == kTeal) != desktop)
                return ::testing::AssertionFailure()
                       << what << " is not where it should be: pixel (" << p.x() << "," << p.y() << ") is "
                       << hexColour(c) << (desktop ? ", not the desktop" : ", the desktop") << "; screenshot "
                       << saveScreenshot(d, QString::fromStdString("failed-" + what)).toStdString();
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult wordpadActive(const std::string &when)
    {
        return pixelIs("the word processor's caption is active " + when, at.captionLeftEnd(), {kNavy});
    }

    ::testing::AssertionResult wordpadHidden(const std::string &when)
    {
        return pixelIs("the word processor is hidden " + when, at.captionMiddle(), {kTeal});
    }

    ::testing::AssertionResult taskbarShown(bool shown)
    {
        // Right of the word processor's taskbar button, left of the clock.
        return pixelIs(shown ? "the taskbar shows" : "the taskbar is hidden",
                       QPoint(at.screen.width() / 2, at.taskbarTop() + 14), {shown ? kFace : kTeal});
    }

    // The area shows the same picture for 200 ms: the program has drawn
    // everything it had to (a caret blinks only every half second).
    QImage settled(const QRect &area)
    {
        QImage last = d.grab(area);
        auto since = std::chrono::steady_clock::now();
        wait("the screen settles", [&] {
            QImage now = d.grab(area);
            if (now != last) {
                last = now;
                since = std::chrono::steady_clock::now();
            }
            return std::chrono::steady_clock::now() - since >= 200ms;
        });
        return last;
    }

    // The instructions in the info panel (above its buttons) change to the
    // next page's and settle: the page has been entered. The learner reads
    // them before going on.
    ::testing::AssertionResult nextPage(const std::string &step, const std::function<void()> &action)
    {
        const QRect text(at.screen.width() - at.panelWidth, 0, at.panelWidth, at.screen.height() - Layout::kTaskbar - 30);
        const QImage before = d.grab(text);
        action();
        if (auto r = wait(step + ": the instructions change", [&] { return d.grab(text) != before; }); !r)
            return r;
        settled(text);
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult forward()
    {
        return nextPage("Forward", [&] { d.click(at.navButton(1, true)); });
    }

    // Exit, the info panel's fourth button: the program ends, with status 0.
    ::testing::AssertionResult exit(bool taskbar)
    {
        d.click(at.navButton(3, taskbar));
        std::optional<int> status;
        if (auto r = wait("the program ends after Exit", [&] { return (status = course.process().exitStatus()).has_value(); });
            !r)
            return r;
        if (*status != 0)
            return ::testing::AssertionFailure() << "the program ended with status " << *status;
        return ::testing::AssertionSuccess();
    }

    // Print through the word processor's File menu: Print... is its fifth
    // command (New, Open, Save, Save as, Print); the system print dialog is
    // accepted with Enter.
    ::testing::AssertionResult print()
    {
        d.click(at.fileMenu());
        if (auto r = wait("the File menu opens", [&] {
                for (const XWindowInfo &w : d.topLevels())
                    if (w.overrideRedirect)
                        return true;
                return false;
            });
            !r)
            return r;
        for (int i = 0; i < 5; ++i)
            d.key(XK_Down);
        d.key(XK_Return);
        if (auto r = window(QStringLiteral("Print")); !r)
            return r;
        d.key(XK_Return);
        return gone(QStringLiteral("Print"));
    }
};

TEST(EndToEnd, TheWholeCourseByMouseAndKeyboard)
{
    if (std::system("lpstat -p QuillanPDF >/dev/null 2>&1") != 0)
        FAIL() << "the print queue QuillanPDF is missing: `make test` sets it up";
    const QList<int> jobsBefore = PrintJobs::ids(QStringLiteral("QuillanPDF"), false);
    XDesktop d(1024, 768, 96);
    // No hints: the walk's pixel checks see the course alone.
    Course course(d, {QStringLiteral("--hint-delay"), QStringLiteral("0")});
    Learner l(d, course, kXga);

    // The language dialog: English is preselected, Enter takes it.
    ASSERT_TRUE(l.window(QStringLiteral("Select language")));
    d.key(XK_Return);
    XWindowInfo main;
    ASSERT_TRUE(l.window(QStringLiteral("Quillan 2"), &main));
    EXPECT_EQ(main.geometry, QRect(0, 0, 1024, 768));
    ASSERT_TRUE(l.gone(QStringLiteral("Select language")));

    // The title page: Enter before the countdown ends leads to T051.
    ASSERT_TRUE(l.taskbarShown(false));
    const auto titleShown = std::chrono::steady_clock::now();
    d.key(XK_Return);
    ASSERT_TRUE(l.taskbarShown(true));
    EXPECT_LT(std::chrono::steady_clock::now() - titleShown, 25s) << "the countdown, not Enter, left the title page";
    EXPECT_EQ(course.maxIndex(), 1);

    // T051: Start, Programs, then Accessories > Wordpad by keyboard.
    d.click(l.at.startButton());
    ASSERT_TRUE(l.startMenuOpens());
    d.moveTo(l.at.startMenuRow(1));
    ASSERT_TRUE(l.popupAt(l.at.submenuCorner(1)));
    d.key(XK_Down);   // Accessories
    d.key(XK_Right);  // Games, System Tools, Calculator, Notepad, Wordpad
    for (int i = 0; i < 4; ++i)
        d.key(XK_Down);
    d.key(XK_Return);
    ASSERT_TRUE(l.noPopup());
    ASSERT_TRUE(l.progressReaches(2));

    // T052: the word processor opens in its place, active; the taskbar is live.
    ASSERT_TRUE(l.wordpadActive("on T052"));
    const QRect wp = l.at.wordpad();
    EXPECT_EQ(wp, QRect(37, 147, 700, 446));
    const int y = 400, x = 400;  // clear of the desktop icons
    EXPECT_TRUE(l.edges("the word processor",
                        {{QPoint(wp.left() - 1, y), true}, {QPoint(wp.left(), y), false},
                         {QPoint(wp.right(), y), false}, {QPoint(wp.right() + 1, y), true},
                         {QPoint(x, wp.top() - 1), true}, {QPoint(x, wp.top()), false},
                         {QPoint(x, wp.bottom()), false}, {QPoint(x, wp.bottom() + 1), true}}));
    const QRect taskbarLeft(0, l.at.taskbarTop(), 231, Layout::kTaskbar);
    const QImage taskbarT052 = l.settled(taskbarLeft);
    d.key(XK_o, {XK_Control_L});
    QRect open;
    ASSERT_TRUE(l.dialog(QStringLiteral("Open"), &open));
    EXPECT_EQ(open.size(), QSize(417 + 6, 237 + 3 + 3 + 18 + 1));
    EXPECT_TRUE(centredOver(open, main.geometry));
    d.click(clientOrigin(open) + QPoint(80 + 40, 178 + 10));  // the name box
    d.type(QStringLiteral("Document2"));
    d.click(clientOrigin(open) + QPoint(332 + 37, 178 + 11));  // Open
    ASSERT_TRUE(l.dialogGone(QStringLiteral("Open")));
    ASSERT_TRUE(l.wordpadActive("right after the Open dialog closed"));
    ASSERT_TRUE(l.progressReaches(3));

    // T053: a change, New, and Yes to the save-changes question.
    d.type(QStringLiteral("Hello "));
    d.key(XK_n, {XK_Control_L});
    QRect question;
    ASSERT_TRUE(l.dialog(QStringLiteral("Warning"), &question));
    EXPECT_TRUE(centredOver(question, main.geometry));
    d.key(XK_Return);
    ASSERT_TRUE(l.dialogGone(QStringLiteral("Warning")));
    ASSERT_TRUE(l.progressReaches(4));

    // T054: five lines unlock Forward. The taskbar is locked, but it looks
    // as it did while it was live.
    ASSERT_TRUE(l.wordpadActive("on T054"));
    const QStringList letter{QStringLiteral("Dear Ann,"), QStringLiteral("I am learning to use Wordpad."),
                             QStringLiteral("Today I typed my first letter."), QStringLiteral("It was easy."),
                             QStringLiteral("See you soon,")};
    d.type(letter.join(QLatin1Char('\n')));
    ASSERT_TRUE(l.progressReaches(5));
    l.settled(QRect(QPoint(0, 0), l.at.screen));
    const QImage taskbarT054 = l.settled(taskbarLeft);
    saveScreenshot(d, QStringLiteral("T054"));
    if (taskbarT054 != taskbarT052) {
        const QString t052 = shotPath(QStringLiteral("failed-taskbar-T052"));
        taskbarT052.save(t052);
        taskbarT054.save(shotPath(QStringLiteral("failed-taskbar-T054")));
        ADD_FAILURE() << "the locked taskbar on T054 does not look like the live one on T052 (x 0 to 230): "
                      << t052.toStdString() << " and ...-T054.png";
    }
    ASSERT_TRUE(l.forward());

    // T055: copy the last line and paste it as a new one.
    d.key(XK_Home, {XK_Shift_L});
    d.key(XK_c, {XK_Control_L});
    d.key(XK_End);
    d.key(XK_Return);
    d.key(XK_v, {XK_Control_L});
    ASSERT_TRUE(l.progressReaches(6));
    ASSERT_TRUE(l.forward());

    // T056: Ctrl+S, the name, Enter.
    d.key(XK_s, {XK_Control_L});
    QRect save;
    ASSERT_TRUE(l.dialog(QStringLiteral("Save"), &save));
    EXPECT_EQ(save, open);
    d.type(QStringLiteral("My Document"));
    d.key(XK_Return);
    ASSERT_TRUE(l.dialogGone(QStringLiteral("Save")));
    ASSERT_TRUE(l.progressReaches(7));
    ASSERT_TRUE(l.forward());

    // T057: Alt+F4 closes the word processor; Start, Documents, My Document.
    d.key(XK_F4, {XK_Alt_L});
    ASSERT_TRUE(l.wordpadHidden("after Alt+F4 on T057"));
    d.click(l.at.startButton());
    ASSERT_TRUE(l.startMenuOpens());
    d.moveTo(l.at.startMenuRow(2));
    ASSERT_TRUE(l.popupAt(l.at.submenuCorner(2)));
    d.key(XK_Down);  // Document2
    d.key(XK_Down);  // My Document
    d.key(XK_Return);
    ASSERT_TRUE(l.noPopup());
    ASSERT_TRUE(l.progressReaches(8));

    // T058: File > Print..., then Forward.
    ASSERT_TRUE(l.wordpadActive("when T058 reopens My Document"));
    ASSERT_TRUE(l.print());
    ASSERT_TRUE(l.progressReaches(9));
    ASSERT_TRUE(l.forward());

    // T059: a new document with comments, saved as Comments, printed, closed.
    const QStringList comments{QStringLiteral("The lessons were clear."), QStringLiteral("Thank you!")};
    d.key(XK_n, {XK_Control_L});
    d.type(comments.join(QLatin1Char('\n')));
    d.key(XK_s, {XK_Control_L});
    ASSERT_TRUE(l.dialog(QStringLiteral("Save")));
    d.type(QStringLiteral("Comments"));
    d.key(XK_Return);
    ASSERT_TRUE(l.dialogGone(QStringLiteral("Save")));
    ASSERT_TRUE(l.print());
    d.key(XK_F4, {XK_Alt_L});
    ASSERT_TRUE(l.progressReaches(10));
    ASSERT_TRUE(l.wordpadHidden("after the course is completed"));
    ASSERT_TRUE(l.taskbarShown(false));

    // F3 starts again at T051.
    ASSERT_TRUE(l.nextPage("F3", [&] { d.key(XK_F3); }));
    ASSERT_TRUE(l.taskbarShown(true));
    EXPECT_TRUE(l.wordpadHidden("on T051 after F3"));

    // Contents: down from T051 (preselected) to T059, Enter.
    d.click(l.at.navButton(2, true));
    const QString contents = QString::fromLatin1(english("PAGES", "T004Name", "Contents"));
    QRect contentsDialog;
    ASSERT_TRUE(l.dialog(contents, &contentsDialog));
    // Centred over the notebook for an outer size of 400 x 450.
    EXPECT_EQ(contentsDialog.topLeft(),
              QPoint((l.at.notebook().width() - 400) / 2, (l.at.notebook().height() - 450) / 2));
    l.settled(QRect(0, 0, 1024, 768));
    saveScreenshot(d, QStringLiteral("contents"));
    for (int i = 0; i < 8; ++i)
        d.key(XK_Down);
    ASSERT_TRUE(l.nextPage("OK in the contents dialog", [&] { d.key(XK_Return); }));
    ASSERT_TRUE(l.dialogGone(contents));
    ASSERT_TRUE(l.pixelIs("T059 shows the word processor", l.at.captionLeftEnd(), {kNavy, kCaptionGrey}));

    // Forward to the credits, on black; Exit ends the program.
    ASSERT_TRUE(l.forward());
    ASSERT_TRUE(l.pixelIs("the credits page shows on black, down to the bottom (no taskbar)",
                          QPoint(512, 767 - 14), {kBlack}));
    ASSERT_TRUE(l.exit(false));

    // What the learner typed is stored, and both documents were printed.
    QStringList stored = letter;
    stored << letter.last();
    EXPECT_EQ(course.document("DOCUMENT"), stored);
    EXPECT_EQ(course.document("COMMENTS"), comments);
    QStringList printed;
    EXPECT_TRUE(waitFor(
        d, 
        "the print jobs My Document and Comments complete",
        [&] {
            printed = PrintJobs::completedSince(QStringLiteral("QuillanPDF"), jobsBefore);
            return printed == QStringList{QStringLiteral("Comments"), QStringLiteral("My Document")};
        },
        60s, [&] { return "new completed jobs: " + printed.join(QStringLiteral(", ")).toStdString(); }));

    // Every window carried its own title and nothing else.
    for (const QString &title : d.titlesSeen())
        EXPECT_TRUE(title == QLatin1String("Quillan 2") || !title.contains(QLatin1String("Quillan 2")))
            << "window title \"" << title.toStdString() << "\"";
}

// A learner without a pointer: the whole course by keys alone, no pointer
// event at all, the progress file checked after each lesson. F6 goes
// between the course's buttons and the practice desktop; from the desktop
// it lands on the first available button (Back once there is one), so F6,
// Tab and Enter is Forward.
TEST(EndToEnd, TheWholeCourseByKeyboardAlone)
{
    if (std::system("lpstat -p QuillanPDF >/dev/null 2>&1") != 0)
        FAIL() << "the print queue QuillanPDF is missing: `make test` sets it up";
    XDesktop d(1024, 768, 96);
    Course course(d, {QStringLiteral("QL2Eng.ini"), QStringLiteral("--hint-delay"), QStringLiteral("0")});
    Learner l(d, course, kXga);
    const auto popups = [&] {
        int n = 0;
        for (const XWindowInfo &w : d.topLevels())
            n += w.overrideRedirect;
        return n;
    };
    const auto menusOpen = [&](int n) {
        return l.wait(std::to_string(n) + " menus are open", [&] { return popups() == n; },
                      [&] { return std::to_string(popups()) + " are"; });
    };
    const auto forwardByKeys = [&](const std::string &step) {
        return l.nextPage(step + ": F6, Tab to Forward, Enter", [&] {
            d.key(XK_F6);
            d.key(XK_Tab);
            d.key(XK_Return);
        });
    };

    XWindowInfo main;
    ASSERT_TRUE(l.window(QStringLiteral("Quillan 2"), &main));
    ASSERT_TRUE(l.nextPage("Enter on the title page", [&] { d.key(XK_Return); }));
    ASSERT_TRUE(l.progressReaches(1));

    // T051: Ctrl+Esc opens the Start menu on Programs; Right opens Programs
    // on Accessories, Right again Accessories on Games; Up wraps to Wordpad.
    d.key(XK_Escape, {XK_Control_L});
    ASSERT_TRUE(l.startMenuOpens());
    d.key(XK_Right);
    ASSERT_TRUE(menusOpen(1));
    d.key(XK_Right);
    ASSERT_TRUE(menusOpen(2));
    d.key(XK_Up);
    ASSERT_TRUE(l.nextPage("T051: Enter on Wordpad", [&] { d.key(XK_Return); }));
    ASSERT_TRUE(l.progressReaches(2));

    // T052: Ctrl+O, the name typed, Enter.
    d.key(XK_o, {XK_Control_L});
    ASSERT_TRUE(l.dialog(QStringLiteral("Open")));
    ASSERT_TRUE(l.nextPage("T052: Document2 opened", [&] { d.type(QStringLiteral("Document2\n")); }));
    ASSERT_TRUE(l.progressReaches(3));

    // T053: a change, Ctrl+N, No.
    d.key(XK_End, {XK_Control_L});
    d.type(QStringLiteral(" Ann"));
    d.key(XK_n, {XK_Control_L});
    ASSERT_TRUE(l.dialog(QStringLiteral("Warning")));
    d.key(XK_Tab);
    ASSERT_TRUE(l.nextPage("T053: No", [&] { d.key(XK_Return); }));
    ASSERT_TRUE(l.progressReaches(4));

    // T054: five lines typed.
    d.type(QStringLiteral("Bread\nMilk\nApples\nCheese\nTea"));
    ASSERT_TRUE(l.progressReaches(5));
    ASSERT_TRUE(forwardByKeys("T054"));

    // T055: F6 back into the text; the last word selected, copied, pasted
    // at the end of its line.
    d.key(XK_F6);
    d.key(XK_End, {XK_Control_L});
    d.key(XK_Left, {XK_Control_L, XK_Shift_L});
    d.key(XK_c, {XK_Control_L});
    d.key(XK_End);
    d.type(QStringLiteral(" "));
    d.key(XK_v, {XK_Control_L});
    ASSERT_TRUE(l.progressReaches(6));
    ASSERT_TRUE(forwardByKeys("T055"));

    // T056: F6 back into the text, Ctrl+S, the name, Enter.
    d.key(XK_F6);
    d.key(XK_s, {XK_Control_L});
    ASSERT_TRUE(l.dialog(QStringLiteral("Save")));
    d.type(QStringLiteral("My Document\n"));
    ASSERT_TRUE(l.progressReaches(7));
    ASSERT_TRUE(forwardByKeys("T056"));

    // T057: Alt+F4 closes the word processor; then Ctrl+Esc, Documents,
    // Right (on Document2), Down to My Document, Enter.
    d.key(XK_F6);
    d.key(XK_F4, {XK_Alt_L});
    ASSERT_TRUE(l.wordpadHidden("T057: after Alt+F4"));
    d.key(XK_Escape, {XK_Control_L});
    ASSERT_TRUE(l.startMenuOpens());
    d.key(XK_Down);
    d.key(XK_Right);
    ASSERT_TRUE(menusOpen(1));
    d.key(XK_Down);
    ASSERT_TRUE(l.nextPage("T057: Enter on My Document", [&] { d.key(XK_Return); }));
    ASSERT_TRUE(l.progressReaches(8));

    // T058: F6 into the word processor, Alt+F, down to Print..., Enter, and
    // Enter in the print dialog.
    d.key(XK_F6);
    d.key(XK_F6);
    d.key(XK_f, {XK_Alt_L});
    ASSERT_TRUE(menusOpen(1));
    for (int i = 0; i < 5; ++i)  // New, Open..., Save, Save As..., Print...
        d.key(XK_Down);
    d.key(XK_Return);
    ASSERT_TRUE(l.window(QStringLiteral("Print")));
    d.key(XK_Return);
    ASSERT_TRUE(l.gone(QStringLiteral("Print")));
    ASSERT_TRUE(l.progressReaches(9));
    ASSERT_TRUE(forwardByKeys("T058"));

    // T059: a new document, the comments typed and saved, Alt+F4: done.
    d.key(XK_F6);
    d.key(XK_n, {XK_Control_L});
    d.type(QStringLiteral("A good course."));
    d.key(XK_s, {XK_Control_L});
    ASSERT_TRUE(l.dialog(QStringLiteral("Save")));
    d.type(QStringLiteral("Comments\n"));
    ASSERT_TRUE(l.dialogGone(QStringLiteral("Save")));
    ASSERT_TRUE(l.nextPage("T059: Alt+F4 ends the course", [&] { d.key(XK_F4, {XK_Alt_L}); }));
    ASSERT_TRUE(l.progressReaches(10));
    EXPECT_EQ(course.document("COMMENTS"), QStringList{QStringLiteral("A good course.")});

    // On to the credits, on black.
    ASSERT_TRUE(forwardByKeys("the completion page"));
    ASSERT_TRUE(l.pixelIs("the credits page shows on black", QPoint(512, 767 - 14), {kBlack}));
}

// The course in another language, driven by keys and places only, never by
// words: T051 to T053, then T056 from a progress file that resumes there.
// The Start menu shows the pack's words: it is, pixel for pixel, the menu
// that the program's drawing makes of the pack's rows.
class EndToEndInPack : public ::testing::TestWithParam<const char *> {};

// The Start menu as the program draws it from its rows' captions, drawn
// here, off screen, with the period fonts, with its first row highlighted;
// and its width.
std::pair<QImage, int> startMenuDrawing(const QStringList &captions)
{
    int argc = 1;
    char name[] = "test_e2e";
    char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const char *font : {"ms_sans_serif.ttf", "tahoma.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(font));
    const StartMenuPicture menu(captions, QImage(QStringLiteral(QUILLAN_ASSETS_DIR "/start_banner.png")),
                                QImage(QStringLiteral(QUILLAN_ASSETS_DIR "/start_icons.png")));
    return {menu.draw(1).convertToFormat(QImage::Format_RGB32), menu.width()};
}

TEST_P(EndToEndInPack, T051ToT053AndT056ByKeysAndPlaces)
{
    const QString pack = QString::fromLatin1(GetParam());
    const IniFile ini(programDir() + pack);
    const DesktopWords words(ini, CodePage::forCharset(ini.readInteger("LANGUAGE", "Charset", 1)));
    QStringList captions;
    for (const char *word : StartMenuWords)
        captions << words.text(word);
    const auto [drawing, width] = startMenuDrawing(captions);

    XDesktop d(1024, 768, 96);
    {
        Course course(d, {pack});
        Learner l(d, course, kXga);
        ASSERT_TRUE(l.window(QStringLiteral("Quillan 2")));
        ASSERT_TRUE(l.nextPage("Enter on the title page", [&] { d.key(XK_Return); }));
        ASSERT_TRUE(l.progressReaches(1));

        // T051: Ctrl+Esc opens the Start menu on its first row, in the
        // pack's words; Right, Right, Up: Wordpad; Enter.
        d.key(XK_Escape, {XK_Control_L});
        ASSERT_TRUE(l.startMenuOpens(width));
        // Above the taskbar, which draws the menu's bottom edge on its own.
        const QRect shown(0, kXga.startMenuTop(), width, StartMenuHeight - 3);
        const QImage expected = drawing.copy(0, 0, shown.width(), shown.height());
        ASSERT_TRUE(l.wait("the Start menu shows the pack's words", [&] {
            return d.grab(shown).convertToFormat(QImage::Format_RGB32) == expected;
        }, [&] {
            expected.save(saveScreenshot(d, QStringLiteral("failed-start-menu-") + pack) + QStringLiteral(".expected.png"));
            return std::string("the menu differs from the drawing of ") + captions.join(QLatin1Char('|')).toStdString();
        }));
        d.key(XK_Right);
        d.key(XK_Right);
        d.key(XK_Up);
        ASSERT_TRUE(l.nextPage("T051: Enter on Wordpad", [&] { d.key(XK_Return); }));
        ASSERT_TRUE(l.progressReaches(2));

        // T052: Ctrl+O, the pack's name for Document2 typed, Enter.
        d.key(XK_o, {XK_Control_L});
        ASSERT_TRUE(l.dialog(words.text("OpenCaption")));
        ASSERT_TRUE(l.nextPage("T052: the document opened", [&] { d.type(words.text("Document2") + QLatin1Char('\n')); }));
        ASSERT_TRUE(l.progressReaches(3));

        // T053: a change, Ctrl+N, Tab to No, Enter.
        d.key(XK_End, {XK_Control_L});
        d.type(QStringLiteral(" Ann"));
        d.key(XK_n, {XK_Control_L});
        ASSERT_TRUE(l.dialog(words.text("Warning")));
        d.key(XK_Tab);
        ASSERT_TRUE(l.nextPage("T053: No", [&] { d.key(XK_Return); }));
        ASSERT_TRUE(l.progressReaches(4));
    }

    // T056, resumed: F6 into the text, Ctrl+S, the pack's name for My
    // Document typed, Enter; the progress file keeps the text under its own
    // section, whatever the language.
    Course course(d, {pack}, "[USERINFO]\r\nMaxIndex=6\r\n");
    Learner l(d, course, kXga);
    ASSERT_TRUE(l.window(QStringLiteral("Quillan 2")));
    ASSERT_TRUE(l.nextPage("Enter on the title page resumes", [&] { d.key(XK_Return); }));
    // The keyboard is nowhere yet: F6 goes to the course's buttons, F6
    // again into the text.
    d.key(XK_F6);
    d.key(XK_F6);
    d.type(QStringLiteral("Milk"));
    d.key(XK_s, {XK_Control_L});
    ASSERT_TRUE(l.dialog(words.text("SaveCaption")));
    d.type(words.text("MyDocument") + QLatin1Char('\n'));
    ASSERT_TRUE(l.progressReaches(7));
    EXPECT_FALSE(course.document("DOCUMENT").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Packs, EndToEndInPack, ::testing::Values("QL2Rus.ini", "QL2Deu.ini"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return QString::fromLatin1(info.param).mid(3, 3).toStdString();
                         });

// A learner who waits on T051 is shown the Start button: a red ring around
// it and the yellow balloon above it. Clicking Start moves the ring on to
// the Programs row of the menu.
TEST(EndToEnd, ALearnerWhoWaitsOnT051IsShownStartThenPrograms)
{
    constexpr unsigned kSpotlight = 0xFF0000;
    constexpr unsigned kBalloon = 0xFFFFE1;
    XDesktop d(1024, 768, 96);
    Course course(d, {QStringLiteral("--hint-delay"), QStringLiteral("1"), QStringLiteral("QL2Eng.ini")});
    Learner l(d, course, kXga);
    ASSERT_TRUE(l.window(QStringLiteral("Quillan 2")));
    ASSERT_TRUE(l.taskbarShown(false));
    d.key(XK_Return);
    ASSERT_TRUE(l.taskbarShown(true));

    // The Start button: 56 x 22 at (3, taskbar top + 1); the ring stands 3
    // to 5 pixels outside it.
    const QRect start(3, l.at.taskbarTop() + 1, 56, 22);
    ASSERT_TRUE(l.pixelIs("the spotlight rings the Start button", QPoint(start.center().x(), start.top() - 4),
                          {kSpotlight}, 5s));
    EXPECT_EQ(d.pixel(QPoint(start.right() + 4, start.center().y())), kSpotlight);
    // The balloon stands above it, over the desktop.
    const QRect above(0, start.top() - 80, 300, 70);
    ASSERT_TRUE(l.wait("the balloon shows above the Start button", [&] {
        const QImage shot = d.grab(above);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if ((shot.pixel(x, y) & 0xFFFFFF) == kBalloon)
                    return true;
        return false;
    }));
    saveScreenshot(d, QStringLiteral("hint-T051-start"));  // the glow pulses: the screen never settles

    // Start, as the hint says: the ring moves to the Programs row (x 24 to
    // 149, from y 3 of the menu picture, 30 high).
    d.click(l.at.startButton());
    ASSERT_TRUE(l.startMenuOpens());
    const QRect programs(24, l.at.startMenuTop() + 3, 126, 30);
    ASSERT_TRUE(l.pixelIs("the spotlight rings the Programs row", QPoint(programs.center().x(), programs.top() - 4),
                          {kSpotlight}));
    EXPECT_EQ(d.pixel(QPoint(programs.right() + 4, programs.center().y())), kSpotlight);
    EXPECT_NE(d.pixel(QPoint(start.center().x(), start.top() - 4)), kSpotlight) << "the ring is still on Start";
    saveScreenshot(d, QStringLiteral("hint-T051-programs"));
    ASSERT_TRUE(l.exit(true));
}

// A screen at 120 dots per inch, told by the server or by the desktop's
// font resolution: the toolkit rounds its 1.25 down, so the course is drawn
// at 1x, each of its pixels a pixel of the screen, without a notice, laid out
// for the screen's real pixels.
TEST(EndToEnd, A120DpiScreenGetsAnUnscaledCourseAndNoNotice)
{
    const struct {
        const char *name;
        int serverDpi;
        QByteArray resources;
    } cases[] = {
        {"server-120dpi", 120, {}},
        {"Xft-dpi-120", 96, "Xft.dpi:\t120\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        XDesktop d(1024, 768, c.serverDpi, c.resources);
        Course course(d, {QStringLiteral("QL2Eng.ini")});
        Learner l(d, course, kXga);

        XWindowInfo main;
        ASSERT_TRUE(l.window(QStringLiteral("Quillan 2"), &main));
        EXPECT_EQ(main.geometry, QRect(0, 0, 1024, 768));
        // The info panel is 250 screen pixels wide (scaled by 1.25 it would
        // start 62 pixels further left).
        const int panelLeft = 1024 - l.at.panelWidth;
        ASSERT_TRUE(l.pixelIs("the title page's notebook ends where the info panel begins",
                              QPoint(panelLeft - 2, 300), {kTeal}));
        EXPECT_EQ(d.pixel(QPoint(panelLeft + 4, 300)), 0xFFFFE1u) << "the info panel is not at x " << panelLeft;
        EXPECT_FALSE(dialogInFront(d.grab())) << "the display notice shows";
        ASSERT_TRUE(l.exit(false));
    }
}

// A large screen: the course fills it, and the Start menu stands at its
// bottom left, its Programs submenu beside it.
TEST(EndToEnd, OnA1920x1080ScreenTheStartMenuOpensAtTheBottomLeft)
{
    XDesktop d(1920, 1080, 96);
    Course course(d, {QStringLiteral("QL2Eng.ini")});
    Learner l(d, course, Layout{QSize(1920, 1080)});

    XWindowInfo main;
    ASSERT_TRUE(l.window(QStringLiteral("Quillan 2"), &main));
    EXPECT_EQ(main.geometry, QRect(0, 0, 1920, 1080));
    ASSERT_TRUE(l.taskbarShown(false));
    d.key(XK_Return);
    ASSERT_TRUE(l.taskbarShown(true));

    d.click(l.at.startButton());
    ASSERT_TRUE(l.startMenuOpens());
    d.moveTo(l.at.startMenuRow(1));
    ASSERT_TRUE(l.popupAt(l.at.submenuCorner(1)));
    d.key(XK_Escape);
    ASSERT_TRUE(l.noPopup());
    ASSERT_TRUE(l.exit(true));
}

// The course zoom: on a 1920 x 1080 screen at 96 dots per inch, "fit" draws
// the course 1.75 times larger, laid out as on a screen of 1097 x 617 with
// every place of that layout 1.75 times further from the top left corner.
// The same walk at zoom 1 and at fit, each from a fresh progress folder: the
// course fills the screen on T051 with its buttons at their places, the
// instructions are read (OCR) to measure their size, and T051 is done by the
// pointer at the zoomed places, Wordpad opening where the zoomed layout puts
// it; Exit, at its place, ends the program.

// A place of the course on the screen where it is drawn z times larger.
struct Zoom {
    double z;
    QPoint operator()(QPoint p) const { return {qRound(p.x() * z), qRound(p.y() * z)}; }
    // The pixels of the screen that cover the rectangle.
    QRect operator()(const QRect &r) const
    {
        return QRect(QPoint(qRound(r.left() * z), qRound(r.top() * z)),
                     QPoint(qRound((r.right() + 1) * z) - 1, qRound((r.bottom() + 1) * z) - 1));
    }
};

// The box of the pixels of that area of the screen that are not the
// background colour (an empty one when all are).
QRect inkBox(XDesktop &d, const QRect &area, unsigned background)
{
    const QImage shot = d.grab(area);
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) != background)
                box |= QRect(x, y, 1, 1);
    return box.translated(area.topLeft());
}

// Two rectangles have the same edges, give or take the pixel that rounding
// a place of the course to the screen's pixels moves them by.
::testing::AssertionResult sameEdges(const std::string &what, const QRect &seen, const QRect &expected, int slack)
{
    if (std::abs(seen.left() - expected.left()) <= slack && std::abs(seen.right() - expected.right()) <= slack
        && std::abs(seen.top() - expected.top()) <= slack && std::abs(seen.bottom() - expected.bottom()) <= slack)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << " spans (" << seen.left() << "," << seen.top() << ")-("
                                         << seen.right() << "," << seen.bottom() << "), not ("
                                         << expected.left() << "," << expected.top() << ")-(" << expected.right()
                                         << "," << expected.bottom() << ")";
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

TEST(CourseZoom, FitDrawsTheCourseLargerAtItsZoomedPlacesAndT051IsDoneByThePointer)
{
    constexpr unsigned kPanel = 0xFFFFE1;  // the info panel
    const struct {
        const char *zoom;  // on the command line
        Zoom at;           // what it comes to on this screen
        QSize course;      // the screen in the course's pixels
    } runs[] = {{"1", {1}, {1920, 1080}}, {"fit", {1.75}, {1097, 617}}};
    // What each run saw: the instructions' median word height, the
    // navigation buttons' icons, the Programs submenu.
    struct Seen {
        double wordHeight = 0;
        QList<QSize> icons;
        QSize programs;
    } seen[2];

    XDesktop d(1920, 1080, 96);
    for (int r = 0; r < 2; ++r) {
        const auto &run = runs[r];
        Seen &s = seen[r];
        SCOPED_TRACE(std::string("--zoom ") + run.zoom);
        const Zoom &z = run.at;
        const std::string tag = std::string("[zoom ") + run.zoom + "] ";
        const QString shot = QStringLiteral("zoom-%1-").arg(QLatin1String(run.zoom));
        Course course(d, {QStringLiteral("QL2Eng.ini"), QStringLiteral("--zoom"), QLatin1String(run.zoom),
                          QStringLiteral("--hint-delay"), QStringLiteral("0")});
        Learner l(d, course, Layout{run.course});
        d.moveTo(QPoint(960, 540));  // off every button

        XWindowInfo main;
        ASSERT_TRUE(l.window(QStringLiteral("Quillan 2"), &main));
        d.key(XK_Return);
        ASSERT_TRUE(l.pixelIs(tag + "T051's taskbar shows",
                              z(QPoint(run.course.width() / 2, l.at.taskbarTop() + 14)), {kFace}));
        ASSERT_TRUE(l.progressReaches(1));
        l.settled(QRect(0, 0, 1920, 1080));
        saveScreenshot(d, shot + QStringLiteral("T051"));

        // The window covers the screen, and the course is drawn to its last
        // row (the taskbar) and column (the info panel's edge).
        EXPECT_EQ(main.geometry, QRect(0, 0, 1920, 1080));
        EXPECT_EQ(hexColour(d.pixel(QPoint(960, 1079))), hexColour(kFace));
        EXPECT_EQ(hexColour(d.pixel(QPoint(1919, 500))), hexColour(kFace));

        // The Start button, 56 x 22 at (3, taskbar top + 1): its edges,
        // the bevel's top one aside (it runs into the taskbar's).
        const QRect start = z(QRect(3, l.at.taskbarTop() + 1, 56, 22));
        const QRect startInk = inkBox(d, z(QRect(1, l.at.taskbarTop() + 3, 62, 21)), kFace);
        QRect startBelowItsTop = start;
        startBelowItsTop.setTop(startInk.top());
        EXPECT_TRUE(sameEdges(tag + "the Start button", startInk, startBelowItsTop, 2));
        // Back, Forward, Contents and Exit: each icon in the middle of its
        // button.
        for (int i = 0; i < 4; ++i) {
            const QRect button = z(l.at.navButtonRect(i, true));
            const QRect icon = inkBox(d, button, kPanel);
            ASSERT_TRUE(button.adjusted(2, 2, -2, -2).contains(icon))
                << tag << "navigation button " << i << " at (" << button.left() << "," << button.top() << ") "
                << button.width() << "x" << button.height() << " shows no icon inside it, but ink at ("
                << icon.left() << "," << icon.top() << ") " << icon.width() << "x" << icon.height();
            const QPoint off = icon.center() - button.center();
            EXPECT_LE(std::abs(off.x()) + std::abs(off.y()), 3)
                << tag << "navigation button " << i << "'s icon is " << off.x() << "," << off.y()
                << " off the middle of (" << button.left() << "," << button.top() << ") " << button.width()
                << "x" << button.height();
            s.icons << icon.size();
        }

        // The instructions, above the buttons, read.
        const QRect instructions = z(QRect(l.at.notebook().width() + 2, 2, l.at.panelWidth - 4, 200));
        const std::optional<QList<ReadWord>> words =
            readWords(d.grab(instructions), shot + QStringLiteral("T051-instructions"));
        ASSERT_TRUE(words) << "tesseract could not read the instructions";
        QList<double> heights;
        for (const ReadWord &w : *words)
            heights << w.box.height();
        ASSERT_GE(heights.size(), 40) << tag << "too few words read in the instructions";
        s.wordHeight = median(heights);

        // T051 by the pointer: Start opens the Start menu above it.
        d.click(z(l.at.startButton()));
        const int top = l.at.startMenuTop();
        ASSERT_TRUE(l.wait(tag + "the Start menu opens", [&] { return d.pixel(z(QPoint(76, top + 100))) != kTeal; }));
        EXPECT_TRUE(l.edges(tag + "the Start menu", {{z(QPoint(76, top)) - QPoint(0, 3), true},
                                                     {z(QPoint(76, top)) + QPoint(0, 3), false},
                                                     {z(QPoint(152, top + 150)) - QPoint(3, 0), false},
                                                     {z(QPoint(152, top + 150)) + QPoint(3, 0), true}}));
        // Programs opens its submenu at the menu's top right corner.
        const auto popups = [&] {
            QList<QRect> shown;
            for (const XWindowInfo &w : d.topLevels())
                if (w.overrideRedirect)
                    shown << w.geometry;
            return shown;
        };
        d.moveTo(z(l.at.startMenuRow(1)));
        QList<QRect> open;
        ASSERT_TRUE(l.wait(tag + "Programs opens its submenu", [&] { return (open = popups()).size() == 1; }));
        const QRect programs = open[0];
        const QPoint corner = z(l.at.submenuCorner(1));
        EXPECT_LE((programs.topLeft() - corner).manhattanLength(), 2)
            << tag << "the Programs submenu opens at " << programs.x() << "," << programs.y() << ", not at "
            << corner.x() << "," << corner.y();
        s.programs = programs.size();
        // Its first row of five, Accessories, opens the next: Games, System
        // Tools, Calculator, Notepad, Wordpad.
        d.moveTo(QPoint(programs.center().x(), programs.top() + programs.height() / 10));
        ASSERT_TRUE(l.wait(tag + "Accessories opens its submenu", [&] { return (open = popups()).size() == 2; }));
        const QRect accessories = open[0] == programs ? open[1] : open[0];
        EXPECT_GT(accessories.left(), programs.center().x()) << tag << "Accessories opens left of Programs";
        d.click(QPoint(accessories.center().x(), accessories.top() + accessories.height() * 9 / 10));
        ASSERT_TRUE(l.noPopup());
        ASSERT_TRUE(l.progressReaches(2));
        // T052: the word processor, active, where the zoomed layout puts it.
        ASSERT_TRUE(l.pixelIs(tag + "the word processor's caption shows", z(l.at.captionLeftEnd()), {kNavy}));
        l.settled(QRect(0, 0, 1920, 1080));
        saveScreenshot(d, shot + QStringLiteral("T052"));

        // Exit, at its place, ends the program.
        d.click(z(l.at.navButton(3, true)));
        std::optional<int> status;
        ASSERT_TRUE(l.wait(tag + "Exit ends the program", [&] { return (status = course.process().exitStatus()).has_value(); }));
        EXPECT_EQ(*status, 0);
    }

    // At fit the instructions are larger by about the zoom (tesseract's boxes
    // vary by a pixel at 1), and so are the pictures and the menus.
    const Seen &one = seen[0], &fit = seen[1];
    EXPECT_GE(fit.wordHeight, 1.4 * one.wordHeight)
        << "median word height " << fit.wordHeight << " at fit, " << one.wordHeight << " at 1";
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(fit.icons[i].width(), 1.75 * one.icons[i].width(), 2) << "navigation button " << i << "'s icon";
        EXPECT_NEAR(fit.icons[i].height(), 1.75 * one.icons[i].height(), 2) << "navigation button " << i << "'s icon";
    }
    EXPECT_NEAR(fit.programs.width(), 1.75 * one.programs.width(), 3) << "the Programs submenu";
    EXPECT_NEAR(fit.programs.height(), 1.75 * one.programs.height(), 3) << "the Programs submenu";
}

}  // namespace
