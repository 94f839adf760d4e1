#pragma once

#include <chrono>
#include <functional>
#include <thread>

// Whether the condition comes true within timeoutMs, looked at every few milliseconds: for state
// that a printer emulator or a spooler changes on its own schedule.
inline bool Eventually(const std::function<bool()>& condition, int timeoutMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
