#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"

// One remembered job as the JI reply carries it: a 68-byte record starting with 01, numbers
// high byte first.
struct JobRecord {
    static constexpr std::size_t kSize = 68;

    enum State : std::uint8_t {
        kWaiting = 1,
        kPrinting = 2,
        kCompleted = 3,
        kCancelled = 4,
        kPaused = 5,
        kError = 255,
    };
    enum PaperSource : std::uint8_t { kRoll = 1, kCutSheet = 2, kPosterBoard = 3 };

    std::uint16_t number = 0;  // byte 1 carries the low byte: the number goes on past 255
    std::uint8_t state = kCompleted;
    std::uint8_t paperSource = kRoll;
    std::string owner;                 // 16 characters: the host the job came from
    std::string name;                  // 32 characters: document title or what the job did
    std::uint16_t inkMicrolitres = 0;  // shown as A / 1000 "." A % 1000 ml
    std::uint16_t paperLengthMm = 0;
    std::uint16_t paperWidthMm = 0;
    std::uint8_t year = 0, month = 0, day = 0, hour = 0, minute = 0;  // year: two digits
    std::uint16_t seconds = 0;   // time the printer spent on it
    std::size_t length = kSize;  // bytes the reply carries: fewer make a short record

    // The work window, wall-clock milliseconds: waiting before it, printing in it, completed
    // after it. 0 keeps the state as it is.
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;

    // Date and time fields from wall-clock milliseconds, in local time.
    void SetTime(std::int64_t nowMs);

    Bytes Encode() const;
    // Reverse of Encode, for the state file: 1 to kSize bytes, the missing ones read as zero.
    static bool Decode(const Bytes& bytes, JobRecord& record);
    // Moves the state along the work window; true when it changed.
    bool Advance(std::int64_t nowMs);

    // "waiting" ... "error", or a number 0-255.
    static bool StateFromText(const std::string& text, std::uint8_t& state);
};
