#pragma once

#include "platform/course_zoom.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line: an optional language file (its name, taken
// inside the folder of the language files), --hint-delay, --zoom, --help
// and --version. Anything else that looks like an option is an error.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // The arguments the course itself reads (the first names the language
    // file); empty when none was given.
    QStringList courseArguments;
    // --hint-delay: the seconds a learner may be stuck on a lesson before a
    // hint shows, for this run (0: no hints); unset, the progress file says.
    std::optional<int> hintDelay;
    // --zoom: how large the course is drawn for this run; unset, the progress
    // file says.
    std::optional<ZoomSetting> zoom;
    // For Error: what was wrong, in one line.
    QString error;
};

// arguments are the whole command line, the program's own name first.
CommandLine parseCommandLine(const QStringList &arguments);

// "Usage: quillan2 [options] [language-file]" and the options, for --help
// and after an error.
QString usageText();
// "quillan2 (Quillan 2) <version>", for --version.
QString versionText();
