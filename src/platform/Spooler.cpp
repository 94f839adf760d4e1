#include "platform/Spooler.h"

namespace {

constexpr size_t kGatherPiece = 64 * 1024;

}  // namespace

int Spooler::WriteRawJobFromSource(const std::string& printer, const std::string& title,
                                   const RawJobSource& source) {
    std::vector<uint8_t> job;
    for (;;) {
        const size_t length = job.size();
        job.resize(length + kGatherPiece);
        const int64_t count = source(std::span<uint8_t>(job).subspan(length));
        if (count < 0 || static_cast<uint64_t>(count) > kGatherPiece) return -1;
        job.resize(length + static_cast<size_t>(count));
        if (count == 0) break;
    }
    return WriteRawJob(printer, title, job);
}
