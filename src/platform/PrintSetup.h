#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/Spooler.h"

// How a page is printed with a driver settings record: the paper size its PageSize names (in
// points, as the queue's PPD gives it), the resolution of its Resolution choice, and the options
// that go with the job.
struct PrintSetup {
    double pageWidthPt = 0;
    double pageHeightPt = 0;
    int dpiX = 0;
    int dpiY = 0;
    Spooler::JobOptions options;
};

// The setup of a record for the queue; none when the record does not decode or names a size or
// resolution the queue's PPD does not know.
std::optional<PrintSetup> ReadPrintSetup(const std::string& printerName,
                                         std::span<const uint8_t> record);
