#include "icons16.h"

#include "drawing.h"
#include "globe.h"
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
        "....katk",
        "...katnk",
        "..kyyok.",
        ".kykok..",
        "kyok....",
        "kk......",
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
    // A little landscape: sky, sun, green hill; and the brush it was
    // painted with.
    g.paste(Grid::fromRows({
                "kkkkkkk",
                "kaaayyk",
                "kaaayyk",
                "klaaaak",
                "kgllaak",
                "kgggllk",
                "kkkkkkk",
            }),
            4, 5);
    g.paste(Grid::fromRows({
                "....kk",
                "...kmk",
                "..kmk.",
                ".ksk..",
                "kbk...",
                "kk....",
            }),
            8, 9);
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
    g.paste(globe(11), 5, 5);
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
    g.paste(magnifier(16, 16, 10.0, 8.5, 3.8, 3), 0, 0);
    return g;
}

Grid smallBrowser()
{
    Grid g(16, 16);
    g.paste(ringedGlobe(16), 0, 0);
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
            0, 1);
    // The pen across the page, its nib on the last line.
    g.paste(Grid::fromRows({
                ".............kk.",
                "...........katnk",
                "..........katnk.",
                ".........katnk..",
                "........katnk...",
                ".......katnk....",
                "......kyyok.....",
                ".....kdkkk......",
                "....kykok.......",
                "...kyok.........",
                "..kyk...........",
                "..kk............",
            }),
            0, 1);
    return g;
}

Grid smallPaint()
{
    // An artist's palette with a thumb hole, dabs of paint and a brush.
    return Grid::fromRows({
        "..............kk",
        ".............kmk",
        "....kkkkkk..kmk.",
        "..kkyyyyyykkmk..",
        ".kyyrryyyyksk...",
        ".kyyrryyykrkyk..",
        "kyyyyyyyykkyyyk.",
        "kywwyyyyyyyllyk.",
        "kywwyyykkyyllyk.",
        "kyyyyyk..kyk....",
        "kbbyyyykkyyk....",
        ".kbbyyyyyyyyk...",
        ".kyyyyyyyyyyok..",
        "..kyyyyyyyoook..",
        "...kkoooooook...",
        ".....kkkkkkk....",
    });
}

Grid smallMediaPlayer()
{
    Grid g(16, 16);
    // A disc with a note in front of it.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = x + 0.5 - 6.5;
            const double dy = y + 0.5 - 6.5;
            const double d = std::hypot(dx, dy);
            if (d > 5.8)
                continue;
            char code = d < 1.1 ? 'w' : d < 2.2 ? 'd' : (dx + dy < -1.5 ? 'w' : 's');
            if (std::abs(dx - dy) < 1.0 && d > 2.8)
                code = dx < 0 ? 'a' : 'f';
            g.set(x, y, code);
        }
    g.outline('k');
    g.paste(Grid::fromRows({
                "...kk..",
                "...kbk.",
                "...kbbk",
                "...k.bk",
                "...k..k",
                "...k...",
                ".kkk...",
                "kbbk...",
                "kbbk...",
                ".kk....",
            }),
            9, 6);
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
    // A wire basket seen a little from above, with the recycling arrows on
    // its front; when full, crumpled paper shows over the rim.
    Grid g = Grid::fromRows({
        "................",
        "................",
        "..kkkkkkkkkkkk..",
        ".kwkkkkkkkkkkwk.",
        ".kswwwwwwwwwwsk.",
        "..kwsdsdsdsdsk..",
        "..kwsdsdsdsdsk..",
        "..kssssssssssk..",
        "..kwsdsgldsdsk..",
        "...kwsgsdgdsk...",
        "...kwslggldsk...",
        "...kssssssssk...",
        "...kwsdsdsdsk...",
        "....kwsdsdsk....",
        "....kkkkkkkk....",
        "................",
    });
    if (full)
        g.paste(Grid::fromRows({
                    "....kk..kkk.....",
                    "..kkwwk.kwskk...",
                    ".kwswwskkwwwskk.",
                    ".kwwsskwwswwwsk.",
                }),
                0, 0);
    return g;
}

Grid smallNetwork()
{
    // Two computers joined by a cable.
    Grid g(16, 16);
    const Grid computer = Grid::fromRows({
        ".kkkkkkkk.",
        ".kwwwwwdk.",
        ".kwttttdk.",
        ".kwatttdk.",
        ".kwttttdk.",
        "kkkkkkkkkk",
        "kwwwwwwwdk",
        "kslssskkdk",
        "kkkkkkkkkk",
    });
    vline(g, 3, 9, 13, 'k');
    hline(g, 3, 5, 13, 'k');
    g.paste(computer, 0, 0);
    g.paste(computer, 6, 7);
    return g;
}

Grid smallFloppyDrive()
{
    Grid g(16, 16);
    box(g, 3, 5, 11, 6, 2);
    hline(g, 4, 12, 6, 'w');
    vline(g, 4, 6, 9, 'w');
    hline(g, 8, 12, 8, 'k');    // the slot
    g.set(12, 9, 'g');          // the lamp
    // A disc standing in front of the drive.
    g.paste(Grid::fromRows({
                "kkkkkkkkk",
                "kkssdsskk",
                "kkssdsskk",
                "kksssssk.",
                "kkkkkkkkk",
                "kwwwwwwwk",
                "kwnnnnwwk",
                "kwwwwwwwk",
                "kkkkkkkkk",
            }),
            0, 7);
    g.set(8, 10, 'k');
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
    box(g, 0, 10, 14, 4, 2);
    hline(g, 1, 12, 11, 'w');
    vline(g, 1, 11, 12, 'w');
    hline(g, 3, 9, 12, 'd');
    g.set(11, 12, 'g');
    // A disc above the drive, catching the light in a rainbow.
    Grid disc(16, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 16; ++x) {
            const double dx = (x + 0.5 - 8.0) / 6.5;
            const double dy = (y + 0.5 - 4.5) / 3.6;
            const double d = std::hypot(dx, dy);
            if (d > 1.0 || d < 0.2)
                continue;
            char code = d < 0.38 ? 'd' : dx + dy < -0.3 ? 'w' : 's';
            if (std::abs(dx - dy) < 0.22 && d > 0.45)
                code = dx < 0 ? 'a' : 'f';
            disc.set(x, y, code);
        }
    disc.outline('k');
    g.paste(disc, 0, 0);
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
    g.paste(Grid::fromRows({
                "....k",
                "...kk",
                "..kd.",
                ".krk.",
                "krmk.",
                "kkk..",
            }),
            1, 8);
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
    // Four panes waving from the left, the right half a pixel lower, and
    // the trail of the flag breaking up to its left.
    return Grid::fromRows({
        "................",
        "................",
        "......kkkkk.....",
        "...k.krrrrkkkkk.",
        "..kr.krrrrkllllk",
        "..kr.krrrrkllllk",
        "...k.krrrrkllllk",
        ".....kkkkkkllllk",
        "...k.kbbbbkkkkkk",
        "..kb.kbbbbkyyyyk",
        "..kb.kbbbbkyyyyk",
        "...k.kbbbbkyyyyk",
        ".....kkkkkkyyyyk",
        "..........kkkkkk",
        "................",
        "................",
    });
}

} // namespace art
