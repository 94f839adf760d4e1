#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

// Writes one whole packet, or nothing when the room is too small; answers the bytes written.
inline int32_t WritePacket(std::span<uint8_t> out, std::initializer_list<uint8_t> packet) {
    if (out.size() < packet.size()) return 0;
    size_t at = 0;
    for (uint8_t byte : packet) out[at++] = byte;
    return static_cast<int32_t>(packet.size());
}
