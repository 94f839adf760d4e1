#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A firmware update file: a 32-byte little-endian header (payload length at offset 8, the byte
// sum of the payload at 12, the six-byte version text at 16) followed by the payload. Besides a
// valid file it makes the faulty kinds a printer and the update page must refuse.
class FirmwareFileBuilder {
  public:
    enum class Variant {
        kValid,
        kBadChecksum,  // checksum field one more than the payload's sum
        kBadLength,    // payload length field one less than the file has
        kBadVersion,   // second version character not a digit ("I20711" becomes "IA0711")
        kTooShort,     // the first 31 bytes only
    };

    static constexpr std::size_t kHeaderSize = 32;
    static constexpr std::size_t kVersionSize = 6;

    // "valid", "bad-checksum", "bad-length", "bad-version", "too-short"; false for others.
    static bool VariantFromName(const std::string& name, Variant& variant);
    // The file for a version text of six characters and payloadSize bytes of payload (the same
    // pseudo-random bytes for the same arguments). Empty when the version is not six characters.
    static std::vector<std::uint8_t> Build(const std::string& version, std::size_t payloadSize,
                                           Variant variant = Variant::kValid);
};
