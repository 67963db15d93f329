// The Start menu drawn from words, with the fonts the program registers.
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
