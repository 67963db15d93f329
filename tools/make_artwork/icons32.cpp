#include "icons32.h"

#include "drawing.h"
#include "globe.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr double Pi = 3.14159265358979323846;

// A white sheet with its top right corner folded over.
Grid largePage()
{
    Grid g(32, 32);
    for (int y = 1; y <= 30; ++y)
        hline(g, 5, y < 8 ? 18 + y : 26, y, 'w');
    hline(g, 5, 19, 1, 'k');
    vline(g, 5, 1, 30, 'k');
    hline(g, 5, 26, 30, 'k');
    vline(g, 26, 8, 30, 'k');
    for (int i = 0; i <= 7; ++i)
        g.set(19 + i, 1 + i, 'k');
    vline(g, 19, 1, 8, 'k');
    hline(g, 19, 26, 8, 'k');
    return g;
}

// Lines of writing on the large page, every other row from 'first' to
// 'last'; beside the folded corner they stop short of it.
void writing(Grid &g, int first, int last, char ink)
{
    static const int ends[] = { 23, 20, 23, 22, 16, 23, 21, 23, 18, 22 };
    for (int y = first, i = 0; y <= last; y += 2, ++i)
        hline(g, 8, std::min(ends[i % 10], y < 9 ? 16 : 99), y, ink);
}

// A computer in miniature: a monitor on a flat system unit. 'width' is
// the width of the unit's front; the whole is about as tall as it is wide.
void miniComputer(Grid &g, int x, int y, int width)
{
    const int screen = width - 4;     // the monitor's front
    const int tall = screen - 2;
    const int unitTop = y + tall + 2;
    box(g, x, unitTop, width, 4, 2);
    hline(g, x + 1, x + width - 2, unitTop + 1, 'w');
    hline(g, x + width - 6, x + width - 3, unitTop + 2, 'k');
    g.set(x + 2, unitTop + 2, 'l');
    box(g, x + 2, y + 2, screen, tall, 2);
    hline(g, x + 3, x + screen, y + 3, 'w');
    vline(g, x + 3, y + 3, y + tall, 'w');
    fill(g, x + 4, y + 4, x + screen - 1, y + tall - 2, 't');
    hline(g, x + 4, x + screen - 1, y + 4, 'k');
    vline(g, x + 4, y + 4, y + tall - 2, 'k');
    g.set(x + 6, y + 6, 'a');
    g.set(x + 7, y + 6, 'a');
    g.set(x + 6, y + 7, 'a');
}

// A disc lying flat: an ellipse of silver catching the light in a rainbow
// along one diagonal, with the hole in the middle.
Grid disc(int w, int h)
{
    Grid g(w, h);
    const double rx = w / 2.0 - 1.0;
    const double ry = h / 2.0 - 1.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - w / 2.0) / rx;
            const double dy = (y + 0.5 - h / 2.0) / ry;
            const double d = std::hypot(dx, dy);
            if (d > 1.0 || d < 0.14)
                continue;
            char code = 's';
            if (d < 0.3)
                code = d < 0.22 ? 'd' : 'w';
            else if (std::abs(dx - dy) < 0.14 && d > 0.42)
                code = dx < 0 ? (d < 0.72 ? 'a' : 'f') : (d < 0.72 ? 'y' : 'l');
            else if (dx + dy < -0.55 && d > 0.45)
                code = 'w';
            g.set(x, y, code);
        }
    g.outline('k');
    return g;
}

// The tab of a folder, the top edge of its back and its left edge.
void folderTab(Grid &g)
{
    hline(g, 2, 10, 5, 'k');
    g.set(1, 6, 'k');
    hline(g, 2, 10, 6, 'y');
    g.set(2, 6, 'w');
    g.set(11, 6, 'k');
    vline(g, 0, 7, 28, 'k');
    hline(g, 1, 11, 7, 'y');
    g.set(1, 7, 'w');
    hline(g, 12, 28, 7, 'k');
}

