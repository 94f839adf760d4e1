#include "comm/FirmwarePackets.h"

#include "comm/PacketWriter.h"

int32_t AppendEscBrace(std::span<uint8_t> out) {
    return WritePacket(out, {0x1B, 0x7D, 0x01, 0x05, 0x00, 0x61, 0x02, 0x70, 0x8F, 0x38});
}
