// bench_install: from `lp` of a command file asking for a cleaning to the cleaning job arriving at
// the emulated printer, side by side with `lp -o raw` of the same 25 bytes, in turn, on a queue
// added from the installed PPD (target: the command job's median at most 1.1 times the raw one's).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "FileText.h"
#include "Median.h"
#include "SandboxBench.h"
#include "TempFolder.h"
#include "comm/HeadMaintenance.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kQueue = "Installed";

double Milliseconds(Clock::duration elapsed) {
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

// The emulator's journal, read as it grows. The fixture's own waits poll every 5 ms, too coarse
// for jobs that take tens of milliseconds; a busy poll would take a core from the processes timed.
class JournalTail {
  public:
    explicit JournalTail(std::string path)
        : path_(std::move(path)), watch_(inotify_init1(IN_CLOEXEC)) {
        if (watch_ >= 0) inotify_add_watch(watch_, path_.c_str(), IN_MODIFY);
    }
    ~JournalTail() {
        if (watch_ >= 0) close(watch_);
    }
    JournalTail(const JournalTail&) = delete;
    JournalTail& operator=(const JournalTail&) = delete;

    // Sleeps until the journal changes, until one more job line has come; false after 10 s.
    bool WaitForJob() {
        const auto end = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < end) {
            if (ReadNewLines()) return true;
            pollfd change{watch_, POLLIN, 0};
            if (poll(&change, 1, 100) > 0) {
                char events[4096];
                [[maybe_unused]] const ssize_t ignored = read(watch_, events, sizeof events);
            }
        }
        return false;
    }
    // The last job line seen.
    const std::string& LastJob() const { return lastJob_; }

  private:
    bool ReadNewLines() {
        std::ifstream file(path_, std::ios::binary);
        file.seekg(offset_);
        bool found = false;
        for (std::string line; std::getline(file, line) && !file.eof();) {
            offset_ += static_cast<off_t>(line.size() + 1);
            if (line.find("\"event\":\"job\"") != std::string::npos) {
                lastJob_ = line;
                found = true;
            }
        }
        return found;
    }

    std::string path_;
    int watch_;
    off_t offset_ = 0;
    std::string lastJob_;
};

// One installed tree, sandbox and printer for the run; the benchmark reports what failed.
struct World {
    TempFolder prefix;
    CupsSandbox sandbox;
    std::unique_ptr<EmulatedPrinter> printer;
    std::string failure;

    World() {
        // cupsd runs the installed filter as lp, which must reach it.
        std::filesystem::permissions(prefix.Path(), std::filesystem::perms(0755));
        std::string output;
        if (ChildProcess::Run(
                {CMAKE_COMMAND, "--install", SERVATO_BUILD_DIR, "--prefix", prefix.Path()},
                output) != 0) {
            failure = "cmake --install: " + output;
            return;
        }
        sandbox.UsePpdFolder(prefix.Path() + "/share/ppd");
        printer = StartPrinterInSandbox(sandbox, failure, {.speed = 0.001});
        if (!printer) return;
        const std::string uri =
            "socket://" + printer->Address() + ":" + std::to_string(printer->RawPort());
        if (ChildProcess::Run({"lpadmin", "-h", sandbox.Server(), "-p", kQueue, "-E", "-v", uri,
                               "-m", "servato2/ZENTA_Corvid_4000.ppd"},
                              output) != 0)
            failure = "lpadmin -m: " + output;
    }
    ~World() { printer.reset(); }
};

// Each cleaning takes 1 % of every ink and the printer refuses below 26 %: the printer gets new
// inks, while it is off, before they run low.
constexpr int kCleaningsPerInkSet = 60;

bool ReplaceInks(EmulatedPrinter& printer) {
    printer.Stop();
    std::istringstream state(ReadFileText(printer.StatePath()));
    std::string kept;
    for (std::string line; std::getline(state, line);)
        if (line.rfind("inks=", 0) != 0) kept += line + "\n";
    std::ofstream(printer.StatePath(), std::ios::trunc)
        << kept << "inks=100,100,100,100,100,100,100,100\n";
    return static_cast<bool>(printer.Start());
}

// lp of the file until its job line is in the journal, in milliseconds; negative on failure.
double Deliver(World& world, JournalTail& journal, const std::vector<std::string>& options,
               const std::string& file) {
    std::vector<std::string> argv = {"lp", "-h", world.sandbox.Server(), "-d", kQueue};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(file);
    std::string output;
    const auto start = Clock::now();
    if (ChildProcess::Run(argv, output) != 0 || !journal.WaitForJob()) return -1;
    return Milliseconds(Clock::now() - start);
}

// Each iteration sends one cleaning both ways, the order changing every time so that neither
// way profits from the other's warm caches; the counters compare the medians of this run.
void BM_CleanCommandVersusRaw(benchmark::State& state) {
    World world;
    if (!world.failure.empty()) {
        state.SkipWithError(world.failure.c_str());
        return;
    }
    const JobBuffer cleaning = HeadCleaningJob();
    const std::string raw = world.sandbox.Folder() + "/clean.bin";
    const std::string command = world.sandbox.Folder() + "/clean.txt";
    std::ofstream(raw, std::ios::binary)
        .write(reinterpret_cast<const char*>(cleaning.Bytes().data()), cleaning.Length());
    std::ofstream(command, std::ios::binary) << "#CUPS-COMMAND\nClean all\n";
    const std::vector<std::string> rawOptions = {"-o", "raw"};
    const std::vector<std::string> commandOptions = {
        "-o", "document-format=application/vnd.cups-command"};

    JournalTail journal(world.printer->JournalPath());
    // One of each first: the server's first jobs of a queue are slower.
    if (Deliver(world, journal, rawOptions, raw) < 0 ||
        Deliver(world, journal, commandOptions, command) < 0) {
        state.SkipWithError("the warm-up jobs did not arrive");
        return;
    }
    std::vector<double> commandMs, rawMs, ratios;
    bool commandFirst = false;
    int cleanings = 2;
    for (auto _ : state) {
        if ((cleanings += 2) > kCleaningsPerInkSet) {
            state.PauseTiming();
            if (!ReplaceInks(*world.printer)) {
                state.SkipWithError("the printer did not come back with new inks");
                return;
            }
            cleanings = 2;
            state.ResumeTiming();
        }
        commandFirst = !commandFirst;
        double viaCommand = -1, viaRaw = -1;
        if (commandFirst) {
            viaCommand = Deliver(world, journal, commandOptions, command);
            viaRaw = Deliver(world, journal, rawOptions, raw);
        } else {
            viaRaw = Deliver(world, journal, rawOptions, raw);
            viaCommand = Deliver(world, journal, commandOptions, command);
        }
        if (viaCommand < 0 || viaRaw < 0 ||
            journal.LastJob().find("\"size\":25,") == std::string::npos) {
            state.SkipWithError("a cleaning did not arrive as the 25-byte job");
            return;
        }
        state.SetIterationTime(viaCommand / 1000);
        commandMs.push_back(viaCommand);
        rawMs.push_back(viaRaw);
        ratios.push_back(viaCommand / viaRaw);
    }
    state.counters["command_median_ms"] = Median(commandMs);
    state.counters["raw_median_ms"] = Median(rawMs);
    state.counters["command_to_raw"] = Median(commandMs) / Median(rawMs);
    state.counters["pairwise_ratio_median"] = Median(ratios);
}
BENCHMARK(BM_CleanCommandVersusRaw)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(150);

}  // namespace

BENCHMARK_MAIN();
