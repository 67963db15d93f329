// check_language: checks a Quillan 2 language file and its info directory
// for the mistakes a translator can make, one line per problem.

#include "lessons/next_step.h"
#include "platform/bounded_read.h"
#include "platform/code_page.h"
#include "platform/desktop_words.h"
#include "platform/ini_file.h"
#include "platform/language_files.h"
#include "platform/rtf_reader.h"
#include "platform/safe_format.h"
#include "shell/desktop_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

namespace {

const char kUsage[] =
    "Usage: check_language [--reference QL2Eng.ini] <language file>\n"
    "\n"
    "Checks a Quillan 2 language file and its course pages for translators'\n"
    "mistakes. The reference file defaults to QL2Eng.ini in the folder of the\n"
    "checked file.\n"
    "\n"
    "Checks:\n"
    "  - every key of the reference file is present where Quillan 2 reads it\n"
    "    (section and key names compared without regard to case, only the first\n"
    "    section of a name counts; skipped when checking the reference);\n"
    "  - every hint of section HINTS that Quillan 2 shows is present, also in\n"
    "    the reference;\n"
    "  - LABELS/lbT001Time takes one number (%d), LABELS/lbTopicComplete one\n"
    "    text (%s);\n"
    "  - no value of ACCESSIBILITY (what a screen reader calls the pictures,\n"
    "    the Start menu's rows and the pages without a name) is empty;\n"
    "  - LANGUAGE/Charset is a number, and every value, as Quillan 2 reads it\n"
    "    (trimmed, unquoted, cut at 2047 characters), is valid in the code page\n"
    "    of that character set;\n"
    "  - the info directory (PATHS/InfoPath, or Info<name>/ beside the file)\n"
    "    exists;\n"
    "  - the info files T001, T003, T004, T051..T059, T059Cmp, T052Txt (.rtf)\n"
    "    and T003Cred.txt exist, are regular files no larger than Quillan 2\n"
    "    reads and can be read, and the RTF files are RTF that Quillan 2 reads;\n"
    "  - the credits file T003Cred.txt has no line over 255 characters and\n"
    "    only bytes valid in the declared code page;\n"
    "  - the words of DESKTOP shown in a control of fixed size (the Start\n"
    "    button, the Open/Save dialog's labels, folder box, type box and\n"
    "    buttons, the message boxes' buttons) fit it at the program's font.\n"
    "\n"
    "Output: one line per problem, sorted:\n"
    "  <file>:<SECTION>/<key>: <message>   for a value of the language file\n"
    "  <file>:line <n>: <message>           for a line of a text file\n"
    "  <file>: <message>                    for a whole file\n"
    "\n"
    "Exit status: 0 when no problem was found, 1 when there are problems,\n"
    "2 on bad usage or when a file to check cannot be read.\n";

constexpr int kMaxCreditsLine = 255;

struct Entry {
    QByteArray section;
    QByteArray key;
    QByteArray value;
};

// Every key of an INI file with its value, as the program reads them: the
// keys of each section's first occurrence, each once, values trimmed,
// unquoted and cut as the reader does.
QList<Entry> entriesOf(const IniFile &ini)
{
    QList<Entry> entries;
    for (const QByteArray &section : ini.sections()) {
        for (const QByteArray &key : ini.keys(section))
            entries.append({section, key, ini.readString(section, key, "")});
    }
    return entries;
}

// Reads a file as Quillan 2 reads it, within the same limit; false with the
// reason, as a problem line ends, when the program would not read it.
bool readAll(const QString &path, qint64 limit, QByteArray *bytes, QString *why = nullptr)
{
    const ReadResult r = readBoundedFile(path, limit);
    *bytes = r.bytes;
    if (why) {
        switch (r.status) {
        case ReadStatus::Ok: break;
        case ReadStatus::Missing: *why = QStringLiteral("missing"); break;
        case ReadStatus::NotRegular: *why = QStringLiteral("not a regular file"); break;
        case ReadStatus::TooLarge:
            *why = QStringLiteral("larger than %1 bytes, the most Quillan 2 reads").arg(limit);
            break;
        case ReadStatus::Failed: *why = QStringLiteral("cannot be read"); break;
        }
    }
    return r.ok();
}

class Checker {
public:
    Checker(QString file, QString reference) : m_file(std::move(file)), m_reference(std::move(reference)) {}

