#include "comm/RawJob.h"

#include "platform/Spooler.h"

namespace {

constexpr const char* kJobTitle = "TAVO Command";

}  // namespace

int32_t SendRawJob(Spooler& spooler, const std::string& printerName, std::span<const uint8_t> job) {
    return spooler.WriteRawJob(printerName, kJobTitle, job) == 0 ? 0 : -1;
}

int32_t SendRawJobFromSource(Spooler& spooler, const std::string& printerName,
                             const Spooler::RawJobSource& source) {
    return spooler.WriteRawJobFromSource(printerName, kJobTitle, source) == 0 ? 0 : -1;
}
