#include "comm/CompletionWait.h"

#include <optional>

#include "app/ProgressDialog.h"
#include "app/ServiceApp.h"
#include "comm/PrinterLink.h"
#include "comm/RawJob.h"
#include "comm/StatusReply.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace {

// The printer takes a while to start on a job; readiness before then means nothing.
constexpr int64_t kFirstPollAfterMs = 30000;
constexpr int64_t kPollIntervalMs = 1000;
constexpr int32_t kRecheckPauseMs = 100;
constexpr int32_t kReadyPollsNeeded = 3;

// One poll's findings.
struct PollFindings {
    int32_t lastRead = 0;
    bool ready = false;
};

// Reads the status; when it says ready, reads it twice more 100 ms apart, all three must agree.
PollFindings PollStatus(PrinterLink& link, Clock& clock, int32_t channel, StatusReply& status) {
    PollFindings poll;
    poll.lastRead = link.ReadStatus(channel, status);
    if (poll.lastRead < 1 || !status.IsReady()) return poll;
    for (int recheck = 0; recheck < 2; ++recheck) {
        clock.SleepMs(kRecheckPauseMs);
        poll.lastRead = link.ReadStatus(channel, status);
        if (poll.lastRead < 0 || !status.IsReady()) return poll;
    }
    poll.ready = true;
    return poll;
}

int32_t WatchUntilFinished(ServiceApp& app, const std::string& printerName,
                           ProgressDialog& progress) {
    Clock& clock = app.clock();
    PrinterLink link(app);
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
        result = progress.Poll();  // pumps the window's events for a moment
    }
    if (channel >= 1) link.CloseChannel(channel);
    return result;
}

}  // namespace

int32_t PrintAndWait(ServiceApp& app, QWidget* page, const std::string& printerName,
                     std::span<const uint8_t> job, int32_t progressTextId, int32_t timeLimitMs) {
    ProgressDialog progress(app);
    progress.Show(app.LoadText(progressTextId), timeLimitMs, true, page);
    int32_t result = kCompletionNotSent;
    if (SendRawJob(app.spooler(), printerName, job) == 0)
        result = WatchUntilFinished(app, printerName, progress);
    progress.Close();
    return result;
}

void ReportPrintAndWait(ServiceApp& app, QWidget* page, int32_t result) {
    int32_t textId = 10901;
    MessageIcon icon = MessageIcon::Error;
    if (result == kCompletionFinished) {
        textId = 10900;
        icon = MessageIcon::Information;
    } else if (result == kCompletionCancelled || result == kCompletionTimeLimit) {
        textId = 10902;
        icon = MessageIcon::Warning;
    }
    app.messages().Show(page, app.LoadText(textId), app.LoadText(0), icon, MessageButtons::Ok);
}
