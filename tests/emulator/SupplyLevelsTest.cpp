#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "Eventually.h"

// CUPS's socket backend reads the supplies table after a job once the printer has told it its
// localization and character set; the queue then shows the printer's ink levels.
TEST(SupplyLevels, TheQueueShowsTheInksAfterARawJob) {
    CupsSandbox sandbox;
    ASSERT_TRUE(sandbox.Start());
    // The sandbox switches the backends' SNMP look-ups off; here they are the point. The backend
    // asks port 161, which each emulator can take on its own address.
    std::ofstream(sandbox.Folder() + "/snmp.conf") << "Community public\n";
    EmulatedPrinter printer(sandbox, {.model = "ZENTA Corvid 2000",
                                      .faults = {"low-ink=10"},
                                      .extraArgs = {"--snmp-port", "161"}});
    ASSERT_TRUE(printer.Start());

    const std::string file = sandbox.Folder() + "/job.bin";
    const std::string remoteMode("\x1B@\x1B(R\x08\0\0REMOTE1\x1B\0\0\0", 19);  // in and out
    std::ofstream(file, std::ios::binary) << remoteMode;
    std::string output;
    ASSERT_EQ(ChildProcess::Run(
                  {"lp", "-h", sandbox.Server(), "-d", printer.Queue(), "-o", "raw", file}, output),
              0)
        << output;
    ASSERT_EQ(printer.WaitForJournal(EmulatedPrinter::Event("job"), 1).size(), 1u)
        << sandbox.ErrorLog();
    ASSERT_TRUE(sandbox.WaitUntilIdle(printer.Queue()));

    std::vector<int> levels;
    Eventually([&] { return !(levels = sandbox.MarkerLevels(printer.Queue())).empty(); });
    EXPECT_EQ(levels, (std::vector<int>{100, 100, 100, 10}))
        << "SNMP requests the backend made:\n"
        << [&] {
               std::string notes;
               for (const JournalEntry& query :
                    printer.WaitForJournal(EmulatedPrinter::Event("query"), 0, 0))
                   notes += query.Text("kind") + " " + query.Text("note") + "\n";
               return notes;
           }();
}
