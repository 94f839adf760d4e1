#include "comm/WrappedFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JobBytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(WrappedFrame, CommandsTravelAsEscapedSubIdentifiersUpToSingleByteLengths) {
    const std::vector<Bytes> commands = {
        wire::Hex("53 4E 02 00 01 01"),
        wire::Hex("45 58 07 00 01 00 00 00 1B E8 00"),  // 0x1B stays, 0xE8 is escaped
        wire::Hex("80 FF"), Bytes(79, 0x41),  // the longest that single-byte lengths carry
    };
    for (const Bytes& command : commands) {
        EXPECT_EQ(BuildWrappedRequest(command), wire::WrappedRequest(command)) << command.size();
    }
    EXPECT_TRUE(BuildWrappedRequest(Bytes(80, 0x41)).empty());
    EXPECT_TRUE(BuildWrappedRequest(Bytes(40, 0xE8)).empty());
}

TEST(WrappedFrame, MarkerIsFoundOnlyWholeAndWithinTheFirst503Positions) {
    const std::string marker = "@BDC PS\r\n";
    auto at = [&](size_t position, size_t total) {
        Bytes received(total, 'x');
        std::copy(marker.begin(), marker.end(), received.begin() + static_cast<long>(position));
        return received;
    };
    EXPECT_EQ(FindReplyMarker(at(0, 9)), 0u);
    EXPECT_EQ(FindReplyMarker(at(30, 100)), 30u);
    EXPECT_EQ(FindReplyMarker(at(502, 512)), 502u);
    EXPECT_EQ(FindReplyMarker(at(503, 512)), std::nullopt);
    Bytes cut = at(10, 19);
    cut.pop_back();
    EXPECT_EQ(FindReplyMarker(cut), std::nullopt);
    EXPECT_EQ(FindReplyMarker(Bytes{}), std::nullopt);
    EXPECT_EQ(FindReplyMarker(Bytes(512, 0)), std::nullopt);
}

}  // namespace
