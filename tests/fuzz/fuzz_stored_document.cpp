// The learner's document in the progress file: the lines of any text, as
// documentEntries stores them in a section of the INI text, are what
// documentFromEntries gives back from the bytes written, and the file's
// other sections stay.

#include "fuzz_support.h"
#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/ini_text.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = documentLines(text);
    IniText written("[USERINFO]\r\nMaxIndex=7\r\n");
    written.writeSection("DOCUMENT", documentEntries(lines));
    const IniText read(written.bytes());
    static const CodePage western = CodePage::forCharset(0);  // opening a code page is slow
    FUZZ_CHECK(documentFromEntries(read.readSection("DOCUMENT"), western) == lines);
    FUZZ_CHECK(read.readInteger("USERINFO", "MaxIndex", 0) == 7);
    return 0;
}
