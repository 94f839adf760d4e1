#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "EmulatorServer.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "PrinterModel.h"
#include "PrinterState.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void InstallSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the signal must interrupt poll() so the loop sees it at once.
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "printer-emulator: %s\n", text.c_str());
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) return Fail(error);
    if (options.help) {
        std::fputs(Options::Usage().c_str(), stdout);
        return 0;
    }
    PrinterModel model;
    PrinterModel::ForName(options.model, model);
    PrinterState state;
    if (!options.statePath.empty() && !state.Load(options.statePath) &&
        !state.Save(options.statePath)) {
        return Fail("cannot write the state file " + options.statePath);
    }
    Journal journal;
    if (!options.journalPath.empty() && !journal.Open(options.journalPath)) {
        return Fail("cannot open the journal " + options.journalPath);
    }
    Printer printer(model, state, options.durations);
    printer.SetFaults(options.faults);
    InstallSignals();
    EmulatorServer server(options, printer, journal);
    if (!server.Start(error)) return Fail(error);
    std::printf("%s\n", server.ReadyLine().c_str());
    std::fflush(stdout);
    server.Run(stopRequested);
    return 0;
}
