#pragma once

#include <cstddef>
#include <string>

#include "Bytes.h"

// The 98-byte record a custom paper slot keeps and the EX 0x1B detail read answers with (byte k
// is offset k + 9 of the 107-byte slot write packet). Built-in media answer in the same layout.
struct CustomPaperRecord {
    static constexpr std::size_t kSize = 98;
    static constexpr std::size_t kPlaten = 19;
    static constexpr std::size_t kFeed = 22;  // and 23, the same value again
    static constexpr std::size_t kSuction = 25;
    static constexpr std::size_t kCut = 27;  // two bytes
    static constexpr std::size_t kRoller = 30;
    static constexpr std::size_t kThickness = 31;
    static constexpr std::size_t kDryTime = 36;  // milliseconds, high byte first
    static constexpr std::size_t kOption = 41;
    static constexpr std::size_t kPaperType = 44;
    static constexpr std::size_t kNameField = 66;  // 32 bytes: two zero bytes, then the name
    static constexpr std::size_t kNameFieldSize = 32;
    static constexpr std::size_t kName = 68;
    static constexpr std::size_t kNameSize = 30;

    // What the write packet starts from before the program fills it in: FF bytes, the flag byte
    // of offset 74, and a name of spaces.
    static Bytes Template();
    // The name without its padding spaces; bodies of another size give an empty name.
    static std::string Name(const Bytes& record);
    static void SetName(Bytes& record, const std::string& name);
};
