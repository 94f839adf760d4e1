#pragma once

#include <cstdint>
#include <string>

class PrinterLink;

// Reads shared by the maintenance pages, each one query with a 10-second time-out. Failures give
// the fallbacks noted; none of them shows a message.

// Platen gap setting 1-4; 2 when the query fails or the reply lacks its marker, -1 for a value the
// printer should not report.
int32_t ReadPlatenGapSetting(PrinterLink& link, const std::string& printerName);
// Index (0-4) into the platen gap list of a custom paper slot; -1 when it cannot be read.
int32_t ReadSlotPlatenGap(PrinterLink& link, const std::string& printerName, uint8_t slot);
// The firmware version; empty when it cannot be read.
std::string ReadFirmwareVersion(PrinterLink& link, const std::string& printerName);
// 4 or 8 ink slots from the status block: 4 when the status cannot be read, 8 when no channel
// opens.
int32_t DetectInkSlotCount(PrinterLink& link, const std::string& printerName);
