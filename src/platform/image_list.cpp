#include "platform/image_list.h"
#include "platform/period_look.h"

TImageList::TImageList(const QString &name, QSize size, QObject *parent)
    : QObject(parent), m_size(size)
{
    setObjectName(name);
}

void TImageList::addFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        add(QPixmap(path));
}

void TImageList::addStrip(const QString &path)
{
    const QPixmap strip(path);
    for (int x = 0; x + m_size.width() <= strip.width(); x += m_size.width())
        m_images.append(strip.copy(QRect(QPoint(x, 0), m_size)));
}

void TImageList::add(const QPixmap &pixmap)
{
    if (pixmap.isNull() || pixmap.size() == m_size)
        m_images.append(pixmap);
    else
        m_images.append(pixmap.scaled(m_size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QPixmap TImageList::pixmap(int index) const
{
    return index >= 0 && index < m_images.size() ? m_images[index] : QPixmap();
}

QPixmap TImageList::embossed(const QPixmap &pixmap)
{
    const QImage source = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const auto dark = [](QRgb c) { return qAlpha(c) > 127 && qGray(c) < 192; };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (!dark(source.pixel(x, y)))
                continue;
            if (x + 1 < out.width() && y + 1 < out.height())
                out.setPixel(x + 1, y + 1, qRgb(255, 255, 255));
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (dark(source.pixel(x, y)))
                out.setPixel(x, y, qRgb(128, 128, 128));
        }
    }
    return QPixmap::fromImage(out);
}

QIcon TImageList::icon(int index) const
{
    return crispIcon(pixmap(index));
}

QIcon TImageList::icon(int index, QIcon::Mode sameIn) const
{
    QIcon i = icon(index);
    if (!i.isNull())
        addCrispPixmap(i, pixmap(index), sameIn);
    return i;
}
