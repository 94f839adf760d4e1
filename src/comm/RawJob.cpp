#include "comm/RawJob.h"

#include "platform/Spooler.h"

int32_t SendRawJob(Spooler& spooler, const std::string& printerName, std::span<const uint8_t> job) {
    return spooler.WriteRawJob(printerName, "TAVO Command", job) == 0 ? 0 : -1;
}
