#include "comm/RemotePackets.h"

#include "comm/PacketWriter.h"

int32_t AppendEnterRemote(std::span<uint8_t> out) {
    return WritePacket(
        out, {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 'R', 'E', 'M', 'O', 'T', 'E', '1'});
}

int32_t AppendExitRemote(std::span<uint8_t> out) {
    return WritePacket(out, {0x1B, 0x00, 0x00, 0x00});
}

int32_t AppendJobEnd(std::span<uint8_t> out) {
    return WritePacket(out, {0x0D, 0x0A, 0x0C, 0x1B, 0x40});
}

int32_t AppendSV(std::span<uint8_t> out) {
    return WritePacket(out, {'S', 'V', 0x00, 0x00});
}

int32_t AppendLD(std::span<uint8_t> out) {
    return WritePacket(out, {'L', 'D', 0x00, 0x00});
}
