// The course on the desktops learners have: a window manager with a panel
// (xfwm4 with a tint2 panel at the bottom, on Xvfb) and a Wayland compositor
// (sway, headless, with its default configuration and bar). On each the
// course must be full screen: nothing of it under a panel or off the screen.
#include "e2e/x_desktop.h"

#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <X11/keysym.h>

#include <cstdio>

#include <unistd.h>

using namespace std::chrono_literals;

namespace {

constexpr unsigned kTeal = 0x008080;     // the simulated desktop
constexpr unsigned kFace = 0xC0C0C0;     // the simulated taskbar
constexpr unsigned kWhite = 0xFFFFFF;    // the Start menu's picture
constexpr unsigned kPanel = 0x2D5016;    // the tint2 panel, in a colour the course never shows
constexpr int kPanelHeight = 30;
constexpr int kTaskbar = 28;

const QString kProgram = QStringLiteral(QUILLAN_EXE);

QString programDir()
{
    return QFileInfo(kProgram).absolutePath() + QLatin1Char('/');
}

QString english(QByteArrayView section, QByteArrayView key, QByteArrayView fallback)
{
    return QString::fromLatin1(
        IniFile(programDir() + QStringLiteral("QL2Eng.ini")).readString(section, key, fallback));
}

bool onPath(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// Where things are on a 1024 x 768 screen (see test_e2e.cpp): the taskbar's
// Start button, a point of the taskbar right of the word processor's
// button, the notebook (the simulated desktop), the info panel, and a point
// of the Start menu's picture (152 x 224, its bottom three rows on the
// taskbar).
const QSize kScreen(1024, 768);
// The Start button's point is on its face, right of its bold word.
const QPoint kStart(3 + 49, kScreen.height() - kTaskbar + 1 + 12);
const QPoint kTaskbarMiddle(kScreen.width() / 2, kScreen.height() - kTaskbar + 14);
const QPoint kDesktop(300, 200);
const QPoint kInfoPanel(kScreen.width() - 60, 150);
const QPoint kStartMenu(1, kScreen.height() - kTaskbar - 224 + 3 + 100);
// The panel's right end, where it shows no task.
const QPoint kPanelEnd(kScreen.width() - 5, kScreen.height() - 5);

// Pixels of the colour in the image's rows from top on.
int countColour(const QImage &image, int top, unsigned rgb)
{
    int n = 0;
    for (int y = std::max(top, 0); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == rgb;
    return n;
}

}  // namespace

// xfwm4 (Xfce's window manager, with its settings daemon on a private
// session bus) and a tint2 panel 30 pixels high along the bottom that
// reserves its strip (a strut), as an Xfce desktop has it: a dock, above
// every ordinary window, below the active full-screen one.
TEST(Desktops, WithAWindowManagerAndAPanelTheCourseIsFullScreenAboveThePanel)
{
    for (const char *p : {"xfwm4", "tint2", "dbus-daemon"})
        ASSERT_TRUE(onPath(QString::fromLatin1(p))) << p << " is missing: `make test` installs it";
    XDesktop d(kScreen.width(), kScreen.height(), 96);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString socket = home.filePath(QStringLiteral("bus"));
    const QString busAddress = QStringLiteral("unix:path=") + socket;
    ChildProcess bus({QStringLiteral("dbus-daemon"), QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--nopidfile"), QStringLiteral("--address=") + busAddress});
    ASSERT_TRUE(waitFor(d, "the session bus listens", [&] { return QFileInfo::exists(socket); }, 10s));
    const QStringList session = {QStringLiteral("DISPLAY=") + QString::fromLatin1(d.displayName()),
                                 QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + busAddress,
                                 QStringLiteral("XDG_CONFIG_HOME=") + home.filePath(QStringLiteral("config")),
                                 QStringLiteral("XDG_CACHE_HOME=") + home.filePath(QStringLiteral("cache")),
                                 QStringLiteral("XDG_DATA_HOME=") + home.filePath(QStringLiteral("data")),
                                 QStringLiteral("NO_AT_BRIDGE=1")};

    ChildProcess wm({QStringLiteral("xfwm4"), QStringLiteral("--compositor=off")}, session);
    ASSERT_TRUE(waitFor(d, "xfwm4 manages the screen and offers full screen",
                        [&] { return d.supports("_NET_WM_STATE_FULLSCREEN"); }, 30s));

    const QString panelConfig = home.filePath(QStringLiteral("tint2rc"));
    {
        QFile rc(panelConfig);
        ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
        rc.write("panel_items = T\n"
                 "panel_size = 100% 30\n"
                 "panel_position = bottom center horizontal\n"
                 "panel_layer = normal\n"
                 "strut_policy = follow_size\n"
                 "wm_menu = 0\n"
                 "rounded = 0\n"
                 "border_width = 0\n"
                 "background_color = #2D5016 100\n"
                 "panel_background_id = 1\n");
    }
    ChildProcess panel({QStringLiteral("tint2"), QStringLiteral("-c"), panelConfig}, session);
    const QRect above(0, 0, kScreen.width(), kScreen.height() - kPanelHeight);
    ASSERT_TRUE(waitFor(
        d, "the panel shows at the bottom and reserves its strip",
        [&] { return d.workArea() == above && d.pixel(kPanelEnd) == kPanel; }, 30s,
        [&] {
            const QRect a = d.workArea();
            return "work area " + std::to_string(a.width()) + "x" + std::to_string(a.height());
        }));

    QTemporaryDir config;
    ChildProcess course({kProgram, QStringLiteral("--hint-delay"), QStringLiteral("0")},
                        session + QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb"),
                                              QStringLiteral("XDG_CONFIG_HOME=") + config.path()},
                        qtVariables());
    const auto step = [&](const std::string &what, const std::function<bool()> &condition,
                          const std::function<std::string()> &seen = {}) {
        std::optional<int> ended;
        auto r = waitFor(
            d, what, [&] { return condition() || (ended = course.exitStatus()).has_value(); }, 20s, seen);
        if (r && ended)
            return ::testing::AssertionFailure() << "step \"" << what << "\": the program ended with status "
                                                 << *ended;
        return r;
    };
    const QString title = QStringLiteral("Quillan 2");
    const auto active = [&](const QString &name) {
        const std::optional<XWindowInfo> w = d.managedWindowTitled(name);
        return w && d.activeWindow() == w->id;
    };
    // The course window is full screen, has the whole screen, and the
    // panel's strip shows the course: not one pixel of the panel.
    const auto fullScreenAbovePanel = [&] {
        const std::optional<XWindowInfo> w = d.managedWindowTitled(title);
        return w && w->geometry == QRect(QPoint(0, 0), kScreen)
               && d.windowStates(w->id).contains(QStringLiteral("_NET_WM_STATE_FULLSCREEN"))
               && countColour(d.grab(QRect(0, kScreen.height() - kPanelHeight, kScreen.width(), kPanelHeight)),
                              0, kPanel) == 0;
    };
    const auto courseSeen = [&] {
        const std::optional<XWindowInfo> w = d.managedWindowTitled(title);
        std::string s = w ? "course at " + std::to_string(w->geometry.x()) + "," + std::to_string(w->geometry.y())
                                + " " + std::to_string(w->geometry.width()) + "x"
                                + std::to_string(w->geometry.height()) + " states "
                                + d.windowStates(w->id).join(QLatin1Char(' ')).toStdString()
                          : std::string("no course window");
        return s + "; panel pixels at the bottom "
               + std::to_string(countColour(d.grab(), kScreen.height() - kPanelHeight, kPanel));
    };

    // The language dialog: Enter takes English. Then the title page, full
    // screen above the panel.
    ASSERT_TRUE(step("the language dialog is active", [&] { return active(QStringLiteral("Select language")); }));
    d.key(XK_Return);
    ASSERT_TRUE(step("the title page is full screen above the panel", fullScreenAbovePanel, courseSeen));
    saveScreenshot(d, QStringLiteral("xfwm4-title-page"));

    // Enter: T051, its taskbar where the panel is.
    ASSERT_TRUE(step("the course is active", [&] { return active(title); }));
    d.key(XK_Return);
    ASSERT_TRUE(step("T051 shows its taskbar over the panel's strip",
                     [&] { return d.pixel(kTaskbarMiddle) == kFace && d.pixel(kStart) == kFace; },
                     [&] { return "taskbar pixel " + hexColour(d.pixel(kTaskbarMiddle)); }));
    ASSERT_TRUE(step("T051 is full screen above the panel", fullScreenAbovePanel, courseSeen));
    saveScreenshot(d, QStringLiteral("xfwm4-T051"));

    // Another window takes the keyboard; the learner clicks back on the
    // course: it is above the panel again.
    const unsigned long other = d.openWindow(QRect(350, 250, 300, 200), QStringLiteral("Another program"));
    ASSERT_TRUE(step("another window is active", [&] { return d.activeWindow() == other; }));
    saveScreenshot(d, QStringLiteral("xfwm4-another-window"));
    d.click(kInfoPanel);
    ASSERT_TRUE(step("a click on the course makes it active again", [&] { return active(title); }));
    ASSERT_TRUE(step("the course is full screen above the panel again", fullScreenAbovePanel, courseSeen));
    ASSERT_TRUE(step("the taskbar shows again", [&] { return d.pixel(kStart) == kFace; }));

    // Start on T051 opens the Start menu.
    ASSERT_TRUE(step("the desktop shows where the Start menu opens", [&] { return d.pixel(kStartMenu) == kTeal; }));
    d.click(kStart);
    ASSERT_TRUE(step("Start opens the Start menu", [&] { return d.pixel(kStartMenu) == kWhite; },
                     [&] { return "Start menu pixel " + hexColour(d.pixel(kStartMenu)); }));
    saveScreenshot(d, QStringLiteral("xfwm4-T051-start-menu"));

    // The window manager takes full screen away (its key for it): the
    // course takes the area above the panel, its taskbar on the panel's edge.
    d.closeWindow(other);
    const unsigned long courseWindow = d.managedWindowTitled(title)->id;
    d.askWindowState(courseWindow, false, "_NET_WM_STATE_FULLSCREEN");
    const QPoint taskbarAbovePanel = kTaskbarMiddle - QPoint(0, kPanelHeight);
    ASSERT_TRUE(step(
        "without full screen the course fits above the panel",
        [&] {
            const std::optional<XWindowInfo> w = d.managedWindowTitled(title);
            return w && w->geometry == above && d.pixel(taskbarAbovePanel) == kFace
                   && d.pixel(kPanelEnd) == kPanel;
        },
        courseSeen));
    saveScreenshot(d, QStringLiteral("xfwm4-T051-without-full-screen"));

    course.stop();
    panel.stop();
    wm.stop();
    bus.stop();
}

namespace {

// A sway session of its own: headless, software rendering, no input
// devices, the default configuration (bar included) with the one output at
// 1024 x 768. Sway refuses to run as root: as root, sway alone runs as the
// unprivileged user nobody, in a folder of its own; its clients (the
// course, wtype, grim, swaymsg) run as the test does and reach it by the
// socket's full path, so the built program need not be open to nobody.
class Sway {
public:
    Sway()
    {
        const QString home = m_root.filePath(QStringLiteral("sway"));
        m_serverRuntime = home + QStringLiteral("/run");
        m_clientRuntime = m_root.filePath(QStringLiteral("run"));
        for (const QString &dir : {m_serverRuntime, m_clientRuntime}) {
            QDir().mkpath(dir);
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QFile config(home + QStringLiteral("/sway.conf"));
        if (config.open(QIODevice::WriteOnly))
            config.write("include /etc/sway/config\n"
                         "output HEADLESS-1 resolution 1024x768\n");
        config.close();
        QStringList asUser;
        if (geteuid() == 0) {
            asUser = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                      QStringLiteral("--clear-groups")};
            QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home});
            // nobody passes through the test's folder to its own, and sees nothing else there
            QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                     | QFile::ExeGroup | QFile::ExeOther);
        }
        m_server.emplace(asUser + QStringList{QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()},
                         QStringList{QStringLiteral("XDG_RUNTIME_DIR=") + m_serverRuntime,
                                     QStringLiteral("HOME=") + home, QStringLiteral("WLR_BACKENDS=headless"),
                                     QStringLiteral("WLR_RENDERER=pixman"),
                                     QStringLiteral("WLR_LIBINPUT_NO_DEVICES=1")},
                         unset());
    }
    ~Sway()
    {
        m_keyboard.reset();
        if (m_server)
            m_server->stop();
    }

    QString root() const { return m_root.path(); }
    QString ipc() const { return m_ipc; }
    ChildProcess &server() { return *m_server; }

    // The compositor's sockets once it accepts clients.
    bool ready()
    {
        const QDir run(m_serverRuntime);
        const QStringList ipc = run.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        const QStringList wayland = run.entryList({QStringLiteral("wayland-?")}, QDir::System);
        if (ipc.isEmpty() || wayland.isEmpty())
            return false;
        m_ipc = run.filePath(ipc.first());
        m_display = run.filePath(wayland.first());
        return true;
    }

    // What a client of this session starts with: a runtime folder of its
    // own, the display's socket, and no X display to fall back on.
    QStringList environment() const
    {
        QStringList env = {QStringLiteral("XDG_RUNTIME_DIR=") + m_clientRuntime};
        if (!m_display.isEmpty())
            env << QStringLiteral("WAYLAND_DISPLAY=") + m_display;
        return env;
    }
    static QStringList unset()
    {
        return qtVariables() + QStringList{QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                           QStringLiteral("SWAYSOCK"), QStringLiteral("DBUS_SESSION_BUS_ADDRESS")};
    }

    // A program of the session.
    std::unique_ptr<ChildProcess> start(const QStringList &argv, const QStringList &env = {})
    {
        return std::make_unique<ChildProcess>(argv, environment() + env, unset());
    }

    // A command of the session run to its end: its standard output, or
    // nothing when it failed.
    std::optional<QByteArray> run(const QStringList &argv)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : unset())
            env.remove(name);
        for (const QString &e : environment())
            env.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(env);
        p.start(argv.first(), argv.mid(1));
        if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return std::nullopt;
        return p.readAllStandardOutput();
    }

    // The seat's keyboard stays while one wtype waits for the whole walk;
    // each key then comes from a wtype of its own.
    void keepKeyboard() { m_keyboard = start({QStringLiteral("wtype"), QStringLiteral("-s"), QStringLiteral("600000")}); }
    bool key(const QStringList &wtypeArgs) { return run(QStringList{QStringLiteral("wtype")} + wtypeArgs).has_value(); }

    QJsonObject tree()
    {
        const std::optional<QByteArray> out =
            run({QStringLiteral("swaymsg"), QStringLiteral("-s"), m_ipc, QStringLiteral("-t"), QStringLiteral("get_tree")});
        return out ? QJsonDocument::fromJson(*out).object() : QJsonObject();
    }

    // The screen as grim takes it; saved under the name in the build's
    // e2e-shots/ too.
    QImage screenshot(const QString &name)
    {
        const QString file = m_root.filePath(QStringLiteral("shot.png"));
        QFile::remove(file);
        if (!run({QStringLiteral("grim"), file}))
            return {};
        QImage image(file);
        if (!image.isNull())
            image.save(shotPath(name));
        return image.convertToFormat(QImage::Format_RGB32);
    }

