// The learner's document in the progress file: the lines of any text, as
// documentEntries stores them in a section of the INI text, are what
// documentFromEntries gives back from the bytes written, and the file's
// other sections stay.

#include "fuzz_support.h"
#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/ini_text.h"

#include <cstdint>

namespace {

// Each line is stored and read on its own: a text of more lines than this
// finds nothing its first lines do not, and only costs time (documents of
// thousands of lines have their unit test). A text is read up to its 16th
// line break.
constexpr std::ptrdiff_t kLines = 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const uint8_t *end = data;
    for (std::ptrdiff_t breaks = 0; end != data + size && breaks < kLines; ++end)
        breaks += *end == '\n';
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(end - data));
    const QStringList lines = documentLines(text);
    IniText written("[USERINFO]\r\nMaxIndex=7\r\n");
    written.writeSection("DOCUMENT", documentEntries(lines));
    const IniText read(written.bytes());
    static const CodePage western = CodePage::forCharset(0);  // opening a code page is slow
    FUZZ_CHECK(documentFromEntries(read.readSection("DOCUMENT"), western) == lines);
    FUZZ_CHECK(read.readInteger("USERINFO", "MaxIndex", 0) == 7);
    return 0;
}
