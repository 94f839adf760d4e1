#include "comm/CustomPaperPackets.h"

#include <algorithm>

#include "comm/PacketWriter.h"

int32_t AppendEXSelect(std::span<uint8_t> out, uint8_t slot) {
    return WritePacket(out, {'E', 'X', 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1C, slot, 0x00});
}

int32_t AppendEXSlotWrite(std::span<uint8_t> out,
                          std::span<const uint8_t, kCustomPaperSlotBodyLength> body) {
    constexpr size_t kHeaderLength = 4;
    if (out.size() < kHeaderLength + body.size()) return 0;
    WritePacket(out, {'E', 'X', static_cast<uint8_t>(body.size()), 0x00});
    std::copy(body.begin(), body.end(), out.begin() + kHeaderLength);
    return static_cast<int32_t>(kHeaderLength + body.size());
}
