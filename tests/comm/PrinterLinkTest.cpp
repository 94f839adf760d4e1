#include "comm/PrinterLink.h"

#include "LinkFixture.h"
#include "ScriptedProgress.h"
#include "comm/StatusReply.h"

namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::string_view_literals;
constexpr int32_t kPlain = PrinterLink::kPlainChannel;
constexpr int32_t kWrapped = PrinterLink::kWrappedChannel;

class PrinterLinkTest : public LinkFixture {
  protected:
    PrinterLink link{&library, clock};
};

TEST_F(PrinterLinkTest, ChannelTypeIsThePlainOneFirstAndOnlyWhenFullyCapable) {
    struct Row {
        const char* name;
        std::vector<std::pair<uint32_t, uint8_t>> records;
        int32_t expected;
    };
    const std::vector<Row> rows = {
        {"both usable", {{kWrapped, 0x07}, {kPlain, 0x07}}, kPlain},
        {"plain with bits 0x03", {{kPlain, 0x03}, {kWrapped, 0x07}}, kWrapped},
        {"only bits 0x03", {{kPlain, 0x03}, {kWrapped, 0x06}}, 0},
        {"more bits than needed", {{kPlain, 0xFF}}, kPlain},
        {"other types", {{0x10010004, 0x07}, {3, 0x07}}, 0},
        {"empty list", {}, 0},
    };
    for (const Row& row : rows) {
        script.Reset();
        script.SetChannels(row.records);
        PrinterLink fresh(&library, clock);
        EXPECT_EQ(fresh.SelectChannelType(kPrinter), row.expected) << row.name;
    }
}

TEST_F(PrinterLinkTest, ChannelListFailuresAndLies) {
    script.SetResult("RQGetAvailableChannel", -2);
    EXPECT_EQ(link.SelectChannelType(kPrinter), -2);

    script.Reset();
    script.SetChannelBytes({}, 0);
    EXPECT_EQ(link.SelectChannelType(kPrinter), 0);
    script.SetChannelBytes({}, -3);
    EXPECT_EQ(link.SelectChannelType(kPrinter), -3);
    // A count beyond the bytes delivered reads only the records held.
    script.SetChannelBytes(wire::Hex("04 00 00 00 07 00 00 00"), 1000);
    EXPECT_EQ(link.SelectChannelType(kPrinter), kWrapped);
    script.SetChannelBytes(wire::Hex("03 00 01 10 07"), 1);  // shorter than one record
    EXPECT_EQ(link.SelectChannelType(kPrinter), 0);
}

TEST_F(PrinterLinkTest, NoChannelWithoutAFullyCapableTypeOrALibrary) {
    script.SetChannels({{kPlain, 0x03}});
    EXPECT_EQ(link.OpenChannel(kPrinter), -1);
    OfferChannel(kPlain);
    script.SetResult("RQOpenChannel", 0);
    Bytes reply(512);
    EXPECT_EQ(PrinterLink(&library, clock).Query(kPrinter, Text("VI"), reply, 100), -1);

    PrinterLink none(nullptr, clock);
    EXPECT_EQ(none.OpenChannel(kPrinter), -1);
    EXPECT_EQ(none.WaitUntilReady(kPrinter, {}), -1);
    EXPECT_FALSE(none.DeviceDescriptionMatches(kPrinter, "ZENTA Corvid 4000"));
}

