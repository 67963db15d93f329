// IniText on any bytes: reading never crashes, and a write keeps its
// promises. A value the reader gives back as written (no blanks or quotes
// around it, not longer than a value holds) reads back exactly after
// writeString; every other section keeps its keys and values; a section that
// was not there is added after the old bytes, which stay as they were; a
// refused write changes nothing.

#include "fuzz_support.h"
#include "ini_operation.h"
#include "platform/ini_text.h"

#include <QList>

#include <cstdint>
#include <stdexcept>
#include <utility>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool readsBackAsWritten(const QByteArray &v)
{
    if (v.size() > IniText::MaxValueLength)
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

// Every section but `except`, with its keys and values, as the reader sees them.
QList<std::pair<QByteArray, QList<std::pair<QByteArray, QByteArray>>>> otherSections(
    const IniText &text, const QByteArray &except)
{
    QList<std::pair<QByteArray, QList<std::pair<QByteArray, QByteArray>>>> all;
    for (const QByteArray &s : text.sections()) {
        if (!sameName(s.trimmed(), except.trimmed()))
            all.append({s, text.readSection(s)});
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::IniOperation op(data, size);
    IniText text(op.before);
    // Reading any text.
    (void)text.readInteger(op.section, op.key, 0);
    (void)text.readBool(op.section, op.key, false);
    (void)IniText::parseInteger(op.value);
    const bool hadSection = [&] {
        for (const QByteArray &s : text.sections()) {
            if (sameName(s.trimmed(), op.section.trimmed()))
                return true;
        }
        return false;
    }();
    const auto othersBefore = otherSections(text, op.section);

    try {
        op.applyTo(text);
    } catch (const std::invalid_argument &) {
        // A name or value the text cannot hold: refused, nothing changed.
        FUZZ_CHECK(text.bytes() == op.before);
        return 0;
    }
    switch (op.kind) {
    case fuzz::IniOperation::WriteString:
        if (readsBackAsWritten(op.value))
            FUZZ_CHECK(text.value(op.section, op.key) == op.value);
        break;
    case fuzz::IniOperation::WriteInteger:
        FUZZ_CHECK(text.readInteger(op.section, op.key, op.integer() == 0 ? 1 : 0) == op.integer());
        break;
    case fuzz::IniOperation::DeleteKey:
        FUZZ_CHECK(!text.value(op.section, op.key).has_value());
        break;
    case fuzz::IniOperation::WriteSection:
        break;
    }
    FUZZ_CHECK(otherSections(text, op.section) == othersBefore);
    if (!hadSection && op.kind != fuzz::IniOperation::DeleteKey)
        FUZZ_CHECK(text.bytes().startsWith(op.before));
    return 0;
}
