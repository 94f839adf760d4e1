#include "custompaper/SlotReplies.h"

#include <array>
#include <string_view>

#include "comm/ReplyParsers.h"
#include "custompaper/SlotFieldEncoding.h"
#include "custompaper/SlotNameField.h"
#include "custompaper/SlotRecordLayout.h"

namespace {

constexpr size_t kListRecords = 3;

int32_t HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes whole pairs of hex digits into `out` until a pair is broken or `out` is full; answers
// the bytes decoded.
size_t DecodeHex(std::string_view digits, std::span<uint8_t> out) {
    size_t count = 0;
    for (; count < out.size() && 2 * count + 1 < digits.size(); ++count) {
        const int32_t high = HexValue(digits[2 * count]);
        const int32_t low = HexValue(digits[2 * count + 1]);
        if (high < 0 || low < 0) break;
        out[count] = static_cast<uint8_t>(high * 16 + low);
    }
    return count;
}

}  // namespace

std::optional<std::vector<SlotListRecord>> ParseSlotListReply(std::span<const uint8_t> reply) {
    namespace at = slot_layout;
    const auto digits = ReplyValue(reply, "EX:0000001D");
    if (!digits) return std::nullopt;
    std::array<uint8_t, kListRecords * at::kListRecordLength> bytes{};
    const size_t received = DecodeHex(*digits, bytes);

    std::vector<SlotListRecord> records;
    for (size_t start = 0; start + at::kListRecordLength <= received;
         start += at::kListRecordLength) {
        const auto record = std::span<const uint8_t>(bytes).subspan(start, at::kListRecordLength);
        records.push_back({record[0] != 0, DecodeSlotName(record.subspan(at::kListRecordName))});
    }
    return records;
}

bool ParseSlotDetailReply(std::span<const uint8_t> reply, CustomPaperSlot& slot) {
    namespace at = slot_layout;
    const auto digits = ReplyValue(reply, "EX:0000001B");
    if (!digits) return false;
    std::array<uint8_t, at::kDetailLength> bytes{};
    if (DecodeHex(*digits, bytes) < bytes.size()) return false;

    // Byte k of the reply is offset k + 9 of the write packet.
    const auto byte = [&bytes](size_t packetOffset) {
        return bytes[packetOffset - at::kDetailStart];
    };
    slot.platen = byte(at::kPlaten);
    slot.forward = ForwardOfByte(byte(at::kForward));
    if (const auto paperDraw = PaperDrawOfSuctionByte(byte(at::kSuction)))
        slot.paperDraw = *paperDraw;
    slot.paperCut = PaperCutOfPair(byte(at::kCutPair), byte(at::kCutPair + 1));
    slot.roller = byte(at::kRoller);
    slot.paperThick = byte(at::kThickness);
    slot.dryTime = DryTimeOfBytes(byte(at::kDryTime), byte(at::kDryTime + 1));
    slot.extraOption = ExtraOptionOfCode(byte(at::kExtraOption));
    slot.paperTypeCode = byte(at::kPaperType);
    slot.name = DecodeSlotName(std::span<const uint8_t>(bytes).subspan(
        at::kNameField - at::kDetailStart, at::kNameFieldLength));
    return true;
}
