#pragma once

#include <functional>
#include <memory>

class WaitProgress;

// How WaitUntilReady keeps the window alive while the printer is not ready yet: a progress window
// opened on demand (none when openProgress is empty), else pending window events handled while
// waiting (pumpEvents), else a plain sleep.
struct ReadyWaitView {
    std::function<std::unique_ptr<WaitProgress>()> openProgress;
    bool pumpEvents = false;
};
