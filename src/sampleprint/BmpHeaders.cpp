#include "sampleprint/BmpHeaders.h"

#include <cstdlib>

namespace {

uint32_t Read32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

uint64_t BmpHeaders::RowSize() const {
    if (width < 1) return 0;
    return (static_cast<uint64_t>(width) * 3 + 3) / 4 * 4;
}

uint64_t BmpHeaders::ExpectedFileSize() const {
    // Under 1.5 * 2^32 bytes a row times at most 2^31 rows, plus under 2^32: inside 64 bits.
    const uint64_t rows = static_cast<uint64_t>(std::llabs(static_cast<int64_t>(height)));
    return dataOffset + RowSize() * rows;
}

std::optional<BmpHeaders> ParseBmpHeaders(std::span<const uint8_t> bytes) {
    if (bytes.size() < BmpHeaders::kSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    BmpHeaders headers;
    headers.dataOffset = Read32(bytes, 10);
    headers.width = static_cast<int32_t>(Read32(bytes, 18));
    headers.height = static_cast<int32_t>(Read32(bytes, 22));
    headers.bitCount = Read16(bytes, 28);
    headers.compression = Read32(bytes, 30);
    if (headers.dataOffset < BmpHeaders::kSize) return std::nullopt;
    return headers;
}
