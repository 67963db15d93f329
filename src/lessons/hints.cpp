#include "lessons/hints.h"

#include "platform/accessibility.h"
#include "platform/classic_window.h"
#include "platform/components.h"
#include "platform/period_look.h"

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr int kPulseMs = 50;          // 40 steps: one calm pulse every 2 seconds
constexpr int kTextWidth = 230;       // the balloon's text wraps at this width
constexpr int kPadX = 8, kPadY = 6;   // text inside the balloon's border
constexpr int kTailBase = 14;
// The tail's tip stops just outside the spotlight's glow.
constexpr int kTipOffset = THintOutline::Gap + THintOutline::Width + 5;

QFont balloonFont()
{
    return periodFont(QStringLiteral("Tahoma"), 11);
}

}  // namespace

// --- THintOutline -----------------------------------------------------------

THintOutline::THintOutline(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("hintOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
}

void THintOutline::setTarget(const QRect &target, bool inside)
{
    if (parentWidget() && geometry() != parentWidget()->rect())
        setGeometry(parentWidget()->rect());
    if (target == m_target && inside == m_inside)
        return;
    update(ring(Gap + Width + 4));
    m_target = target;
    m_inside = inside;
    update(ring(Gap + Width + 4));
}

QRect THintOutline::ring(int outside) const
{
    return m_target.adjusted(-outside, -outside, outside, outside);
}

void THintOutline::pulse()
{
    m_phase = (m_phase + 1) % PulseSteps;
    // Only the glow changes: the band beside the ring.
    if (m_inside) {
        update(m_target);
        return;
    }
    const QRegion outer(ring(Gap + Width + 4));
    update(outer.subtracted(QRegion(ring(Gap + Width - 1))));
}

void THintOutline::paintEvent(QPaintEvent *)
{
    if (m_target.isEmpty())
        return;
    QPainter p(this);
    // A glow beside the ring that swells and fades: outside it, or inside
    // it for an item among others.
    const double swell = (1 - std::cos(2 * std::numbers::pi * m_phase / PulseSteps)) / 2;
    QColor glow = QColor::fromRgb(Colour);
    glow.setAlpha(static_cast<int>(40 + 130 * swell));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    // A list's thin row: a thinner ring on its edge and no glow, over as
    // little of the text as it can.
    const bool thin = m_inside && m_target.height() < 18;
    if (thin) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor::fromRgb(Colour), 2));
        p.drawRoundedRect(m_target.adjusted(0, 0, 0, 1), 2, 2);
        return;
    }
    if (m_inside) {
        p.setPen(QPen(glow, 2));
        p.drawRoundedRect(QRectF(ring(-Width - 1)), 3, 3);
    } else {
        p.setPen(QPen(glow, 3));
        p.drawRoundedRect(QRectF(ring(Gap + Width + 2)), 6, 6);
    }
    // The ring itself is solid, pixel for pixel the same colour.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(Colour), Width));
    p.drawRoundedRect(m_inside ? ring(-1).adjusted(0, 0, -1, -1) : ring(Gap + 2), 4, 4);
}

// --- THintBalloon -----------------------------------------------------------

