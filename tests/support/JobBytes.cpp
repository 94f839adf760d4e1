#include "JobBytes.h"

namespace wire {

Bytes Hex(std::string_view text) {
    std::string digits;
    for (const char c : text)
        if (c != ' ') digits += c;
    if (digits.size() % 2 != 0 ||
        digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
        return {};
    Bytes bytes;
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

Bytes Text(std::string_view text) {
    return {text.begin(), text.end()};
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
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

Bytes CleaningJob() {
    return Concat({EnterRemote(), Hex("43 48 02 00 00 10"), ExitRemote()});
}

Bytes NozzleCheckJob() {
    return Concat(
        {EnterRemote(), Hex("4E 43 02 00 00 00 56 49 02 00 00 01"), ExitRemote(), JobEnd()});
}

Bytes SlotWrite(int slotNumber, int platen, int feed, int thickness, const std::string& name) {
    Bytes packet(107, 0);
    for (size_t offset = 11; offset <= 74; ++offset) packet[offset] = 0xFF;
    for (size_t offset = 77; offset <= 106; ++offset) packet[offset] = ' ';
    packet[0] = 'E';
    packet[1] = 'X';
    packet[2] = 0x67;
    packet[8] = 0x1B;
    packet[9] = static_cast<uint8_t>(slotNumber);
    packet[10] = 0x00;
    packet[28] = static_cast<uint8_t>(platen);
    packet[31] = packet[32] = static_cast<uint8_t>(feed + 101);
    packet[40] = static_cast<uint8_t>(thickness);
    packet[45] = 0x09;  // dry time 25 s
    packet[46] = 0xC4;
    packet[74] = 0x01;
    for (size_t i = 0; i < name.size() && i < 30; ++i)
        packet[77 + i] = static_cast<uint8_t>(name[i]);
    return packet;
}

Bytes StatusBlock(uint8_t statusCode, uint8_t level, const std::vector<uint8_t>& inkPercents) {
    // The 4-slot model has the first four of these.
    static constexpr uint8_t kInkCodes[] = {1, 2, 3, 6, 9, 4, 5, 8};
    Bytes inks = {0x0F, static_cast<uint8_t>(1 + 3 * inkPercents.size()), 3};
    uint8_t warnings = level <= 12 ? 0x02 : 0x00;
    for (size_t slot = 0; slot < inkPercents.size(); ++slot) {
        inks.insert(inks.end(),
                    {static_cast<uint8_t>(slot), kInkCodes[slot % 8], inkPercents[slot]});
        if (inkPercents[slot] <= 25) warnings |= 0x01;
    }
    const uint8_t error = statusCode == 0 ? 0x01 : 0x00;
    return Block(Concat(
        {{0x01, 0x01, statusCode, 0x02, 0x01, error, 0x04, 0x01, warnings, 0x0D, 0x01, level},
         inks,
         {0x13, 0x01, 0x01}}));
}

Bytes Block(const Bytes& fields) {
    return Concat(
        {{static_cast<uint8_t>(fields.size()), static_cast<uint8_t>(fields.size() >> 8)}, fields});
}

Bytes StatusReply(const Bytes& block) {
    return Concat({Text("@BDC ST2\r\n"), block});
}

Bytes Reply(std::string_view text) {
    return Concat({Text("@BDC PS\r\n"), Text(text)});
}

Bytes WrappedRequest(const Bytes& command) {
    Bytes tail = {static_cast<uint8_t>(command.size() + 3), 0x08,
                  static_cast<uint8_t>(command.size() >> 8), static_cast<uint8_t>(command.size())};
    tail.insert(tail.end(), command.begin(), command.end());
    Bytes oid = Hex("2B 06 01 04 01 89 60 01 02 02 28 01 01 02");
    for (const uint8_t byte : tail) {
        if (byte < 0x80) {
            oid.push_back(byte);
        } else {
            oid.insert(oid.end(), {0x81, static_cast<uint8_t>(byte - 0x80)});
        }
    }
    const auto n = static_cast<uint8_t>(oid.size());
    return Concat(
        {{0x30, static_cast<uint8_t>(n + 30), 0x02, 0x01, 0x00, 0x04, 0x06},
         Text("tarnel"),
         {0xA0, static_cast<uint8_t>(n + 17), 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00,
          0x30, static_cast<uint8_t>(n + 6), 0x30, static_cast<uint8_t>(n + 4), 0x06, n},
         oid,
         {0x05, 0x00}});
}

}  // namespace wire