// The back of an open folder: its tab, and the inside seen above the front.
void openFolderBack(Grid &g)
{
    folderTab(g);
    fill(g, 1, 8, 28, 12, 'y');
    fill(g, 1, 13, 5, 27, 'y');
    vline(g, 1, 8, 27, 'w');
    vline(g, 29, 8, 13, 'k');
}

// The front of an open folder, fallen open towards us.
void openFolderFront(Grid &g)
{
    for (int y = 13; y <= 28; ++y) {
        const int shift = static_cast<int>(std::lround((y - 13) * 6.0 / 15.0));
        const int left = 6 - shift;
        const int right = 31 - shift;
        if (y == 13 || y == 28) {
            hline(g, left, right, y, 'k');
            continue;
        }
        hline(g, left + 1, right - 1, y, y == 14 ? 'w' : y == 27 ? 'o' : 'y');
        g.set(left, y, 'k');
        g.set(left + 1, y, 'w');
        g.set(right - 1, y, 'o');
        g.set(right, y, 'k');
    }
}


// A program window in miniature, w x h pixels with its top left at (x, y):
// black outline, navy title bar with the window's buttons, white inside.
void miniWindow(Grid &g, int x, int y, int w, int h)
{
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    fill(g, x + 1, y + 1, right - 1, bottom - 1, 's');
    bevel(g, x, y, right, bottom, 'k', 'k');
    fill(g, x + 1, y + 1, right - 1, y + 3, 'n');
    g.set(x + 2, y + 2, 'w');
    hline(g, x + 4, x + 6, y + 2, 'b');
    hline(g, right - 4, right - 1, y + 2, 's');
    g.set(right - 3, y + 2, 'n');
    fill(g, x + 2, y + 5, right - 2, bottom - 2, 'w');
    hline(g, x + 2, right - 2, y + 5, 'd');
    vline(g, x + 2, y + 5, bottom - 2, 'd');
}

// A cogwheel round (cx, cy): 'teeth' square teeth reaching out to 'outer'
// on a wheel 'inner' in radius, with a dark hub; lit from the top left.
Grid cogwheel(int w, int h, double cx, double cy, double outer, double inner, int teeth, double hub)
{
    Grid g(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - cy;
            const double d = std::hypot(dx, dy);
            bool inside = d <= inner;
            for (int i = 0; i < teeth && !inside; ++i) {
                const double angle = 2 * Pi * i / teeth;
                const double along = dx * std::cos(angle) + dy * std::sin(angle);
                const double across = -dx * std::sin(angle) + dy * std::cos(angle);
                inside = along > 0 && along <= outer && std::abs(across) <= 1.6;
            }
            if (!inside)
                continue;
            const double light = (-dx - dy) / (d + 0.001);
            char code = 's';
            if (d < hub)
                code = 'k';
            else if (d < hub + 1.0)
                code = light > 0.3 ? 'd' : light < -0.3 ? 'w' : 's';
            else if (d > inner - 1.5)
                code = light > 0.3 ? 'w' : light < -0.3 ? 'd' : 's';
            g.set(x, y, code);
        }
    g.outline('k');
    return g;
}

// A sheet of paper w x h with its top left corner at (x, y), outlined in
// black, its top right corner folded over, and lines of writing in 'ink'.
void sheet(Grid &g, int x, int y, int w, int h, char ink)
{
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    const int fold = 4;
    for (int row = y; row <= bottom; ++row)
        hline(g, x, row - y < fold ? right - fold + (row - y) : right, row, 'w');
    hline(g, x, right - fold, y, 'k');
    vline(g, x, y, bottom, 'k');
    hline(g, x, right, bottom, 'k');
    vline(g, right, y + fold, bottom, 'k');
    for (int i = 0; i <= fold; ++i)
        g.set(right - fold + i, y + i, 'k');
    vline(g, right - fold, y, y + fold, 'k');
    hline(g, right - fold, right, y + fold, 'k');
    for (int row = y + 3, i = 0; row <= bottom - 2; row += 2, ++i) {
        const int end = row - y <= fold ? right - fold - 2 : right - 2 - (i % 3 == 1 ? 3 : 0);
        hline(g, x + 2, end, row, ink);
    }
}

} // namespace

