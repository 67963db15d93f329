#include "effects/secret_panel.h"

#include "platform/code_page.h"
#include "platform/error_report.h"
#include "platform/period_look.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <exception>

namespace {

// Draws one bevel width times, moving r inwards.
void drawBevel(QPainter &p, QRect &r, TPanel::Bevel bevel, int width)
{
    if (bevel == TPanel::Bevel::None)
        return;
    const QColor light(PeriodColor::ButtonHighlight), shadow(PeriodColor::ButtonShadow);
    for (int i = 0; i < width; ++i) {
        if (bevel == TPanel::Bevel::Raised)
            drawBevelRect(p, r, light, shadow);
        else
            drawBevelRect(p, r, shadow, light);
        r.adjust(1, 1, -1, -1);
    }
}

// The lines of a text: CR LF, LF and CR each end a line; a last line without
// an ending counts, an ending at the very end adds no empty line.
QStringList splitTextLines(const QString &text, int maxLength)
{
    QStringList lines;
    auto add = [&](qsizetype from, qsizetype to) {
        qsizetype len = std::min<qsizetype>(to - from, maxLength);
        // Never keep half of a surrogate pair.
        if (len > 0 && len < to - from && text.at(from + len - 1).isHighSurrogate())
            --len;
        lines.append(text.mid(from, len));
    };
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        add(start, i);
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        add(start, n);
    return lines;
}

// A font with data of its own: the step's thread then never touches the
// widget font's shared caches.
QFont unsharedCopy(const QFont &font)
{
    QFont copy;
    copy.fromString(font.toString());
    return copy;
}

void reportOnGuiThread(const QString &message)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [message] { reportError(message); }, Qt::QueuedConnection);
}

}  // namespace

TSecretPanel::TSecretPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_stepTimer.setInterval(m_interval.load());
    connect(&m_stepTimer, &QTimer::timeout, this, &TSecretPanel::Step);
    relayout();
}

TSecretPanel::~TSecretPanel()
{
    // The worker calls into this object: end it before anything goes.
    stopStepping();
}

// ---- Properties -------------------------------------------------------------

QStringList TSecretPanel::Lines() const
{
    std::lock_guard lock(m_mutex);
    return m_s.lines;
}

void TSecretPanel::setLines(const QStringList &lines)
{
    {
        std::lock_guard lock(m_mutex);
        m_s.lines = lines;
        invalidateDrawingLocked();
    }
    relayout(true);
}

ReadStatus TSecretPanel::LoadLinesFromFile(const QString &fileName, int charset)
{
    const ReadResult file = readBoundedFile(fileName, ReadLimit::CreditsText);
    if (file.ok())
        setLines(splitTextLines(CodePage::forCharset(charset).decode(file.bytes), MaxLineLength));
    return file.status;
}

bool TSecretPanel::Cycled() const
{
    std::lock_guard lock(m_mutex);
    return m_s.cycled;
}

void TSecretPanel::setCycled(bool cycled)
{
    std::lock_guard lock(m_mutex);
    m_s.cycled = cycled;
}

void TSecretPanel::setInterval(int ms)
{
    ms = std::max(ms, 1);
    if (m_interval.load() == ms)
        return;
    m_interval.store(ms);
    m_stepTimer.setInterval(ms);
    {
        std::lock_guard lock(m_sleepMutex);
        m_intervalChanged = true;
    }
    m_wake.notify_all();
}

void TSecretPanel::setAsyncDrawing(bool async)
{
    if (m_asyncDrawing == async)
        return;
    if (m_active)
        stopStepping();
    m_asyncDrawing = async;
    if (m_active)
        startStepping();
}

Qt::Alignment TSecretPanel::Alignment() const
{
    std::lock_guard lock(m_mutex);
    return m_s.alignment;
}

void TSecretPanel::setAlignment(Qt::Alignment alignment)
{
    std::lock_guard lock(m_mutex);
    m_s.alignment = alignment & Qt::AlignHorizontal_Mask;
    invalidateDrawingLocked();
}

ScrollDirection TSecretPanel::ScrollDirection() const
{
    std::lock_guard lock(m_mutex);
    return m_s.direction;
}

