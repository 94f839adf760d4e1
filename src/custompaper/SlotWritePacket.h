#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "comm/CustomPaperPackets.h"
#include "custompaper/CustomPaperSlot.h"

// What follows "EX" and its length in the packet that writes `setting`, named `name`, into slot
// number `slotNumber` (1..10); `AppendEXSlotWrite` frames it.
std::array<uint8_t, kCustomPaperSlotBodyLength> BuildSlotWriteBody(uint8_t slotNumber,
                                                                   std::string_view name,
                                                                   const CustomPaperSlot& setting);
