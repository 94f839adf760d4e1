#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/Spooler.h"

// Writes a job as one raw spooler job titled "TAVO Command", so it queues behind earlier printing:
// 0 when every byte was written, -1 otherwise.
int32_t SendRawJob(Spooler& spooler, const std::string& printerName, std::span<const uint8_t> job);
// The same for a job too large to hold at once, its bytes taken piece by piece from `source`.
int32_t SendRawJobFromSource(Spooler& spooler, const std::string& printerName,
                             const Spooler::RawJobSource& source);
