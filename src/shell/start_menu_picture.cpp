#include "shell/start_menu_picture.h"

#include "platform/period_color.h"
#include "platform/picture.h"
#include "shell/desktop_pictures.h"
#include "shell/start_menu.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Within a row's band: the icon's left edge (its top row falls above the
// band and is not drawn), the caption's left edge, the submenu arrow's
// distance from the band's right end, and the room a caption keeps before
// that end. The highlight is a pixel lower than the band.
constexpr int IconLeft = 4;
constexpr int CaptionLeft = 42;
constexpr int ArrowFromRight = 10;
constexpr int CaptionRoom = 20;
constexpr int RowHeight = 30;
constexpr int HighlightHeight = 29;
// The rows that open a submenu: Programs, Documents, Settings, Find.
constexpr int LastSubmenuRow = 4;
// The etched line lies in the gap between Run and Shut Down.
constexpr int SeparatorY = 187;
// The frame's two edges on the right.
constexpr int FrameRight = 2;

// A highlighted row's words and arrow are white, any other row's black.
QColor inkOf(bool selected)
{
    return QColor(selected ? PeriodColor::ButtonHighlight : PeriodColor::DarkShadow);
}

}  // namespace

StartMenuPicture::StartMenuPicture(const QStringList &captions, const QImage &banner, const QImage &icons)
    : m_captions(captions),
      m_banner(banner.convertToFormat(QImage::Format_ARGB32)),
      m_icons(icons.convertToFormat(QImage::Format_ARGB32)),
      m_letters(startMenuAccessLetters(captions))
{
    const QFontMetrics metrics(desktopPictureFont());
    int widest = 0;
    for (const QString &caption : captions)
        widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, caption).width());
    const int narrowest = StartMenuNarrowest - StartMenuItemLeft - FrameRight;
    m_width = StartMenuItemLeft + std::max(narrowest, CaptionLeft + widest + CaptionRoom) + FrameRight;
}

QRect StartMenuPicture::rowBand(int row) const
{
    return QRect(StartMenuItemLeft, startMenuRowTop(row), m_width - StartMenuItemLeft - FrameRight, RowHeight);
}

QImage StartMenuPicture::draw(int highlightedRow) const
{
    QImage image = drawPicture(highlightedRow);
    QPainter p(&image);
    drawCaptions(p, highlightedRow, desktopPictureFont());
    return image;
}

QImage StartMenuPicture::draw(int highlightedRow, qreal scale) const
{
    if (scale == 1)
        return draw(highlightedRow);
    // The picture as every picture of the course is scaled; the captions
    // then written at the screen's own resolution, smoothed as the text of
    // the windows is, not copied from 1x.
    QImage image = crispImage(drawPicture(highlightedRow), scale);
    QPainter p(&image);
    // The bitmap face has 1x strikes only: the outline Tahoma of the same
    // period and metrics writes them.
    QFont font = desktopPictureFont();
    font.setFamilies({QStringLiteral("Tahoma")});
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    drawCaptions(p, highlightedRow, font);
    return image;
}

QImage StartMenuPicture::drawPicture(int highlightedRow) const
{
    using namespace PeriodColor;
    QImage image(size(), QImage::Format_RGB32);
    image.fill(ButtonFace);
    QPainter p(&image);
    const int right = m_width - 1;
    const int bottom = StartMenuHeight - 1;
    // The raised edge of a window: light grey and white on the top and left,
    // grey and black on the bottom and right, which own the far corners.
    p.fillRect(QRect(1, 1, m_width - 2, 1), QColor(ButtonHighlight));
    p.fillRect(QRect(1, 1, 1, StartMenuHeight - 2), QColor(ButtonHighlight));
    p.fillRect(QRect(1, bottom - 1, m_width - 2, 1), QColor(ButtonShadow));
    p.fillRect(QRect(right - 1, 1, 1, StartMenuHeight - 2), QColor(ButtonShadow));
    p.fillRect(QRect(0, bottom, m_width, 1), QColor(DarkShadow));
    p.fillRect(QRect(right, 0, 1, StartMenuHeight), QColor(DarkShadow));
    // The etched line above the last row.
    p.fillRect(QRect(26, SeparatorY, m_width - 26 - 3, 1), QColor(ButtonShadow));
    p.fillRect(QRect(26, SeparatorY + 1, m_width - 26 - 3, 1), QColor(ButtonHighlight));
    p.drawImage(StartMenuBanner.topLeft(), m_banner, QRect(QPoint(0, 0), StartMenuBanner.size()));

    for (int row = 1; row <= StartMenuRows; ++row) {
        const QRect band = rowBand(row);
        const bool selected = row == highlightedRow;
        if (selected)
            p.fillRect(QRect(band.topLeft(), QSize(band.width(), HighlightHeight)), QColor(Highlight));
        const QRect icon((row - 1) * StartMenuIconSize, 1, StartMenuIconSize, RowHeight);
        p.drawImage(band.topLeft() + QPoint(IconLeft, 0), m_icons, icon);
        if (row <= LastSubmenuRow) {
            // A small triangle pointing right, 4 pixels wide and 7 high.
            const int arrowLeft = band.right() + 1 - ArrowFromRight;
            const int arrowTop = band.top() + (HighlightHeight - 7) / 2;
            for (int y = 0; y < 7; ++y)
                p.fillRect(QRect(arrowLeft, arrowTop + y, 4 - std::abs(3 - y), 1), inkOf(selected));
        }
    }
    return image;
}

void StartMenuPicture::drawCaptions(QPainter &p, int highlightedRow, const QFont &font) const
{
    p.setFont(font);
    for (int row = 1; row <= StartMenuRows && row <= m_captions.size(); ++row) {
        const QRect band = rowBand(row);
        p.setPen(inkOf(row == highlightedRow));
        p.drawText(QRect(band.left() + CaptionLeft, band.top(), band.width() - CaptionLeft, HighlightHeight),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, m_captions.at(row - 1));
    }
}

QImage StartMenuPicture::bottomStrip() const
{
    using namespace PeriodColor;
    QImage strip(m_width, 3, QImage::Format_RGB32);
    const int right = m_width - 1;
    for (int x = 0; x < m_width; ++x) {
        strip.setPixel(x, 0, x == 1 ? ButtonHighlight : x < right - 1 ? ButtonFace : x == right - 1 ? ButtonShadow : DarkShadow);
        strip.setPixel(x, 1, x == 0 ? ButtonFace : x < right ? ButtonShadow : DarkShadow);
        strip.setPixel(x, 2, DarkShadow);
    }
    return strip;
}
