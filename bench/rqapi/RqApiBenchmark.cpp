// bench_rqapi: a wrapped query round trip through librqapi.so to the emulator on loopback (target:
// median at most 1 ms), and a raw 64 MB job through the CUPS sandbox by the CUPS API side by side
// with `lp -o raw` of the same file (target: at least 0.9 times lp's throughput).
#include <benchmark/benchmark.h>
#include <cups/cups.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Median.h"
#include "ResultCode.h"
#include "RqApi.h"
#include "SandboxBench.h"
#include "SnmpCodec.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::vector<uint8_t> kVersionQuery = {0x56, 0x49, 0x02, 0x00, 0x01, 0x00};
constexpr size_t kJobBytes = 64u << 20;

double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// One sandbox and printer for the whole run; the benchmarks report an error when they are missing.
struct World {
    CupsSandbox sandbox;
    std::unique_ptr<EmulatedPrinter> printer;
    std::string failure;

    // Jobs are logged with their first bytes only, as the emulator does by default.
    World() { printer = StartPrinterInSandbox(sandbox, failure); }
    ~World() { printer.reset(); }
};

World& TheWorld() {
    static World world;
    return world;
}

bool Ready(benchmark::State& state) {
    if (TheWorld().failure.empty()) return true;
    state.SkipWithError(TheWorld().failure.c_str());
    return false;
}

void QueryRoundTrip(benchmark::State& state, int32_t type) {
    if (!Ready(state)) return;
    RQInitialize();
    const int32_t channel = RQOpenChannel(1, TheWorld().printer->Queue().c_str(), type);
    if (channel < 1) {
        state.SkipWithError("no channel");
        return;
    }
    const auto message =
        type == rqapi::kWrappedChannel
            ? rqapi::EncodeGetRequest("tarnel", 1, rqapi::WrappedCommandIdentifier(kVersionQuery))
            : kVersionQuery;
    std::array<uint8_t, 512> reply{};
    std::vector<double> trips;
    for (auto _ : state) {
        const auto start = Clock::now();
        int32_t size = reply.size();
        if (RQSend(channel, message.data(), int32_t(message.size())) < 1 ||
            RQReceive(channel, reply.data(), &size, 2000) < 1) {
            state.SkipWithError("query failed");
            break;
        }
        trips.push_back(Seconds(Clock::now() - start) * 1e6);
    }
    state.counters["median_us"] = Median(trips);
    RQCloseChannel(channel);
    RQRelease();
}

void BM_WrappedQueryRoundTrip(benchmark::State& state) {
    QueryRoundTrip(state, rqapi::kWrappedChannel);
}
BENCHMARK(BM_WrappedQueryRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_PlainQueryRoundTrip(benchmark::State& state) {
    QueryRoundTrip(state, rqapi::kPlainChannel);
}
BENCHMARK(BM_PlainQueryRoundTrip)->Unit(benchmark::kMicrosecond);

// What the program's Query does each time: open a wrapped channel (the queue's host from CUPS),
// one exchange, close.
void BM_WrappedQueryWithOpenAndClose(benchmark::State& state) {
    if (!Ready(state)) return;
    RQInitialize();
    const auto message =
        rqapi::EncodeGetRequest("tarnel", 1, rqapi::WrappedCommandIdentifier(kVersionQuery));
    std::array<uint8_t, 512> reply{};
    std::vector<double> trips;
    for (auto _ : state) {
        const auto start = Clock::now();
        const int32_t channel =
            RQOpenChannel(1, TheWorld().printer->Queue().c_str(), rqapi::kWrappedChannel);
        int32_t size = reply.size();
        const bool ok = channel >= 1 &&
                        RQSend(channel, message.data(), int32_t(message.size())) > 0 &&
                        RQReceive(channel, reply.data(), &size, 2000) > 0;
        RQCloseChannel(channel);
        if (!ok) {
            state.SkipWithError("query failed");
            break;
        }
        trips.push_back(Seconds(Clock::now() - start) * 1e6);
    }
    state.counters["median_us"] = Median(trips);
    RQRelease();
}
BENCHMARK(BM_WrappedQueryWithOpenAndClose)->Unit(benchmark::kMicrosecond);

bool SubmitRaw(const std::string& queue, const std::vector<char>& data) {
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), "TAVO Command", 0, nullptr);
    if (job <= 0 || cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, "TAVO Command",
                                      CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
        return false;
    }
    constexpr size_t kChunk = 1 << 20;
    for (size_t at = 0; at < data.size(); at += kChunk) {
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, data.data() + at,
                                 std::min(kChunk, data.size() - at)) != HTTP_STATUS_CONTINUE) {
            return false;
        }
    }
    return cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) == IPP_STATUS_OK;
}

// Submission until the last byte reached the printer (its journal shows the whole job).
bool Delivered(size_t jobsBefore) {
    const auto jobs =
        TheWorld().printer->WaitForJournal(EmulatedPrinter::Event("job"), jobsBefore + 1, 120000);
    return jobs.size() > jobsBefore &&
           jobs.back().fields.value("size").toInteger() == static_cast<qint64>(kJobBytes);
}

// Each iteration sends the same 64 MB file once by the CUPS API (the timed part) and once by
// `lp -o raw`; the counters compare the two throughputs of this run.
void BM_RawJob64MB(benchmark::State& state) {
    if (!Ready(state)) return;
    World& world = TheWorld();
    std::vector<char> job(kJobBytes);
    for (size_t i = 0; i < job.size(); ++i) job[i] = char('A' + i % 26);
    const std::string file = world.sandbox.Folder() + "/job64.bin";
    std::ofstream(file, std::ios::binary).write(job.data(), std::streamsize(job.size()));
    const std::string& queue = world.printer->Queue();
    double apiSeconds = 0;
    double lpSeconds = 0;
    for (auto _ : state) {
        size_t before = world.printer->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
        auto start = Clock::now();
        if (!SubmitRaw(queue, job) || !Delivered(before)) {
            state.SkipWithError("the CUPS API job did not arrive whole");
            break;
        }
        const double api = Seconds(Clock::now() - start);
        state.SetIterationTime(api);
        apiSeconds += api;

        before = world.printer->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
        std::string output;
        start = Clock::now();
        if (ChildProcess::Run({"lp", "-h", world.sandbox.Server(), "-d", queue, "-o", "raw", file},
                              output) != 0 ||
            !Delivered(before)) {
            state.SkipWithError(("lp -o raw failed: " + output).c_str());
            break;
        }
        lpSeconds += Seconds(Clock::now() - start);
    }
    const double megabytes = double(kJobBytes) / (1 << 20) * double(state.iterations());
    if (apiSeconds > 0 && lpSeconds > 0) {
        state.counters["api_MBps"] = megabytes / apiSeconds;
        state.counters["lp_MBps"] = megabytes / lpSeconds;
        state.counters["api_to_lp"] = lpSeconds / apiSeconds;
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_RawJob64MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
