#pragma once

#include <cstdint>
#include <span>

// The printer's custom paper memory. Each builder writes its packet at the start of `out` and
// answers the bytes written, or writes nothing and answers 0 when `out` is too small.

constexpr size_t kCustomPaperSlotBodyLength = 103;

// Selects the custom paper slot the printer uses; 0 selects none.
int32_t AppendEXSelect(std::span<uint8_t> out, uint8_t slot);
// Writes one slot; the body is the encoded slot record.
int32_t AppendEXSlotWrite(std::span<uint8_t> out,
                          std::span<const uint8_t, kCustomPaperSlotBodyLength> body);