void TSecretPanel::setScrollDirection(::ScrollDirection direction)
{
    {
        std::lock_guard lock(m_mutex);
        m_s.direction = direction;
        invalidateDrawingLocked();
    }
    relayout();
}

TextStyle TSecretPanel::TextStyle() const
{
    std::lock_guard lock(m_mutex);
    return m_s.textStyle;
}

void TSecretPanel::setTextStyle(::TextStyle style)
{
    {
        std::lock_guard lock(m_mutex);
        m_s.textStyle = style;
        invalidateDrawingLocked();
    }
    relayout();
}

void TSecretPanel::setGlyphLayout(::GlyphLayout layout)
{
    m_glyphLayout = layout;
    relayout();
    update();
}

void TSecretPanel::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    relayout();
    update();
}

QColor TSecretPanel::Color() const
{
    std::lock_guard lock(m_mutex);
    return m_s.color;
}

void TSecretPanel::setColor(const QColor &color)
{
    {
        std::lock_guard lock(m_mutex);
        m_s.color = color;
        invalidateDrawingLocked();
    }
    relayout();
    update();
}

QColor TSecretPanel::FontColor() const
{
    std::lock_guard lock(m_mutex);
    return m_s.fontColor;
}

void TSecretPanel::setFontColor(const QColor &color)
{
    {
        std::lock_guard lock(m_mutex);
        m_s.fontColor = color;
        invalidateDrawingLocked();
    }
    relayout();
}

void TSecretPanel::setBevelOuter(TPanel::Bevel bevel)
{
    m_bevelOuter = bevel;
    relayout();
    update();
}

void TSecretPanel::setBevelInner(TPanel::Bevel bevel)
{
    m_bevelInner = bevel;
    relayout();
    update();
}

void TSecretPanel::setBevelWidth(int width)
{
    m_bevelWidth = std::max(width, 0);
    relayout();
    update();
}

void TSecretPanel::setBorderWidth(int width)
{
    m_borderWidth = std::max(width, 0);
    relayout();
    update();
}

int TSecretPanel::ScrollPos() const
{
    std::lock_guard lock(m_mutex);
    return m_s.position;
}

int TSecretPanel::ScrollLength() const
{
    relayoutIfResized();
    std::lock_guard lock(m_mutex);
    return m_s.scrollLength;
}

int TSecretPanel::LineHeight() const
{
    std::lock_guard lock(m_mutex);
    return m_s.lineHeight;
}

int TSecretPanel::FirstShownLine() const
{
    std::lock_guard lock(m_mutex);
    return m_s.firstShown;
}

QRect TSecretPanel::TextRect() const
{
    relayoutIfResized();
    std::lock_guard lock(m_mutex);
    return m_s.textRect;
}

QImage TSecretPanel::OffscreenImage() const
{
    std::lock_guard lock(m_mutex);
    return m_s.image.copy();
}

// ---- Layout -----------------------------------------------------------------

void TSecretPanel::relayout(bool resetPosition)
{
    // Font metrics and the frame are the GUI thread's to read; the results go
    // under the lock for the step.
    const QFont f = font();
    const QFontMetrics fm(f, this);
    const int frame = credits::frameWidth(m_borderWidth, m_bevelWidth,
                                          m_bevelOuter != TPanel::Bevel::None,
                                          m_bevelInner != TPanel::Bevel::None);
    const QSize glyphSize = m_glyph.isNull() ? QSize() : m_glyph.deviceIndependentSize().toSize();
    const credits::TextArea area = credits::textArea(rect(), frame, glyphSize, m_glyphLayout);
    m_glyphRect = area.glyph;
    m_layoutRect = rect();

    const QFont stepFont = unsharedCopy(f);

    std::lock_guard lock(m_mutex);
    m_s.font = stepFont;
    m_s.highlight = QColor(PeriodColor::ButtonHighlight);
    m_s.textRect = area.text;
    m_s.firstShown = credits::firstShownLine(m_s.lines);
    m_s.lineHeight = credits::lineHeight(fm.height(), std::max(fm.leading(), 0), m_s.textStyle);
    if (m_s.direction == ::ScrollDirection::sdHorizontal) {
        QStringList parts;
        for (qsizetype i = m_s.firstShown; i < m_s.lines.size(); ++i) {
            const QString part = m_s.lines.at(i).trimmed();
            if (!part.isEmpty())
                parts.append(part);
        }
        m_s.joinedLine = parts.join(QStringLiteral("   "));
        m_s.joinedWidth = fm.size(Qt::TextSingleLine | Qt::TextExpandTabs, m_s.joinedLine).width();
        m_s.scrollLength = credits::horizontalScrollLength(area.text.width(), m_s.joinedWidth);
    } else {
        m_s.joinedLine.clear();
        m_s.joinedWidth = 0;
        m_s.scrollLength = credits::verticalScrollLength(area.text.height(), int(m_s.lines.size()),
                                                         m_s.firstShown, m_s.lineHeight);
    }
    if (resetPosition)
        m_s.position = 0;
    invalidateDrawingLocked();
    if (m_s.running && m_s.image.size() != area.text.size())
        prepareImageLocked();
}

