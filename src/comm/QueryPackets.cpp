#include "comm/QueryPackets.h"

#include "comm/PacketWriter.h"

int32_t AppendVIQuery(std::span<uint8_t> out) {
    return WritePacket(out, {'V', 'I', 0x02, 0x00, 0x01, 0x00});
}

int32_t AppendSNQuery(std::span<uint8_t> out) {
    return WritePacket(out, {'S', 'N', 0x02, 0x00, 0x01, 0x01});
}

int32_t AppendEXDetailQuery(std::span<uint8_t> out, uint8_t slotSelector) {
    return WritePacket(out,
                       {'E', 'X', 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1B, slotSelector, 0x00});
}

int32_t AppendEXSlotQuery(std::span<uint8_t> out, uint8_t slot) {
    return WritePacket(out, {'E', 'X', 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1D, slot, 0x00});
}

int32_t AppendJIQuery(std::span<uint8_t> out, uint8_t jobIndex) {
    return WritePacket(out, {'J', 'I', 0x02, 0x00, 0x01, jobIndex});
}
