#include "Printer.h"

#include <algorithm>
#include <vector>

#include "StatusBlock.h"

Printer::Printer(PrinterModel model, PrinterState state, WorkDurations durations)
    : model_(std::move(model)), state_(std::move(state)), durations_(durations) {
    // A state file from the other model, or none, gets full cartridges for this model's slots.
    if (state_.inkLevels.size() != model_.inks.size())
        state_.inkLevels.assign(model_.inks.size(), 100);
}

void Printer::SetFaults(const FaultSet& faults) {
    if (faults.errorAfterSeconds != faults_.errorAfterSeconds) {
        errorAtMs_ = 0;
        errorStruck_ = false;
    }
    if (faults.firmware != faults_.firmware) firmwareFaultSuperseded_ = false;
    faults_ = faults;
}

std::string Printer::FirmwareVersion() const {
    return faults_.firmware.empty() || firmwareFaultSuperseded_ ? state_.firmwareVersion
                                                                : faults_.firmware;
}

std::int64_t Printer::NextEventMs() const {
    std::int64_t next = errorAtMs_;
    for (const JobRecord& job : state_.jobs) {
        for (const std::int64_t due : {job.startMs, job.endMs}) {
            if (due != 0 && (next == 0 || due < next)) next = due;
        }
    }
    return next;
}

std::string Printer::TakeStruckError() {
    if (struckReported_) return {};
    struckReported_ = true;
    return struckDuring_.empty() ? "idle" : struckDuring_;
}

bool Printer::Advance(std::int64_t nowMs) {
    bool changedNow = false;
    if (errorAtMs_ != 0 && nowMs >= errorAtMs_) {
        // The work under way stops; the job being printed ends in error, the ones queued behind
        // it keep waiting.
        const std::int64_t struckMs = errorAtMs_;
        errorAtMs_ = 0;
        errorStruck_ = true;
        struckReported_ = false;
        struckDuring_ = state_.busyReason;
        state_.busyUntilMs = 0;
        state_.busyReason.clear();
        for (JobRecord& job : state_.jobs) {
            if (job.startMs == 0 && job.endMs == 0) continue;
            if (struckMs >= job.endMs) {
                job.state = JobRecord::kCompleted;
            } else if (struckMs >= job.startMs) {
                job.state = JobRecord::kError;
                struckDuring_ = job.name;
            }
            job.startMs = job.endMs = 0;
        }
        changedNow = true;
    }
    if (state_.busyUntilMs != 0 && nowMs >= state_.busyUntilMs) {
        state_.busyUntilMs = 0;
        state_.busyReason.clear();
        changedNow = true;
    }
    if (state_.restartUntilMs != 0 && nowMs >= state_.restartUntilMs) {
        state_.restartUntilMs = 0;
        if (!state_.pendingFirmware.empty()) {
            state_.firmwareVersion = state_.pendingFirmware;
            firmwareFaultSuperseded_ = true;
        }
        state_.pendingFirmware.clear();
        changedNow = true;
    }
    for (JobRecord& job : state_.jobs) changedNow = job.Advance(nowMs) || changedNow;
    changed_ = changed_ || changedNow;
    return changedNow;
}

std::uint8_t Printer::StatusCode(std::int64_t nowMs) const {
    if (faults_.error || state_.errorLatched || errorStruck_) return StatusBlock::kError;
    if (faults_.notReady || nowMs < state_.busyUntilMs || Offline(nowMs) || jobsArriving_ > 0) {
        return StatusBlock::kBusy;
    }
    return StatusBlock::kReady;
}

std::uint8_t Printer::InkPercent(std::size_t slot) const {
    const std::uint8_t percent = slot < state_.inkLevels.size() ? state_.inkLevels[slot] : 0;
    if (faults_.lowInk >= 0 && slot + 1 == model_.inks.size()) {
        return std::min<std::uint8_t>(percent, static_cast<std::uint8_t>(faults_.lowInk));
    }
    return percent;
}

std::uint8_t Printer::Level() const {
    if (faults_.lowLevel >= 0) {
        return std::min<std::uint8_t>(state_.level, static_cast<std::uint8_t>(faults_.lowLevel));
    }
    return state_.level;
}

std::uint8_t Printer::PlatenGapDigit() const {
    return faults_.platenGap >= 0 ? static_cast<std::uint8_t>(faults_.platenGap)
                                  : state_.platenGapSetting;
}

Bytes Printer::StatusBlockBytes(std::int64_t nowMs) const {
    std::vector<StatusBlock::Ink> inks;
    for (std::size_t i = 0; i < model_.inks.size(); ++i)
        inks.push_back({model_.inks[i].code, InkPercent(i)});
    return StatusBlock::Build(StatusCode(nowMs), Level(), inks.data(), inks.size());
}

std::int64_t Printer::AddWork(std::int64_t durationMs, const std::string& reason,
                              std::int64_t nowMs) {
    const std::int64_t startMs = std::max(nowMs, state_.busyUntilMs);
    if (durationMs <= 0) return startMs;
    state_.busyUntilMs = startMs + durationMs;
    state_.busyReason = reason;
    if (faults_.errorAfterSeconds >= 0 && errorAtMs_ == 0 && !errorStruck_)
        errorAtMs_ =
            startMs + std::max<std::int64_t>(1, durations_.ScaledMs(faults_.errorAfterSeconds));
    changed_ = true;
    return startMs;
}

std::int64_t Printer::BeginRestart(const std::string& newVersion, std::int64_t nowMs) {
    // The flash starts once the work queued before it is done.
    state_.restartUntilMs =
        std::max(nowMs, state_.busyUntilMs) + durations_.ScaledMs(durations_.restart);
    state_.pendingFirmware = newVersion;
    changed_ = true;
    return state_.restartUntilMs;
}

void Printer::RememberJob(JobRecord record) {
    state_.jobs.push_front(std::move(record));
    while (state_.jobs.size() > PrinterState::kRememberedJobs) state_.jobs.pop_back();
    changed_ = true;
}

std::uint16_t Printer::NextJobNumber() {
    const std::uint32_t number = state_.nextJobNumber++;
    changed_ = true;
    return static_cast<std::uint16_t>(number);
}

bool Printer::TakeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
}
