#pragma once

#include "effects/harm_fade_core.h"
#include "platform/event.h"
#include "platform/picture.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

// The fade panel: a picture that changes into another with a random-pixel
// dissolve. Every pixel of the new picture replaces the old one exactly once,
// in a shuffled order, in equal batches, and each batch is shown at once:
// the panel is repainted synchronously, except that a batch coming within one
// frame of the screen after the last repaint only marks the panel dirty (no
// screen shows two pictures in one frame, and each repaint is a round trip to
// the display server). The last batch is always repainted. Optionally it runs back to the first picture afterwards,
// by the same dissolve or by a cross-fade in weighted steps.
//
// The panel paints its whole rectangle itself from its display bitmap and
// leaves mouse clicks and the keyboard to its parent. Colours are 0x00BBGGRR
// values (see TPicture). Default size 75 x 75.
//
// The credits page uses it like this, every three seconds:
//     fade->setPicFrom(fade->PicTo());
//     fade->setPicTo(cell);
//     fade->Dissolve();
class THarmFade : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint ColorFrom READ ColorFrom WRITE setColorFrom)
    Q_PROPERTY(uint ColorTo READ ColorTo WRITE setColorTo)
    Q_PROPERTY(int DisolvRate READ DisolvRate WRITE setDisolvRate)
    Q_PROPERTY(int BlendRate READ BlendRate WRITE setBlendRate)
    Q_PROPERTY(bool StretchToFit READ StretchToFit WRITE setStretchToFit)
    Q_PROPERTY(bool ProcessMsgs READ ProcessMsgs WRITE setProcessMsgs)
    Q_PROPERTY(bool AutoReverse READ AutoReverse WRITE setAutoReverse)
    Q_PROPERTY(bool SwapOnReverse READ SwapOnReverse WRITE setSwapOnReverse)
    Q_PROPERTY(int SwapDelay READ SwapDelay WRITE setSwapDelay)
public:
    static constexpr quint32 Black = 0x000000;
    static constexpr quint32 White = 0xFFFFFF;

    explicit THarmFade(QWidget *parent = nullptr);

    // The mouse pointer entered or left the panel.
    Event<> OnMouseEnter;
    Event<> OnMouseLeave;
    // Once before the first batch of a dissolve.
    Event<> OnBegin;
    // When a dissolve, and its return run if any, has finished.
    Event<> OnEnd;
    // At the end of every Reset.
    Event<> OnReset;
    // After every step of a run is shown: each dissolve batch and each
    // cross-fade step.
    Event<> OnRepaint;

    // The pictures the dissolve starts from and ends with. Setting one copies
    // it and performs Reset, except while a return run has the two swapped.
    // The QImage forms take the image as an opaque bitmap.
    const TPicture &PicFrom() const { return m_picFrom; }
    void setPicFrom(const TPicture &picture);
    void setPicFrom(const QImage &image);
    const TPicture &PicTo() const { return m_picTo; }
    void setPicTo(const TPicture &picture);
    void setPicTo(const QImage &image);

    // Stand in for an empty PicFrom / PicTo and fill behind icons and
    // pictures with transparent parts. Black and white by default. A
    // different value performs Reset.
    quint32 ColorFrom() const { return m_colorFrom; }
    void setColorFrom(quint32 color);
    quint32 ColorTo() const { return m_colorTo; }
    void setColorTo(quint32 color);

    // Number of batches of a dissolve (default 125), kept in 1 .. width x
    // height as measured when it is set.
    int DisolvRate() const { return m_disolvRate; }
    void setDisolvRate(int rate);
    // Number of weight steps of the cross-fade (default 32), kept in 1 .. 255.
    int BlendRate() const { return m_blendRate; }
    void setBlendRate(int rate);

    // True (default): both pictures are scaled to the panel. False: they are
    // drawn unscaled and the panel takes the size of PicFrom, or of PicTo when
    // only that one holds a graphic. A different value performs Reset.
    bool StretchToFit() const { return m_stretchToFit; }
    void setStretchToFit(bool on);

    // Let the application handle pending events after each batch (default
    // false: nothing else runs until the dissolve is over).
    bool ProcessMsgs() const { return m_processMsgs; }
    void setProcessMsgs(bool on) { m_processMsgs = on; }
    // After a dissolve, wait SwapDelay seconds (default 1; the thread sleeps)
    // and run back to PicFrom (default false): by a cross-fade when
    // SwapOnReverse is true (default), else by a dissolve.
    bool AutoReverse() const { return m_autoReverse; }
    void setAutoReverse(bool on) { m_autoReverse = on; }
    bool SwapOnReverse() const { return m_swapOnReverse; }
    void setSwapOnReverse(bool on) { m_swapOnReverse = on; }
    int SwapDelay() const { return m_swapDelay; }
    void setSwapDelay(int seconds) { m_swapDelay = seconds; }

    // Renders PicFrom into the display bitmap and PicTo into the target
    // bitmap, at the panel's size, requests a repaint and raises OnReset.
    void Reset();

    // Runs a full dissolve from PicFrom to PicTo and returns when it has
    // finished; the panel then shows PicTo (or PicFrom again after a return
    // run). Throws EHarmFade "DisolvRate cannot be > Width * Height!", before
    // anything is drawn, when the panel has fewer pixels than DisolvRate.
    // A call made while a dissolve is running (from an event handled through
    // ProcessMsgs) does nothing.
    void Dissolve();

    // Where the shuffled order draws its random numbers; the default is a
    // generator seeded from the clock at the start of every run.
    void setRandomSource(HarmFade::RandomSource source) { m_random = std::move(source); }
    // The clock that spaces the repaints of a run, in milliseconds; the
    // default is a monotonic clock. Tests stop it or move it on by hand.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // What the panel shows, and PicTo rendered at the panel's size.
    const QImage &displayImage() const { return m_display; }
    const QImage &targetImage() const { return m_target; }
    // Whether a dissolve is running, and how many steps the last (or the
    // running) dissolve has shown, its return run included, and how many of
    // them it repainted synchronously.
    bool running() const { return m_running; }
    int lastRunSteps() const { return m_runSteps; }
    int lastRunRepaints() const { return m_runRepaints; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // Copies the target into the display batch by batch, in a fresh shuffled
    // order. False when the panel was destroyed by an event handled meanwhile.
    bool runDissolve();
    bool runCrossFade();
    // Swaps pictures and colours for a return run, forcing StretchToFit.
    void prepareReturn();
    // Shows a step (see the class comment; `last` always repaints), then
    // handles pending events if ProcessMsgs is set. False when the panel was
    // destroyed meanwhile.
    bool showStep(bool last);
    // One frame of the panel's screen, in milliseconds.
    qint64 frameMs() const;
    void resizeForPicture(const QSize &size);

    TPicture m_picFrom;
    TPicture m_picTo;
    quint32 m_colorFrom = Black;
    quint32 m_colorTo = White;
    int m_disolvRate = 125;
    int m_blendRate = 32;
    bool m_stretchToFit = true;
    bool m_processMsgs = false;
    bool m_autoReverse = false;
    bool m_swapOnReverse = true;
    int m_swapDelay = 1;

    QImage m_display;
    QImage m_target;
    QImage m_start;
    bool m_reversed = false;
    bool m_savedStretch = true;

    HarmFade::RandomSource m_random;
    std::function<qint64()> m_clock;
    std::optional<qint64> m_lastRepaint;  // within the running step sequence
    bool m_running = false;
    bool m_inReset = false;
    int m_runSteps = 0;
    int m_runRepaints = 0;
};
