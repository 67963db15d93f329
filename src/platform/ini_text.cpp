#include "platform/ini_text.h"


#include <QVarLengthArray>

#include <algorithm>
#include <string>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// What one line says.
struct Parsed {
    enum Kind { Blank, Other, Section, Key } kind = Other;
    QByteArrayView name;   // section or key name, trimmed
    QByteArrayView value;  // raw value after "=", untrimmed
};

Parsed parseLine(QByteArrayView text)
{
    const QByteArrayView t = trimmed(text);
    if (t.isEmpty())
        return {Parsed::Blank, {}, {}};
    if (t.front() == ';')
        return {};
    if (t.front() == '[') {
        const qsizetype close = t.indexOf(']');
        const QByteArrayView inner = close < 0 ? t.sliced(1) : t.sliced(1, close - 1);
        return {Parsed::Section, trimmed(inner), {}};
    }
    const qsizetype eq = t.indexOf('=');
    if (eq < 0)
        return {};
    return {Parsed::Key, trimmed(t.first(eq)), t.sliced(eq + 1)};
}

// A value as the reader gives it: blanks around it dropped, one pair of
// matching single or double quotes removed, cut at MaxValueLength.
QByteArray valueRead(QByteArrayView raw)
{
    QByteArrayView value = trimmed(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min(value.size(), IniText::MaxValueLength)).toByteArray();
}

bool endsWithLineBreak(const QByteArray &bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

bool holdsLineBreakOrNul(QByteArrayView text)
{
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

// A name is written only when the reader finds exactly it again in the line
// the writer makes of it ("[Section]" or "Key="): not empty, no line break
// or NUL, no blanks around it, no "]" in a section name; a key holds no "="
// and does not begin with "[" or ";" (it would be a section or a comment).
void requireName(QByteArrayView name, Parsed::Kind kind)
{
    const std::string what = kind == Parsed::Section ? "section" : "key";
    if (name.isEmpty())
        throw std::invalid_argument("INI " + what + " name is empty");
    QVarLengthArray<char, 256> line;
    if (kind == Parsed::Section)
        line.append('[');
    line.append(name.data(), name.size());
    line.append(kind == Parsed::Section ? ']' : '=');
    const Parsed p = parseLine(QByteArrayView(line.constData(), line.size()));
    if (holdsLineBreakOrNul(name) || p.kind != kind || p.name.compare(name) != 0)
        throw std::invalid_argument("INI " + what + " name \"" + std::string(name.data(), name.size())
                                    + "\" would not read back");
}

void requireValue(QByteArrayView value)
{
    if (holdsLineBreakOrNul(value))
        throw std::invalid_argument("INI value contains a line break or NUL");
}

// A section and its keys and values as writeSection and writeStrings take
// them: all are checked before anything is written.
void requireEntries(QByteArrayView section, const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    requireName(section, Parsed::Section);
    for (const auto &[key, value] : entries) {
        requireName(key, Parsed::Key);
        requireValue(value);
    }
}

}  // namespace

// A line ends at LF, at CR LF or at a lone CR, wherever it stands, so reading
// and writing agree on every text: a CR is never part of a name or value.
IniText::IniText(QByteArray bytes) : m_bytes(std::move(bytes))
{
    static_assert(int(Line::Blank) == Parsed::Blank && int(Line::Other) == Parsed::Other
                  && int(Line::Section) == Parsed::Section && int(Line::Key) == Parsed::Key);
    const char *data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    m_lines.reserve(m_bytes.count('\n') + m_bytes.count('\r') + 1);
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < size && data[next] == '\r')
            ++next;
        if (next < size && data[next] == '\n')
            ++next;
        const Parsed p = parseLine(QByteArrayView(data + pos, end - pos));
        const qsizetype nameStart = p.name.data() ? p.name.data() - data : pos;
        const qsizetype valueStart = p.value.data() ? p.value.data() - data : end;
        m_lines.append({pos, end, next, Line::Kind(p.kind), nameStart, nameStart + p.name.size(),
                        valueStart});
        pos = next;
    }
}

QByteArrayView IniText::nameOf(const Line &line) const
{
    return QByteArrayView(m_bytes.constData() + line.nameStart, line.nameEnd - line.nameStart);
}