THintBalloon::THintBalloon(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("hintBalloon"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(balloonFont());
    // A screen reader reads the hint out when the balloon appears, as it
    // reads a page's instructions: a notification with the hint's text.
    TAccessibleDescription &d = describeAccessible(this);
    d.role = QAccessible::Notification;
    d.name = [this] { return m_text; };
}

void THintBalloon::showAt(const QString &text, const QRect &control, std::initializer_list<Side> sides)
{
    // A new text appears anew (a screen reader reads what appears); the
    // same text moved to follow its control is not read again.
    if (text != m_text)
        hide();
    m_text = text;
    const QFontMetrics fm(font());
    const QRect textRect = fm.boundingRect(QRect(0, 0, kTextWidth, 10000), Qt::TextWordWrap, text);
    const QSize body(textRect.width() + 2 * kPadX, textRect.height() + 2 * kPadY);
    // The window it stands in, in global coordinates.
    const QRect area(parentWidget()->mapToGlobal(QPoint(0, 0)), parentWidget()->size());

    // For each side: where the tip is, and the window around body and tail.
    struct Place {
        Side side;
        QPoint tip;
        QRect window;  // global
        QRect body;    // global
    };
    const auto place = [&](Side s) {
        Place p{s, {}, {}, {}};
        const auto clampX = [&](int tipX) {
            // The tail leaves the body near the tip, the body inside the screen.
            int left = tipX - 24;
            left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - body.width()));
            return left;
        };
        const auto clampY = [&](int tipY) {
            int top = tipY - 12;
            return std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - body.height()));
        };
        switch (s) {
        case Side::Above:
            p.tip = {std::clamp(control.center().x(), area.left() + 8, area.right() - 8), control.top() - kTipOffset};
            p.body = QRect(QPoint(clampX(p.tip.x()), p.tip.y() - Tail - body.height() + 1), body);
            p.window = p.body.adjusted(0, 0, 0, Tail);
            break;
        case Side::Below:
            p.tip = {std::clamp(control.center().x(), area.left() + 8, area.right() - 8),
                     control.bottom() + kTipOffset};
            p.body = QRect(QPoint(clampX(p.tip.x()), p.tip.y() + Tail), body);
            p.window = p.body.adjusted(0, -Tail, 0, 0);
            break;
        case Side::Right:
            p.tip = {control.right() + kTipOffset, control.center().y()};
            p.body = QRect(QPoint(p.tip.x() + Tail, clampY(p.tip.y())), body);
            p.window = p.body.adjusted(-Tail, 0, 0, 0);
            break;
        case Side::Left:
            p.tip = {control.left() - kTipOffset, control.center().y()};
            p.body = QRect(QPoint(p.tip.x() - Tail - body.width() + 1, clampY(p.tip.y())), body);
            p.window = p.body.adjusted(0, 0, Tail, 0);
            break;
        }
        // The tail's base must stay on the body's edge.
        const bool vertical = s == Side::Above || s == Side::Below;
        const bool baseOnBody = vertical ? p.tip.x() >= p.body.left() + 4 && p.tip.x() <= p.body.right() - 4
                                         : p.tip.y() >= p.body.top() + 4 && p.tip.y() <= p.body.bottom() - 4;
        return std::pair{p, area.contains(p.window) && baseOnBody};
    };
    std::optional<Place> chosen;
    for (Side s : sides) {
        auto [p, fits] = place(s);
        if (fits) {
            chosen = p;
            break;
        }
        if (!chosen)
            chosen = p;  // none fits: the first, as close as it gets
    }
    m_side = chosen->side;
    m_tip = chosen->tip;
    m_tipHere = m_tip - chosen->window.topLeft();
    m_body = chosen->body.translated(-chosen->window.topLeft());
    setGeometry(QRect(parentWidget()->mapFromGlobal(chosen->window.topLeft()), chosen->window.size()));
    // The mask cuts the balloon's shape out of its rectangle, exactly what
    // paintEvent covers: the window under the rest shows through.
    QBitmap shape(size());
    shape.fill(Qt::color0);
    {
        QPainter p(&shape);
        p.setPen(QPen(Qt::color1, 1));
        p.setBrush(Qt::color1);
        p.drawPolygon(outline());
    }
    setMask(shape);
    update();
    show();
    raise();
}