Grid largeFolder()
{
    Grid g(32, 32);
    folderTab(g);
    fill(g, 1, 8, 28, 9, 'y');
    vline(g, 1, 8, 9, 'w');
    vline(g, 29, 8, 28, 'k');
    // The front.
    hline(g, 1, 28, 10, 'w');
    fill(g, 2, 11, 27, 26, 'y');
    vline(g, 1, 11, 26, 'w');
    vline(g, 28, 10, 27, 'o');
    hline(g, 1, 28, 27, 'o');
    hline(g, 0, 29, 28, 'k');
    return g;
}

Grid largeOpenFolder()
{
    Grid g(32, 32);
    openFolderBack(g);
    openFolderFront(g);
    return g;
}

Grid largeTextDocument()
{
    Grid g = largePage();
    writing(g, 5, 27, 'k');
    return g;
}

Grid largeWordDocument()
{
    Grid g = largePage();
    hline(g, 8, 15, 5, 'n');
    writing(g, 9, 19, 'n');
    hline(g, 8, 14, 21, 'n');
    g.paste(fountainPen(32, 32, 30.5, 13.0, 17.0, 28.5, 2.0), 0, 0);
    return g;
}

Grid largePaintPicture()
{
    Grid g = largePage();
    // A framed landscape: sky with a sun, hills, a red-roofed house.
    const int x0 = 8, y0 = 10, x1 = 23, y1 = 24;
    fill(g, x0, y0, x1, y1, 'a');
    for (int x = x0; x <= x1; ++x) {
        const int hill = y0 + 9 + static_cast<int>(std::lround(2.0 * std::sin((x - x0) * 0.45)));
        vline(g, x, hill, y1, 'l');
        vline(g, x, hill + 3, y1, 'g');
    }
    ellipse(g, 19.5, 13.5, 2.2, 2.2, 'y');
    fill(g, 11, 17, 14, 20, 'w');
    hline(g, 11, 14, 16, 'r');
    hline(g, 12, 13, 15, 'r');
    g.set(12, 19, 'n');
    bevel(g, x0 - 1, y0 - 1, x1 + 1, y1 + 1, 'k', 'k');
    // The brush.
    g.paste(Grid::fromRows({
                ".........kk",
                "........kmk",
                ".......kmmk",
                "......kmmk.",
                ".....kmmk..",
                "....kssk...",
                "...ksdk....",
                "..kbbk.....",
                ".kbbk......",
                "kbbk.......",
                "kkk........",
            }),
            18, 19);
    return g;
}

Grid largeInternet()
{
    Grid g = largePage();
    writing(g, 5, 11, 'd');
    g.paste(globe(21), 11, 11);
    return g;
}

Grid largeComputer()
{
    Grid g(32, 32);
    // The system unit, with its disc slot and lamps.
    box(g, 1, 22, 27, 7, 3);
    hline(g, 2, 26, 23, 'w');
    vline(g, 2, 23, 27, 'w');
    hline(g, 15, 24, 25, 'k');
    hline(g, 15, 24, 26, 'w');
    g.set(23, 27, 'd');
    g.set(5, 25, 'l');
    g.set(8, 25, 'y');
    // The monitor.
    box(g, 5, 4, 19, 16, 3);
    hline(g, 6, 22, 5, 'w');
    vline(g, 6, 5, 18, 'w');
    bevel(g, 7, 6, 21, 16, 'd', 'w');
    fill(g, 8, 7, 20, 15, 't');
    hline(g, 8, 20, 7, 'k');
    vline(g, 8, 7, 15, 'k');
    g.set(10, 9, 'a');
    g.set(11, 9, 'a');
    g.set(10, 10, 'a');
    g.set(20, 18, 'l');
    hline(g, 9, 14, 18, 'd');
    return g;
}

