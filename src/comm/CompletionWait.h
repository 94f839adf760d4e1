#pragma once

#include <cstdint>
#include <span>
#include <string>

class QWidget;
class ServiceApp;

// How a job sent with PrintAndWait ended.
enum CompletionResult : int32_t {
    kCompletionFinished = 0,   // ready three polls in a row
    kCompletionCancelled = 1,  // Cancel in the progress window
    kCompletionTimeLimit = 2,  // the progress window's time limit ran out
    kCompletionFailed = 3,     // no channel, a failed status read, or an error status
    kCompletionNotSent = -1,   // the spooler write failed
};

// Sends the job through the spooler, then watches the printer's status inside a cancellable
// progress window until it has been ready three polls in a row, polling from 30 s after the write
// on. The caller has checked that the printer was ready before.
int32_t PrintAndWait(ServiceApp& app, QWidget* page, const std::string& printerName,
                     std::span<const uint8_t> job, int32_t progressTextId, int32_t timeLimitMs);

// The closing message of PrintAndWait's result, owned by the page.
void ReportPrintAndWait(ServiceApp& app, QWidget* page, int32_t result);
