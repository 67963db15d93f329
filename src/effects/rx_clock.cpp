#include "effects/rx_clock.h"

#include "platform/period_look.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

// ---------------------------------------------------------------- the ticker

TClockTicker::TClockTicker(std::chrono::milliseconds interval, std::function<void()> onTick,
                           QObject *parent)
    : QObject(parent),
      m_interval(interval),
      m_onTick(std::move(onTick)),
      m_worker([this](std::stop_token stop) { run(stop); })
{
}

TClockTicker::~TClockTicker()
{
    // Wakes the worker out of its wait and waits for it; a tick it already
    // posted is removed with this object's pending events.
    m_worker.request_stop();
    m_worker.join();
}

void TClockTicker::run(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        // Returns early only when a stop is requested.
        m_wake.wait_for(lock, stop, m_interval, [] { return false; });
        if (stop.stop_requested())
            break;
        if (!m_pending.exchange(true))
            QMetaObject::invokeMethod(this, &TClockTicker::deliver, Qt::QueuedConnection);
    }
}

void TClockTicker::deliver()
{
    m_pending.store(false);
    if (m_onTick)
        m_onTick();
}

// ----------------------------------------------------------------- the clock

TRxClock::TRxClock(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    refresh();
    m_ticker = new TClockTicker(TickInterval, [this] { ClockTimerTick(); }, this);
}

TRxClock::~TRxClock()
{
    // Stop the worker before anything the tick uses goes away.
    delete m_ticker;
    m_ticker = nullptr;
}

void TRxClock::setShowMode(TShowClock mode)
{
    if (m_mode == mode)
        return;
    m_mode = mode;
    redraw(rect());
}

void TRxClock::setOption(bool Clock::Options::*option, bool on)
{
    if (m_options.*option == on)
        return;
    m_options.*option = on;
    redraw(rect());
}

void TRxClock::setShowSeconds(bool on)
{
    setOption(&Clock::Options::showSeconds, on);
}

void TRxClock::setLeadingZero(bool on)
{
    setOption(&Clock::Options::leadingZero, on);
}

void TRxClock::setTwelveHour(bool on)
{
    setOption(&Clock::Options::twelveHour, on);
}

void TRxClock::setAutoSize(bool on)
{
    if (m_autoSize == on)
        return;
    m_autoSize = on;
    redraw(rect());
}

void TRxClock::setDotsColor(const QColor &color)
{
    m_dotsColor = color;
    if (m_mode == TShowClock::scAnalog)
        redraw(rect());
}

void TRxClock::setBevels(Bevel outer, Bevel inner)
{
    m_outer = outer;
    m_inner = inner;
    redraw(rect());
}

void TRxClock::setBevelWidth(int width)
{
    m_bevelWidth = std::max(1, width);
    redraw(rect());
}

void TRxClock::setBorderWidth(int width)
{
    m_borderWidth = std::max(0, width);
    redraw(rect());
}

void TRxClock::setAlarmPart(int hour, int minute, int second)
{
    m_alarm = QTime(std::clamp(hour, 0, 23), std::clamp(minute, 0, 59), std::clamp(second, 0, 59));
}

void TRxClock::setAlarmHour(int hour)
{
    setAlarmPart(hour, m_alarm.minute(), m_alarm.second());
}

void TRxClock::setAlarmMinute(int minute)
{
    setAlarmPart(m_alarm.hour(), minute, m_alarm.second());
}

void TRxClock::setAlarmSecond(int second)
{
    setAlarmPart(m_alarm.hour(), m_alarm.minute(), second);
}

void TRxClock::setTimeSource(TimeSource source)
{
    m_source = std::move(source);
    refresh();
}

void TRxClock::refresh()
{
    m_lastRead = m_source ? m_source() : QDateTime::currentDateTime();
    QTime t = m_lastRead.time();
    OnGetTime(t);
    m_shown = t;
    redraw(rect());
}

void TRxClock::ClockTimerTick()
{
    const QDateTime now = m_source ? m_source() : QDateTime::currentDateTime();
    QTime t = now.time();
    OnGetTime(t);

    const QTime previous = m_shown;
    const bool jump = Clock::isTimeJump(m_lastRead, now);
    const bool ranOn = m_lastRead.isValid() && !jump;
    m_shown = t;
    m_lastRead = now;

    if (jump) {
        redraw(rect());
    } else if (m_mode == TShowClock::scAnalog) {
        const bool changed = !previous.isValid() || previous.hour() != t.hour()
                             || previous.minute() != t.minute()
                             || (m_options.showSeconds && previous.second() != t.second());
        if (changed)
            redraw(rect());
    } else {
        const Clock::Redraw r = Clock::redrawFor(previous, t, m_options);
        if (r.full) {
            redraw(rect());
        } else {
            for (int cell : r.cells)
                redraw(cellRect(cell));
        }
    }

    if (m_alarmEnabled && ranOn && Clock::alarmDue(previous, t, m_alarm))
        OnAlarm();
}

Clock::Text TRxClock::text() const
{
    return Clock::clockText(m_shown, m_options, locale());
}

QRect TRxClock::textArea() const
{
    QRect r = rect();
    if (m_outer != Bevel::None)
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    if (m_inner != Bevel::None)
        r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    return r;
}

