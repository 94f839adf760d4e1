#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The file header and information header at the start of a BMP file, as far as a
// test image needs them. Plain C++, so that the parser can be fuzzed alone.
struct BmpHeaders {
    static constexpr size_t kFileHeaderSize = 14;
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr size_t kSize = kFileHeaderSize + kInfoHeaderSize;
    static constexpr uint32_t kUncompressed = 0;

    uint32_t dataOffset = 0;  // where the pixels start, from the start of the file
    int32_t width = 0;
    int32_t height = 0;  // positive: the bottom row comes first
    uint16_t bitCount = 0;
    uint32_t compression = 0;

    // Bytes of one row of 24-bit pixels, padded to a multiple of four; 0 for a width below 1.
    uint64_t RowSize() const;
    // The size of a whole file of 24-bit rows: data offset plus row size times the height (its
    // magnitude); no overflow for any header.
    uint64_t ExpectedFileSize() const;
};

// The headers of the first BmpHeaders::kSize bytes of a file; none when there are fewer bytes, the
// file does not start with "BM", or the pixels would start inside the headers.
std::optional<BmpHeaders> ParseBmpHeaders(std::span<const uint8_t> bytes);
