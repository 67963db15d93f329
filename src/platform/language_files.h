#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program directory of the course, with a trailing "/": the folder of the
// language files. Run from the build folder they lie beside the executable;
// installed, in ../share/quillan2 relative to it.
QString programDirectory();
// The same, for an executable in that folder.
QString languageDirectory(const QString &executableDir);

// Turns the backslashes a language file may use in paths into "/".
QString withForwardSlashes(QString path);

// File names (without directory) of the language files "QL2*.ini" in dir,
// matched and sorted without regard to case.
QStringList findLanguageFiles(const QString &dir);

// "LANGUAGE"/"Name" of a language file, decoded in the file's own character
// set; empty when the file, the section or the key is missing.
QString languageDisplayName(const QString &path);

// Why the file cannot serve as the course's language file, for the learner:
// "Unable to read <file>" for one that is there but is not read (not a
// regular file, over the read limit), "<file> is not a language file ..." for
// one without a [LANGUAGE] section (random bytes, another program's file).
// nullopt for a usable file, and for a missing one: the course runs on its
// fallback texts then.
std::optional<QString> languageFileProblem(const QString &path);

// The info directory for a language file that names none: the program
// directory, "Info", and the file name without its first three and last four
// characters ("QL2Eng.ini" -> "<dir>InfoEng/"; a name shorter than eight
// characters gives "<dir>Info/").
QString derivedInfoPath(const QString &languageFile, const QString &programDir);
