#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>

#include "Bytes.h"
#include "JobRecord.h"

// Everything the printer remembers across restarts. Kept as "key=value" lines in the state file;
// unknown keys and unreadable values are ignored, so a damaged file degrades to defaults.
struct PrinterState {
    static constexpr std::size_t kSlotCount = 10;
    // A slot's detail body: offsets 9..106 of the 107-byte write packet (CustomPaperRecord).
    static constexpr std::size_t kSlotBodySize = 98;
    static constexpr std::size_t kAlignmentValues = 64;
    static constexpr std::size_t kRememberedJobs = 10;

    struct Slot {
        bool registered = false;
        Bytes body = Bytes(kSlotBodySize, 0);
    };

    bool errorLatched = false;     // status "error" until the state file says otherwise
    std::int64_t busyUntilMs = 0;  // wall-clock milliseconds since the epoch
    std::string busyReason;
    std::int64_t restartUntilMs = 0;  // offline for a firmware restart until then
    std::string pendingFirmware;      // version reported once the restart is over
    std::string firmwareVersion = "I10612";
    std::uint8_t level = 80;            // status field 0x0D
    Bytes inkLevels;                    // percent per ink slot
    std::uint8_t platenGapSetting = 0;  // the SN:01 digit, 0-3
    std::uint8_t selectedSlot = 0;      // 0 = no custom paper, else 1-10
    std::array<Slot, kSlotCount> slots{};
    Bytes alignmentBi = Bytes(kAlignmentValues, 0);
    Bytes alignmentUni = Bytes(kAlignmentValues, 0);
    // DA values received but not yet saved (SV) or dropped (LD): value index -> value.
    std::map<std::uint8_t, std::uint8_t> heldBi, heldUni;
    std::string sensorResult;  // what the sensor read last (automatic alignment, nozzle check)
    std::uint8_t paperThickness = 0;  // last PH, 0.1 mm
    std::uint8_t gapCode = 0;         // last SN set
    std::deque<JobRecord> jobs;       // newest first
    std::uint32_t nextJobNumber = 1;
    std::uint32_t totalPages = 0;
    std::uint32_t cleanings = 0;

    std::string Serialize() const;
    // Applies every readable line of text over the current values.
    void Parse(const std::string& text);

    // Written to FILE.tmp and renamed, so a reader never sees half a file. False on any I/O error.
    bool Save(const std::string& path) const;
    // False when the file cannot be read; the state is unchanged then.
    bool Load(const std::string& path);
};
