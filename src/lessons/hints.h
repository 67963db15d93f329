#pragma once

#include "lessons/next_step.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class TTimer;

// Where a hint points: a rectangle in a widget's own coordinates.
struct HintPlace {
    QWidget *widget = nullptr;
    QRect rect;
    // An item among others (a menu's, a list's): the ring is drawn just
    // inside its rectangle, so it neither covers its neighbours nor falls
    // off the edge of the menu.
    bool inside = false;
    // The balloon stands below the control rather than above it (where it
    // would cover what the learner reads first, such as a question).
    bool balloonBelow = false;
};

// The spotlight: a pulsing outline around the control to use next, drawn
// on top of everything in the window that holds it (the main window with
// the word processor, a dialog, a popup menu). It is a child of that window,
// so it never becomes a window of its own: it takes no click, no keyboard
// focus and no activation.
class THintOutline : public QWidget {
    Q_OBJECT
public:
    explicit THintOutline(QWidget *window);

    // The control's rectangle in the window's coordinates; the ring outside
    // it, or just inside it.
    void setTarget(const QRect &target, bool inside = false);
    QRect target() const { return m_target; }
    // The solid ring is this far outside the control, this wide.
    static constexpr int Gap = 2;
    static constexpr int Width = 3;
    static constexpr QRgb Colour = 0xFFFF0000;

    // One step of the pulse (a full pulse takes PulseSteps).
    void pulse();
    static constexpr int PulseSteps = 40;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QRect ring(int outside) const;
    QRect m_target;
    bool m_inside = false;
    int m_phase = 0;
};

// The balloon beside the spotlight: the classic yellow tooltip balloon with
// a tail pointing at the control and the hint's text. A child of the course
// window (or of the window that holds the control, such as the system's
// print dialog), cut to its shape, stacked above the dialogs drawn there;
// it takes no click, no keyboard focus and no activation.
class THintBalloon : public QWidget {
    Q_OBJECT
public:
    explicit THintBalloon(QWidget *window);

    enum class Side { Above, Below, Right, Left };  // where the balloon stands
    // Shows the text beside the control (global coordinates), the preferred
    // sides first, inside its window.
    void showAt(const QString &text, const QRect &control, std::initializer_list<Side> sides);
    QString text() const { return m_text; }
    Side side() const { return m_side; }
    QPoint tip() const { return m_tip; }  // where the tail points, global

    static constexpr QRgb Yellow = 0xFFFFFFE1;
    static constexpr int Tail = 14;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPolygon outline() const;
    QString m_text;
    QRect m_body;  // in the balloon's coordinates
    Side m_side = Side::Above;
    QPoint m_tip;  // global
    QPoint m_tipHere;  // in the balloon's coordinates
};

// Watches a lesson page and brings the hint when the learner is stuck: the
// wait (tmrHintWait) runs out with no step made, or three clicks in a row do
// nothing. A step is any change of what the learner sees (LessonView). A
// step that the spotlight pointed at (one further along the lesson's path)
// moves the spotlight on to the next control; any other step hides it and
// starts the wait again.
class THintController : public QObject {
    Q_OBJECT
public:
    struct Lesson {
        std::function<LessonView()> observe;
        std::function<std::optional<HintPlace>(StepTarget)> locate;
        std::function<QString(const QByteArray &key)> text;
    };

    explicit THintController(QObject *parent = nullptr);
    ~THintController() override;

    // Starts watching the page; a delay of 0 seconds turns hints off.
    void begin(Lesson lesson, int delaySeconds);
    // Stops watching: the hint goes, the wait stops.
    void end();
    bool isWatching() const { return m_watching; }

    // The wait's handler: the hint shows.
    void tmrHintWaitTimer();
    // Looks at the page now (also done after every click, key and window
    // shown or hidden, once control is back in the event loop).
    void evaluate();

    bool isShowing() const { return m_showing; }
    NextStep shownStep() const { return m_shown; }
    THintOutline *outline() const { return m_outline; }
    THintBalloon *balloon() const { return m_balloon; }
    TTimer *tmrHintWait = nullptr;

    static constexpr int DeadClicks = 3;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule();
    void restartWait();
    // Shows the hint for the step; false when its control cannot be found.
    bool show(const NextStep &step);
    void hide();
    std::optional<QRect> globalTarget() const;

    Lesson m_lesson;
    bool m_watching = false;
    bool m_scheduled = false;
    LessonView m_seen;
    bool m_clickPending = false;
    bool m_pressOnTarget = false;
    int m_deadClicks = 0;
    bool m_showing = false;
    NextStep m_shown;
    QPointer<THintOutline> m_outline;
    QPointer<THintBalloon> m_balloon;
    QTimer m_pulse;
};
