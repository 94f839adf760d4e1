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
    // A changed error-after fault clears an error it struck; a changed firmware fault is reported
    // again until the next update.
    void SetFaults(const FaultSet& faults);

    // Finishes work whose time is up, moves job records along and lets a scheduled error strike;
    // true when that changed the state.
    bool Advance(std::int64_t nowMs);
    // When Advance has something to do next (a job record to move on, a scheduled error); 0 when
    // nothing is due.
    std::int64_t NextEventMs() const;
    // Once after an error-after fault struck: what it interrupted; empty otherwise.
    std::string TakeStruckError();
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
    // The version reported: the firmware fault's, until an update replaces it.
    std::string FirmwareVersion() const;
    // Reporting "I00000": the update job must start with its header.
    bool InRecoveryMode() const { return FirmwareVersion() == kRecoveryVersion; }

    static constexpr char kRecoveryVersion[] = "I00000";

    // Work queues behind work already under way; returns when it starts. An armed error-after
    // fault is timed from the start of the first work after it was set.
    std::int64_t AddWork(std::int64_t durationMs, const std::string& reason, std::int64_t nowMs);
    // Returns when the printer is back.
    std::int64_t BeginRestart(const std::string& newVersion, std::int64_t nowMs);
    void RememberJob(JobRecord record);
    std::uint16_t NextJobNumber();
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
    std::int64_t errorAtMs_ = 0;  // when the error-after fault strikes; 0: not armed
    bool errorStruck_ = false;
    std::string struckDuring_;
    bool struckReported_ = true;
    bool firmwareFaultSuperseded_ = false;
};
