#include "icons16.h"

#include "drawing.h"
#include "shapes.h"

#include <cmath>

namespace art {
namespace {

// A white sheet with its top right corner folded over.
Grid smallPage()
{
    return Grid::fromRows({
        "..kkkkkkkkk.....",
        "..kwwwwwwwkk....",
        "..kwwwwwwwkwk...",
        "..kwwwwwwwkwwk..",
        "..kwwwwwwwkkkkk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kkkkkkkkkkkkk.",
    });
}

// Lines of writing on the page, from row 'first' to row 'last'.
void writing(Grid &g, int first, int last, char ink)
{
    static const int ends[] = { 11, 9, 11, 10, 7, 11, 8 };
    for (int y = first, i = 0; y <= last; y += 2, ++i)
        hline(g, 4, ends[i % 7], y, ink);
}

// The small pen that marks the word processor and its documents.
Grid smallPen()
{
    return Grid::fromRows({
        ".....kk.",
        "....kaak",
        "...katnk",
        "..katnk.",
        ".kyonk..",
        "kwkkk...",
        "kkk.....",
    });
}

} // namespace

Grid smallFolder()
{
    return Grid::fromRows({
        "................",
        "................",
        ".kkkkk..........",
        "kwyyyyk.........",
        "kyyyyyykkkkkkk..",
        "kwwwwwwwwwwwwyk.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "koooooooooooook.",
        "kkkkkkkkkkkkkkk.",
        "................",
    });
}

Grid smallOpenFolder()
{
    return Grid::fromRows({
        "................",
        "................",
        ".kkkkk..........",
        "kwyyyyk.........",
        "kyyyyyykkkkkkk..",
        "kyyyyyyyyyyyyok.",
        "kyyyykkkkkkkkkkk",
        "kyyykwwwwwwwwwwk",
        "kyykwyyyyyyyyyk.",
        "kyykwyyyyyyyyyk.",
        "kykwyyyyyyyyyk..",
        "kykwyyyyyyyyyk..",
        "kkwyyyyyyyyyk...",
        "kwoooooooook....",
        "kkkkkkkkkkkk....",
        "................",
    });
}

Grid smallProgramGroup()
{
    Grid g = smallFolder();
    g.paste(Grid::fromRows({
                "kkkkkkkkk",
                "knnnnnnnk",
                "kwwwwwwwk",
                "kwwwwwwwk",
                "kwwwwwwwk",
                "kkkkkkkkk",
            }),
            6, 8);
    return g;
}

Grid smallTextDocument()
{
    Grid g = smallPage();
    hline(g, 4, 8, 3, 'k');
    writing(g, 6, 13, 'k');
    return g;
}

Grid smallWordDocument()
{
    Grid g = smallPage();
    hline(g, 4, 8, 3, 'n');
    writing(g, 6, 9, 'n');
    hline(g, 4, 6, 11, 'n');
    g.paste(smallPen(), 7, 9);
    return g;
}

Grid smallPaintPicture()
{
    Grid g = smallPage();
    // A little landscape: sky, sun, green hill.
    g.paste(Grid::fromRows({
                "kkkkkkkk",
                "kaaaayyk",
                "kaaaayyk",
                "kaaaaaak",
                "klllaaak",
                "kgglllak",
                "kggggglk",
                "kkkkkkkk",
            }),
            4, 6);
    return g;
}

Grid smallWebPage()
{
    Grid g = smallPage();
    hline(g, 4, 9, 3, 'n');
    // A picture, and lines of writing with an underlined link.
    g.paste(Grid::fromRows({
                "kkkk",
                "kabk",
                "kbbk",
                "kkkk",
            }),
            4, 6);
    hline(g, 9, 11, 6, 'k');
    hline(g, 9, 11, 8, 'k');
    hline(g, 4, 11, 11, 'b');
    hline(g, 4, 9, 13, 'k');
    return g;
}

Grid smallInternet()
{
    Grid g = smallPage();
    writing(g, 6, 7, 'd');
    g.paste(wireGlobe(11), 5, 5);
    return g;
}

Grid smallHelpBook()
{
    return Grid::fromRows({
        "................",
        ".kkkkkkkkkkkk...",
        ".knbbbbbbbbbkk..",
        ".knbbbyyybbbkwk.",
        ".knbbyybyybbkwk.",
        ".knbbbbbyybbkwk.",
        ".knbbbbyybbbkwk.",
        ".knbbbyybbbbkwk.",
        ".knbbbyybbbbkwk.",
        ".knbbbbbbbbbkwk.",
        ".knbbbyybbbbkwk.",
        ".knbbbbbbbbbkwk.",
        ".kkkkkkkkkkkkwk.",
        "..kwwwwwwwwwwwk.",
        "...kkkkkkkkkkkk.",
        "................",
    });
}

Grid smallBriefcase()
{
    return Grid::fromRows({
        "................",
        "................",
        "................",
        ".....kkkkkk.....",
        "....kokkkkok....",
        "....kk....kk....",
        ".kkkkkkkkkkkkkk.",
        "kyoooooooooooook",
        "koooooooooooooom",
        "kkkkkkyyyykkkkkk",
        "koooooyooyooooom",
        "koooookyykooooom",
        "koooooooooooooom",
        "koooooooooooooom",
        ".kmmmmmmmmmmmmk.",
        "..kkkkkkkkkkkk..",
    });
}

Grid smallDosPrompt()
{
    return Grid::fromRows({
        "................",
        "kkkkkkkkkkkkkkkk",
        "knnnnnnnnnnnnnnk",
        "kssssssssssssssk",
        "kskkkkkkkkkkkksk",
        "kskkwwkkkwkkkksk",
        "kskwkkkwkwkkkksk",
        "kskwkkkkkkwkkksk",
        "kskwkkkwkkkwkksk",
        "kskkwwkkkkkwkksk",
        "kskkkkkkkkkkkksk",
        "kskkkkkkkkkkkksk",
        "kskwwkkkkkkkkksk",
        "kskkkkkkkkkkkksk",
        "kssssssssssssssk",
        "kkkkkkkkkkkkkkkk",
    });
}

Grid smallExplorer()
{
    Grid g = smallFolder();
    g.paste(magnifier(16, 16, 9.5, 8.5, 4.5, 4), 0, 0);
    return g;
}

Grid smallBrowser()
{
    Grid g(16, 16);
    g.paste(wireGlobe(15), 0, 1);
    return g;
}

Grid smallMine()
{
    return Grid::fromRows({
        "................",
        ".......k........",
        ".......k........",
        "...k.kkkkk.k....",
        "....kkkkkkk.....",
        "...kkwwkkkkk....",
        "...kkwwkkkkk....",
        ".kkkkkkkkkkkkk..",
        "...kkkkkkkkk....",
        "...kkkkkkkkk....",
        "....kkkkkkk.....",
        "...k.kkkkk.k....",
        ".......k........",
        ".......k........",
        "................",
        "................",
    });
}

Grid smallCards()
{
    return Grid::fromRows({
        ".kkkkkkkkk......",
        "kwwwwwwwwwk.....",
        "kwbnbnbnbwk.....",
        "kwnbnbnbnwk.....",
        "kwbnbkkkkkkkkk..",
        "kwnbkwwwwwwwwwk.",
        "kwbnkwrwwwwwwwk.",
        "kwnbkwwwwwwwwwk.",
        "kwbnkwwrrwrrwwk.",
        "kwnbkwrrrrrrrwk.",
        "kwbnkwrrrrrrrwk.",
        "kwwwkwwrrrrrwwk.",
        ".kkkkwwwrrrwwwk.",
        "....kwwwwrwwwwk.",
        "....kwwwwwwwrwk.",
        ".....kkkkkkkkk..",
    });
}

Grid smallCalculator()
{
    return Grid::fromRows({
        "..kkkkkkkkkkk...",
        "..kwwwwwwwwwdk..",
        "..kwkkkkkkkwdk..",
        "..kwkglgllgwdk..",
        "..kwkglglggwdk..",
        "..kwwwwwwwwwdk..",
        "..kwrkwkwkwkdk..",
        "..kwkkkkkkkkdk..",
        "..kwwkwkwkwkdk..",
        "..kwkkkkkkkkdk..",
        "..kwwkwkwkwkdk..",
        "..kwkkkkkkkkdk..",
        "..kwwkwkwkwkdk..",
        "..kwkkkkkkkkdk..",
        "..kddddddddddk..",
        "..kkkkkkkkkkkk..",
    });
}

Grid smallNotepad()
{
    return Grid::fromRows({
        "...k.k.k.k.k....",
        "..kkkkkkkkkkkk..",
        "..kskskskskskk..",
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwwk..",
        "..kwkkkkkkkwwk..",
        "..kwwwwwwwwwwk..",
        "..kwkkkkkkkkwk..",
        "..kwwwwwwwwwwk..",
        "..kwkkkkkwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwkkkkkkkkwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kkkkkkkkkkkk..",
        "................",
    });
}

Grid smallWordpad()
{
    Grid g(16, 16);
    g.paste(Grid::fromRows({
                "kkkkkkkkkk",
                "kwwwwwwwwk",
                "kwnnnnnwwk",
                "kwwwwwwwwk",
                "kwnnnnnnwk",
                "kwwwwwwwwk",
                "kwnnnnnwwk",
                "kwwwwwwwwk",
                "kwnnnnnnwk",
                "kwwwwwwwwk",
                "kwnnnwwwwk",
                "kwwwwwwwwk",
                "kwwwwwwwwk",
                "kkkkkkkkkk",
            }),
            1, 1);
    g.paste(fountainPen(16, 16, 15.2, 0.8, 5.0, 13.5, 1.6), 0, 0);
    return g;
}

Grid smallPaint()
{
    return Grid::fromRows({
        "................",
        "...........kk...",
        "..........kmk...",
        "...kkkkk.kmk....",
        "..kyyyyykmk.....",
        ".kyrryyykkyk....",
        "kyyrryykkkyyk...",
        "kyyyyyykkyyyk...",
        "kybbyyyyyygyk...",
        "kybbyyyyyggyk...",
        "kyyyywwyyyyyk...",
        ".kyyywwyyyyk....",
        "..kyyyyyyok.....",
        "...kkoooook.....",
        ".....kkkkk......",
        "................",
    });
}

Grid smallMediaPlayer()
{
    Grid g(16, 16);
    // A disc with a note on it.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = x + 0.5 - 7.5;
            const double dy = y + 0.5 - 8.5;
            const double d = std::hypot(dx, dy);
            if (d > 6.6 || d < 1.3)
                continue;
            char code = d < 2.5 ? 'd' : (dx + dy < -1.5 ? 'w' : 's');
            if (std::abs(dx - dy) < 1.0 && d > 3.0)
                code = dx < 0 ? 'a' : 'f';
            g.set(x, y, code);
        }
    g.outline('k');
    g.paste(Grid::fromRows({
                "....kk.",
                "....kbk",
                "....k.b",
                "....k..",
                ".kkkk..",
                "kbbbk..",
                "kbbk...",
                ".kk....",
            }),
            9, 7);
    return g;
}

