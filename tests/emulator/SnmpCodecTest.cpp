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

TEST(SnmpCodec, DamagedDatagramsAreRefusedWithoutReadingPastThem) {
    const Bytes good = wire::WrappedRequest(wire::Hex("73 74 01 00 01"));
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        SnmpMessage message;
        EXPECT_FALSE(SnmpMessage::Decode(good.data(), cut, message)) << "cut at " << cut;
    }
    struct Row {
        const char* what;
        Bytes datagram;
    };
    Bytes trailing = good;
    trailing.push_back(0x00);
    Bytes indefinite = good;
    indefinite[1] = 0x80;
    Bytes lengthTooLong = good;
    lengthTooLong[1] = 0x84;
    Bytes hugeLongForm = wire::Hex("30 84 FF FF FF FF 02 01 00");
    Bytes notSnmp = wire::Hex("4E 43 02 00 00 00");
    const Row rows[] = {{"trailing byte", trailing},
                        {"indefinite length", indefinite},
                        {"long form past the end", lengthTooLong},
                        {"four-byte length past the end", hugeLongForm},
                        {"a raw command", notSnmp}};
    for (const Row& row : rows) {
        SnmpMessage message;
        EXPECT_FALSE(SnmpMessage::Decode(row.datagram.data(), row.datagram.size(), message))
            << row.what;
    }
}

TEST(SnmpCodec, WrappedTailsThatDoNotAddUpAreMalformed) {
    const ObjectIdentifier& prefix = WrappedCommand::Prefix();
    auto with = [&](std::initializer_list<std::uint32_t> tail) {
        ObjectIdentifier oid = prefix;
        oid.insert(oid.end(), tail);
        return oid;
    };
    struct Row {
        const char* what;
        ObjectIdentifier oid;
        WrappedCommand::Result expected;
    };
    const Row rows[] = {
        {"good", with({4, 8, 0, 1, 0x41}), WrappedCommand::kCommand},
        {"no tail", with({}), WrappedCommand::kMalformed},
        {"length says two, one byte", with({5, 8, 0, 2, 0x41}), WrappedCommand::kMalformed},
        {"first byte not length+3", with({9, 8, 0, 1, 0x41}), WrappedCommand::kMalformed},
        {"second byte not 8", with({4, 9, 0, 1, 0x41}), WrappedCommand::kMalformed},
        {"sub-identifier above 255", with({4, 8, 0, 1, 300}), WrappedCommand::kMalformed},
        {"standard object", {1, 3, 6, 1, 2, 1, 1, 1, 0}, WrappedCommand::kNotWrapped},
        {"prefix cut short", {1, 3, 6, 1, 4, 1, 1248, 1, 2}, WrappedCommand::kNotWrapped},
    };
    for (const Row& row : rows) {
        Bytes command;
        EXPECT_EQ(WrappedCommand::Extract(row.oid, command), row.expected) << row.what;
    }
}
