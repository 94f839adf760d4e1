#pragma once

#include <chrono>
#include <thread>

#include "platform/Clock.h"

// The real clock for a process without windows. The program's SystemClock pumps window events
// through Qt, whose libraries would add milliseconds to the start of every command job.
class FilterClock : public Clock {
  public:
    int64_t NowMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void SleepMs(int ms) override {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    // Nothing to pump: the wait is a plain sleep.
    void PumpEventsMs(int ms) override { SleepMs(ms); }
};
