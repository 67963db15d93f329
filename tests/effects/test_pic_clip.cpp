#include "effects/pic_clip.h"
#include "support/core_test_support.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The credits strip: 24 cells of 185 x 138 side by side.
constexpr int CellW = 185;
constexpr int CellH = 138;
constexpr int CellCount = 24;

// Cell k is a solid colour of its own with a white marker pixel at (k+1, k+1),
// so a cell cut one pixel off, or the wrong cell, never matches.
QRgb cellColour(int k)
{
    return qRgb(0x12 + 8 * k, 0x34 + 4 * k, 0x56 + 2 * k);
}

const QImage &strip()
{
    static const QImage image = [] {
        QImage img(CellCount * CellW, CellH, QImage::Format_RGB32);
        QPainter p(&img);
        for (int k = 0; k < CellCount; ++k)
            p.fillRect(k * CellW, 0, CellW, CellH, QColor(cellColour(k)));
        p.end();
        for (int k = 0; k < CellCount; ++k)
            img.setPixel(k * CellW + k + 1, k + 1, qRgb(255, 255, 255));
        return img;
    }();
    return image;
}

QImage expectedCell(int k)
{
    return strip().copy(k * CellW, 0, CellW, CellH);
}

QImage rgb32(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// A strip clip as the credits page sets it up.
void setUpStrip(TPicClip &clip, TPicture::Kind kind)
{
    clip.setPicture(TPicture::fromImage(strip(), kind));
    clip.setCols(CellCount);
    clip.setRows(1);
    clip.setMasked(false);
}

std::string errorOf(const std::function<void()> &request)
{
    try {
        request();
    } catch (const EListError &e) {
        return e.what();
    }
    return "no error";
}

// The graphic kinds that take the two copying paths.
const TPicture::Kind StripKinds[] = {TPicture::Kind::Bitmap, TPicture::Kind::Gif};

TEST(TPicClip, StartsWithOneEmptyCellAndItsDefaults)
{
    TPicClip clip(QStringLiteral("picClip"));
    EXPECT_EQ(clip.objectName(), QStringLiteral("picClip"));
    EXPECT_EQ(clip.Cols(), 1);
    EXPECT_EQ(clip.Rows(), 1);
    EXPECT_TRUE(clip.Masked());
    EXPECT_EQ(clip.MaskColor(), 0x008080u);
    EXPECT_TRUE(clip.Picture().isEmpty());
    EXPECT_EQ(clip.CellCount(), 0);
}

TEST(TPicClip, CellsAreTheExactSlicesOfTheStrip)
{
    for (TPicture::Kind kind : StripKinds) {
        SCOPED_TRACE(int(kind));
        TPicClip clip;
        setUpStrip(clip, kind);
        EXPECT_EQ(clip.CellCount(), 24);
        EXPECT_EQ(clip.Width(), 185);
        EXPECT_EQ(clip.Height(), 138);

        EXPECT_EQ(rgb32(clip.GraphicCell(0)), expectedCell(0));
        EXPECT_EQ(rgb32(clip.GraphicCell(23)), expectedCell(23));
        EXPECT_EQ(rgb32(clip.GraphicColRow(0, 0)), expectedCell(0));
        EXPECT_EQ(rgb32(clip.GraphicColRow(23, 0)), expectedCell(23));
    }
}

TEST(TPicClip, CellsOfAGridAreNumberedRowByRow)
{
    // 24 cells as 6 columns of 4 rows: the strip cut into four bands.
    QImage grid(6 * CellW, 4 * CellH, QImage::Format_RGB32);
    QPainter p(&grid);
    for (int k = 0; k < 24; ++k)
        p.drawImage((k % 6) * CellW, (k / 6) * CellH, expectedCell(k));
    p.end();

    for (TPicture::Kind kind : StripKinds) {
        SCOPED_TRACE(int(kind));
        TPicClip clip;
        clip.setPicture(TPicture::fromImage(grid, kind));
        clip.setCols(6);
        clip.setRows(4);
        EXPECT_EQ(clip.GetIndex(2, 3), 20);
        EXPECT_EQ(rgb32(clip.GraphicCell(20)), expectedCell(20));
        EXPECT_EQ(rgb32(clip.GraphicColRow(5, 1)), expectedCell(11));
    }
}

TEST(TPicClip, RequestsOutsideTheGridFailWithTheListIndexError)
{
    TPicClip strip;
    setUpStrip(strip, TPicture::Kind::Gif);
    TPicClip empty;
    empty.setCols(24);

    const struct {
        const char *what;
        TPicClip &clip;
        std::function<void(TPicClip &)> request;
        std::string error;
    } cases[] = {
        {"cell 24", strip, [](TPicClip &c) { c.GraphicCell(24); }, "List index out of bounds (24)"},
        {"cell -1", strip, [](TPicClip &c) { c.GraphicCell(-1); }, "List index out of bounds (-1)"},
        {"column 24", strip, [](TPicClip &c) { c.GraphicColRow(24, 0); }, "List index out of bounds (-1)"},
        {"row 1", strip, [](TPicClip &c) { c.GraphicColRow(0, 1); }, "List index out of bounds (-1)"},
        {"empty, cell 0", empty, [](TPicClip &c) { c.GraphicCell(0); }, "List index out of bounds (0)"},
        {"empty, column 0", empty, [](TPicClip &c) { c.GraphicColRow(0, 0); }, "List index out of bounds (-1)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf([&] { c.request(c.clip); }), c.error);
    }
    EXPECT_EQ(empty.CellCount(), 0);
    EXPECT_EQ(empty.GetIndex(0, 0), -1);
    EXPECT_EQ(strip.GetIndex(24, 0), -1);
    EXPECT_EQ(strip.GetIndex(23, 0), 23);
}

TEST(TPicClip, SettingTheCellSizeChangesTheGridOnlyWhenItFits)
{
    const struct {
        bool horizontal;
        int size;
        int expected;  // Cols or Rows afterwards, from 7
    } cases[] = {
        {true, 0, 7},       {true, -185, 7},   {true, 4441, 7},
        {true, 4440, 1},    {true, 1000, 4},   {true, 185, 24},
        {false, 139, 7},    {false, 0, 7},     {false, 69, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << (c.horizontal ? "Width " : "Height ") << c.size);
        TPicClip clip;
        clip.setPicture(TPicture::fromImage(strip(), TPicture::Kind::Gif));
        clip.setCols(7);
        clip.setRows(7);
        if (c.horizontal) {
            clip.setWidth(c.size);
            EXPECT_EQ(clip.Cols(), c.expected);
            EXPECT_EQ(clip.Rows(), 7);
        } else {
            clip.setHeight(c.size);
            EXPECT_EQ(clip.Rows(), c.expected);
            EXPECT_EQ(clip.Cols(), 7);
        }
    }

    TPicClip empty;
    empty.setWidth(185);
    EXPECT_EQ(empty.Cols(), 1);
}

TEST(TPicClip, EveryRequestOverwritesTheOneWorkBitmap)
{
    for (TPicture::Kind kind : StripKinds) {
        SCOPED_TRACE(int(kind));
        TPicClip clip;
        setUpStrip(clip, kind);
        const QImage &first = clip.GraphicCell(0);
        const QImage kept = first;  // what a caller that keeps a cell does
        const QImage &second = clip.GraphicCell(5);
        EXPECT_EQ(&first, &second);
        EXPECT_EQ(rgb32(second), expectedCell(5));
        EXPECT_EQ(rgb32(kept), expectedCell(0));
    }
}

TEST(TPicClip, ANewPictureResetsMaskColorToItsDefault)
{
    TPicture keyed = TPicture::fromImage(strip(), TPicture::Kind::Bitmap);
    keyed.setTransparentColor(0x00ABCDEF);

    const struct {
        const char *what;
        TPicture picture;
        quint32 expected;
    } cases[] = {
        // A bitmap's own transparent colour is its bottom-left pixel: cell 0's
        // colour, red 0x12 green 0x34 blue 0x56.
        {"bitmap", TPicture::fromImage(strip(), TPicture::Kind::Bitmap), 0x563412},
        {"bitmap with a transparent colour", keyed, 0xABCDEF},
        {"GIF", TPicture::fromImage(strip(), TPicture::Kind::Gif), 0x008080},
        {"icon", TPicture::fromImage(strip(), TPicture::Kind::Icon), 0x008080},
        {"empty", TPicture(), 0x008080},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TPicClip clip;
        clip.setMaskColor(0x0000FF);
        clip.setPicture(c.picture);
        EXPECT_EQ(clip.MaskColor(), c.expected);
    }
}

TEST(TPicClip, RaisesOnChangeWhenThePictureOrMaskColorChanges)
{
    TPicClip clip;
    int changes = 0;
    clip.OnChange.bind([&] { ++changes; });

    clip.setPicture(TPicture::fromImage(strip(), TPicture::Kind::Gif));
    EXPECT_EQ(changes, 1);
    clip.setMaskColor(clip.MaskColor());
    EXPECT_EQ(changes, 1);
    clip.setMaskColor(0x0000FF);
    EXPECT_EQ(changes, 2);
    clip.setCols(24);
    clip.setRows(2);
    clip.setMasked(false);
    EXPECT_EQ(changes, 2);
    clip.setPicture(TPicture());
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(clip.MaskColor(), 0x008080u);

    // Filled in from the form: the stored MaskColor survives the picture.
    clip.setLoading(true);
    clip.setMaskColor(0x00FF00);
    clip.setPicture(TPicture::fromImage(strip(), TPicture::Kind::Bitmap));
    clip.setLoading(false);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(clip.MaskColor(), 0x00FF00u);
}

TEST(TPicClip, CellTransparencyFollowsMaskedAndMaskColor)
{
    const struct {
        bool masked;
        quint32 maskColor;
        bool transparent;
        quint32 transparentColor;
    } cases[] = {
        {true, 0x008080, true, 0x02008080},
        {true, 0x000000, true, 0x02000000},
        {false, 0x008080, false, 0x02008080},
        {true, 0x1FFFFFFF, false, 0x1FFFFFFF},
    };
    for (TPicture::Kind kind : StripKinds) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << int(kind) << " masked " << c.masked << " colour "
                                            << std::hex << c.maskColor);
            TPicClip clip;
            setUpStrip(clip, kind);
            clip.setMasked(c.masked);
            clip.setMaskColor(c.maskColor);
            const QImage &cell = clip.GraphicCell(3);
            EXPECT_EQ(clip.CellTransparent(), c.transparent);
            EXPECT_EQ(clip.CellTransparentColor(), c.transparentColor);
            // The mark only tells how to draw the cell; its pixels stay as they are.
            EXPECT_EQ(rgb32(cell), expectedCell(3));
        }
    }
}

