// Pictures of two bars of the simulated programs, drawn as the system drew
// them: the word processor's format bar and the top row of the Open and
// Save dialog.
#pragma once

#include <QImage>
#include <QString>

namespace art {

constexpr int FormatBarWidth = 330;
constexpr int FormatBarHeight = 24;
constexpr int FolderBarWidth = 412;
constexpr int FolderBarHeight = 31;

// 'family' is the dialog font (MS Sans Serif); its text is written 8 point
// high without smoothing.
QImage formatBar(const QString &family);
QImage openFolderBar();  // without its words, which the program writes

} // namespace art