TRxClock::Layout TRxClock::layoutFor(const Clock::Text &text) const
{
    const QRect area = textArea();
    const auto measure = [&text](const QFont &font, int &cell, int &width, int &height) {
        const QFontMetrics fm(font);
        cell = fm.horizontalAdvance(QLatin1Char('8'));
        width = int(text.cells.size()) * cell + fm.horizontalAdvance(text.suffix);
        height = fm.height();
    };

    Layout l;
    l.font = font();
    if (m_autoSize && area.height() > 0 && area.width() > 0) {
        // The largest pixel size whose text block still fits the area.
        int lo = 1, hi = std::max(1, area.height() * 2);
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            QFont f = l.font;
            f.setPixelSize(mid);
            int c, w, h;
            measure(f, c, w, h);
            if (w <= area.width() && h <= area.height())
                lo = mid;
            else
                hi = mid - 1;
        }
        l.font.setPixelSize(lo);
    }
    int w, h;
    measure(l.font, l.cellWidth, w, h);
    l.block = QRect(area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2, w, h);
    return l;
}

QRect TRxClock::cellRect(int i) const
{
    const Layout l = layoutFor(text());
    return QRect(l.block.left() + i * l.cellWidth, l.block.top(), l.cellWidth, l.block.height());
}

void TRxClock::redraw(const QRect &r)
{
    OnRedraw(r);
    update(r);
}

void TRxClock::changeEvent(QEvent *event)
{
    // A new locale may bring another separator or AM/PM text, a new font
    // other cells: draw everything afresh.
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        redraw(rect());
    QWidget::changeEvent(event);
}

void TRxClock::drawBevels(QPainter &p, QRect &r) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const auto bevel = [&](Bevel b) {
        if (b == Bevel::None)
            return;
        for (int i = 0; i < m_bevelWidth; ++i) {
            if (b == Bevel::Raised)
                drawBevelRect(p, r.adjusted(0, 0, -1, -1), light, shadow);
            else
                drawBevelRect(p, r.adjusted(0, 0, -1, -1), shadow, light);
            r.adjust(1, 1, -1, -1);
        }
    };
    bevel(m_outer);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    bevel(m_inner);
}

void TRxClock::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    QRect r = rect();
    drawBevels(p, r);
    p.setClipRect(r, Qt::IntersectClip);
    if (m_mode == TShowClock::scAnalog)
        paintAnalog(p);
    else
        paintDigital(p);
}

void TRxClock::paintDigital(QPainter &p)
{
    const Clock::Text t = text();
    const Layout l = layoutFor(t);
    p.setFont(l.font);
    p.setPen(lookPalette(this).color(QPalette::WindowText));
    const QColor background = palette().color(QPalette::Button);
    for (int i = 0; i < t.cells.size(); ++i) {
        const QRect cell(l.block.left() + i * l.cellWidth, l.block.top(), l.cellWidth, l.block.height());
        p.fillRect(cell, background);
        // Clipped to its cell, so a wide character never spills into a
        // neighbour that a tick does not redraw.
        p.drawText(cell, Qt::AlignCenter, t.cells[i]);
    }
    if (!t.suffix.isEmpty()) {
        const int x = l.block.left() + int(t.cells.size()) * l.cellWidth;
        const QRect rest(x, l.block.top(), l.block.right() + 1 - x, l.block.height());
        p.drawText(rest, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, t.suffix);
    }
}

void TRxClock::paintAnalog(QPainter &p)
{
    const QRect area = textArea();
    const double radius = std::min(area.width(), area.height()) / 2.0 - 1.0;
    if (radius < 2)
        return;
    const QPointF centre = QRectF(area).center();
    p.setRenderHint(QPainter::Antialiasing, false);

    // A point at `fraction` of the radius, at `turn` of a full circle
    // clockwise from twelve o'clock.
    const auto at = [&](double turn, double fraction) {
        const double a = turn * 2 * M_PI;
        return centre + QPointF(std::sin(a), -std::cos(a)) * radius * fraction;
    };

    const QColor text = lookPalette(this).color(QPalette::WindowText);
    const double small = std::max(1.0, radius / 14.0), large = std::max(2.0, radius / 7.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const bool five = i % 5 == 0;
        const double size = five ? large : small;
        const QPointF c = at(i / 60.0, 0.92);
        p.setBrush(five ? m_dotsColor : text);
        p.drawRect(QRectF(c.x() - size / 2, c.y() - size / 2, size, size));
    }

    const QTime t = m_shown;
    const auto hand = [&](double turn, double length) {
        const double width = std::max(1.0, radius / 12.0);
        const double a = turn * 2 * M_PI;
        const QPointF across(std::cos(a) * width, std::sin(a) * width);
        QPolygonF triangle;
        triangle << centre + across << at(turn, length) << centre - across;
        p.drawPolygon(triangle);
    };
    p.setBrush(text);
    p.setPen(text);
    hand(((t.hour() % 12) + t.minute() / 60.0) / 12.0, 0.5);
    // The hands move by whole minutes, as the dial is redrawn.
    hand(t.minute() / 60.0, 0.78);
    if (m_options.showSeconds) {
        // The seconds hand inverts what lies under it.
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.drawLine(centre, at(t.second() / 60.0, 0.85));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}