void TSecretPanel::relayoutIfResized() const
{
    if (rect() != m_layoutRect)
        const_cast<TSecretPanel *>(this)->relayout();
}

void TSecretPanel::invalidateDrawingLocked()
{
    // The next step draws the whole image, and measures the ink again
    // before it moves any.
    m_s.imagePosition = -1;
    m_s.inkMeasured = false;
}

void TSecretPanel::prepareImageLocked()
{
    invalidateDrawingLocked();
    m_s.changed = QRegion();
    const QSize size = m_s.textRect.size();
    if (size.isEmpty()) {
        m_s.image = QImage();
        return;
    }
    m_s.image = QImage(size, QImage::Format_RGB32);
    // The image measures fonts as the panel does.
    m_s.image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    m_s.image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    m_s.image.fill(m_s.color);
}

// ---- Step -------------------------------------------------------------------

void TSecretPanel::Step()
{
    bool drawn = false;
    try {
        std::lock_guard lock(m_mutex);
        if (!m_s.running)
            return;
        const credits::StepOutcome next =
            credits::nextPosition(m_s.position, m_s.scrollLength, m_s.cycled);
        if (next.stop) {
            // The stop ends this thread's steps, so it is carried out on the
            // GUI thread; asked for once per run.
            if (!m_s.stopRequested) {
                m_s.stopRequested = true;
                const quint64 run = m_s.run;
                QMetaObject::invokeMethod(
                    this, [this, run] { stopRequestedByStep(run); }, Qt::QueuedConnection);
            }
            return;
        }
        m_s.position = next.position;
        drawn = true;  // a step that fails half-way repaints what it drew
        drawLocked();
        drawn = !m_s.changed.isEmpty();
    } catch (const std::exception &e) {
        reportOnGuiThread(QString::fromUtf8(e.what()));
    } catch (...) {
        reportOnGuiThread(QStringLiteral("An unexpected error occurred."));
    }
    if (drawn)
        requestRepaint();
}

void TSecretPanel::drawLocked()
{
    if (m_s.image.isNull())
        return;
    // One pixel on from what the image shows: the text moves up a row.
    if (m_s.imagePosition >= 0 && m_s.position == m_s.imagePosition + 1) {
        m_s.imagePosition = -1;  // until the scroll is done
        if (scrollOneRowLocked()) {
            m_s.imagePosition = m_s.position;
            return;
        }
    }
    m_s.imagePosition = -1;
    m_s.changed = QRegion(m_s.image.rect());
    // A background that OnPaintClient painted is never moved: it is painted
    // anew with the next step.
    if (drawWholeLocked())
        m_s.imagePosition = m_s.position;
}

void TSecretPanel::drawLineLocked(QPainter &p, const QRect &r, int flags, const QString &text)
{
    const QPoint shadowOffset = m_s.textStyle == ::TextStyle::bvLowered  ? QPoint(1, 1)
                                : m_s.textStyle == ::TextStyle::bvRaised ? QPoint(-1, -1)
                                                                         : QPoint();
    if (!shadowOffset.isNull()) {
        p.setPen(m_s.highlight);
        p.drawText(r.translated(shadowOffset), flags, text);
    }
    p.setPen(m_s.fontColor);
    p.drawText(r, flags, text);
}

