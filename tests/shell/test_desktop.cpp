#include "platform/desktop_words.h"
#include "shell/desktop_pictures.h"
#include "support/core_test_support.h"

#include <QFontMetrics>
#include <QImage>

#include <functional>

#include <gtest/gtest.h>

namespace {

// With the English words, the desktop's pictures are what they were when
// their words were drawn into them: each picture with its words written at
// run time is the former one, pixel for pixel.
TEST(Desktop, TheEnglishWordsAreWrittenAsTheyWereDrawn)
{
    const struct {
        const char *picture;
        std::function<void(QImage &)> write;
        QRect shown;  // of the former picture, what the lessons show
    } cases[] = {
        {"desktop_icons.png",
         [](QImage &p) {
             drawDesktopCaptions(p, {desktopWord("MyComputer"), desktopWord("NetworkNeighborhood"),
                                     desktopWord("RecycleBin"), desktopWord("InternetExplorer")});
         },
         QRect(0, 0, 80, 298)},
        {"open_folder_bar.png",
         [](QImage &p) { drawFolderBarWords(p, desktopWord("LookIn"), desktopWord("MyDocuments")); },
         QRect(0, 0, 412, 31)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.picture);
        const QImage before = QImage(QStringLiteral(QUILLAN_TEST_ASSETS "/english/") + QLatin1String(c.picture))
                                  .copy(c.shown)
                                  .convertToFormat(QImage::Format_RGB32);
        QImage now = QImage(QStringLiteral(":/") + QLatin1String(c.picture)).convertToFormat(QImage::Format_RGB32);
        c.write(now);
        ASSERT_EQ(now.size(), before.size());
        const int differing = differingPixels(now, before);
        EXPECT_EQ(differing, 0);
        if (differing)
            now.save(QStringLiteral("now-") + QLatin1String(c.picture));
    }
}

TEST(Desktop, ACaptionWrapsBetweenWordsAndALongWordIsCutShort)
{
    const PictureText metrics;
    const struct {
        const char *caption;
        QStringList lines;
    } cases[] = {
        {"My Computer", {"My Computer"}},
        {"Network Neighborhood", {"Network", "Neighborhood"}},
        {"Internet Explorer", {"Internet", "Explorer"}},
        {"Сетевое окружение", {"Сетевое", "окружение"}},
        {"Netzwerkumgebungsverbindungen", {metrics.elided("Netzwerkumgebungsverbindungen", 74)}},
    };
    for (const auto &c : cases) {
        const QStringList lines = desktopCaptionLines(QString::fromUtf8(c.caption), metrics);
        EXPECT_EQ(lines, c.lines) << c.caption;
        for (const QString &line : lines)
            EXPECT_LE(metrics.width(line), DesktopCaptionWidth) << line.toStdString();
    }
    EXPECT_TRUE(desktopCaptionLines(QString::fromUtf8("Netzwerkumgebungsverbindungen"), metrics)
                    .first()
                    .endsWith(QChar(0x2026)));
}

}  // namespace
