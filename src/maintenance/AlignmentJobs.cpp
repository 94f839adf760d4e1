#include "maintenance/AlignmentJobs.h"

#include <algorithm>

#include "comm/MaintenancePackets.h"
#include "comm/RemotePackets.h"

namespace {

constexpr int32_t kJobRoom = 512;
constexpr uint8_t kAllDotSizes = 0;

// What the printer may take to print and read each dot size, and all four in one go.
struct AlignmentTimes {
    std::array<int32_t, kDotSizeCount> perDotSize;
    int32_t allFour;
};
constexpr AlignmentTimes kBidirectionalTimes = {{360000, 330000, 330000, 300000}, 1080000};
constexpr AlignmentTimes kUnidirectionalTimes = {{270000, 250000, 250000, 240000}, 840000};
constexpr int32_t kSensorNozzleCheckMs = 1500000;

JobBuffer StartAlignmentJob(int32_t thickness, uint8_t gapCode) {
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendPH(job.Rest(), thickness));
    job.Advance(AppendSN(job.Rest(), gapCode));
    return job;
}

void AppendValueBlocks(JobBuffer& job, AlignmentDirection direction, const DotSizeChecks& checked,
                       const AlignmentValues& values) {
    for (int32_t size = 0; size < kDotSizeCount; ++size) {
        if (!checked[size]) continue;
        job.Advance(AppendDABlock(job.Rest(), direction, size, values[size]).bytes);
    }
}

}  // namespace

int32_t AlignmentValueCount(AlignmentDirection direction) {
    return direction == AlignmentDirection::Bidirectional ? 8 : 7;
}

TimedJob AutomaticAlignmentJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                               const DotSizeChecks& checked) {
    const AlignmentTimes& times =
        direction == AlignmentDirection::Bidirectional ? kBidirectionalTimes : kUnidirectionalTimes;
    TimedJob timed{StartAlignmentJob(thickness, gapCode), 0};
    if (std::ranges::all_of(checked, [](bool on) { return on; })) {
        timed.job.Advance(AppendDTAutomatic(timed.job.Rest(), direction, kAllDotSizes));
        timed.timeLimitMs = times.allFour;
    } else {
        for (int32_t size = 0; size < kDotSizeCount; ++size) {
            if (!checked[size]) continue;
            timed.job.Advance(
                AppendDTAutomatic(timed.job.Rest(), direction, static_cast<uint8_t>(size + 1)));
            timed.timeLimitMs += times.perDotSize[size];
        }
    }
    timed.job.Advance(AppendExitRemote(timed.job.Rest()));
    timed.job.Advance(AppendJobEnd(timed.job.Rest()));
    return timed;
}

TimedJob SensorNozzleCheckJob() {
    TimedJob timed{JobBuffer(kJobRoom), kSensorNozzleCheckMs};
    timed.job.Advance(AppendEnterRemote(timed.job.Rest()));
    timed.job.Advance(AppendNC(timed.job.Rest(), 1));
    timed.job.Advance(AppendExitRemote(timed.job.Rest()));
    timed.job.Advance(AppendJobEnd(timed.job.Rest()));
    return timed;
}

JobBuffer AlignmentPatternJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                              const DotSizeChecks& checked, const AlignmentValues& values) {
    JobBuffer job = StartAlignmentJob(thickness, gapCode);
    AppendValueBlocks(job, direction, checked, values);
    for (int32_t size = 0; size < kDotSizeCount; ++size) {
        if (checked[size])
            job.Advance(AppendDTManual(job.Rest(), direction, static_cast<uint8_t>(size + 1)));
    }
    job.Advance(AppendExitRemote(job.Rest()));
    job.Advance(AppendJobEnd(job.Rest()));
    return job;
}

JobBuffer AlignmentSaveJob(AlignmentDirection direction, int32_t thickness, uint8_t gapCode,
                           const DotSizeChecks& checked, const AlignmentValues& values) {
    JobBuffer job = StartAlignmentJob(thickness, gapCode);
    AppendValueBlocks(job, direction, checked, values);
    job.Advance(AppendSV(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    return job;
}

JobBuffer AlignmentLeaveJob() {
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendLD(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    return job;
}
