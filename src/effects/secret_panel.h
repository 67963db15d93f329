#pragma once

#include "effects/credits_layout.h"
#include "platform/bounded_read.h"
#include "platform/event.h"
#include "platform/panel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

class QPainter;

// A binding point whose handler may be called on another thread than the one
// that binds it. Binding, unbinding and calling each take a lock of their own;
// the handler is copied under that lock and called outside it.
template <class... A>
class SharedEvent {
public:
    using Handler = std::function<void(A...)>;

    void bind(Handler f)
    {
        std::lock_guard lock(m_mutex);
        m_handler = std::move(f);
    }
    void unbind() { bind(nullptr); }
    bool isBound() const
    {
        std::lock_guard lock(m_mutex);
        return static_cast<bool>(m_handler);
    }
    // Calls the handler and returns true; returns false when none is bound.
    bool operator()(A... a) const
    {
        Handler h;
        {
            std::lock_guard lock(m_mutex);
            h = m_handler;
        }
        if (!h)
            return false;
        h(std::forward<A>(a)...);
        return true;
    }

private:
    mutable std::mutex m_mutex;
    Handler m_handler;
};

// The scrolling text panel of the credits page. While Active, its lines move
// up from the bottom edge of the text area one pixel per step until the last
// one has left the top edge; then, when Cycled, they start again from the
// bottom, otherwise the panel stops itself.
//
// The steps run on a worker thread of the panel's own (AsyncDrawing, the
// default), which sleeps Interval milliseconds, takes the image lock, draws
// the lines on view into an off-screen image the size of the text area and
// asks the GUI thread to repaint what changed; paintEvent copies that image
// under the same lock. A step one pixel on from what the image shows moves
// only the lines' ink (measured once per layout) up a row and draws the row
// that enters at the bottom, which gives the same pixels as drawing it all;
// only those rectangles are repainted, and a step that changes nothing (the
// gap between the last line and the next round) asks for no repaint at all.
// Any other step (the first, one after a change of layout, colours or
// alignment, a background painted by OnPaintClient, the horizontal scroll)
// draws the whole image. Without AsyncDrawing a timer on the GUI thread runs the steps.
// Everything the step reads (lines, font, colours, layout, position) is kept
// under that lock, so the setters may be called at any time on the GUI
// thread. Stopping (Active false, or destroying the panel) ends the worker
// before the image is discarded.
//
// The panel draws its own frame (an outer lowered bevel by default) and
// fills its client area with Color. Its visible children are hidden while it
// plays and shown again when it stops.
class TSecretPanel : public QWidget {
    Q_OBJECT
public:
    explicit TSecretPanel(QWidget *parent = nullptr);
    ~TSecretPanel() override;

    // Raised on the GUI thread when the panel starts and stops playing.
    Event<> OnStartPlay;
    Event<> OnStopPlay;
    // Paints the background of the off-screen image (the text area) instead of
    // the fill with Color, at the start of every step. It runs on the thread
    // that performs the step, with the image lock held: it may only paint with
    // the painter it is given, and must not call the panel.
    SharedEvent<QPainter &, const QRect &> OnPaintClient;

    // Starts (true) or stops (false) the scrolling.
    bool Active() const { return m_active; }
    void setActive(bool active);

    // The lines of text. Setting them resets the scroll position to 0.
    QStringList Lines() const;
    void setLines(const QStringList &lines);
    // Replaces the lines with those of a text file in the code page of a
    // classic character-set number (CR, LF and CR LF end lines; every line is
    // cut at 255 characters). Only a regular file up to the credits' read
    // limit is read; for any other, and a missing one, the lines stay as they
    // were and the status says why.
    ReadStatus LoadLinesFromFile(const QString &fileName, int charset);
    static constexpr int MaxLineLength = 255;

    bool Cycled() const;
    void setCycled(bool cycled);
    // Milliseconds between steps (at least 1).
    int Interval() const { return m_interval.load(); }
    void setInterval(int ms);
    bool AsyncDrawing() const { return m_asyncDrawing; }
    void setAsyncDrawing(bool async);

