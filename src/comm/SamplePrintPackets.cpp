#include "comm/SamplePrintPackets.h"

#include "comm/PacketWriter.h"

namespace {

int32_t WriteEscBar(std::span<uint8_t> out, uint8_t value) {
    return WritePacket(out, {0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74, value});
}

}  // namespace

int32_t AppendEscBar(std::span<uint8_t> out, int32_t startGroup) {
    return WriteEscBar(out, startGroup != 0 ? 1 : 0);
}

int32_t AppendEscBarClose(std::span<uint8_t> out) {
    return WriteEscBar(out, 2);
}
