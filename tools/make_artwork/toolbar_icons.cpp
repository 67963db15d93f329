#include "toolbar_icons.h"

#include "drawing.h"
#include "shapes.h"

namespace art {
namespace {

// A small sheet of paper with a folded corner, w x h, its top left at (x, y).
void sheet(Grid &g, int x, int y, int w, int h)
{
    const int right = x + w - 1;
    const int bottom = y + h - 1;
    fill(g, x, y, right, bottom, 'w');
    bevel(g, x, y, right, bottom, 'k', 'k');
    // The corner, three pixels deep.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3 - i; ++j)
            g.set(right - j, y + i, Clear);
    g.set(right - 3, y, 'k');
    g.set(right - 3, y + 1, 'k');
    g.set(right - 3, y + 2, 'k');
    g.set(right - 3, y + 3, 'k');
    g.set(right - 2, y + 3, 'k');
    g.set(right - 1, y + 3, 'k');
    g.set(right - 2, y + 1, 'k');
    g.set(right - 1, y + 2, 'k');
    g.set(right - 2, y + 2, 'w');
}

// Lines of text on a sheet, every other row.
void lines(Grid &g, int x0, int x1, int y0, int y1, char ink)
{
    for (int y = y0, i = 0; y <= y1; y += 2, ++i)
        hline(g, x0, i % 3 == 2 ? x1 - 2 : x1, y, ink);
}

// Four lines of text, aligned as asked: 0 left, 1 centred, 2 right.
Grid alignGlyph(int alignment)
{
    Grid g(16, 16);
    for (int i = 0; i < 6; ++i) {
        const int length = i % 2 ? 8 : 12;
        const int left = alignment == 0 ? 2 : alignment == 1 ? 8 - length / 2 : 14 - length;
        hline(g, left, left + length - 1, 2 + i * 2 + (i > 2 ? 1 : 0), 'k');
    }
    return g;
}

// A small closed folder for the dialog's buttons.
Grid dialogFolder()
{
    return Grid::fromRows({
        "................",
        "................",
        "................",
        "................",
        "................",
        ".kkkkk..........",
        "kyyyyyk.........",
        "kyyyyyykkkkkkk..",
        "kwwwwwwwwwwwwyk.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "kwyyyyyyyyyyyok.",
        "koooooooooooook.",
        "kkkkkkkkkkkkkkk.",
        "................",
    });
}

} // namespace

Grid newGlyph()
{
    Grid g(16, 16);
    sheet(g, 3, 1, 10, 14);
    return g;
}

Grid openGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..............kk",
        ".kkk.........kkk",
        "kwyyk...........",
        "kyyyykkkkkkk....",
        "kyyyyyyyyyyk....",
        "kyyykkkkkkkkkkk.",
        "kyykwwwwwwwwwk..",
        "kyykwyyyyyyyyk..",
        "kykwyyyyyyyyk...",
        "kkwoooooooook...",
        "kkkkkkkkkkkk....",
        "................",
    });
}

Grid saveGlyph()
{
    return Grid::fromRows({
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kdkwwwwwwwwkkk.",
        ".kkkwwwwwwwwkkk.",
        ".kkkwddddddwkkk.",
        ".kkkwwwwwwwwkkk.",
        ".kkkwddddddwkkk.",
        ".kkkwwwwwwwwkkk.",
        ".kkkkkkkkkkkkkk.",
        ".kkkkkkkkkkkkkk.",
        ".kkkssssssskkkk.",
        ".kkkssskksskkkk.",
        ".kkkssskksskkkk.",
        ".kkkssskksskkkk.",
        "..kkkkkkkkkkkkk.",
        "................",
    });
}

Grid printGlyph()
{
    return Grid::fromRows({
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwkkkkwk....",
        "....kwwwwwwk....",
        "...kkwkkkwwkk...",
        "..kwwwwwwwwwwk..",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwsk.",
        ".kwsssssssssysk.",
        ".kwsssssssssssk.",
        ".kwskkkkkkkkssk.",
        ".kdddddddddddddk",
        "..kkkkkkkkkkkkkk",
        "................",
        "................",
    });
}

Grid printPreviewGlyph()
{
    Grid g(16, 16);
    sheet(g, 1, 0, 11, 15);
    lines(g, 3, 8, 5, 13, 'k');
    g.paste(magnifier(16, 16, 9.5, 8.0, 3.6, 4), 0, 0);
    return g;
}

