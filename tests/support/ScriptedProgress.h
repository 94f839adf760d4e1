#pragma once

#include <cstdint>

#include "comm/WaitProgress.h"
#include "platform/Clock.h"

// A progress window without a window: reports the time limit on the clock, or a cancel at poll
// number cancelAtPoll (counted from 1).
class ScriptedProgress : public WaitProgress {
  public:
    ScriptedProgress(Clock& clock, int64_t timeLimitMs, int cancelAtPoll = -1)
        : clock_(clock), startMs_(clock.NowMs()), limitMs_(timeLimitMs), cancelAt_(cancelAtPoll) {}

    int Poll() override {
        ++polls_;
        if (state_ == Running && polls_ == cancelAt_) state_ = Cancelled;
        if (state_ == Running && clock_.NowMs() - startMs_ >= limitMs_) state_ = TimeLimitReached;
        return state_;
    }

  private:
    Clock& clock_;
    int64_t startMs_;
    int64_t limitMs_;
    int cancelAt_;
    int polls_ = 0;
    int state_ = Running;
};
