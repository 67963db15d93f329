#include "platform/image_widget.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::setPicture(const QPixmap &picture)
{
    m_picture = picture.copy();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void TImage::releasePicture()
{
    m_picture = QPixmap();
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
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
