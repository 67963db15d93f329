#include "platform/components.h"
#include "platform/event.h"

#include <gtest/gtest.h>

namespace {

TEST(Event, HoldsOneHandlerOrNone)
{
    Event<int, bool &> e;
    bool flag = false;
    e(1, flag);  // unbound: nothing happens
    EXPECT_FALSE(e.isBound());

    QList<int> calls;
    e.bind([&](int n, bool &out) { calls.append(n); out = true; });
    e.bind([&](int n, bool &out) { calls.append(10 * n); out = true; });  // replaces
    e(2, flag);
    EXPECT_EQ(calls, QList<int>{20});
    EXPECT_TRUE(flag);

    e.unbind();
    e(3, flag);
    EXPECT_EQ(calls, QList<int>{20});
}

TEST(Event, AHandlerMayUnbindItselfWhileRunning)
{
    Event<> e;
    int runs = 0;
    e.bind([&] { ++runs; e.unbind(); });
    e();
    e();
    EXPECT_EQ(runs, 1);
}

TEST(TAction, RunsItsBoundHandlerOnlyWhenEnabled)
{
    TAction a(QStringLiteral("aEnter"));
    int runs = 0;
    a.OnExecute.bind([&] { ++runs; });
    a.trigger();
    a.setEnabled(false);
    a.execute();
    a.trigger();
    EXPECT_EQ(runs, 1);
}

}  // namespace
