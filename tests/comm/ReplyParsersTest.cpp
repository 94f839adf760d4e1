#include "comm/ReplyParsers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Reply(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(ReplyParsers, PlatenGapSetting) {
    struct Row {
        std::string reply;
        int32_t expected;
    };
    const std::vector<Row> rows = {
        {"@BDC PS\r\nSN:010;", 2},
        {"@BDC PS\r\nSN:011;", 1},
        {"@BDC PS\r\nSN:012;", 3},
        {"@BDC PS\r\nSN:013;", 4},
        {"@BDC PS\r\nSN:014;", -1},
        {"@BDC PS\r\nSN:01-1;", -1},
        {"@BDC PS\r\nSN:01;", 2},
        {"@BDC PS\r\nSN:01", 2},
        {"@BDC PS\r\nSN:02;", 2},
        {"", 2},
        {"x;SN:012;", 2},
        {"SN:01999999999999;", -1},
        {std::string("SN:01\0"
                     "3",
                     7),
         2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParsePlatenGapSetting(Reply(row.reply)), row.expected) << row.reply;
}

TEST(ReplyParsers, SlotPlatenGapIsTheBodysTwentiethByte) {
    auto reply = [](const std::string& digits) {
        return "@BDC PS\r\nEX:0000001B" + std::string(38, '0') + digits + "0000;";
    };
    struct Row {
        std::string reply;
        int32_t expected;
    };
    const std::vector<Row> rows = {
        {reply("00"), 0},
        {reply("01"), 4},
        {reply("02"), 3},
        {reply("03"), 2},
        {reply("04"), 1},
        {reply("05"), -1},
        {reply("ff"), -1},
        {reply("zz"), -1},
        {"@BDC PS\r\nEX:0000001B" + std::string(38, '0') + ";", -1},
        {"@BDC PS\r\nEX:0000001B" + std::string(38, '0') + "4;", 1},
        {"@BDC PS\r\nEX:0000001D" + std::string(40, '0') + ";", -1},
        {"EX:0000001B" + std::string(20, '0') + ";" + std::string(30, '0'), -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ParseSlotPlatenGap(Reply(row.reply)), row.expected) << row.reply;
}

TEST(ReplyParsers, FirmwareVersionRunsToTheSemicolon) {
    EXPECT_EQ(ParseFirmwareVersion(Reply("@BDC PS\r\nVI:00KA10A2;rest")), "KA10A2");
    EXPECT_EQ(ParseFirmwareVersion(Reply("@BDC PS\r\nVI:00KA10A2")), "KA10A2");
    EXPECT_EQ(ParseFirmwareVersion(Reply("@BDC PS\r\nVI:01KA10A2;")), "");
    EXPECT_EQ(ParseFirmwareVersion(Reply("")), "");
}

}  // namespace
