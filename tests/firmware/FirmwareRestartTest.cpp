#include "firmware/FirmwareRestart.h"

#include "LinkFixture.h"
#include "TimedProgress.h"

namespace {

class FirmwareRestartTest : public LinkFixture {
  protected:
    void SetUp() override {
        LinkFixture::SetUp();
        OfferChannel(PrinterLink::kPlainChannel);
    }
    PrinterLink link{app, &library};
    const std::vector<uint8_t> ready = StatusWithCode(4), busy = StatusWithCode(3), failed;
};

TEST_F(FirmwareRestartTest, WaitsQuietlyThenUntilReadyOrTheTimeLimit) {
    struct Row {
        const char* name;
        std::vector<std::vector<uint8_t>> statuses;  // empty: the read fails
        bool channelOpens;
        int32_t expected;
        int64_t fromMs, toMs;  // when it ends
    };
    const std::vector<Row> rows = {
        {"ready at the first read", {ready}, true, kRestartReady, 70000, 70100},
        {"busy twice, reads 2 s apart", {busy, busy, ready}, true, kRestartReady, 74000, 74100},
        {"a failed read, then ready", {failed, ready}, true, kRestartReady, 72000, 72100},
        {"stays busy", {busy}, true, kRestartTimeLimit, 150000, 150100},
        {"no channel", {ready}, false, kRestartTimeLimit, 150000, 150100},
    };
    for (const Row& row : rows) {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        if (!row.channelOpens) script.SetResult("RQOpenChannel", -1);
        for (const auto& status : row.statuses)
            script.QueueStatus(status.empty() ? -1 : 15, status);
        TimedProgress progress(clock, 150000);
        const int64_t start = clock.NowMs();
        PrinterLink fresh(app, &library);
        EXPECT_EQ(WaitForFirmwareRestart(fresh, clock, progress, kPrinter), row.expected)
            << row.name;
        EXPECT_GE(clock.NowMs() - start, row.fromMs) << row.name;
        EXPECT_LE(clock.NowMs() - start, row.toMs) << row.name;
    }
}

TEST_F(FirmwareRestartTest, TheVersionAfterwardsDecidesTheMessage) {
    script.QueueReceive(12, Text("VI:00I20711;"));
    UpdatedFirmware updated = ReadUpdatedFirmware(link, kPrinter, "I20711");
    EXPECT_EQ(updated.printerVersion, "I20711");
    EXPECT_EQ(updated.messageId, 70903);

    script.QueueReceive(12, Text("VI:00I10612;"));
    EXPECT_EQ(ReadUpdatedFirmware(link, kPrinter, "I20711").messageId, 70905);

    script.SetResult("RQOpenChannel", -1);
    updated = ReadUpdatedFirmware(link, kPrinter, "I20711");
    EXPECT_EQ(updated.printerVersion, "");
    EXPECT_EQ(updated.messageId, 70905);
}

}  // namespace
