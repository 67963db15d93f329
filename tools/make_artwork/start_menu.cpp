#include "start_menu.h"

#include "drawing.h"
#include "icons32.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace art {
namespace {

// The banner fills the inside of the frame from x 3 to x 23.
constexpr int BannerLeft = 3;
constexpr int BannerRight = 23;
// The etched line sits in the gap between Run (ending at y 182) and Shut
// Down (starting at y 193).
constexpr int SeparatorY = 187;

// Where an item's icon and caption go, and its submenu arrow.
constexpr int IconLeft = 4;
constexpr int IconTop = -1;
constexpr int CaptionLeft = 42;
constexpr int ArrowLeft = 116;
// The selected row is this high; everything is centred on it.
constexpr int HighlightHeight = 29;

QFont menuFont(const QString &family)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

} // namespace

QImage startMenu(const StartMenuFonts &fonts)
{
    Grid g(StartMenuWidth, StartMenuHeight, 's');
    const int right = StartMenuWidth - 1;
    const int bottom = StartMenuHeight - 1;
    // The raised edge of a window: light grey and white on the top and
    // left, grey and black on the bottom and right.
    bevel(g, 0, 0, right, bottom, 's', 'k');
    bevel(g, 1, 1, right - 1, bottom - 1, 'w', 'd');
    hline(g, 26, right - 3, SeparatorY, 'd');
    hline(g, 26, right - 3, SeparatorY + 1, 'w');
    QImage image = g.toImage().convertToFormat(QImage::Format_RGB32);

    QPainter painter(&image);
    const int bannerTop = 3;
    const int bannerBottom = bottom - 2;
    QLinearGradient shade(0, bannerTop, 0, bannerBottom + 1);
    shade.setColorAt(0.0, QColor(0x00, 0x00, 0x80));
    shade.setColorAt(1.0, QColor(0x10, 0x84, 0xD0));
    painter.fillRect(QRect(BannerLeft, bannerTop, BannerRight - BannerLeft + 1, bannerBottom - bannerTop + 1),
                     shade);

    // The name, reading upwards from near the bottom of the banner: the
    // baseline runs down the right-hand side, the letters lean left.
    QFont bold(fonts.bannerBold);
    bold.setPixelSize(18);
    bold.setBold(true);
    bold.setHintingPreference(QFont::PreferNoHinting);
    QFont regular(fonts.bannerRegular);
    regular.setPixelSize(18);
    regular.setHintingPreference(QFont::PreferNoHinting);
    const QString name = QStringLiteral("Windows");
    const QString version = QStringLiteral("98");
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(255, 255, 255));
    painter.translate(BannerRight - 4, bannerBottom - 5);
    painter.rotate(-90.0);
    painter.setFont(bold);
    painter.drawText(QPointF(0, 0), name);
    const double advance = QFontMetricsF(bold).horizontalAdvance(name) + 1.0;
    painter.setFont(regular);
    painter.drawText(QPointF(advance, 0), version);
    painter.end();
    return image;
}

const std::vector<StartItem> &startItems()
{
    static const std::vector<StartItem> items = {
        { "start_programs", "&Programs", true, largeProgramGroup },
        { "start_documents", "&Documents", true, largeDocumentsFolder },
        { "start_settings", "&Settings", true, largeSettingsFolder },
        { "start_find", "&Find", true, largeFind },
        { "start_help", "&Help", false, largeClosedHelpBook },
        { "start_run", "&Run...", false, largeRun },
        { "start_shutdown", "Sh&ut Down...", false, largeShutDown },
    };
    return items;
}

QImage startItem(const StartItem &item, bool selected, const StartMenuFonts &fonts)
{
    const char ink = selected ? 'w' : 'k';
    Grid g(StartItemWidth, StartItemHeight, 'f'); // magenta, the see-through colour
    g.paste(item.icon(), IconLeft, IconTop);
    if (item.submenu) {
        // A small triangle pointing right, 4 pixels wide and 7 high.
        const int top = (HighlightHeight - 7) / 2;
        for (int row = 0; row < 7; ++row)
            hline(g, ArrowLeft, ArrowLeft + 3 - (row < 4 ? 3 - row : row - 3), top + row, ink);
    }
    QImage image = g.toImage().convertToFormat(QImage::Format_RGB32);

    QPainter painter(&image);
    painter.setFont(menuFont(fonts.menu));
    painter.setPen(colour(ink));
    painter.drawText(QRect(CaptionLeft, 0, StartItemWidth - CaptionLeft, HighlightHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                     QString::fromUtf8(item.caption));
    painter.end();
    return image;
}

} // namespace art
