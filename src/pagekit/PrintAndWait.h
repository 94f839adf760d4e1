#pragma once

#include <cstdint>
#include <span>
#include <string>

class Page;
class ServiceApp;

// Sends the job and watches the printer until it has finished, inside a cancellable progress
// window titled with the progress text that disables the whole main window meanwhile, so no page
// change can pull the driver binding from under the wait. Answers a CompletionResult.
int32_t PrintAndWait(ServiceApp& app, const std::string& printerName, std::span<const uint8_t> job,
                     int32_t progressTextId, int32_t timeLimitMs);

// The closing message of PrintAndWait's result, owned by the page.
void ReportPrintAndWait(Page& page, int32_t result);
