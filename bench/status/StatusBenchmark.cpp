// Ten jobs of job information from an emulated printer on loopback: read over each channel type
// under the real progress window, read and rendered with the shipped texts (target: 20 ms in
// all), the status page's whole Display Job into its viewer, and the rendering alone.
#include <benchmark/benchmark.h>

#include "SandboxApp.h"
#include "comm/CommLibrary.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/PrinterLink.h"
#include "comm/RawJob.h"
#include "comm/RemotePackets.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "status/JobInformationReader.h"
#include "status/JobReport.h"
#include "status/PrinterStatusPage.h"
#include "status/TextViewer.h"

namespace {

constexpr size_t kJobs = 10;

// One sandbox and one printer that remembers ten jobs, for the whole run.
struct Bench : SandboxApp<CupsSpooler> {
    bool Start() {
        if (!StartApp()) return false;
        app->selectedPrinter().printerName = printer->Queue();
        return app->commLibrary()->Load(printer->Queue(), false) && RememberTenJobs();
    }

    bool RememberTenJobs() {
        JobBuffer cleaning(128);
        cleaning.Advance(AppendEnterRemote(cleaning.Rest()));
        cleaning.Advance(AppendCH(cleaning.Rest()));
        cleaning.Advance(AppendExitRemote(cleaning.Rest()));
        for (size_t i = 0; i < kJobs; ++i)
            if (SendRawJob(spooler, printer->Queue(), cleaning.Bytes()) != 0) return false;
        return printer->WaitForJournal(EmulatedPrinter::Event("job"), kJobs, 60000).size() >=
                   kJobs &&
               sandbox.WaitUntilIdle(printer->Queue(), 60000);
    }

    // Every text is looked up afresh, as the program does.
    std::string Text(int32_t id) const { return app->LoadText(id).toStdString(); }
};

Bench* theBench = nullptr;

// As the page reads them: under the progress window, polled after every reply.
void ReadTenJobs(benchmark::State& state, bool render) {
    if (!OfferChannelOfArgument(*theBench->printer, state)) return;
    const TextLookup text = [](int32_t id) { return theBench->Text(id); };
    for (auto _ : state) {
        ProgressDialog progress(*theBench->app);
        progress.Show("Reading Job Information", 1000000, true, nullptr);
        PrinterLink link = theBench->app->Link();
        std::vector<JobRecord> jobs;
        if (ReadJobInformation(link, theBench->printer->Queue(), progress, jobs) != 0 ||
            jobs.size() != kJobs)
            state.SkipWithError("jobs not read");
        if (render) benchmark::DoNotOptimize(RenderJobReport(jobs, text));
        progress.Close();
    }
}

void ReadTenJobRecords(benchmark::State& state) {
    ReadTenJobs(state, false);
}
BENCHMARK(ReadTenJobRecords)
    ->Arg(PrinterLink::kPlainChannel)
    ->Arg(PrinterLink::kWrappedChannel)
    ->Unit(benchmark::kMillisecond);

void ReadAndRenderTenJobs(benchmark::State& state) {
    ReadTenJobs(state, true);
}
BENCHMARK(ReadAndRenderTenJobs)
    ->Arg(PrinterLink::kPlainChannel)
    ->Arg(PrinterLink::kWrappedChannel)
    ->Unit(benchmark::kMillisecond);

// The whole button: ready check, progress window, ten reads, report, viewer filled and shown.
void DisplayJobOnTheStatusPage(benchmark::State& state) {
    if (!OfferChannelOfArgument(*theBench->printer, state)) return;
    PrinterStatusPage page(*theBench->app, nullptr);
    for (auto _ : state) {
        page.DisplayJobs();
        if (!theBench->messages.messages().empty() ||
            page.viewer().Text().count(" Job name : ") != int(kJobs))
            state.SkipWithError("jobs not shown");
    }
}
BENCHMARK(DisplayJobOnTheStatusPage)
    ->Arg(PrinterLink::kPlainChannel)
    ->Arg(PrinterLink::kWrappedChannel)
    ->Unit(benchmark::kMillisecond);

void RenderTenJobs(benchmark::State& state) {
    const JobRecord job = {7,   5,           1,      "ws-042", "Poster A1 proof", 1500, 841,
                           594, {24, 5, 17}, {9, 5}, 119};
    const std::vector<JobRecord> jobs(kJobs, job);
    const TextLookup text = [](int32_t id) { return theBench->Text(id); };
    for (auto _ : state) benchmark::DoNotOptimize(RenderJobReport(jobs, text));
}
BENCHMARK(RenderTenJobs)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunInOneWorld(argc, argv, theBench);
}
