// The Start menu drawn from words, with the fonts the program registers.
#include "platform/picture.h"
#include "shell/desktop_pictures.h"
#include "shell/start_menu.h"
#include "shell/start_menu_picture.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

const QStringList kEnglish = {"&Programs", "&Documents", "&Settings", "&Find", "&Help", "&Run...", "Sh&ut Down..."};
const QStringList kGerman = {"&MS-DOS-Eingabeaufforderung", "&Dokumente", "&Einstellungen", "&Suchen",
                             "&Hilfe", "Ausf&\u00FChren...", "&Beenden..."};
const QStringList kRussian = {
    "&\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B",
    "&\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
    "&\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0430",
    "\u041D&\u0430\u0439\u0442\u0438",
    "&\u0421\u043F\u0440\u0430\u0432\u043A\u0430",
    "\u0412&\u044B\u043F\u043E\u043B\u043D\u0438\u0442\u044C...",
    "&\u0417\u0430\u0432\u0435\u0440\u0448\u0435\u043D\u0438\u0435 \u0440\u0430\u0431\u043E\u0442\u044B...",
};

int blackPixels(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == qRgb(0, 0, 0);
    return n;
}

// The caption as the menu's font writes it with all the room it wants.
int inkOfCaption(const QString &caption)
{
    QImage image(1000, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(desktopPictureFont());
    p.setPen(Qt::black);
    p.drawText(QRect(10, 0, 980, 29), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
    p.end();
    return blackPixels(image, image.rect());
}

TEST(StartMenuPicture, AsWideAsTheLongestCaptionNeedsAndNoCaptionIsCut)
{
    const struct {
        const char *edition;
        QStringList captions;
        bool wider;
    } cases[] = {{"English", kEnglish, false}, {"German", kGerman, true}, {"Russian", kRussian, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edition);
        // Without banner and icons: what is black in a row is its words and
        // its arrow.
        const StartMenuPicture menu(c.captions, QImage(), QImage());
        EXPECT_EQ(menu.width() > 152, c.wider);
        EXPECT_GE(menu.width(), 152);
        const QImage plain = menu.draw(0);
        ASSERT_EQ(plain.size(), QSize(menu.width(), 224));
        for (int row = 1; row <= StartMenuRows; ++row) {
            SCOPED_TRACE(row);
            const QRect band = menu.rowBand(row);
            EXPECT_EQ(band, QRect(24, startMenuRowTop(row), menu.width() - 26, 30));
            const int arrow = row <= 4 ? 16 : 0;
            const int ink = inkOfCaption(c.captions[row - 1]);
            EXPECT_GT(ink, 0);
            EXPECT_EQ(blackPixels(plain, band), ink + arrow);
            // The arrow stands clear of the words: nothing black in the
            // eight columns before it.
            EXPECT_EQ(blackPixels(plain, QRect(band.right() - 17, band.top(), 8, band.height())), 0);

            // Highlighted, the row is navy to the frame, which stays.
            const QImage lit = menu.draw(row);
            EXPECT_EQ(lit.pixel(band.left(), band.top()), qRgb(0, 0, 128));
            EXPECT_EQ(lit.pixel(band.right(), band.top() + 28), qRgb(0, 0, 128));
            EXPECT_EQ(lit.pixel(band.right() + 1, band.top()), qRgb(128, 128, 128));
            EXPECT_EQ(lit.pixel(band.right() + 2, band.top()), qRgb(0, 0, 0));
        }
        // The strip on the taskbar continues the frame's bottom edge.
        const QImage strip = menu.bottomStrip();
        EXPECT_EQ(strip.size(), QSize(menu.width(), 3));
        EXPECT_EQ(strip.pixel(menu.width() - 2, 0), plain.pixel(menu.width() - 2, 222));
        EXPECT_EQ(strip.pixel(menu.width() - 1, 0), qRgb(0, 0, 0));
    }
}

// Above 1x (a HiDPI screen, the course zoom) the menu is its 1x picture at
// that scale, but for the captions, which are written at the screen's
// resolution: where no caption stands, it is the 1x menu copied; in each
// caption's place there is ink, in every row and highlighted too.
TEST(StartMenuPicture, AboveOneTheCaptionsAreWrittenAtTheScreensResolution)
{
    const StartMenuPicture menu(kEnglish, QImage(), QImage());
    const QSize size(menu.width(), 224);
    for (qreal scale : {2.0, 1.5}) {
        SCOPED_TRACE(scale);
        for (int lit : {0, 3}) {
            const QImage at1 = menu.draw(lit);
            const QImage scaled = menu.draw(lit, scale);
            EXPECT_EQ(scaled.devicePixelRatio(), scale);
            EXPECT_EQ(scaled.size(), (QSizeF(size) * scale).toSize());
            const QColor paper(lit == 0 ? qRgb(192, 192, 192) : qRgb(0, 0, 128));
            for (int row = 1; row <= StartMenuRows; ++row) {
                const QRect band = menu.rowBand(row);
                const QRect words(band.left() + 42, band.top() + 6, 60, 17);
                int ink = 0;
                for (int y = int(words.top() * scale); y < int((words.bottom() + 1) * scale); ++y)
                    for (int x = int(words.left() * scale); x < int((words.right() + 1) * scale); ++x)
                        ink += scaled.pixelColor(x, y) != (row == lit ? paper : QColor(192, 192, 192));
                EXPECT_GT(ink, 20) << row;
                // Written anew, not the 1x words copied.
                if (scale == 2) {
                    const QRect at2(words.topLeft() * 2, words.size() * 2);
                    EXPECT_NE(scaled.copy(at2), crispImage(at1, 2).copy(at2)) << row;
                }
            }
            // The frame and the banner's edge, whole pixels of the 1x menu:
            // at 2 each is 2 x 2 screen pixels of its colour.
            if (scale == 2) {
                for (const QPoint &p : {QPoint(0, 0), QPoint(1, 1), QPoint(menu.width() - 1, 100), QPoint(30, 223)})
                    EXPECT_EQ(scaled.pixel(p * 2 + QPoint(1, 1)), at1.pixel(p)) << p.x() << "," << p.y();
            }
        }
    }
}

TEST(StartMenuPicture, GermanAndCyrillicLettersAreThePeriodFontsOwn)
{
    for (const QStringList &captions : {kEnglish, kGerman, kRussian}) {
        for (const QString &caption : captions) {
            QTextLayout layout(QString(caption).remove('&'), desktopPictureFont());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun &run : layout.glyphRuns())
                EXPECT_EQ(run.rawFont().familyName(), "MS Sans Serif") << caption.toStdString();
        }
    }
}

}  // namespace
