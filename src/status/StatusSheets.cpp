#include "status/StatusSheets.h"

#include "comm/MaintenancePackets.h"
#include "comm/RemotePackets.h"

namespace {

constexpr int32_t kSheetJobRoom = 128;

}  // namespace

JobBuffer BuildStatusSheetJob(StatusSheet sheet) {
    JobBuffer job(kSheetJobRoom);
    job.Advance(AppendEnterRemote(job.Rest()));
    job.Advance(AppendSS(job.Rest(), static_cast<uint8_t>(sheet)));
    job.Advance(AppendExitRemote(job.Rest()));
    job.Advance(AppendJobEnd(job.Rest()));
    return job;
}
