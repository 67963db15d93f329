// IniFile on a file of any bytes: reading never crashes, and a write keeps
// its promises. A value the reader gives back as written (no blanks or
// quotes around it, not longer than a value holds) reads back exactly after
// writeString; every other section keeps its keys and values; a section that
// was not there is added after the old bytes, which stay as they were.

#include "fuzz_support.h"
#include "platform/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QMap>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

QByteArray bytesOf(const std::string &s) { return QByteArray(s.data(), qsizetype(s.size())); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool readsBackAsWritten(const QByteArray &v)
{
    if (v.size() > IniFile::MaxValueLength)
        return false;
    if (!v.isEmpty() && (isBlank(v.front()) || isBlank(v.back())))
        return false;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return false;
    return !v.contains('\r') && !v.contains('\n') && !v.contains('\0');
}

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return QByteArrayView(a).compare(b, Qt::CaseInsensitive) == 0;
}

// Every key and value of every section but `except`, as the reader sees them.
QMap<QByteArray, QMap<QByteArray, QByteArray>> otherSections(const IniFile &file,
                                                            const QByteArray &except)
{
    QMap<QByteArray, QMap<QByteArray, QByteArray>> all;
    for (const QByteArray &s : file.sections()) {
        if (sameName(s.trimmed(), except.trimmed()))
            continue;
        auto &keys = all[s];
        for (const QByteArray &k : file.keys(s))
            keys[k] = file.value(s, k).value_or("<missing>");
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int operation = in.ConsumeIntegralInRange(0, 3);
    const QByteArray section = bytesOf(in.ConsumeRandomLengthString(40));
    const QByteArray key = bytesOf(in.ConsumeRandomLengthString(40));
    const QByteArray value = bytesOf(in.ConsumeRandomLengthString(3000));
    const QByteArray before = bytesOf(in.ConsumeRemainingBytesAsString());

    IniFile file(fuzz::scratchFile(before));
    // Reading any file.
    (void)file.readInteger(section, key, 0);
    (void)file.readBool(section, key, false);
    (void)IniFile::parseInteger(value);
    const bool hadSection = [&] {
        for (const QByteArray &s : file.sections()) {
            if (sameName(s.trimmed(), section.trimmed()))
                return true;
        }
        return false;
    }();
    const auto othersBefore = otherSections(file, section);

    try {
        switch (operation) {
        case 0:
            file.writeString(section, key, value);
            if (readsBackAsWritten(value))
                FUZZ_CHECK(file.value(section, key) == value);
            break;
        case 1: {
            const int n = IniFile::parseInteger(value).value_or(int(value.size()));
            file.writeInteger(section, key, n);
            FUZZ_CHECK(file.readInteger(section, key, n == 0 ? 1 : 0) == n);
            break;
        }
        case 2:
            file.deleteKey(section, key);
            FUZZ_CHECK(!file.value(section, key).has_value());
            break;
        case 3: {
            QList<std::pair<QByteArray, QByteArray>> entries;
            for (const QByteArray &line : value.split(';')) {
                const qsizetype eq = line.indexOf('=');
                entries.append({eq < 0 ? line : line.first(eq), eq < 0 ? QByteArray() : line.sliced(eq + 1)});
            }
            file.writeSection(section, entries);
            break;
        }
        }
    } catch (const std::invalid_argument &) {
        // A name or value the file cannot hold: refused, the file untouched.
        FUZZ_CHECK(fuzz::fileBytes(file.path()) == before);
        return 0;
    }
    FUZZ_CHECK(otherSections(file, section) == othersBefore);
    if (!hadSection && operation != 2)
        FUZZ_CHECK(fuzz::fileBytes(file.path()).startsWith(before));
    return 0;
}