Grid smallProgram()
{
    return Grid::fromRows({
        "................",
        "kkkkkkkkkkkkkkkk",
        "knnnnnnnnnnnnnnk",
        "knwnnnnnnnnnnnnk",
        "kkkkkkkkkkkkkkkk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "kwwwwwwwwwwwwwsk",
        "ksssssssssssssdk",
        "kkkkkkkkkkkkkkkk",
        "................",
    });
}

Grid smallComputer()
{
    return Grid::fromRows({
        "................",
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwwk..",
        "..kwddddddddsdk.",
        "..kwdttttttwsdk.",
        "..kwdtattttwsdk.",
        "..kwdttttttwsdk.",
        "..kwdttttttwsdk.",
        "..kwdwwwwwwwsdk.",
        "..kwssssssssddk.",
        ".kkkkkkkkkkkkkkk",
        ".kwwwwwwwwwwwwdk",
        ".kwssssskkkksddk",
        ".kwslssssssssddk",
        ".kdddddddddddddk",
        ".kkkkkkkkkkkkkkk",
    });
}

Grid smallRecycleBin(bool full)
{
    Grid g = Grid::fromRows({
        "................",
        "................",
        "................",
        "..kkkkkkkkkkkk..",
        ".kwwwwwwwwwwwsk.",
        ".kkkkkkkkkkkkkk.",
        "..kwsdsdsdsdsk..",
        "..kdsdsdsdsdsk..",
        "..kwsdsdsdsdsk..",
        "...kdsdsdsdsk...",
        "...kwsdsdsdsk...",
        "...kdsdsdsdsk...",
        "...kwsdsdsdsk...",
        "....kdsdsdsk....",
        "....kkkkkkkk....",
        "................",
    });
    // The recycling arrows on the front.
    g.paste(Grid::fromRows({
                "..l..",
                ".g.g.",
                "gg.gg",
                ".....",
                "lglgl",
            }),
            5, 7);
    if (full)
        g.paste(Grid::fromRows({
                    "....kkk.kk....",
                    "..kkwwwkwwk...",
                    ".kwwswkwwswkk.",
                    "kwsswwkwswwwsk",
                }),
                1, 0);
    return g;
}

