#include "pagekit/ReadyWait.h"

#include <QWidget>

#include "comm/PrinterLink.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"

namespace {
constexpr int kReadyProgressLimitMs = 15000;
}  // namespace

int32_t WaitUntilReady(ServiceApp& app, const std::string& printerName, bool showProgress,
                       QWidget* owner) {
    ReadyWaitView view;
    if (showProgress) {
        view.openProgress = [&app, owner]() -> std::unique_ptr<WaitProgress> {
            auto progress = std::make_unique<ProgressDialog>(app);
            progress->Show(app.LoadText(0), kReadyProgressLimitMs, false, owner);
            return progress;
        };
    }
    view.pumpEvents = owner != nullptr && !owner->isEnabled();
    PrinterLink link = app.Link();
    return link.WaitUntilReady(printerName, view);
}