Grid largeRecycleBin(bool full)
{
    Grid g(32, 32);
    const double cx = 15.5;
    // The basket of wire mesh, narrowing to its foot.
    for (int y = 7; y <= 30; ++y)
        for (int x = 0; x < 32; ++x) {
            const double t = (y - 7) / 22.0;
            const double half = 11.5 - 3.0 * t;
            const double u = (x + 0.5 - cx) / half;
            if (std::abs(u) > 1.0)
                continue;
            if (y > 27 && (y - 27.0) > 1.5 * std::sqrt(1.0 - u * u))
                continue;
            const int slat = static_cast<int>(std::floor((std::asin(u) + Pi / 2) / (Pi / 12)));
            char code = slat % 2 ? 'd' : 's';
            if ((y - 7) % 5 == 4)
                code = 's';
            if (u < -0.55 && code == 's')
                code = 'w';
            if (u > 0.65 && code == 'd')
                code = 'k';
            g.set(x, y, code);
        }
    // The rim, and the dark inside of the basket seen over it.
    ellipse(g, cx, 7.0, 12.5, 3.6, 's');
    ellipse(g, cx, 6.6, 12.0, 3.0, 'w');
    ellipse(g, cx, 7.0, 10.6, 2.4, 'd');
    ellipse(g, cx, 7.4, 10.0, 1.8, 'k');
    // The recycling arrows.
    g.paste(Grid::fromRows({
                "....gll....",
                "...gl.gl...",
                "..gl...gk..",
                ".gkk..kggk.",
                "gl.......gl",
                "gllllklllgk",
                ".kkkkkkkkk.",
            }),
            10, 16);
    g.outline('k');
    if (full)
        g.paste(Grid::fromRows({
                    "..........kkkkkk.........",
                    "...kkkk...kwwwwk..kkkk...",
                    "..kwwswk..kwkkwk.kwwwsk..",
                    ".kwswwsskkkwwwwkkwswwwsk.",
                    ".kwwkwwwkwwkwkwkwwwkswsk.",
                    "kwsswwkkwwswkwwkkwwwwwwsk",
                    "kswwwskwwwwwwswwkswwkwwsk",
                    ".kkssskswwkwwwwsdkkwwwsk.",
                }),
                3, 0);
    return g;
}

Grid largeNetwork()
{
    // Two computers joined by a cable.
    Grid g(32, 32);
    vline(g, 4, 18, 29, 'k');
    hline(g, 4, 12, 29, 'k');
    miniComputer(g, 0, 1, 16);
    miniComputer(g, 13, 13, 16);
    return g;
}

Grid largeFloppyDrive()
{
    Grid g(32, 32);
    box(g, 3, 9, 24, 10, 4);
    hline(g, 4, 25, 10, 'w');
    vline(g, 4, 10, 17, 'w');
    // The slot and the lamp.
    hline(g, 14, 24, 12, 'k');
    hline(g, 14, 24, 13, 'w');
    g.set(22, 16, 'g');
    g.set(23, 16, 'g');
    // A disc in front of the drive: the metal shutter at the top, the
    // label below.
    Grid disk(16, 16, 'k');
    disk.set(15, 0, Clear);
    vline(disk, 1, 1, 14, 'd');
    hline(disk, 1, 13, 1, 'd');
    fill(disk, 4, 1, 11, 6, 's');
    vline(disk, 4, 1, 6, 'w');
    vline(disk, 11, 1, 6, 'd');
    hline(disk, 4, 11, 6, 'd');
    fill(disk, 7, 2, 9, 5, 'k');
    fill(disk, 3, 8, 12, 14, 'w');
    hline(disk, 5, 10, 10, 'n');
    hline(disk, 5, 9, 12, 'n');
    g.paste(disk, 0, 15);
    return g;
}

Grid largeHardDisk()
{
    Grid g(32, 32);
    box(g, 1, 13, 26, 11, 4);
    hline(g, 2, 25, 14, 'w');
    vline(g, 2, 14, 22, 'w');
    // A name plate and the lamp.
    bevel(g, 5, 17, 17, 20, 'd', 'w');
    fill(g, 6, 18, 16, 19, 's');
    hline(g, 7, 13, 18, 'd');
    g.set(22, 18, 'l');
    g.set(23, 18, 'l');
    g.set(22, 19, 'g');
    g.set(23, 19, 'g');
    return g;
}

