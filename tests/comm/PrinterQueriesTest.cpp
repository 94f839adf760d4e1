#include "comm/PrinterQueries.h"

#include "LinkFixture.h"
#include "comm/HeadMaintenance.h"

namespace {

using Bytes = std::vector<uint8_t>;
using wire::Hex;

class PrinterQueriesTest : public LinkFixture {
  protected:
    void Answer(const std::string& text) {
        const Bytes reply = wire::Reply(text);
        script.QueueReceive(static_cast<int32_t>(reply.size()), reply);
    }
    bool ClosedLastChannel() const { return script.Calls().ends_with("RQCloseChannel 7\n"); }

    PrinterLink link{&library, clock};
};

TEST_F(PrinterQueriesTest, QueriesTravelWrappedAndReadTheirReplies) {
    OfferChannel(PrinterLink::kWrappedChannel);
    Answer("SN:013;");
    EXPECT_EQ(ReadPlatenGapSetting(link, kPrinter), 4);
    Answer("VI:00KA12B3;");
    EXPECT_EQ(ReadFirmwareVersion(link, kPrinter), "KA12B3");
    Answer("EX:0000001B" + std::string(38, '0') + "02" + std::string(20, '0') + ";");
    EXPECT_EQ(ReadSlotPlatenGap(link, kPrinter, 5), 3);
    EXPECT_TRUE(ClosedLastChannel());

    EXPECT_EQ(script.Sent(0), wire::WrappedRequest(Hex("53 4E 02 00 01 01")));
    EXPECT_EQ(script.Sent(1), wire::WrappedRequest(Hex("56 49 02 00 01 00")));
    EXPECT_EQ(script.Sent(2), wire::WrappedRequest(Hex("45 58 07 00 01 00 00 00 1B 05 00")));
}

TEST_F(PrinterQueriesTest, FailedQueriesGiveTheirFallbacks) {
    OfferChannel(PrinterLink::kPlainChannel);
    script.SetResult("RQSend", -1);
    EXPECT_EQ(ReadPlatenGapSetting(link, kPrinter), 2);
    EXPECT_EQ(ReadFirmwareVersion(link, kPrinter), "");
    EXPECT_EQ(ReadSlotPlatenGap(link, kPrinter, 1), -1);

    script.SetResult("RQSend", 6);
    script.QueueReceive(8, Text("SN:019;"));
    EXPECT_EQ(ReadPlatenGapSetting(link, kPrinter), -1);
    script.QueueReceive(8, Text("XX:012;"));
    EXPECT_EQ(ReadPlatenGapSetting(link, kPrinter), 2);
}

TEST_F(PrinterQueriesTest, InkSlotCountFromTheStatusBlock) {
    const Bytes eight = StatusLine(wire::StatusBlock(4, 80, Bytes(8, 100)));
    const Bytes four = StatusLine(wire::StatusBlock(4));
    // Whether a channel opens, the status read's result and bytes, the count.
    const std::vector<std::tuple<bool, int32_t, Bytes, int32_t>> rows = {
        {true, 40, eight, 8}, {true, 20, four, 4}, {true, -1, {}, 4}, {false, 40, eight, 8}};
    for (const auto& [channel, result, status, expected] : rows) {
        script.Reset();
        if (channel) OfferChannel(PrinterLink::kPlainChannel);
        script.QueueStatus(result, status);
        PrinterLink fresh(&library, clock);
        EXPECT_EQ(DetectInkSlotCount(fresh, kPrinter), expected) << channel << " " << result;
    }
}

TEST_F(PrinterQueriesTest, CleaningIsRefusedForLowInkBeforeALowLevel) {
    const auto status = [](uint8_t level, const Bytes& inks) {
        return StatusLine(wire::StatusBlock(4, level, inks));
    };
    struct Row {
        const char* name;
        bool channelOpens;
        int32_t readResult;
        Bytes reply;
        CleaningVerdict expected;
    };
    const std::vector<Row> rows = {
        {"ink and level fine", true, 40, status(13, {26, 26, 26, 26}), CleaningVerdict::Allowed},
        {"one ink entry at 25", true, 40, status(13, {26, 25, 26, 26}), CleaningVerdict::InkTooLow},
        {"level at 12", true, 40, status(12, {26, 26, 26, 26}), CleaningVerdict::LevelTooLow},
        {"both low: ink first", true, 40, status(0, {0, 0, 0, 0}), CleaningVerdict::InkTooLow},
        {"no block in the reply", true, 8, Text("@BDC ST2"), CleaningVerdict::Allowed},
        {"read fails", true, -1, {}, CleaningVerdict::NoStatus},
        {"no channel", false, 40, status(13, {26, 26, 26, 26}), CleaningVerdict::NoStatus},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.Reset();
        if (row.channelOpens) OfferChannel(PrinterLink::kPlainChannel);
        script.QueueStatus(row.readResult, row.reply);
        PrinterLink fresh(&library, clock);
        EXPECT_EQ(CheckCleaningAllowed(fresh, kPrinter), row.expected);
        EXPECT_EQ(ClosedLastChannel(), row.channelOpens);
    }
}

}  // namespace
