// readOutlineStream on any bytes: an outline or nullopt, never a crash. An
// outline it gives, written again, reads back as the same outline.

#include "fuzz_support.h"
#include "shell/course_outline.h"

#include <cstdint>

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
    FUZZ_CHECK(*again == *nodes);
    FUZZ_CHECK(writeOutlineStream(*again) == written);
    return 0;
}
