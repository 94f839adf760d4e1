#include <gtest/gtest.h>

#include "config/MediaTable.h"
#include "custompaper/CustomPaperMedia.h"
#include "custompaper/CustomPaperSlotTable.h"
#include "custompaper/PlatenGapChoices.h"

namespace {

// Labels are the call page's test; here a slot out of range leaves the current one.
TEST(CustomPaperModel, SlotTableIgnoresSlotsOutOfRange) {
    CustomPaperSlotTable table;
    table.Slot(3).registered = true;
    table.SetCurrent(3);
    table.SetCurrent(10);
    EXPECT_EQ(&table.Slot(10), &table.Slot(3));
    EXPECT_FALSE(table.IsRegistered(10));
}

TEST(CustomPaperModel, PlatenGapsByThickness) {
    // thickness, previous index, thickness was emptied, list length, index selected
    const std::vector<std::array<int32_t, 5>> rows = {
        {1, 3, 0, 4, 3}, {2, 1, 1, 4, 2}, {3, 3, 0, 3, 2}, {6, -1, 0, 3, 0},
        {6, 0, 1, 3, 2}, {7, 2, 0, 1, 0}, {16, 0, 1, 1, 0}};
    for (const auto& [thickness, previous, emptied, count, index] : rows) {
        EXPECT_EQ(PlatenChoiceCount(thickness), count) << thickness;
        EXPECT_EQ(PlatenIndexAfterRebuild(previous, count, emptied != 0), index) << thickness;
    }
}

TEST(CustomPaperModel, MediaTypes) {
    MediaRecord matte{.mediaId = 10, .mediaCode = 5, .mediaSubCode = 1, .paperTypeCode = 40};
    matte.printModes = {{{-1, 0, 0}, {720, 1440, 720}, {360, 720, 720}, {-1, 0, 0}}};
    MediaRecord variant = matte;
    variant.paperTypeCode = 41;
    variant.variant = 1;
    const MediaTable media({matte, variant, {.mediaId = 20, .mediaCode = 6, .paperTypeCode = 41}});

    CustomPaperSlot slot;
    PickSlotMedia(slot, media, 10);
    EXPECT_EQ(slot.paperTypeCode, 40);

    const CustomPaperFileEntry entry{.id = 5, .sid = 1, .inkMode = "0B00"};
    EXPECT_TRUE(IsFileEntryUsable(entry, media, "0B00"));
    EXPECT_FALSE(IsFileEntryUsable(entry, media, "0b00"));
    EXPECT_FALSE(IsFileEntryUsable({.id = 5, .sid = 0, .inkMode = "0B00"}, media, "0B00"));

    EXPECT_EQ(OfferedPrintModes(media, 10), (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(ChoosePrintMode(std::vector<int32_t>{2, 3}, 3), 3);
    EXPECT_EQ(ChoosePrintMode(std::vector<int32_t>{2, 3}, 1), 2);
    EXPECT_EQ(ChoosePrintMode(std::vector<int32_t>{1, 3}, 4), 1);
    EXPECT_EQ(ChoosePrintMode({}, 2), 0);
}

}  // namespace
