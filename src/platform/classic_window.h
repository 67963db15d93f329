#pragma once

#include "platform/event.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>

#include <functional>

class QMenuBar;

// Messages of the classic desktop, as the simulated windows see them. The
// frame turns what happens on its title bar, borders and menu bar, and the
// window keys, into these messages; every message passes the window's hook
// first and only then gets its default processing.
namespace Msg {
inline constexpr unsigned WM_NCHITTEST = 0x0084;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
}  // namespace Msg

// Answers of the hit test.
namespace Ht {
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;
inline constexpr int HTSYSMENU = 3;
inline constexpr int HTMENU = 5;
inline constexpr int HTMINBUTTON = 8;
inline constexpr int HTMAXBUTTON = 9;
inline constexpr int HTLEFT = 10;
inline constexpr int HTRIGHT = 11;
inline constexpr int HTTOP = 12;
inline constexpr int HTTOPLEFT = 13;
inline constexpr int HTTOPRIGHT = 14;
inline constexpr int HTBOTTOM = 15;
inline constexpr int HTBOTTOMLEFT = 16;
inline constexpr int HTBOTTOMRIGHT = 17;
inline constexpr int HTCLOSE = 20;
inline constexpr int HTHELP = 21;
}  // namespace Ht

// System commands (the word parameter of WM_SYSCOMMAND). A drag on the
// caption is SC_MOVE + HTCAPTION, a drag on a border SC_SIZE + the side
// (1 left ... 8 bottom right), a click on the menu bar SC_MOUSEMENU + HTMENU.
namespace Sc {
inline constexpr unsigned SC_SIZE = 0xF000;
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_MOUSEMENU = 0xF090;
inline constexpr unsigned SC_KEYMENU = 0xF100;
inline constexpr unsigned SC_RESTORE = 0xF120;
inline constexpr unsigned SC_DEFAULT = 0xF160;
inline constexpr unsigned SC_CONTEXTHELP = 0xF180;
}  // namespace Sc

struct TMessage {
    unsigned Msg = 0;
    quintptr WParam = 0;
    qintptr LParam = 0;
    qintptr Result = 0;
};

// Packs a point (window coordinates) into a long parameter, x low, y high.
qintptr pointParam(QPoint p);
QPoint paramPoint(qintptr lParam);

// The message hook of a window: its before-message handler sees every
// message first and may set handled; a handled message gets no default
// processing and its sender receives Result (0 unless the handler set it).
class TWindowHook : public QObject {
    Q_OBJECT
public:
    explicit TWindowHook(QObject *parent = nullptr);

    Event<QObject *, TMessage &, bool &> OnBeforeMessage;
};

// What a screen reader calls the caption buttons of the classic frame.
struct CaptionButtonNames {
    QString minimize, maximize, restore, close, help;
};

// A window of the simulated desktop, drawn with the classic frame: a title
// bar with icon, caption and buttons (minimise, maximise/restore and close;
// for dialogs help and close), active and inactive colours, and a border
// that sizes a sizeable window. Content goes into client().
//
// It can be a child widget (the word processor lives inside the main window,
// above the page notebook) or fill a dialog (TClassicDialog), which it then
// moves.
class TClassicWindow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Sizeable, Dialog };
    enum class State { Normal, Minimized, Maximized };

    explicit TClassicWindow(Kind kind, QWidget *parent = nullptr);
    // Leaves the application's focus changes and events before the widget
    // part is torn down, which still moves the focus among the children.
    ~TClassicWindow() override;

    QWidget *client() const { return m_client; }
    Kind kind() const { return m_kind; }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption);
    void setIcon(const QPixmap &icon16);
    // Dialogs show a help button beside the close button unless told not to
    // (message boxes have the close button only).
    void setHelpButtonVisible(bool visible);
    bool helpButtonVisible() const { return m_helpButton; }

    // The menu bar (sizeable windows); clicks on it are HTMENU.
    void setMenuBar(QMenuBar *menuBar);

    TWindowHook *whHook = nullptr;
    // The window became visible.
    Event<> OnShow;

    // Sends a message: the hook first, then the default processing.
    // Returns the result; *handled tells whether the hook swallowed it.
    qintptr sendMessage(unsigned msg, quintptr wParam, qintptr lParam, bool *handled = nullptr);
    // The default answer to WM_NCHITTEST at a point in window coordinates.
    int defaultHitTest(QPoint pos) const;

    State state() const { return m_state; }
    // Normal, restoring from minimised or maximised.
    void setStateNormal();

    // Where a maximised window goes: the area plus 2 pixels on every side,
    // within the maximum size. By default the parent's rectangle.
    void setWorkArea(std::function<QRect()> area);
    QRect workArea() const;
    // The work area changed from oldArea, as when the course zoom changes: a
    // maximised window fills the new one; any other keeps its size as far as
    // the area holds it, its centre in the same proportion of the area, all
    // of it inside.
    void keepPlace(const QRect &oldArea);

    // Frame geometry (pixels).
    int borderWidth() const;
    static constexpr int CaptionHeight = 18;
    QRect captionRect() const;
    QRect buttonRect(int hitCode) const;  // HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTHELP
    QRect clientRect() const;

    bool isActiveFrame() const;

    // The caption buttons' names for assistive technology, for every frame
    // (English until the language's names are set).
    static void setCaptionButtonNames(const CaptionButtonNames &names);
    static CaptionButtonNames captionButtonNames();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // What closing means: a child window hides, a dialog cancels.
    virtual void closeWindow();

