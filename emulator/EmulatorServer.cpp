#include "EmulatorServer.h"

#include <poll.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
constexpr std::int64_t kFaultCheckIntervalMs = 200;
constexpr int kMaxPollMs = 200;
}  // namespace

EmulatorServer::EmulatorServer(const Options& options, Printer& printer, Journal& journal)
    : options_(options),
      printer_(printer),
      journal_(journal),
      snmp_(options, printer, journal),
      raw_(options, printer, journal),
      control_(options, printer, journal) {}

std::int64_t EmulatorServer::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool EmulatorServer::Start(std::string& error) {
    // Both listeners are bound once even when a fault keeps them closed, so the ports are known.
    if (!snmp_.Open(NowMs(), error) || !raw_.Open(error) || !control_.Open(error)) return false;
    ReloadFaultsIfChanged(NowMs());
    UpdateListeners(NowMs());
    journal_.Write(NowMs(), JsonLine()
                                .Add("event", "start")
                                .Add("model", printer_.Model().name)
                                .Add("listen", options_.listen)
                                .Add("rawPort", std::int64_t{raw_.Port()})
                                .Add("snmpPort", std::int64_t{snmp_.Port()})
                                .Add("controlPort", std::int64_t{control_.Port()})
                                .Add("firmware", printer_.FirmwareVersion())
                                .Add("faults", printer_.Faults().Describe()));
    return true;
}

std::string EmulatorServer::ReadyLine() const {
    return "printer-emulator ready: " + printer_.Model().name + " on " + options_.listen + " raw " +
           std::to_string(raw_.Port()) + " snmp " + std::to_string(snmp_.Port()) + " control " +
           std::to_string(control_.Port());
}

void EmulatorServer::UpdateListeners(std::int64_t nowMs) {
    const FaultSet& faults = printer_.Faults();
    const bool reachable = !faults.unreachable && !printer_.Offline(nowMs);
    raw_.SetListening(reachable, nowMs);
    control_.SetListening(reachable && !faults.controlClosed, nowMs);
}

void EmulatorServer::ReloadFaultsIfChanged(std::int64_t nowMs) {
    if (options_.faultPath.empty() || nowMs - faultCheckMs_ < kFaultCheckIntervalMs) return;
    faultCheckMs_ = nowMs;
    struct stat info {};
    std::string stamp = "absent";
    if (stat(options_.faultPath.c_str(), &info) == 0) {
        stamp = std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) +
                "/" + std::to_string(info.st_size) + "/" + std::to_string(info.st_ino);
    }
    if (stamp == faultFileStamp_) return;
    faultFileStamp_ = stamp;
    FaultSet faults = options_.faults;
    std::string error;
    std::ifstream file(options_.faultPath);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        faults.ApplyLines(text.str(), error);
    }
    printer_.SetFaults(faults);
    JsonLine line;
    line.Add("event", "faults").Add("active", faults.Describe());
    if (!error.empty()) line.Add("error", error);
    journal_.Write(nowMs, line);
}

void EmulatorServer::JournalStruckError(std::int64_t nowMs) {
    const std::string during = printer_.TakeStruckError();
    if (during.empty()) return;
    journal_.Write(nowMs, JsonLine()
                              .Add("event", "fault")
                              .Add("fault", "error-after")
                              .Add("during", during)
                              .Add("status", std::int64_t{printer_.StatusCode(nowMs)}));
}

void EmulatorServer::SaveIfChanged(std::int64_t nowMs) {
    if (!printer_.TakeChanged() || options_.statePath.empty()) return;
    if (!printer_.State().Save(options_.statePath)) {
        journal_.Write(
            nowMs,
            JsonLine().Add("event", "error").Add("text", "cannot write " + options_.statePath));
    }
}

int EmulatorServer::PollTimeoutMs(std::int64_t nowMs) const {
    // The next fault re-read counts too: a wake-up just before it (a held-back reply going out)
    // must not put it off by a whole poll period.
    const std::int64_t faultCheckDueMs =
        options_.faultPath.empty() ? 0 : faultCheckMs_ + kFaultCheckIntervalMs;
    std::int64_t timeout = kMaxPollMs;
    for (const std::int64_t dueMs :
         {snmp_.NextDueMs(), control_.NextDueMs(), printer_.State().busyUntilMs,
          printer_.State().restartUntilMs, printer_.NextEventMs(), faultCheckDueMs}) {
        if (dueMs > 0) timeout = std::min(timeout, std::max<std::int64_t>(0, dueMs - nowMs));
    }
    return static_cast<int>(timeout);
}

void EmulatorServer::Run(int stopFd) {
    std::vector<pollfd> fds;
    for (;;) {
        std::int64_t nowMs = NowMs();
        printer_.Advance(nowMs);
        JournalStruckError(nowMs);
        ReloadFaultsIfChanged(nowMs);
        UpdateListeners(nowMs);
        snmp_.Flush(nowMs);
        control_.Flush(nowMs);
        raw_.ExpireIdle(nowMs);
        SaveIfChanged(nowMs);

        fds.clear();
        fds.push_back({stopFd, POLLIN, 0});
        snmp_.AddPollFds(fds);
        const std::size_t rawAt = fds.size();
        raw_.AddPollFds(fds);
        const std::size_t controlAt = fds.size();
        control_.AddPollFds(fds, nowMs);
        if (poll(fds.data(), fds.size(), PollTimeoutMs(nowMs)) <= 0) continue;
        if (fds[0].revents != 0) break;
        nowMs = NowMs();
        snmp_.Handle(&fds[1], nowMs);
        raw_.Handle(&fds[rawAt], nowMs);
        control_.Handle(&fds[controlAt], nowMs);
        SaveIfChanged(nowMs);
    }
    // Jobs under way when told to stop are journalled with what arrived.
    const std::int64_t nowMs = NowMs();
    raw_.FinishAll(nowMs);
    printer_.Advance(nowMs);
    SaveIfChanged(nowMs);
    journal_.Write(nowMs, JsonLine().Add("event", "stop"));
}
