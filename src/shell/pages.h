#pragma once

#include <QString>

// The course's eleven pages: index 0 is the title page, 1 to 9 the lessons
// T051 to T059, 10 the credits page. Each has a four-character page code.
inline constexpr int PageCount = 11;
inline constexpr int TitlePage = 0;
inline constexpr int CreditsPage = 10;

// The page code of an index ("T001", "T051", ..., "T003"); empty outside 0..10.
QString pageCode(int index);
