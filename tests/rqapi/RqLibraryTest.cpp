// librqapi.so against emulated printers in one private CUPS sandbox.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "JobBytes.h"
#include "ResultCode.h"
#include "RqApi.h"
#include "SnmpCodec.h"

using namespace std::chrono;

namespace {

constexpr int32_t kPlain = rqapi::kPlainChannel;
constexpr int32_t kWrapped = rqapi::kWrappedChannel;
const std::vector<uint8_t> kVersionQuery = wire::Hex("56 49 02 00 01 00");

int64_t MillisecondsSince(steady_clock::time_point start) {
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

class RqLibraryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        ASSERT_TRUE(sandbox->Start());
    }
    static void TearDownTestSuite() { sandbox.reset(); }
    void SetUp() override {
        ASSERT_TRUE(sandbox) << "the sandbox did not start";
        ASSERT_EQ(RQInitialize(), 0);
    }
    void TearDown() override { RQRelease(); }

    // A printer of its own with short time-outs in the library's configuration.
    static ::testing::AssertionResult StartWithShortTimeOuts(EmulatedPrinter& printer) {
        auto started = printer.Start();
        std::ofstream(sandbox->RqapiConfigPath(), std::ios::app)
            << "[" << printer.Address() << "]\ntimeout_ms=400\nprobe_timeout_ms=200\n";
        return started;
    }

    static inline std::unique_ptr<CupsSandbox> sandbox;
};

// Device ID, channels, status and queries of both models over both channel types are in the
// program's integration test; here what the library does when the printer is not well.
TEST_F(RqLibraryTest, TimeOutsAreHonouredWhenThePrinterIsSilentSlowOrGone) {
    EmulatedPrinter printer(*sandbox);
    ASSERT_TRUE(StartWithShortTimeOuts(printer));
    const char* queue = printer.Queue().c_str();
    const int32_t wrapped = RQOpenChannel(1, queue, kWrapped);
    const int32_t plain = RQOpenChannel(1, queue, kPlain);
    ASSERT_GE(wrapped, 1);
    ASSERT_GE(plain, 1);

    ASSERT_TRUE(printer.SetFaults({"slow=600"}));
    for (const auto& [channel, type] : {std::pair{wrapped, kWrapped}, std::pair{plain, kPlain}}) {
        SCOPED_TRACE(type);
        // As the program sends it: wrapped in a GetRequest on the wrapped channel.
        const auto message = type == kWrapped
                                 ? rqapi::EncodeGetRequest(
                                       "tarnel", 1, rqapi::WrappedCommandIdentifier(kVersionQuery))
                                 : kVersionQuery;
        ASSERT_GE(RQSend(channel, message.data(), int32_t(message.size())), 1);
        std::array<uint8_t, 512> reply{};
        int32_t size = reply.size();
        auto start = steady_clock::now();
        EXPECT_EQ(RQReceive(channel, reply.data(), &size, 200), 0);
        EXPECT_GE(MillisecondsSince(start), 190);
        // The reply comes later, whole, to the caller who asks again.
        size = reply.size();
        const int32_t late = RQReceive(channel, reply.data(), &size, 2000);
        ASSERT_GE(late, 1);
        EXPECT_NE(std::string(reply.begin(), reply.begin() + late).find("VI:00"),
                  std::string::npos);
    }

    ASSERT_TRUE(printer.SetFaults({"unreachable"}));
    for (int32_t channel : {wrapped, plain}) {
        std::array<uint8_t, 256> status{};
        int32_t size = status.size();
        const auto start = steady_clock::now();
        EXPECT_LT(RQGetStatus(channel, status.data(), &size), 0);
        EXPECT_LT(MillisecondsSince(start), 2500);  // the configured 400 ms, not the default 3 s
    }
    std::array<uint8_t, 16> records{};
    int32_t size = records.size();
    auto start = steady_clock::now();
    EXPECT_EQ(RQGetAvailableChannel(1, queue, records.data(), &size), 2);
    EXPECT_LT(MillisecondsSince(start), 2500);
    EXPECT_EQ(records[4], 0);  // no capabilities
    EXPECT_EQ(records[12], 0);
    RQCloseChannel(wrapped);
    RQCloseChannel(plain);

    printer.Stop();
    start = steady_clock::now();
    EXPECT_LT(RQOpenChannel(1, queue, kPlain), 0);
    std::array<char, 256> id{};
    int32_t idSize = id.size();
    EXPECT_LT(RQGetDeviceID(1, queue, id.data(), &idSize), 0);
    EXPECT_LT(MillisecondsSince(start), 2500);
}

TEST_F(RqLibraryTest, MisuseGivesResultCodes) {
    EmulatedPrinter printer(*sandbox);
    ASSERT_TRUE(StartWithShortTimeOuts(printer));
    const char* queue = printer.Queue().c_str();
    std::array<uint8_t, 256> buffer{};
    int32_t size = 8;
    const std::tuple<const char*, int32_t, int32_t> rows[] = {
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
    for (const auto& [what, result, expected] : rows) EXPECT_EQ(result, expected) << what;

    const int32_t channel = RQOpenChannel(1, queue, kPlain);
    ASSERT_GE(channel, 1);
    size = 0;
    EXPECT_EQ(RQReceive(channel, buffer.data(), &size, 10), rqapi::kInvalidArgument);
    EXPECT_EQ(RQSend(channel, nullptr, 4), rqapi::kInvalidArgument);
    EXPECT_EQ(RQCloseChannel(channel), 0);
    EXPECT_EQ(RQCloseChannel(channel), rqapi::kBadHandle);
}

}  // namespace