TEST_F(PrinterLinkTest, ReadStatusTakesTheBlockAfterTheFirstLineEnd) {
    struct Row {
        const char* name;
        int32_t libraryResult;
        Bytes bytes;
        int32_t expected;
        bool readyAfter;  // the block held before is a ready one
    };
    const std::vector<Row> rows = {
        {"busy block", 24, StatusWithCode(3), 24, false},
        {"no line end keeps the block", 9, Text("@BDC ST2"), 9, true},
        {"nothing after the line end", 10, wire::StatusReply({}), -1, false},
        {"library failure", -5, StatusWithCode(3), -5, true},
        {"library answers 0", 0, StatusWithCode(3), 0, true},
        {"block on the first line end", 30, Text("\r\n\x03\x00\x01\x01\x03\r\n"sv), 30, false},
    };
    for (const Row& row : rows) {
        script.Reset();
        script.QueueStatus(row.libraryResult, row.bytes);
        StatusReply status;
        ASSERT_TRUE(status.Assign(wire::Hex("03 00 01 01 04")));
        EXPECT_EQ(link.ReadStatus(7, status), row.expected) << row.name;
        EXPECT_EQ(status.IsReady(), row.readyAfter) << row.name;
    }
}

TEST_F(PrinterLinkTest, PlainExchangeSendsAsIsAndAsksAgainOnNothingYet) {
    OfferChannel(kPlain);
    const int32_t channel = link.OpenChannel(kPrinter);
    script.QueueReceive(0, {});
    script.QueueReceive(9, Text("VI:00KA1;"));
    Bytes reply(512);
    EXPECT_EQ(link.Exchange(channel, Text("VI\x02\x00\x01\x00"sv), reply, 10000), 9);
    EXPECT_EQ(script.Sent(0), Text("VI\x02\x00\x01\x00"sv));
    EXPECT_EQ(std::string(reply.begin(), reply.begin() + 9), "VI:00KA1;");

    script.SetResult("RQSend", -3);
    EXPECT_EQ(link.Exchange(channel, Text("VI"), reply, 10000), -3);
    script.SetResult("RQSend", 6);
    script.QueueReceive(-7, {});
    EXPECT_EQ(link.Exchange(channel, Text("VI"), reply, 10000), -7);
}

TEST_F(PrinterLinkTest, ReceivingNothingEndsWithTheTimeOut) {
    for (int32_t type : {kPlain, kWrapped}) {
        script.Reset();
        OfferChannel(type);
        PrinterLink fresh(&library, clock);
        const int32_t channel = fresh.OpenChannel(kPrinter);
        // Garbage without the marker counts as nothing on the wrapped channel.
        if (type == kWrapped)
            for (int i = 0; i < 100; ++i) script.QueueReceive(20, Bytes(20, 'x'));
        const int64_t start = clock.NowMs();
        Bytes reply(512);
        EXPECT_EQ(fresh.Exchange(channel, Text("JI\x02\x00\x01\x00"sv), reply, 2000), 0) << type;
        EXPECT_NEAR(clock.NowMs() - start, 2050, 50);
        EXPECT_EQ(reply, Bytes(512));
    }
}

TEST_F(PrinterLinkTest, WrappedExchangeFindsTheReplyAfterItsMarker) {
    OfferChannel(kWrapped);
    const int32_t channel = link.OpenChannel(kPrinter);
    const Bytes command = wire::Hex("4A 49 02 00 01 E8");
    const std::string answer = "\x30\x2a junk @BDC PS\r\nJI:00;";
    script.QueueReceive(0, {});
    script.QueueReceive(12, Text("no marker  "));
    script.QueueReceive(static_cast<int32_t>(answer.size()), Text(answer));
    Bytes reply(512);
    EXPECT_EQ(link.Exchange(channel, command, reply, 10000), static_cast<int32_t>(answer.size()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(reply.data())), "@BDC PS\r\nJI:00;");

    // A reply that would fill the caller's room is counted but not copied.
    Bytes full = wire::Reply(std::string(91, 'y'));
    script.QueueReceive(100, full);
    Bytes small(100);
    EXPECT_EQ(link.Exchange(channel, command, small, 10000), 100);
    EXPECT_EQ(small, Bytes(100));
    // A library claiming more than the room it was given is held to that room.
    script.QueueReceive(5000, wire::Reply("SN:011;"));
    Bytes room64(64);
    EXPECT_EQ(link.Exchange(channel, command, room64, 10000), 64);
}

