// The code pages on any bytes: decoding never crashes; bytes a single-byte
// code page calls valid come back the same through decode and encode; in
// every code page, text that came from valid bytes survives encode and
// decode.

#include "fuzz_support.h"
#include "platform/code_page.h"

#include <cstdint>

namespace {

// The multi-byte code pages (Japanese, Korean, Chinese): one character may
// have more than one byte form, so only the text is compared.
bool isMultiByte(int charset)
{
    return charset == 128 || charset == 129 || charset == 130 || charset == 134 || charset == 136;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const CodePage page = CodePage::forCharset(data[0]);
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = page.decode(bytes);
    const QByteArray encoded = page.encode(text);
    if (!page.isValid(bytes))
        return 0;
    FUZZ_CHECK(page.decode(encoded) == text);
    if (!isMultiByte(page.charset()))
        FUZZ_CHECK(encoded == bytes);
    return 0;
}
