// A 64 MB firmware job as the update page sends it (the file streamed behind its head through
// CUPS) beside `lp -o raw` of the very same bytes, in turn in each iteration (target: the page's
// throughput at least 0.9 times lp's). A job counts from the call until the emulated printer
// has journalled all of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>

#include "ChildProcess.h"
#include "FirmwareFileBuilder.h"
#include "Median.h"
#include "SandboxBench.h"
#include "firmware/FirmwareUpdateJob.h"
#include "platform/CupsSpooler.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr size_t kJobBytes = 64u << 20;
constexpr size_t kHeadBytes = 16384 + 10;
constexpr const char* kVersion = "I20713";

// A spooler that writes the job it is given to a file: the bytes lp is to send.
class FileSpooler : public CupsSpooler {
  public:
    explicit FileSpooler(std::string path) : path_(std::move(path)) {}
    int WriteRawJobFromSource(const std::string&, const std::string&,
                              const RawJobSource& source) override {
        std::ofstream out(path_, std::ios::binary);
        std::vector<uint8_t> piece(1 << 20);
        for (int64_t count; (count = source(piece)) > 0;)
            out.write(reinterpret_cast<const char*>(piece.data()), count);
        return out ? 0 : -1;
    }

  private:
    std::string path_;
};

struct World {
    CupsSandbox sandbox;
    std::unique_ptr<EmulatedPrinter> printer;
    std::string failure;
    std::string firmwarePath, jobPath;

    bool Start() {
        // The printer flashes at once, so the next job finds it ready.
        printer =
            StartPrinterInSandbox(sandbox, failure, {.extraArgs = {"--duration", "restart=0"}});
        if (!printer) return false;
        firmwarePath = sandbox.Folder() + "/firmware.UPG";
        jobPath = sandbox.Folder() + "/firmware-job.bin";
        const auto file = FirmwareFileBuilder::Build(
            kVersion, kJobBytes - kHeadBytes - FirmwareFileBuilder::kHeaderSize);
        std::ofstream(firmwarePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        FileSpooler capture(jobPath);
        return SendFirmwareUpdate(capture, printer->Queue(), "I10612", firmwarePath) == 0;
    }

    // Waits until the printer has journalled one more job than before and that job is whole.
    bool Delivered(size_t jobsBefore, std::string& crc) const {
        const auto jobs =
            printer->WaitForJournal(EmulatedPrinter::Event("job"), jobsBefore + 1, 120000);
        if (jobs.size() <= jobsBefore ||
            jobs.back().fields.value("size").toInteger() != qint64(kJobBytes))
            return false;
        crc = jobs.back().Text("crc32");
        return jobs.back().Text("summary") == std::string("Firmware update ") + kVersion;
    }
    size_t JobCount() const {
        return printer->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
    }
};

World* theWorld = nullptr;

double SecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

// The page's way: the file streamed behind its head by the CUPS API. Seconds until delivered,
// or a negative value.
double SendAsThePageDoes(World& world, std::string& crc) {
    CupsSpooler spooler;
    const size_t before = world.JobCount();
    const auto start = SteadyClock::now();
    if (SendFirmwareUpdate(spooler, world.printer->Queue(), "I10612", world.firmwarePath) != 0 ||
        !world.Delivered(before, crc))
        return -1;
    return SecondsSince(start);
}

double SendWithLp(World& world, std::string& crc) {
    const size_t before = world.JobCount();
    const auto start = SteadyClock::now();
    std::string output;
    if (ChildProcess::Run({"lp", "-h", world.sandbox.Server(), "-d", world.printer->Queue(), "-o",
                           "raw", "-t", "TAVO Command", world.jobPath},
                          output) != 0 ||
        !world.Delivered(before, crc))
        return -1;
    return SecondsSince(start);
}

// Each iteration sends the job both ways, taking turns at going first, so that neither pays
// more often for what the server still does after the job before. On a busy machine single
// runs scatter widely: the counters are medians, the ratio taken pair by pair.
void FirmwareJob64MB(benchmark::State& state) {
    World& world = *theWorld;
    std::vector<double> pageSeconds, lpSeconds, ratios;
    for (auto _ : state) {
        std::string pageCrc, lpCrc;
        const bool pageFirst = pageSeconds.size() % 2 == 0;
        double lp = pageFirst ? 0 : SendWithLp(world, lpCrc);
        const double page = SendAsThePageDoes(world, pageCrc);
        if (pageFirst) lp = SendWithLp(world, lpCrc);
        if (page <= 0 || lp <= 0 || pageCrc != lpCrc) {
            state.SkipWithError("a job did not arrive whole, or lp sent other bytes");
            break;
        }
        state.SetIterationTime(page);
        pageSeconds.push_back(page);
        lpSeconds.push_back(lp);
        ratios.push_back(lp / page);
    }
    const double megabytes = double(kJobBytes) / (1 << 20);
    if (!ratios.empty()) {
        state.counters["page_MBps"] = megabytes / Median(pageSeconds);
        state.counters["lp_MBps"] = megabytes / Median(lpSeconds);
        state.counters["page_to_lp"] = Median(ratios);
    }
}
BENCHMARK(FirmwareJob64MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    return RunInOneWorld(argc, argv, theWorld);
}
