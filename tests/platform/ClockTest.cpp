#include <gtest/gtest.h>

#include <QTimer>

#include "VirtualClock.h"
#include "platform/SystemClock.h"

TEST(ClockTest, SystemClockPumpsEventsWhileWaiting) {
    SystemClock clock;
    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    const int64_t start = clock.NowMs();
    while (!fired && clock.NowMs() - start < 2000) clock.PumpEventsMs(10);
    EXPECT_TRUE(fired);
    const int64_t before = clock.NowMs();
    clock.SleepMs(30);
    EXPECT_GE(clock.NowMs() - before, 30);
}

TEST(ClockTest, VirtualClockMovesOnlyWhenWaitedOn) {
    VirtualClock clock;
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    EXPECT_EQ(clock.NowMs(), 0);
    clock.PumpEventsMs(0);
    EXPECT_TRUE(fired);
    EXPECT_EQ(clock.NowMs(), 1);
    clock.SleepMs(1000);
    clock.PumpEventsMs(10);
    EXPECT_EQ(clock.NowMs(), 1011);
    EXPECT_EQ(clock.sleptMs(), 1000);
    EXPECT_EQ(clock.pumpCount(), 2);
}
