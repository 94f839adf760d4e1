#pragma once

#include <cstdint>
#include <span>
#include <string>

// Results of checking a firmware file.
enum FirmwareFileResult : int32_t {
    kFirmwareValid = 0,
    kFirmwareUnreadable = -1,   // cannot be opened (or is no regular file)
    kFirmwareDamaged = -2,      // size, length field, read or checksum wrong
    kFirmwareWrongVersion = -3  // the version text is not one of this printer's
};

// The checks a firmware file must pass, fed piece by piece so that a file of hundreds of
// megabytes is never held whole. Layout, little-endian: payload length at 8, byte sum of the
// payload at 12, six-character version text at 16, payload from 32 to the end.
class FirmwareImageCheck {
  public:
    static constexpr size_t kHeaderSize = 32;

    // The first kHeaderSize bytes of a file of `fileSize` bytes: kFirmwareDamaged when the file
    // is too short or its length field disagrees with its size, else kFirmwareValid.
    int32_t Start(std::span<const uint8_t> header, uint64_t fileSize);
    // The next bytes of the payload.
    void AddPayload(std::span<const uint8_t> bytes);
    // Once the payload has been added: kFirmwareDamaged when it was short or its sum is wrong,
    // kFirmwareWrongVersion for a wrong version text, else kFirmwareValid with `version` set.
    int32_t Finish(std::string& version) const;

  private:
    bool started_ = false;
    uint64_t payloadLength_ = 0;
    uint64_t payloadAdded_ = 0;
    uint32_t expectedSum_ = 0;
    uint32_t sum_ = 0;
    std::string versionText_;
};
