#pragma once

#include <cstdint>

#include "platform/Clock.h"

// A clock that only moves when the code under test sleeps or pumps events, so waits of minutes
// take no real time. PumpEventsMs handles the pending window events once, then advances.
class VirtualClock : public Clock {
  public:
    int64_t NowMs() override { return nowMs_; }
    void SleepMs(int ms) override;
    void PumpEventsMs(int ms) override;

    void AdvanceMs(int64_t ms);
    int64_t sleptMs() const { return sleptMs_; }

  private:
    int64_t nowMs_ = 0;
    int64_t sleptMs_ = 0;
};
