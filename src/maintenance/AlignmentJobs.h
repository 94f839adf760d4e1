#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "comm/AlignmentPackets.h"
#include "comm/JobBuffer.h"

// The jobs of the alignment pages, built without widgets so their bytes can be checked alone.

inline constexpr int32_t kDotSizeCount = 4;

// Which of dot sizes #1 to #4 the user checked.
using DotSizeChecks = std::array<bool, kDotSizeCount>;
// The alignment values of each dot size, one row of AlignmentValueCount values per dot size.
using AlignmentValues = std::array<std::vector<int32_t>, kDotSizeCount>;

// A job the page waits for, and how long the printer may take over it.
struct TimedJob {
    JobBuffer job;
    int32_t timeLimitMs = 0;
};

// 8 values per dot size bi-directional, 7 uni-directional.
int32_t AlignmentValueCount(AlignmentDirection direction);

// The printer prints and reads its own patterns: EnterRemote, PH, SN, the DT of each checked dot
// size (one DT for all four when all are checked), ExitRemote, JobEnd.
TimedJob AutomaticAlignmentJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                               const DotSizeChecks& checked);
// A nozzle check read by the printer's sensor.
TimedJob SensorNozzleCheckJob();

// The values of the checked dot sizes, then their patterns, printed for the user to judge.
JobBuffer AlignmentPatternJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                              const DotSizeChecks& checked, const AlignmentValues& values);
// The values of the checked dot sizes, stored in the printer.
JobBuffer AlignmentSaveJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                           const DotSizeChecks& checked, const AlignmentValues& values);
// Drops the values the printer holds unsaved: 23 bytes.
JobBuffer AlignmentLeaveJob();
