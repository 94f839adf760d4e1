#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Checks a firmware file the way the printer does before it flashes it: at least 32 bytes, the
// payload length field equal to size - 32, the checksum field equal to the byte sum of the payload,
// and a version text of "I" (either case) and a digit.
class FirmwareImage {
  public:
    enum Result { kValid = 0, kBadSize = -2, kBadVersion = -3 };

    static constexpr std::size_t kHeaderSize = 32;

    static Result Validate(const std::uint8_t* data, std::size_t length, std::string& version);
};