private:
    void describeFrame();
    unsigned buttonCommand(int hitCode) const;
    void defaultProcessing(TMessage &m);
    void systemCommand(unsigned command, qintptr lParam);
    void keyMenu(int key);
    void showSystemMenu();
    bool handleWindowKey(QKeyEvent *event);
    QWidget *moveTarget() const;
    void beginDrag(int hitCode, QPoint globalPos);
    void maximize();
    int hitAt(QPoint pos);

    Kind m_kind;
    State m_state = State::Normal;
    QWidget *m_client = nullptr;
    QPointer<QMenuBar> m_menuBar;
    QPixmap m_icon;
    QRect m_normalGeometry;
    std::function<QRect()> m_workArea;

    // A drag of the caption (move) or of a border (size), or a pressed button.
    int m_dragHit = Ht::HTNOWHERE;
    QPoint m_dragStart;
    QRect m_dragGeometry;
    int m_pressedButton = Ht::HTNOWHERE;
    bool m_buttonDown = false;
    bool m_altAlone = false;
    bool m_helpButton = true;
    QMetaObject::Connection m_focusWatch;
};

// The course's own surface: the main window, once it is set and showing.
// A classic dialog shown while it is up is drawn inside it, as a child,
// placed by the course and framed by it, whatever the display server does
// with windows (none is needed, and a compositor that ignores where a window
// asks to go has nothing to place).
void setCourseWindow(QWidget *window);
QWidget *courseWindow();

// The dialog in front: a modal window of its own (the system's print
// dialog, the language dialog), or else the course dialog shown last that is
// still open; null when none is.
QWidget *frontDialog();

// What a modal window does for a dialog drawn inside the course window:
// while a course dialog is in front, input meant for the rest of the course
// window (the page, the word processor, the taskbar, the navigation buttons,
// their shortcuts) is dropped, before it can move the keyboard; the dialog's
// own controls, the popups they open and other windows (the system's print
// dialog) get theirs. True for an event to drop; the application asks before
// it delivers any event.
bool frontDialogBlocks(QObject *receiver, QEvent *event);

// A modal dialog of the simulated desktop, filled by a TClassicWindow of the
// dialog kind. While the course window shows, it is a child of that window,
// stacked above the page and any dialog under it: input reaches only the
// dialog in front, its children and the popups they open (a combo box's list,
// a menu), the keyboard stays inside it and Tab goes round its controls.
// Otherwise (before the main window shows, or without one) it is a frameless
// top-level modal window. exec() blocks and returns as for any dialog. Enter
// presses the default button, Esc and the close box cancel.
class TClassicDialog : public QDialog {
    Q_OBJECT
public:
    explicit TClassicDialog(QWidget *parent = nullptr);
    ~TClassicDialog() override;

    TClassicWindow *frame() const { return m_frame; }
    QWidget *client() const { return m_frame->client(); }

    // Sizes the dialog so its client area has this size.
    void setClientSize(QSize size);
    // Centres the dialog over a window (the main window), or on the screen
    // (the course window when the dialog is drawn in it). Done again as the
    // dialog shows, when it has moved into the course window since.
    void centreOver(const QWidget *window);
    void centreOnScreen();
    void setCaption(const QString &caption);

    // Drawn inside the course window rather than as a window of its own.
    bool isInCourse() const { return !isWindow(); }
    // Where a drag of the title bar may take the dialog: inside the course
    // window, all of it.
    QPoint keptInside(QPoint topLeft) const;

    void setVisible(bool visible) override;
    // Gives the keyboard to the dialog as a window that becomes active
    // takes it: to the control that last had it there, or the first in the
    // tab order.
    void focusInside();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void enterCourse();
    void chooseDefault();
    void showDefault(QWidget *focus);
    void place();

    TClassicWindow *m_frame;
    QPointer<QWidget> m_owner;     // the parent it was made with
    QPointer<QWidget> m_focusBefore;  // where the keyboard was when it showed
    QPointer<QWidget> m_lastFocus;    // where it was last inside the dialog
    QPointer<QPushButton> m_mainDefault;  // pressed by Enter elsewhere in it
    enum class Placement { AsMoved, OverWindow, OnScreen } m_placement = Placement::AsMoved;
    QPointer<const QWidget> m_centreOn;
};
