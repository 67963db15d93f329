#pragma once

#include "effects/clock_text.h"
#include "platform/event.h"
#include "platform/panel.h"

#include <QColor>
#include <QDateTime>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A worker thread that wakes every `interval` and hands each wake-up to the
// thread this object lives in (the GUI thread), where `onTick` runs. It never
// queues a second tick while one is still waiting to be delivered, so a busy
// GUI thread does not pile them up. Destroying it stops the worker at once
// (it does not wait out the interval) and drops a tick not yet delivered.
class TClockTicker : public QObject {
    Q_OBJECT
public:
    TClockTicker(std::chrono::milliseconds interval, std::function<void()> onTick,
                 QObject *parent = nullptr);
    ~TClockTicker() override;

    // Whether a tick has been handed over and not yet delivered.
    bool tickPending() const { return m_pending.load(); }

private:
    void run(std::stop_token stop);
    void deliver();

    const std::chrono::milliseconds m_interval;
    const std::function<void()> m_onTick;
    std::atomic<bool> m_pending{false};
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::jthread m_worker;  // last: started once everything above exists
};

// The taskbar clock: the current time as "hh:mm" text (or an analog dial),
// kept up to date by a tick every 450 milliseconds from a worker thread of
// its own; the drawing happens on the GUI thread.
//
// Each character of the digit part takes one cell the width of "8", so the
// time does not shift sideways. A tick redraws only the cells that changed
// (the minutes, the seconds), and the whole clock when the hour changed, when
// the time was set (a jump between ticks), or when the locale changed (the
// separator or AM/PM text). paintEvent only draws the time the last tick
// read; it never reads the time itself.
//
// The taskbar's clock: 49 x 22, ShowSeconds off, BevelOuter lowered,
// BevelInner none; the font is inherited (Tahoma, 11 pixels).
class TRxClock : public QWidget {
    Q_OBJECT
public:
    enum class TShowClock { scDigital, scAnalog };
    using Bevel = TPanel::Bevel;

    static constexpr std::chrono::milliseconds TickInterval{450};

    explicit TRxClock(QWidget *parent = nullptr);
    ~TRxClock() override;

    TShowClock ShowMode() const { return m_mode; }
    void setShowMode(TShowClock mode);
    bool ShowSeconds() const { return m_options.showSeconds; }
    void setShowSeconds(bool on);
    bool LeadingZero() const { return m_options.leadingZero; }
    void setLeadingZero(bool on);
    bool TwelveHour() const { return m_options.twelveHour; }
    void setTwelveHour(bool on);
    // Picks the largest font size at which the text fits the text area.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // The colour of the analog dial's five-minute marks (default teal).
    QColor DotsColor() const { return m_dotsColor; }
    void setDotsColor(const QColor &color);
    // Outer bevel, then BorderWidth pixels of background, then inner bevel;
    // each bevel is BevelWidth pixels.
    Bevel BevelOuter() const { return m_outer; }
    Bevel BevelInner() const { return m_inner; }
    void setBevels(Bevel outer, Bevel inner);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    // The alarm: OnAlarm is raised once when the time passes the alarm time
    // while the clock runs on (not when the time is set past it).
    bool AlarmEnabled() const { return m_alarmEnabled; }
    void setAlarmEnabled(bool on) { m_alarmEnabled = on; }
    // Values outside a day's range are brought into it (hour 0..23, ...).
    int AlarmHour() const { return m_alarm.hour(); }
    void setAlarmHour(int hour);
    int AlarmMinute() const { return m_alarm.minute(); }
    void setAlarmMinute(int minute);
    int AlarmSecond() const { return m_alarm.second(); }
    void setAlarmSecond(int second);
    Event<> OnAlarm;

    // Lets the owner replace the time about to be shown.
    Event<QTime &> OnGetTime;

    // Where the clock reads the time: the local date and time, unless
    // replaced (tests step it). Setting a source reads it at once and
    // redraws everything.
    using TimeSource = std::function<QDateTime()>;
    void setTimeSource(TimeSource source);

    // The clock tick: read the time, redraw what changed, check the alarm.
    // The worker thread's ticks arrive here on the GUI thread.
    void ClockTimerTick();

    // The time shown (as last read) and its text.
    QTime shownTime() const { return m_shown; }
    Clock::Text text() const;

    // The area inside the bevels, and the cell of digit character i there.
    QRect textArea() const;
    QRect cellRect(int i) const;

    // Raised with every rectangle the clock hands to update(), in order (the
    // whole clock as rect()), so a test can see what a tick redraws.
    Event<const QRect &> OnRedraw;

    QSize sizeHint() const override { return {49, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Layout {
        QFont font;
        QRect block;   // the cells and the suffix
        int cellWidth = 0;
    };
    Layout layoutFor(const Clock::Text &text) const;
    void refresh();
    void setAlarmPart(int hour, int minute, int second);
    void setOption(bool Clock::Options::*option, bool on);
    void redraw(const QRect &r);
    void drawBevels(QPainter &p, QRect &r) const;
    void paintDigital(QPainter &p);
    void paintAnalog(QPainter &p);

    TShowClock m_mode = TShowClock::scDigital;
    Clock::Options m_options;
    bool m_autoSize = false;
    QColor m_dotsColor{0, 128, 128};
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::Lowered;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;

    bool m_alarmEnabled = false;
    QTime m_alarm{0, 0, 0};

    TimeSource m_source;
    QTime m_shown;          // the time drawn, as the last tick read it
    QDateTime m_lastRead;   // the source's value at the last tick

    TClockTicker *m_ticker = nullptr;
};
