#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"

// One remembered job as the JI reply carries it: a 68-byte record, numbers high byte first.
struct JobRecord {
    static constexpr std::size_t kSize = 68;

    enum State : std::uint8_t { kCompleted = 5, kFailed = 255 };
    enum Outcome : std::uint8_t { kNormal = 1, kWithWarnings = 2, kRefused = 3 };

    std::uint8_t number = 0;
    std::uint8_t state = kCompleted;
    std::uint8_t outcome = kNormal;
    std::string owner;                // 16 characters: the host the job came from
    std::string name;                 // 32 characters: document title or what the job did
    std::uint16_t sizeKilobytes = 0;  // shown as A / 1000 "." A % 1000 (megabytes)
    std::uint16_t pages = 0;          // pages and patterns the job asked for
    std::uint16_t pagesPrinted = 0;
    std::uint8_t year = 0, month = 0, day = 0, hour = 0, minute = 0;  // year: two digits
    std::uint16_t seconds = 0;  // time the printer spent on it

    Bytes Encode() const;
    // Reverse of Encode, for the state file; false unless exactly kSize bytes.
    static bool Decode(const Bytes& bytes, JobRecord& record);
};
