#pragma once

#include <QString>

// The learner progress file "QL2Dusr.qlu" is one file per machine, shared by
// every language and every run. It lives in the user's configuration folder
// (XDG_CONFIG_HOME, usually ~/.config), outside the program directory.
inline constexpr const char *ProgressFileName = "QL2Dusr.qlu";

// The full path of the progress file; creates its folder when missing so the
// first write can create the file.
QString progressFilePath();
