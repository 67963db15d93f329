#include "app/command_line.h"
#include "support/core_test_support.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, OptionsAndTheLanguageFile)
{
    const struct {
        QStringList args;  // after the program's name
        Action action;
        QStringList course;
    } cases[] = {
        {{}, Action::Run, {}},
        {{"QL2Eng.ini"}, Action::Run, {"QL2Eng.ini"}},
        {{"QL2Eng.ini", "extra"}, Action::Run, {"QL2Eng.ini", "extra"}},  // the course reads the first
        {{"--help"}, Action::Help, {}},
        {{"-h"}, Action::Help, {}},
        {{"QL2Eng.ini", "--help"}, Action::Help, {}},
        {{"--version"}, Action::Version, {}},
        {{"-v"}, Action::Version, {}},
        {{"--fullscreen"}, Action::Error, {}},
        {{"-x", "QL2Eng.ini"}, Action::Error, {}},
        {{"-platform", "xcb"}, Action::Error, {}},  // the toolkit's settings go through its environment
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("quillan2")} + c.args);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.courseArguments, c.course);
        EXPECT_EQ(line.error.isEmpty(), c.action != Action::Error);
    }
}

TEST(CommandLine, HintDelayForOneRun)
{
    const struct {
        QStringList args;
        Action action;
        std::optional<int> delay;
        QStringList course;
    } cases[] = {
        {{}, Action::Run, std::nullopt, {}},
        {{"--hint-delay", "5", "QL2Eng.ini"}, Action::Run, 5, {"QL2Eng.ini"}},
        {{"QL2Eng.ini", "--hint-delay=0"}, Action::Run, 0, {"QL2Eng.ini"}},
        {{"--hint-delay", "86400"}, Action::Run, 86400, {}},
        {{"--hint-delay", "86401"}, Action::Error, std::nullopt, {}},
        {{"--hint-delay", "-1"}, Action::Error, std::nullopt, {}},
        {{"--hint-delay", "soon"}, Action::Error, std::nullopt, {}},
        {{"--hint-delay", "1.5"}, Action::Error, std::nullopt, {}},
        {{"--hint-delay"}, Action::Error, std::nullopt, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("quillan2")} + c.args);
        EXPECT_EQ(line.action, c.action) << line.error.toStdString();
        EXPECT_EQ(line.hintDelay, c.delay);
        EXPECT_EQ(line.courseArguments, c.course);
        if (c.action == Action::Error) {
            EXPECT_TRUE(line.error.contains(QLatin1String("hint-delay"))) << line.error.toStdString();
        }
    }
}

TEST(CommandLine, ZoomForOneRun)
{
    const struct {
        QStringList args;
        Action action;
        std::optional<ZoomSetting> zoom;
    } cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"--zoom", "1.5", "QL2Eng.ini"}, Action::Run, ZoomSetting{false, 1.5}},
        {{"--zoom=fit"}, Action::Run, ZoomSetting{true, 1}},
        {{"--zoom", "1"}, Action::Run, ZoomSetting{false, 1}},
        {{"--zoom", "5"}, Action::Error, std::nullopt},
        {{"--zoom", "0.5"}, Action::Error, std::nullopt},
        {{"--zoom", "big"}, Action::Error, std::nullopt},
        {{"--zoom"}, Action::Error, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("quillan2")} + c.args);
        EXPECT_EQ(line.action, c.action) << line.error.toStdString();
        EXPECT_EQ(line.zoom, c.zoom);
        if (c.action == Action::Error) {
            EXPECT_TRUE(line.error.contains(QLatin1String("zoom"))) << line.error.toStdString();
        }
    }
}

// The built program itself, without any display: what a volunteer sees in a
// terminal.
TEST(CommandLine, TheProgramAnswersWithoutADisplay)
{
    const struct {
        QStringList args;
        int status;
        const char *out;  // at the start of standard output
        const char *err;  // somewhere in standard error
    } cases[] = {
        {{"--help"}, 0, "Usage: quillan2 [options] [language-file]", ""},
        {{"--version"}, 0, "quillan2 (Quillan 2) " QUILLAN_VERSION "\n", ""},
        {{"--bogus"}, 2, "", "quillan2: Unknown option 'bogus'."},
        {{"--hint-delay", "later"}, 2, "", "quillan2: --hint-delay takes a whole number of seconds from 0 to 86400, not \"later\""},
        {{"--zoom", "huge"}, 2, "", "quillan2: --zoom takes \"fit\" or a number from 1 to 4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUILLAN_EXE), c.args);
        ASSERT_TRUE(p.waitForFinished(10000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.status) << err.toStdString();
        EXPECT_EQ(out.left(int(qstrlen(c.out))), QLatin1String(c.out)) << out.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(c.err))) << err.toStdString();
        if (c.status == 2) {  // an error shows the usage too
            EXPECT_TRUE(err.contains(QLatin1String("Usage: quillan2"))) << err.toStdString();
        }
    }
}

}  // namespace