    // False when the checked or the reference file cannot be read at all.
    bool run(QString *error);
    QStringList problems() const;

private:
    void add(const QString &line) { m_problems.append(line); }
    void keyProblem(const QByteArray &section, const QByteArray &key, const QString &message)
    {
        add(QStringLiteral("%1:%2/%3: %4").arg(m_file, QString::fromLatin1(section),
                                                QString::fromLatin1(key), message));
    }
    QString cpName() const { return QString::fromLatin1(m_cp.name()); }

    void checkMissingKeys(const IniFile &ini, const QList<Entry> &reference);
    void checkHints(const IniFile &ini);
    void checkCharset(const QList<Entry> &entries);
    void checkFormats();
    void checkAccessibleNames(const QList<Entry> &entries);
    void checkDesktopWords(const IniFile &ini);
    void checkInfo();
    void checkCredits(const QString &path, const QByteArray &bytes);

    QString m_file;
    QString m_reference;
    CodePage m_cp = CodePage::forCharset(1);
    QStringList m_problems;
};

bool Checker::run(QString *error)
{
    QByteArray content;
    if (!readAll(m_file, ReadLimit::LanguageFile, &content)) {
        *error = m_file + QStringLiteral(": cannot be read");
        return false;
    }
    const IniFile ini(m_file);

    const bool isReference = QFileInfo(m_file).canonicalFilePath()
                             == QFileInfo(m_reference).canonicalFilePath();
    if (!isReference) {
        if (!readAll(m_reference, ReadLimit::LanguageFile, &content)) {
            *error = m_reference + QStringLiteral(": reference file cannot be read");
            return false;
        }
        checkMissingKeys(ini, entriesOf(IniFile(m_reference)));
    }
    checkHints(ini);
    checkCharset(entriesOf(ini));
    checkFormats();
    checkAccessibleNames(entriesOf(ini));
    checkDesktopWords(ini);
    checkInfo();
    return true;
}

QStringList Checker::problems() const
{
    QStringList sorted = m_problems;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

// A key is present when the program finds it.
void Checker::checkMissingKeys(const IniFile &ini, const QList<Entry> &reference)
{
    const QString refName = QFileInfo(m_reference).fileName();
    const QList<QByteArray> hints = hintKeys();
    for (const Entry &e : reference) {
        const bool hint = e.section.compare("HINTS", Qt::CaseInsensitive) == 0 && hints.contains(e.key);
        if (!hint && !ini.value(e.section, e.key))
            keyProblem(e.section, e.key, QStringLiteral("missing (present in %1)").arg(refName));
    }
}

// The hints the program shows, in every pack: a missing one would leave
// the learner a balloon without words.
void Checker::checkHints(const IniFile &ini)
{
    for (const QByteArray &key : hintKeys()) {
        if (!ini.value("HINTS", key))
            keyProblem("HINTS", key, QStringLiteral("missing (a hint Quillan 2 shows)"));
    }
}

void Checker::checkCharset(const QList<Entry> &entries)
{
    const IniFile ini(m_file);
    // The code page the program decodes with: a Charset that is not a number
    // reads as the program's fallback.
    m_cp = CodePage::forCharset(ini.readInteger("LANGUAGE", "Charset", 1));
    const std::optional<QByteArray> raw = ini.value("LANGUAGE", "Charset");
    if (raw && !IniText::parseInteger(*raw))
        keyProblem("LANGUAGE", "Charset",
                   QStringLiteral("\"%1\" is not a number").arg(QString::fromLatin1(*raw)));
    for (const Entry &e : entries) {
        if (!m_cp.isValid(e.value))
            keyProblem(e.section, e.key,
                       QStringLiteral("bytes not valid in %1 (LANGUAGE/Charset %2)")
                           .arg(cpName())
                           .arg(m_cp.charset()));
    }
}

void Checker::checkFormats()
{
    struct FormatText {
        const char *section;
        const char *key;
        QList<FormatArg> args;
    };
    const FormatText texts[] = {
        {"LABELS", "lbT001Time", {FormatArg(0)}},
        {"LABELS", "lbTopicComplete", {FormatArg(QString())}},
        {"LABELS", "ZoomTooLarge", {FormatArg(QString()), FormatArg(QString()), FormatArg(QString())}},
    };
    const IniFile ini(m_file);
    for (const FormatText &t : texts) {
        const std::optional<QByteArray> raw = ini.value(t.section, t.key);
        if (!raw)
            continue;  // reported as a missing key
        const QString problem = formatProblem(m_cp.decode(ini.readString(t.section, t.key, "")), t.args);
        if (!problem.isEmpty())
            keyProblem(t.section, t.key, problem);
    }
}

// A name the program reads is used as it is: an empty one would leave a
// control without a name (only a missing key falls back to English).
void Checker::checkAccessibleNames(const QList<Entry> &entries)
{
    for (const Entry &e : entries) {
        if (e.section.compare("ACCESSIBILITY", Qt::CaseInsensitive) == 0 && e.value.trimmed().isEmpty())
            keyProblem(e.section, e.key, QStringLiteral("empty: a screen reader would say nothing for it"));
    }
}

// A word shown in a control of fixed size must fit it at the face the
// program shows it in, or the learner sees it cut.
void Checker::checkDesktopWords(const IniFile &ini)
{
    for (const auto &[key, problem] : desktopWordsTooLong(DesktopWords(ini, m_cp)))
        keyProblem("DESKTOP", key, problem);
}

void Checker::checkInfo()
{
    const IniFile ini(m_file);
    const QString dirOfFile = QFileInfo(m_file).path();
    QString infoPath;
    const std::optional<QByteArray> named = ini.value("PATHS", "InfoPath");
    if (named) {
        infoPath = withForwardSlashes(m_cp.decode(ini.readString("PATHS", "InfoPath", "")));
        if (QDir::isRelativePath(infoPath))
            infoPath = dirOfFile + QLatin1Char('/') + infoPath;
    } else {
        infoPath = derivedInfoPath(m_file, dirOfFile + QLatin1Char('/'));
    }
    if (!infoPath.endsWith(QLatin1Char('/')))
        infoPath += QLatin1Char('/');

    if (!QFileInfo(infoPath).isDir()) {
        const QString message = QStringLiteral("info directory %1 does not exist").arg(infoPath);
        if (named)
            keyProblem("PATHS", "InfoPath", message);
        else
            add(m_file + QStringLiteral(": ") + message);
        return;
    }

    QStringList rtfFiles = {QStringLiteral("T001"), QStringLiteral("T003"), QStringLiteral("T004")};
    for (int n = 51; n <= 59; ++n)
        rtfFiles << QStringLiteral("T0%1").arg(n);
    rtfFiles << QStringLiteral("T059Cmp") << QStringLiteral("T052Txt");

    for (const QString &name : rtfFiles) {
        const QString path = infoPath + name + QStringLiteral(".rtf");
        const qint64 limit =
            name == QLatin1String("T052Txt") ? ReadLimit::LessonDocument : ReadLimit::CoursePage;
        QByteArray bytes;
        QString why;
        if (!readAll(path, limit, &bytes, &why)) {
            add(path + QStringLiteral(": ") + why);
            continue;
        }
        QTextDocument doc;
        QString error;
        if (!loadRtf(bytes, doc, &error))
            add(path + QStringLiteral(": not RTF that Quillan 2 reads: ") + error);
    }

    const QString credits = infoPath + QStringLiteral("T003Cred.txt");
    QByteArray bytes;
    QString why;
    if (!readAll(credits, ReadLimit::CreditsText, &bytes, &why))
        add(credits + QStringLiteral(": ") + why);
    else
        checkCredits(credits, bytes);
}

void Checker::checkCredits(const QString &path, const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const QString where = QStringLiteral("%1:line %2: ").arg(path).arg(i + 1);
        if (!m_cp.isValid(line)) {
            add(where + QStringLiteral("bytes not valid in %1").arg(cpName()));
            continue;
        }
        const qsizetype length = m_cp.decode(line).size();
        if (length > kMaxCreditsLine)
            add(where + QStringLiteral("%1 characters, longer than %2").arg(length).arg(kMaxCreditsLine));
    }
}

int usageError(const char *message)
{
    std::fprintf(stderr, "check_language: %s\n\n%s", message, kUsage);
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    QString reference;
    QString file;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == QLatin1String("--reference")) {
            if (i + 1 >= args.size())
                return usageError("--reference needs a file name");
            reference = args[++i];
        } else if (a.startsWith(QLatin1String("--reference="))) {
            reference = a.mid(12);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return usageError("unknown option");
        } else if (!file.isEmpty()) {
            return usageError("only one language file can be checked at a time");
        } else {
            file = a;
        }
    }
    if (file.isEmpty())
        return usageError("no language file given");
    if (reference.isEmpty())
        reference = QFileInfo(file).path() + QStringLiteral("/QL2Eng.ini");

    Checker checker(file, reference);
    QString error;
    if (!checker.run(&error)) {
        std::fprintf(stderr, "check_language: %s\n", qPrintable(error));
        return 2;
    }
    const QStringList problems = checker.problems();
    for (const QString &line : problems)
        std::printf("%s\n", line.toLocal8Bit().constData());
    return problems.isEmpty() ? 0 : 1;
}
