#include "FirmwareImage.h"

namespace {
std::uint32_t ReadLittle32(const std::uint8_t* at) {
    return at[0] | (std::uint32_t{at[1]} << 8) | (std::uint32_t{at[2]} << 16) |
           (std::uint32_t{at[3]} << 24);
}
}  // namespace

FirmwareImage::Result FirmwareImage::Validate(const std::uint8_t* data, std::size_t length,
                                              std::string& version) {
    version.clear();
    if (length < kHeaderSize) return kBadSize;
    if (ReadLittle32(data + 8) != length - kHeaderSize) return kBadSize;
    std::uint32_t sum = 0;
    for (std::size_t i = kHeaderSize; i < length; ++i) sum += data[i];
    if (ReadLittle32(data + 12) != sum) return kBadSize;
    const bool letterI = data[16] == 'I' || data[16] == 'i';
    if (!letterI || data[17] < '0' || data[17] > '9') return kBadVersion;
    version.assign(reinterpret_cast<const char*>(data + 16), 6);
    return kValid;
}
