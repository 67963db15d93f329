#include "app/command_line.h"

#include "lessons/next_step.h"

#include <QCommandLineParser>

#ifndef QUILLAN_VERSION
#error "the build passes the program's version as QUILLAN_VERSION"
#endif

namespace {

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               QStringLiteral("Show this help and exit."));
const QCommandLineOption kVersion({QStringLiteral("v"), QStringLiteral("version")},
                                  QStringLiteral("Show the version and exit."));
const QCommandLineOption kHintDelay(
    QStringLiteral("hint-delay"),
    QStringLiteral("Show a learner who has been stuck on a lesson for this many\n"
                   "seconds where to click next (default 40, or HintDelay in the\n"
                   "[OPTIONS] section of the progress file); 0 turns hints off."),
    QStringLiteral("seconds"));

const QCommandLineOption kZoom(
    QStringLiteral("zoom"),
    QStringLiteral("Draw the whole course this many times larger, for eyes that\n"
                   "need large print: a number from 1 to 4 (1.25, 1.5, 2 ...), or\n"
                   "\"fit\" for as large as the screen allows (default 1, or Zoom\n"
                   "in the [OPTIONS] section of the progress file). In the course,\n"
                   "Ctrl+Plus and Ctrl+Minus change it."),
    QStringLiteral("factor"));

// The parser knows nothing but our own options: the command line is read
// before the toolkit starts, so that --help and --version work without a
// display (over a remote shell, in a script).
void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Quillan 2 teaches the classic Windows desktop to people who have never\n"
        "used a computer: nine short lessons in a full-screen practice desktop."));
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    parser.addOption(kHintDelay);
    parser.addOption(kZoom);
    parser.addPositionalArgument(
        QStringLiteral("language-file"),
        QStringLiteral("The course's language, as the name of its language file\n"
                       "(QL2Eng.ini, QL2Rus.ini, ...). Without it, the course asks."),
        QStringLiteral("[language-file]"));
}

}  // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    CommandLine c;
    if (!parser.parse(arguments)) {
        c.action = CommandLine::Action::Error;
        c.error = parser.errorText();
    } else if (parser.isSet(kHelp)) {
        c.action = CommandLine::Action::Help;
    } else if (parser.isSet(kVersion)) {
        c.action = CommandLine::Action::Version;
    } else if (parser.isSet(kHintDelay) && !parseHintDelay(parser.value(kHintDelay).toUtf8())) {
        c.action = CommandLine::Action::Error;
        c.error = QStringLiteral("--hint-delay takes a whole number of seconds from 0 to %1, not \"%2\"")
                      .arg(MaxHintDelay)
                      .arg(parser.value(kHintDelay));
    } else if (parser.isSet(kZoom) && !parseZoom(parser.value(kZoom).toUtf8())) {
        c.action = CommandLine::Action::Error;
        c.error = QStringLiteral("--zoom takes \"fit\" or a number from 1 to 4 with at most two decimals, not \"%1\"")
                      .arg(parser.value(kZoom));
    } else {
        c.courseArguments = parser.positionalArguments();
        if (parser.isSet(kZoom))
            c.zoom = parseZoom(parser.value(kZoom).toUtf8());
        if (parser.isSet(kHintDelay))
            c.hintDelay = parseHintDelay(parser.value(kHintDelay).toUtf8());
    }
    return c;
}

QString usageText()
{
    QCommandLineParser parser;
    describe(parser);
    // Without an application object the parser cannot know the program's
    // name.
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("quillan2"));
}

QString versionText()
{
    return QStringLiteral("quillan2 (Quillan 2) %1\n").arg(QStringLiteral(QUILLAN_VERSION));
}
