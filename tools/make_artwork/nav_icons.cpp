#include "nav_icons.h"

namespace art {

// A bold green arrow with a black rim, lit from the top left.
Grid backIcon()
{
    return Grid::fromRows({
        "................",
        "......kk........",
        ".....klk........",
        "....klgk........",
        "...klggkkkkkkkk.",
        "..klggglllllllk.",
        ".klgggggggggggk.",
        "klggggggggggggk.",
        "kgggggggggggggk.",
        ".kggggggggggggk.",
        "..kgggggggggggk.",
        "...kgggkkkkkkkk.",
        "....kggk........",
        ".....kgk........",
        "......kk........",
        "................",
    });
}

Grid forwardIcon()
{
    // The same arrow turned round, but still lit from the top left.
    Grid arrow = backIcon().mirrored();
    Grid lit = arrow;
    for (int y = 0; y < arrow.height(); ++y)
        for (int x = 0; x < arrow.width(); ++x)
            if (arrow.at(x, y) == 'l')
                lit.set(x, y, 'g');
    // Light falls on the back edge of the head, its upper slope, the top
    // of the shaft and the shaft's left end.
    for (int y = 2; y <= 4; ++y)
        lit.set(9, y, 'l');
    for (int step = 1; step <= 4; ++step)
        lit.set(9 + step, 2 + step, 'l');
    for (int x = 2; x <= 12; ++x)
        lit.set(x, 5, 'l');
    for (int y = 6; y <= 10; ++y)
        lit.set(2, y, 'l');
    return lit;
}

// A closed purple book with gold bands on the spine and a label on the cover.
Grid contentsIcon()
{
    return Grid::fromRows({
        "................",
        "..kkkkkkkkkkk...",
        "..kfpkffffffkk..",
        "..kyykfpppppkwk.",
        "..kfpkfyyyypkwk.",
        "..kfpkfyooypkwk.",
        "..kfpkfyyyypkwk.",
        "..kfpkfpppppkwk.",
        "..kfpkfpppppkwk.",
        "..kfpkfpppppkwk.",
        "..kyykfpppppkwk.",
        "..kfpkfpppppkwk.",
        "..kkkkkkkkkkkwk.",
        "...kwwwwwwwwwwk.",
        "....kkkkkkkkkkk.",
        "................",
    });
}

// An open door onto a sunny garden, with a red arrow leading out.
Grid exitIcon()
{
    return Grid::fromRows({
        "..............kk",
        ".....kkkkkkkkkok",
        ".....kaaaaaakook",
        ".....kaaawaakook",
        ".....kkkaaaakook",
        ".....kkrkaaakook",
        "kkkkkkkrrkaakook",
        "krrrrrrrrrkakoyk",
        "kmmmmmmmmmkakook",
        "kkkkkkkmmkaakook",
        ".....kkmkgggkook",
        ".....kkkggggkook",
        ".....kggggggkook",
        ".....kggggggkook",
        ".....kkkkkkkkkok",
        "..............kk",
    });
}

} // namespace art
