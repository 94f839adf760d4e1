#pragma once

#include <cstdint>
#include <span>
#include <string>

class Clock;
class PrinterLink;
class Spooler;
class WaitProgress;

// How a job sent with SendAndWatch ended.
enum CompletionResult : int32_t {
    kCompletionFinished = 0,   // ready three polls in a row
    kCompletionCancelled = 1,  // Cancel in the progress window
    kCompletionTimeLimit = 2,  // the progress window's time limit ran out
    kCompletionFailed = 3,     // no channel, a failed status read, or an error status
    kCompletionNotSent = -1,   // the spooler write failed
};

// Sends the job through the spooler, then watches the printer's status until it has been ready
// three polls in a row, polling from 30 s after the write on, while `progress` keeps the window
// alive and may end the wait. The caller has checked that the printer was ready before.
int32_t SendAndWatch(Spooler& spooler, PrinterLink& link, Clock& clock,
                     const std::string& printerName, std::span<const uint8_t> job,
                     WaitProgress& progress);