namespace {

constexpr int LineFlags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextDontClip;

}  // namespace

bool TSecretPanel::drawWholeLocked()
{
    QPainter p(&m_s.image);
    const QRect area(QPoint(0, 0), m_s.image.size());
    bool painted;
    {
        // The handler's painter settings end with it, also when it throws.
        struct Restore {
            QPainter &p;
            ~Restore() { p.restore(); }
        };
        p.save();
        Restore restore{p};
        painted = OnPaintClient(p, area);
    }
    if (!painted)
        p.fillRect(area, m_s.color);
    // Nothing is drawn while there are no lines.
    if (m_s.lines.isEmpty())
        return !painted;

    p.setFont(m_s.font);
    if (m_s.direction == ::ScrollDirection::sdHorizontal) {
        drawLineLocked(p, credits::horizontalLineRect(area.size(), m_s.position, m_s.joinedWidth),
                       LineFlags | Qt::AlignLeft | Qt::AlignVCenter, m_s.joinedLine);
        return !painted;
    }
    const int count = int(m_s.lines.size());
    const int flags = LineFlags | int(m_s.alignment) | Qt::AlignTop;
    for (const credits::ShownLine &line :
         credits::shownLines(area.size(), m_s.position, m_s.firstShown, count, m_s.lineHeight)) {
        // The extra line after the last holds a single space: nothing to draw.
        if (line.index < count)
            drawLineLocked(p, line.rect, flags, m_s.lines.at(line.index));
    }
    return !painted;
}

