#include "firmware/FirmwareImageCheck.h"

namespace {

constexpr size_t kLengthAt = 8;
constexpr size_t kChecksumAt = 12;
constexpr size_t kVersionAt = 16;
constexpr size_t kVersionLength = 6;

uint32_t ReadLittleEndian32(std::span<const uint8_t> bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

bool IsThisPrintersVersion(const std::string& text) {
    return text.size() >= 2 && (text[0] == 'I' || text[0] == 'i') && text[1] >= '0' &&
           text[1] <= '9';
}

}  // namespace

int32_t FirmwareImageCheck::Start(std::span<const uint8_t> header, uint64_t fileSize) {
    *this = FirmwareImageCheck();
    if (fileSize < kHeaderSize || header.size() < kHeaderSize) return kFirmwareDamaged;
    payloadLength_ = fileSize - kHeaderSize;
    if (ReadLittleEndian32(header, kLengthAt) != payloadLength_) return kFirmwareDamaged;
    expectedSum_ = ReadLittleEndian32(header, kChecksumAt);
    // Read as text: a zero byte ends it.
    const auto version = header.subspan(kVersionAt, kVersionLength);
    for (size_t i = 0; i < version.size() && version[i] != 0; ++i)
        versionText_ += static_cast<char>(version[i]);
    started_ = true;
    return kFirmwareValid;
}

void FirmwareImageCheck::AddPayload(std::span<const uint8_t> bytes) {
    for (uint8_t byte : bytes) sum_ += byte;
    payloadAdded_ += bytes.size();
}

int32_t FirmwareImageCheck::Finish(std::string& version) const {
    version.clear();
    if (!started_ || payloadAdded_ != payloadLength_ || sum_ != expectedSum_)
        return kFirmwareDamaged;
    if (!IsThisPrintersVersion(versionText_)) return kFirmwareWrongVersion;
    version = versionText_;
    return kFirmwareValid;
}