QPolygon THintBalloon::outline() const
{
    // The body's corners (inclusive pixels), the tail let into the edge that
    // faces the control: one side of the tail straight, at the tip, the
    // other slanting back to the body.
    const QPoint tip = m_tipHere;
    const QRect b = m_body;
    QPolygon poly;
    switch (m_side) {
    case Side::Above:
    case Side::Below: {
        const bool right = tip.x() + kTailBase <= b.right() - 4;
        const int x2 = right ? tip.x() + kTailBase : tip.x() - kTailBase;
        const int edge = m_side == Side::Above ? b.bottom() : b.top();
        const QPoint base1(tip.x(), edge), base2(x2, edge);
        if (m_side == Side::Above)  // clockwise from the top left
            poly << b.topLeft() << b.topRight() << b.bottomRight() << (right ? base2 : base1) << tip
                 << (right ? base1 : base2) << b.bottomLeft();
        else
            poly << b.topLeft() << (right ? base1 : base2) << tip << (right ? base2 : base1) << b.topRight()
                 << b.bottomRight() << b.bottomLeft();
        break;
    }
    case Side::Right:
    case Side::Left: {
        const bool down = tip.y() + kTailBase <= b.bottom() - 4;
        const int y2 = down ? tip.y() + kTailBase : tip.y() - kTailBase;
        const int edge = m_side == Side::Right ? b.left() : b.right();
        const QPoint base1(edge, tip.y()), base2(edge, y2);
        if (m_side == Side::Right)
            poly << b.topLeft() << b.topRight() << b.bottomRight() << b.bottomLeft() << (down ? base2 : base1)
                 << tip << (down ? base1 : base2);
        else
            poly << b.topLeft() << b.topRight() << (down ? base1 : base2) << tip << (down ? base2 : base1)
                 << b.bottomRight() << b.bottomLeft();
        break;
    }
    }
    return poly;
}

void THintBalloon::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Pale yellow with a thin black border, the period's tooltip.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor::fromRgb(Yellow));
    p.drawPolygon(outline());
    p.setPen(Qt::black);
    p.drawText(m_body.adjusted(kPadX, kPadY, -kPadX, -kPadY), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
               m_text);
}

// --- THintController --------------------------------------------------------

THintController::THintController(QObject *parent) : QObject(parent)
{
    tmrHintWait = new TTimer(QStringLiteral("tmrHintWait"), this);
    tmrHintWait->OnTimer.bind([this] { tmrHintWaitTimer(); });
    m_pulse.setInterval(kPulseMs);
    connect(&m_pulse, &QTimer::timeout, this, [this] {
        if (m_outline)
            m_outline->pulse();
    });
}

THintController::~THintController()
{
    end();
    delete m_balloon;
}

void THintController::begin(Lesson lesson, int delaySeconds)
{
    end();
    if (delaySeconds <= 0)
        return;  // hints are off
    m_lesson = std::move(lesson);
    m_watching = true;
    m_seen = m_lesson.observe();
    m_deadClicks = 0;
    m_clickPending = false;
    tmrHintWait->setInterval(delaySeconds * 1000);
    restartWait();
    qApp->installEventFilter(this);
}

void THintController::end()
{
    if (!m_watching)
        return;
    qApp->removeEventFilter(this);
    m_watching = false;
    tmrHintWait->setEnabled(false);
    hide();
    m_lesson = {};
}

void THintController::restartWait()
{
    tmrHintWait->setEnabled(false);
    tmrHintWait->setEnabled(true);
}

void THintController::tmrHintWaitTimer()
{
    tmrHintWait->setEnabled(false);
    if (!m_watching)
        return;
    m_seen = m_lesson.observe();
    if (!show(nextStep(m_seen)))
        restartWait();  // nothing to point at now; perhaps later
}

bool THintController::eventFilter(QObject *watched, QEvent *event)
{
    // The hint's own widgets are no step. Asked by class, not by comparing
    // with m_outline: an outline torn down with its window is half destroyed
    // when its last events arrive.
    if (qobject_cast<THintOutline *>(watched) || qobject_cast<THintBalloon *>(watched))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!m_clickPending) {
            m_clickPending = true;
            const std::optional<QRect> target = globalTarget();
            const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            m_pressOnTarget = target && target->contains(at);
        }
        schedule();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Show:
    case QEvent::Hide:
        schedule();
        break;
    default:
        break;
    }
    return false;
}

