#include <sys/signalfd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "EmulatorServer.h"
#include "FileDescriptor.h"
#include "Journal.h"
#include "Options.h"
#include "Printer.h"
#include "PrinterModel.h"
#include "PrinterState.h"

namespace {
// SIGTERM and SIGINT arrive as a readable descriptor that the server polls with its sockets.
FileDescriptor StopSignals() {
    // A shell starting us in the background ignores SIGINT for us; an ignored signal never
    // reaches the descriptor.
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return FileDescriptor(signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC));
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
    const FileDescriptor stop = StopSignals();
    if (!stop.Valid()) return Fail("cannot watch for SIGTERM");
    EmulatorServer server(options, printer, journal);
    if (!server.Start(error)) return Fail(error);
    std::printf("%s\n", server.ReadyLine().c_str());
    std::fflush(stdout);
    server.Run(stop.Get());
    return 0;
}
