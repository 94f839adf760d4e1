#include "custompaper/SlotReplies.h"

#include <gtest/gtest.h>

#include "SlotReplyText.h"

namespace {

using Records = std::vector<std::pair<bool, std::string>>;

TEST(SlotReplies, ListRecordsReceivedWhole) {
    const std::string a = HexText(ListRecord(1, "Matte")), b = HexText(ListRecord(0, ""));
    const std::string matte = "Matte" + std::string(25, ' ');
    Bytes full(34, 0xE9);
    full[1] = 0;
    std::string accents;
    for (int k = 0; k < 30; ++k) accents += "\xC3\xA9";
    const std::vector<std::pair<std::string, std::optional<Records>>> rows = {
        {"@BDC PS\r\nEX:0000001D" + a + b + HexText(ListRecord(2, "Gloss")) + ";",
         Records{{true, matte}, {false, std::string(30, ' ')}, {true, "Gloss" + matte.substr(5)}}},
        {"EX:0000001D" + std::string(66, '0') + "0a;", Records{{false, "\n"}}},
        {"EX:0000001D" + HexText(full) + ";", Records{{true, accents}}},
        {"EX:0000001D" + a + b.substr(0, 67) + ";", Records{{true, matte}}},
        {"EX:0000001D" + a + "0G" + b.substr(2) + ";", Records{{true, matte}}},
        {"EX:0000001D" + a + ";" + b, Records{{true, matte}}},
        {"EX:0000001D" + a + a + a + a, Records{{true, matte}, {true, matte}, {true, matte}}},
        {"EX:0000001D;", Records{}},
        {"EX:0000001B" + a + ";", std::nullopt},
        {"NA;EX:0000001D" + a, std::nullopt},
    };
    for (const auto& [reply, expected] : rows) {
        const auto records = ParseSlotListReply(wire::Text(reply));
        ASSERT_EQ(records.has_value(), expected.has_value()) << reply;
        Records read;
        for (const SlotListRecord& record : records.value_or(std::vector<SlotListRecord>{}))
            read.push_back({record.registered, record.name});
        EXPECT_EQ(read, expected.value_or(Records{})) << reply;
    }
}

}  // namespace
