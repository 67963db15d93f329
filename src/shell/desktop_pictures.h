#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

#include <memory>
#include <utility>

class DesktopWords;
class QPainter;

// The words written on the simulated desktop's pictures at run time, in the
// learner's language: the captions of the desktop's icons and the folder bar
// of the Open/Save dialog. The pictures themselves are drawn without words.

// The lessons show one column of four icons, 75 pixels apart, centred 38
// pixels from the left.
inline constexpr int DesktopIconCentre = 38;
inline constexpr int DesktopFirstIconTop = 4;
inline constexpr int DesktopIconSpacing = 75;
// From the top of an icon to the top of its caption.
inline constexpr int DesktopCaptionDrop = 34;
// The widest a caption's line may be; a longer caption wraps between words,
// and a word wider than this is cut short with "...", as the period desktop
// showed an icon that was not selected.
inline constexpr int DesktopCaptionWidth = 74;

// The font written on the pictures, the Start menu's too: MS Sans Serif 8
// point (11 pixels), hinted, never smoothed, as the period's menus were; a
// letter it lacks comes from Tahoma, as crisp.
QFont desktopPictureFont();

// Words written on a picture in that font, the same at every scale of the
// screen (a picture is drawn at 1x and shown with its pixels doubled at 2x).
enum class PictureFace { MsSansSerif, TahomaBold };

class PictureText {
public:
    explicit PictureText(PictureFace face = PictureFace::MsSansSerif);
    int ascent() const;
    int height() const;
    int width(const QString &text) const;
    // The text cut short with "..." to fit the width.
    QString elided(const QString &text, int maxWidth) const;
    void draw(QPainter &painter, QPoint baselineLeft, const QString &text) const;

private:
    struct Face;
    std::shared_ptr<const Face> m_face;
};

// A caption's lines, wrapped between words to fit the width.
QStringList desktopCaptionLines(const QString &caption, const PictureText &text,
                                int width = DesktopCaptionWidth);

// Writes the captions under the icons of the picture, white on the desktop's
// teal, one per icon from the top.
void drawDesktopCaptions(QImage &picture, const QStringList &captions);

// The folder bar at the top of the Open/Save dialog: its label ("Look in:",
// drawn without its access mark) at the left, and the folder's name in its
// drop-down box after the folder's icon, cut short with "..." when too long.
inline constexpr int FolderBarLabelLeft = 8;
inline constexpr int FolderBarTop = 5;
inline constexpr int FolderBarRowHeight = 22;
inline constexpr QRect FolderBarBoxText(62, 7, 181, 18);  // the box's text space
inline constexpr int FolderBarNameIndent = 21;            // past the folder's icon
void drawFolderBarWords(QImage &bar, const QString &label, const QString &folder);

// The desktop words that must fit a control of fixed size (a label, a button,
// the Start button), with the room they have at the face they are shown in.
// The others have room enough: menus and the Start menu grow with their
// words, and an icon's caption wraps (a single word too long is cut short
// with "...", as the period desktop did).
struct DesktopWordRoom {
    const char *key;
    PictureFace face;
    int width;
    const char *control;
};
QList<DesktopWordRoom> desktopWordRooms();
// Each word that does not fit: its key, and "too long for <control> (<n>
// pixels, room for <m>)".
QList<std::pair<QByteArray, QString>> desktopWordsTooLong(const DesktopWords &words);
