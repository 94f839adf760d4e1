#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// One job the printer remembers, as its job information reply describes it. Numbers are stored
// high byte first in the reply; fields the reply does not reach read as 0 or empty.
struct JobRecord {
    uint8_t number = 0;
    uint8_t state = 0;        // 1-5 and 255 have texts, others are unknown
    uint8_t paperSource = 0;  // 1-3 have texts
    std::string computer;     // at most 16 bytes: where the job came from
    std::string jobName;      // at most 32 bytes
    uint16_t inkMicrolitres = 0;
    uint16_t paperLengthMm = 0;
    uint16_t paperWidthMm = 0;
    std::array<uint8_t, 3> printedDate{};  // as the printer orders it
    std::array<uint8_t, 2> printedTime{};  // hours, minutes
    uint16_t printingSeconds = 0;

    bool operator==(const JobRecord&) const = default;
};

// The record of a job information reply: the text up to its first ';' holds "JI:" followed by
// the record, two hexadecimal digits a byte. None when "JI:" is missing. Decoding ends at the
// first pair that is not two hexadecimal digits; text fields drop zero bytes and a last
// character cut short.
std::optional<JobRecord> ParseJobRecord(std::span<const uint8_t> reply);
