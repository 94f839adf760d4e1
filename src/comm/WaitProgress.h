#pragma once

// What a long wait on the printer shows meanwhile. The page kit's progress window is one; the
// channel code only polls it, so a wait can run and be tested without widgets. Closing happens
// when the object ends.
class WaitProgress {
  public:
    enum State { Running = 0, Cancelled = 1, TimeLimitReached = 2 };

    virtual ~WaitProgress() = default;
    // Handles pending window events, then reports the state.
    virtual int Poll() = 0;
};
