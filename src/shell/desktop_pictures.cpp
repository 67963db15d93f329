#include "shell/desktop_pictures.h"

#include "platform/desktop_words.h"

#include <QFile>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

#include <optional>

namespace {

constexpr char kFontFolder[] = "/usr/share/wine/fonts/";
constexpr int kPicturePixels = 11;

}  // namespace

QFont desktopPictureFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma")});
    font.setPixelSize(kPicturePixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    return font;
}

// The face is read from its file, not looked up by name: at 2x and above the
// course leaves the bitmap face out of the fonts its windows may use, yet a
// picture is drawn at 1x and then doubled, so its words must be the 1x ones.
// Without the file, the font of that name (or what stands for it) writes.
struct PictureText::Face {
    std::optional<QRawFont> raw;
    QFont font = desktopPictureFont();
};

PictureText::PictureText(PictureFace which)
{
    auto face = std::make_shared<Face>();
    const bool bold = which == PictureFace::TahomaBold;
    if (bold) {
        face->font = QFont(QStringLiteral("Tahoma"));
        face->font.setPixelSize(kPicturePixels);
        face->font.setBold(true);
    }
    const QString file = QString::fromLatin1(kFontFolder) + (bold ? QStringLiteral("tahomabd.ttf") : QStringLiteral("ms_sans_serif.ttf"));
    if (QFile::exists(file)) {
        QRawFont raw(file, kPicturePixels, QFont::PreferFullHinting);
        if (raw.isValid())
            face->raw = raw;
    }
    m_face = std::move(face);
}

int PictureText::ascent() const
{
    return m_face->raw ? qRound(m_face->raw->ascent()) : QFontMetrics(m_face->font).ascent();
}

int PictureText::height() const
{
    return m_face->raw ? qRound(m_face->raw->ascent() + m_face->raw->descent())
                       : QFontMetrics(m_face->font).height();
}

int PictureText::width(const QString &text) const
{
    if (!m_face->raw)
        return QFontMetrics(m_face->font).horizontalAdvance(text);
    qreal width = 0;
    const QList<quint32> glyphs = m_face->raw->glyphIndexesForString(text);
    for (const QPointF &advance : m_face->raw->advancesForGlyphIndexes(glyphs))
        width += advance.x();
    return qRound(width);
}

QString PictureText::elided(const QString &text, int maxWidth) const
{
    if (width(text) <= maxWidth)
        return text;
    const QString dots(QChar(0x2026));
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString shorter = text.left(keep) + dots;
        if (width(shorter) <= maxWidth)
            return shorter;
    }
    return dots;
}

void PictureText::draw(QPainter &painter, QPoint baselineLeft, const QString &text) const
{
    if (!m_face->raw) {
        painter.setFont(m_face->font);
        painter.drawText(baselineLeft, text);
        return;
    }
    QGlyphRun run;
    run.setRawFont(*m_face->raw);
    const QList<quint32> glyphs = m_face->raw->glyphIndexesForString(text);
    QList<QPointF> positions;
    qreal x = 0;
    for (const QPointF &advance : m_face->raw->advancesForGlyphIndexes(glyphs)) {
        positions << QPointF(x, 0);
        x += advance.x();
    }
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(baselineLeft, run);
}

QStringList desktopCaptionLines(const QString &caption, const PictureText &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || text.width(longer) <= width) {
            line = longer;
            continue;
        }
        lines << line;
        line = word;
    }
    if (!line.isEmpty())
        lines << line;
    for (QString &l : lines)
        l = text.elided(l, width);
    return lines;
}

void drawDesktopCaptions(QImage &picture, const QStringList &captions)
{
    const QColor teal(0x00, 0x80, 0x80);
    const PictureText text;
    QPainter painter(&picture);
    painter.setPen(QColor(255, 255, 255));
    for (qsizetype i = 0; i < captions.size(); ++i) {
        int y = DesktopFirstIconTop + int(i) * DesktopIconSpacing + DesktopCaptionDrop;
        for (const QString &line : desktopCaptionLines(captions[i], text)) {
            // Each line on the desktop's own colour, a pixel wider each side.
            const int width = text.width(line);
            const QRect box(DesktopIconCentre - (width + 1) / 2 - 1, y, width + 2, text.height());
            painter.fillRect(box, teal);
            text.draw(painter, QPoint(box.left() + 1, y + text.ascent()), line);
            y += text.height();
        }
    }
}

void drawFolderBarWords(QImage &bar, const QString &label, const QString &folder)
{
    const PictureText text;
    QPainter painter(&bar);
    painter.setPen(QColor(0, 0, 0));
    // Each word from its left end, centred between the top and the bottom.
    const auto write = [&](int left, int top, int bottom, const QString &words) {
        text.draw(painter, QPoint(left, top + (bottom - top + 1 - text.height()) / 2 + text.ascent()), words);
    };
    write(FolderBarLabelLeft, FolderBarTop, FolderBarTop + FolderBarRowHeight - 1, withoutAccessMarks(label));
    const QRect box = FolderBarBoxText;
    write(box.left() + FolderBarNameIndent, box.top(), box.bottom(),
          text.elided(folder, box.width() - FolderBarNameIndent - 2));
}

QList<DesktopWordRoom> desktopWordRooms()
{
    // The room inside each control for its word, in pixels: a label ends
    // before the field beside it, a button's word keeps its margins.
    constexpr int buttonRoom = 75 - 12;
    constexpr int labelRoom = 80 - 8 - 2;
    return {
        {"StartButton", PictureFace::TahomaBold, 56 - 4 - 16 - 4, "the Start button"},
        {"LookIn", PictureFace::MsSansSerif, 60 - FolderBarLabelLeft - 1, "the dialog's folder bar"},
        {"MyDocuments", PictureFace::MsSansSerif, FolderBarBoxText.width() - FolderBarNameIndent - 2,
         "the dialog's folder box"},
        {"FileName", PictureFace::MsSansSerif, labelRoom, "the dialog's label"},
        {"FilesOfType", PictureFace::MsSansSerif, labelRoom, "the dialog's label"},
        {"FilterWordpad", PictureFace::MsSansSerif, 233 - 4 - 16 - 4, "the dialog's type box"},
        {"FilterText", PictureFace::MsSansSerif, 233 - 4 - 16 - 4, "the dialog's type box"},
        {"FilterAll", PictureFace::MsSansSerif, 233 - 4 - 16 - 4, "the dialog's type box"},
        {"ButtonOpen", PictureFace::MsSansSerif, buttonRoom, "a button"},
        {"ButtonSave", PictureFace::MsSansSerif, buttonRoom, "a button"},
        {"ButtonCancel", PictureFace::MsSansSerif, buttonRoom, "a button"},
        {"ButtonYes", PictureFace::MsSansSerif, buttonRoom, "a button"},
        {"ButtonNo", PictureFace::MsSansSerif, buttonRoom, "a button"},
    };
}

QList<std::pair<QByteArray, QString>> desktopWordsTooLong(const DesktopWords &words)
{
    QList<std::pair<QByteArray, QString>> problems;
    for (const DesktopWordRoom &room : desktopWordRooms()) {
        const int width = PictureText(room.face).width(words.plain(room.key));
        if (width > room.width) {
            problems.append({QByteArray(room.key), QStringLiteral("too long for %1 (%2 pixels, room for %3)")
                                                       .arg(QLatin1String(room.control))
                                                       .arg(width)
                                                       .arg(room.width)});
        }
    }
    return problems;
}