Grid smallNetwork()
{
    Grid g(16, 16);
    const Grid monitor = Grid::fromRows({
        "kkkkkkkk",
        "kwwwwwdk",
        "kwttttdk",
        "kwttttdk",
        "kwttttdk",
        "kddddddk",
        "kkkkkkkk",
        "..kddk..",
        ".kkkkkk.",
    });
    // The cable joining the two computers.
    hline(g, 3, 11, 14, 'k');
    vline(g, 3, 9, 14, 'k');
    vline(g, 11, 12, 14, 'k');
    g.paste(monitor, 0, 0);
    g.paste(monitor, 8, 4);
    return g;
}

Grid smallFloppyDrive()
{
    Grid g(16, 16);
    box(g, 0, 8, 14, 6, 2);
    hline(g, 1, 12, 9, 'w');
    vline(g, 1, 9, 12, 'w');
    hline(g, 3, 10, 10, 'k');   // the slot
    hline(g, 3, 10, 11, 'd');
    g.set(11, 12, 'g');         // the lamp
    // The disc, half way in.
    g.paste(Grid::fromRows({
                "kkkkkkkk",
                "kwwwwwwk",
                "kwddddwk",
                "kwwwwwwk",
                "kkkkkkkk",
                "kkkkkkkk",
                "kkkkkkkk",
            }),
            3, 2);
    return g;
}

