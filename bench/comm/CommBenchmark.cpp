// Ten job information reads on one channel (target: 20 ms in all), and a 64 MB raw job through
// SendRawJob beside `lp -o raw` of the same bytes (target: at least 0.9 times lp's throughput).
// Both run against a private CUPS server and an emulated printer on loopback.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include "SandboxBench.h"
#include "comm/CommLibrary.h"
#include "comm/PrinterLink.h"
#include "comm/QueryPackets.h"
#include "comm/RawJob.h"
#include "platform/CupsSpooler.h"
#include "platform/SystemClock.h"

namespace {

constexpr size_t kRawJobBytes = 64u << 20;

// One sandbox, one printer and the program's objects for the whole run.
struct Bench {
    CupsSandbox sandbox;
    std::unique_ptr<EmulatedPrinter> printer;
    std::string failure;
    SystemClock clock;
    CupsSpooler spooler;
    std::unique_ptr<CommLibrary> library;

    bool Start() {
        printer = StartPrinterInSandbox(sandbox, failure);
        if (!printer) return false;
        library = std::make_unique<CommLibrary>(spooler);
        return library->Load(printer->Queue(), false);
    }
};

Bench* theBench = nullptr;

void TenJobInformationReads(benchmark::State& state) {
    if (!OfferChannelOfArgument(*theBench->printer, state)) return;
    const std::string& queue = theBench->printer->Queue();
    PrinterLink link(theBench->library.get(), theBench->clock);
    const int32_t channel = link.OpenChannel(queue);
    if (channel < 1 || link.channelType() != state.range(0)) {
        state.SkipWithError("channel did not open with the wanted type");
        return;
    }
    std::vector<uint8_t> command(6), reply(512);
    for (auto _ : state) {
        for (uint8_t index = 0; index < 10; ++index) {
            AppendJIQuery(command, index);
            std::fill(reply.begin(), reply.end(), 0);
            if (link.Exchange(channel, command, reply, 5000) < 1) state.SkipWithError("no reply");
        }
    }
    link.CloseChannel(channel);
}
BENCHMARK(TenJobInformationReads)
    ->Arg(PrinterLink::kPlainChannel)
    ->Arg(PrinterLink::kWrappedChannel)
    ->Unit(benchmark::kMillisecond);

// Spooled and delivered: the job counts once the queue is idle again.
void SendRawJob64MB(benchmark::State& state) {
    const std::vector<uint8_t> job(kRawJobBytes, 0x00);
    const std::string& queue = theBench->printer->Queue();
    for (auto _ : state) {
        if (SendRawJob(theBench->spooler, queue, job) != 0) state.SkipWithError("write failed");
        if (!theBench->sandbox.WaitUntilIdle(queue, 120000)) state.SkipWithError("not delivered");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kRawJobBytes));
}
BENCHMARK(SendRawJob64MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

void LpRaw64MB(benchmark::State& state) {
    const std::string path = theBench->sandbox.Folder() + "/raw-64mb.bin";
    std::ofstream(path, std::ios::binary)
        .write(std::string(kRawJobBytes, '\0').data(), kRawJobBytes);
    const std::string& queue = theBench->printer->Queue();
    for (auto _ : state) {
        std::string output;
        if (ChildProcess::Run({"lp", "-h", theBench->sandbox.Server(), "-d", queue, "-o", "raw",
                               "-t", "TAVO Command", path},
                              output) != 0)
            state.SkipWithError("lp failed");
        if (!theBench->sandbox.WaitUntilIdle(queue, 120000)) state.SkipWithError("not delivered");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kRawJobBytes));
}
BENCHMARK(LpRaw64MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunInOneWorld(argc, argv, theBench);
}
