#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace rqapi {

// A point in steady time that waits are measured against, so a loop of short waits never
// outlasts the time-out it was given.
class Deadline {
  public:
    explicit Deadline(int32_t timeoutMs)
        : end_(std::chrono::steady_clock::now() +
               std::chrono::milliseconds(std::max(0, timeoutMs))) {}
    int32_t RemainingMs() const {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(end_ - std::chrono::steady_clock::now());
        return static_cast<int32_t>(std::max<int64_t>(0, left.count()));
    }
    bool Expired() const { return std::chrono::steady_clock::now() >= end_; }

  private:
    std::chrono::steady_clock::time_point end_;
};

}  // namespace rqapi
