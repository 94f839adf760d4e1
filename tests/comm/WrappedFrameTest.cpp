#include "comm/WrappedFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The GetRequest as a reference decoder would expect it around the given encoded tail.
Bytes ExpectedRequest(const Bytes& encodedTail) {
    const auto oid = static_cast<uint8_t>(14 + encodedTail.size());
    return Concat(
        {{0x30, static_cast<uint8_t>(oid + 30), 0x02, 0x01, 0x00, 0x04, 0x06},
         {'t', 'a', 'r', 'n', 'e', 'l'},
         {0xA0, static_cast<uint8_t>(oid + 17), 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01,
          0x00, 0x30, static_cast<uint8_t>(oid + 6), 0x30, static_cast<uint8_t>(oid + 4), 0x06,
          oid},
         {0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x60, 0x01, 0x02, 0x02, 0x28, 0x01, 0x01, 0x02},
         encodedTail,
         {0x05, 0x00}});
}

TEST(WrappedFrame, CommandsTravelAsEscapedSubIdentifiers) {
    struct Row {
        const char* name;
        Bytes command;
        Bytes encodedTail;
    };
    const std::vector<Row> rows = {
        {"SN query",
         {0x53, 0x4E, 0x02, 0x00, 0x01, 0x01},
         {0x09, 0x08, 0x00, 0x06, 0x53, 0x4E, 0x02, 0x00, 0x01, 0x01}},
        {"11 bytes with 0x1B and 0xE8",
         {0x45, 0x58, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1B, 0xE8, 0x00},
         {0x0E, 0x08, 0x00, 0x0B, 0x45, 0x58, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1B, 0x81, 0x68,
          0x00}},
        {"0x80 and 0xFF", {0x80, 0xFF}, {0x05, 0x08, 0x00, 0x02, 0x81, 0x00, 0x81, 0x7F}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Bytes request = BuildWrappedRequest(row.command);
        EXPECT_EQ(request, ExpectedRequest(row.encodedTail));
    }
    // 14 + 15 + one escaped byte + 32.
    EXPECT_EQ(BuildWrappedRequest(rows[1].command).size(), 14u + 15u + 1u + 32u);
}

TEST(WrappedFrame, CommandsTooLongForSingleByteLengthsAreRefused) {
    EXPECT_EQ(BuildWrappedRequest(Bytes(79, 0x41)).size(), 14u + 83u + 32u);
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
