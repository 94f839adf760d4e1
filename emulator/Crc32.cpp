#include "Crc32.h"

#include <array>

namespace {
std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        table[i] = value;
    }
    return table;
}
}  // namespace

void Crc32::Add(const std::uint8_t* data, std::size_t length) {
    static const std::array<std::uint32_t, 256> table = MakeTable();
    std::uint32_t state = state_;
    for (std::size_t i = 0; i < length; ++i) state = table[(state ^ data[i]) & 0xFF] ^ (state >> 8);
    state_ = state;
}
