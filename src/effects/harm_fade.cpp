#include "effects/harm_fade.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <span>
#include <utility>

namespace {

// A picture rendered at a size on a fill colour: scaled onto the whole image,
// or drawn unscaled at the top-left corner. An icon is first drawn at its own
// size on the fill colour, and that is scaled. The fill shows wherever the
// picture is transparent, and everywhere when it is empty.
QImage renderPicture(const TPicture &picture, quint32 fill, const QSize &size, bool scaled)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const QColor fillColor(TPicture::rgbOf(fill));
    image.fill(fillColor);
    if (picture.isEmpty())
        return image;

    QPainter painter(&image);
    if (!scaled) {
        picture.draw(painter, QPoint(0, 0));
    } else if (picture.kind() == TPicture::Kind::Icon) {
        QImage icon(picture.size(), QImage::Format_RGB32);
        icon.fill(fillColor);
        {
            QPainter iconPainter(&icon);
            picture.draw(iconPainter, QPoint(0, 0));
        }
        painter.drawImage(QRect(QPoint(0, 0), size), icon);
    } else {
        picture.drawScaled(painter, QRect(QPoint(0, 0), size));
    }
    return image;
}

// Clears the running flag when a run ends, however it ends, unless the panel
// itself is gone.
class RunningFlag {
public:
    RunningFlag(THarmFade *fade, bool &flag) : m_fade(fade), m_flag(flag) { m_flag = true; }
    ~RunningFlag()
    {
        if (m_fade)
            m_flag = false;
    }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;

private:
    QPointer<THarmFade> m_fade;
    bool &m_flag;
};

} // namespace

THarmFade::THarmFade(QWidget *parent)
    : QWidget(parent), m_clock([] {
          using namespace std::chrono;
          return qint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
      })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(75, 75);
    Reset();
}

void THarmFade::setPicFrom(const TPicture &picture)
{
    m_picFrom = picture;
    if (!m_reversed)
        Reset();
}

void THarmFade::setPicFrom(const QImage &image)
{
    setPicFrom(TPicture::fromImage(image, TPicture::Kind::Bitmap));
}

void THarmFade::setPicTo(const TPicture &picture)
{
    m_picTo = picture;
    if (!m_reversed)
        Reset();
}

void THarmFade::setPicTo(const QImage &image)
{
    setPicTo(TPicture::fromImage(image, TPicture::Kind::Bitmap));
}

void THarmFade::setColorFrom(quint32 color)
{
    if (color == m_colorFrom)
        return;
    m_colorFrom = color;
    Reset();
}

void THarmFade::setColorTo(quint32 color)
{
    if (color == m_colorTo)
        return;
    m_colorTo = color;
    Reset();
}

void THarmFade::setDisolvRate(int rate)
{
    m_disolvRate = HarmFade::clampDisolvRate(rate, qint64(width()) * height());
}

void THarmFade::setBlendRate(int rate)
{
    m_blendRate = HarmFade::clampBlendRate(rate);
}

void THarmFade::setStretchToFit(bool on)
{
    if (on == m_stretchToFit)
        return;
    m_stretchToFit = on;
    Reset();
}

void THarmFade::Reset()
{
    // Resizing to a picture's size below must not start another reset.
    QScopedValueRollback<bool> inReset(m_inReset, true);

    if (m_reversed) {
        // A return run swapped the pictures and colours: put them back.
        std::swap(m_colorFrom, m_colorTo);
        std::swap(m_picFrom, m_picTo);
        m_reversed = false;
        m_stretchToFit = m_savedStretch;
    }

    if (m_stretchToFit) {
        m_display = renderPicture(m_picFrom, m_colorFrom, size(), true);
        m_target = renderPicture(m_picTo, m_colorTo, size(), true);
    } else {
        // Unscaled: the panel takes PicFrom's size, or PicTo's when only that
        // one holds a graphic; with both, PicTo is scaled to PicFrom's size.
        const bool hasFrom = !m_picFrom.isEmpty();
        const bool hasTo = !m_picTo.isEmpty();
        if (hasFrom)
            resizeForPicture(m_picFrom.size());
        else if (hasTo)
            resizeForPicture(m_picTo.size());
        m_display = renderPicture(m_picFrom, m_colorFrom, size(), false);
        m_target = renderPicture(m_picTo, m_colorTo, size(), hasFrom && hasTo);
    }

    update();
    OnReset();
}

