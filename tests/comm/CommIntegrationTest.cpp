// The program's communication against a private CUPS server and an emulated printer: the bytes
// that reach the printer and the answers that come back over both channel types.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "comm/CommLibrary.h"
#include "comm/JobBuffer.h"
#include "comm/MaintenancePackets.h"
#include "comm/PrinterLink.h"
#include "comm/PrinterQueries.h"
#include "comm/QueryPackets.h"
#include "comm/RawJob.h"
#include "comm/RemotePackets.h"
#include "comm/StatusReply.h"
#include "pagekit/ReadyWait.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/SystemClock.h"

namespace {

using Bytes = std::vector<uint8_t>;

class CommIntegrationTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        const auto started = sandbox->Start();
        ASSERT_TRUE(started);
        printer = std::make_unique<EmulatedPrinter>(*sandbox);
        ASSERT_TRUE(printer->Start());
    }
    static void TearDownTestSuite() {
        printer.reset();
        sandbox.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(sandbox && printer) << "sandbox or emulator did not start";
        ASSERT_TRUE(printer->SetFaults({}));
        queue = printer->Queue();
    }

    // Runs a CUPS command-line tool against the sandbox.
    static void Cups(const std::vector<std::string>& tool) {
        std::vector<std::string> argv = {tool[0], "-h", sandbox->Server()};
        argv.insert(argv.end(), tool.begin() + 1, tool.end());
        std::string output;
        ASSERT_EQ(ChildProcess::Run(argv, output), 0) << output;
    }

    static std::vector<std::string> JobTitles(const std::string& queue) {
        cups_job_t* jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
        std::vector<std::string> titles;
        for (int i = 0; i < count; ++i) titles.emplace_back(jobs[i].title);
        cupsFreeJobs(count, jobs);
        return titles;
    }

    static inline std::unique_ptr<CupsSandbox> sandbox;
    static inline std::unique_ptr<EmulatedPrinter> printer;

    std::string queue;
    RecordingMessages messages;
    SystemClock clock;
    CupsSpooler spooler;
    ServiceApp app{SERVATO_BIN_DIR, {messages, clock, spooler}};
    CommLibrary library{spooler};
};

TEST_F(CommIntegrationTest, SpoolerListsTheQueueWithItsDriverAndLibraries) {
    const auto queues = spooler.EnumeratePrinters();
    const auto found = std::find_if(queues.begin(), queues.end(),
                                    [&](const SpoolerQueue& q) { return q.name == queue; });
    ASSERT_NE(found, queues.end());
    EXPECT_EQ(found->driverName, printer->Model());
    EXPECT_EQ(found->portName.rfind("socket://" + printer->Address() + ":", 0), 0u)
        << found->portName;

    EXPECT_EQ(spooler.DriverAttribute(queue, "RQAPII"), "librqapi.so");
    EXPECT_EQ(spooler.DriverFolder(queue), std::string(SERVATO_BIN_DIR) + "/");
    EXPECT_EQ(spooler.DriverAttribute(queue, "NoSuchAttribute"), "");
    EXPECT_EQ(spooler.DriverAttribute("no_such_queue", "RQAPII"), "");
    EXPECT_EQ(spooler.DriverFolder("no_such_queue"), "");
}

TEST_F(CommIntegrationTest, RawJobArrivesUnchangedAsOneJobBehindEarlierOnes) {
    JobBuffer cleaning(128);
    cleaning.Advance(AppendEnterRemote(cleaning.Rest()));
    cleaning.Advance(AppendCH(cleaning.Rest()));
    cleaning.Advance(AppendExitRemote(cleaning.Rest()));
    // Every byte value once, so nothing on the way may filter or translate.
    Bytes earlier(256);
    for (size_t i = 0; i < earlier.size(); ++i) earlier[i] = static_cast<uint8_t>(i);

    const size_t jobsBefore = printer->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
    Cups({"cupsdisable", queue});
    ASSERT_EQ(spooler.WriteRawJob(queue, "earlier job", earlier), 0);
    ASSERT_EQ(SendRawJob(spooler, queue, cleaning.Bytes()), 0);
    EXPECT_EQ(JobTitles(queue), (std::vector<std::string>{"earlier job", "TAVO Command"}));
    Cups({"cupsenable", queue});

    const auto jobs = printer->WaitForJournal(EmulatedPrinter::Event("job"), jobsBefore + 2, 20000);
    ASSERT_EQ(jobs.size(), jobsBefore + 2);
    const JournalEntry& first = jobs[jobs.size() - 2];
    const JournalEntry& second = jobs[jobs.size() - 1];
    EXPECT_EQ(first.Bytes(), earlier);
    EXPECT_EQ(second.Bytes(), Bytes(cleaning.Bytes().begin(), cleaning.Bytes().end()));
    EXPECT_EQ(second.fields.value("size").toInteger(), 25);
    EXPECT_TRUE(sandbox->WaitUntilIdle(queue));
}

