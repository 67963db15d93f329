#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <fcntl.h>
#include <limits>
#include <unistd.h>
#include <utility>

namespace {

// One line of the file: [start, end) is its text without the line break,
// next is where the following line starts (next == end: the last line, with
// no break). A line ends at LF, at CR LF or at a lone CR, wherever it
// stands, so reading and writing agree on every file: a CR is never part of
// a name or value.
struct Line {
    qsizetype start;
    qsizetype end;
    qsizetype next;
};

QList<Line> splitLines(const QByteArray &content)
{
    QList<Line> lines;
    qsizetype pos = 0;
    const qsizetype size = content.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && content.at(end) != '\n' && content.at(end) != '\r')
            ++end;
        qsizetype next = end;
        if (next < size && content.at(next) == '\r')
            ++next;
        if (next < size && content.at(next) == '\n')
            ++next;
        lines.append({pos, end, next});
        pos = next;
    }
    return lines;
}

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

// Whether the set did not hold the name yet, compared as sameName compares
// (both fold ASCII letters only); it then holds it.
bool firstTime(QSet<QByteArray> &seen, QByteArrayView name)
{
    const QByteArray folded = name.toByteArray().toLower();
    if (seen.contains(folded))
        return false;
    seen.insert(folded);
    return true;
}

// What one line of an INI file says.
struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    QByteArrayView name;   // section or key name, trimmed
    QByteArrayView value;  // raw value after "=", untrimmed
};

Parsed parseLine(QByteArrayView text)
{
    const QByteArrayView t = trimmed(text);
    if (t.isEmpty() || t.front() == ';')
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

QByteArrayView textOf(const QByteArray &content, const Line &line)
{
    return QByteArrayView(content.constData() + line.start, line.end - line.start);
}

// A value as the reader gives it: blanks around it dropped, one pair of
// matching single or double quotes removed, cut at MaxValueLength.
QByteArray valueRead(QByteArrayView raw)
{
    QByteArrayView value = trimmed(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min(value.size(), IniFile::MaxValueLength)).toByteArray();
}

// The lines of the first section of that name, the one the reader uses:
// its "[Section]" line and the line after its last one; header is -1 when
// the file has no such section.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QByteArray &content, const QList<Line> &lines,
                        QByteArrayView section)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Parsed p = parseLine(textOf(content, lines[i]));
        if (p.kind != Parsed::Section)
            continue;
        if (span.header >= 0) {
            span.end = i;  // the first matching section has ended
            return span;
        }
        if (sameName(p.name, section))
            span.header = i;
    }
    span.end = lines.size();
    return span;
}

// Where a section and a key sit in the file; -1 when absent.
struct Location {
    qsizetype sectionLine = -1;  // the "[Section]" line
    qsizetype keyLine = -1;      // the "Key=" line inside it
    qsizetype lastContentLine = -1;  // last non-blank line of the section
};

Location locate(const QByteArray &content, const QList<Line> &lines,
                QByteArrayView section, QByteArrayView key)
{
    Location loc;
    const SectionSpan span = findSection(content, lines, section);
    if (span.header < 0)
        return loc;
    loc.sectionLine = span.header;
    loc.lastContentLine = span.header;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const QByteArrayView text = textOf(content, lines[i]);
        if (!trimmed(text).isEmpty())
            loc.lastContentLine = i;
        const Parsed p = parseLine(text);
        if (p.kind == Parsed::Key && loc.keyLine < 0 && sameName(p.name, trimmed(key)))
            loc.keyLine = i;
    }
    return loc;
}

// New lines take the break of the file's first line (CR LF, LF or a lone
// CR); a file without one gets the classic CR LF.
QByteArray lineBreakOf(const QByteArray &content, const QList<Line> &lines)
{
    for (const Line &line : lines) {
        if (line.next > line.end)
            return content.mid(line.end, line.next - line.end);
    }
    return "\r\n";
}

