#include "comm/HeadMaintenance.h"

#include "LinkFixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

using HeadMaintenanceTest = LinkFixture;

TEST_F(HeadMaintenanceTest, CleaningIsRefusedForLowInkBeforeALowLevel) {
    const auto status = [](uint8_t level, const Bytes& inks) {
        return wire::StatusReply(wire::StatusBlock(4, level, inks));
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
        EXPECT_EQ(script.OpenChannels(), 0);
    }
}

}  // namespace