IniText::Place IniText::find(QByteArrayView section, QByteArrayView key) const
{
    section = trimmed(section);
    key = trimmed(key);
    Place place;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Section) {
            if (place.header >= 0) {
                place.end = i;  // the first matching section has ended
                break;
            }
            if (sameName(nameOf(line), section)) {
                place.header = place.lastContent = i;
                place.end = m_lines.size();
            }
            continue;
        }
        if (place.header < 0)
            continue;
        if (line.kind != Line::Blank)
            place.lastContent = i;
        if (line.kind == Line::Key && place.key < 0 && sameName(nameOf(line), key))
            place.key = i;
    }
    return place;
}

IniText::LineNumbers IniText::firstOfEachName(qsizetype from, qsizetype to, Line::Kind kind) const
{
    LineNumbers byName;
    for (qsizetype i = from; i < to; ++i) {
        if (m_lines[i].kind == kind)
            byName.append(i);
    }
    // Sorted by name as sameName compares (both fold ASCII letters only),
    // then by place: the first of each run of one name is its first line.
    std::sort(byName.begin(), byName.end(), [this](qsizetype a, qsizetype b) {
        const int order = nameOf(m_lines[a]).compare(nameOf(m_lines[b]), Qt::CaseInsensitive);
        return order < 0 || (order == 0 && a < b);
    });
    LineNumbers first;
    for (qsizetype k = 0; k < byName.size(); ++k) {
        if (k == 0 || !sameName(nameOf(m_lines[byName[k]]), nameOf(m_lines[byName[k - 1]])))
            first.append(byName[k]);
    }
    std::sort(first.begin(), first.end());
    return first;
}

QList<QByteArray> IniText::sections() const
{
    QList<QByteArray> names;
    for (qsizetype i : firstOfEachName(0, m_lines.size(), Line::Section))
        names.append(nameOf(m_lines[i]).toByteArray());
    return names;
}

QList<std::pair<QByteArray, QByteArray>> IniText::readSection(QByteArrayView section) const
{
    const Place place = find(section, {});
    QList<std::pair<QByteArray, QByteArray>> entries;
    if (place.header < 0)
        return entries;
    const LineNumbers keys = firstOfEachName(place.header + 1, place.end, Line::Key);
    entries.reserve(keys.size());
    for (qsizetype i : keys) {
        const Line &line = m_lines[i];
        entries.append({nameOf(line).toByteArray(),
                        valueRead(QByteArrayView(m_bytes.constData() + line.valueStart,
                                                 line.end - line.valueStart))});
    }
    return entries;
}

QList<QByteArray> IniText::keys(QByteArrayView section) const
{
    QList<QByteArray> names;
    for (auto &[key, value] : readSection(section))
        names.append(std::move(key));
    return names;
}

std::optional<QByteArray> IniText::value(QByteArrayView section, QByteArrayView key) const
{
    const Place place = find(section, key);
    if (place.key < 0)
        return std::nullopt;
    const Line &line = m_lines[place.key];
    return valueRead(QByteArrayView(m_bytes.constData() + line.valueStart, line.end - line.valueStart));
}

QByteArray IniText::readString(QByteArrayView section, QByteArrayView key,
                               QByteArrayView fallback) const
{
    return value(section, key).value_or(fallback.toByteArray());
}

int IniText::readInteger(QByteArrayView section, QByteArrayView key, int fallback) const
{
    const std::optional<QByteArray> text = value(section, key);
    return text ? parseInteger(*text).value_or(fallback) : fallback;
}

bool IniText::readBool(QByteArrayView section, QByteArrayView key, bool fallback) const
{
    const std::optional<QByteArray> text = value(section, key);
    const std::optional<int> n = text ? parseInteger(*text) : std::nullopt;
    return n ? *n != 0 : fallback;
}

std::optional<int> IniText::parseInteger(QByteArrayView text)
{
    QByteArrayView t = text;
    bool negative = false;
    if (!t.isEmpty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t = t.sliced(1);
    }
    int base = 10;
    if (t.startsWith("$")) {
        base = 16;
        t = t.sliced(1);
    } else if (t.startsWith("0x") || t.startsWith("0X")) {
        base = 16;
        t = t.sliced(2);
    }
    if (t.isEmpty())
        return std::nullopt;
    // Decimal must fit a signed 32-bit value; hexadecimal may use all 32 bits
    // ($FFFFFFFF is -1), as the classic readers do.
    const quint64 limit = base == 16 ? 0xFFFFFFFFull
                                     : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (char c : t) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const quint32 bits = static_cast<quint32>(negative ? 0 - magnitude : magnitude);
    return static_cast<int>(bits);
}

