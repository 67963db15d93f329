// IniFile on a file of any bytes: the same write as on an IniText of the
// file's bytes (whose promises fuzz_ini_text checks) leaves the file holding
// the text's bytes, is refused alike, and reading the file gives what reading
// the text gives. It runs the real path (the bounded read, the atomic
// replace), so it is slow: a short run beside the in-memory harness.

#include "fuzz_support.h"
#include "ini_operation.h"
#include "platform/ini_file.h"

#include <cstdint>
#include <stdexcept>

namespace {

// Makes the write; false when it was refused as a name or value the INI
// text cannot hold.
template <class Ini>
bool taken(const fuzz::IniOperation &op, Ini &ini)
{
    try {
        op.applyTo(ini);
        return true;
    } catch (const std::invalid_argument &) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::IniOperation op(data, size);
    IniFile file(fuzz::scratchFile(op.before));
    IniText text(op.before);
    FUZZ_CHECK(file.sections() == text.sections());
    FUZZ_CHECK(file.value(op.section, op.key) == text.value(op.section, op.key));

    FUZZ_CHECK(taken(op, file) == taken(op, text));
    FUZZ_CHECK(fuzz::fileBytes(file.path()) == text.bytes());
    FUZZ_CHECK(file.readSection(op.section) == text.readSection(op.section));
    return 0;
}