    // Horizontal alignment of each line: Qt::AlignLeft, AlignRight or AlignHCenter.
    Qt::Alignment Alignment() const;
    void setAlignment(Qt::Alignment alignment);
    ::ScrollDirection ScrollDirection() const;
    void setScrollDirection(::ScrollDirection direction);
    ::TextStyle TextStyle() const;
    void setTextStyle(::TextStyle style);
    ::GlyphLayout GlyphLayout() const { return m_glyphLayout; }
    void setGlyphLayout(::GlyphLayout layout);
    QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap &glyph);

    // The background of the panel and of the text; the colour of the text.
    // The font is the widget's own (QWidget::setFont).
    QColor Color() const;
    void setColor(const QColor &color);
    QColor FontColor() const;
    void setFontColor(const QColor &color);

    // The frame: border, then outer and inner bevel, each BevelWidth wide.
    TPanel::Bevel BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TPanel::Bevel bevel);
    TPanel::Bevel BevelInner() const { return m_bevelInner; }
    void setBevelInner(TPanel::Bevel bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    // One step of the scroll, done at once on the calling thread under the
    // image lock (the worker calls it too): advance the position, draw the
    // lines on view, ask for a repaint. Does nothing while the panel is not
    // active. An error raised while drawing is shown to the learner through
    // the GUI thread; the next step goes on.
    void Step();

    // What the panel is doing, read under the image lock. A panel resized
    // while hidden gets its resize event only when shown; these read the
    // new size at once.
    int ScrollPos() const;
    int ScrollLength() const;
    int LineHeight() const;
    int FirstShownLine() const;
    QRect TextRect() const;
    // A copy of the off-screen image; null while the panel is not active.
    QImage OffscreenImage() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Everything a step reads or writes; guarded by m_mutex.
    struct State {
        QStringList lines;
        QFont font;
        QColor color = Qt::black;
        QColor fontColor = Qt::white;
        QColor highlight;
        Qt::Alignment alignment = Qt::AlignHCenter;
        ::ScrollDirection direction = ::ScrollDirection::sdVertical;
        ::TextStyle textStyle = ::TextStyle::bvNone;
        bool cycled = false;

        QRect textRect;
        int firstShown = 0;
        int lineHeight = 1;
        int scrollLength = 0;
        QString joinedLine;  // the horizontal scroll's one line
        int joinedWidth = 0;

        bool running = false;  // between start and stop
        int position = 0;
        QImage image;
        quint64 run = 0;  // counts the starts, so a late stop request is ignored
        bool stopRequested = false;

        // The scroll position the image shows, or -1 when it is to be drawn
        // whole (after a start, a change of layout or of anything drawn).
        int imagePosition = -1;
        // Each line's ink (every pixel it changes) relative to the top-left
        // corner of its rectangle, measured once per layout; an empty
        // rectangle for a line that draws nothing. inkBounded is false when
        // some line's ink reaches beyond the measuring room: then every step
        // draws the whole image.
        QList<QRect> ink;
        bool inkMeasured = false;
        bool inkBounded = false;
        int inkTop = 0, inkBottom = 0;  // the lowest top and highest bottom of any line's ink
        // What the steps changed since the last repaint request was taken,
        // in the image's coordinates.
        QRegion changed;
    };

    void relayout(bool resetPosition = false);
    void relayoutIfResized() const;
    void relayoutLocked();
    // Anything a step draws changed: the next one draws the whole image.
    void invalidateDrawingLocked();
    void prepareImageLocked();
    void drawLocked();
    // False when OnPaintClient painted the background.
    bool drawWholeLocked();
    bool scrollOneRowLocked();
    void measureInkLocked();
    void drawLineLocked(QPainter &p, const QRect &r, int flags, const QString &text);
    void requestRepaint();
    void stopRequestedByStep(quint64 run);

    void startStepping();
    void stopStepping();
    void workerLoop();

    void hideChildren();
    void showHiddenChildren();

    // The image lock: held for the whole of a step, by the stop before the
    // image goes, by paintEvent while it copies the image, and by every setter
    // of what a step reads.
    mutable std::mutex m_mutex;
    State m_s;

    // GUI-thread state.
    bool m_active = false;
    bool m_asyncDrawing = true;
    ::GlyphLayout m_glyphLayout = ::GlyphLayout::glGlyphLeft;
    QPixmap m_glyph;
    QRect m_glyphRect;
    QRect m_layoutRect;  // the panel's rectangle when last laid out
    TPanel::Bevel m_bevelOuter = TPanel::Bevel::Lowered;
    TPanel::Bevel m_bevelInner = TPanel::Bevel::None;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    QList<QPointer<QWidget>> m_hiddenChildren;
    QTimer m_stepTimer;  // steps on the GUI thread without AsyncDrawing

    // The worker thread and its sleep.
    std::thread m_worker;
    std::mutex m_sleepMutex;
    std::condition_variable m_wake;
    bool m_workerStop = false;      // guarded by m_sleepMutex
    bool m_intervalChanged = false; // guarded by m_sleepMutex
    std::atomic<int> m_interval{30};
    std::atomic<bool> m_repaintPending{false};
};
