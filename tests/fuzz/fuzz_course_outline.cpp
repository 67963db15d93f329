// readOutlineStream on any bytes: an outline or nullopt, never a crash. An
// outline it gives, written again, reads back as the same outline (a
// chapter's page index means nothing and is written as 1) and is written the
// same way again.

#include "fuzz_support.h"
#include "shell/course_outline.h"

#include <cstdint>

namespace {

QList<OutlineNode> chaptersAtOne(QList<OutlineNode> nodes)
{
    for (OutlineNode &n : nodes) {
        if (n.isChapter()) {
            n.pageIndex = 1;
            n.children = chaptersAtOne(n.children);
        }
    }
    return nodes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const auto nodes = readOutlineStream(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
    if (!nodes)
        return 0;
    const QByteArray written = writeOutlineStream(*nodes);
    const auto again = readOutlineStream(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == chaptersAtOne(*nodes));
    FUZZ_CHECK(writeOutlineStream(*again) == written);
    return 0;
}
