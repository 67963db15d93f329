#include "effects/clock_options.h"
#include "effects/rx_clock.h"
#include "platform/period_look.h"
#include "support/test_support.h"

#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <utility>

namespace {

QDateTime at(QTime t, int day = 1)
{
    return QDateTime(QDate(2024, 3, day), t);
}

// ----------------------------------------------------- what a tick redraws

enum class Expect { Nothing, Cells, Full };

struct TickCase {
    const char *name;
    Options options;
    TRxClock::TShowClock mode;
    QDateTime from;
    QDateTime to;
    Expect expect;
    QList<int> cells;  // with Expect::Cells
};

// A clock as the taskbar makes it, large enough for every format here and
// for a dial whose hands move visibly from one minute to the next.
std::unique_ptr<TRxClock> makeClock(const Options &o, QDateTime *now)
{
    auto clock = std::make_unique<TRxClock>();
    clock->setFont(periodFont(QStringLiteral("Tahoma"), 11));
    clock->setLocale(QLocale::c());
    clock->resize(90, 60);
    clock->setBevels(TRxClock::Bevel::Lowered, TRxClock::Bevel::None);
    clock->setShowSeconds(o.showSeconds);
    clock->setLeadingZero(o.leadingZero);
    clock->setTwelveHour(o.twelveHour);
    clock->setTimeSource([now] { return *now; });
    return clock;
}

// Records what the clock hands to update() while it lives, in order.
class RedrawRecorder {
public:
    explicit RedrawRecorder(TRxClock &clock) : m_clock(clock)
    {
        clock.OnRedraw.bind([this](const QRect &r) { m_rects << r; });
    }
    ~RedrawRecorder() { m_clock.OnRedraw.unbind(); }
    RedrawRecorder(const RedrawRecorder &) = delete;
    RedrawRecorder &operator=(const RedrawRecorder &) = delete;

    // The rectangles since the last call.
    QList<QRect> take() { return std::exchange(m_rects, {}); }

private:
    TRxClock &m_clock;
    QList<QRect> m_rects;
};

QImage render(TRxClock &clock)
{
    return clock.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class ClockTickTable : public ::testing::TestWithParam<TickCase> {};

TEST_P(ClockTickTable, RedrawsExactlyTheChangedCells)
{
    const TickCase &c = GetParam();
    QDateTime now = c.from;
    auto clock = makeClock(c.options, &now);
    clock->setShowMode(c.mode);
    RedrawRecorder redraws(*clock);
    const QImage before = render(*clock);

    now = c.to;
    clock->ClockTimerTick();
    const QList<QRect> updates = redraws.take();

    switch (c.expect) {
    case Expect::Nothing:
        EXPECT_TRUE(updates.isEmpty());
        break;
    case Expect::Full:
        EXPECT_EQ(updates, QList<QRect>{clock->rect()});
        break;
    case Expect::Cells: {
        QList<QRect> expected;
        for (int i : c.cells)
            expected << clock->cellRect(i);
        EXPECT_EQ(updates, expected);
        break;
    }
    }

    // Whatever the tick leaves alone must already look as the new time does:
    // every pixel that differs lies inside what was redrawn.
    const QImage after = render(*clock);
    ASSERT_EQ(before.size(), after.size());
    QRegion redrawn;
    for (const QRect &r : updates)
        redrawn += r;
    int stale = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y) && !redrawn.contains(QPoint(x, y)))
                ++stale;
    EXPECT_EQ(stale, 0) << "pixels changed outside the redrawn area";
    if (c.expect != Expect::Nothing) {
        EXPECT_NE(before, after) << "the redraw shows something new";
    }
}

