#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "ResultCode.h"
#include "RqApi.h"
#include "SnmpCodec.h"

using namespace std::chrono;

namespace {

constexpr int32_t kPlain = rqapi::kPlainChannel;
constexpr int32_t kWrapped = rqapi::kWrappedChannel;
const std::vector<uint8_t> kVersionQuery = {0x56, 0x49, 0x02, 0x00, 0x01, 0x00};
const std::vector<uint8_t> kPlatenGapQuery = {0x53, 0x4E, 0x02, 0x00, 0x01, 0x01};

std::string Text(const uint8_t* data, int32_t size) {
    return size > 0 ? std::string(reinterpret_cast<const char*>(data), size_t(size)) : "";
}

int64_t MillisecondsSince(steady_clock::time_point start) {
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

// One command over an open channel as the program sends it: wrapped in a GetRequest on the
// wrapped channel, as it is on the plain one. The reply text from the marker on.
std::string Exchange(int32_t channel, int32_t type, const std::vector<uint8_t>& command) {
    const auto message =
        type == kWrapped
            ? rqapi::EncodeGetRequest("tarnel", 1, rqapi::WrappedCommandIdentifier(command))
            : command;
    if (RQSend(channel, message.data(), int32_t(message.size())) < 1) return "send failed";
    std::array<uint8_t, 512> reply{};
    int32_t size = reply.size();
    const int32_t received = RQReceive(channel, reply.data(), &size, 3000);
    if (received < 1) return "receive " + std::to_string(received);
    const std::string text = Text(reply.data(), received);
    const size_t marker = text.find("@BDC PS\r\n");
    return marker == std::string::npos ? text : text.substr(marker);
}

// The status block behind "@BDC ST2\r\n": its first field of type 01 is the status code.
int StatusCode(const std::string& reply) {
    const size_t start = reply.find("\r\n");
    if (start == std::string::npos || reply.size() < start + 4) return -1;
    const size_t length = uint8_t(reply[start + 2]) | uint8_t(reply[start + 3]) << 8;
    if (reply.size() != start + 4 + length) return -2;
    for (size_t at = start + 4; at + 2 <= reply.size();) {
        const size_t n = uint8_t(reply[at + 1]);
        if (reply[at] == 0x01 && n >= 1 && at + 2 < reply.size()) return uint8_t(reply[at + 2]);
        at += n + 2;
    }
    return -3;
}

class RqLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sandbox_.Start());
        ASSERT_EQ(RQInitialize(), 0);
    }
    void TearDown() override { RQRelease(); }

    // Adds per-host settings behind the printer's ports.
    void Configure(const EmulatedPrinter& printer, const std::string& lines) {
        std::ofstream(sandbox_.RqapiConfigPath(), std::ios::app)
            << "[" << printer.Address() << "]\n"
            << lines << "\n";
    }

    CupsSandbox sandbox_;
};

