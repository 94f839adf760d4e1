#pragma once

#include <array>
#include <string>

#include "custompaper/CustomPaperSlot.h"
#include "custompaper/CustomPaperSlotTable.h"

// The eight details of a slot as the call page shows them, in its order: paper thickness, platen
// gap, suction, roller type, paper feed, drying time, cut method, third choice. Numbers come with
// their unit text; a value without a text of its own is empty.
std::array<std::string, 8> SlotDetailTexts(const CustomPaperSlot& slot, const TextLookup& loadText);
