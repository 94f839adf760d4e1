#include <gtest/gtest.h>

#include "JobBytes.h"
#include "SnmpMessage.h"
#include "WrappedCommand.h"

TEST(SnmpCodec, WrappedCommandsComeBackByteForByte) {
    // Status and platen gap queries, a detail read of slot 10, bytes of 0x80 and more, one byte.
    for (const char* hex :
         {"73 74 01 00 01", "53 4E 02 00 01 01", "45 58 07 00 01 00 00 00 1B 89 00",
          "45 58 07 00 01 E8 1B 80 FF 81 7F", "00"}) {
        SCOPED_TRACE(hex);
        const Bytes command = wire::Hex(hex);
        const Bytes datagram = wire::WrappedRequest(command);
        SnmpMessage message;
        ASSERT_TRUE(SnmpMessage::Decode(datagram.data(), datagram.size(), message));
        EXPECT_EQ(message.community, "tarnel");
        ASSERT_EQ(message.bindings.size(), 1u);
        Bytes decoded;
        EXPECT_EQ(WrappedCommand::Extract(message.bindings[0].oid, decoded),
                  WrappedCommand::kCommand);
        EXPECT_EQ(ToHex(decoded), ToHex(command));
    }
}

TEST(SnmpCodec, CutDatagramsAreRefused) {
    const Bytes good = wire::WrappedRequest(wire::Hex("73 74 01 00 01"));
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        SnmpMessage message;
        EXPECT_FALSE(SnmpMessage::Decode(good.data(), cut, message)) << "cut at " << cut;
    }
}
