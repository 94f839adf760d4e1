#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ReplyFraming.h"
#include "RqConfig.h"
#include "SnmpCodec.h"

using namespace rqapi;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The GetRequest exactly as the program lays out a wrapped command, byte by byte.
std::vector<uint8_t> ProgramWrapped(const std::vector<uint8_t>& command) {
    std::vector<uint8_t> tail = {uint8_t(command.size() + 3), 0x08, uint8_t(command.size() >> 8),
                                 uint8_t(command.size())};
    tail.insert(tail.end(), command.begin(), command.end());
    std::vector<uint8_t> oid = {0x2B, 0x06, 0x01, 0x04, 0x01, 0x89, 0x60,
                                0x01, 0x02, 0x02, 0x28, 0x01, 0x01, 0x02};
    for (uint8_t b : tail) {
        if (b < 0x80) {
            oid.push_back(b);
        } else {
            oid.push_back(0x81);
            oid.push_back(uint8_t(b - 0x80));
        }
    }
    const auto n = uint8_t(oid.size());
    std::vector<uint8_t> m = {0x30, uint8_t(n + 30), 0x02, 0x01, 0x00, 0x04, 0x06};
    for (char c : std::string("tarnel")) m.push_back(uint8_t(c));
    for (uint8_t b : {0xA0, n + 17, 0x02, 0x01, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30,
                      n + 6, 0x30, n + 4, 0x06, int(n)}) {
        m.push_back(uint8_t(b));
    }
    m.insert(m.end(), oid.begin(), oid.end());
    m.push_back(0x05);
    m.push_back(0x00);
    return m;
}

// A GetResponse with one binding whose value is given as tag and contents.
std::vector<uint8_t> Response(int requestId, int errorStatus, uint8_t tag,
                              const std::vector<uint8_t>& value) {
    std::vector<uint8_t> binding = {0x06, 0x03, 0x2B, 0x06, 0x01, tag, uint8_t(value.size())};
    binding.insert(binding.end(), value.begin(), value.end());
    std::vector<uint8_t> pdu = {0x02,
                                0x01,
                                uint8_t(requestId),
                                0x02,
                                0x01,
                                uint8_t(errorStatus),
                                0x02,
                                0x01,
                                0x00,
                                0x30,
                                uint8_t(binding.size() + 2),
                                0x30,
                                uint8_t(binding.size())};
    pdu.insert(pdu.end(), binding.begin(), binding.end());
    std::vector<uint8_t> body = {
        0x02, 0x01, 0x00, 0x04, 0x06, 'p', 'u', 'b', 'l', 'i', 'c', 0xA2, uint8_t(pdu.size())};
    body.insert(body.end(), pdu.begin(), pdu.end());
    std::vector<uint8_t> message = {0x30, uint8_t(body.size())};
    message.insert(message.end(), body.begin(), body.end());
    return message;
}

}  // namespace

TEST(SnmpCodec, StatusRequestIsWrappedAsTheProgramWrapsCommands) {
    const std::vector<std::vector<uint8_t>> commands = {
        {0x73, 0x74, 0x01, 0x00, 0x01},                                      // st
        {0x45, 0x58, 0x07, 0x00, 0x01, 0x00, 0x00, 0x00, 0x1B, 0x03, 0x00},  // EX 1B slot 3
        {0x56, 0x49, 0x02, 0x00, 0xE8, 0x80},  // bytes of 0x80 and more take two bytes
    };
    for (const auto& command : commands) {
        const auto request = EncodeGetRequest("tarnel", 1, WrappedCommandIdentifier(command));
        EXPECT_EQ(request, ProgramWrapped(command));
    }
    const auto ex = WrappedCommandIdentifier(commands[1]);
    EXPECT_EQ(ex.size(), 14u + 15u);
    EXPECT_EQ(std::vector<uint8_t>(ex.begin() + 14, ex.begin() + 18),
              (std::vector<uint8_t>{0x0E, 0x08, 0x00, 0x0B}));
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
    const auto value = Bytes("@BDC PS\r\nVI:00A1.20;");
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
