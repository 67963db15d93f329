#include "e2e/x_desktop.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr Milliseconds kPollInterval(20);

// Windows come and go while we look at them; a window that vanished between
// two requests is not an error of the test.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

}  // namespace

QStringList qtVariables()
{
    QStringList names{QStringLiteral("LPDEST")};
    for (const QString &e : QProcessEnvironment::systemEnvironment().keys())
        if (e.startsWith(QLatin1String("QT_")))
            names << e;
    return names;
}

ChildProcess::ChildProcess(const QStringList &argv, const QStringList &env, const QStringList &unset,
                           int keepFd)
{
    // Everything the child needs is prepared before fork.
    std::vector<QByteArray> args;
    for (const QString &a : argv)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> argp;
    for (QByteArray &a : args)
        argp.push_back(a.data());
    argp.push_back(nullptr);

    std::vector<QByteArray> vars;
    const auto replaced = [&](const QByteArray &entry) {
        const QByteArray name = entry.left(entry.indexOf('='));
        for (const QString &u : unset)
            if (name == u.toLocal8Bit())
                return true;
        for (const QString &e : env)
            if (e.toLocal8Bit().startsWith(name + '='))
                return true;
        return false;
    };
    for (char **e = environ; *e; ++e)
        if (!replaced(QByteArray(*e)))
            vars.emplace_back(*e);
    for (const QString &e : env)
        vars.push_back(e.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &v : vars)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
    if (m_pid == 0) {
        // The child goes when the test goes, however the test ends.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != keepFd)
                close(fd);
        execvpe(argp[0], argp.data(), envp.data());
        std::fprintf(stderr, "cannot start %s: %s\n", argp[0], std::strerror(errno));
        _exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    stop();
}

std::optional<int> ChildProcess::exitStatus()
{
    if (!m_status && m_pid > 0) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid)
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1 - WTERMSIG(status);
    }
    return m_status;
}

bool ChildProcess::running()
{
    return m_pid > 0 && !exitStatus();
}

void ChildProcess::stop()
{
    if (!running())
        return;
    kill(m_pid, SIGTERM);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (running() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(Milliseconds(10));
    if (running()) {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_status = -1 - SIGKILL;
    }
}

XDesktop::XDesktop(int width, int height, int dpi, const QByteArray &resources)
    : m_width(width), m_height(height)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    m_server.emplace(QStringList{QStringLiteral("Xvfb"), QStringLiteral("-displayfd"),
                                 QString::number(fds[1]), QStringLiteral("-screen"),
                                 QStringLiteral("0"),
                                 QStringLiteral("%1x%2x24").arg(width).arg(height),
                                 QStringLiteral("-dpi"), QString::number(dpi),
                                 QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                 QStringLiteral("-noreset")},
                     QStringList{}, QStringList{}, fds[1]);
    close(fds[1]);

    // The server writes its display number once it accepts connections.
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!number.endsWith('\n') && std::chrono::steady_clock::now() < until) {
        if (poll(&p, 1, 100) > 0) {
            char c;
            if (read(fds[0], &c, 1) != 1)
                break;
            number.append(c);
        }
    }
    close(fds[0]);
    if (!number.endsWith('\n'))
        throw std::runtime_error("Xvfb did not report a display within 20 s");
    m_displayName = ':' + number.trimmed();

    XSetErrorHandler(ignoreXErrors);
    m_display = XOpenDisplay(m_displayName.constData());
    if (!m_display)
        throw std::runtime_error("cannot open display " + m_displayName.toStdString());
    int event, error, major, minor;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
    if (!resources.isEmpty()) {
        XChangeProperty(m_display, DefaultRootWindow(m_display),
                        XInternAtom(m_display, "RESOURCE_MANAGER", False), XA_STRING, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(resources.constData()),
                        int(resources.size()));
        sync();
    }
}

XDesktop::~XDesktop()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void XDesktop::sync()
{
    XSync(m_display, False);
}

void XDesktop::moveTo(QPoint p)
{
    XTestFakeMotionEvent(m_display, -1, p.x(), p.y(), CurrentTime);
    sync();
}

void XDesktop::click(QPoint p)
{
    moveTo(p);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    sync();
}

unsigned XDesktop::keycode(unsigned long keysym)
{
    const KeyCode code = XKeysymToKeycode(m_display, keysym);
    if (code == 0)
        throw std::runtime_error("no key gives the keysym " + std::to_string(keysym));
    return code;
}

