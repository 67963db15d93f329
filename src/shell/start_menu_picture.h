#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// The open Start menu as the period desktop drew it, from its rows' words:
// the raised frame, the banner down its left side, and the seven rows (each
// its icon, its caption with the access letter underlined and, for the first
// four, a submenu's arrow), the etched line between Run and Shut Down, and
// the highlight of the row under the pointer. The menu is 152 pixels wide,
// and wider when a caption needs it; its left part, its rows' heights, the
// banner and the line stay where they are.
inline constexpr int StartMenuHeight = 224;
inline constexpr int StartMenuNarrowest = 152;
// The banner's place; make_artwork draws its picture.
inline constexpr QRect StartMenuBanner(3, 3, 21, StartMenuHeight - 5);
// A row's icon is this big; the pictures of the seven lie side by side.
inline constexpr int StartMenuIconSize = 32;

// The rows' captions are written in desktopPictureFont().

class StartMenuPicture {
public:
    // captions: one a row, '&' before the access letter. banner: the picture
    // for StartMenuBanner. icons: the rows' icons side by side in the order of
    // the rows, transparent where the menu shows through.
    StartMenuPicture(const QStringList &captions, const QImage &banner, const QImage &icons);

    int width() const { return m_width; }
    QSize size() const { return {m_width, StartMenuHeight}; }
    // The band of a row (1 to 7) that the pointer picks it in: from the
    // banner to the frame, 30 pixels high.
    QRect rowBand(int row) const;
    // The rows' access letters, one a row (a null character for a row
    // without one), for startMenuKey.
    QString accessLetters() const { return m_letters; }

    // The open menu with a row highlighted (1 to 7), or none (0).
    QImage draw(int highlightedRow) const;
    // The same at a scale of the screen (a HiDPI screen, the course zoom):
    // the picture copied to the scale (crispImage), the captions written at
    // the screen's own resolution, as sharp as the windows' text. The image
    // carries the scale as its device pixel ratio.
    QImage draw(int highlightedRow, qreal scale) const;
    // The menu's bottom edge, three pixel rows, where it continues across
    // the strip of the taskbar that the Start button's toolbar covers.
    QImage bottomStrip() const;

private:
    // Everything but the captions, at 1x.
    QImage drawPicture(int highlightedRow) const;
    void drawCaptions(QPainter &p, int highlightedRow, const QFont &font) const;

    QStringList m_captions;
    QImage m_banner;
    QImage m_icons;
    QString m_letters;
    int m_width = StartMenuNarrowest;
};
