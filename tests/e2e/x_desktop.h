#pragma once

// What the end-to-end test drives: a real X server of its own (Xvfb, no
// window manager), the built program running on it, and a connection to the
// server that moves the pointer, presses keys (XTest), reads pixels and
// looks at the top-level windows with their titles.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include <sys/types.h>

using Milliseconds = std::chrono::milliseconds;

// A process we started. It dies with the test (even when the test is killed)
// and is ended by the destructor when it still runs.
class ChildProcess {
public:
    // keepFd stays open in the child (Xvfb's -displayfd); every variable of
    // env replaces or adds to the test's own environment, and names listed in
    // unset are removed from it.
    ChildProcess(const QStringList &argv, const QStringList &env = {},
                 const QStringList &unset = {}, int keepFd = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return m_pid; }
    bool running();
    // The exit status once it has ended by itself with exit(); -1 - signal
    // when a signal ended it; nullopt while it runs.
    std::optional<int> exitStatus();
    // SIGTERM, then SIGKILL when it lingers.
    void stop();

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// What a program started on the test's own desktop must not inherit from
// the test's environment: the toolkit's variables (QT_*, such as the
// headless platform) and LPDEST, which would outrank its PRINTER.
QStringList qtVariables();

struct XWindowInfo {
    unsigned long id = 0;
    QString title;
    QRect geometry;  // on the screen
    bool overrideRedirect = false;  // popup menus
};

// One X server with a screen of the given size and resolution. The resource
// text, when given, is put on the root window as RESOURCE_MANAGER before any
// program starts (the server is started with -noreset, so it stays).
class XDesktop {
public:
    XDesktop(int width, int height, int dpi, const QByteArray &resources = {});
    ~XDesktop();

    QByteArray displayName() const { return m_displayName; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Input, as a learner gives it.
    void moveTo(QPoint p);
    void click(QPoint p);
    // A key (an X keysym) with modifier keys held down around it.
    void key(unsigned long keysym, std::initializer_list<unsigned long> modifiers = {});
    // Typed text: any character of the Basic Multilingual Plane, and '\n'
    // (the Return key).
    void type(const QString &text);

    // Pixels as 0xRRGGBB.
    unsigned pixel(QPoint p);
    QImage grab(const QRect &area);
    QImage grab() { return grab(QRect(0, 0, m_width, m_height)); }

    // The mapped top-level windows, bottom to top. Every title seen is kept.
    QList<XWindowInfo> topLevels();
    std::optional<XWindowInfo> windowTitled(const QString &title);
    // The window that has the keyboard focus (0 for none, 1 for "pointer root").
    unsigned long inputFocus();
    QSet<QString> titlesSeen() const { return m_titlesSeen; }

    // With a window manager (EWMH): the windows it manages, bottom to top
    // (_NET_CLIENT_LIST_STACKING), each with its title and its place on the
    // screen (inside the manager's frame); the one with that title; the
    // window it calls active; the states it gives a window
    // (_NET_WM_STATE_..., as atom names); whether it supports a hint (an
    // atom's name in _NET_SUPPORTED); the area its panels leave
    // (_NET_WORKAREA of the first desktop, empty when there is none).
    QList<XWindowInfo> managedWindows();
    std::optional<XWindowInfo> managedWindowTitled(const QString &title);
    unsigned long activeWindow();
    QStringList windowStates(unsigned long window);
    bool supports(const char *atomName);
    QRect workArea();

    // Asks the window manager to add or remove a state of a window (a
    // _NET_WM_STATE message, as its key for full screen sends).
    void askWindowState(unsigned long window, bool add, const char *stateName);

    // A plain window of the test's own, with a title, mapped at that place
    // (a window manager may put it elsewhere); closed again by closeWindow.
    unsigned long openWindow(const QRect &place, const QString &title);
    void closeWindow(unsigned long window);
    // What is on the screen, for failure messages: the windows and the focus.
    std::string describe();

private:
    void sync();
    QString titleOf(unsigned long window);
    QList<unsigned long> windowList(const char *property, unsigned long window);
    unsigned keycode(unsigned long keysym);
    unsigned unicodeKey(QChar c);
    QList<unsigned> m_spareKeys;           // keys that give nothing yet
    QHash<QChar, unsigned> m_unicodeKeys;  // letters given a key of their own

    int m_width, m_height;
    std::optional<ChildProcess> m_server;
    QByteArray m_displayName;
    struct _XDisplay *m_display = nullptr;
    QSet<QString> m_titlesSeen;
};

// Polls the condition every 20 ms until it holds or the bound passes. On
// timeout it saves a screenshot named after the step and fails with the step
// and what was seen (seen, when given, describes the state; it is asked only
// for the message). Use it as ASSERT_TRUE(waitFor(...)).
::testing::AssertionResult waitFor(XDesktop &desktop, const std::string &step, const std::function<bool()> &condition,
             Milliseconds bound, const std::function<std::string()> &seen = {});

// The same polling for a desktop that is not an X server of ours (a
// Wayland compositor): on timeout, failed tells what was seen and saves its
// own screenshot; the failure names the step.
::testing::AssertionResult waitFor(const std::string &step, const std::function<bool()> &condition,
                                   Milliseconds bound, const std::function<std::string()> &failed);

// Pictures go into the build folder's e2e-shots/: the path for one of
// that name, and a screenshot (PNG) saved there.
QString shotPath(const QString &name);
QString saveScreenshot(XDesktop &desktop, const QString &name);

std::string hexColour(unsigned rgb);

// What tesseract reads in a picture, taken as lines of text (--psm 6): its
// words in reading order, each with its box in the picture. The picture is
// kept beside the screenshots under that name. Nothing when tesseract fails.
struct ReadWord {
    QString text;
    QRect box;
};
std::optional<QList<ReadWord>> readWords(const QImage &image, const QString &name);

// The course draws its dialogs inside its own window, so the screen shows
// them: the dialog in front is the one frame of 3 pixels (light grey, white,
// face) around an active caption (navy at its left). The word processor's
// frame is 4 pixels wide and its caption is grey while a dialog is in front.
// Its outer rectangle, or none.
std::optional<QRect> dialogInFront(const QImage &screen);