Grid cutGlyph()
{
    return Grid::fromRows({
        "....k.....k.....",
        "....k.....k.....",
        "....kk...kk.....",
        ".....k...k......",
        ".....kk.kk......",
        "......kkk.......",
        ".......k........",
        "......kkk.......",
        "...nnnk.knnn....",
        "..n..n...n..n...",
        ".n...n...n...n..",
        ".n...n...n...n..",
        ".n..n.....n..n..",
        "..nn.......nn...",
        "................",
        "................",
    });
}

Grid copyGlyph()
{
    Grid g(16, 16);
    sheet(g, 1, 0, 9, 11);
    lines(g, 3, 6, 4, 9, 'n');
    sheet(g, 6, 4, 9, 12);
    lines(g, 8, 11, 8, 13, 'n');
    return g;
}

Grid pasteGlyph()
{
    Grid g = Grid::fromRows({
        "................",
        ".....kkkk.......",
        "..kkkkwwkkkk....",
        ".kokswwwwskok...",
        ".kookkkkkkook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kooooooooook...",
        ".kkkkkkkkkkkk...",
        "................",
    });
    sheet(g, 7, 6, 8, 10);
    lines(g, 9, 12, 10, 13, 'n');
    return g;
}

Grid findGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "..kkkk....kkkk..",
        "..kdsk....kdsk..",
        ".kkkkkk..kkkkkk.",
        ".kdskkkkkkdskkk.",
        ".kdskkdskkdskkk.",
        ".kdskkkkkkdskkk.",
        "kkkkkkk..kkkkkkk",
        "kdsskkk..kdsskkk",
        "kdskkkk..kdskkkk",
        "kdkbbkk..kdkbbkk",
        "kkbnnbk..kkbnnbk",
        ".kkkkk....kkkkk.",
        "................",
        "................",
    });
}

Grid undoGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "................",
        "......kkkkk.....",
        "....kkkkkkkkk...",
        ".k.kkk.....kkk..",
        ".kkkk.......kk..",
        ".kkk.........kk.",
        ".kkkk........kk.",
        ".kkkkk.......kk.",
        "............kk..",
        "...........kkk..",
        ".........kkkk...",
        "........kkk.....",
        "................",
        "................",
    });
}

Grid dateTimeGlyph()
{
    Grid g = Grid::fromRows({
        "................",
        ".kkkkkkkkkkk....",
        ".krrrrrrrrrk....",
        ".kmmmmmmmmmk....",
        ".kwwwwwwwwwk....",
        ".kwkwkwkwkwk....",
        ".kwwwwwwwwwk....",
        ".kwkwkwkwkwk....",
        ".kwwwwwwwwwk....",
        ".kwkwkwkwkwk....",
        ".kwwwwwwwwwk....",
        ".kkkkkkkkkkk....",
        "................",
        "................",
        "................",
        "................",
    });
    // A clock face in front of the calendar.
    g.paste(Grid::fromRows({
                "...kkkk...",
                ".kkwwwwkk.",
                ".kwwwkwwk.",
                "kwwwwkwwwk",
                "kwkwwkwwkk",
                "kwwwwkkkwk",
                "kwwwwwwwwk",
                ".kwwwkwwk.",
                ".kkwwwwkk.",
                "...kkkk...",
            }),
            6, 6);
    return g;
}

Grid insertObjectGlyph()
{
    // A square, a circle and a triangle: an object from another program.
    Grid g(16, 16);
    fill(g, 1, 1, 7, 7, 'b');
    bevel(g, 1, 1, 7, 7, 'k', 'k');
    g.paste(Grid::fromRows({
                "..kkk..",
                ".krrrk.",
                "krrrrrk",
                "krrrrrk",
                "krrrrrk",
                ".krrrk.",
                "..kkk..",
            }),
            8, 1);
    g.paste(Grid::fromRows({
                ".....k.....",
                "....kyk....",
                "...kyyyk...",
                "..kyyyyyk..",
                ".kyyyyyyyk.",
                "kkkkkkkkkkk",
            }),
            3, 9);
    return g;
}