// New lines take the break of the text's first line (CR LF, LF or a lone
// CR); a text without one gets the classic CR LF.
QByteArrayView IniText::lineBreak() const
{
    for (const Line &line : m_lines) {
        if (line.next > line.end)
            return QByteArrayView(m_bytes.constData() + line.end, line.next - line.end);
    }
    return "\r\n";
}

void IniText::replace(qsizetype from, qsizetype to, std::initializer_list<QByteArrayView> with)
{
    qsizetype size = m_bytes.size() - (to - from);
    for (QByteArrayView piece : with)
        size += piece.size();
    QByteArray bytes;
    bytes.reserve(size);  // the new text in one allocation
    bytes.append(m_bytes.constData(), from);
    for (QByteArrayView piece : with)
        bytes.append(piece);
    bytes.append(m_bytes.constData() + to, m_bytes.size() - to);
    *this = IniText(std::move(bytes));
}

// A new section goes at the end, after a blank line.
void IniText::appendSection(QByteArrayView section, QByteArrayView keyLines)
{
    const QByteArrayView eol = lineBreak();
    const bool empty = m_bytes.isEmpty();
    replace(m_bytes.size(), m_bytes.size(),
            {empty || endsWithLineBreak(m_bytes) ? QByteArrayView() : eol,  // ends the last line
             empty ? QByteArrayView() : eol,                                 // the blank line
             "[", section, "]", eol, keyLines});
}

void IniText::setEntry(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const Place place = find(section, key);
    const QByteArrayView eol = lineBreak();
    if (place.key >= 0) {
        // Only the value changes: the key keeps the spelling the text gives
        // it, and the blanks around "=" stay as they were.
        const Line &line = m_lines[place.key];
        qsizetype from = line.valueStart;
        while (from < line.end && isBlank(m_bytes.at(from)))
            ++from;
        replace(from, line.end, {value});
    } else if (place.header >= 0) {
        const Line &after = m_lines[place.lastContent];
        if (after.next == after.end)  // the section's last line has no line break
            replace(after.end, after.end, {eol, key, "=", value});
        else
            replace(after.next, after.next, {key, "=", value, eol});
    } else {
        appendSection(section, key.toByteArray() + '=' + value.toByteArray() + eol.toByteArray());
    }
}

void IniText::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    writeStrings(section, {{key.toByteArray(), value.toByteArray()}});
}

void IniText::writeInteger(QByteArrayView section, QByteArrayView key, int value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniText::writeStrings(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    requireEntries(section, entries);
    for (const auto &[key, value] : entries)
        setEntry(section, key, value);
}

bool IniText::deleteKey(QByteArrayView section, QByteArrayView key)
{
    const Place place = find(section, key);
    if (place.key < 0)
        return false;
    // Every line of the key goes, in one pass: a second one would otherwise
    // be read in its stead.
    QByteArray bytes;
    bytes.reserve(m_bytes.size());
    qsizetype kept = 0;  // the bytes before it are in `bytes`
    for (qsizetype i = place.key; i < place.end; ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Line::Key && sameName(nameOf(line), trimmed(key))) {
            bytes.append(m_bytes.constData() + kept, line.start - kept);
            kept = line.next;
        }
    }
    bytes.append(m_bytes.constData() + kept, m_bytes.size() - kept);
    *this = IniText(std::move(bytes));
    return true;
}

bool IniText::writeSection(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    requireEntries(section, entries);

    const Place place = find(section, {});
    if (place.header < 0 && entries.isEmpty())
        return false;  // nothing to remove
    const QByteArrayView eol = lineBreak();
    qsizetype size = 0;
    for (const auto &[key, value] : entries)
        size += key.size() + 1 + value.size() + eol.size();
    QByteArray keyLines;
    keyLines.reserve(size);
    for (const auto &[key, value] : entries) {
        keyLines += key;
        keyLines += '=';
        keyLines += value;
        keyLines += eol;
    }

    if (place.header < 0) {
        appendSection(section, keyLines);
    } else if (entries.isEmpty()) {
        // The section's lines up to its last non-blank one; blank lines
        // after it keep separating it from the next section.
        replace(m_lines[place.header].start, m_lines[place.lastContent].next, {});
    } else {
        replace(m_lines[place.header].start, m_lines[place.lastContent].next,
                {"[", section, "]", eol, keyLines});
    }
    return true;
}
