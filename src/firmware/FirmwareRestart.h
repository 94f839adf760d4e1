#pragma once

#include <cstdint>
#include <string>

class Clock;
class PrinterLink;
class WaitProgress;

// How the wait for the printer's restart after a firmware job ended: the printer reports ready,
// or the progress window was cancelled or reached its time limit.
enum RestartWaitResult : int32_t {
    kRestartReady = 0,
    kRestartCancelled = 1,
    kRestartTimeLimit = 2,
};

// Waits for the printer to flash and restart: 70 s without asking it anything, then status reads
// at most every 2 s, reopening the channel as the restart breaks it, until the printer is ready or
// `progress` ends the wait. The window stays alive through `progress` throughout.
int32_t WaitForFirmwareRestart(PrinterLink& link, Clock& clock, WaitProgress& progress,
                               const std::string& printerName);

// What the printer reports once it is back.
struct UpdatedFirmware {
    std::string printerVersion;  // empty when it cannot be read
    int32_t messageId;           // 70903 it runs the file's version, else 70905
};

UpdatedFirmware ReadUpdatedFirmware(PrinterLink& link, const std::string& printerName,
                                    const std::string& fileVersion);