void THintController::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Once the event has done its work (a popup's or a dialog's own loop
    // runs this too).
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        evaluate();
    });
}

void THintController::evaluate()
{
    if (!m_watching)
        return;
    const LessonView now = m_lesson.observe();
    const bool clicked = std::exchange(m_clickPending, false);
    if (now == m_seen) {
        if (m_showing && !show(m_shown))  // windows move and rise: follow them
            hide();
        // A click that changed nothing, not on the control the hint shows.
        if (clicked && !m_pressOnTarget && ++m_deadClicks >= DeadClicks) {
            m_deadClicks = 0;
            tmrHintWait->setEnabled(false);
            if (!show(nextStep(now)))
                restartWait();
        }
        return;
    }
    // A step: the one the spotlight pointed at leads further along the
    // lesson's path, and the spotlight moves on; any other hides it.
    m_seen = now;
    m_deadClicks = 0;
    const NextStep next = nextStep(now);
    if (m_showing && next.target != StepTarget::None && next.step > m_shown.step && show(next))
        return;
    hide();
    restartWait();
}

std::optional<QRect> THintController::globalTarget() const
{
    if (!m_showing || !m_outline)
        return std::nullopt;
    return QRect(m_outline->mapToGlobal(m_outline->target().topLeft()), m_outline->target().size());
}

bool THintController::show(const NextStep &step)
{
    if (step.target == StepTarget::None)
        return false;
    const std::optional<HintPlace> place = m_lesson.locate(step.target);
    if (!place || !place->widget || !place->widget->isVisible() || place->rect.isEmpty())
        return false;
    QWidget *window = place->widget->window();
    if (!m_outline || m_outline->parentWidget() != window) {
        delete std::exchange(m_outline, nullptr).data();
        m_outline = new THintOutline(window);
    }
    const QRect target(place->widget->mapTo(window, place->rect.topLeft()), place->rect.size());
    m_outline->setTarget(target, place->inside);
    m_outline->raise();
    m_outline->show();
    // The balloon stands in the course window, beside a popup menu too; a
    // window of its own (the system's print dialog) holds its own.
    QWidget *stage = window;
    if (window->windowType() == Qt::Popup) {
        stage = courseWindow();
        if (!stage && window->parentWidget())
            stage = window->parentWidget()->window();
        if (!stage)
            stage = window;
    }
    if (!m_balloon || m_balloon->parentWidget() != stage) {
        delete std::exchange(m_balloon, nullptr).data();
        m_balloon = new THintBalloon(stage);
    }
    const QRect global(window->mapToGlobal(target.topLeft()), target.size());
    // Beside a menu's item, so the menu stays readable; above or below
    // anything else.
    const bool inMenu = window->windowType() == Qt::Popup;
    using S = THintBalloon::Side;
    const QString text = m_lesson.text(step.hintKey);
    if (!m_showing || m_balloon->text() != text || m_balloon->tip().isNull() || !m_balloon->isVisible()
        || m_shown.target != step.target || m_balloon->property("at").toRect() != global) {
        if (inMenu)
            m_balloon->showAt(text, global, {S::Right, S::Left, S::Below, S::Above});
        else if (place->balloonBelow)
            m_balloon->showAt(text, global, {S::Below, S::Above, S::Right, S::Left});
        else
            m_balloon->showAt(text, global, {S::Above, S::Below, S::Right, S::Left});
        m_balloon->setProperty("at", global);
    } else {
        m_balloon->raise();
    }
    // Above the spotlight too, whose ring may pass under it.
    m_balloon->raise();
    m_showing = true;
    m_shown = step;
    if (!m_pulse.isActive())
        m_pulse.start();
    return true;
}

void THintController::hide()
{
    m_showing = false;
    m_shown = {};
    m_pulse.stop();
    delete std::exchange(m_outline, nullptr).data();
    if (m_balloon)
        m_balloon->hide();
}
