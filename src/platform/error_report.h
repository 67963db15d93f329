#pragma once

#include <QString>

#include <functional>

// Where an error the learner must be told of goes. The application object
// installs the error box (QuillanApplication); tests install a recorder.
// Without a reporter the message goes to the log.
void reportError(const QString &message);
using ErrorReporter = std::function<void(const QString &message)>;
// Installs a reporter (an empty function: none) and returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Reports the exception being handled (call it in a catch block): the
// message of a std::exception, a general text for anything else.
void reportCurrentException();
