#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "JobBytes.h"
#include "ReplyFraming.h"
#include "RqConfig.h"
#include "SnmpCodec.h"

using namespace rqapi;

namespace {

// A GetResponse with one binding whose value is given as tag and contents.
std::vector<uint8_t> Response(int requestId, int errorStatus, uint8_t tag,
                              const std::vector<uint8_t>& value) {
    std::vector<uint8_t> binding = {0x06, 0x03, 0x2B, 0x06, 0x01, tag, uint8_t(value.size())};
    binding.insert(binding.end(), value.begin(), value.end());
    const std::vector<uint8_t> pdu =
        wire::Concat({{0x02, 0x01, uint8_t(requestId), 0x02, 0x01, uint8_t(errorStatus), 0x02, 0x01,
                       0x00, 0x30, uint8_t(binding.size() + 2), 0x30, uint8_t(binding.size())},
                      binding});
    const std::vector<uint8_t> body = wire::Concat(
        {wire::Hex("02 01 00 04 06"), wire::Text("public"), {0xA2, uint8_t(pdu.size())}, pdu});
    return wire::Concat({{0x30, uint8_t(body.size())}, body});
}

}  // namespace

TEST(SnmpCodec, CommandsAreWrappedAsTheProgramWrapsThem) {
    // Status query, EX of slot 3, bytes of 0x80 and more (two bytes each).
    for (const char* command :
         {"73 74 01 00 01", "45 58 07 00 01 00 00 00 1B 03 00", "56 49 02 00 E8 80"}) {
        const auto request =
            EncodeGetRequest("tarnel", 1, WrappedCommandIdentifier(wire::Hex(command)));
        EXPECT_EQ(request, wire::WrappedRequest(wire::Hex(command))) << command;
    }
}

TEST(SnmpCodec, DeviceIdObjectAndLongRequests) {
    const std::array<uint32_t, 15> arcs = {1, 3, 6, 1, 4, 1, 2699, 1, 2, 1, 2, 1, 1, 3, 1};
    EXPECT_EQ(EncodeObjectIdentifier(arcs),
              (std::vector<uint8_t>{0x2B, 6, 1, 4, 1, 0x95, 0x0B, 1, 2, 1, 2, 1, 1, 3, 1}));
    // Request ids of several bytes and a community of 300 bytes still decode as BER.
    const std::string community(300, 'c');
    const auto request = EncodeGetRequest(community, 0x12345, EncodeObjectIdentifier(arcs));
    ASSERT_GE(request.size(), 4u);
    EXPECT_EQ(request[0], 0x30);
    EXPECT_EQ(request[1], 0x82);
    EXPECT_EQ(size_t(request[2] << 8 | request[3]) + 4, request.size());
}

TEST(SnmpCodec, DecodesResponsesAndRefusesMalformedOnes) {
    const auto value = wire::Text("@BDC PS\r\nVI:00A1.20;");
    const auto good = Response(5, 0, 0x04, value);
    const auto decoded = DecodeGetResponse(good);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->requestId, 5);
    EXPECT_EQ(decoded->errorStatus, 0);
    EXPECT_EQ(decoded->valueTag, 0x04);
    EXPECT_EQ(decoded->value, value);

    const auto noSuchName = DecodeGetResponse(Response(6, 2, 0x05, {}));
    ASSERT_TRUE(noSuchName);
    EXPECT_EQ(noSuchName->errorStatus, 2);

    auto getRequest = good;
    getRequest[13] = 0xA0;
    std::vector<std::vector<uint8_t>> malformed = {{}, {0x30}, {0x30, 0x05, 0x02}, getRequest};
    for (size_t cut = 1; cut < good.size(); ++cut) {
        malformed.emplace_back(good.begin(), good.begin() + long(cut));
    }
    auto overlong = good;
    overlong[1] = 0x84;  // a length of four bytes
    malformed.push_back(overlong);
    for (const auto& datagram : malformed) {
        EXPECT_FALSE(DecodeGetResponse(datagram)) << "size " << datagram.size();
    }
}

TEST(ReplyFraming, WholeRepliesOnly) {
    const std::string status = std::string("@BDC ST2\r\n") + '\x04' + '\x00' + "\x01\x01\x04;";
    struct Row {
        std::string received;
        size_t expected;
    } rows[] = {
        {"", 0},
        {"@BDC PS\r", 0},
        {"@BDC PS\r\nVI:00A1", 0},
        {"@BDC PS\r\nVI:00A1;", 17},
        {"@BDC PS\r\nVI:00A1;@BDC PS\r\n", 17},
        {status.substr(0, 11), 0},
        {status.substr(0, 15), 0},
        {status.substr(0, 16), 16},  // the ";" is the block's last byte, not a terminator
        {status + "tail", 16},
        {std::string("@BDC ST2\r\n\xFF\xFF", 12), 0},
        {";;;", 0},
    };
    for (const auto& row : rows) {
        const std::vector<uint8_t> bytes(row.received.begin(), row.received.end());
        EXPECT_EQ(CompleteReplyLength(bytes), row.expected) << row.received;
    }
}

TEST(RqConfig, GlobalAndPerHostSettings) {
    const std::string text =
        "# ports for tests\n"
        "snmp_port=10161\r\n"
        " control_port = 10101 # comment\n"
        "timeout_ms=250\n"
        "bogus=1\n"
        "probe_timeout_ms=-5\n"
        "[127.0.0.3]\n"
        "snmp_port=20161\n"
        "control_port=70000\n"
        "[127.0.0.4]\n"
        "snmp_port=30161\n"
        "[127.0.0.3]\n"
        "control_port=20101\n";
    const RqSettings first = RqConfig::Parse(text, "127.0.0.2");
    EXPECT_EQ(first.snmpPort, 10161);
    EXPECT_EQ(first.controlPort, 10101);
    EXPECT_EQ(first.timeoutMs, 250);
    EXPECT_EQ(first.probeTimeoutMs, RqSettings{}.probeTimeoutMs);
    const RqSettings third = RqConfig::Parse(text, "127.0.0.3");
    EXPECT_EQ(third.snmpPort, 20161);
    EXPECT_EQ(third.controlPort, 20101);
    EXPECT_EQ(third.timeoutMs, 250);
    const RqSettings none = RqConfig::Parse("", "127.0.0.2");
    EXPECT_EQ(none.snmpPort, 161);
    EXPECT_EQ(none.controlPort, 9101);
}
