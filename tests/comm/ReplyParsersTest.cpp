#include "comm/ReplyParsers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JobBytes.h"

namespace {

TEST(ReplyParsers, PlatenGapSetting) {
    const std::pair<std::string, int32_t> rows[] = {
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
    for (const auto& [reply, expected] : rows)
        EXPECT_EQ(ParsePlatenGapSetting(wire::Text(reply)), expected) << reply;
}

TEST(ReplyParsers, SlotPlatenGapIsTheBodysTwentiethByte) {
    const std::string detail = "@BDC PS\r\nEX:0000001B" + std::string(38, '0');
    const std::pair<std::string, int32_t> codes[] = {{"00", 0}, {"01", 4},  {"02", 3},  {"03", 2},
                                                     {"04", 1}, {"05", -1}, {"ff", -1}, {"zz", -1}};
    for (const auto& [code, expected] : codes)
        EXPECT_EQ(ParseSlotPlatenGap(wire::Text(detail + code + "0000;")), expected) << code;
    const std::pair<std::string, int32_t> rows[] = {
        {detail + ";", -1},
        {detail + "4;", 1},
        {"@BDC PS\r\nEX:0000001D" + std::string(40, '0') + ";", -1},
        {"EX:0000001B" + std::string(20, '0') + ";" + std::string(30, '0'), -1},
    };
    for (const auto& [reply, expected] : rows)
        EXPECT_EQ(ParseSlotPlatenGap(wire::Text(reply)), expected) << reply;
}

TEST(ReplyParsers, FirmwareVersionRunsToTheSemicolon) {
    EXPECT_EQ(ParseFirmwareVersion(wire::Reply("VI:00KA10A2;rest")), "KA10A2");
    EXPECT_EQ(ParseFirmwareVersion(wire::Reply("VI:00KA10A2")), "KA10A2");
    EXPECT_EQ(ParseFirmwareVersion(wire::Reply("VI:01KA10A2;")), "");
    EXPECT_EQ(ParseFirmwareVersion({}), "");
}

}  // namespace
