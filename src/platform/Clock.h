#pragma once

#include <cstdint>

// Millisecond time as the program's waits see it. The program runs on one thread; waits that must
// keep the window alive pump window events through PumpEventsMs. Tests use a virtual clock so that
// a 30-second wait takes no real time.
class Clock {
public:
    virtual ~Clock() = default;
    // Steady milliseconds since an arbitrary start.
    virtual int64_t NowMs() = 0;
    // Blocks without handling window events.
    virtual void SleepMs(int ms) = 0;
    // Handles pending window events, waiting at most ms for more to arrive. A virtual clock handles
    // what is pending once and advances by ms, so polling loops always make progress.
    virtual void PumpEventsMs(int ms) = 0;
};
