// The committed files in assets/ are what the tools that make them write
// today, so a change to a tool's drawing or outline cannot ship without its
// file (and a file edited by hand shows up). Only the pictures drawn without
// fonts are compared: those drawn with text depend on the fonts installed.

#include "make_artwork/app_icon.h"
#include "make_artwork/icons16.h"
#include "make_artwork/icons32.h"
#include "make_artwork/image_lists.h"
#include "make_artwork/nav_icons.h"
#include "make_artwork/tree_icons.h"
#include "make_outline/edition_outline.h"
#include "support/core_test_support.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

QString assetPath(const char *name)
{
    return QStringLiteral(QUILLAN_ASSETS_DIR "/") + QLatin1String(name);
}

TEST(CommittedAssets, CourseOutlineIsWhatMakeOutlineWrites)
{
    EXPECT_EQ(readFile(assetPath("course_outline.bin")), editionOutlineStream());
}

TEST(CommittedAssets, PixelArtPicturesAreWhatMakeArtworkDraws)
{
    const struct {
        const char *file;
        std::function<art::Grid()> draw;
    } pictures[] = {
        {"nav_back.png", art::backIcon},
        {"nav_forward.png", art::forwardIcon},
        {"nav_contents.png", art::contentsIcon},
        {"nav_exit.png", art::exitIcon},
        {"tree_book.png", art::chapterIcon},
        {"tree_book_check.png", [] { return art::withTick(art::chapterIcon()); }},
        {"tree_page.png", art::lessonIcon},
        {"tree_page_check.png", [] { return art::withTick(art::lessonIcon()); }},
        {"imgl_start.png", art::startMenuList},
        {"start_icons.png", art::startMenuRowIcons},
        {"imgl_desktop.png", art::desktopList},
        {"imgl_desktop_s.png", art::smallDesktopList},
        {"imgl_buttons.png", art::toolbarButtonList},
        {"wordpad_icon.png", art::largeWordpad},
        {"wordpad_icon16.png", art::smallWordpad},
    };
    for (const auto &p : pictures) {
        SCOPED_TRACE(p.file);
        const QImage committed(assetPath(p.file));
        ASSERT_FALSE(committed.isNull());
        EXPECT_EQ(committed.convertToFormat(QImage::Format_ARGB32), p.draw().toImage());
    }
    // The application icon is pixel art up to 48 pixels.
    for (const int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const QImage committed(assetPath(("app_icon_" + std::to_string(size) + ".png").c_str()));
        ASSERT_FALSE(committed.isNull());
        EXPECT_EQ(committed.convertToFormat(QImage::Format_ARGB32),
                  art::appIcon(size).convertToFormat(QImage::Format_ARGB32));
    }
}

}  // namespace