TEST(TPicClip, SilverShowsWhereAGraphicIsTransparentButNotInABitmap)
{
    // Two 2 x 1 cells; the second cell's right pixel is fully transparent.
    QImage image(4, 1, QImage::Format_ARGB32);
    image.fill(qRgb(0, 0, 255));
    image.setPixel(3, 0, qRgba(0, 0, 0, 0));

    const struct {
        TPicture::Kind kind;
        QRgb expected;
    } cases[] = {
        {TPicture::Kind::Gif, qRgb(0xC0, 0xC0, 0xC0)},
        {TPicture::Kind::Bitmap, qRgba(0, 0, 0, 0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.kind));
        TPicClip clip;
        clip.setPicture(TPicture::fromImage(image, c.kind));
        clip.setCols(2);
        const QImage &cell = clip.GraphicCell(1);
        ASSERT_EQ(cell.size(), QSize(2, 1));
        EXPECT_EQ(cell.pixel(0, 0), qRgb(0, 0, 255));
        EXPECT_EQ(cell.pixel(1, 0), c.expected);
    }
}

TEST(TPicClip, AssignCopiesTheGridTheMaskAndThePicture)
{
    TPicClip source;
    setUpStrip(source, TPicture::Kind::Gif);
    source.setRows(1);
    source.setMaskColor(0x0000FF);

    TPicClip copy;
    int changes = 0;
    copy.OnChange.bind([&] { ++changes; });
    copy.Assign(source);

    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Cols(), 24);
    EXPECT_EQ(copy.Rows(), 1);
    EXPECT_FALSE(copy.Masked());
    EXPECT_EQ(copy.MaskColor(), 0x0000FFu);  // not the new picture's default
    EXPECT_EQ(copy.Picture().kind(), TPicture::Kind::Gif);
    EXPECT_EQ(rgb32(copy.GraphicCell(23)), expectedCell(23));
}