bool endsWithLineBreak(const QByteArray &content)
{
    return content.endsWith('\n') || content.endsWith('\r');
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
    const QByteArray line = kind == Parsed::Section ? '[' + name.toByteArray() + ']'
                                                    : name.toByteArray() + '=';
    const Parsed p = parseLine(line);
    if (holdsLineBreakOrNul(name) || p.kind != kind || p.name.compare(name) != 0)
        throw std::invalid_argument("INI " + what + " name \"" + std::string(name.data(), name.size())
                                    + "\" would not read back");
}

// A new section goes at the end, after a blank line.
void appendSection(QByteArray &content, const QByteArray &eol, const QByteArray &block)
{
    if (!content.isEmpty() && !endsWithLineBreak(content))
        content += eol;
    if (!content.isEmpty())
        content += eol;
    content += block;
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

// Sets one key's value in the file's content, as writeString describes.
void setEntry(QByteArray &content, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QList<Line> lines = splitLines(content);
    const Location loc = locate(content, lines, section, key);
    const QByteArray eol = lineBreakOf(content, lines);
    const QByteArray entry = key.toByteArray() + '=' + value.toByteArray();

    if (loc.keyLine >= 0) {
        // Only the value changes: the key keeps the spelling the file gives
        // it, and the blanks around "=" stay as they were.
        const Line &line = lines[loc.keyLine];
        qsizetype from = content.indexOf('=', line.start) + 1;
        while (from < line.end && isBlank(content.at(from)))
            ++from;
        content.replace(from, line.end - from, value.toByteArray());
    } else if (loc.sectionLine >= 0) {
        const Line &after = lines[loc.lastContentLine];
        if (after.next == after.end)  // the section's last line has no line break
            content.insert(after.end, eol + entry);
        else
            content.insert(after.next, entry + eol);
    } else {
        appendSection(content, eol, '[' + section.toByteArray() + ']' + eol + entry + eol);
    }
}

}  // namespace

IniWriteError::IniWriteError(const QString &fileName)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(fileName).toStdString()),
      m_fileName(fileName)
{
}

IniFile::IniFile(QString path, qint64 readLimit)
    : m_path(std::move(path)), m_readLimit(readLimit)
{
}

ReadStatus IniFile::readStatus() const
{
    return readBoundedFile(m_path, m_readLimit).status;
}

QByteArray IniFile::load() const
{
    return readBoundedFile(m_path, m_readLimit).bytes;
}

QByteArray IniFile::loadForWrite() const
{
    ReadResult r = readBoundedFile(m_path, m_readLimit);
    if (!r.ok() && r.status != ReadStatus::Missing)
        throw IniWriteError(m_path);
    return std::move(r.bytes);
}

void IniFile::store(const QByteArray &content) const
{
    const QFileInfo info(m_path);
    // A read-only file refuses the write, also for a user (root) whom the
    // system would let through: the file's own mode is what counts.
    if (info.exists() && (info.isDir() || !(info.permissions() & QFileDevice::WriteOwner)))
        throw IniWriteError(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()
        || !file.commit())
        throw IniWriteError(m_path);
    // The rename is an entry of the folder: synced, it survives a power loss.
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void IniFile::removeStrayTemporaryFiles(const QString &path)
{
    // QSaveFile names its temporary file after the file, a dot and six
    // random letters ("QL2Dusr.qlu.dBimhI"); with unnamed temporary files
    // (O_TMPFILE) that name exists only between the link and the rename of a
    // commit, without them from the open on.
    const QFileInfo info(path);
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(info.fileName())
                                            + QStringLiteral("\\.[A-Za-z]{6}")));
    QDir dir = info.absoluteDir();
    const QStringList candidates =
        dir.entryList({info.fileName() + QStringLiteral(".*")},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : candidates) {
        if (pattern.match(name).hasMatch())
            dir.remove(name);
    }
}

QByteArray IniFile::readString(QByteArrayView section, QByteArrayView key,
                               QByteArrayView fallback) const
{
    return value(section, key).value_or(fallback.toByteArray());
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    const QByteArray content = load();
    const QList<Line> lines = splitLines(content);
    const Location loc = locate(content, lines, trimmed(section), key);
    if (loc.keyLine < 0)
        return std::nullopt;
    return valueRead(parseLine(textOf(content, lines[loc.keyLine])).value);
}

