#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"
#include "FaultSet.h"
#include "JobRecord.h"
#include "PrinterModel.h"
#include "PrinterState.h"
#include "WorkDurations.h"

// The printer's state and clock: what it reports, how long it stays busy, when it restarts.
// Times are wall-clock milliseconds since the epoch, passed in so tests control them.
class Printer {
  public:
    Printer(PrinterModel model, PrinterState state, WorkDurations durations);

    const PrinterModel& Model() const { return model_; }
    const PrinterState& State() const { return state_; }
    const WorkDurations& Durations() const { return durations_; }
    const FaultSet& Faults() const { return faults_; }
    void SetFaults(const FaultSet& faults) { faults_ = faults; }

    // Finishes work whose time is up; true when that changed the state.
    bool Advance(std::int64_t nowMs);
    // Restarting after a firmware update: answers nothing.
    bool Offline(std::int64_t nowMs) const { return nowMs < state_.restartUntilMs; }
    std::uint8_t StatusCode(std::int64_t nowMs) const;
    // Jobs whose bytes are arriving right now: the printer reports busy while it receives.
    void SetJobsArriving(std::size_t count) { jobsArriving_ = count; }
    Bytes StatusBlockBytes(std::int64_t nowMs) const;
    // Levels as reported, faults applied.
    std::uint8_t InkPercent(std::size_t slot) const;
    std::uint8_t Level() const;
    std::uint8_t PlatenGapDigit() const;

    // Work queues behind work already under way.
    void AddWork(std::int64_t durationMs, const std::string& reason, std::int64_t nowMs);
    void BeginRestart(const std::string& newVersion, std::int64_t nowMs);
    void RememberJob(JobRecord record);
    std::uint8_t NextJobNumber();
    // The only way for job execution to change what is kept; marks the state as changed.
    PrinterState& Edit() {
        changed_ = true;
        return state_;
    }
    // True once after every change, so the owner saves the state file.
    bool TakeChanged();

  private:
    PrinterModel model_;
    PrinterState state_;
    WorkDurations durations_;
    FaultSet faults_;
    bool changed_ = false;
    std::size_t jobsArriving_ = 0;
};
