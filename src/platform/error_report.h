#pragma once

#include <QString>

#include <functional>

// Where an error the learner must be told of goes: the standard report (the
// application object installs its error box; without one, the log) or a
// replacement that tests install to record the messages.
void reportError(const QString &message);
using ErrorReporter = std::function<void(const QString &message)>;
// Installs a replacement (an empty function restores the standard report)
// and returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);
// Sets the standard report (the application object's error box).
void setStandardErrorReport(ErrorReporter report);

// Reports the exception being handled (call it in a catch block): the
// message of a std::exception, a general text for anything else.
void reportCurrentException();
