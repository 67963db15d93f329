#include "startup_compare.h"

#include "e2e/x_desktop.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - t0).count();
}

int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// A field of /proc/<pid>/status in kB (VmHWM, VmRSS), or -1.
qint64 statusKb(pid_t pid, const char *field)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(qsizetype(strlen(field)) + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// utime + stime of every thread of the process, in clock ticks, or -1.
qint64 cpuTicks(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    // The fields after the command's closing parenthesis: state is field 3,
    // utime 14 and stime 15.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

// How many times a process's live threads have been put on a core: every
// wake-up of a thread counts once. Unlike the CPU share, this does not depend
// on how much a switch into the kernel costs on the machine at the moment.
qint64 wakeUps(pid_t pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    qint64 sum = 0;
    bool any = false;
    for (const QString &t : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(t + QStringLiteral("/schedstat")));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        sum += f.readAll().trimmed().split(' ').value(2).toLongLong();
        any = true;
    }
    return any ? sum : -1;
}

// A connection to the desktop that sees every top-level window created and
// mapped, and every drawing into them (DAMAGE).
class WindowWatch {
public:
    explicit WindowWatch(const QByteArray &display)
    {
        m_dpy = XOpenDisplay(display.constData());
        if (!m_dpy)
            throw std::runtime_error("cannot open display " + display.toStdString());
        int error;
        if (!XDamageQueryExtension(m_dpy, &m_damageEvent, &error))
            throw std::runtime_error("the X server has no DAMAGE extension");
        XSelectInput(m_dpy, DefaultRootWindow(m_dpy), SubstructureNotifyMask);
        XSync(m_dpy, False);
    }
    ~WindowWatch() { XCloseDisplay(m_dpy); }

    struct Launch {
        std::optional<double> mapMs, paintMs;
        qint64 hwmKb = -1;
    };

    // Starts the program and waits (at most the bound) for its first window
    // to be mapped and drawn into; the process is left running.
    Launch start(std::optional<ChildProcess> &child, const QStringList &argv, const QStringList &env,
                 std::chrono::seconds bound = std::chrono::seconds(30))
    {
        drain();
        Launch result;
        std::map<Window, Damage> damages;
        Window mapped = 0;
        const Clock::time_point t0 = Clock::now();
        child.emplace(argv, env, qtVariables());
        const Clock::time_point until = t0 + bound;
        while (!result.paintMs && Clock::now() < until) {
            if (!XPending(m_dpy)) {
                pollfd p{ConnectionNumber(m_dpy), POLLIN, 0};
                poll(&p, 1, 50);
                if (!child->running())
                    break;
                continue;
            }
            XEvent e;
            XNextEvent(m_dpy, &e);
            const Clock::time_point t = Clock::now();
            if (e.type == CreateNotify && e.xcreatewindow.parent == DefaultRootWindow(m_dpy)) {
                damages[e.xcreatewindow.window] =
                    XDamageCreate(m_dpy, e.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (e.type == MapNotify && !mapped && !e.xmap.override_redirect
                       && damages.count(e.xmap.window)) {
                mapped = e.xmap.window;
                result.mapMs = msSince(t0, t);
            } else if (e.type == m_damageEvent + XDamageNotify) {
                const auto &d = reinterpret_cast<const XDamageNotifyEvent &>(e);
                if (mapped && d.drawable == mapped) {
                    result.paintMs = msSince(t0, t);
                    result.hwmKb = statusKb(child->pid(), "VmHWM");
                }
                XDamageSubtract(m_dpy, d.damage, None, None);
            }
        }
        XErrorHandler old = XSetErrorHandler(ignoreErrors);
        for (const auto &[window, damage] : damages)
            XDamageDestroy(m_dpy, damage);
        XSync(m_dpy, False);
        XSetErrorHandler(old);
        return result;
    }

private:
    void drain()
    {
        XSync(m_dpy, False);
        while (XPending(m_dpy)) {
            XEvent e;
            XNextEvent(m_dpy, &e);
        }
    }

    Display *m_dpy = nullptr;
    int m_damageEvent = 0;
};

bool haveProgram(const char *name)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

BenchFigure figure(const QString &name, const QString &unit, const QList<double> &samples,
                   const QString &note = {})
{
    BenchFigure f;
    f.name = name;
    f.unit = unit;
    f.samples = samples;
    f.iterations = samples.size();
    f.note = note;
    return f;
}

BenchFigure ratio(const QString &name, const BenchFigure &quillan, const BenchFigure &bare)
{
    BenchFigure f;
    f.name = name;
    f.unit = QStringLiteral("x");
    f.note = QStringLiteral("median quillan2 / median bare window");
    if (!quillan.samples.isEmpty() && !bare.samples.isEmpty() && bare.median() > 0) {
        f.samples = {quillan.median() / bare.median()};
        f.iterations = 1;
    } else {
        f.note = QStringLiteral("no samples to compare");
    }
    return f;
}

// A fresh configuration folder with a progress file at the given page.
void writeProgress(const QString &configDir, int maxIndex)
{
    QDir().mkpath(configDir);
    QFile f(configDir + QStringLiteral("/QL2Dusr.qlu"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write("[USERINFO]\r\nMaxIndex=" + QByteArray::number(maxIndex) + "\r\n");
}

}  // namespace

void runStartupComparison(const StartupCompareOptions &options, BenchResults &results)
{
    const QStringList names = {
        QStringLiteral("x_startup/bare/map"),         QStringLiteral("x_startup/quillan2/map"),
        QStringLiteral("x_startup/bare/first_frame"), QStringLiteral("x_startup/quillan2/first_frame"),
        QStringLiteral("x_startup/bare/peak_rss"),    QStringLiteral("x_startup/quillan2/peak_rss"),
        QStringLiteral("x_startup/ratio/map"),        QStringLiteral("x_startup/ratio/first_frame"),
        QStringLiteral("x_startup/ratio/peak_rss"),   QStringLiteral("x_cpu/quillan2/T054_idle"),
        QStringLiteral("x_cpu/quillan2/T003_credits"),
        QStringLiteral("x_cpu/quillan2/T054_idle_wakeups"), QStringLiteral("x_cpu/quillan2/T003_credits_wakeups")};
    const auto skipAll = [&](const QString &why) {
        std::fprintf(stderr, "start-up comparison skipped: %s\n", qPrintable(why));
        for (const QString &n : names) {
            const bool measured = std::any_of(results.figures().cbegin(), results.figures().cend(),
                                              [&](const BenchFigure &f) { return f.name == n; });
            if (!measured)
                results.skip(n, why);
        }
    };
    if (!haveProgram("Xvfb"))
        return skipAll(QStringLiteral("no Xvfb on this machine"));

    try {
        const int n = options.scale;
        XDesktop desktop(1024 * n, 768 * n, 96 * n,
                         n > 1 ? QByteArray("Xft.dpi:\t") + QByteArray::number(96 * n) + '\n' : QByteArray());
        WindowWatch watch(desktop.displayName());
        const QString display = QStringLiteral("DISPLAY=") + QString::fromLatin1(desktop.displayName());
        QTemporaryDir runtime;  // the toolkit wants a private runtime folder
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString runtimeDir = QStringLiteral("XDG_RUNTIME_DIR=") + runtime.path();

        struct Program {
            QString label;
            QStringList argv;
            QList<double> map, frame, rss;
        };
        Program bare{QStringLiteral("bare"), {options.bareExe}, {}, {}, {}};
        Program quillan{QStringLiteral("quillan2"), {options.quillanExe, QStringLiteral("QL2Eng.ini")}, {}, {}, {}};

        // One start of each first, unmeasured: the files come into the cache.
        for (int run = -1; run < options.runs; ++run) {
            for (Program *p : {&bare, &quillan}) {
                QTemporaryDir config;
                std::optional<ChildProcess> child;
                const WindowWatch::Launch l = watch.start(
                    child, p->argv, {display, runtimeDir, QStringLiteral("XDG_CONFIG_HOME=") + config.path()});
                // What the first frame showed, once per program.
                if (run == options.runs - 1 && l.paintMs && !options.shotsDir.isEmpty()) {
                    QDir().mkpath(options.shotsDir);
                    desktop.grab().save(options.shotsDir + QStringLiteral("/first_frame_%1.png").arg(p->label));
                }
                if (child)
                    child->stop();
                if (run < 0)
                    continue;
                if (!l.paintMs) {
                    std::fprintf(stderr, "%s: no frame drawn within the bound\n", qPrintable(p->label));
                    continue;
                }
                p->map << *l.mapMs;
                p->frame << *l.paintMs;
                p->rss << double(l.hwmKb) / 1024.0;
                std::fprintf(stderr, "%s: mapped %.0f ms, first frame %.0f ms, VmHWM %.1f MB\n",
                             qPrintable(p->label), *l.mapMs, *l.paintMs, double(l.hwmKb) / 1024.0);
            }
        }
        const QString from = QStringLiteral("from exec");
        BenchFigure fig[6] = {
            figure(names[0], QStringLiteral("ms"), bare.map, from),
            figure(names[1], QStringLiteral("ms"), quillan.map, from),
            figure(names[2], QStringLiteral("ms"), bare.frame, from),
            figure(names[3], QStringLiteral("ms"), quillan.frame, from),
            figure(names[4], QStringLiteral("MB"), bare.rss, QStringLiteral("VmHWM at the first frame")),
            figure(names[5], QStringLiteral("MB"), quillan.rss, QStringLiteral("VmHWM at the first frame"))};
        for (const BenchFigure &f : fig)
            results.add(f);
        results.add(ratio(names[6], fig[1], fig[0]));
        results.add(ratio(names[7], fig[3], fig[2]));
        results.add(ratio(names[8], fig[5], fig[4]));

        // CPU: quillan2 resumed on a page (progress file, then Return on the
        // title page), left alone for the window.
        const long ticksPerSecond = sysconf(_SC_CLK_TCK);
        struct CpuPage {
            int maxIndex;
            QString code;
            QList<double> percent;
            QList<double> wakeUps;
        };
        CpuPage pages[] = {{4, QStringLiteral("T054"), {}, {}}, {10, QStringLiteral("T003"), {}, {}}};
        for (int run = 0; run < options.cpuRuns; ++run) {
            for (CpuPage &page : pages) {
                QTemporaryDir config;
                writeProgress(config.path(), page.maxIndex);
                std::optional<ChildProcess> child;
                const WindowWatch::Launch l = watch.start(
                    child, quillan.argv, {display, runtimeDir, QStringLiteral("XDG_CONFIG_HOME=") + config.path()});
                if (!l.paintMs) {
                    std::fprintf(stderr, "quillan2: no frame drawn within the bound\n");
                    continue;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(800));
                const QImage title = desktop.grab();
                desktop.key(XK_Return);
                const Clock::time_point until = Clock::now() + std::chrono::seconds(10);
                while (desktop.grab() == title && Clock::now() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                // The page settles (its first fade tick comes after 3 s).
                std::this_thread::sleep_for(std::chrono::milliseconds(1500));
                const qint64 before = cpuTicks(child->pid());
                const qint64 wokenBefore = wakeUps(child->pid());
                const Clock::time_point t0 = Clock::now();
                std::this_thread::sleep_for(std::chrono::seconds(options.cpuSeconds));
                const qint64 after = cpuTicks(child->pid());
                const qint64 wokenAfter = wakeUps(child->pid());
                const double wall = msSince(t0, Clock::now()) / 1000.0;
                if (!options.shotsDir.isEmpty()) {
                    QDir().mkpath(options.shotsDir);
                    desktop.grab().save(options.shotsDir + QStringLiteral("/cpu_%1.png").arg(page.code));
                }
                child->stop();
                if (before < 0 || after < 0)
                    continue;
                const double pct = 100.0 * double(after - before) / double(ticksPerSecond) / wall;
                page.percent << pct;
                if (wokenBefore >= 0 && wokenAfter >= 0)
                    page.wakeUps << double(wokenAfter - wokenBefore) / wall;
                std::fprintf(stderr, "quillan2 on %s: %.2f %% of a core, %.0f wake-ups a second\n",
                             qPrintable(page.code), pct, page.wakeUps.isEmpty() ? 0.0 : page.wakeUps.last());
            }
        }
        const QString window = QStringLiteral("utime+stime over %1 s, % of one core").arg(options.cpuSeconds);
        results.add(figure(names[9], QStringLiteral("%"), pages[0].percent, window));
        results.add(figure(names[10], QStringLiteral("%"), pages[1].percent, window));
        const QString woken = QStringLiteral("threads put on a core, per second over %1 s").arg(options.cpuSeconds);
        results.add(figure(names[11], QStringLiteral("/s"), pages[0].wakeUps, woken));
        results.add(figure(names[12], QStringLiteral("/s"), pages[1].wakeUps, woken));
    } catch (const std::exception &e) {
        skipAll(QString::fromLocal8Bit(e.what()));
    }
}
