#pragma once

// What the INI harnesses draw from an input: a text to start from and one
// write to make on it. The in-memory harness (fuzz_ini_text) checks what the
// write promises; the file-backed one (fuzz_ini_file) makes the same write on
// a file and on the text and compares.

#include "platform/ini_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace fuzz {

struct IniOperation {
    enum Kind { WriteString, WriteInteger, DeleteKey, WriteSection };

    IniOperation(const uint8_t *data, size_t size)
    {
        FuzzedDataProvider in(data, size);
        kind = Kind(in.ConsumeIntegralInRange(0, 3));
        section = bytesOf(in.ConsumeRandomLengthString(40));
        key = bytesOf(in.ConsumeRandomLengthString(40));
        value = bytesOf(in.ConsumeRandomLengthString(3000));
        before = bytesOf(in.ConsumeRemainingBytesAsString());
    }

    // The number WriteInteger writes: the value's if it is one, else its length.
    int integer() const { return IniText::parseInteger(value).value_or(int(value.size())); }

    // The entries WriteSection writes: the value's parts between ";", each
    // a key and, after its first "=", a value.
    QList<std::pair<QByteArray, QByteArray>> entries() const
    {
        QList<std::pair<QByteArray, QByteArray>> all;
        for (const QByteArray &part : value.split(';')) {
            const qsizetype eq = part.indexOf('=');
            all.append({eq < 0 ? part : part.first(eq), eq < 0 ? QByteArray() : part.sliced(eq + 1)});
        }
        return all;
    }

    // Makes the write on an IniText or an IniFile.
    template <class Ini>
    void applyTo(Ini &ini) const
    {
        switch (kind) {
        case WriteString:
            ini.writeString(section, key, value);
            break;
        case WriteInteger:
            ini.writeInteger(section, key, integer());
            break;
        case DeleteKey:
            ini.deleteKey(section, key);
            break;
        case WriteSection:
            ini.writeSection(section, entries());
            break;
        }
    }

    Kind kind;
    QByteArray section;
    QByteArray key;
    QByteArray value;
    QByteArray before;  // the text the write is made on

private:
    static QByteArray bytesOf(const std::string &s) { return QByteArray(s.data(), qsizetype(s.size())); }
};

}  // namespace fuzz
