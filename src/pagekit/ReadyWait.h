#pragma once

#include <cstdint>
#include <string>

class QWidget;
class ServiceApp;

// Waits until the printer reports ready. When it is not ready at once and showProgress is set, the
// progress window (title text 0, 15 s, no Cancel) stands over owner, or over the main window when
// owner is null. Without a window of its own the wait handles window events only when owner is
// disabled (an outer progress window runs), else it sleeps. 1 ready, 0 not ready or no channel,
// -1 no communication library.
int32_t WaitUntilReady(ServiceApp& app, const std::string& printerName, bool showProgress,
                       QWidget* owner);
