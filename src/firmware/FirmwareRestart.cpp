#include "firmware/FirmwareRestart.h"

#include <optional>

#include "comm/PrinterLink.h"
#include "comm/PrinterQueries.h"
#include "comm/StatusReply.h"
#include "comm/WaitProgress.h"
#include "platform/Clock.h"

namespace {

// Flashing takes at least this long; the printer's answers before it mean nothing.
constexpr int64_t kQuietMs = 70000;
constexpr int kIdleSliceMs = 10;
constexpr int64_t kReadIntervalMs = 2000;
constexpr int64_t kReopenPauseMs = 5000;
constexpr int32_t kUpdatedVersion = 70903;
constexpr int32_t kOtherVersion = 70905;

// Keeps the window alive for `ms`; answers the progress report that ended it early, else 0.
int WaitPolling(Clock& clock, WaitProgress& progress, int64_t ms) {
    const int64_t start = clock.NowMs();
    while (clock.NowMs() - start < ms) {
        if (const int report = PollAndIdle(progress, clock, kIdleSliceMs); report != 0)
            return report;
    }
    return 0;
}

}  // namespace

int32_t WaitForFirmwareRestart(PrinterLink& link, Clock& clock, WaitProgress& progress,
                               const std::string& printerName) {
    int32_t result = WaitPolling(clock, progress, kQuietMs);
    int32_t channel = -1;
    std::optional<int64_t> lastRead;
    StatusReply status;
    while (result == kRestartReady) {
        if (channel < 1) {
            channel = link.OpenChannel(printerName);
            if (channel < 1) {
                result = WaitPolling(clock, progress, kReopenPauseMs);
                continue;
            }
        }
        if (!lastRead || clock.NowMs() - *lastRead >= kReadIntervalMs) {
            lastRead = clock.NowMs();
            const int32_t read = link.ReadStatus(channel, status);
            if (read >= 1 && status.IsReady()) break;
            // A channel from before the restart may be dead: open a fresh one.
            if (read < 0) {
                link.CloseChannel(channel);
                channel = -1;
            }
        }
        result = PollAndIdle(progress, clock, kIdleSliceMs);
    }
    if (channel >= 1) link.CloseChannel(channel);
    return result;
}

UpdatedFirmware ReadUpdatedFirmware(PrinterLink& link, const std::string& printerName,
                                    const std::string& fileVersion) {
    std::string version = ReadFirmwareVersion(link, printerName);
    const int32_t messageId = version == fileVersion ? kUpdatedVersion : kOtherVersion;
    return {std::move(version), messageId};
}
