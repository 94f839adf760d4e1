#pragma once

#include <cstdint>
#include <string>

#include "Bytes.h"

// The media the printer knows by paper type code, each with the platen gap and thickness it is
// printed with. Codes 0x80 + i stand for custom paper slot i and are not in this table.
class BuiltInMedia {
  public:
    struct Medium {
        std::uint8_t paperTypeCode;
        const char* name;
        std::uint8_t platen;     // 1 wide .. 4 narrowest
        std::uint8_t thickness;  // 0.1 mm
    };

    static constexpr std::uint8_t kFirstSlotCode = 0x80;
    static constexpr std::uint8_t kLastSlotCode = 0x89;

    // nullptr for a code the printer does not know.
    static const Medium* Find(std::uint8_t paperTypeCode);
    // What an unknown code reads as: no name, the standard gap (2) and a thin paper (2).
    static Medium Unknown(std::uint8_t paperTypeCode) { return {paperTypeCode, "", 2, 2}; }
    // The medium's detail record, in the custom paper record layout.
    static Bytes Record(const Medium& medium);
};
