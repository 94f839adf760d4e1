#include "pagekit/PrintAndWait.h"

#include "comm/CompletionWait.h"
#include "comm/PrinterLink.h"
#include "pagekit/Page.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"

int32_t PrintAndWait(ServiceApp& app, const std::string& printerName, std::span<const uint8_t> job,
                     int32_t progressTextId, int32_t timeLimitMs) {
    ProgressDialog progress(app);
    progress.Show(app.LoadText(progressTextId), timeLimitMs, true, nullptr);
    PrinterLink link = app.Link();
    const int32_t result =
        SendAndWatch(app.spooler(), link, app.clock(), printerName, job, progress);
    progress.Close();
    return result;
}

void ReportPrintAndWait(Page& page, int32_t result) {
    if (result == kCompletionFinished) {
        page.Tell(10900, MessageIcon::Information);
    } else if (result == kCompletionCancelled || result == kCompletionTimeLimit) {
        page.Tell(10902, MessageIcon::Warning);
    } else {
        page.Tell(10901, MessageIcon::Error);
    }
}