void XDesktop::key(unsigned long keysym, std::initializer_list<unsigned long> modifiers)
{
    for (unsigned long m : modifiers)
        XTestFakeKeyEvent(m_display, keycode(m), True, CurrentTime);
    const unsigned code = keycode(keysym);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m)
        XTestFakeKeyEvent(m_display, keycode(*m), False, CurrentTime);
    sync();
}

void XDesktop::type(const QString &text)
{
    // Every letter's key is mapped before the first key is pressed.
    for (const QChar c : text) {
        if (c.unicode() > 0x7e && !c.isSurrogate())
            unicodeKey(c);
    }
    XSync(m_display, False);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            key(XK_Return);
            continue;
        }
        const unsigned long keysym = c.unicode();  // printable ASCII: the keysym is the code
        if (keysym > 0x7e && !c.isSurrogate()) {
            const unsigned code = unicodeKey(c);
            XTestFakeKeyEvent(m_display, code, True, CurrentTime);
            XTestFakeKeyEvent(m_display, code, False, CurrentTime);
            sync();
            continue;
        }
        if (keysym < 0x20 || keysym > 0x7e)
            throw std::runtime_error("cannot type the character " + std::to_string(keysym));
        // A character on the key's second level needs Shift.
        const bool shifted = XkbKeycodeToKeysym(m_display, KeyCode(keycode(keysym)), 0, 0) != keysym;
        if (shifted)
            key(keysym, {XK_Shift_L});
        else
            key(keysym);
    }
}

// A letter no key of the server's keyboard gives (a Cyrillic one, an
// umlaut) is given a key of its own that gave nothing, on both levels, and
// keeps it: a key is never mapped again, since the program reads the new
// mapping from the server when it hears of it, maybe only after later keys.
unsigned XDesktop::unicodeKey(QChar c)
{
    if (const auto found = m_unicodeKeys.constFind(c); found != m_unicodeKeys.cend())
        return *found;
    if (m_spareKeys.isEmpty() && m_unicodeKeys.isEmpty()) {
        int low = 0;
        int high = 0;
        XDisplayKeycodes(m_display, &low, &high);
        for (int code = high; code >= low; --code) {
            if (XkbKeycodeToKeysym(m_display, KeyCode(code), 0, 0) == NoSymbol)
                m_spareKeys << unsigned(code);
        }
    }
    if (m_spareKeys.isEmpty())
        throw std::runtime_error("no spare key left to type a letter with");
    const unsigned code = m_spareKeys.takeFirst();
    KeySym both[2] = {KeySym(0x01000000UL | c.unicode()), KeySym(0x01000000UL | c.unicode())};
    XChangeKeyboardMapping(m_display, int(code), 2, both, 1);
    m_unicodeKeys.insert(c, code);
    return code;
}

unsigned XDesktop::pixel(QPoint p)
{
    return grab(QRect(p, QSize(1, 1))).pixel(0, 0) & 0xFFFFFF;
}

QImage XDesktop::grab(const QRect &area)
{
    XImage *xi = XGetImage(m_display, DefaultRootWindow(m_display), area.x(), area.y(),
                           unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    QImage image(area.size(), QImage::Format_RGB32);
    if (!xi) {
        image.fill(Qt::magenta);
        return image;
    }
    const auto channel = [](unsigned long value, unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return unsigned((value >> shift) & mask);
    };
    for (int y = 0; y < area.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long v = XGetPixel(xi, x, y);
            line[x] = qRgb(int(channel(v, xi->red_mask)), int(channel(v, xi->green_mask)),
                           int(channel(v, xi->blue_mask)));
        }
    }
    XDestroyImage(xi);
    return image;
}

QList<XWindowInfo> XDesktop::topLevels()
{
    QList<XWindowInfo> result;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return result;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_display, children[i], &a) || a.map_state != IsViewable)
            continue;
        XWindowInfo w;
        w.id = children[i];
        w.geometry = QRect(a.x, a.y, a.width, a.height);
        w.overrideRedirect = a.override_redirect;
        w.title = titleOf(w.id);
        if (!w.title.isEmpty())
            m_titlesSeen.insert(w.title);
        result.append(w);
    }
    if (children)
        XFree(children);
    return result;
}

QString XDesktop::titleOf(unsigned long window)
{
    const Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    QString title;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(m_display, window, netName, 0, 1024, False, utf8, &type, &format, &items, &after,
                           &data) == Success && data && type == utf8) {
        title = QString::fromUtf8(reinterpret_cast<const char *>(data), int(items));
    } else {
        char *name = nullptr;
        if (XFetchName(m_display, window, &name) && name) {
            title = QString::fromLocal8Bit(name);
            XFree(name);
        }
    }
    if (data)
        XFree(data);
    return title;
}

