// A firmware file streamed through the real spooler reaches an emulated printer intact, which then
// restarts with the file's version.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FirmwareImage.h"
#include "RecordingMessages.h"
#include "TempFolder.h"
#include "app/ServiceApp.h"
#include "comm/CommLibrary.h"
#include "comm/PrinterLink.h"
#include "firmware/FirmwareRestart.h"
#include "firmware/FirmwareUpdateJob.h"
#include "platform/CupsSpooler.h"
#include "platform/SystemClock.h"

namespace {

TEST(FirmwareDeliveryTest, StreamedFileArrivesWholeAndThePrinterTakesIt) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    EmulatedPrinter printer(sandbox);
    ASSERT_TRUE(printer.Start());
    RecordingMessages messages;
    SystemClock clock;
    CupsSpooler spooler;
    ServiceApp app(SERVATO_BIN_DIR, {messages, clock, spooler});
    CommLibrary library(spooler);
    ASSERT_TRUE(library.Load(printer.Queue(), false));

    TempFolder folder;
    const std::string image = FirmwareImage(3000000, "I20711");
    const size_t jobsBefore = printer.WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
    ASSERT_EQ(
        SendFirmwareUpdate(spooler, printer.Queue(), "I10612", folder.Write("new.UPG", image)), 0);
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), jobsBefore + 1, 30000);
    ASSERT_EQ(jobs.size(), jobsBefore + 1);
    EXPECT_EQ(jobs.back().fields.value("size").toInteger(), 16394 + int64_t(image.size()));
    EXPECT_EQ(jobs.back().Text("summary"), "Firmware update I20711");

    PrinterLink link(app, &library);
    QElapsedTimer timer;
    timer.start();
    UpdatedFirmware updated{};
    do {
        updated = ReadUpdatedFirmware(link, printer.Queue(), "I20711");
    } while (updated.messageId != 70903 && timer.elapsed() < 20000);
    EXPECT_EQ(updated.printerVersion, "I20711");
}

}  // namespace