Grid largeCdDrive()
{
    Grid g(32, 32);
    box(g, 1, 21, 26, 7, 4);
    hline(g, 2, 25, 22, 'w');
    vline(g, 2, 22, 26, 'w');
    // The tray, the button and the lamp.
    hline(g, 4, 18, 24, 'd');
    hline(g, 4, 18, 25, 'w');
    bevel(g, 21, 24, 24, 25, 'w', 'k');
    g.set(6, 26, 'g');
    g.paste(disc(28, 16), 2, 1);
    return g;
}

Grid largeControlPanel()
{
    Grid g = largeFolder();
    miniComputer(g, 14, 13, 14);
    // A screwdriver leaning on it.
    g.paste(Grid::fromRows({
                "......kk",
                ".....kdk",
                "....kdk.",
                "...kdk..",
                "..krk...",
                ".krrk...",
                "krmk....",
                "kmk.....",
                "kk......",
            }),
            5, 16);
    return g;
}

Grid largePrintersFolder()
{
    Grid g = largeFolder();
    // A printer in front of the folder.
    g.paste(Grid::fromRows({
                ".....kkkkkkkk.....",
                ".....kwwwwwwk.....",
                ".....kwkkkkwk.....",
                ".....kwwwwwwk.....",
                "...kkkkkkkkkkkkk..",
                "..kwwwwwwwwwwwwsk.",
                ".kwwwwwwwwwwwwsdk.",
                "kkkkkkkkkkkkkkddk.",
                "kwwwwwwwwwwwwkddk.",
                "kwsssssssssslkdk..",
                "kwsddddddddsskk...",
                "kkkkkkkkkkkkkk....",
            }),
            13, 17);
    return g;
}

Grid largePrinter()
{
    Grid g(32, 32);
    // The sheet in the paper holder.
    fill(g, 9, 1, 23, 12, 'w');
    bevel(g, 8, 0, 24, 13, 'k', 'k');
    for (int y = 3; y <= 9; y += 2)
        hline(g, 11, y == 9 ? 17 : 21, y, 'd');
    // The printer.
    box(g, 1, 16, 26, 9, 4);
    hline(g, 7, 25, 13, 'k');  // the slot the paper goes into
    hline(g, 2, 25, 17, 'w');
    vline(g, 2, 17, 23, 'w');
    // Where the printed sheets come out, and the lamp.
    fill(g, 5, 20, 20, 21, 'k');
    hline(g, 5, 20, 22, 'w');
    g.set(23, 20, 'l');
    g.set(23, 21, 'g');
    // A sheet coming out of the front.
    fill(g, 6, 26, 19, 28, 'w');
    bevel(g, 5, 25, 20, 29, 'k', 'k');
    hline(g, 8, 15, 27, 'd');
    return g;
}

Grid largeProgram()
{
    Grid g(32, 32);
    // A window: black outline, raised grey frame.
    fill(g, 1, 3, 30, 28, 's');
    bevel(g, 0, 2, 31, 29, 'k', 'k');
    bevel(g, 1, 3, 30, 28, 'w', 'd');
    // The title bar with the window's icon, its title and three buttons.
    fill(g, 3, 5, 28, 9, 'n');
    fill(g, 4, 6, 6, 8, 'w');
    hline(g, 4, 6, 6, 'b');
    hline(g, 8, 12, 7, 'w');
    for (int bx : { 15, 19, 24 }) {
        hline(g, bx, bx + 2, 6, 'w');
        hline(g, bx, bx + 2, 7, 's');
        hline(g, bx, bx + 3, 8, 'k');
        vline(g, bx + 3, 6, 8, 'k');
    }
    // The menu bar and the white inside.
    for (int mx : { 4, 9, 14 })
        hline(g, mx, mx + 3, 11, 'k');
    fill(g, 4, 14, 27, 26, 'w');
    hline(g, 3, 28, 13, 'd');
    vline(g, 3, 13, 27, 'd');
    hline(g, 4, 28, 27, 'w');
    vline(g, 28, 13, 27, 'w');
    hline(g, 4, 27, 14, 'k');
    vline(g, 4, 14, 26, 'k');
    return g;
}

