#pragma once

#include <cstdint>

#include "Bytes.h"

// The binary status block: a 16-bit little-endian length, then fields of type, data length and
// data.
class StatusBlock {
  public:
    enum Code : std::uint8_t { kError = 0, kBusy = 3, kReady = 4 };
    enum Field : std::uint8_t {
        kStatusCode = 0x01,
        kErrorCode = 0x02,
        kWarnings = 0x04,
        kLevel = 0x0D,
        kInks = 0x0F,
        kPaper = 0x13,
    };
    static constexpr std::uint8_t kInkEntrySize = 3;

    struct Ink {
        std::uint8_t code;
        std::uint8_t percent;
    };

    // inks: one entry per ink slot, in slot order.
    static Bytes Build(std::uint8_t statusCode, std::uint8_t level, const Ink* inks,
                       std::size_t inkCount);
};
