#include "comm/PrinterQueries.h"

#include "LinkFixture.h"
#include "comm/QueryPackets.h"
#include "comm/WrappedFrame.h"

namespace {

using Bytes = std::vector<uint8_t>;

class PrinterQueriesTest : public LinkFixture {
  protected:
    void Answer(const std::string& text) {
        const std::string reply = "@BDC PS\r\n" + text;
        script.QueueReceive(static_cast<int32_t>(reply.size()), Text(reply));
    }
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

    Bytes sn(6), vi(6), ex(11);
    AppendSNQuery(sn);
    AppendVIQuery(vi);
    AppendEXDetailQuery(ex, 5);
    EXPECT_EQ(script.Sent(0), BuildWrappedRequest(sn));
    EXPECT_EQ(script.Sent(1), BuildWrappedRequest(vi));
    EXPECT_EQ(script.Sent(2), BuildWrappedRequest(ex));
    EXPECT_EQ(script.CountCalls("RQReceive 7 512 10000"), 3);
    EXPECT_EQ(script.CountCalls("RQCloseChannel 7"), 3);
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
    Bytes eightSlots = {0x1B, 0x00, 0x0F, 0x19, 0x03};
    for (uint8_t slot = 0; slot < 8; ++slot) {
        const uint8_t kinds[] = {1, 2, 3, 3, 3, 4, 5, 8};
        eightSlots.insert(eightSlots.end(), {0x01, kinds[slot], 0x40});
    }
    struct Row {
        const char* name;
        bool channel;
        int32_t statusResult;
        Bytes status;
        int32_t expected;
    };
    const std::vector<Row> rows = {
        {"eight-slot block", true, 40, StatusLine(eightSlots), 8},
        {"four-slot block", true, 20, StatusWithCode(4), 4},
        {"status read fails", true, -1, {}, 4},
        {"no channel", false, 40, StatusLine(eightSlots), 8},
    };
    for (const Row& row : rows) {
        script.Reset();
        if (row.channel) OfferChannel(PrinterLink::kPlainChannel);
        script.QueueStatus(row.statusResult, row.status);
        PrinterLink fresh(&library, clock);
        EXPECT_EQ(DetectInkSlotCount(fresh, kPrinter), row.expected) << row.name;
        EXPECT_EQ(script.CountCalls("RQCloseChannel"), row.channel ? 1 : 0) << row.name;
    }
}

}  // namespace
