#include "shell/desktop_pictures.h"

#include "platform/desktop_words.h"

#include <QFontMetrics>
#include <QPainter>

QFont desktopPictureFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

QStringList desktopCaptionLines(const QString &caption, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        lines << line;
        line = word;
    }
    if (!line.isEmpty())
        lines << line;
    for (QString &l : lines)
        l = metrics.elidedText(l, Qt::ElideRight, width);
    return lines;
}

void drawDesktopCaptions(QImage &picture, const QStringList &captions)
{
    const QColor teal(0x00, 0x80, 0x80);
    QPainter painter(&picture);
    const QFont font = desktopPictureFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255));
    for (qsizetype i = 0; i < captions.size(); ++i) {
        int y = DesktopFirstIconTop + int(i) * DesktopIconSpacing + DesktopCaptionDrop;
        for (const QString &line : desktopCaptionLines(captions[i], metrics)) {
            // Each line on the desktop's own colour, a pixel wider each side.
            const int width = metrics.horizontalAdvance(line);
            const QRect box(DesktopIconCentre - (width + 1) / 2 - 1, y, width + 2, metrics.height());
            painter.fillRect(box, teal);
            painter.drawText(QPoint(box.left() + 1, y + metrics.ascent()), line);
            y += metrics.height();
        }
    }
}

namespace {

// Writes text in black from left, centred between top and bottom.
void writeText(QPainter &painter, int left, int top, int bottom, const QString &text)
{
    const QFontMetrics metrics(painter.font());
    const int baseline = top + (bottom - top + 1 - metrics.height()) / 2 + metrics.ascent();
    painter.drawText(QPoint(left, baseline), text);
}

}  // namespace

void drawFolderBarWords(QImage &bar, const QString &label, const QString &folder)
{
    QPainter painter(&bar);
    const QFont font = desktopPictureFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    writeText(painter, FolderBarLabelLeft, FolderBarTop, FolderBarTop + FolderBarRowHeight - 1,
              withoutAccessMarks(label));
    const QRect box = FolderBarBoxText;
    const QString name = metrics.elidedText(folder, Qt::ElideRight, box.width() - FolderBarNameIndent - 2);
    writeText(painter, box.left() + FolderBarNameIndent, box.top(), box.bottom(), name);
}