QList<unsigned long> XDesktop::windowList(const char *property, unsigned long window)
{
    QList<unsigned long> result;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(m_display, window, XInternAtom(m_display, property, False), 0, 4096, False,
                           AnyPropertyType, &type, &format, &items, &after, &data) == Success
        && data && format == 32) {
        const auto *values = reinterpret_cast<const unsigned long *>(data);  // format 32 comes as long
        for (unsigned long i = 0; i < items; ++i)
            result.append(values[i]);
    }
    if (data)
        XFree(data);
    return result;
}

QList<XWindowInfo> XDesktop::managedWindows()
{
    QList<XWindowInfo> result;
    const Window root = DefaultRootWindow(m_display);
    for (unsigned long id : windowList("_NET_CLIENT_LIST_STACKING", root)) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_display, id, &a) || a.map_state != IsViewable)
            continue;
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(m_display, id, root, 0, 0, &x, &y, &child);
        XWindowInfo w;
        w.id = id;
        w.geometry = QRect(x, y, a.width, a.height);
        w.title = titleOf(id);
        if (!w.title.isEmpty())
            m_titlesSeen.insert(w.title);
        result.append(w);
    }
    return result;
}

namespace {

// The topmost of windows listed bottom to top that has the title.
std::optional<XWindowInfo> topmostTitled(const QList<XWindowInfo> &windows, const QString &title)
{
    for (auto w = windows.rbegin(); w != windows.rend(); ++w)
        if (w->title == title)
            return *w;
    return std::nullopt;
}

}  // namespace

std::optional<XWindowInfo> XDesktop::managedWindowTitled(const QString &title)
{
    return topmostTitled(managedWindows(), title);
}

unsigned long XDesktop::activeWindow()
{
    const QList<unsigned long> active = windowList("_NET_ACTIVE_WINDOW", DefaultRootWindow(m_display));
    return active.isEmpty() ? 0 : active.first();
}

QStringList XDesktop::windowStates(unsigned long window)
{
    QStringList names;
    for (unsigned long atom : windowList("_NET_WM_STATE", window)) {
        if (char *name = XGetAtomName(m_display, atom)) {
            names << QString::fromLatin1(name);
            XFree(name);
        }
    }
    return names;
}

bool XDesktop::supports(const char *atomName)
{
    const Atom wanted = XInternAtom(m_display, atomName, False);
    return windowList("_NET_SUPPORTED", DefaultRootWindow(m_display)).contains(wanted);
}

QRect XDesktop::workArea()
{
    const QList<unsigned long> area = windowList("_NET_WORKAREA", DefaultRootWindow(m_display));
    if (area.size() < 4)
        return {};
    return QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
}