void TSecretPanel::measureInkLocked()
{
    m_s.inkMeasured = true;
    m_s.inkBounded = true;
    m_s.ink.clear();
    m_s.inkTop = m_s.inkBottom = 0;
    const int count = int(m_s.lines.size());
    const int width = m_s.image.width();
    const int lineHeight = m_s.lineHeight;
    // Each line drawn alone, as the step draws it, with room above and below
    // for letters that reach out of their line.
    const int room = lineHeight + 8;
    QImage scratch(width, lineHeight + 2 * room, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(m_s.image.dotsPerMeterX());
    scratch.setDotsPerMeterY(m_s.image.dotsPerMeterY());
    scratch.fill(m_s.color);
    const QRgb background = scratch.pixel(0, 0);
    const QRect lineRect(0, room, width, lineHeight);
    const int flags = LineFlags | int(m_s.alignment) | Qt::AlignTop;
    QPainter p(&scratch);
    p.setFont(m_s.font);
    bool any = false;
    for (int k = 0; k < count; ++k) {
        if (k < m_s.firstShown || m_s.lines.at(k).trimmed().isEmpty()) {
            m_s.ink.append(QRect());
            continue;
        }
        p.fillRect(scratch.rect(), m_s.color);
        drawLineLocked(p, lineRect, flags, m_s.lines.at(k));
        int top = -1, bottom = -1, left = width, right = -1;
        for (int y = 0; y < scratch.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(scratch.constScanLine(y));
            int x = 0;
            while (x < width && row[x] == background)
                ++x;
            if (x == width)
                continue;
            int last = width - 1;
            while (row[last] == background)
                --last;
            if (top < 0)
                top = y;
            bottom = y;
            left = std::min(left, x);
            right = std::max(right, last);
        }
        if (top < 0) {
            m_s.ink.append(QRect());
            continue;
        }
        if (top == 0 || bottom == scratch.height() - 1)
            m_s.inkBounded = false;
        const QRect ink(QPoint(left, top - room), QPoint(right, bottom - room));
        m_s.ink.append(ink);
        m_s.inkTop = any ? std::min(m_s.inkTop, ink.top()) : ink.top();
        m_s.inkBottom = any ? std::max(m_s.inkBottom, ink.bottom()) : ink.bottom();
        any = true;
    }
}

bool TSecretPanel::scrollOneRowLocked()
{
    // Only the vertical scroll over the plain background moves by whole rows;
    // a background painted by OnPaintClient is painted anew each step.
    if (m_s.direction != ::ScrollDirection::sdVertical || OnPaintClient.isBound())
        return false;
    if (!m_s.inkMeasured || m_s.ink.size() != m_s.lines.size())
        measureInkLocked();
    if (!m_s.inkBounded)
        return false;

    // What moves: every line's ink where it is now and one row lower, where
    // it was. Nothing else changes.
    const QRect bounds = m_s.image.rect();
    const int height = bounds.height();
    const int count = int(m_s.lines.size());
    const int lineHeight = m_s.lineHeight;
    const int first = m_s.firstShown;
    const int base = height - m_s.position;  // the first shown line's top
    const int start = first + std::max(0, (-base - m_s.inkBottom - 2) / lineHeight);
    // A line is drawn while its rectangle overlaps the area; ink outside its
    // rectangle (a raised or lowered copy, a tall letter) comes and goes with
    // it, so where a line starts or stops being drawn is drawn anew, as is
    // the bottom row, which has nothing below it to move up.
    const auto drawn = [&](int top) { return top < height && top + lineHeight > 0; };
    QRegion moved;
    QRegion redraw = QRect(0, height - 1, bounds.width(), 1);
    for (int k = start; k < count; ++k) {
        const int top = base + (k - first) * lineHeight;
        if (top + m_s.inkTop >= height + 1)
            break;
        const QRect &ink = m_s.ink.at(k);
        if (ink.isEmpty())
            continue;
        const QRect r = ink.translated(0, top).adjusted(0, 0, 0, 1) & bounds;
        if (r.isEmpty())
            continue;
        moved += r;
        if (drawn(top) != drawn(top + 1))
            redraw += r;
    }
    redraw &= moved;
    m_s.changed += moved;
    if (moved.isEmpty())
        return true;

    // Each pixel there takes the one below it; the region's rectangles come
    // top to bottom, so every row is read before it is overwritten.
    uchar *bits = m_s.image.bits();
    const qsizetype stride = m_s.image.bytesPerLine();
    constexpr int pixel = 4;
    for (const QRect &r : moved) {
        const int last = std::min(r.bottom(), height - 2);
        for (int y = r.top(); y <= last; ++y)
            std::memcpy(bits + y * stride + r.left() * pixel, bits + (y + 1) * stride + r.left() * pixel,
                        size_t(r.width()) * pixel);
    }

    if (redraw.isEmpty())
        return true;
    QPainter p(&m_s.image);
    p.setClipRegion(redraw);
    for (const QRect &r : redraw)
        p.fillRect(r, m_s.color);
    p.setFont(m_s.font);
    const int flags = LineFlags | int(m_s.alignment) | Qt::AlignTop;
    for (int k = start; k < count; ++k) {
        const int top = base + (k - first) * lineHeight;
        if (top >= height)
            break;
        const QRect &ink = m_s.ink.at(k);
        if (drawn(top) && !ink.isEmpty() && redraw.intersects(ink.translated(0, top)))
            drawLineLocked(p, QRect(0, top, bounds.width(), lineHeight), flags, m_s.lines.at(k));
    }
    return true;
}

void TSecretPanel::requestRepaint()
{
    // One repaint request on its way at a time, however fast the steps come.
    if (m_repaintPending.exchange(true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_repaintPending.store(false);
            // Only what the steps changed since the last repaint.
            QRegion changed;
            QPoint at;
            {
                std::lock_guard lock(m_mutex);
                changed = std::exchange(m_s.changed, QRegion());
                at = m_s.textRect.topLeft();
            }
            if (!changed.isEmpty())
                update(changed.translated(at));
        },
        Qt::QueuedConnection);
}

void TSecretPanel::stopRequestedByStep(quint64 run)
{
    {
        std::lock_guard lock(m_mutex);
        // A stop asked for by an earlier run (stopped and started again
        // since) is out of date.
        if (!m_s.running || m_s.run != run)
            return;
    }
    setActive(false);
}

// ---- Start and stop -----------------------------------------------------------

void TSecretPanel::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    if (active) {
        {
            std::lock_guard lock(m_mutex);
            m_s.position = 0;
            m_s.stopRequested = false;
            ++m_s.run;
        }
        relayout();
        {
            std::lock_guard lock(m_mutex);
            m_s.running = true;
            prepareImageLocked();
        }
        startStepping();
        OnStartPlay();
        if (!m_active)  // the handler stopped it again
            return;
        hideChildren();
    } else {
        // The worker must be gone before the image is: it may be waiting for
        // the lock right now, so it is ended without holding the lock.
        stopStepping();
        {
            std::lock_guard lock(m_mutex);
            m_s.running = false;
            m_s.position = 0;
            m_s.image = QImage();
            m_s.changed = QRegion();
        }
        OnStopPlay();
        if (m_active)  // the handler started it again
            return;
        showHiddenChildren();
    }
    update();
}

