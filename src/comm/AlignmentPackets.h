#pragma once

#include <cstdint>
#include <span>

// Print-head alignment. Each builder writes its packet at the start of `out` and answers the bytes
// written, or writes nothing and answers 0 when `out` is too small.

enum class AlignmentDirection : uint8_t { Bidirectional = 0x00, Unidirectional = 0x10 };

// Paper thickness in 0.1 mm; the printer takes its low byte.
int32_t AppendPH(std::span<uint8_t> out, int32_t thickness);
// Platen gap code 0-4.
int32_t AppendSN(std::span<uint8_t> out, uint8_t platenGapCode);
// Automatic alignment by the printer's sensor: dotSize 0 all dot sizes, 1-4 dot size #1-#4.
int32_t AppendDTAutomatic(std::span<uint8_t> out, AlignmentDirection direction, uint8_t dotSize);
// Manual alignment pattern of dot size #1-#4.
int32_t AppendDTManual(std::span<uint8_t> out, AlignmentDirection direction, uint8_t dotSize);

struct DABlockWritten {
    int32_t values = 0;
    int32_t bytes = 0;
};

// The adjustment values of one dot size, one DA packet per value: exactly 8 bi-directional or 7
// uni-directional values; dotSizeIndex is 0-3 for dot size #1-#4. Writes nothing when the count,
// the index or the room does not fit.
DABlockWritten AppendDABlock(std::span<uint8_t> out, AlignmentDirection direction,
                             int32_t dotSizeIndex, std::span<const int32_t> values);