Grid largeBriefcase()
{
    return Grid::fromRows({
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "...........kkkkkkkkkk...........",
        "..........kooooooooook..........",
        "..........koykkkkkkyok..........",
        "..........kok......kok..........",
        "..........kok......kok..........",
        "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
        ".kyyyyyyyyyyyyyyyyyyyyyyyyyyyok.",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyooooooookkkkkkkkkkkkoooooooomk",
        "kkkkkkkkkkywwyyyyyyyyokkkkkkkkkk",
        "kyooooooookyykkkkkkyykoooooooomk",
        "kyoooooooookyyyyyyyykooooooooomk",
        "kyooooooooookkkkkkkkoooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        "kyoooooooooooooooooooooooooooomk",
        ".kmmmmmmmmmmmmmmmmmmmmmmmmmmmmk.",
        "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
        "................................",
        "................................",
        "................................",
        "................................",
    });
}

Grid largeShortcutArrow()
{
    Grid g(32, 32);
    g.paste(Grid::fromRows({
                "kkkkkkkkkkk",
                "kwwwwwwwwwk",
                "kwwwwkkkkwk",
                "kwwwwwkkkwk",
                "kwwwwkkkkwk",
                "kwwwkkkwkwk",
                "kwwkkkwwwwk",
                "kwwkkwwwwwk",
                "kwwkkwwwwwk",
                "kwwwwwwwwwk",
                "kkkkkkkkkkk",
            }),
            0, 21);
    return g;
}

namespace {

// A help book with "?" on its cover; the cover starts top rows down (the
// Start menu's version sits one row lower, to fit its 30-row item).
Grid helpBook(int top)
{
    Grid g(32, 32);
    // The pages, showing along the right and the bottom.
    fill(g, 7, 4, 27, 29, 'w');
    bevel(g, 6, 3, 28, 30, 'k', 'k');
    for (int y = 6; y <= 26; y += 2)
        g.set(27, y, 's');
    for (int x = 9; x <= 25; x += 2)
        g.set(x, 29, 's');
    // The cover, its spine to the left.
    fill(g, 4, top + 1, 25, 27, 'b');
    bevel(g, 3, top, 26, 28, 'k', 'k');
    fill(g, 4, top + 1, 7, 27, 'n');
    vline(g, 8, top + 1, 27, 'k');
    vline(g, 5, top + 1, 27, 'b');
    hline(g, 9, 25, top + 1, 'a');
    vline(g, 9, top + 1, 27, 'a');
    g.paste(Grid::fromRows({
                "..kkkkkk..",
                ".kyyyyyyk.",
                "kyykkkkyyk",
                "kyyk..kyyk",
                ".kk..kyyk.",
                "....kyyk..",
                "...kyyk...",
                "...kyyk...",
                "...kkkk...",
                "..........",
                "...kkkk...",
                "...kyyk...",
                "...kyyk...",
                "...kkkk...",
            }),
            12, top + 6);
    return g;
}

} // namespace

Grid largeHelpBook()
{
    return helpBook(0);
}

Grid largeWordpad()
{
    Grid g(32, 32);
    // A page of writing with the pen lying across it.
    fill(g, 2, 3, 21, 29, 'w');
    bevel(g, 1, 2, 22, 30, 'k', 'k');
    hline(g, 4, 12, 5, 'n');
    for (int y = 8; y <= 26; y += 2)
        hline(g, 4, (y % 6 == 2) ? 15 : 19, y, 'n');
    g.paste(fountainPen(32, 32, 30.8, 1.2, 10.0, 27.5, 2.6), 0, 0);
    return g;
}

// The pictures of the Start menu and of the desktop's own icons.

