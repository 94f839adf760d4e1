// servato2-command: the CUPS filter the model PPDs name for application/vnd.cups-command jobs
// (the clients' "Clean Print Heads", "Print Self-Test Page" and ink levels). CUPS runs it as
//   servato2-command JOB USER TITLE COPIES OPTIONS [FILE]
// with PRINTER and PPD set; the printer's jobs go to standard output, on to the backend.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "CommandFile.h"
#include "CommandRunner.h"
#include "FilterClock.h"
#include "FilterSpooler.h"
#include "JobLog.h"
#include "comm/CommLibrary.h"

namespace {

// Far more than any client writes; what lies beyond is not read.
constexpr size_t kMaxCommandFileBytes = 1 << 20;
// How long a failing filter lets the server take in its reason before it ends.
constexpr int kReasonReadLimitMs = 1000;

// At most limit bytes of the file; `complete` tells whether that was all of it. The buffer grows
// with what comes, so the usual few bytes cost no megabyte.
std::vector<uint8_t> ReadAtMost(int fd, size_t limit, bool& complete) {
    constexpr size_t kPiece = 64 * 1024;
    std::vector<uint8_t> bytes;
    size_t length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (bytes.size() > limit) break;
            bytes.resize(std::min(bytes.size() + kPiece, limit + 1));
        }
        const ssize_t count = read(fd, bytes.data() + length, bytes.size() - length);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        length += static_cast<size_t>(count);
    }
    complete = length <= limit;
    bytes.resize(std::min(length, limit));
    return bytes;
}

void ReportUnknown(const CommandFile& file, JobLog& log) {
    for (const std::string& line : file.unknown) log.Warning("Unknown command ignored: " + line);
    if (file.unknownCount > file.unknown.size())
        log.Warning(std::to_string(file.unknownCount - file.unknown.size()) +
                    " more unknown commands ignored.");
}

// The exit status of a failed job, once CUPS has its reason.
int Failed(const JobLog& log) {
    log.AwaitReader(kReasonReadLimitMs);
    return 1;
}

bool NeedsPrinterStatus(const CommandFile& file) {
    return std::any_of(file.commands.begin(), file.commands.end(), [](MaintenanceCommand c) {
        return c != MaintenanceCommand::PrintSelfTestPage;
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    JobLog log(STDERR_FILENO);
    const char* printer = std::getenv("PRINTER");
    const char* ppd = std::getenv("PPD");
    if (argc < 6 || argc > 7 || printer == nullptr || ppd == nullptr) {
        log.Error(
            "servato2-command is run by CUPS: JOB USER TITLE COPIES OPTIONS [FILE], with "
            "PRINTER and PPD set.");
        return Failed(log);
    }
    // A backend that went away makes a write fail rather than end the filter unheard.
    std::signal(SIGPIPE, SIG_IGN);

    const int input = argc == 7 ? open(argv[6], O_RDONLY | O_CLOEXEC) : STDIN_FILENO;
    if (input < 0) {
        log.Error("The command file cannot be read.");
        return Failed(log);
    }
    bool complete = true;
    const CommandFile file = ParseCommandFile(ReadAtMost(input, kMaxCommandFileBytes, complete));
    if (input != STDIN_FILENO) close(input);
    if (!complete) log.Warning("The command file is longer than 1 MiB; the rest is ignored.");
    ReportUnknown(file, log);
    if (file.commands.empty()) {
        log.Info("No maintenance command to carry out.");
        return 0;
    }

    FilterSpooler spooler(ppd, STDOUT_FILENO);
    // The library the queue's PPD names, as the program finds it for a queue.
    CommLibrary library(spooler);
    if (NeedsPrinterStatus(file) && !library.Load(printer, false)) {
        log.Error("The communication library the PPD names cannot be loaded.");
        return Failed(log);
    }
    FilterClock clock;
    CommandRunner runner(spooler, library.IsLoaded() ? &library : nullptr, clock, printer, log);
    for (const MaintenanceCommand command : file.commands)
        if (runner.Run(command) != 0) return Failed(log);
    return 0;
}
