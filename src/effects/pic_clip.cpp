#include "effects/pic_clip.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <string>

EListError::EListError(int index)
    : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")"), m_index(index)
{
}

TPicClip::TPicClip(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

int TPicClip::Width() const
{
    return m_picture.width() / std::max(m_cols, 1);
}

void TPicClip::setWidth(int width)
{
    if (width > 0 && m_picture.width() / width > 0)
        m_cols = m_picture.width() / width;
}

int TPicClip::Height() const
{
    return m_picture.height() / std::max(m_rows, 1);
}

void TPicClip::setHeight(int height)
{
    if (height > 0 && m_picture.height() / height > 0)
        m_rows = m_picture.height() / height;
}

void TPicClip::setMaskColor(quint32 color)
{
    if (color == m_maskColor)
        return;
    m_maskColor = color;
    OnChange();
}

quint32 TPicClip::DefaultMaskColor() const
{
    if (m_picture.isBitmap())
        return m_picture.transparentColor() & ~TPicture::TransparentFlag;
    return Olive;
}

void TPicClip::setPicture(const TPicture &picture)
{
    m_picture = picture;
    if (m_loading)
        return;
    m_maskColor = DefaultMaskColor();
    OnChange();
}

void TPicClip::Assign(const TPicClip &source)
{
    if (&source == this)
        return;
    // The picture first: taking it over must not reset the copied MaskColor.
    m_picture = source.m_picture;
    m_rows = source.m_rows;
    m_cols = source.m_cols;
    m_masked = source.m_masked;
    m_maskColor = source.m_maskColor;
    OnChange();
}

// Cols x Rows without overflow, clamped to the int range.
static qint64 gridSize(int cols, int rows)
{
    return std::clamp<qint64>(qint64(cols) * rows, INT_MIN, INT_MAX);
}

int TPicClip::CellCount() const
{
    return m_picture.isEmpty() ? 0 : int(gridSize(m_cols, m_rows));
}

int TPicClip::GetIndex(int col, int row) const
{
    const qint64 index = qint64(col) + qint64(row) * m_cols;
    if (index >= CellCount() || index < INT_MIN)
        return -1;
    return int(index);
}

const QImage &TPicClip::GraphicCell(int index)
{
    if (index < 0 || index >= CellCount())
        throw EListError(index);

    const int cols = std::max(m_cols, 1);
    const int rows = std::max(m_rows, 1);
    const int cw = m_picture.width() / cols;
    const int ch = m_picture.height() / rows;
    const QPoint origin((index % cols) * cw, (index / cols) * ch);

    if (m_picture.isBitmap()) {
        // A bitmap is copied as it is, pixel format included.
        m_cell = m_picture.image().copy(QRect(origin, QSize(cw, ch)));
    } else {
        // Any other graphic is drawn whole, shifted so that exactly the cell
        // lands on the work bitmap; silver shows where it is transparent.
        if (m_cell.size() != QSize(cw, ch) || m_cell.format() != QImage::Format_RGB32)
            m_cell = QImage(cw, ch, QImage::Format_RGB32);
        if (!m_cell.isNull()) {
            m_cell.fill(TPicture::rgbOf(Silver));
            QPainter painter(&m_cell);
            m_picture.draw(painter, -origin);
        }
    }

    // Whatever transparency the graphic had, the cell's is the strip's own.
    m_cellTransparentColor = m_maskColor | TPicture::TransparentFlag;
    m_cellTransparent = m_masked && m_maskColor != TPicture::NoColor;
    return m_cell;
}
