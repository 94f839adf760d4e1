#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "PrinterState.h"

namespace {

PrinterState Sample() {
    PrinterState state;
    state.firmwareVersion = "I20711";
    state.level = 11;
    state.inkLevels = {100, 90, 80, 70};
    state.platenGapSetting = 2;
    state.selectedSlot = 7;
    state.slots[6].registered = true;
    state.slots[6].body.assign(PrinterState::kSlotBodySize, 0xAB);
    state.alignmentBi[0x13] = 0xFE;
    state.busyUntilMs = 1'800'000'123'456;
    state.busyReason = "Head cleaning";
    state.nextJobNumber = 300;
    JobRecord record;
    record.number = 44;
    record.name = "Status sheet";
    record.owner = "127.0.0.1";
    record.pages = 1;
    state.jobs.push_back(record);
    record.number = 43;
    state.jobs.push_back(record);
    return state;
}

}  // namespace

TEST(PrinterState, SurvivesASaveAndLoad) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("emulator-state-" + std::to_string(getpid()) + ".ini"))
                                 .string();
    const PrinterState saved = Sample();
    ASSERT_TRUE(saved.Save(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    PrinterState loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.Serialize(), saved.Serialize());
    EXPECT_EQ(loaded.jobs.size(), 2u);
    EXPECT_EQ(loaded.jobs[0].number, 44);
    EXPECT_EQ(loaded.jobs[1].name, "Status sheet");
    EXPECT_TRUE(loaded.slots[6].registered);
    EXPECT_EQ(loaded.busyReason, "Head cleaning");
    std::remove(path.c_str());
    PrinterState missing;
    EXPECT_FALSE(missing.Load(path));
}

TEST(PrinterState, DamagedLinesLeaveTheirDefaults) {
    PrinterState state;
    state.Parse(
        "level=300\n"      // out of range
        "inks=100,x,3\n"   // not numbers
        "platenGap=1\r\n"  // a line from another system still counts
        "slot11.registered=1\n"
        "slot0.body=00\n"
        "slot2.body=ABCD\n"  // wrong size
        "slot2.registered=1\n"
        "job1.record=00\n"
        "firmware=I99999\n"
        "no equals sign\n"
        "alignmentUni=" +
        std::string(128, 'G') + "\n");
    EXPECT_EQ(state.level, 80);
    EXPECT_TRUE(state.inkLevels.empty());
    EXPECT_EQ(state.platenGapSetting, 1);
    EXPECT_EQ(state.slots[1].body, Bytes(PrinterState::kSlotBodySize, 0));
    EXPECT_TRUE(state.slots[1].registered);
    EXPECT_TRUE(state.jobs.empty());
    EXPECT_EQ(state.firmwareVersion, "I99999");
    EXPECT_EQ(state.alignmentUni, Bytes(PrinterState::kAlignmentValues, 0));
}
