#include "start_menu.h"

#include "shell/start_menu_picture.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace art {

QImage startBanner(const QString &family)
{
    // Drawn where it stands in the menu, then cut out.
    const QRect banner = StartMenuBanner;
    QImage image(banner.right() + 1, banner.bottom() + 1, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    QLinearGradient shade(0, banner.top(), 0, banner.bottom() + 1);
    shade.setColorAt(0.0, QColor(0x00, 0x00, 0x80));
    shade.setColorAt(1.0, QColor(0x10, 0x84, 0xD0));
    painter.fillRect(banner, shade);

    // The name, reading upwards from near the bottom of the banner: the
    // baseline runs down the right-hand side, the letters lean left.
    QFont bold(family);
    bold.setPixelSize(18);
    bold.setBold(true);
    bold.setHintingPreference(QFont::PreferNoHinting);
    QFont regular(family);
    regular.setPixelSize(18);
    regular.setHintingPreference(QFont::PreferNoHinting);
    const QString name = QStringLiteral("Windows");
    const QString version = QStringLiteral("98");
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(255, 255, 255));
    painter.translate(banner.right() - 4, banner.bottom() - 5);
    painter.rotate(-90.0);
    painter.setFont(bold);
    painter.drawText(QPointF(0, 0), name);
    const double advance = QFontMetricsF(bold).horizontalAdvance(name) + 1.0;
    painter.setFont(regular);
    painter.drawText(QPointF(advance, 0), version);
    painter.end();
    return image.copy(banner);
}

} // namespace art
