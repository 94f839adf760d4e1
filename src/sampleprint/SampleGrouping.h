#pragma once

#include <cstdint>
#include <optional>

#include "comm/JobBuffer.h"


// Which grouping commands go between the sample pages of one run. Pages on paper sources other
// than the roll (kind 1) are grouped, `groupSize` to a group, when there are several of them; the
// run then ends with a closing command whatever happened.
class SampleGrouping {
  public:
    static constexpr uint8_t kGroupEnds = 0;
    static constexpr uint8_t kGroupStarts = 1;
    static constexpr uint8_t kRunEnds = 2;

    SampleGrouping(int32_t paperSourceKind, int32_t groupSize, int32_t samples);

    // The group size on a paper of this length (0.1 mm): one sample per 130 mm, at least one.
    static int32_t GroupSizeFor(int32_t paperLength);

    // The command sent before sample p (1..samples), none when no command goes there. Before any
    // command the run waits until the previous page is in the queue.
    std::optional<uint8_t> Before(int32_t p) const;
    // Whether the run ends with kRunEnds.
    bool ClosesRun() const { return paperSourceKind_ != 1; }

  private:
    int32_t paperSourceKind_;
    int32_t groupSize_;
    int32_t samples_;
};

// The job of one grouping command, sent alone.
JobBuffer GroupingJob(uint8_t value);
