#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "status/JobRecord.h"

class PrinterLink;
class WaitProgress;

// Asks the printer for its ten remembered jobs, one request each on one channel, 10 s for each
// reply; indexes the printer answers without a record add nothing to `jobs`. After each reply
// `progress` is polled; the reply that came with a cancel is dropped.
// Result: 0 all ten asked; 1 cancelled or 2 time limit, with the jobs read so far; -1 when no
// channel opens, or a failed exchange's negative result, with the jobs read before it.
int32_t ReadJobInformation(PrinterLink& link, const std::string& printerName,
                           WaitProgress& progress, std::vector<JobRecord>& jobs);
