#include "comm/CompletionWait.h"

#include <optional>

#include "comm/PrinterLink.h"
#include "comm/RawJob.h"
#include "comm/StatusReply.h"
#include "comm/WaitProgress.h"
#include "platform/Clock.h"

namespace {

// The printer takes a while to start on a job; readiness before then means nothing.
constexpr int64_t kFirstPollAfterMs = 30000;
constexpr int64_t kPollIntervalMs = 1000;
constexpr int32_t kRecheckPauseMs = 100;
constexpr int32_t kReadyPollsNeeded = 3;
constexpr int kIdleSliceMs = 10;

// One poll's findings.
struct PollFindings {
    int32_t lastRead = 0;
    bool ready = false;
};

// Reads the status; when it says ready, reads it twice more 100 ms apart, and all three must
// agree. Both re-reads always happen, so the last read is the second one.
PollFindings PollStatus(PrinterLink& link, Clock& clock, int32_t channel, StatusReply& status) {
    PollFindings poll;
    poll.lastRead = link.ReadStatus(channel, status);
    if (poll.lastRead < 1 || !status.IsReady()) return poll;
    bool confirmed = true;
    for (int recheck = 0; recheck < 2; ++recheck) {
        clock.SleepMs(kRecheckPauseMs);
        poll.lastRead = link.ReadStatus(channel, status);
        if (poll.lastRead < 0 || !status.IsReady()) confirmed = false;
    }
    poll.ready = confirmed;
    return poll;
}

int32_t WatchUntilFinished(PrinterLink& link, Clock& clock, const std::string& printerName,
                           WaitProgress& progress) {
    StatusReply status;
    const int64_t start = clock.NowMs();
    std::optional<int64_t> lastPoll;
    int32_t channel = -1;
    int32_t readyCount = 0;
    int32_t result = kCompletionFinished;

    while (result == kCompletionFinished) {
        if (channel < 1) {
            channel = link.OpenChannel(printerName);
            if (channel < 1) {
                result = kCompletionFailed;
                break;
            }
        }
        const int64_t now = clock.NowMs();
        const bool pollDue =
            now - start > kFirstPollAfterMs && (!lastPoll || now - *lastPoll > kPollIntervalMs);
        if (pollDue) {
            const PollFindings poll = PollStatus(link, clock, channel, status);
            readyCount = poll.ready ? readyCount + 1 : 0;
            if (readyCount == kReadyPollsNeeded) {
                result = progress.Poll();
                break;
            }
            if (poll.lastRead < 0 || status.IsError()) {
                result = kCompletionFailed;
                break;
            }
            lastPoll = clock.NowMs();
        }
        result = PollAndIdle(progress, clock, kIdleSliceMs);
    }
    if (channel >= 1) link.CloseChannel(channel);
    return result;
}

}  // namespace

int32_t SendAndWatch(Spooler& spooler, PrinterLink& link, Clock& clock,
                     const std::string& printerName, std::span<const uint8_t> job,
                     WaitProgress& progress) {
    if (SendRawJob(spooler, printerName, job) != 0) return kCompletionNotSent;
    return WatchUntilFinished(link, clock, printerName, progress);
}
