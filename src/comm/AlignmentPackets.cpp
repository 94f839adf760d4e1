#include "comm/AlignmentPackets.h"

#include "comm/PacketWriter.h"

namespace {

constexpr int32_t kDAPacketLength = 8;
constexpr int32_t kBidirectionalValues = 8;
constexpr int32_t kUnidirectionalValues = 7;
constexpr int32_t kDotSizeCount = 4;

uint8_t DirectionByte(AlignmentDirection direction) {
    return static_cast<uint8_t>(direction);
}

}  // namespace

int32_t AppendPH(std::span<uint8_t> out, int32_t thickness) {
    return WritePacket(out, {'P', 'H', 0x02, 0x00, 0x00, static_cast<uint8_t>(thickness & 0xFF)});
}

int32_t AppendSN(std::span<uint8_t> out, uint8_t platenGapCode) {
    return WritePacket(out, {'S', 'N', 0x03, 0x00, 0x00, 0x01, platenGapCode});
}

int32_t AppendDTAutomatic(std::span<uint8_t> out, AlignmentDirection direction, uint8_t dotSize) {
    return WritePacket(out, {'D', 'T', 0x03, 0x00, 0x00, DirectionByte(direction), dotSize});
}

int32_t AppendDTManual(std::span<uint8_t> out, AlignmentDirection direction, uint8_t dotSize) {
    const uint8_t patternBase = direction == AlignmentDirection::Bidirectional ? 0x80 : 0x10;
    return WritePacket(out, {'D', 'T', 0x03, 0x00, 0x00, DirectionByte(direction),
                             static_cast<uint8_t>(patternBase + dotSize)});
}

DABlockWritten AppendDABlock(std::span<uint8_t> out, AlignmentDirection direction,
                             int32_t dotSizeIndex, std::span<const int32_t> values) {
    const bool bidirectional = direction == AlignmentDirection::Bidirectional;
    const int32_t count = bidirectional ? kBidirectionalValues : kUnidirectionalValues;
    const int32_t bytes = count * kDAPacketLength;
    if (static_cast<int32_t>(values.size()) != count || dotSizeIndex < 0 ||
        dotSizeIndex >= kDotSizeCount || out.size() < static_cast<size_t>(bytes))
        return {};

    // Uni-directional rows start at 1 within the dot size's group of 16 indexes.
    const int32_t firstIndex = dotSizeIndex * 16 + (bidirectional ? 0 : 1);
    for (int32_t row = 0; row < count; ++row) {
        WritePacket(
            out.subspan(static_cast<size_t>(row * kDAPacketLength)),
            {'D', 'A', 0x04, 0x00, 0x00, DirectionByte(direction),
             static_cast<uint8_t>(firstIndex + row), static_cast<uint8_t>(values[row] & 0xFF)});
    }
    return {count, bytes};
}
