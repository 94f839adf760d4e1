#pragma once

#include <cstdint>

#include "comm/WaitProgress.h"
#include "platform/Clock.h"

// A progress window reduced to its clock: every Poll pumps for 10 ms, reports the time limit once
// it has passed, and reports a cancel at poll number cancelAtPoll (counted from 1) when set.
class TimedProgress : public WaitProgress {
  public:
    TimedProgress(Clock& clock, int64_t limitMs)
        : clock_(clock), startMs_(clock.NowMs()), limitMs_(limitMs) {}

    int Poll() override {
        clock_.PumpEventsMs(10);
        if (++polls_ == cancelAtPoll) return 1;
        return clock_.NowMs() - startMs_ >= limitMs_ ? 2 : 0;
    }

    int cancelAtPoll = 0;

  private:
    Clock& clock_;
    int64_t startMs_;
    int64_t limitMs_;
    int polls_ = 0;
};
