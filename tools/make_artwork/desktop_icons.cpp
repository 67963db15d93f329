#include "desktop_icons.h"

#include "icons32.h"
#include "pixel_art.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <vector>

namespace art {
namespace {

constexpr int Spacing = 75;
// The middle of the left column, and the top of the first row's icons.
constexpr int FirstCentre = 38;
constexpr int FirstTop = 4;
// The picture ends before the right column does; that column is moved in
// by a few pixels so its captions fit, and none of them reaches into the
// left column's 80 pixels, which is all the lessons show.
constexpr int SecondCentre = 112;
// From the top of an icon to the top of its caption.
constexpr int CaptionDrop = 34;

struct DesktopIcon {
    Grid picture;
    QStringList caption; // one entry per line
};

QFont desktopFont(const QString &family)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

} // namespace

QImage desktopIcons(const QString &family)
{
    // Column by column, top to bottom.
    const std::vector<DesktopIcon> icons = {
        { largeComputer(), { QStringLiteral("My Computer") } },
        { largeNetwork(), { QStringLiteral("Network"), QStringLiteral("Neighborhood") } },
        { largeRecycleBin(false), { QStringLiteral("Recycle Bin") } },
        { largeBrowser(), { QStringLiteral("Internet"), QStringLiteral("Explorer") } },
        { largeMyDocuments(), { QStringLiteral("My"), QStringLiteral("Documents") } },
        { largeOnlineServices(), { QStringLiteral("Online"), QStringLiteral("Services") } },
        { largeMail(), { QStringLiteral("Outlook"), QStringLiteral("Express") } },
        { largeBriefcase(), { QStringLiteral("My Briefcase") } },
    };

    const QColor teal(0x00, 0x80, 0x80);
    QImage image(DesktopIconsWidth, DesktopIconsHeight, QImage::Format_RGB32);
    image.fill(teal);
    QPainter painter(&image);
    const QFont font = desktopFont(family);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    for (size_t i = 0; i < icons.size(); ++i) {
        const int centre = i < 4 ? FirstCentre : SecondCentre;
        const int top = FirstTop + static_cast<int>(i % 4) * Spacing;
        painter.drawImage(QPoint(centre - 16, top), icons[i].picture.toImage());
        // The caption is written on the desktop's own colour.
        int y = top + CaptionDrop;
        for (const QString &line : icons[i].caption) {
            const int width = metrics.horizontalAdvance(line);
            const QRect box(centre - (width + 1) / 2 - 1, y, width + 2, metrics.height());
            painter.fillRect(box, teal);
            painter.setPen(QColor(255, 255, 255));
            painter.drawText(QPoint(box.left() + 1, y + metrics.ascent()), line);
            y += metrics.height();
        }
    }
    painter.end();
    return image;
}

} // namespace art
