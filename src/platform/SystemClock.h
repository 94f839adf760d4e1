#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

// The real clock: steady milliseconds, blocking sleep, and event pumping that waits for events
// without spinning.
class SystemClock : public Clock {
  public:
    SystemClock();
    int64_t NowMs() override;
    void SleepMs(int ms) override;
    void PumpEventsMs(int ms) override;

  private:
    QElapsedTimer started_;
};