QList<QByteArray> IniFile::sections() const
{
    const QByteArray content = load();
    QList<QByteArray> names;
    QSet<QByteArray> seen;  // the names so far, as the reader compares them
    for (const Line &line : splitLines(content)) {
        const Parsed p = parseLine(textOf(content, line));
        if (p.kind == Parsed::Section && firstTime(seen, p.name))
            names.append(p.name.toByteArray());
    }
    return names;
}

QList<std::pair<QByteArray, QByteArray>> IniFile::readSection(QByteArrayView section) const
{
    const QByteArray content = load();
    const QList<Line> lines = splitLines(content);
    const SectionSpan span = findSection(content, lines, trimmed(section));
    QList<std::pair<QByteArray, QByteArray>> entries;
    QSet<QByteArray> seen;  // the names so far, as the reader compares them
    for (qsizetype i = span.header + 1; span.header >= 0 && i < span.end; ++i) {
        const Parsed p = parseLine(textOf(content, lines[i]));
        if (p.kind == Parsed::Key && firstTime(seen, p.name))
            entries.append({p.name.toByteArray(), valueRead(p.value)});
    }
    return entries;
}

QList<QByteArray> IniFile::keys(QByteArrayView section) const
{
    QList<QByteArray> names;
    for (auto &[key, value] : readSection(section))
        names.append(std::move(key));
    return names;
}

std::optional<int> IniFile::parseInteger(QByteArrayView text)
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

int IniFile::readInteger(QByteArrayView section, QByteArrayView key, int fallback) const
{
    const std::optional<QByteArray> text = value(section, key);
    return text ? parseInteger(*text).value_or(fallback) : fallback;
}

bool IniFile::readBool(QByteArrayView section, QByteArrayView key, bool fallback) const
{
    const std::optional<QByteArray> text = value(section, key);
    const std::optional<int> n = text ? parseInteger(*text) : std::nullopt;
    return n ? *n != 0 : fallback;
}

void IniFile::writeString(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    writeStrings(section, {{key.toByteArray(), value.toByteArray()}});
}

void IniFile::writeStrings(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    requireEntries(section, entries);

    QByteArray content = loadForWrite();
    for (const auto &[key, value] : entries)
        setEntry(content, section, key, value);
    store(content);
}

void IniFile::writeInteger(QByteArrayView section, QByteArrayView key, int value)
{
    writeString(section, key, QByteArray::number(value));
}

void IniFile::deleteKey(QByteArrayView section, QByteArrayView key)
{
    QByteArray content = loadForWrite();
    const QList<Line> lines = splitLines(content);
    const Location loc = locate(content, lines, trimmed(section), key);
    if (loc.keyLine < 0)
        return;
    const Line &line = lines[loc.keyLine];
    content.remove(line.start, line.next - line.start);
    store(content);
}

void IniFile::writeSection(QByteArrayView section,
                           const QList<std::pair<QByteArray, QByteArray>> &entries)
{
    requireEntries(section, entries);

    QByteArray content = loadForWrite();
    const QList<Line> lines = splitLines(content);
    const Location loc = locate(content, lines, section, {});
    if (loc.sectionLine < 0 && entries.isEmpty())
        return;  // nothing to remove
    const QByteArray eol = lineBreakOf(content, lines);
    QByteArray block;
    if (!entries.isEmpty()) {
        block = '[' + section.toByteArray() + ']' + eol;
        for (const auto &[key, value] : entries)
            block += key + '=' + value + eol;
    }

    if (loc.sectionLine >= 0) {
        // The section's lines up to its last non-blank one; blank lines
        // after it keep separating it from the next section.
        const qsizetype from = lines[loc.sectionLine].start;
        const qsizetype to = lines[loc.lastContentLine].next;
        content.replace(from, to - from, block);
    } else {
        appendSection(content, eol, block);
    }
    store(content);
}
