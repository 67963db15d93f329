// safeFormat on any format text and arguments: a text or FormatError, never
// a crash or a read past the arguments; formatProblem agrees with it (and is
// the error's whole message), and formatOrVerbatim gives the format text
// itself when it does not fit.

#include "fuzz_support.h"
#include "platform/safe_format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QList<FormatArg> args;
    const int count = in.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < count; ++i) {
        if (in.ConsumeBool())
            args.append(in.ConsumeIntegral<int>());
        else
            args.append(QString::fromStdString(in.ConsumeRandomLengthString(300)));
    }
    const std::string formatBytes = in.ConsumeRemainingBytesAsString();
    const QString format = QString::fromUtf8(formatBytes.data(), qsizetype(formatBytes.size()));

    bool fits = true;
    QString text;
    try {
        text = safeFormat(format, args);
    } catch (const FormatError &e) {
        fits = false;
        // The message is whole, also past a NUL of the format text.
        FUZZ_CHECK(std::string(e.what()) == formatProblem(format, args).toStdString());
    }
    FUZZ_CHECK(formatProblem(format, args).isEmpty() == fits);
    FUZZ_CHECK(formatOrVerbatim(format, args) == (fits ? text : format));
    return 0;
}
