#include <gtest/gtest.h>

#include "SlotReplyText.h"
#include "custompaper/SlotFieldEncoding.h"
#include "custompaper/SlotNameField.h"
#include "custompaper/SlotReplies.h"
#include "custompaper/SlotWritePacket.h"

namespace {

TEST(SlotCoding, EachFieldSentAndReadBack) {
    using S = CustomPaperSlot;
    // field, its offset and width in the write packet (two bytes high byte first), values, what
    // is sent and read back
    const std::vector<std::tuple<int32_t S::*, size_t, size_t, std::vector<int32_t>,
                                 std::vector<int32_t>, std::vector<int32_t>>>
        rows = {
            {&S::platen, 28, 1, {1, 4}, {1, 4}, {1, 4}},
            {&S::forward, 31, 2, {-70, 70}, {0x1F1F, 0xABAB}, {-70, 70}},
            {&S::paperDraw, 34, 1, {0, -1, -2}, {51, 26, 16}, {0, -1, -2}},
            {&S::paperDraw, 34, 1, {-3, -4, 1}, {6, 4, 51}, {-3, -4, 0}},
            {&S::paperCut, 36, 2, {0, 1, 2}, {0x0365, 0x0249, 0x017E}, {0, 1, 2}},
            {&S::paperCut, 36, 2, {3, 4}, {0x0665, 0x0365}, {3, 0}},
            {&S::roller, 39, 1, {0, 3}, {0, 3}, {0, 3}},
            {&S::paperThick, 40, 1, {1, 16}, {1, 16}, {1, 16}},
            {&S::dryTime, 45, 2, {0, 25, 50}, {0, 0x09C4, 0x1388}, {0, 25, 50}},
            {&S::extraOption, 50, 1, {0, 1, 2, 3}, {0, 0x20, 0x30, 0}, {0, 1, 2, 0}},
            {&S::paperTypeCode, 53, 1, {0, 0x1FF}, {0, 0xFF}, {0, 255}},
        };
    for (const auto& [field, offset, width, values, sent, readBack] : rows) {
        for (size_t k = 0; k < values.size(); ++k) {
            CustomPaperSlot setting, read;
            setting.*field = values[k];
            const auto body = BuildSlotWriteBody(1, "", setting);
            const uint8_t* at = &body[offset - 4];
            EXPECT_EQ(width == 1 ? at[0] : at[0] << 8 | at[1], sent[k]) << values[k];
            // The detail reply repeats the packet from offset 9 on.
            const Bytes reply = wire::Text("EX:0000001B" + HexText({body.begin() + 5, body.end()}));
            ASSERT_TRUE(ParseSlotDetailReply(reply, read));
            EXPECT_EQ(read.*field, readBack[k]) << values[k];
        }
    }
}

TEST(SlotCoding, BytesOutsideTheTables) {
    EXPECT_EQ(PaperDrawOfSuctionByte(0), -4);
    EXPECT_EQ(PaperDrawOfSuctionByte(5), -3);
    EXPECT_EQ(PaperDrawOfSuctionByte(128), 0);
    EXPECT_EQ(PaperDrawOfSuctionByte(129), std::nullopt);
    EXPECT_EQ(PaperCutOfPair(0x02, 0x7E), 0);
    EXPECT_EQ(DryTimeOfBytes(0x13, 0xEB), 50);
}

TEST(SlotCoding, NamesTravelOneBytePerCharacter) {
    // text, the bytes sent before the filling spaces, the text read back
    const std::vector<std::array<std::string, 3>> rows = {
        {std::string(31, 'x'), std::string(30, 'x'), std::string(30, 'x')},
        {"Caf\xC3\xA9", "Caf\xE9", "Caf\xC3\xA9"},
        {"5\xE2\x82\xAC", "5?", "5?"},
    };
    for (const auto& [text, sent, read] : rows) {
        const auto bytes = EncodeSlotName(text);
        const std::string padding(kSlotNameLength - sent.size(), ' ');
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), sent + padding) << text;
        EXPECT_EQ(DecodeSlotName(bytes), read + padding) << text;
    }
}

}  // namespace
