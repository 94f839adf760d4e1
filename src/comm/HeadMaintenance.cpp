#include "comm/HeadMaintenance.h"

#include "comm/MaintenancePackets.h"
#include "comm/PrinterLink.h"
#include "comm/RemotePackets.h"
#include "comm/StatusReply.h"

namespace {
constexpr int32_t kJobRoom = 128;
}  // namespace

JobBuffer HeadCleaningJob() {
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendCH(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    return job;
}

JobBuffer NozzleCheckJob() {
    JobBuffer job(kJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendNC(job.Rest(), 0));
    job.Advance(AppendVI(job.Rest()));
    job.Advance(AppendExitRemote(job.Rest()));
    job.Advance(AppendJobEnd(job.Rest()));
    return job;
}

CleaningVerdict CheckCleaningAllowed(PrinterLink& link, const std::string& printerName) {
    const int32_t channel = link.OpenChannel(printerName);
    if (channel < 1) return CleaningVerdict::NoStatus;
    StatusReply status;
    const int32_t read = link.ReadStatus(channel, status);
    link.CloseChannel(channel);
    if (read < 0) return CleaningVerdict::NoStatus;
    if (status.HasEntryAtMost25()) return CleaningVerdict::InkTooLow;
    if (status.IsField0DAtMost12()) return CleaningVerdict::LevelTooLow;
    return CleaningVerdict::Allowed;
}
