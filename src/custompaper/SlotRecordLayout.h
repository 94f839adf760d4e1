#pragma once

#include <cstddef>

// Where the fields of a custom paper slot lie, counted from the first byte of the slot write
// packet. The printer's detail reply repeats the packet from offset 9 on; its list records carry
// the 32-byte name field (two zero bytes, then the 30-byte name).
namespace slot_layout {

inline constexpr size_t kPacketLength = 107;
inline constexpr size_t kFunction = 8;
inline constexpr size_t kSlotNumber = 9;
// Offsets 11 to 74 are FF unless a field below says otherwise.
inline constexpr size_t kFilledFrom = 11;
inline constexpr size_t kFilledTo = 74;
inline constexpr size_t kPlaten = 28;
// The paper feed is sent twice; only the first copy is read back.
inline constexpr size_t kForward = 31;
inline constexpr size_t kForwardAgain = 32;
inline constexpr size_t kSuction = 34;
inline constexpr size_t kCutPair = 36;
inline constexpr size_t kRoller = 39;
inline constexpr size_t kThickness = 40;
inline constexpr size_t kDryTime = 45;
inline constexpr size_t kExtraOption = 50;
inline constexpr size_t kPaperType = 53;
inline constexpr size_t kInUseMark = 74;
inline constexpr size_t kNameField = 75;
inline constexpr size_t kNameFieldLength = 32;
inline constexpr size_t kName = 77;

// Byte 0 of the detail reply, and the number of bytes it holds.
inline constexpr size_t kDetailStart = 9;
inline constexpr size_t kDetailLength = kPacketLength - kDetailStart;

// A list reply record: flag byte, one unused byte, the name field.
inline constexpr size_t kListRecordLength = 2 + kNameFieldLength;
inline constexpr size_t kListRecordName = 2;

}  // namespace slot_layout
