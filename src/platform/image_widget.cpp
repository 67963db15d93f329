#include "platform/image_widget.h"

#include "platform/period_look.h"

#include <QBitmap>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::setPicture(const QPixmap &picture)
{
    m_pendingFile.clear();
    m_prepare = nullptr;
    m_picture = picture.copy();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
    update();
}

void TImage::setPictureFile(const QString &path, std::function<QPixmap(const QPixmap &)> prepare)
{
    m_picture = QPixmap();
    m_pendingFile = path;
    m_prepare = std::move(prepare);
    const QSize size = QImageReader(path).size();  // the header only
    if (m_autoSize && size.isValid())
        resize(size);
    update();
}

QPixmap &TImage::loaded() const
{
    if (!m_pendingFile.isEmpty()) {
        // Read without the toolkit's pixmap cache, which would keep a second
        // copy of every picture for the program's whole run.
        QPixmap picture = QPixmap::fromImage(QImageReader(m_pendingFile).read());
        m_picture = m_prepare ? m_prepare(picture) : picture;
        m_pendingFile.clear();
        m_prepare = nullptr;
    }
    return m_picture;
}

void TImage::releasePicture()
{
    m_pendingFile.clear();
    m_prepare = nullptr;
    m_picture = QPixmap();
    m_crisp = QPixmap();
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (picture().isNull())
        return;
    QPainter p(this);
    const qreal dpr = devicePixelRatio();
    if (dpr == std::floor(dpr)) {
        // At a whole scale the painter copies each pixel N x N.
        p.drawPixmap(0, 0, picture());
        return;
    }
    if (m_crisp.isNull() || m_crispKey != picture().cacheKey() || m_crisp.devicePixelRatio() != dpr) {
        m_crisp = crispPixmap(picture());
        m_crispKey = picture().cacheKey();
    }
    p.drawPixmap(0, 0, m_crisp);
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    OnMouseMove(event->modifiers(), pos.x(), pos.y());
}

QPixmap withMagentaTransparent(const QPixmap &picture)
{
    QPixmap out = picture;
    if (!out.isNull())
        out.setMask(out.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    return out;
}