Grid clearGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "..rr.......rr...",
        "..rrr.....rrrm..",
        "...rrr...rrrm...",
        "....rrr.rrrm....",
        ".....rrrrrm.....",
        "......rrrm......",
        ".....rrrrr......",
        "....rrrmrrr.....",
        "...rrrm..rrr....",
        "..rrrm....rrr...",
        "..rrm......rrm..",
        "...m........m...",
        "................",
        "................",
    });
}

Grid boldGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "................",
        "...kkkkkkkk.....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkkkkkk.....",
        "....kkk...kkk...",
        "....kkk...kkk...",
        "....kkk...kkk...",
        "....kkk...kkk...",
        "...kkkkkkkkk....",
        "................",
        "................",
        "................",
    });
}

Grid italicGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "................",
        ".......kkkkk....",
        ".........kk.....",
        ".........kk.....",
        "........kk......",
        "........kk......",
        ".......kk.......",
        ".......kk.......",
        "......kk........",
        "......kk........",
        "....kkkkk.......",
        "................",
        "................",
        "................",
    });
}

Grid underlineGlyph()
{
    return Grid::fromRows({
        "................",
        "................",
        "...kkkk..kkkk...",
        "....kk....kk....",
        "....kk....kk....",
        "....kk....kk....",
        "....kk....kk....",
        "....kk....kk....",
        "....kk....kk....",
        "....kk....kk....",
        ".....kk..kk.....",
        "......kkkk......",
        "................",
        "...kkkkkkkkkk...",
        "................",
        "................",
    });
}

Grid colourGlyph()
{
    return Grid::fromRows({
        "................",
        ".......k........",
        "......kkk.......",
        "......kkk.......",
        ".....kk.kk......",
        ".....kk.kk......",
        "....kk...kk.....",
        "....kkkkkkk.....",
        "...kk.....kk....",
        "...kk.....kk....",
        "..kkkk...kkkk...",
        "................",
        "..kkkkkkkkkkkk..",
        "..krrrrrrrrrrk..",
        "..krrrrrrrrrrk..",
        "..kkkkkkkkkkkk..",
    });
}

Grid alignLeftGlyph()
{
    return alignGlyph(0);
}

Grid alignCentreGlyph()
{
    return alignGlyph(1);
}

Grid alignRightGlyph()
{
    return alignGlyph(2);
}

Grid bulletsGlyph()
{
    Grid g(16, 16);
    for (int i = 0; i < 3; ++i) {
        const int y = 2 + i * 5;
        fill(g, 1, y, 2, y + 1, 'k');
        hline(g, 5, 14, y, 'k');
        hline(g, 5, 11, y + 2, 'k');
    }
    return g;
}

Grid upOneLevelGlyph()
{
    Grid g = dialogFolder();
    // An arrow rising out of the folder and turning back to the left.
    g.paste(Grid::fromRows({
                "....k.....",
                "...kkk....",
                "..kkkkk...",
                "....k.....",
                "....k.....",
                "....kkkkkk",
            }),
            4, 0);
    fill(g, 7, 9, 11, 11, 'y');
    hline(g, 8, 13, 5, 'k');
    vline(g, 13, 5, 8, 'k');
    return g;
}

Grid newFolderGlyph()
{
    Grid g = dialogFolder();
    // A sparkle over the corner: a new folder.
    g.paste(Grid::fromRows({
                "...y...",
                "y..y..y",
                ".y.y.y.",
                "...w...",
                "yyywyyy",
                "...w...",
                ".y.y.y.",
            }),
            9, 0);
    return g;
}

Grid listViewGlyph()
{
    Grid g(16, 16);
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 3; ++row) {
            const int x = 1 + column * 8;
            const int y = 2 + row * 4;
            fill(g, x, y, x + 2, y + 2, 'w');
            bevel(g, x, y, x + 2, y + 2, 'n', 'n');
            hline(g, x + 4, x + 6, y + 1, 'k');
        }
    return g;
}

Grid detailsViewGlyph()
{
    Grid g(16, 16);
    for (int row = 0; row < 4; ++row) {
        const int y = 2 + row * 3;
        fill(g, 1, y, 2, y + 1, 'n');
        hline(g, 4, 7, y, 'k');
        hline(g, 9, 11, y, 'k');
        hline(g, 13, 14, y, 'k');
    }
    return g;
}

} // namespace art
