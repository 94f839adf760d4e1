#pragma once

#include "custompaper/CustomPaperFileEntry.h"
#include "custompaper/CustomPaperSlot.h"
#include "ztset/DriverSettingsBlocks.h"

// The media adjustment bytes a sample is printed with, each value's low byte. A slot carries no
// color density: that byte and the driver's own ones keep what the block held.
void FillAdjustmentFromSlot(MediaAdjustBlock& block, const CustomPaperSlot& slot);
void FillAdjustmentFromFileEntry(MediaAdjustBlock& block, const CustomPaperFileEntry& entry);
