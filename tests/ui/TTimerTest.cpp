#include "UiTestSupport.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TTimer.h"

#include <QTest>

#include <algorithm>
#include <stdexcept>

namespace {

using TimerTest = UiTest;

TEST_F(TimerTest, RunsOnlyWhenEnabledWithAPositiveInterval) {
    TTimer timer;
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(timer.Active());
    const struct {
        int interval;
        bool enabled;
        bool active;
    } cases[] = {{20, true, true}, {20, false, false}, {0, true, false}, {-5, true, false}};
    for (const auto& c : cases) {
        timer.SetInterval(c.interval);
        timer.SetEnabled(c.enabled);
        EXPECT_EQ(timer.Active(), c.active) << c.interval << " " << c.enabled;
    }
}

TEST_F(TimerTest, TicksCallTheHandler) {
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetInterval(5);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    const int stopped = ticks;
    TApplication::ProcessMessages();
    EXPECT_EQ(ticks, stopped);
}

TEST_F(TimerTest, HandlerThatProcessesEventsIsNeverEnteredTwice) {
    TTimer timer;
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    timer.OnTimer = [&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        // A handler that processes events for several intervals, as a table read does.
        if (ticks == 1) {
            QTest::qWait(60);
        }
        --depth;
    };
    timer.SetInterval(5);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(deepest, 1);
}

TEST_F(TimerTest, ExceptionInTheHandlerIsShownAndTheTimerGoesOn) {
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 1) {
            throw std::runtime_error("SNMP request timed out!");
        }
    };
    MessageScript::Push(mrOk);
    timer.SetInterval(5);
    EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }));
    ASSERT_EQ(MessageScript::Log().size(), 1u);
    EXPECT_EQ(MessageScript::Log()[0].text, "SNMP request timed out!");
}

} // namespace