Grid smallHardDisk()
{
    Grid g(16, 16);
    box(g, 0, 7, 14, 7, 2);
    hline(g, 1, 12, 8, 'w');
    vline(g, 1, 8, 12, 'w');
    hline(g, 3, 10, 10, 'd');
    hline(g, 3, 10, 11, 'w');
    g.set(11, 10, 'l');
    g.set(11, 11, 'g');
    return g;
}

Grid smallCdDrive()
{
    Grid g(16, 16);
    box(g, 0, 9, 14, 5, 2);
    hline(g, 1, 12, 10, 'w');
    vline(g, 1, 10, 12, 'w');
    hline(g, 3, 10, 11, 'd');
    g.set(11, 12, 'g');
    // A disc above the drive.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = (x + 0.5 - 8.0) / 6.0;
            const double dy = (y + 0.5 - 4.5) / 3.6;
            const double d = std::hypot(dx, dy);
            if (d > 1.0 || d < 0.28)
                continue;
            char code = dx + dy < -0.2 ? 'w' : 's';
            if (std::abs(dx - dy) < 0.25 && d > 0.45)
                code = dx < 0 ? 'a' : 'f';
            g.set(x, y, code);
        }
    return g;
}

Grid smallControlPanel()
{
    Grid g = smallFolder();
    // A small screen and a screwdriver.
    g.paste(Grid::fromRows({
                "kkkkkkkk.",
                "kwwwwwdk.",
                "kwttttdk.",
                "kwttttdk.",
                "kddddddk.",
                "kkkkkkkk.",
                "..kddk...",
                ".kkkkkk..",
            }),
            7, 7);
    return g;
}

Grid smallPrintersFolder()
{
    Grid g = smallFolder();
    g.paste(Grid::fromRows({
                "...kkkkk..",
                "...kwwwk..",
                "..kkwkwkk.",
                ".kwwwwwwsk",
                "kkkkkkkkkk",
                "kssssssslk",
                "kdddddddsk",
                "kkkkkkkkkk",
            }),
            6, 7);
    return g;
}

Grid smallPrinter()
{
    Grid g(16, 16);
    // The paper standing up behind.
    g.paste(Grid::fromRows({
                "kkkkkkkk",
                "kwwwwwwk",
                "kwkkkkwk",
                "kwwwwwwk",
                "kwkkkwwk",
                "kwwwwwwk",
            }),
            5, 0);
    box(g, 0, 9, 14, 5, 3, { 's', 's', 'd' });
    hline(g, 4, 13, 6, 'd');   // the slot the paper stands in
    hline(g, 1, 12, 10, 'w');
    vline(g, 1, 10, 12, 'w');
    hline(g, 3, 10, 12, 'd');
    g.set(11, 11, 'l');
    return g;
}

Grid smallShortcutArrow()
{
    Grid g(16, 16);
    g.paste(Grid::fromRows({
                "kkkkkkkk",
                "kwwwwwwk",
                "kwwkkkwk",
                "kwwwkkwk",
                "kwwkwkwk",
                "kwkwwwwk",
                "kwkwwwwk",
                "kkkkkkkk",
            }),
            0, 8);
    return g;
}

Grid smallFlag()
{
    Grid g(16, 16);
    // The flag: four panes waving from the left edge, each column of the
    // flag lifted or lowered by the wave.
    const int lift[] = { 0, 0, -1, -1, -1, -1, 0, 0, 0, 1, 1 };
    const int top = 2;
    for (int c = 0; c < 11; ++c) {
        const int x = 5 + c;
        const int y0 = top + 1 + lift[c];
        for (int r = 0; r < 10; ++r) {
            char code = 'k';
            if (c > 0 && c < 10 && c != 5 && r != 0 && r != 5 && r != 10) {
                const bool right = c > 5;
                const bool lower = r > 5;
                code = lower ? (right ? 'y' : 'b') : (right ? 'l' : 'r');
            }
            g.set(x, y0 + r - 1, code);
        }
        g.set(x, y0 + 9, 'k');
    }
    // The trail of the flag, breaking up to the left.
    g.paste(Grid::fromRows({
                "..kkk",
                "k.krr",
                "..krr",
                "k.kkk",
                ".....",
                "..kkk",
                "k.kbb",
                "..kbb",
                "k.kkk",
            }),
            0, 4);
    return g;
}

} // namespace art
