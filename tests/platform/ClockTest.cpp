#include <gtest/gtest.h>

#include <QTimer>

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
