#include "comm/StatusReply.h"

#include <gtest/gtest.h>

#include <vector>

#include "JobBytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
using wire::Hex;

TEST(StatusReply, AssignTakesOverOnlyBlocksWithALength) {
    const std::pair<const char*, bool> rows[] = {
        {"", false},
        {"05 00", false},           // length word only
        {"00 00 01 01 04", false},  // length 0
        {"03 00 01 01 04", true},   // valid
        {"FF FF 01 01 04", true},   // length past the bytes held
    };
    for (const auto& [hex, taken] : rows) {
        StatusReply status;
        EXPECT_EQ(status.Assign(Hex(hex)), taken) << hex;
        EXPECT_EQ(status.IsEmpty(), !taken) << hex;
    }
}

TEST(StatusReply, TestsReadTheFirstFieldOfTheirTypeAndStayInsideTheBlock) {
    struct Row {
        const char* name;
        Bytes block;
        bool ready, error, levelAtMost12, entryAtMost25;
        int32_t inkSlots;
    };
    Bytes otherCodes = wire::StatusBlock(4, 80, Bytes(8, 100));
    otherCodes[otherCodes.size() - 5] = 7;  // the last slot's ink code, before field 13
    const std::vector<Row> rows = {
        {"ready with level 12", Hex("06 00 01 01 04 0D 01 0C"), true, false, true, false, 4},
        {"level data cut off by L", Hex("05 00 01 01 04 0D 01"), true, false, false, false, 4},
        {"level data beyond L", Hex("05 00 01 01 04 0D 01 05"), true, false, false, false, 4},
        {"error", Hex("03 00 01 01 00"), false, true, false, false, 4},
        {"busy, level 13", Hex("06 00 01 01 03 0D 01 0D"), false, false, false, false, 4},
        {"first status field decides", Hex("06 00 01 01 03 01 01 04"), false, false, false, false,
         4},
        {"status field without data", Hex("02 00 01 00"), false, false, false, false, 4},
        {"field skipped by its length", Hex("07 00 05 02 01 01 01 01 04"), true, false, false,
         false, 4},
        {"type byte without length", Hex("01 00 01"), false, false, false, false, 4},
        {"field length past the block", Hex("04 00 0D FF 01 04"), false, false, true, false, 4},
        {"ink: 3 entries in n = 10", Hex("0C 00 0F 0A 03 01 02 40 01 02 40 01 02 19"), false, false,
         false, true, 4},
        {"ink: only whole entries count", Hex("08 00 0F 06 03 01 02 40 01 02"), false, false, false,
         false, 4},
        {"ink: entry size 0", Hex("06 00 0F 04 00 01 02 03"), false, false, false, false, 4},
        {"ink: field cut at the bytes held", Hex("0A 00 0F 19 03 01 02 03"), false, false, false,
         true, 4},
        {"eight-slot model", wire::StatusBlock(4, 80, Bytes(8, 100)), true, false, false, false, 8},
        {"eight entries, other codes", otherCodes, true, false, false, false, 4},
        {"four-slot model, inks at 26", wire::StatusBlock(3, 13, {26, 26, 26, 26}), false, false,
         false, false, 4},
        {"four-slot model, ink at 25", wire::StatusBlock(3, 13, {100, 100, 100, 25}), false, false,
         false, true, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        StatusReply status;
        status.Assign(row.block);
        EXPECT_EQ(status.IsReady(), row.ready);
        EXPECT_EQ(status.IsError(), row.error);
        EXPECT_EQ(status.IsField0DAtMost12(), row.levelAtMost12);
        EXPECT_EQ(status.HasEntryAtMost25(), row.entryAtMost25);
        EXPECT_EQ(status.InkSlotCount(), row.inkSlots);
    }
    const StatusReply none;
    EXPECT_FALSE(none.IsReady());
    EXPECT_FALSE(none.IsError());
    EXPECT_EQ(none.InkSlotCount(), 4);
}

}  // namespace
