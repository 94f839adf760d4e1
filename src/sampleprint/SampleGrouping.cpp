#include "sampleprint/SampleGrouping.h"

#include "comm/SamplePrintPackets.h"

namespace {

constexpr int32_t kLengthPerSample = 1300;
constexpr int32_t kJobRoom = 256;

}  // namespace

SampleGrouping::SampleGrouping(int32_t paperSourceKind, int32_t groupSize, int32_t samples)
    : paperSourceKind_(paperSourceKind), groupSize_(groupSize), samples_(samples) {}

int32_t SampleGrouping::GroupSizeFor(int32_t paperLength) {
    return paperLength > kLengthPerSample ? paperLength / kLengthPerSample : 1;
}

std::optional<uint8_t> SampleGrouping::Before(int32_t p) const {
    if (samples_ < 2 || paperSourceKind_ == 1 || groupSize_ < 2) return std::nullopt;
    const int32_t place = p % groupSize_;
    if (place == 1) return p < samples_ ? std::optional<uint8_t>(kGroupStarts) : std::nullopt;
    if (place == 0 || p == samples_) return kGroupEnds;
    return std::nullopt;
}

JobBuffer GroupingJob(uint8_t value) {
    JobBuffer job(kJobRoom);
    job.Advance(value == SampleGrouping::kRunEnds ? AppendEscBarClose(job.Rest())
                                                  : AppendEscBar(job.Rest(), value));
    return job;
}
