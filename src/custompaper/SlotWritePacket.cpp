#include "custompaper/SlotWritePacket.h"

#include <algorithm>

#include "custompaper/SlotFieldEncoding.h"
#include "custompaper/SlotNameField.h"
#include "custompaper/SlotRecordLayout.h"

namespace {

// The body starts after "EX" and the two length bytes.
constexpr size_t kBodyStart = 4;
constexpr uint8_t kWriteFunction = 0x1B;
constexpr uint8_t kInUse = 0x01;

}  // namespace

std::array<uint8_t, kCustomPaperSlotBodyLength> BuildSlotWriteBody(uint8_t slotNumber,
                                                                   std::string_view name,
                                                                   const CustomPaperSlot& setting) {
    namespace at = slot_layout;
    static_assert(at::kPacketLength == kBodyStart + kCustomPaperSlotBodyLength);

    std::array<uint8_t, at::kPacketLength> packet{};
    std::fill(packet.begin() + at::kFilledFrom, packet.begin() + at::kFilledTo + 1, 0xFF);
    packet[at::kFunction] = kWriteFunction;
    packet[at::kSlotNumber] = slotNumber;
    packet[at::kPlaten] = static_cast<uint8_t>(setting.platen);
    packet[at::kForward] = ForwardByte(setting.forward);
    packet[at::kForwardAgain] = ForwardByte(setting.forward);
    packet[at::kSuction] = SuctionByte(setting.paperDraw);
    const auto cut = CutPair(setting.paperCut);
    std::copy(cut.begin(), cut.end(), packet.begin() + at::kCutPair);
    packet[at::kRoller] = static_cast<uint8_t>(setting.roller);
    packet[at::kThickness] = static_cast<uint8_t>(setting.paperThick);
    const auto dryTime = DryTimeBytes(setting.dryTime);
    std::copy(dryTime.begin(), dryTime.end(), packet.begin() + at::kDryTime);
    packet[at::kExtraOption] = ExtraOptionCode(setting.extraOption);
    packet[at::kPaperType] = static_cast<uint8_t>(setting.paperTypeCode);
    packet[at::kInUseMark] = kInUse;
    const auto nameBytes = EncodeSlotName(name);
    std::copy(nameBytes.begin(), nameBytes.end(), packet.begin() + at::kName);

    std::array<uint8_t, kCustomPaperSlotBodyLength> body{};
    std::copy(packet.begin() + kBodyStart, packet.end(), body.begin());
    return body;
}
