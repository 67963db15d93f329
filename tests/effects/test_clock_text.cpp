#include "effects/clock_options.h"
#include "effects/clock_text.h"

#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char *name;
    QLocale locale;
    QTime time;
    Options options;
    const char *text;  // UTF-8
    int cells;
};

class ClockTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(ClockTextTable, FormatsWithTheLocaleSeparatorAndCutsIntoCells)
{
    const TextCase &c = GetParam();
    const Clock::Text t = Clock::clockText(c.time, c.options, c.locale);
    EXPECT_EQ(t.toString(), QString::fromUtf8(c.text));
    ASSERT_EQ(t.cells.size(), c.cells);
    EXPECT_EQ(Clock::digitCellCount(c.time, c.options), c.cells);
    for (const QString &cell : t.cells)
        EXPECT_EQ(cell.toUcs4().size(), 1) << "one character per cell: " << cell.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockTextTable,
    ::testing::Values(
        TextCase{"taskbar", QLocale::c(), QTime(9, 5, 7), HhMm, "09:05", 5},
        TextCase{"noLeadingZero", QLocale::c(), QTime(9, 5, 7), HMm, "9:05", 4},
        TextCase{"noLeadingZeroTwoDigitHour", QLocale::c(), QTime(10, 0), HMm, "10:00", 5},
        TextCase{"seconds", QLocale::c(), QTime(9, 5, 7), HhMmSs, "09:05:07", 8},
        TextCase{"midnightTwelveHour", QLocale::c(), QTime(0, 5, 7), HMmAp, "12:05 AM", 5},
        TextCase{"eveningTwelveHour", QLocale::c(), QTime(21, 5, 7), HMmSsAp, "9:05:07 PM", 7},
        TextCase{"finnishDot", QLocale(QLocale::Finnish), QTime(9, 5, 7), HhMmSs, "09.05.07", 8},
        TextCase{"danishDot", QLocale(QLocale::Danish), QTime(23, 59), HhMm, "23.59", 5},
        TextCase{"quebecLetter", QLocale(QLocale::French, QLocale::Canada), QTime(9, 5), HhMm,
                 "09h05", 5},
        TextCase{"finnishAmPm", QLocale(QLocale::Finnish), QTime(13, 5), HMmAp, "1.05 ip.", 4},
        // Digits outside the basic plane: two UTF-16 units, still one cell.
        TextCase{"chakmaDigits", QLocale(QLocale::Chakma), QTime(9, 5), HhMm,
                 "\U00011136\U0001113F:\U00011136\U0001113B",
                 5}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