void XDesktop::askWindowState(unsigned long window, bool add, const char *stateName)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(m_display, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = add ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
    e.xclient.data.l[1] = long(XInternAtom(m_display, stateName, False));
    e.xclient.data.l[3] = 2;  // from a pager or a key of the desktop, not the program
    XSendEvent(m_display, DefaultRootWindow(m_display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &e);
    sync();
}

unsigned long XDesktop::openWindow(const QRect &place, const QString &title)
{
    const Window root = DefaultRootWindow(m_display);
    const Window w = XCreateSimpleWindow(m_display, root, place.x(), place.y(), unsigned(place.width()),
                                         unsigned(place.height()), 0, BlackPixel(m_display, 0),
                                         WhitePixel(m_display, 0));
    const QByteArray name = title.toUtf8();
    XStoreName(m_display, w, name.constData());
    XChangeProperty(m_display, w, XInternAtom(m_display, "_NET_WM_NAME", False),
                    XInternAtom(m_display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(name.constData()), int(name.size()));
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = place.x();
    hints.y = place.y();
    hints.width = place.width();
    hints.height = place.height();
    XSetWMNormalHints(m_display, w, &hints);
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = True;
    XSetWMHints(m_display, w, &wmHints);
    XMapRaised(m_display, w);
    sync();
    return w;
}

void XDesktop::closeWindow(unsigned long window)
{
    XDestroyWindow(m_display, window);
    sync();
}

std::optional<XWindowInfo> XDesktop::windowTitled(const QString &title)
{
    return topmostTitled(topLevels(), title);
}

unsigned long XDesktop::inputFocus()
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    return focus;
}

std::string XDesktop::describe()
{
    std::string s = "windows (bottom to top):";
    const unsigned long focus = inputFocus();
    for (const XWindowInfo &w : topLevels()) {
        char line[160];
        std::snprintf(line, sizeof line, " [0x%lx \"%s\" %d,%d %dx%d%s%s]", w.id,
                      w.title.toStdString().c_str(), w.geometry.x(), w.geometry.y(), w.geometry.width(),
                      w.geometry.height(), w.overrideRedirect ? " popup" : "",
                      w.id == focus ? " focused" : "");
        s += line;
    }
    char tail[96];
    std::snprintf(tail, sizeof tail, "; keyboard focus 0x%lx%s", focus,
                  focus == DefaultRootWindow(m_display) ? " (the root window)"
                  : focus == PointerRoot              ? " (pointer root)"
                  : focus == None                     ? " (none)"
                                                      : "");
    return s + tail;
}

std::string hexColour(unsigned rgb)
{
    char s[16];
    std::snprintf(s, sizeof s, "0x%06X", rgb & 0xFFFFFF);
    return s;
}

::testing::AssertionResult waitFor(const std::string &step, const std::function<bool()> &condition,
                                   Milliseconds bound, const std::function<std::string()> &failed)
{
    const auto until = std::chrono::steady_clock::now() + bound;
    for (;;) {
        if (condition())
            return ::testing::AssertionSuccess();
        if (std::chrono::steady_clock::now() >= until)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    return ::testing::AssertionFailure() << "step \"" << step << "\" did not happen within " << bound.count()
                                         << " ms; seen: " << failed();
}

QString shotPath(const QString &name)
{
    const QString dir = QStringLiteral(E2E_SHOTS_DIR);
    QDir().mkpath(dir);
    QString file = name;
    for (QChar &c : file)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return dir + QLatin1Char('/') + file + QStringLiteral(".png");
}

QString saveScreenshot(XDesktop &desktop, const QString &name)
{
    const QString path = shotPath(name);
    desktop.grab().save(path);
    return path;
}

::testing::AssertionResult waitFor(XDesktop &desktop, const std::string &step,
                                   const std::function<bool()> &condition, Milliseconds bound,
                                   const std::function<std::string()> &seen)
{
    const auto until = std::chrono::steady_clock::now() + bound;
    for (;;) {
        if (condition())
            return ::testing::AssertionSuccess();
        if (std::chrono::steady_clock::now() >= until)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    const QString shot = saveScreenshot(desktop, QStringLiteral("failed-") + QString::fromStdString(step));
    return ::testing::AssertionFailure()
           << "step \"" << step << "\" did not happen within " << bound.count() << " ms; seen: "
           << (seen ? seen() : std::string("-")) << "; " << desktop.describe()
           << "; screenshot " << shot.toStdString();
}

std::optional<QList<ReadWord>> readWords(const QImage &image, const QString &name)
{
    const QString path = shotPath(name);
    if (!image.save(path))
        return std::nullopt;
    QProcess tesseract;
    tesseract.start(QStringLiteral("tesseract"),
                    {path, QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("6"), QStringLiteral("tsv")});
    if (!tesseract.waitForFinished(60000) || tesseract.exitCode() != 0)
        return std::nullopt;
    // Its table: level, page, block, paragraph, line, word, left, top,
    // width, height, confidence, text; level 5 is a word.
    QList<ReadWord> words;
    const QList<QByteArray> rows = tesseract.readAllStandardOutput().split('\n');
    for (const QByteArray &row : rows) {
        const QList<QByteArray> cells = row.split('\t');
        if (cells.size() < 12 || cells[0] != "5")
            continue;
        const QString text = QString::fromUtf8(cells[11]).trimmed();
        if (!text.isEmpty())
            words.append({text, QRect(cells[6].toInt(), cells[7].toInt(), cells[8].toInt(), cells[9].toInt())});
    }
    return words;
}

std::optional<QRect> dialogInFront(const QImage &screen)
{
    constexpr QRgb kLight = 0xFFDFDFDF, navy = 0xFF000080, face = 0xFFC0C0C0, white = 0xFFFFFFFF;
    const auto at = [&](int x, int y) { return screen.pixel(x, y) | 0xFF000000u; };
    for (int y = 3; y < screen.height() - 3; ++y) {
        for (int x = 3; x < screen.width() - 3; ++x) {
            if (at(x, y) != navy || at(x - 1, y) != face || at(x - 2, y) != white || at(x - 3, y) != kLight
                || at(x, y - 1) != face || at(x, y - 2) != white || at(x, y - 3) != kLight)
                continue;
            int right = x;
            while (right < screen.width() && at(right, y) != face)
                ++right;
            int bottom = y - 3;
            while (bottom < screen.height() && at(x - 3, bottom) == kLight)
                ++bottom;
            return QRect(QPoint(x - 3, y - 3), QPoint(right + 2, bottom));
        }
    }
    return std::nullopt;
}