TEST_F(CommIntegrationTest, SpoolerFailuresAreResultsNotHangs) {
    const Bytes job = {0x1B, 0x00, 0x00, 0x00};
    EXPECT_EQ(SendRawJob(spooler, "no_such_queue", job), -1);

    Cups({"cupsreject", queue});
    EXPECT_EQ(SendRawJob(spooler, queue, job), -1);
    Cups({"cupsaccept", queue});

    // No CUPS server at all.
    QElapsedTimer timer;
    timer.start();
    cupsSetServer("127.0.0.1:1");
    EXPECT_TRUE(spooler.EnumeratePrinters().empty());
    EXPECT_EQ(SendRawJob(spooler, queue, job), -1);
    EXPECT_EQ(spooler.DriverAttribute(queue, "RQAPII"), "");
    EXPECT_FALSE(library.Load(queue, false));
    cupsSetServer(nullptr);
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST_F(CommIntegrationTest, QueriesAnswerOnBothChannelTypes) {
    ASSERT_TRUE(library.Load(queue, true));
    for (const int32_t type : {PrinterLink::kPlainChannel, PrinterLink::kWrappedChannel}) {
        SCOPED_TRACE(type);
        if (type == PrinterLink::kWrappedChannel) {
            ASSERT_TRUE(printer->SetFaults({"control-closed"}));
        }
        PrinterLink link(&library, clock);
        EXPECT_EQ(link.SelectChannelType(queue), type);
        // Work sent by earlier tests may still keep it busy.
        EXPECT_EQ(link.WaitUntilReady(queue, {}), 1);
        EXPECT_TRUE(link.DeviceDescriptionMatches(queue, printer->Model()));
        EXPECT_FALSE(link.DeviceDescriptionMatches(queue, "ZENTA Corvid 2000"));
        EXPECT_EQ(ReadFirmwareVersion(link, queue), "I10612");
        EXPECT_EQ(ReadPlatenGapSetting(link, queue), 2);
        EXPECT_EQ(ReadSlotPlatenGap(link, queue, 0x05), 3);  // built-in paper: gap code 2
        EXPECT_EQ(DetectInkSlotCount(link, queue), 8);

        const int32_t channel = link.OpenChannel(queue);
        ASSERT_GE(channel, 1);
        StatusReply status;
        EXPECT_GE(link.ReadStatus(channel, status), 1);
        EXPECT_TRUE(status.IsReady());
        for (uint8_t index = 0; index < 3; ++index) {
            Bytes command(6), reply(512);
            AppendJIQuery(command, index);
            EXPECT_GE(link.Exchange(channel, command, reply, 5000), 1);
            const std::string text(reinterpret_cast<const char*>(reply.data()));
            EXPECT_EQ(text.rfind("@BDC PS\r\n", 0), 0u) << text;
        }
        link.CloseChannel(channel);
    }
    const auto queries = printer->Journal();
    const bool wrappedPlatenGapQuery =
        std::any_of(queries.begin(), queries.end(), [](const JournalEntry& e) {
            return e.Text("event") == "query" && e.Text("channel") == "snmp" &&
                   e.Bytes("command") == Bytes{0x53, 0x4E, 0x02, 0x00, 0x01, 0x01};
        });
    EXPECT_TRUE(wrappedPlatenGapQuery);
}

TEST_F(CommIntegrationTest, SlowGarbledOrSilentPrinterGivesFallbacksInTime) {
    ASSERT_TRUE(library.Load(queue, false));
    {
        // First, while no held-back reply keeps a connection busy.
        ASSERT_TRUE(printer->SetFaults({"unreachable"}));
        PrinterLink link(&library, clock);
        EXPECT_EQ(link.OpenChannel(queue), -1);
        EXPECT_EQ(link.WaitUntilReady(queue, {}), 0);
        EXPECT_EQ(ReadPlatenGapSetting(link, queue), 2);
    }
    const std::vector<std::string> wrappedOnly = {"control-closed"};
    for (const int32_t type : {PrinterLink::kWrappedChannel, PrinterLink::kPlainChannel}) {
        SCOPED_TRACE(type);
        const std::vector<std::string> channelFaults =
            type == PrinterLink::kWrappedChannel ? wrappedOnly : std::vector<std::string>{};
        ASSERT_TRUE(printer->SetFaults(channelFaults));
        PrinterLink link(&library, clock);
        ASSERT_EQ(link.SelectChannelType(queue), type);

        // Replies scrambled behind an intact marker line. (On the plain channel the library
        // waits out its own time-out for a reply end that never comes: too slow to repeat here.)
        std::vector<std::string> faults = channelFaults;
        faults.push_back("garbled");
        ASSERT_TRUE(printer->SetFaults(faults));
        if (type == PrinterLink::kWrappedChannel) {
            EXPECT_EQ(ReadFirmwareVersion(link, queue), "");
            EXPECT_EQ(ReadPlatenGapSetting(link, queue), 2);
            EXPECT_EQ(ReadSlotPlatenGap(link, queue, 0x05), -1);
            // A scrambled block does not name the eight-slot set of this model.
            EXPECT_EQ(DetectInkSlotCount(link, queue), 4);
        }

        // Replies held back beyond the time-out.
        faults.back() = "slow=1500";
        ASSERT_TRUE(printer->SetFaults(faults));
        Bytes command(6), reply(512);
        AppendVIQuery(command);
        QElapsedTimer timer;
        timer.start();
        EXPECT_LT(link.Query(queue, command, reply, 500), 1);
        EXPECT_LT(timer.elapsed(), 1200);
        // Let the held-back reply go out before the next channel.
        std::this_thread::sleep_for(std::chrono::milliseconds(1800));
    }
}

TEST_F(CommIntegrationTest, WaitUntilReadySeesABusyPrinterBecomeReady) {
    ASSERT_EQ(app.CreateOwnedObjects(), 0);
    ASSERT_TRUE(app.commLibrary()->Load(queue, false));
    ASSERT_TRUE(printer->SetFaults({"not-ready"}));
    // The progress window keeps the event loop running: the printer recovers meanwhile.
    QTimer::singleShot(1500, [] { EXPECT_TRUE(printer->SetFaults({})); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(WaitUntilReady(app, queue, true, nullptr), 1);
    EXPECT_GE(timer.elapsed(), 5000);
    EXPECT_LT(timer.elapsed(), 9000);
}

}  // namespace