constexpr auto Digital = TRxClock::TShowClock::scDigital;
constexpr auto Analog = TRxClock::TShowClock::scAnalog;

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockTickTable,
    ::testing::Values(
        TickCase{"minuteHhMm", HhMm, Digital, at(QTime(9, 5, 59, 800)), at(QTime(9, 6, 0, 250)),
                 Expect::Cells, {3, 4}},
        TickCase{"minuteHMm", HMm, Digital, at(QTime(9, 5, 59, 800)), at(QTime(9, 6, 0, 250)),
                 Expect::Cells, {2, 3}},
        TickCase{"secondHhMmSs", HhMmSs, Digital, at(QTime(9, 5, 7, 800)), at(QTime(9, 5, 8, 250)),
                 Expect::Cells, {6, 7}},
        TickCase{"secondHMmSs", HMmSs, Digital, at(QTime(9, 5, 7, 800)), at(QTime(9, 5, 8, 250)),
                 Expect::Cells, {5, 6}},
        TickCase{"minuteAndSecond", HhMmSs, Digital, at(QTime(9, 5, 59, 800)),
                 at(QTime(9, 6, 0, 250)), Expect::Cells, {3, 4, 6, 7}},
        TickCase{"nineToTenGrowsACell", HMm, Digital, at(QTime(9, 59, 59, 800)),
                 at(QTime(10, 0, 0, 250)), Expect::Full, {}},
        TickCase{"noonTwelveHour", HMmAp, Digital, at(QTime(11, 59, 59, 800)),
                 at(QTime(12, 0, 0, 250)), Expect::Full, {}},
        TickCase{"sameSecond", HhMmSs, Digital, at(QTime(9, 5, 7, 100)), at(QTime(9, 5, 7, 550)),
                 Expect::Nothing, {}},
        TickCase{"sameMinuteHhMm", HhMm, Digital, at(QTime(9, 5, 7, 800)), at(QTime(9, 5, 8, 250)),
                 Expect::Nothing, {}},
        TickCase{"timeSetBack", HhMm, Digital, at(QTime(9, 40, 0)), at(QTime(9, 5, 0)),
                 Expect::Full, {}},
        TickCase{"timeSetTwelveHoursOn", HhMm, Digital, at(QTime(9, 15, 0)), at(QTime(21, 15, 0)),
                 Expect::Full, {}},
        TickCase{"analogMinute", HhMm, Analog, at(QTime(9, 5, 59, 800)), at(QTime(9, 6, 0, 250)),
                 Expect::Full, {}},
        TickCase{"analogSameMinute", HhMm, Analog, at(QTime(9, 5, 7, 800)),
                 at(QTime(9, 5, 8, 250)), Expect::Nothing, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RxClock, CellsAreTheWidthOfEightSideBySideCentred)
{
    QDateTime now = at(QTime(9, 5));
    auto clock = makeClock(HhMm, &now);
    clock->resize(49, 22);
    const int c = QFontMetrics(clock->font()).horizontalAdvance(QLatin1Char('8'));
    const QRect area = clock->textArea();
    EXPECT_EQ(area, QRect(1, 1, 47, 20));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(clock->cellRect(i).width(), c);
    EXPECT_EQ(clock->cellRect(0).left(), area.left() + (area.width() - 5 * c) / 2);
    EXPECT_EQ(clock->cellRect(4).right() + 1, clock->cellRect(0).left() + 5 * c);
}

TEST(RxClock, LocaleChangeShowsTheNewSeparatorAtOnce)
{
    QDateTime now = at(QTime(9, 5, 30));
    auto clock = makeClock(HhMm, &now);
    RedrawRecorder redraws(*clock);
    EXPECT_EQ(clock->text().toString(), QStringLiteral("09:05"));
    const QImage colon = render(*clock);

    clock->setLocale(QLocale(QLocale::Finnish));  // arrives as a locale change
    EXPECT_EQ(redraws.take(), QList<QRect>{clock->rect()});
    EXPECT_EQ(clock->text().toString(), QStringLiteral("09.05"));
    EXPECT_NE(render(*clock), colon);
}

// ------------------------------------------------------------------ alarm

struct AlarmCase {
    const char *name;
    bool enabled;
    QTime alarm;
    QList<QDateTime> ticks;
    int rings;
};

class ClockAlarmTable : public ::testing::TestWithParam<AlarmCase> {};

TEST_P(ClockAlarmTable, RingsOnceWhenTheTimePassesTheAlarm)
{
    const AlarmCase &c = GetParam();
    QDateTime now = c.ticks.first();
    auto clock = makeClock(HhMm, &now);
    clock->setAlarmEnabled(c.enabled);
    clock->setAlarmHour(c.alarm.hour());
    clock->setAlarmMinute(c.alarm.minute());
    clock->setAlarmSecond(c.alarm.second());
    int rings = 0;
    clock->OnAlarm.bind([&rings] { ++rings; });
    for (qsizetype i = 1; i < c.ticks.size(); ++i) {
        now = c.ticks[i];
        clock->ClockTimerTick();
    }
    EXPECT_EQ(rings, c.rings);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockAlarmTable,
    ::testing::Values(
        // Two or three ticks fall within the alarm's second; it rings once.
        AlarmCase{"severalTicksInTheSecond", true, QTime(7, 0, 0),
                  {at(QTime(6, 59, 59, 600)), at(QTime(6, 59, 59, 999)), at(QTime(7, 0, 0, 0)),
                   at(QTime(7, 0, 0, 450)), at(QTime(7, 0, 0, 900)), at(QTime(7, 0, 1, 350))},
                  1},
        AlarmCase{"acrossMidnight", true, QTime(0, 0, 0),
                  {at(QTime(23, 59, 59, 800), 1), at(QTime(0, 0, 0, 250), 2),
                   at(QTime(0, 0, 0, 700), 2)},
                  1},
        AlarmCase{"off", false, QTime(7, 0, 0),
                  {at(QTime(6, 59, 59, 800)), at(QTime(7, 0, 0, 250))}, 0},
        AlarmCase{"timeSetPastIt", true, QTime(7, 0, 0),
                  {at(QTime(6, 0, 0)), at(QTime(7, 30, 0))}, 0}),
    [](const auto &info) { return std::string(info.param.name); });

// ------------------------------------------------------------ the worker

TEST(ClockTicker, DeliversTicksOnTheGuiThread)
{
    int ticks = 0;
    bool offThread = false;
    TClockTicker ticker(std::chrono::milliseconds(1), [&] {
        ++ticks;
        offThread |= QThread::currentThread() != qApp->thread();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
    EXPECT_FALSE(offThread);
}

TEST(ClockTicker, ATickNotYetDeliveredDiesWithTheTicker)
{
    int ticks = 0;
    auto ticker = std::make_unique<TClockTicker>(std::chrono::milliseconds(1), [&] { ++ticks; });
    // Without the event loop running, the worker hands over one tick and no more.
    while (!ticker->tickPending())
        std::this_thread::yield();
    ticker.reset();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ticks, 0);
}

TEST(RxClock, StartsAndStopsItsWorkerCleanlyManyTimes)
{
    // Each clock stops its worker in the middle of its 450 ms wait; a
    // destructor that waited the interval out would make this take minutes.
    QWidget taskbar;
    for (int i = 0; i < 200; ++i) {
        auto *clock = new TRxClock(&taskbar);
        if (i % 2)
            QCoreApplication::processEvents();
        delete clock;
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(taskbar.findChildren<TRxClock *>().isEmpty());
}

}  // namespace
