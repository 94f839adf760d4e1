#include <sys/signalfd.h>

#include <chrono>
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
    if (!options.statePath.empty()) state.Load(options.statePath);  // a missing one is created
    // Set-up from the command line goes into the state, and from there into the state file.
    if (!options.firmware.empty()) state.firmwareVersion = options.firmware;
    if (options.nextJobNumber > 0)
        state.nextJobNumber = static_cast<std::uint32_t>(options.nextJobNumber);
    const auto nowMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    for (JobRecord job : options.jobs) {
        if (job.number == 0) job.number = static_cast<std::uint16_t>(state.nextJobNumber++);
        job.SetTime(nowMs);
        state.jobs.push_front(job);
    }
    while (state.jobs.size() > PrinterState::kRememberedJobs) state.jobs.pop_back();
    if (!options.statePath.empty() && !state.Save(options.statePath))
        return Fail("cannot write the state file " + options.statePath);
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
