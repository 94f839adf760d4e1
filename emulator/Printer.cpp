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

bool Printer::Advance(std::int64_t nowMs) {
    bool changedNow = false;
    if (state_.busyUntilMs != 0 && nowMs >= state_.busyUntilMs) {
        state_.busyUntilMs = 0;
        state_.busyReason.clear();
        changedNow = true;
    }
    if (state_.restartUntilMs != 0 && nowMs >= state_.restartUntilMs) {
        state_.restartUntilMs = 0;
        if (!state_.pendingFirmware.empty()) state_.firmwareVersion = state_.pendingFirmware;
        state_.pendingFirmware.clear();
        changedNow = true;
    }
    changed_ = changed_ || changedNow;
    return changedNow;
}

std::uint8_t Printer::StatusCode(std::int64_t nowMs) const {
    if (faults_.error || state_.errorLatched) return StatusBlock::kError;
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

void Printer::AddWork(std::int64_t durationMs, const std::string& reason, std::int64_t nowMs) {
    if (durationMs <= 0) return;
    state_.busyUntilMs = std::max(nowMs, state_.busyUntilMs) + durationMs;
    state_.busyReason = reason;
    changed_ = true;
}

void Printer::BeginRestart(const std::string& newVersion, std::int64_t nowMs) {
    // The flash starts once the work queued before it is done.
    state_.restartUntilMs =
        std::max(nowMs, state_.busyUntilMs) + durations_.ScaledMs(durations_.restart);
    state_.pendingFirmware = newVersion;
    changed_ = true;
}

void Printer::RememberJob(JobRecord record) {
    state_.jobs.push_front(std::move(record));
    while (state_.jobs.size() > PrinterState::kRememberedJobs) state_.jobs.pop_back();
    changed_ = true;
}

std::uint8_t Printer::NextJobNumber() {
    const std::uint32_t number = state_.nextJobNumber++;
    changed_ = true;
    return static_cast<std::uint8_t>(number);
}

bool Printer::TakeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
}