// The smallest GIF89a: one pixel, colour 0 of a two-entry table, marked
// transparent by its graphic control extension.
const QByteArray TransparentGif = QByteArray::fromHex(
    "474946383961" "01000100" "800000" "ffffff" "000000"
    "21f90401000000" "00"
    "2c000000000100010000" "02024401" "00" "3b");

TEST(TPicture, LoadingAFileTellsTheGraphicKindFromItsContent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage small(3, 2, QImage::Format_RGB32);
    small.fill(qRgb(10, 20, 30));
    // Names that lie about the content: the content decides.
    const QString bmp = dir.filePath(QStringLiteral("bmp.png"));
    const QString png = dir.filePath(QStringLiteral("png.bmp"));
    const QString ico = dir.filePath(QStringLiteral("icon.ico"));
    const QString gif = dir.filePath(QStringLiteral("pixel.gif"));
    ASSERT_TRUE(small.save(bmp, "BMP"));
    ASSERT_TRUE(small.save(png, "PNG"));
    ASSERT_TRUE(small.save(ico, "ICO"));
    writeFile(gif, TransparentGif);

    const struct {
        QString path;
        TPicture::Kind kind;
        QSize size;
        bool transparent;
    } cases[] = {
        {bmp, TPicture::Kind::Bitmap, QSize(3, 2), false},
        {png, TPicture::Kind::Other, QSize(3, 2), false},
        {ico, TPicture::Kind::Icon, QSize(3, 2), true},  // icons carry a mask
        {gif, TPicture::Kind::Gif, QSize(1, 1), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        TPicture picture;
        ASSERT_TRUE(picture.load(c.path));
        EXPECT_EQ(picture.kind(), c.kind);
        EXPECT_EQ(picture.size(), c.size);
        EXPECT_EQ(picture.transparent(), c.transparent);
        EXPECT_FALSE(picture.isEmpty());
    }

    TPicture missing = TPicture::fromImage(small, TPicture::Kind::Bitmap);
    EXPECT_FALSE(missing.load(dir.filePath(QStringLiteral("none.gif"))));
    EXPECT_EQ(missing.kind(), TPicture::Kind::None);
    EXPECT_TRUE(missing.isEmpty());
}

TEST(TPicture, ATransparentBitmapLeavesItsTransparentColourUndrawn)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x12, 0x34, 0x56));  // bottom-left: the transparent colour
    image.setPixel(1, 0, qRgb(0, 255, 0));
    TPicture bitmap = TPicture::fromImage(image, TPicture::Kind::Bitmap);
    EXPECT_EQ(bitmap.transparentColor(), 0x02563412u);

    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        bitmap.setTransparent(transparent);
        QImage canvas(2, 1, QImage::Format_RGB32);
        canvas.fill(qRgb(255, 0, 0));
        QPainter p(&canvas);
        bitmap.draw(p, QPoint(0, 0));
        p.end();
        EXPECT_EQ(canvas.pixel(0, 0), transparent ? qRgb(255, 0, 0) : qRgb(0x12, 0x34, 0x56));
        EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 255, 0));
    }
}

}  // namespace
