#include "banner.h"

#include "globe.h"
#include "pixel_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <string>
#include <vector>

namespace art {
namespace {

// A speech bubble with rounded corners, a tail and a few lines of "writing".
// The tail leaves the bottom edge at tailX and ends tailDrop pixels lower,
// leaning to the left (tailLean < 0) or right (tailLean > 0).
Grid bubble(int width, int height, char fill, char ink, int tailX, int tailDrop, int tailLean,
            const std::vector<std::string> &writing)
{
    Grid grid(width + 2, height + tailDrop + 2);
    // The body, with corners cut to a small round.
    for (int y = 0; y < height; ++y) {
        const int cut = (y == 0 || y == height - 1) ? 2 : (y == 1 || y == height - 2) ? 1 : 0;
        for (int x = cut; x < width - cut; ++x)
            grid.set(x + 1, y + 1, fill);
    }
    // The tail narrows from three pixels to one.
    for (int step = 0; step < tailDrop; ++step) {
        const int widthHere = std::max(1, 3 - (step * 3) / tailDrop);
        const int shift = (tailLean * (step + 1)) / tailDrop;
        const int start = tailLean < 0 ? tailX + shift : tailX + shift + 3 - widthHere;
        for (int x = start; x < start + widthHere; ++x)
            grid.set(x + 1, height + 1 + step, fill);
    }
    grid.outline('k');
    // The writing, centred in the body: any letter but ' ' is a pixel of ink.
    const int rows = static_cast<int>(writing.size());
    int columns = 0;
    for (const std::string &line : writing)
        columns = std::max(columns, static_cast<int>(line.size()));
    const int left = 1 + (width - columns) / 2;
    const int top = 1 + (height - rows) / 2;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < static_cast<int>(writing[row].size()); ++col)
            if (writing[row][col] != ' ')
                grid.set(left + col, top + row, ink);
    return grid;
}

// The picture on the right of the banner: the globe with two people talking
// across it in their own languages.
Grid languageEmblem()
{
    Grid emblem(64, 54);
    emblem.paste(globe(42), 8, 12);

    const Grid left = bubble(18, 13, 'y', 'm', 10, 5, 3,
                             {
                                 "#### ###",
                                 "",
                                 "",
                                 "## #####",
                             });
    const Grid right = bubble(26, 16, 'w', 'n', 4, 6, -4,
                              {
                                  "#### #######",
                                  "",
                                  "",
                                  "######## ###",
                                  "",
                                  "",
                                  "### ######",
                              });
    emblem.paste(left, 0, 3);
    emblem.paste(right, 36, 0);
    return emblem;
}

} // namespace

QImage banner(const BannerFonts &fonts)
{
    QImage image(BannerWidth, BannerHeight, QImage::Format_RGB32);
    QPainter painter(&image);

    // A white sheet shading to a pale steel blue on the right.
    QLinearGradient sheet(0, 0, BannerWidth, 0);
    sheet.setColorAt(0.0, QColor(255, 255, 255));
    sheet.setColorAt(0.45, QColor(255, 255, 255));
    sheet.setColorAt(1.0, QColor(190, 208, 236));
    painter.fillRect(image.rect(), sheet);

    QFont title(fonts.title);
    title.setPixelSize(24);
    title.setBold(true);
    title.setHintingPreference(QFont::PreferFullHinting);
    QPainterPath titleText;
    titleText.addText(QPointF(18, 30), title, QStringLiteral("Quillan 2"));
    painter.setRenderHint(QPainter::Antialiasing);
    if (fonts.titleThickening > 0.0)
        painter.setPen(QPen(QColor(0, 0, 128), fonts.titleThickening, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawPath(titleText);
    painter.setRenderHint(QPainter::Antialiasing, false);

    QFont subtitle(fonts.subtitle);
    subtitle.setPixelSize(11);
    subtitle.setHintingPreference(QFont::PreferFullHinting);
    // Crisp and unkerned, without ligatures, the way the system drew it.
    subtitle.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    painter.setFont(subtitle);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(QPoint(34, 48), QStringLiteral("Your first steps on the desktop"));

    const Grid emblem = languageEmblem();
    painter.drawImage(QPoint(BannerWidth - emblem.width() - 14, (BannerHeight - emblem.height()) / 2),
                      emblem.toImage());
    painter.end();
    return image;
}

} // namespace art
