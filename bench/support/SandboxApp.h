#pragma once

#include <memory>
#include <string>

#include "RecordingMessages.h"
#include "SandboxBench.h"
#include "pagekit/ServiceApp.h"
#include "platform/SystemClock.h"

// The program's application object beside an emulated printer in the sandbox: the shipped
// settings, recorded messages, the real clock and a spooler of type `SpoolerType` on the private
// CUPS server, for a whole benchmark run.
template <typename SpoolerType>
struct SandboxApp {
    CupsSandbox sandbox;
    std::unique_ptr<EmulatedPrinter> printer;
    std::string failure;
    RecordingMessages messages;
    SystemClock clock;
    SpoolerType spooler;
    std::unique_ptr<ServiceApp> app;

    // The sandbox and its printer, then the application object and its owned objects; false with
    // the reason in `failure`.
    bool StartApp() {
        printer = StartPrinterInSandbox(sandbox, failure);
        if (!printer) return false;
        app = std::make_unique<ServiceApp>(SERVATO_BIN_DIR,
                                           ServiceApp::Platform{messages, clock, spooler});
        if (app->CreateOwnedObjects() == 0) return true;
        failure = "the application's objects were not created";
        return false;
    }
};
