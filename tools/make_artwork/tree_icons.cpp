#include "tree_icons.h"

namespace art {

// A closed purple book seen from above and to the right: the front cover
// with its hinge and gold bands, and the pages showing between the covers
// along the top and the right-hand edge.
Grid chapterIcon()
{
    return Grid::fromRows({
        "................",
        "....kkkkkkkkkkk.",
        "...kpppppppppkk.",
        "..kwwwwwwwwwkpk.",
        ".kkkkkkkkkkkspk.",
        ".kffkffffffkspk.",
        ".kyykfpppppkspk.",
        ".kfpkfpppppkspk.",
        ".kfpkfpyyypkspk.",
        ".kfpkfpppppkspk.",
        ".kfpkfpyyppkspk.",
        ".kyykfpppppkspk.",
        ".kfpkfpppppkspk.",
        ".kfpkfpppppksk..",
        ".kfpkfpppppkk...",
        ".kkkkkkkkkkk....",
    });
}

// A sheet of yellow ruled paper with its top right corner folded over.
Grid lessonIcon()
{
    return Grid::fromRows({
        "................",
        "..kkkkkkkkk.....",
        "..kyyyyyyykk....",
        "..kyyyyyyyksk...",
        "..kyoooooykwwk..",
        "..kyyyyyyykkkkk.",
        "..kyoooooooooyk.",
        "..kyyyyyyyyyyyk.",
        "..kyoooooooooyk.",
        "..kyyyyyyyyyyyk.",
        "..kyoooooooooyk.",
        "..kyyyyyyyyyyyk.",
        "..kyoooooooooyk.",
        "..kyyyyyyyyyyyk.",
        "..kkkkkkkkkkkkk.",
        "................",
    });
}

Grid withTick(const Grid &picture)
{
    // The stroke in lime; its dark green rim is added round it.
    Grid tick = Grid::fromRows({
        ".........",
        ".......l.",
        "......ll.",
        ".l...lll.",
        ".ll.lll..",
        ".lllll...",
        "..lll....",
        "...l.....",
        ".........",
    });
    tick.outline('g');
    Grid result = picture;
    result.paste(tick, picture.width() - tick.width(), picture.height() - tick.height());
    return result;
}

} // namespace art
