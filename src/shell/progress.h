#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

// The learner progress file "QL2Dusr.qlu" is one file per machine, shared by
// every language and every run. It lives in the user's configuration folder
// (XDG_CONFIG_HOME, usually ~/.config), outside the program directory.
//
//   [USERINFO]  Name (never written by the program), MaxIndex, CRC
//   [DOCUMENT]  Line0, Line1, ...  the document saved in the lessons
//   [COMMENTS]  Line0, Line1, ...  the comments saved in the final exercise
inline constexpr const char *ProgressFileName = "QL2Dusr.qlu";

// The full path of the progress file; creates its folder when missing so the
// first write can create the file.
QString progressFilePath();

// The check code stored with the progress: over the bytes c_i of the name
// (i from 1), the sum of (CRCTable[i mod 30] * c_i) mod CRCTable[(30 - i) mod 30],
// both indexes taken mod 30 into 0..29 for names of any length.
inline constexpr std::array<int, 30> CRCTable = {
    87423, 432324, 2423,  23214,  67547, 23892, 3428,  39432, 29432, 42323,
    4236,  4556,   5643,  679785, 98292, 89237, 9059,  9763,  65954, 89312,
    85483, 96593,  90709, 96734,  78235, 78243, 98651, 89653, 53426, 73498};
int CalcCRC(QByteArrayView name);
