#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The simulated Open/Save dialog's one folder, "My Documents": a fixed table
// of files (named in the language's desktop words), filtered by the file
// type chosen, and the check of the name the learner typed against the name
// the lesson expects. No real file is touched.

// One file of the folder: caption, the detail texts (size, type name, date
// modified), the icon's index into the desktop image lists, and the desktop
// word that names it (the lessons know a file by it, in any language).
struct FileRow {
    QString caption;
    QString size;
    QString typeName;
    QString modified;
    int imageIndex = -1;
    QByteArray word;

    bool operator==(const FileRow &) const = default;
};

// Icon indexes of the desktop image lists.
inline constexpr int WordpadDocumentIcon = 9;
inline constexpr int TextDocumentIcon = 4;
inline constexpr int BitmapImageIcon = 19;

// The files listed for a type filter (0 WordPad documents, 1 text documents,
// 2 all documents) on a page: "My Document" exists from page index 7 (T057)
// on, dated now. Rows come in the folder's fixed order.
QList<FileRow> fileTableRows(int filter, int pageIndex, const QDateTime &now,
                             const QString &timeSeparator);

// "dd.mm.yy hh:nn": two-digit day, month, year, 24-hour hour and minutes,
// with the given separator between hour and minutes.
QString fileDateText(const QDateTime &time, const QString &timeSeparator);

// The separator between hours and minutes of a time format such as "HH:mm"
// or "h.mm AP"; ":" when the format has none.
QString timeSeparatorOf(const QString &timeFormat);
// The system's time separator, from its short time format.
QString systemTimeSeparator();

// What the Open/Save dialog is shown for, which decides the one name it
// accepts: opening Document2 (T052), saving My Document (T056), saving
// Comments (T059). None, and any other value, accepts no name.
enum class FileDialogMode : int { None = 0, OpenDocument2 = 1, SaveMyDocument = 2, SaveComments = 3 };

// The name the mode expects, in the language's desktop words (Document2,
// MyDocument, Comments); empty for None.
QString expectedFileName(FileDialogMode mode);

// The name check: the name must be the mode's name, letters in either case
// (a letter matches only one with the same small and capital forms; no
// trimming, no extension); saving also needs the first file type.
bool fileNameAccepted(FileDialogMode mode, const QString &name, int typeIndex);
