#include "status/JobInformationReader.h"

#include <array>

#include "comm/PrinterLink.h"
#include "comm/QueryPackets.h"
#include "comm/WaitProgress.h"

namespace {

constexpr uint8_t kRememberedJobs = 10;
constexpr int32_t kReplyTimeoutMs = 10000;
constexpr size_t kReplyRoom = 512;
constexpr size_t kRequestRoom = 6;

}  // namespace

int32_t ReadJobInformation(PrinterLink& link, const std::string& printerName,
                           WaitProgress& progress, std::vector<JobRecord>& jobs) {
    const int32_t channel = link.OpenChannel(printerName);
    if (channel < 1) return -1;
    int32_t result = -1;
    for (uint8_t index = 0; index < kRememberedJobs; ++index) {
        std::array<uint8_t, kRequestRoom> request{};
        const int32_t length = AppendJIQuery(request, index);
        // Cleared for every request, so that a short reply cannot show the one before it.
        std::array<uint8_t, kReplyRoom> reply{};
        result = link.Exchange(channel, std::span<const uint8_t>(request).first(length), reply,
                               kReplyTimeoutMs);
        if (result < 0) break;
        result = progress.Poll();
        if (result != 0) break;
        if (auto job = ParseJobRecord(reply)) jobs.push_back(std::move(*job));
    }
    link.CloseChannel(channel);
    return result;
}
