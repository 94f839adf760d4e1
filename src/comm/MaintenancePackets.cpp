#include "comm/MaintenancePackets.h"

#include "comm/PacketWriter.h"

int32_t AppendNC(std::span<uint8_t> out, int32_t readBySensor) {
    return WritePacket(out,
                       {'N', 'C', 0x02, 0x00, 0x00, readBySensor != 0 ? uint8_t{1} : uint8_t{0}});
}

int32_t AppendCH(std::span<uint8_t> out) {
    return WritePacket(out, {'C', 'H', 0x02, 0x00, 0x00, 0x10});
}

int32_t AppendVI(std::span<uint8_t> out) {
    return WritePacket(out, {'V', 'I', 0x02, 0x00, 0x00, 0x01});
}

int32_t AppendSS(std::span<uint8_t> out, uint8_t sheet) {
    return WritePacket(out, {'S', 'S', 0x02, 0x00, 0x00, sheet});
}

int32_t AppendSSThickness(std::span<uint8_t> out) {
    return AppendSS(out, 3);
}
