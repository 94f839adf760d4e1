#include "comm/StatusReply.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

StatusReply Block(const Bytes& bytes) {
    StatusReply status;
    status.Assign(bytes);
    return status;
}

Bytes InkField(uint8_t entrySize, const Bytes& entries) {
    Bytes field = {0x0F, static_cast<uint8_t>(entries.size() + 1), entrySize};
    field.insert(field.end(), entries.begin(), entries.end());
    return field;
}

Bytes WithLength(const Bytes& fields) {
    Bytes block = {static_cast<uint8_t>(fields.size()), static_cast<uint8_t>(fields.size() >> 8)};
    block.insert(block.end(), fields.begin(), fields.end());
    return block;
}

TEST(StatusReply, AssignTakesOverOnlyBlocksWithALength) {
    struct Row {
        const char* name;
        Bytes bytes;
        bool taken;
    };
    const std::vector<Row> rows = {
        {"empty", {}, false},
        {"length word only", {0x05, 0x00}, false},
        {"length 0", {0x00, 0x00, 0x01, 0x01, 0x04}, false},
        {"valid", {0x03, 0x00, 0x01, 0x01, 0x04}, true},
        {"length past the bytes held", {0xFF, 0xFF, 0x01, 0x01, 0x04}, true},
    };
    for (const Row& row : rows) {
        StatusReply status;
        EXPECT_EQ(status.Assign(row.bytes), row.taken) << row.name;
        EXPECT_EQ(status.IsEmpty(), !row.taken) << row.name;
    }
}

TEST(StatusReply, TestsReadTheFirstFieldOfTheirTypeAndStayInsideTheBlock) {
    struct Row {
        const char* name;
        Bytes block;
        bool ready, error, levelAtMost12, entryAtMost25;
        int32_t inkSlots;
    };
    Bytes eightSlots(24, 0x30);
    eightSlots[16] = 4;  // data bytes 17, 20, 23 (the size byte is data byte 0)
    eightSlots[19] = 5;
    eightSlots[22] = 8;
    Bytes fourSlots = eightSlots;
    fourSlots[22] = 7;
    const std::vector<Row> rows = {
        {"ready with level 12",
         {0x06, 0x00, 0x01, 0x01, 0x04, 0x0D, 0x01, 0x0C},
         true,
         false,
         true,
         false,
         4},
        {"level data cut off by L",
         {0x05, 0x00, 0x01, 0x01, 0x04, 0x0D, 0x01},
         true,
         false,
         false,
         false,
         4},
        {"level data beyond L",
         {0x05, 0x00, 0x01, 0x01, 0x04, 0x0D, 0x01, 0x05},
         true,
         false,
         false,
         false,
         4},
        {"error", {0x03, 0x00, 0x01, 0x01, 0x00}, false, true, false, false, 4},
        {"busy, level 13",
         {0x06, 0x00, 0x01, 0x01, 0x03, 0x0D, 0x01, 0x0D},
         false,
         false,
         false,
         false,
         4},
        {"first status field decides",
         {0x06, 0x00, 0x01, 0x01, 0x03, 0x01, 0x01, 0x04},
         false,
         false,
         false,
         false,
         4},
        {"status field without data", {0x02, 0x00, 0x01, 0x00}, false, false, false, false, 4},
        {"field skipped by its length",
         {0x07, 0x00, 0x05, 0x02, 0x01, 0x01, 0x01, 0x01, 0x04},
         true,
         false,
         false,
         false,
         4},
        {"type byte without length", {0x01, 0x00, 0x01}, false, false, false, false, 4},
        {"field length past the block",
         {0x04, 0x00, 0x0D, 0xFF, 0x01, 0x04},
         false,
         false,
         true,
         false,
         4},
        {"ink: 3 entries in n = 10",
         WithLength(InkField(3, {0x01, 0x02, 0x40, 0x01, 0x02, 0x40, 0x01, 0x02, 0x19})), false,
         false, false, true, 4},
        {"ink: only whole entries count", WithLength(InkField(3, {0x01, 0x02, 0x40, 0x01, 0x02})),
         false, false, false, false, 4},
        {"ink: entry size 0", WithLength(InkField(0, {0x01, 0x02, 0x03})), false, false, false,
         false, 4},
        {"ink: eight slots", WithLength(InkField(3, eightSlots)), false, false, false, false, 8},
        {"ink: four slots", WithLength(InkField(3, fourSlots)), false, false, false, false, 4},
        {"ink: field cut at the bytes held",
         {0x0A, 0x00, 0x0F, 0x19, 0x03, 0x01, 0x02, 0x03},
         false,
         false,
         false,
         true,
         4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const StatusReply status = Block(row.block);
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
