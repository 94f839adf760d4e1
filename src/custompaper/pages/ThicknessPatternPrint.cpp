#include "custompaper/pages/ThicknessPatternPrint.h"

#include "custompaper/PrinterSlotMemory.h"
#include "pagekit/Page.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/Clock.h"
#include "platform/WaitCursor.h"

namespace {
constexpr int32_t kNotReady = 901;
constexpr int kPatternSettleMs = 3000;
}  // namespace

void PrintThicknessPatternFrom(ServiceApp& app, Page& page, int32_t sentText) {
    const std::string& printer = app.selectedPrinter().printerName;
    if (WaitUntilReady(app, printer, true, nullptr) == 0) {
        page.Tell(kNotReady, MessageIcon::Warning);
        return;
    }
    const WaitCursor cursor;
    const int32_t sent = PrintThicknessPattern(app.spooler(), printer);
    app.clock().SleepMs(kPatternSettleMs);
    if (sent == 0) page.Tell(sentText, MessageIcon::Information);
}
