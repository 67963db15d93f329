#include "make_outline/edition_outline.h"

namespace {

// A chapter and its lessons: the chapter's code with its last digit replaced
// by the lesson's number (T050 -> T051 ... T059; T020 -> T021 ... T0211).
OutlineNode chapter(const char *code, int lessons, bool withPages)
{
    OutlineNode c{code, 1, {}};
    const QByteArray stem = QByteArray(code).left(3);
    for (int i = 1; i <= lessons; ++i)
        c.children.append({stem + QByteArray::number(i), withPages ? i : -1, {}});
    return c;
}

}  // namespace

QList<OutlineNode> editionOutline()
{
    // This edition has pages for the chapter T050 only; the lessons of the
    // other chapters are listed but cannot be chosen.
    return {chapter("T010", 8, false), chapter("T020", 11, false), chapter("T030", 8, false),
            chapter("T040", 11, false), chapter("T050", 9, true),  chapter("T060", 7, false),
            chapter("T070", 13, false)};
}

QByteArray editionOutlineStream()
{
    return writeOutlineStream(editionOutline());
}
