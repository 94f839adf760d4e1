#pragma once

#include "platform/Clock.h"

// What a long wait on the printer shows meanwhile. The page kit's progress window is one; the
// channel code only polls it, so a wait can run and be tested without widgets. Closing happens
// when the object ends.
class WaitProgress {
  public:
    enum State { Running = 0, Cancelled = 1, TimeLimitReached = 2 };

    virtual ~WaitProgress() = default;
    // Handles the pending window events, then reports the state.
    virtual int Poll() = 0;
};

// One pass of a waiting loop: polls the progress window and, while the wait goes on, lets window
// events come for up to sliceMs, so the loop neither spins nor freezes the window.
inline int PollAndIdle(WaitProgress& progress, Clock& clock, int sliceMs) {
    const int state = progress.Poll();
    if (state == WaitProgress::Running) clock.PumpEventsMs(sliceMs);
    return state;
}
