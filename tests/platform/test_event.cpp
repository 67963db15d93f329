#include "platform/components.h"
#include "platform/error_report.h"
#include "platform/event.h"
#include "platform/image_widget.h"
#include "platform/page_scope.h"

#include <QWidget>

#include <stdexcept>

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

TEST(Event, WhatAHandlerThrowsIsReportedAndEndsThere)
{
    QStringList reported;
    const ErrorReporter box = setErrorReporter([&](const QString &m) { reported << m; });
    const struct {
        const char *name;
        std::function<void()> fail;
        QString report;
    } cases[] = {
        {"a std::exception", [] { throw std::runtime_error("disk full"); }, "disk full"},
        {"anything else", [] { throw 42; }, "An unexpected error occurred."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reported.clear();
        Event<int, bool &> e;
        bool handled = false;
        e.bind([&](int, bool &out) { out = true; c.fail(); });
        EXPECT_NO_THROW(e(1, handled));
        EXPECT_TRUE(handled);
        EXPECT_EQ(reported, QStringList{c.report});
    }
    setErrorReporter(box);
}

// A page's set-up on shared controls, and what leaving the page gives back.
TEST(PageScope, LeavingGivesBackWhatTheSetUpChangedLastFirst)
{
    Event<> withOwn, withNone;
    QStringList calls;
    withOwn.bind([&] { calls << "own"; });
    QWidget panel;
    auto *button = new QWidget(&panel);
    auto *greyed = new QWidget(&panel);
    greyed->setEnabled(false);  // disabled on its own before the page
    TImage image;
    QPixmap picture(4, 4);
    picture.fill(Qt::red);

    TPageScope page;
    page.bind(withOwn, [&] { calls << "page"; });
    page.bind(withNone, [&] { calls << "page too"; });
    page.setEnabled({&panel}, false);
    page.setEnabled({button, greyed}, true);
    page.setPicture(&image, picture);
    QStringList order;
    page.onLeave([&] { order << "first registered"; });
    page.onLeave([&] { order << "last registered"; });

    withOwn();
    withNone();
    EXPECT_EQ(calls, (QStringList{"page", "page too"}));
    EXPECT_FALSE(image.picture().isNull());

    page.leave();
    EXPECT_TRUE(page.isEmpty());
    EXPECT_EQ(order, (QStringList{"last registered", "first registered"}));
    calls.clear();
    withOwn();
    withNone();
    EXPECT_EQ(calls, QStringList{"own"});  // the form's own handler is back, and nothing else
    EXPECT_TRUE(panel.isEnabled());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(greyed->isEnabled());
    EXPECT_TRUE(image.picture().isNull());

    page.leave();  // a second leave has nothing left to undo
    EXPECT_TRUE(panel.isEnabled());
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