void THarmFade::resizeForPicture(const QSize &size)
{
    if (size != this->size())
        resize(size);
}

void THarmFade::Dissolve()
{
    if (m_running)
        return;
    Reset();
    // Fails here, before anything is drawn, when a batch would be empty.
    HarmFade::planDissolve(qint64(m_display.width()) * m_display.height(), m_disolvRate);

    QPointer<THarmFade> self(this);
    RunningFlag running(this, m_running);
    m_runSteps = 0;
    m_runRepaints = 0;

    OnBegin();
    if (!self || !runDissolve())
        return;

    if (m_autoReverse) {
        if (m_swapDelay > 0)
            QThread::msleep(static_cast<unsigned long>(m_swapDelay) * 1000);
        prepareReturn();
        bool alive = true;
        try {
            alive = m_swapOnReverse ? runCrossFade() : runDissolve();
        } catch (...) {
            if (self)
                Reset();
            throw;
        }
        if (!alive)
            return;
        Reset();
    }

    OnEnd();
}

bool THarmFade::runDissolve()
{
    const QSize size = m_display.size();
    const HarmFade::DissolvePlan plan =
        HarmFade::planDissolve(qint64(size.width()) * size.height(), m_disolvRate);
    const std::vector<HarmFade::PixelPos> order =
        HarmFade::shuffledPixels(size.width(), size.height(), m_random);

    std::span<const HarmFade::PixelPos> rest(order);
    const qint64 batches = plan.repaints();
    m_lastRepaint.reset();
    for (qint64 b = 0; b < batches; ++b) {
        const auto count = size_t(b < plan.fullBatches ? plan.batchSize : plan.remainder);
        // The copy refuses when an event handled meanwhile resized the panel;
        // the run then ends with the panel showing its new reset state.
        if (!HarmFade::copyPixels(m_target, m_display, rest.first(count)))
            break;
        rest = rest.subspan(count);
        if (!showStep(b == batches - 1))
            return false;
    }
    return true;
}

bool THarmFade::runCrossFade()
{
    m_start = m_display.copy();
    m_lastRepaint.reset();
    for (int e = 0; e <= m_blendRate; ++e) {
        if (!HarmFade::blendImages(m_start, m_target, m_display, HarmFade::blendWeight(e, m_blendRate)))
            break;
        if (!showStep(e == m_blendRate))
            return false;
    }
    return true;
}

void THarmFade::prepareReturn()
{
    m_savedStretch = m_stretchToFit;
    m_stretchToFit = true;
    std::swap(m_colorFrom, m_colorTo);
    std::swap(m_picFrom, m_picTo);
    Reset();
    m_reversed = true;
}

bool THarmFade::showStep(bool last)
{
    QPointer<THarmFade> self(this);
    const qint64 now = m_clock();
    if (last || !m_lastRepaint || now - *m_lastRepaint >= frameMs()) {
        m_lastRepaint = now;
        repaint();
        ++m_runRepaints;
    } else {
        update();
    }
    ++m_runSteps;
    OnRepaint();
    if (self && m_processMsgs)
        QCoreApplication::processEvents();
    return !self.isNull();
}

qint64 THarmFade::frameMs() const
{
    const QScreen *s = screen();
    const qreal hz = s && s->refreshRate() > 0 ? s->refreshRate() : 60.0;
    return qint64(1000.0 / std::clamp(hz, 24.0, 500.0));
}

void THarmFade::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_display.width() < width() || m_display.height() < height())
        painter.fillRect(rect(), QColor(TPicture::rgbOf(m_colorFrom)));
    painter.drawImage(QPoint(0, 0), m_display);
}

void THarmFade::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Only a real change of size resets: a panel resized while hidden gets
    // its resize event when it is shown, often after Reset has already
    // rendered at that size (and a dissolve may have run since).
    if (!m_inReset && size() != m_display.size())
        Reset();
}

void THarmFade::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_inReset && event->pos() != event->oldPos())
        Reset();
}

void THarmFade::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    OnMouseEnter();
}

void THarmFade::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    OnMouseLeave();
}
