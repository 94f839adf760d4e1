#include "sampleprint/SampleAdjustment.h"

#include <cstdint>

#include "driversettings/SuctionValue.h"

namespace {

void Put(MediaAdjustBlock& block, size_t at, int32_t value) {
    block.bytes[at] = static_cast<uint8_t>(value & 0xFF);
}

// The bytes both forms of a setting fill alike.
template <typename Setting>
void FillCommon(MediaAdjustBlock& block, const Setting& setting) {
    using namespace MediaAdjustByte;
    Put(block, kFeed, setting.forward);
    Put(block, kDryTime, setting.dryTime);
    Put(block, kThickness, setting.paperThick);
    Put(block, kSuction, SuctionValue(setting.paperDraw));
    Put(block, kPaperCut, setting.paperCut);
    Put(block, kPlatenGap, setting.platen);
    Put(block, kRoller, setting.roller);
}

}  // namespace

void FillAdjustmentFromSlot(MediaAdjustBlock& block, const CustomPaperSlot& slot) {
    FillCommon(block, slot);
}

void FillAdjustmentFromFileEntry(MediaAdjustBlock& block, const CustomPaperFileEntry& entry) {
    FillCommon(block, entry);
    Put(block, MediaAdjustByte::kDensity, entry.density);
}
