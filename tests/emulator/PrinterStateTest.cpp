#include <gtest/gtest.h>

#include <filesystem>

#include "PrinterState.h"
#include "TempFolder.h"

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
    state.heldUni = {{0x11, 4}, {0x12, 6}};
    state.sensorResult = "Bi-d alignment #1 read at thickness 5, gap 2";
    state.busyUntilMs = 1'800'000'123'456;
    state.busyReason = "Head cleaning";
    state.nextJobNumber = 300;
    JobRecord record;
    record.number = 44;
    record.name = "Status sheet";
    record.owner = "127.0.0.1";
    record.paperLengthMm = 297;
    state.jobs.push_back(record);
    record.number = 43;
    record.state = JobRecord::kPrinting;
    record.startMs = 1'800'000'000'000;
    record.endMs = 1'800'000'030'000;
    state.jobs.push_back(record);
    return state;
}

}  // namespace

TEST(PrinterState, SurvivesASaveAndLoad) {
    const TempFolder folder;
    const std::string path = folder.Path() + "/state.ini";
    const PrinterState saved = Sample();
    ASSERT_TRUE(saved.Save(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    PrinterState loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.Serialize(), saved.Serialize());
    ASSERT_EQ(loaded.jobs.size(), 2u);
    EXPECT_EQ(loaded.jobs[1].endMs, 1'800'000'030'000);
    EXPECT_EQ(loaded.heldUni.at(0x12), 6);
    PrinterState missing;
    EXPECT_FALSE(missing.Load(path + ".missing"));
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
        "job1.start=5\n"  // no record for it
        "job2.record=" +
        std::string(138, '0') +  // 69 bytes: longer than a record
        "\n"
        "heldAlignmentBi=1:2,x\n"
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
    EXPECT_TRUE(state.heldBi.empty());
    EXPECT_EQ(state.firmwareVersion, "I99999");
    EXPECT_EQ(state.alignmentUni, Bytes(PrinterState::kAlignmentValues, 0));
}
