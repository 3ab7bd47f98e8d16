#include "platform/Clock.h"
#include "platform/GameTimer.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <cstdint>
#include <ctime>

using namespace varnholt;

namespace {
class ClockTest : public ::testing::Test {
protected:
    void SetUp() override { test::testApp(); }
};
} // namespace

TEST_F(ClockTest, ZeroOrPastDelaysReturnAtOnce)
{
    SystemClock clock;
    bool served = false;
    QObject context; // the pending call dies with the test
    QTimer::singleShot(0, &context, [&] { served = true; });
    Delay(clock, 0);
    clock.waitUntil(clock.GetTickCount() - 100);
    EXPECT_FALSE(served) << "nothing waited, so nothing was served";
}

TEST_F(ClockTest, DelayWaitsItsTimeServingOnlyEnabledTimers)
{
    SystemClock clock;
    int enabledTicks = 0, disabledTicks = 0;
    GameTimer enabled(5, true), disabled(5, false);
    enabled.OnTimer = [&] { ++enabledTicks; };
    disabled.OnTimer = [&] { ++disabledTicks; };
    EXPECT_FALSE(disabled.Enabled());
    const auto start = clock.GetTickCount();
    Delay(clock, 0.06);
    EXPECT_GE(clock.GetTickCount(), start + 60);
    EXPECT_GT(enabledTicks, 0) << "the timer must tick while the delay waits";
    EXPECT_EQ(disabledTicks, 0);

    enabled.setEnabled(false);
    const int frozen = enabledTicks;
    disabled.setEnabled(true);
    Delay(clock, 0.04);
    EXPECT_EQ(enabledTicks, frozen);
    EXPECT_GT(disabledTicks, 0);
}

TEST_F(ClockTest, IntervalChangesKeepTheEnabledState)
{
    GameTimer timer(5000, true);
    timer.setInterval(50);
    EXPECT_EQ(timer.Interval(), 50);
    EXPECT_TRUE(timer.Enabled());
    GameTimer idle(300, false);
    idle.setInterval(100);
    EXPECT_FALSE(idle.Enabled());
}

TEST_F(ClockTest, FollowedClockSaysWhenTheNextTickFallsDue)
{
    struct StoppedClock final : Clock {
        std::int64_t GetTickCount() const override { return now; }
        void waitUntil(std::int64_t deadline) override { now = deadline; }
        std::int64_t now = 1000;
    } clock;
    GameTimer timer(200, true);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.followClock(clock);
    EXPECT_EQ(timer.dueAt(), 1200);
    clock.now = 1200;
    timer.runDueTick();
    EXPECT_EQ(timer.dueAt(), 1400) << "one interval after the last";
    clock.now = 2000; // ticks missed while the loop was held up come as one
    timer.runDueTick();
    EXPECT_EQ(timer.dueAt(), 2200);
    EXPECT_EQ(ticks, 2);
    timer.setInterval(50); // a new interval counts from now
    EXPECT_EQ(timer.dueAt(), 2050);
    timer.setEnabled(false);
    timer.runDueTick();
    EXPECT_EQ(ticks, 2) << "a disabled timer does not tick";
}

TEST_F(ClockTest, WaitingSleepsInsteadOfSpinning)
{
    // Processor time used, not time passed: a spinning wait would burn all of its 300 ms.
    auto cpuSeconds = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + t.tv_nsec / 1e9;
    };
    SystemClock clock;
    const double before = cpuSeconds();
    Delay(clock, 0.3);
    EXPECT_LT(cpuSeconds() - before, 0.1);
}
