#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// A picture: one graphic of any kind, held by value. It knows what kind of
// graphic it holds, its image and size, and, the way the classic toolkits keep
// them, a transparent colour and a transparency flag.
//
// Colours here are 32-bit values 0x00BBGGRR; NoColor stands for no colour at
// all, and TransparentFlag is the bit the classic bitmaps set on their
// transparent colour.
//
// Owners hand out a picture by const reference and replace it as a whole, so
// the owner always knows when its picture changes.
class TPicture {
public:
    enum class Kind { None, Bitmap, Gif, Icon, Other };

    static constexpr quint32 NoColor = 0x1FFFFFFF;
    static constexpr quint32 TransparentFlag = 0x02000000;

    TPicture() = default;

    // A graphic of the given kind made from an image. Kind::None, or a null
    // image with another kind, gives a graphic that reports itself empty.
    static TPicture fromImage(const QImage &image, Kind kind);

    // Replaces the graphic with the file's (resource paths work too). The kind
    // follows the file's content: BMP is a bitmap, GIF a GIF, ICO and CUR an
    // icon, anything else readable "other". A file that cannot be read leaves
    // the picture empty (kind None) and returns false.
    bool load(const QString &path);
    void clear() { *this = TPicture(); }

    Kind kind() const { return m_kind; }
    bool isBitmap() const { return m_kind == Kind::Bitmap; }
    // No graphic, or a graphic without pixels.
    bool isEmpty() const { return m_kind == Kind::None || m_image.isNull(); }

    const QImage &image() const { return m_image; }
    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // A bitmap's transparent colour, always with TransparentFlag set: the one
    // set explicitly, otherwise the colour of its bottom-left pixel. Other
    // graphics keep their transparency in their pixels and report NoColor
    // unless a colour was set.
    quint32 transparentColor() const;
    void setTransparentColor(quint32 color) { m_transparentColor = color | TransparentFlag; m_colorSet = true; }

    // Whether the graphic is drawn with transparency. A bitmap starts opaque
    // (its transparent colour then counts only when this is switched on);
    // other graphics are transparent when their image has an alpha channel.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on) { m_transparent = on; }

    // Draws the graphic with its top-left corner at a point, or scaled into a
    // rectangle. A transparent bitmap leaves its transparent colour undrawn.
    void draw(QPainter &painter, QPoint at) const;
    void drawScaled(QPainter &painter, const QRect &target) const;

    // Conversions between 0x00BBGGRR values and Qt's colours (alpha dropped).
    static quint32 colorOf(QRgb rgb);
    static QRgb rgbOf(quint32 color);

private:
    QImage drawable() const;

    Kind m_kind = Kind::None;
    QImage m_image;
    quint32 m_transparentColor = NoColor;
    bool m_colorSet = false;
    bool m_transparent = false;
};

// A picture of the course's pixels at a scale of the screen: each pixel
// copied N x N at the whole scale N, never smoothed; at a fractional scale
// copied to the whole scale above and smoothed down to the screen's pixels,
// which blends only the edges between the picture's pixels, by one screen
// pixel at most (copying straight to 1.5 would make every other pixel twice
// as wide as its neighbour, smoothing the picture itself would blur all of
// it). The result carries the scale as its device pixel ratio; at 1, or for
// a picture that carries a ratio already, the picture itself.
QImage crispImage(const QImage &picture, qreal scale);