Grid largeProgramGroup()
{
    Grid g = largeFolder();
    miniWindow(g, 11, 13, 18, 15);
    return g;
}

Grid largeDocumentsFolder()
{
    Grid g(32, 32);
    openFolderBack(g);
    sheet(g, 12, 4, 15, 14, 'd');
    sheet(g, 8, 2, 15, 14, 'n');
    openFolderFront(g);
    return g;
}

Grid largeMyDocuments()
{
    // Only the top of the page shows above the folder's front.
    Grid g = largeFolder();
    Grid page(32, 32);
    sheet(page, 12, 1, 15, 14, 'n');
    for (int y = 10; y < 32; ++y)
        hline(page, 0, 31, y, Clear);
    g.paste(page, 0, 0);
    return g;
}

Grid largeSettingsFolder()
{
    Grid g = largeFolder();
    g.paste(cogwheel(32, 32, 20.5, 19.5, 8.5, 6.0, 8, 2.0), 0, 0);
    return g;
}

Grid largeFind()
{
    Grid g(32, 32);
    sheet(g, 9, 1, 20, 27, 'k');
    g.paste(magnifier(32, 32, 11.5, 14.5, 7.5, 7), 0, 0);
    return g;
}

Grid largeClosedHelpBook()
{
    return helpBook(1);
}

Grid largeRun()
{
    Grid g(32, 32);
    miniWindow(g, 9, 3, 22, 22);
    // A bold arrow coming up from below and turning into the window: the
    // shaft three pixels thick, lit on its top and left.
    Grid arrow(22, 22);
    fill(arrow, 2, 7, 4, 20, 'l');
    fill(arrow, 3, 6, 13, 8, 'l');
    for (int i = 0; i <= 4; ++i)
        vline(arrow, 14 + i, 3 + i, 11 - i, 'l');
    vline(arrow, 4, 9, 20, 'g');
    hline(arrow, 5, 13, 8, 'g');
    for (int i = 0; i <= 4; ++i)
        arrow.set(14 + i, 11 - i, 'g');
    arrow.outline('k');
    g.paste(arrow, 0, 9);
    return g;
}

Grid largeShutDown()
{
    Grid g = largeComputer();
    // The screen gone dark, with the moon and stars of the night.
    fill(g, 8, 7, 20, 15, 'n');
    hline(g, 8, 20, 7, 'k');
    vline(g, 8, 7, 15, 'k');
    g.paste(Grid::fromRows({
                "..yy.",
                ".yy..",
                "yy...",
                "yy...",
                "yy...",
                ".yy..",
                "..yy.",
            }),
            11, 8);
    g.set(17, 9, 'w');
    g.set(15, 12, 's');
    g.set(19, 13, 'w');
    g.set(18, 11, 's');
    return g;
}

Grid largeBrowser()
{
    return ringedGlobe(32);
}

Grid largeMail()
{
    Grid g(32, 32);
    // Blue streaks behind the envelope: it is on its way, and fast.
    hline(g, 2, 8, 12, 'a');
    hline(g, 3, 8, 13, 'b');
    hline(g, 0, 8, 16, 'a');
    hline(g, 1, 8, 17, 'b');
    hline(g, 3, 8, 20, 'a');
    hline(g, 4, 8, 21, 'b');
    g.outline('k');
    // An envelope seen from the back, its flap closed.
    fill(g, 8, 9, 29, 25, 'w');
    bevel(g, 7, 8, 30, 26, 'k', 'k');
    hline(g, 8, 29, 25, 's');
    vline(g, 29, 9, 25, 's');
    line(g, 8, 9, 17, 17, 'd');
    line(g, 29, 9, 20, 17, 'd');
    hline(g, 18, 19, 18, 'd');
    line(g, 8, 24, 14, 19, 's');
    line(g, 29, 24, 23, 19, 's');
    return g;
}

Grid largeOnlineServices()
{
    Grid g = largeFolder();
    g.paste(globe(17), 13, 12);
    return g;
}

} // namespace art
