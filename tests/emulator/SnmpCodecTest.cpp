#include <gtest/gtest.h>

#include "JobBytes.h"
#include "SnmpMessage.h"
#include "WrappedCommand.h"

// Every other wrapped command the tests send stays below 0x80; these do not.
TEST(SnmpCodec, WrappedCommandsComeBackByteForByte) {
    for (const char* hex : {"45 58 07 00 01 E8 1B 80 FF 81 7F", "00"}) {
        SCOPED_TRACE(hex);
        const Bytes command = wire::Hex(hex);
        const Bytes datagram = wire::WrappedRequest(command);
        SnmpMessage message;
        ASSERT_TRUE(SnmpMessage::Decode(datagram.data(), datagram.size(), message));
        ASSERT_EQ(message.bindings.size(), 1u);
        Bytes decoded;
        EXPECT_EQ(WrappedCommand::Extract(message.bindings[0].oid, decoded),
                  WrappedCommand::kCommand);
        EXPECT_EQ(ToHex(decoded), ToHex(command));
    }
}
