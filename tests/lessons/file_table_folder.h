#pragma once

// The simulated folder the tests of the file table and of the Open dialog
// share.

#include <QDateTime>
#include <QStringList>

inline const QDateTime kNow(QDate(2024, 3, 5), QTime(7, 9, 41));

// The files of every type, before T057 and from T057 on ("My Document" is
// saved on T056).
inline const QStringList kAll{"Document1", "Document2", "Document3", "Document4",
                       "Picture1",  "Picture2",  "Picture3"};
inline const QStringList kAllWithMine{"Document1", "Document2", "Document3", "Document4", "My Document",
                               "Picture1",  "Picture2",  "Picture3"};
