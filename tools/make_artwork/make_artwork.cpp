// make_artwork draws the pictures that ship in assets/: the banner of the
// "Select language" dialog, the picture on the title page, the emblem at the
// top of the closing credits, the icons of the info panel's navigation
// buttons and those of the course outline in the contents dialog, the image
// lists and bars of the simulated programs, the Start menu's banner and its
// rows' icons (the program writes the rows' words itself) and the icons of
// the simulated desktop; and the program's own icon for the
// desktop's menus, app_icon_<size>.png at every size a desktop looks for.
// Everything is drawn here, pixel by pixel or with QPainter, so the pictures
// can be remade at any time and come out byte for byte the same.
//
// Usage: QT_QPA_PLATFORM=offscreen make_artwork <output folder>

#include "app_icon.h"
#include "banner.h"
#include "bars.h"
#include "credits_logo.h"
#include "desktop_icons.h"
#include "icons16.h"
#include "icons32.h"
#include "image_lists.h"
#include "nav_icons.h"
#include "pixel_art.h"
#include "start_menu.h"
#include "title.h"
#include "tree_icons.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

const char *const FontFolder = "/usr/share/wine/fonts/";
const char *const FallbackFamily = "Liberation Sans";

// Loads a period font; returns its family name, or the fallback if the file
// is not there or cannot be read.
QString loadFont(const QString &fileName)
{
    const QString path = QString::fromUtf8(FontFolder) + fileName;
    if (!QFile::exists(path))
        return QString::fromUtf8(FallbackFamily);
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString::fromUtf8(FallbackFamily) : families.first();
}

bool save(const QImage &image, const QDir &folder, const char *name)
{
    const QString path = folder.filePath(QString::fromUtf8(name));
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "make_artwork: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_artwork: no folder %s\n", argv[1]);
        return 2;
    }

    art::BannerFonts fonts;
    const QString tahoma = loadFont(QStringLiteral("tahoma.ttf"));
    const QString tahomaBold = loadFont(QStringLiteral("tahomabd.ttf"));
    const QString msSansSerif = loadFont(QStringLiteral("ms_sans_serif.ttf"));
    // The bold face shares the family name of the regular one; either will do
    // for the title as long as it is not the fallback.
    fonts.title = tahomaBold == QLatin1String(FallbackFamily) ? tahoma : tahomaBold;
    fonts.subtitle = tahoma;
    if (fonts.title == QLatin1String("Tahoma"))
        fonts.titleThickening = 1.4;

    bool ok = save(art::banner(fonts), folder, "banner.png");
    ok = save(art::titlePicture(fonts), folder, "title.png") && ok;
    ok = save(art::creditsLogo(fonts), folder, "credits_logo.png") && ok;
    ok = save(art::backIcon().toImage(), folder, "nav_back.png") && ok;
    ok = save(art::forwardIcon().toImage(), folder, "nav_forward.png") && ok;
    ok = save(art::contentsIcon().toImage(), folder, "nav_contents.png") && ok;
    ok = save(art::exitIcon().toImage(), folder, "nav_exit.png") && ok;
    ok = save(art::chapterIcon().toImage(), folder, "tree_book.png") && ok;
    ok = save(art::withTick(art::chapterIcon()).toImage(), folder, "tree_book_check.png") && ok;
    ok = save(art::lessonIcon().toImage(), folder, "tree_page.png") && ok;
    ok = save(art::withTick(art::lessonIcon()).toImage(), folder, "tree_page_check.png") && ok;
    ok = save(art::startMenuList().toImage(), folder, "imgl_start.png") && ok;
    ok = save(art::desktopList().toImage(), folder, "imgl_desktop.png") && ok;
    ok = save(art::smallDesktopList().toImage(), folder, "imgl_desktop_s.png") && ok;
    ok = save(art::toolbarButtonList().toImage(), folder, "imgl_buttons.png") && ok;
    ok = save(art::largeWordpad().toImage(), folder, "wordpad_icon.png") && ok;
    ok = save(art::smallWordpad().toImage(), folder, "wordpad_icon16.png") && ok;
    ok = save(art::formatBar(msSansSerif), folder, "format_bar.png") && ok;
    ok = save(art::openFolderBar(), folder, "open_folder_bar.png") && ok;

    // The name down the Start menu's banner is in Arial's shapes, which
    // Liberation Sans shares.
    ok = save(art::startBanner(QStringLiteral("Liberation Sans")), folder, "start_banner.png") && ok;
    ok = save(art::startMenuRowIcons().toImage(), folder, "start_icons.png") && ok;
    ok = save(art::desktopIcons(), folder, "desktop_icons.png") && ok;
    for (const int size : art::AppIconSizes) {
        const QByteArray name = "app_icon_" + QByteArray::number(size) + ".png";
        ok = save(art::appIcon(size), folder, name.constData()) && ok;
    }
    return ok ? 0 : 1;
}
