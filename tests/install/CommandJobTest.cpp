#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "InstalledTree.h"
#include "QueueRequests.h"
#include "comm/HeadMaintenance.h"

namespace {

constexpr int kJobStopped = 6;
constexpr int kJobCompleted = 9;

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

std::vector<uint8_t> BytesOf(const JobBuffer& job) {
    return {job.Bytes().begin(), job.Bytes().end()};
}

// Command jobs as any CUPS client sends them, to a queue added from the installed PPD: what
// reaches the emulated printer, how the job ends, what the queue reports.
TEST(CommandJobs, ReachThePrinterAsTheProgramsJobsOrFailWithTheReason) {
    struct Row {
        const char* name;
        std::string file;
        std::vector<std::string> faults;
        std::vector<uint8_t> sent;  // empty: nothing reaches the printer
        int state;
        // A part of the reason a stopped job gives, or of the job's lines in the server's log.
        std::string message{};
        std::vector<int> levels{};
    };
    const std::vector<Row> rows = {
        // First, while every ink is still full: cleanings use ink.
        {"ink levels",
         "#CUPS-COMMAND\nReportLevels\n",
         {"low-ink=10"},
         {},
         kJobCompleted,
         "",
         {100, 100, 100, 100, 100, 100, 100, 10}},
        {"cleaning", "#CUPS-COMMAND\nClean all\n", {}, BytesOf(HeadCleaningJob()), kJobCompleted},
        {"self-test page",
         "#CUPS-COMMAND\nPrintSelfTestPage\n",
         {},
         BytesOf(NozzleCheckJob()),
         kJobCompleted},
        {"a cleaning asked for thousands of times, no last newline",
         Repeated("Clean all\n", 3000) + "Clean all",
         {},
         BytesOf(HeadCleaningJob()),
         kJobCompleted},
        {"no command", "#CUPS-COMMAND\n", {}, {}, kJobCompleted},
        {"unknown commands, binary data, thousands of lines",
         "#CUPS-COMMAND\nAutoConfigure\n" + std::string("\0\xFF\x1B@REMOTE1\n", 12) +
             Repeated("Bogus\n", 5000),
         {},
         {},
         kJobCompleted,
         "Unknown command ignored: "},
        {"low ink refuses cleaning",
         "Clean all\n",
         {"low-ink=10"},
         {},
         kJobStopped,
         "Head cleaning refused: an ink is low"},
        {"unreachable printer",
         "Clean all\n",
         {"unreachable"},
         {},
         kJobStopped,
         "status cannot be read"},
    };

    InstalledTree tree;
    ASSERT_TRUE(tree.Install());
    CupsSandbox sandbox;
    sandbox.UsePpdFolder(tree.PpdFolder());
    ASSERT_TRUE(sandbox.Start());
    EmulatedPrinter printer(sandbox);
    ASSERT_TRUE(printer.Start());
    const std::string queue = "Maintained";
    std::string output;
    ASSERT_EQ(ChildProcess::Run(
                  {"lpadmin", "-h", sandbox.Server(), "-p", queue, "-E", "-v",
                   "socket://" + printer.Address() + ":" + std::to_string(printer.RawPort()), "-m",
                   "servato2/ZENTA_Corvid_4000.ppd"},
                  output),
              0)
        << output;

    std::vector<std::string> faults;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.faults != faults) {
            faults = row.faults;
            ASSERT_TRUE(printer.SetFaults(faults));
        }
        const size_t before = printer.WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
        const std::string file = sandbox.Folder() + "/commands";
        std::ofstream(file, std::ios::binary | std::ios::trunc) << row.file;

        const auto start = std::chrono::steady_clock::now();
        const int job =
            SubmitWithLp(sandbox.Server(), queue,
                         {"-o", "document-format=application/vnd.cups-command"}, file, output);
        ASSERT_GT(job, 0) << output;
        const JobOutcome outcome = WaitForJobEnd(job);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_EQ(outcome.state, row.state) << sandbox.ErrorLog();
        if (row.state == kJobStopped) {
            EXPECT_NE(outcome.message.find(row.message), std::string::npos) << outcome.message;
        } else if (!row.message.empty()) {
            const std::string logged = "[Job " + std::to_string(job) + "] " + row.message;
            EXPECT_NE(sandbox.ErrorLog().find(logged), std::string::npos) << sandbox.ErrorLog();
        }

        const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), before + 1,
                                                 row.sent.empty() ? 300 : 10000);
        if (row.sent.empty()) {
            EXPECT_EQ(jobs.size(), before);
        } else {
            ASSERT_EQ(jobs.size(), before + 1);
            EXPECT_EQ(jobs.back().Bytes(), row.sent);
        }
        if (!row.levels.empty()) {
            EXPECT_EQ(MarkerLevels(queue), row.levels);
        }
    }
}

}  // namespace
