#include "desktop_icons.h"

#include "icons32.h"
#include "pixel_art.h"

#include "shell/desktop_pictures.h"

#include <QPainter>

namespace art {

QImage desktopIcons()
{
    // Top to bottom: My Computer, Network Neighborhood, Recycle Bin,
    // Internet Explorer.
    const Grid icons[] = { largeComputer(), largeNetwork(), largeRecycleBin(false), largeBrowser() };
    QImage image(DesktopIconsWidth, DesktopIconsHeight, QImage::Format_RGB32);
    image.fill(QColor(0x00, 0x80, 0x80));
    QPainter painter(&image);
    int top = DesktopFirstIconTop;
    for (const Grid &icon : icons) {
        painter.drawImage(QPoint(DesktopIconCentre - 16, top), icon.toImage());
        top += DesktopIconSpacing;
    }
    painter.end();
    return image;
}

} // namespace art
