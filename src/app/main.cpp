#include "app/command_line.h"
#include "app/program.h"
#include "platform/language_files.h"
#include "platform/quillan_application.h"

#include <cstdio>

namespace {

void print(std::FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
}

}  // namespace

int main(int argc, char *argv[])
{
    // Read before the toolkit starts: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
        print(stdout, usageText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, QStringLiteral("quillan2: %1\n\n").arg(line.error) + usageText());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    QuillanApplication app(argc, argv);
    Program program(programDirectory(), line.courseArguments);
    program.setHintDelay(line.hintDelay);
    program.setZoom(line.zoom);
    if (!program.start())
        return 0;
    return program.exec();
}