TEST_F(RqLibraryTest, DeviceIdChannelsStatusAndQueriesOfBothModels) {
    EmulatedPrinter large(sandbox_, {.model = "ZENTA Corvid 4000"});
    EmulatedPrinter small(sandbox_, {.model = "ZENTA Corvid 2000"});
    ASSERT_TRUE(large.Start());
    ASSERT_TRUE(small.Start());
    for (EmulatedPrinter* printer : {&large, &small}) {
        SCOPED_TRACE(printer->Queue());
        const char* queue = printer->Queue().c_str();
        std::array<char, 256> id{};
        int32_t idSize = id.size();
        ASSERT_EQ(RQGetDeviceID(1, queue, id.data(), &idSize), 0);
        EXPECT_NE(std::string(id.data()).find("DES:" + printer->Model() + ";"), std::string::npos)
            << id.data();

        int32_t needed = 0;
        EXPECT_EQ(RQGetAvailableChannel(1, queue, nullptr, &needed), rqapi::kBufferTooSmall);
        ASSERT_EQ(needed, 16);
        std::vector<uint8_t> records(size_t(needed), 0xEE);
        ASSERT_EQ(RQGetAvailableChannel(1, queue, records.data(), &needed), 2);
        EXPECT_EQ(records, (std::vector<uint8_t>{0x03, 0x00, 0x01, 0x10, 0x07, 0, 0, 0, 0x04, 0x00,
                                                 0x00, 0x00, 0x07, 0, 0, 0}));

        for (int32_t type : {kPlain, kWrapped}) {
            SCOPED_TRACE(type);
            const int32_t channel = RQOpenChannel(1, queue, type);
            ASSERT_GE(channel, 1);
            std::array<uint8_t, 256> status{};
            int32_t size = status.size();
            const int32_t got = RQGetStatus(channel, status.data(), &size);
            ASSERT_GE(got, 1);
            const std::string reply = Text(status.data(), got);
            EXPECT_EQ(reply.substr(0, 10), "@BDC ST2\r\n");
            EXPECT_EQ(StatusCode(reply), 4);  // ready

            EXPECT_EQ(Exchange(channel, type, kVersionQuery).substr(0, 14), "@BDC PS\r\nVI:00");
            const std::string gap = Exchange(channel, type, kPlatenGapQuery);
            EXPECT_EQ(gap.substr(0, 14), "@BDC PS\r\nSN:01") << gap;
            EXPECT_EQ(gap.back(), ';');
            EXPECT_EQ(RQCloseChannel(channel), 0);
        }
    }
    // Each printer saw its own queries only.
    EXPECT_FALSE(large.Journal().empty());
    EXPECT_FALSE(small.Journal().empty());
}

TEST_F(RqLibraryTest, TimeOutsAreHonouredWhenThePrinterIsSilentSlowOrGone) {
    EmulatedPrinter printer(sandbox_);
    ASSERT_TRUE(printer.Start());
    Configure(printer, "timeout_ms=400\nprobe_timeout_ms=200");
    const char* queue = printer.Queue().c_str();
    const int32_t wrapped = RQOpenChannel(1, queue, kWrapped);
    const int32_t plain = RQOpenChannel(1, queue, kPlain);
    ASSERT_GE(wrapped, 1);
    ASSERT_GE(plain, 1);

    ASSERT_TRUE(printer.SetFaults({"slow=600"}));
    for (int32_t channel : {wrapped, plain}) {
        SCOPED_TRACE(channel);
        const auto message = channel == wrapped
                                 ? rqapi::EncodeGetRequest(
                                       "tarnel", 1, rqapi::WrappedCommandIdentifier(kVersionQuery))
                                 : kVersionQuery;
        ASSERT_GE(RQSend(channel, message.data(), int32_t(message.size())), 1);
        std::array<uint8_t, 512> reply{};
        int32_t size = reply.size();
        auto start = steady_clock::now();
        EXPECT_EQ(RQReceive(channel, reply.data(), &size, 200), 0);
        EXPECT_GE(MillisecondsSince(start), 190);
        EXPECT_LT(MillisecondsSince(start), 200 + 500);  // generous: the machine may be loaded
        // The reply comes later, whole, to the caller who asks again.
        size = reply.size();
        const int32_t late = RQReceive(channel, reply.data(), &size, 2000);
        ASSERT_GE(late, 1);
        EXPECT_NE(Text(reply.data(), late).find("VI:00"), std::string::npos);
    }

    ASSERT_TRUE(printer.SetFaults({"unreachable"}));
    for (int32_t channel : {wrapped, plain}) {
        std::array<uint8_t, 256> status{};
        int32_t size = status.size();
        const auto start = steady_clock::now();
        EXPECT_LT(RQGetStatus(channel, status.data(), &size), 0);
        EXPECT_LT(MillisecondsSince(start), 400 + 1000);
    }
    std::array<uint8_t, 16> records{};
    int32_t size = records.size();
    auto start = steady_clock::now();
    EXPECT_EQ(RQGetAvailableChannel(1, queue, records.data(), &size), 2);
    EXPECT_LT(MillisecondsSince(start), 200 + 1000);
    EXPECT_EQ(records[4], 0);
    EXPECT_EQ(records[12], 0);
    RQCloseChannel(wrapped);
    RQCloseChannel(plain);

    printer.Stop();
    start = steady_clock::now();
    EXPECT_LT(RQOpenChannel(1, queue, kPlain), 0);
    std::array<char, 256> id{};
    int32_t idSize = id.size();
    EXPECT_LT(RQGetDeviceID(1, queue, id.data(), &idSize), 0);
    EXPECT_LT(MillisecondsSince(start), 2000);
}