void TSecretPanel::startStepping()
{
    if (!m_asyncDrawing) {
        m_stepTimer.start(m_interval.load());
        return;
    }
    {
        std::lock_guard lock(m_sleepMutex);
        m_workerStop = false;
        m_intervalChanged = false;
    }
    m_worker = std::thread(&TSecretPanel::workerLoop, this);
}

void TSecretPanel::stopStepping()
{
    m_stepTimer.stop();
    if (!m_worker.joinable())
        return;
    {
        std::lock_guard lock(m_sleepMutex);
        m_workerStop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void TSecretPanel::workerLoop()
{
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(m_sleepMutex);
    Clock::time_point last = Clock::now();
    while (!m_workerStop) {
        const Clock::time_point due = last + std::chrono::milliseconds(m_interval.load());
        if (m_wake.wait_until(lock, due, [this] { return m_workerStop || m_intervalChanged; })) {
            if (m_workerStop)
                break;
            // A new interval counts from the last step.
            m_intervalChanged = false;
            continue;
        }
        lock.unlock();
        Step();
        lock.lock();
        last = Clock::now();
    }
}

void TSecretPanel::hideChildren()
{
    for (QObject *o : children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        w->hide();
        m_hiddenChildren.append(w);
    }
}

void TSecretPanel::showHiddenChildren()
{
    const QList<QPointer<QWidget>> hidden = std::exchange(m_hiddenChildren, {});
    for (const QPointer<QWidget> &w : hidden) {
        if (w)
            w->show();
    }
}

// ---- Painting -----------------------------------------------------------------

void TSecretPanel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    QColor background;
    QRect textRect;
    bool imageShown;
    {
        std::lock_guard lock(m_mutex);
        background = m_s.color;
        textRect = m_s.textRect;
        imageShown = !m_s.image.isNull();
    }
    // A step asks for a few rectangles inside the text area: those are
    // copied from the image one by one, and nothing else is drawn. (Painting
    // through a clip of many rectangles, or across many rows at once, hands
    // the work to the toolkit's thread pool, which costs more than it saves
    // on areas this small.)
    const QRegion region = event->region();
    const QRegion frame = imageShown ? region - textRect : region;
    if (!frame.isEmpty()) {
        p.save();
        p.setClipRegion(frame);
        p.fillRect(rect(), background);
        // Outer bevel, border, inner bevel.
        QRect r = rect().adjusted(0, 0, -1, -1);
        drawBevel(p, r, m_bevelOuter, m_bevelWidth);
        r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
        drawBevel(p, r, m_bevelInner, m_bevelWidth);
        if (m_active && !m_glyph.isNull())
            p.drawPixmap(m_glyphRect.topLeft(), m_glyph);
        p.restore();
    }
    if (!imageShown)
        return;

    std::lock_guard lock(m_mutex);
    if (m_s.image.isNull())
        return;
    for (const QRect &r : region & textRect) {
        const QRect source = r.translated(-textRect.topLeft());
        // Where the image does not reach (it is being resized) the background shows.
        const QRect inImage = source & m_s.image.rect();
        if (inImage != source)
            p.fillRect(r, background);
        if (!inImage.isEmpty())
            p.drawImage(inImage.topLeft() + textRect.topLeft(), m_s.image, inImage);
    }
}

void TSecretPanel::resizeEvent(QResizeEvent *)
{
    relayout();
}

void TSecretPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        relayout();
    QWidget::changeEvent(event);
}
