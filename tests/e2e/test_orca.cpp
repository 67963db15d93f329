// The course with a real screen reader: Orca, on a desktop of its own, and
// what Orca says, read from its debug log (the SPEECH OUTPUT lines; speech
// goes to speech-dispatcher's silent module). The learner uses keys only:
// the title page, then T051 through the Start menu, T052 through Ctrl+O and
// the Open dialog, T053 through the save-changes question; "Where am I" in
// the dialog and in the document; on T054 the contents, a completed lesson
// read as completed.
//
// The desktop: Xvfb at 96 dpi, a private session bus, the AT-SPI bus
// launcher and openbox on it, HOME and the XDG folders in a temporary
// folder, no sound card (ALSA's null device). Every process is ended by the
// id it was started with.

#include "e2e/x_desktop.h"
#include "platform/rtf_reader.h"
#include "shell/pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <optional>
#include <string>

using namespace std::chrono_literals;

namespace {

const QString kProgramDir = QFileInfo(QStringLiteral(QUILLAN_EXE)).absolutePath() + QLatin1Char('/');

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A text of the English pack (plain ASCII there).
QString packText(const QByteArray &key)
{
    QFile f(kProgramDir + QStringLiteral("QL2Eng.ini"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromLatin1(line.mid(key.size() + 1).trimmed());
    }
    return {};
}

// The first sentence of a page's instructions as a screen reader gets them.
QString firstSentence(const QString &code, const QString &title)
{
    QFile f(kProgramDir + QStringLiteral("InfoEng/") + code + QStringLiteral(".rtf"));
    QTextDocument doc;
    if (!f.open(QIODevice::ReadOnly) || !loadRtf(f.readAll(), doc))
        return QStringLiteral("(no instructions for %1)").arg(code);
    const QString text = instructionsToSpeak(title, doc.toPlainText());
    const qsizetype end = text.indexOf(QLatin1Char('.'));
    return end < 0 ? text : text.left(end + 1);
}

// What Orca has said so far, from its debug log.
class Speech {
public:
    explicit Speech(QString log) : m_log(std::move(log)) {}

    // Everything said since the last mark (the utterances, one a line).
    QStringList sinceMark()
    {
        read();
        return m_said.mid(m_mark);
    }
    void mark()
    {
        read();
        m_mark = m_said.size();
    }
    // Whether something said since the mark contains the text (Orca may
    // join a name and a role: "Start push button.").
    bool saidSinceMark(const QString &text)
    {
        const QStringList said = sinceMark();
        return std::any_of(said.cbegin(), said.cend(), [&](const QString &s) { return s.contains(text); });
    }
    // Whether something said since the mark is exactly the text (a menu
    // row's name, with or without its closing full stop).
    bool saidExactlySinceMark(const QString &text)
    {
        const QStringList said = sinceMark();
        return std::any_of(said.cbegin(), said.cend(),
                           [&](const QString &s) { return s == text || s == text + QLatin1Char('.'); });
    }
    QString transcript() { return QStringLiteral("\n  ") + (read(), m_said.join(QStringLiteral("\n  "))); }
    const QStringList &all()
    {
        read();
        return m_said;
    }

private:
    void read()
    {
        QFile f(m_log);
        if (!f.open(QIODevice::ReadOnly))
            return;
        f.seek(m_offset);
        const QByteArray more = f.readAll();
        const qsizetype complete = more.lastIndexOf('\n') + 1;  // only whole lines
        m_offset += complete;
        for (const QByteArray &line : more.left(complete).split('\n')) {
            const qsizetype at = line.indexOf("SPEECH OUTPUT: '");
            if (at < 0)
                continue;
            // 'text'{'established': False}: the text between the quotes.
            QString said = QString::fromUtf8(line.mid(at + 16));
            if (const qsizetype voice = said.lastIndexOf(QStringLiteral("{'")); voice >= 0)
                said.truncate(voice);
            said = said.trimmed();
            if (said.endsWith(QLatin1Char('\'')))
                said.chop(1);
            m_said << said.trimmed();
        }
    }

    QString m_log;
    qint64 m_offset = 0;
    QStringList m_said;
    qsizetype m_mark = 0;
};

bool executable(const QString &path)
{
    return QFileInfo(path).isExecutable();
}

TEST(Orca, ABlindLearnerHearsTheCourseAndFinishesT051ToT053ByKeyboard)
{
    for (const char *program : {"/usr/bin/orca", "/usr/bin/openbox", "/usr/libexec/at-spi-bus-launcher",
                                "/usr/lib/speech-dispatcher-modules/sd_dummy", "/usr/bin/speech-dispatcher"})
        ASSERT_TRUE(executable(QString::fromLatin1(program))) << program << " is missing: `make test` installs it";

    // The learner's own folders, all in a temporary folder.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString home = root.path() + QStringLiteral("/home");
    const QString runtime = root.path() + QStringLiteral("/run");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(writeFile(home + QStringLiteral("/.asoundrc"), "pcm.!default { type null }\n"));
    ASSERT_TRUE(writeFile(home + QStringLiteral("/.config/speech-dispatcher/speechd.conf"),
                          "AddModule \"dummy\" \"sd_dummy\" \"\"\nDefaultModule dummy\n"));
    // Orca's debug log stays beside the screenshots, for a failed step.
    const QString shots = QFileInfo(shotPath(QStringLiteral("orca"))).absolutePath();
    const QString log = shots + QStringLiteral("/orca-debug.log");
    QFile::remove(log);

    const QString socket = runtime + QStringLiteral("/bus");
    const QString busAddress = QStringLiteral("unix:path=") + socket;
    ChildProcess bus({QStringLiteral("dbus-daemon"), QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--nopidfile"), QStringLiteral("--address=") + busAddress});
    XDesktop d(1024, 768, 96);
    ASSERT_TRUE(waitFor(d, "the session bus listens", [&] { return QFileInfo::exists(socket); }, 10s));

    const QStringList env = {QStringLiteral("DISPLAY=") + QString::fromLatin1(d.displayName()),
                             QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + busAddress,
                             QStringLiteral("XDG_RUNTIME_DIR=") + runtime,
                             QStringLiteral("HOME=") + home,
                             QStringLiteral("XDG_CONFIG_HOME=") + home + QStringLiteral("/.config"),
                             QStringLiteral("XDG_DATA_HOME=") + home + QStringLiteral("/.local/share"),
                             QStringLiteral("XDG_CACHE_HOME=") + home + QStringLiteral("/.cache")};
    const QStringList unset = qtVariables() + QStringList{QStringLiteral("AT_SPI_BUS_ADDRESS")};

    ChildProcess atspi({QStringLiteral("/usr/libexec/at-spi-bus-launcher"), QStringLiteral("--launch-immediately")},
                       env, unset);
    ChildProcess openbox({QStringLiteral("openbox"), QStringLiteral("--sm-disable")}, env, unset);
    ASSERT_TRUE(waitFor(d, "openbox manages the screen", [&] { return d.supports("_NET_ACTIVE_WINDOW"); }, 10s));

    ChildProcess orca({QStringLiteral("/usr/bin/python3"), QStringLiteral(ORCA_WRAPPER), QStringLiteral("-u"),
                       root.path() + QStringLiteral("/orca-prefs"), QStringLiteral("--debug-file"), log},
                      env, unset);
    Speech speech(log);
    const auto heard = [&](const std::string &step, const QStringList &texts, Milliseconds bound = 15s) {
        return waitFor(
            d, step,
            [&] {
                return std::all_of(texts.cbegin(), texts.cend(), [&](const QString &t) { return speech.saidSinceMark(t); });
            },
            bound,
            [&] {
                return "expected to hear \"" + texts.join(QStringLiteral("\", \"")).toStdString()
                       + "\"; Orca said since the step began:" + speech.sinceMark().join(QStringLiteral(" | ")).toStdString();
            });
    };
    ASSERT_TRUE(heard("Orca starts", {QStringLiteral("Screen reader on")}, 30s));
    const auto heardRow = [&](const std::string &step, const QString &row) {
        return waitFor(
            d, step, [&] { return speech.saidExactlySinceMark(row); }, 15s,
            [&] {
                return "expected to hear the row \"" + row.toStdString()
                       + "\"; Orca said since the step began:" + speech.sinceMark().join(QStringLiteral(" | ")).toStdString();
            });
    };

    // The program: fresh, with the hint after 2 seconds of nothing done.
    QTemporaryDir config;
    speech.mark();
    ChildProcess quillan({QStringLiteral(QUILLAN_EXE), QStringLiteral("QL2Eng.ini"), QStringLiteral("--hint-delay"),
                          QStringLiteral("2")},
                         env + QStringList{QStringLiteral("QT_QPA_PLATFORM=xcb"),
                                           QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"),
                                           QStringLiteral("XDG_CONFIG_HOME=") + config.path()},
                         unset);

    // Each page: its title, once, and its first sentence.
    const auto page = [&](const QString &code, const QString &title) {
        const QString first = firstSentence(code, title);
        return heard(code.toStdString() + " is presented", {QStringLiteral("notification ") + title, first}, 20s);
    };
    const QString welcome = packText("T001Title");
    ASSERT_TRUE(page(QStringLiteral("T001"), welcome));
    ASSERT_TRUE(heard("the countdown is read with it", {packText("lbT001Time").section(QLatin1Char('%'), 0, 0).trimmed()}));
    EXPECT_EQ(speech.all().filter(welcome).size(), 1) << "the title read once:" << speech.transcript().toStdString();

    // T051: the hint, then the Start menu by keyboard.
    speech.mark();
    d.key(XK_Return);
    ASSERT_TRUE(page(QStringLiteral("T051"), packText("T051Name")));
    ASSERT_TRUE(heard("the hint appears", {QStringLiteral("notification ") + packText("T051Start")}));
    // The keyboard starts on Start: Ctrl+Esc opens the menu on Programs,
    // Esc closes it again.
    speech.mark();
    d.key(XK_Escape, {XK_Control_L});
    ASSERT_TRUE(heardRow("Ctrl+Esc opens the Start menu on Programs", QStringLiteral("Programs")));
    speech.mark();
    d.key(XK_Escape);
    ASSERT_TRUE(heard("Esc closes it, back on Start", {QStringLiteral("Start push button")}));
    // F6 goes from the desktop to the course's buttons and back to Start.
    speech.mark();
    d.key(XK_F6);
    ASSERT_TRUE(heard("F6 goes to the course's buttons", {QStringLiteral("Contents push button")}));
    speech.mark();
    d.key(XK_F6);
    ASSERT_TRUE(heard("F6 again lands on Start", {QStringLiteral("Start push button")}));
    // Enter on Start opens it too.
    speech.mark();
    d.key(XK_Return);
    ASSERT_TRUE(heardRow("the Start menu opens on Programs", QStringLiteral("Programs")));
    const struct {
        unsigned long key;
        const char *row;
    } rows[] = {{XK_Down, "Documents"}, {XK_Up, "Programs"}, {XK_Right, "Accessories"}, {XK_Right, "Games"},
                {XK_Up, "Wordpad"}};
    for (const auto &r : rows) {
        speech.mark();
        d.key(r.key);
        ASSERT_TRUE(heardRow(std::string("the highlight on ") + r.row, QString::fromLatin1(r.row)));
    }
    speech.mark();
    d.key(XK_Return);
    ASSERT_TRUE(heard("the word processor has the focus", {QStringLiteral("Document - Wordpad")}));

    // T052: Ctrl+O, the Open dialog, the name typed.
    ASSERT_TRUE(page(QStringLiteral("T052"), packText("T052Name")));
    speech.mark();
    d.key(XK_o, {XK_Control_L});
    ASSERT_TRUE(heard("the Open dialog", {QStringLiteral("Open dialog"), QStringLiteral("File name: text")}));
    // "Where am I" (keypad Enter) names the field the keyboard is in, with
    // its underlined letter, which only that command says.
    speech.mark();
    d.key(XK_KP_Enter);
    ASSERT_TRUE(heard("where am I: in the Open dialog's name field", {QStringLiteral("File name: text"), QStringLiteral("Alt+n")}));
    speech.mark();
    d.type(QStringLiteral("Document2\n"));

    // T053: a change, Ctrl+N, the save-changes question answered No.
    ASSERT_TRUE(page(QStringLiteral("T053"), packText("T053Name")));
    // Orca sees every key before the program does; the next key waits until
    // it has echoed the last letter, or the program may get them out of turn.
    d.key(XK_End, {XK_Control_L});
    speech.mark();
    d.type(QStringLiteral(" Ann"));
    ASSERT_TRUE(waitFor(
        d, "the name is typed and echoed", [&] { return speech.sinceMark().count(QStringLiteral("n")) >= 2; }, 15s,
        [&] { return "Orca said:" + speech.sinceMark().join(QStringLiteral(" | ")).toStdString(); }));
    speech.mark();
    d.key(XK_KP_Enter);  // where am I
    ASSERT_TRUE(heardRow("where am I: in the document", QStringLiteral("Document text")));
    speech.mark();
    d.key(XK_n, {XK_Control_L});
    ASSERT_TRUE(heard("the save-changes question", {QStringLiteral("Warning dialog"), QStringLiteral("Save changes to Document2?"),
                                                    QStringLiteral("Yes push button")}));
    speech.mark();
    d.key(XK_Tab);
    ASSERT_TRUE(heard("Tab in the question", {QStringLiteral("No push button")}));
    speech.mark();
    d.key(XK_Return);
    // T054: the contents, by F6, Tab and Enter, open on this lesson; the
    // one before is read as completed.
    ASSERT_TRUE(page(QStringLiteral("T054"), packText("T054Name")));
    speech.mark();
    d.key(XK_F6);
    ASSERT_TRUE(heard("F6 goes to the course's buttons", {QStringLiteral("Back push button")}));
    speech.mark();
    d.key(XK_Tab);
    ASSERT_TRUE(heard("Tab to Contents", {QStringLiteral("Contents push button")}));
    speech.mark();
    d.key(XK_Return);
    ASSERT_TRUE(heard("the contents, on the lesson the learner is in",
                      {QStringLiteral("Contents tree"), packText("T054Name")}));
    speech.mark();
    d.key(XK_Up);
    ASSERT_TRUE(heardRow("Up: the lesson before", packText("T053Name")));
    ASSERT_TRUE(heard("the lesson is read as completed", {QStringLiteral("completed")}));

    // What was said, for the record (the build folder's e2e-shots/).
    writeFile(shots + QStringLiteral("/orca-transcript.txt"),
              speech.all().join(QLatin1Char('\n')).toUtf8() + '\n');

    quillan.stop();
    orca.stop();
    openbox.stop();
    atspi.stop();
    bus.stop();
}

}  // namespace