private:
    QTemporaryDir m_root;
    QString m_serverRuntime, m_clientRuntime, m_ipc, m_display;
    std::optional<ChildProcess> m_server;
    std::unique_ptr<ChildProcess> m_keyboard;
};

// The views (windows) in sway's tree, depth first.
void collectViews(const QJsonObject &node, QList<QJsonObject> &views)
{
    if (node.contains(QStringLiteral("pid")))
        views << node;
    for (const char *children : {"nodes", "floating_nodes"})
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
            collectViews(child.toObject(), views);
}

std::optional<QJsonObject> viewNamed(const QJsonObject &tree, const QString &name)
{
    QList<QJsonObject> views;
    collectViews(tree, views);
    for (const QJsonObject &v : views)
        if (v.value(QStringLiteral("name")).toString() == name)
            return v;
    return std::nullopt;
}

QRect rectOf(const QJsonObject &view)
{
    const QJsonObject r = view.value(QStringLiteral("rect")).toObject();
    return {r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
            r.value(QStringLiteral("width")).toInt(), r.value(QStringLiteral("height")).toInt()};
}

std::string describeViews(const QJsonObject &tree)
{
    QList<QJsonObject> views;
    collectViews(tree, views);
    std::string s = "views:";
    for (const QJsonObject &v : views) {
        const QRect r = rectOf(v);
        s += " [\"" + v.value(QStringLiteral("name")).toString().toStdString() + "\" "
             + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x"
             + std::to_string(r.height()) + " fullscreen "
             + std::to_string(v.value(QStringLiteral("fullscreen_mode")).toInt())
             + (v.value(QStringLiteral("focused")).toBool() ? " focused" : "") + "]";
    }
    return s;
}