TEST_F(PrinterLinkTest, QueryClosesWhatItOpened) {
    OfferChannel(kPlain);
    script.QueueReceive(5, Text("SN:01"));
    Bytes reply(512);
    EXPECT_EQ(link.Query(kPrinter, Text("SN\x02\x00\x01\x01"sv), reply, 10000), 5);
    EXPECT_EQ(script.OpenChannels(), 0);
    script.SetResult("RQSend", -1);
    EXPECT_EQ(link.Query(kPrinter, Text("SN\x02\x00\x01\x01"sv), reply, 10000), -1);
    EXPECT_EQ(script.OpenChannels(), 0);
}

TEST_F(PrinterLinkTest, DeviceDescriptionMatchesTheWholeFieldExactly) {
    const std::tuple<std::string, int32_t, bool> rows[] = {
        {"MFG:ZENTA;CMD:RM;DES:ZENTA Corvid 4000;CLS:PRINTER;", 0, true},
        {"DES:ZENTA Corvid 4000;", 0, true},
        {"MFG:ZENTA;DES:ZENTA Corvid 4000", 0, false},
        {"MFG:ZENTA;DES:zenta corvid 4000;", 0, false},
        {"MFG:ZENTA;DES:ZENTA Corvid 40000;", 0, false},
        {"MFG:ZENTA;DES:;", 0, false},
        {"MFG:ZENTA;MDL:Corvid 4000;", 0, false},
        {"DES:ZENTA Corvid 4000;", 1, false},
        {std::string(300, 'A'), 0, false},
    };
    for (const auto& [deviceId, result, matches] : rows) {
        script.Reset();
        script.SetDeviceId(deviceId);
        script.SetResult("RQGetDeviceID", result);
        EXPECT_EQ(link.DeviceDescriptionMatches(kPrinter, "ZENTA Corvid 4000"), matches)
            << deviceId;
    }
}

TEST_F(PrinterLinkTest, WaitUntilReadyTriesTwiceMoreFiveSecondsApart) {
    struct Row {
        const char* name;
        std::vector<uint8_t> codes;  // status code of each read; the last one stays
        bool showProgress;
        int32_t expected;
        int64_t elapsedMs;
        bool progressShown;
    };
    const std::vector<Row> rows = {
        {"ready at once", {4}, true, 1, 0, false},
        {"ready at the first retry", {3, 4}, true, 1, 5000, true},
        {"ready at the second retry, no progress", {3, 3, 4}, false, 1, 10000, false},
        {"never ready", {3}, true, 0, 10000, true},
        {"error is not ready", {0}, false, 0, 10000, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.Reset();
        OfferChannel(kPlain);
        for (uint8_t code : row.codes) script.QueueStatus(15, StatusWithCode(code));
        bool shown = false;
        ReadyWaitView view;
        if (row.showProgress) {
            view.openProgress = [&]() -> std::unique_ptr<WaitProgress> {
                shown = true;
                return std::make_unique<ScriptedProgress>(clock, 15000);
            };
        }
        PrinterLink fresh(&library, clock);
        const int64_t start = clock.NowMs();
        EXPECT_EQ(fresh.WaitUntilReady(kPrinter, view), row.expected);
        EXPECT_NEAR(clock.NowMs() - start, row.elapsedMs + 50, 50);
        EXPECT_EQ(shown, row.progressShown);
    }
    script.Reset();
    script.SetChannels({});
    EXPECT_EQ(link.WaitUntilReady(kPrinter, {}), 0);
}

TEST_F(PrinterLinkTest, WaitUntilReadyHandlesEventsWhenAskedOrSleeps) {
    OfferChannel(kPlain);
    script.QueueStatus(15, StatusWithCode(3));
    EXPECT_EQ(link.WaitUntilReady(kPrinter, {.openProgress = {}, .pumpEvents = true}), 0);
    EXPECT_EQ(clock.sleptMs(), 0);
    EXPECT_EQ(link.WaitUntilReady(kPrinter, {}), 0);
    EXPECT_EQ(clock.sleptMs(), 10000);
}

}  // namespace
