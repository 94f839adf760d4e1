// The program's communication against a private CUPS server and emulated printers: the bytes
// that reach the printer and the answers that come back over both channel types.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <memory>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "JobBytes.h"
#include "comm/CommLibrary.h"
#include "comm/PrinterLink.h"
#include "comm/PrinterQueries.h"
#include "comm/QueryPackets.h"
#include "comm/RawJob.h"
#include "comm/StatusReply.h"
#include "platform/CupsSpooler.h"
#include "platform/SystemClock.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int32_t kPlain = PrinterLink::kPlainChannel;
constexpr int32_t kWrapped = PrinterLink::kWrappedChannel;

// Titles of every job the queue has had, oldest first.
std::vector<std::string> JobTitles(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) titles.emplace_back(jobs[i].title);
    cupsFreeJobs(count, jobs);
    return titles;
}

class CommIntegrationTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        ASSERT_TRUE(sandbox->Start());
        big = std::make_unique<EmulatedPrinter>(*sandbox);
        small = std::make_unique<EmulatedPrinter>(*sandbox,
                                                  EmulatorOptions{.model = "ZENTA Corvid 2000"});
        ASSERT_TRUE(big->Start());
        ASSERT_TRUE(small->Start());
    }
    static void TearDownTestSuite() {
        small.reset();
        big.reset();
        sandbox.reset();
    }
    void SetUp() override { ASSERT_TRUE(sandbox && big && small) << "sandbox or emulators"; }

    static inline std::unique_ptr<CupsSandbox> sandbox;
    static inline std::unique_ptr<EmulatedPrinter> big;
    static inline std::unique_ptr<EmulatedPrinter> small;
    SystemClock clock;
    CupsSpooler spooler;
    CommLibrary library{spooler};
};

TEST_F(CommIntegrationTest, RawJobsArriveUnchangedAsOneJobEach) {
    const auto queues = spooler.EnumeratePrinters();
    const auto found = std::find_if(queues.begin(), queues.end(),
                                    [](const SpoolerQueue& q) { return q.name == big->Queue(); });
    ASSERT_NE(found, queues.end());
    EXPECT_EQ(found->driverName, big->Model());
    EXPECT_EQ(found->portName.rfind("socket://" + big->Address() + ":", 0), 0u);
    EXPECT_EQ(spooler.DriverAttribute(big->Queue(), "RQAPII"), "librqapi.so");
    EXPECT_EQ(spooler.DriverFolder(big->Queue()), std::string(SERVATO_BIN_DIR) + "/");

    // Every byte value once, so nothing on the way may filter or translate.
    Bytes everyByte(256);
    for (size_t i = 0; i < everyByte.size(); ++i) everyByte[i] = static_cast<uint8_t>(i);
    const size_t before = big->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
    ASSERT_EQ(SendRawJob(spooler, big->Queue(), everyByte), 0);
    const auto jobs = big->WaitForJournal(EmulatedPrinter::Event("job"), before + 1, 20000);
    ASSERT_EQ(jobs.size(), before + 1);
    EXPECT_EQ(jobs.back().Bytes(), everyByte);
    EXPECT_EQ(JobTitles(big->Queue()).back(), "TAVO Command");
    EXPECT_TRUE(sandbox->WaitUntilIdle(big->Queue()));
    EXPECT_TRUE(big->WaitUntilReady());
}

TEST_F(CommIntegrationTest, SpoolerFailuresAreResultsNotHangs) {
    const Bytes job = wire::ExitRemote();
    EXPECT_EQ(SendRawJob(spooler, "no_such_queue", job), -1);
    EXPECT_EQ(spooler.DriverAttribute("no_such_queue", "RQAPII"), "");
    EXPECT_EQ(spooler.DriverFolder("no_such_queue"), "");
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"cupsreject", "-h", sandbox->Server(), small->Queue()}, output),
              0);
    EXPECT_EQ(SendRawJob(spooler, small->Queue(), job), -1);
    ASSERT_EQ(ChildProcess::Run({"cupsaccept", "-h", sandbox->Server(), small->Queue()}, output),
              0);

    // No CUPS server at all.
    QElapsedTimer timer;
    timer.start();
    cupsSetServer("127.0.0.1:1");
    EXPECT_TRUE(spooler.EnumeratePrinters().empty());
    EXPECT_EQ(SendRawJob(spooler, small->Queue(), job), -1);
    EXPECT_EQ(spooler.DriverAttribute(small->Queue(), "RQAPII"), "");
    EXPECT_FALSE(library.Load(small->Queue(), false));
    cupsSetServer(nullptr);
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST_F(CommIntegrationTest, QueriesOfBothModelsOverBothChannelTypes) {
    struct Row {
        const char* name;
        EmulatedPrinter* printer;
        std::vector<std::string> faults;
        int32_t channelType;
        bool ready;  // the status says ready and a job information read answers
        bool modelMatches;
        std::string version;
        int32_t platenGap, slotPlatenGap, inkSlots;
    };
    EmulatedPrinter* b = big.get();
    EmulatedPrinter* s = small.get();
    // Without a channel the ink slot count stays that of the big model.
    const std::vector<Row> rows = {
        {"big, plain", b, {}, kPlain, true, true, "I10612", 2, 3, 8},
        {"big, wrapped", b, {"control-closed"}, kWrapped, true, true, "I10612", 2, 3, 8},
        {"small", s, {"platen-gap=3", "firmware=I20711"}, kPlain, true, true, "I20711", 4, 3, 4},
        // A scrambled block does not name the eight-slot set of the big model.
        {"garbled", b, {"control-closed", "garbled"}, kWrapped, false, false, "", 2, -1, 4},
        {"unreachable", b, {"unreachable"}, 0, false, false, "", 2, -1, 8},
    };
    ASSERT_TRUE(library.Load(big->Queue(), true));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.printer->SetFaults(row.faults));
        const std::string& queue = row.printer->Queue();
        PrinterLink link(&library, clock);
        EXPECT_EQ(link.SelectChannelType(queue), row.channelType);
        EXPECT_EQ(link.DeviceDescriptionMatches(queue, row.printer->Model()), row.modelMatches);
        EXPECT_EQ(ReadFirmwareVersion(link, queue), row.version);
        EXPECT_EQ(ReadPlatenGapSetting(link, queue), row.platenGap);
        // An unknown paper type has the standard gap, code 2.
        EXPECT_EQ(ReadSlotPlatenGap(link, queue, 0x05), row.slotPlatenGap);
        EXPECT_EQ(DetectInkSlotCount(link, queue), row.inkSlots);

        const int32_t channel = link.OpenChannel(queue);
        EXPECT_EQ(channel >= 1, row.channelType != 0);
        StatusReply status;
        Bytes command(6), reply(512);
        AppendJIQuery(command, 0);
        const bool answered = link.ReadStatus(channel, status) >= 1 && status.IsReady() &&
                              link.Exchange(channel, command, reply, 5000) >= 1 &&
                              std::string(reply.begin(), reply.end()).rfind("@BDC PS\r\n", 0) == 0;
        EXPECT_EQ(answered, row.ready);
        if (channel >= 1) link.CloseChannel(channel);
        ASSERT_TRUE(row.printer->SetFaults({}));
    }
}

}  // namespace