// Pixels that differ between two pictures of the same size (all of them
// when the sizes differ).
int differing(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}  // namespace

// On Wayland natively: the program is told to use Wayland only, so nothing
// falls back to X. Sway has no pointer here: the learner uses the keyboard.
TEST(Desktops, OnAWaylandCompositorTheCourseIsFullScreenWithItsTaskbar)
{
    for (const char *p : {"sway", "swaymsg", "wtype", "grim"})
        ASSERT_TRUE(onPath(QString::fromLatin1(p))) << p << " is missing: `make test` installs it";
    ASSERT_TRUE(QFileInfo::exists(QStringLiteral("/etc/sway/config"))) << "sway's default configuration is missing";
    Sway sway;
    QImage shot;
    const auto failed = [&](const std::string &what) {
        return [&, what] {
            shot = sway.screenshot(QStringLiteral("failed-sway-") + QString::fromStdString(what));
            return describeViews(sway.tree()) + "; screenshot " + shotPath(QStringLiteral("failed-sway-") + QString::fromStdString(what)).toStdString();
        };
    };
    ASSERT_TRUE(waitFor("sway accepts clients", [&] { return sway.ready() || !sway.server().running(); }, 20s,
                        [] { return std::string("no sockets"); }));
    ASSERT_TRUE(sway.server().running()) << "sway ended at its start";
    ASSERT_TRUE(waitFor("the output is 1024 x 768", [&] { return sway.screenshot(QStringLiteral("sway-desktop")).size() == kScreen; },
                        20s, [&] { return "screenshot " + std::to_string(shot.width()) + "x" + std::to_string(shot.height()); }));
    sway.keepKeyboard();

    const QString config = sway.root() + QStringLiteral("/config");  // the progress file's folder
    QDir().mkpath(config);
    std::unique_ptr<ChildProcess> course =
        sway.start({kProgram, QStringLiteral("--hint-delay"), QStringLiteral("0")},
                   {QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("XDG_CONFIG_HOME=") + config});
    const auto step = [&](const std::string &what, const std::function<bool()> &condition) {
        std::optional<int> ended;
        auto r = waitFor(what, [&] { return condition() || (ended = course->exitStatus()).has_value(); }, 20s,
                         failed(what));
        if (r && ended)
            return ::testing::AssertionFailure() << "step \"" << what << "\": the program ended with status " << *ended;
        return r;
    };
    const QString title = QStringLiteral("Quillan 2");
    // The course's surface covers the whole output: full screen, no title
    // bar, not tiled, and the bar is hidden.
    const auto fullScreen = [&] {
        const std::optional<QJsonObject> v = viewNamed(sway.tree(), title);
        return v && v->value(QStringLiteral("fullscreen_mode")).toInt() == 1 && rectOf(*v) == QRect(QPoint(0, 0), kScreen)
               && v->value(QStringLiteral("visible")).toBool();
    };

    const auto focused = [&](const QString &name) {
        const std::optional<QJsonObject> v = viewNamed(sway.tree(), name);
        return v && v->value(QStringLiteral("focused")).toBool();
    };
    ASSERT_TRUE(step("the language dialog shows and has the keyboard",
                     [&] { return focused(QStringLiteral("Select language")); }));
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("Return")}));
    ASSERT_TRUE(step("the title page is full screen", fullScreen));
    ASSERT_TRUE(step("the course has the keyboard", [&] { return focused(title); }));
    ASSERT_TRUE(step("the title page covers the bar: no taskbar yet, the page's own pixels at the top",
                     [&] {
                         shot = sway.screenshot(QStringLiteral("sway-title-page"));
                         return shot.size() == kScreen && (shot.pixel(kTaskbarMiddle) & 0xFFFFFF) == kTeal
                                && (shot.pixel(5, 5) & 0xFFFFFF) == kTeal;  // where the bar would be
                     }));

    // Enter: T051, full screen, its taskbar at the bottom.
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("Return")}));
    ASSERT_TRUE(step("T051 shows its taskbar at the bottom of the output", [&] {
        shot = sway.screenshot(QStringLiteral("sway-T051"));
        return shot.size() == kScreen && (shot.pixel(kTaskbarMiddle) & 0xFFFFFF) == kFace
               && (shot.pixel(kStart) & 0xFFFFFF) == kFace && (shot.pixel(kDesktop) & 0xFFFFFF) == kTeal;
    }));
    ASSERT_TRUE(step("T051 is full screen", fullScreen));

    // The contents dialog by keyboard: F6 to the navigation buttons, back
    // round from the first past Exit to Contents, Enter; Escape closes it.
    // The picture above the taskbar (whose clock may change) is compared.
    const QRect page(0, 0, kScreen.width(), kScreen.height() - kTaskbar);
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("F6"), QStringLiteral("-M"), QStringLiteral("shift"),
                          QStringLiteral("-k"), QStringLiteral("Tab"), QStringLiteral("-k"), QStringLiteral("Tab"),
                          QStringLiteral("-m"), QStringLiteral("shift")}));
    QImage before, last;
    ASSERT_TRUE(step("the focus mark settles on a navigation button", [&] {
        const QImage now = sway.screenshot(QStringLiteral("sway-T051-contents-button")).copy(page);
        const bool same = !last.isNull() && now == last;
        last = now;
        return same;
    }));
    before = last;
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("Return")}));
    const QString contents = english("PAGES", "T004Name", "Contents");
    // The dialog is drawn inside the course's window, where the course puts
    // it: centred over the page beside the info panel, above the taskbar,
    // with the keyboard (Escape reaches it). Sway sees no window of its own.
    const QSize notebook(kScreen.width() - 250, kScreen.height() - kTaskbar);
    const QPoint placed((notebook.width() - 400) / 2, (notebook.height() - 450) / 2);
    std::optional<QRect> dialog;
    ASSERT_TRUE(step("the contents dialog shows over the page, where the course puts it", [&] {
        shot = sway.screenshot(QStringLiteral("sway-contents"));
        dialog = dialogInFront(shot);
        return dialog && dialog->topLeft() == placed;
    }));
    // Its client area of 392 x 423 in a 3 pixel border, under an 18 pixel
    // caption and its line.
    EXPECT_EQ(dialog->size(), QSize(392 + 6, 423 + 3 + 3 + 18 + 1));
    EXPECT_FALSE(viewNamed(sway.tree(), contents)) << describeViews(sway.tree());
    ASSERT_TRUE(step("the course keeps the keyboard", [&] { return focused(title); }));
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("Escape")}));
    ASSERT_TRUE(step("Escape closes the contents dialog and the page shows as before", [&] {
        shot = sway.screenshot(QStringLiteral("sway-contents-closed"));
        // The page itself, beside the info panel, whose buttons may show the
        // keyboard's focus a moment later on a slow build.
        const QRect stage(0, 0, page.width() - 250, page.height());
        return differing(shot.copy(stage), before.copy(stage)) == 0;
    }));
    ASSERT_TRUE(step("T051 is still full screen", fullScreen));
    course->stop();

    // A learner who waits on T051 is shown Start: the ring round the Start
    // button and the balloon above it, drawn inside the course's window.
    course = sway.start({kProgram, QStringLiteral("--hint-delay"), QStringLiteral("2"), QStringLiteral("QL2Eng.ini")},
                        {QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("XDG_CONFIG_HOME=") + config});
    ASSERT_TRUE(step("the title page is full screen again", fullScreen));
    ASSERT_TRUE(step("the course has the keyboard again", [&] { return focused(title); }));
    ASSERT_TRUE(sway.key({QStringLiteral("-k"), QStringLiteral("Return")}));
    constexpr unsigned kSpotlight = 0xFF0000, kBalloon = 0xFFFFE1;
    const QRect start(3, kScreen.height() - kTaskbar + 1, 56, 22);
    ASSERT_TRUE(step("the spotlight rings the Start button and the balloon stands above it", [&] {
        shot = sway.screenshot(QStringLiteral("sway-hint-T051"));
        if ((shot.pixel(start.center().x(), start.top() - 4) & 0xFFFFFF) != kSpotlight
            || (shot.pixel(start.right() + 4, start.center().y()) & 0xFFFFFF) != kSpotlight)
            return false;
        const QImage above = shot.copy(0, start.top() - 80, 300, 70);
        for (int y = 0; y < above.height(); ++y)
            for (int x = 0; x < above.width(); ++x)
                if ((above.pixel(x, y) & 0xFFFFFF) == kBalloon)
                    return true;
        return false;
    }));
    QList<QJsonObject> views;
    collectViews(sway.tree(), views);
    EXPECT_EQ(views.size(), 1) << "the hint is a window of its own: " << describeViews(sway.tree());
    ASSERT_TRUE(step("T051 is still full screen with the hint", fullScreen));

    // On by keyboard alone, as the compositor gives the test no pointer:
    // T051 through the Start menu, T052 through Ctrl+O and the Open dialog,
    // T053 through the save-changes question. Each key waits for the
    // picture to settle after the one before.
    const auto keys = [&](const std::string &what, const QStringList &wtypeArgs) {
        if (!sway.key(wtypeArgs))
            return ::testing::AssertionFailure() << what << ": wtype failed";
        QImage previous;
        return step(what + " settles", [&] {
            const QImage now = sway.screenshot(QStringLiteral("sway-keys")).copy(page);
            const bool same = !previous.isNull() && now == previous;
            previous = now;
            return same;
        });
    };
    const auto k = [](const char *key) { return QStringList{QStringLiteral("-k"), QString::fromLatin1(key)}; };
    const auto ctrl = [](const char *key) {
        return QStringList{QStringLiteral("-M"), QStringLiteral("ctrl"), QStringLiteral("-k"), QString::fromLatin1(key),
                           QStringLiteral("-m"), QStringLiteral("ctrl")};
    };
    const auto reached = [&](int maxIndex) {
        return step("the progress file records page " + std::to_string(maxIndex), [&] {
            return IniFile(config + QStringLiteral("/QL2Dusr.qlu")).readInteger("USERINFO", "MaxIndex", -1) == maxIndex;
        });
    };
    ASSERT_TRUE(keys("Ctrl+Esc opens the Start menu", ctrl("Escape")));
    ASSERT_TRUE(keys("Right opens Programs", k("Right")));
    ASSERT_TRUE(keys("Right opens Accessories", k("Right")));
    ASSERT_TRUE(keys("Up wraps to Wordpad", k("Up")));
    ASSERT_TRUE(sway.key(k("Return")));
    ASSERT_TRUE(reached(2));
    ASSERT_TRUE(keys("Ctrl+O opens the Open dialog", ctrl("o")));
    ASSERT_TRUE(step("the Open dialog shows", [&] { return dialogInFront(sway.screenshot(QStringLiteral("sway-open"))).has_value(); }));
    ASSERT_TRUE(sway.key({QStringLiteral("Document2"), QStringLiteral("-k"), QStringLiteral("Return")}));
    ASSERT_TRUE(reached(3));
    ASSERT_TRUE(keys("Ctrl+End", ctrl("End")));
    ASSERT_TRUE(keys("a name typed", {QStringLiteral(" Ann")}));
    ASSERT_TRUE(keys("Ctrl+N asks to save the changes", ctrl("n")));
    ASSERT_TRUE(step("the question shows", [&] { return dialogInFront(sway.screenshot(QStringLiteral("sway-question"))).has_value(); }));
    ASSERT_TRUE(keys("Tab to No", k("Tab")));
    ASSERT_TRUE(sway.key(k("Return")));
    ASSERT_TRUE(reached(4));
    ASSERT_TRUE(step("T054 is full screen", fullScreen));
    course->stop();
}
