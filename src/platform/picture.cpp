#include "platform/picture.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

TPicture TPicture::fromImage(const QImage &image, Kind kind)
{
    TPicture p;
    if (kind == Kind::None)
        return p;
    p.m_kind = kind;
    p.m_image = image;
    p.m_transparent = kind != Kind::Bitmap && image.hasAlphaChannel();
    return p;
}

bool TPicture::load(const QString &path)
{
    clear();
    QImageReader reader(path);
    const QByteArray format = reader.format().toLower();
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    Kind kind = Kind::Other;
    if (format == "bmp" || format == "dib")
        kind = Kind::Bitmap;
    else if (format == "gif")
        kind = Kind::Gif;
    else if (format == "ico" || format == "cur")
        kind = Kind::Icon;
    *this = fromImage(image, kind);
    return true;
}

quint32 TPicture::transparentColor() const
{
    if (m_colorSet)
        return m_transparentColor;
    if (!isBitmap())
        return NoColor;
    if (m_image.isNull())
        return TransparentFlag;
    return colorOf(m_image.pixel(0, m_image.height() - 1)) | TransparentFlag;
}

QImage TPicture::drawable() const
{
    if (!isBitmap() || !m_transparent || transparentColor() == NoColor)
        return m_image;
    // Key out the transparent colour: those pixels get alpha 0.
    const QRgb key = rgbOf(transparentColor()) & RGB_MASK;
    QImage keyed = m_image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return keyed;
}

void TPicture::draw(QPainter &painter, QPoint at) const
{
    if (!isEmpty())
        painter.drawImage(at, drawable());
}

void TPicture::drawScaled(QPainter &painter, const QRect &target) const
{
    if (!isEmpty())
        painter.drawImage(target, drawable());
}

quint32 TPicture::colorOf(QRgb rgb)
{
    return quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16;
}

QRgb TPicture::rgbOf(quint32 color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QImage crispImage(const QImage &picture, qreal scale)
{
    if (scale <= 1 || picture.isNull() || picture.devicePixelRatio() != 1)
        return picture;
    const int whole = int(std::ceil(scale - 1e-9));
    QImage out = picture.scaled(picture.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (whole != scale)
        out = out.scaled(QSize(qRound(picture.width() * scale), qRound(picture.height() * scale)),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(scale);
    return out;
}
