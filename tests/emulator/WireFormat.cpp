#include "WireFormat.h"

#include <cstdint>

#include "FirmwareFileBuilder.h"

namespace wire {

Bytes WrappedRequest(const Bytes& command) {
    Bytes tail{static_cast<std::uint8_t>(command.size() + 3), 0x08,
               static_cast<std::uint8_t>(command.size() >> 8),
               static_cast<std::uint8_t>(command.size())};
    tail.insert(tail.end(), command.begin(), command.end());
    Bytes oid = Hex("2B 06 01 04 01 89 60 01 02 02 28 01 01 02");
    for (const std::uint8_t byte : tail) {
        if (byte < 0x80) {
            oid.push_back(byte);
        } else {
            oid.push_back(0x81);
            oid.push_back(static_cast<std::uint8_t>(byte - 0x80));
        }
    }
    const auto length = static_cast<std::uint8_t>(oid.size());
    Bytes message{0x30, static_cast<std::uint8_t>(length + 30), 0x02, 0x01, 0x00, 0x04, 0x06};
    for (const char c : std::string("tarnel")) message.push_back(static_cast<std::uint8_t>(c));
    const Bytes pdu{0xA0,
                    static_cast<std::uint8_t>(length + 17),
                    0x02,
                    0x01,
                    0x01,
                    0x02,
                    0x01,
                    0x00,
                    0x02,
                    0x01,
                    0x00,
                    0x30,
                    static_cast<std::uint8_t>(length + 6),
                    0x30,
                    static_cast<std::uint8_t>(length + 4),
                    0x06,
                    length};
    message.insert(message.end(), pdu.begin(), pdu.end());
    message.insert(message.end(), oid.begin(), oid.end());
    message.push_back(0x05);
    message.push_back(0x00);
    return message;
}

Bytes EnterRemote() {
    return Hex("1B 40 1B 28 52 08 00 00 52 45 4D 4F 54 45 31");
}
Bytes ExitRemote() {
    return Hex("1B 00 00 00");
}
Bytes JobEnd() {
    return Hex("0D 0A 0C 1B 40");
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Hex(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c != ' ') digits += c;
    }
    Bytes bytes;
    FromHex(digits, bytes);
    return bytes;
}

Bytes SlotWrite(int slotNumber, int platen, int forward, int thickness, const std::string& name) {
    Bytes packet(107, 0);
    for (int offset = 11; offset <= 74; ++offset) packet[offset] = 0xFF;
    for (int offset = 77; offset <= 106; ++offset) packet[offset] = ' ';
    packet[0] = 'E';
    packet[1] = 'X';
    packet[2] = 0x67;
    packet[8] = 0x1B;
    packet[9] = static_cast<std::uint8_t>(slotNumber);
    packet[10] = 0x00;
    packet[28] = static_cast<std::uint8_t>(platen);
    packet[31] = packet[32] = static_cast<std::uint8_t>(forward + 101);
    packet[40] = static_cast<std::uint8_t>(thickness);
    packet[45] = 0x09;  // dry time 25 s
    packet[46] = 0xC4;
    packet[74] = 0x01;
    for (std::size_t i = 0; i < name.size() && i < 30; ++i)
        packet[77 + i] = static_cast<std::uint8_t>(name[i]);
    return packet;
}

Bytes FirmwareFile(const std::string& version, std::size_t payloadSize) {
    return FirmwareFileBuilder::Build(version, payloadSize);
}

}  // namespace wire
