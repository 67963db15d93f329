// The learner's document in the progress file: the lines of any text, as
// storeDocument writes them, are what loadDocument gives back.

#include "fuzz_support.h"
#include "lessons/stored_document.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = documentLines(text);
    IniFile file(fuzz::scratchFile("[USERINFO]\r\nMaxIndex=7\r\n"));
    storeDocument(file, "DOCUMENT", lines);
    FUZZ_CHECK(loadDocument(file, "DOCUMENT", CodePage::forCharset(0)) == lines);
    FUZZ_CHECK(file.readInteger("USERINFO", "MaxIndex", 0) == 7);
    return 0;
}