TEST_F(RqLibraryTest, GarbageAndMisuseGiveResultCodes) {
    EmulatedPrinter printer(sandbox_, {.faults = {"garbled"}});
    ASSERT_TRUE(printer.Start());
    Configure(printer, "timeout_ms=400");
    const char* queue = printer.Queue().c_str();
    for (int32_t type : {kPlain, kWrapped}) {
        const int32_t channel = RQOpenChannel(1, queue, type);
        ASSERT_GE(channel, 1);
        std::array<uint8_t, 256> status{};
        int32_t size = status.size();
        const int32_t got = RQGetStatus(channel, status.data(), &size);
        EXPECT_LE(got, int32_t(status.size()));
        const std::vector<uint8_t> noise = {0xFF, 0x00, 0x30, 0x82, 0xFF, 0xFF, 0x1B};
        EXPECT_EQ(RQSend(channel, noise.data(), int32_t(noise.size())), int32_t(noise.size()));
        size = status.size();
        EXPECT_LE(RQReceive(channel, status.data(), &size, 300), int32_t(status.size()));
        EXPECT_EQ(RQReceiveCancel(channel), 0);
        RQCloseChannel(channel);
    }

    std::array<uint8_t, 8> buffer{};
    int32_t size = buffer.size();
    struct Row {
        const char* what;
        int32_t result;
        int32_t expected;
    } rows[] = {
        {"unknown queue", RQOpenChannel(1, "NoSuchQueue", kPlain), rqapi::kNoPrinter},
        {"null queue", RQOpenChannel(1, nullptr, kWrapped), rqapi::kNoPrinter},
        {"bad type", RQOpenChannel(1, queue, 3), rqapi::kNoChannel},
        {"closed handle", RQSend(5, buffer.data(), 1), rqapi::kBadHandle},
        {"negative handle", RQReceive(-1, buffer.data(), &size, 10), rqapi::kBadHandle},
        {"huge handle", RQCloseChannel(1 << 30), rqapi::kBadHandle},
        {"null size", RQGetAvailableChannel(1, queue, buffer.data(), nullptr),
         rqapi::kInvalidArgument},
        {"small list", RQGetAvailableChannel(1, queue, buffer.data(), &size),
         rqapi::kBufferTooSmall},
        {"null id", RQGetDeviceID(1, queue, nullptr, &size), rqapi::kInvalidArgument},
        {"option", RQSetOption(1, 1, nullptr, 0), rqapi::kBadHandle},
    };
    for (const auto& row : rows) EXPECT_EQ(row.result, row.expected) << row.what;

    const int32_t channel = RQOpenChannel(1, queue, kPlain);
    ASSERT_GE(channel, 1);
    size = 0;
    EXPECT_EQ(RQReceive(channel, buffer.data(), &size, 10), rqapi::kInvalidArgument);
    EXPECT_EQ(RQSend(channel, nullptr, 4), rqapi::kInvalidArgument);
    EXPECT_EQ(RQCloseChannel(channel), 0);
    EXPECT_EQ(RQCloseChannel(channel), rqapi::kBadHandle);
}

}  // namespace
