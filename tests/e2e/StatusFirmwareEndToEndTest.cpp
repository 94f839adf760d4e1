// The status and firmware pages driven through the main window against an emulated printer that
// remembers jobs in several states.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <filesystem>

#include "ChildProcess.h"
#include "EndToEndBench.h"
#include "status/PrinterStatusPage.h"
#include "status/TextViewer.h"

namespace {

// A virtual clock that stops once at the time given until the emulated printer has caught up,
// so the page's minutes of waiting pass at once without running ahead of the printer.
class CatchingUpClock : public VirtualClock {
  public:
    void PumpEventsMs(int ms) override {
        VirtualClock::PumpEventsMs(ms);
        if (NowMs() < holdAtMs) return;
        holdAtMs = INT64_MAX;
        waitForPrinter();
    }

    int64_t holdAtMs = INT64_MAX;
    std::function<void()> waitForPrinter;
};

class StatusFirmwareEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(e2e.Start()); }

    CatchingUpClock clock;
    // Jobs listed oldest first.
    EndToEndBench e2e{
        {.printer =
             {.extraArgs = {"--job",
                            "number=7,owner=ws-042,ink=1500,paper=594x841,seconds=119,name=A1",
                            "--job", "state=paused,number=300,source=sheet,name=Proof", "--job",
                            "bytes=20,number=13,owner=studio-workstation,name=Short"}},
         .clock = &clock}};
};

TEST_F(StatusFirmwareEndToEndTest, TheViewerShowsThePrintersJobsNewestFirst) {
    auto* page = static_cast<PrinterStatusPage*>(e2e.OpenPage(1016, 6));
    ASSERT_NE(page, nullptr);
    e2e.Snapshot("page6.png");
    e2e.Find<QAbstractButton>(page, 1043)->click();
    EXPECT_TRUE(e2e.bench.messages.texts().empty());
    ASSERT_TRUE(page->viewer().isVisible());
    // A short record reads as zeros beyond its end; byte 1 holds the number's low byte.
    const QString text = page->viewer().Text();
    qsizetype at = 0;
    for (const QString part :
         {"Job 13 :\n Job name : \n Computer : studio-workst\tStatus : Completed",
          "Paper size : 0 mm x 0 mm\n Printed : 00/00/00 00:00\t",
          "Job 44 :\n Job name : Proof\n Computer : \tStatus : Paused\tPaper",
          "Job 7 :\n Job name : A1\n Computer : ws-042", "1.500 ml\tPaper size : 594 mm x 841 mm",
          "Printing time : 1 min"}) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, at) << part.toStdString() << "\nin\n" << text.toStdString();
        at = std::max(at, found);
    }
}

TEST_F(StatusFirmwareEndToEndTest, ANewerFileReachesThePrinterWhichRestartsWithIt) {
    Page* page = e2e.OpenPage(1017, 7);
    ASSERT_NE(page, nullptr);
    const auto shown = [page](int id) { return EndToEndBench::Find<QLabel>(page, id)->text(); };
    EXPECT_EQ(shown(1064), "I10612");
    // Large enough to be streamed in many pieces.
    const std::string path = e2e.sandbox.Folder() + "/new.UPG";
    std::string output;
    ASSERT_EQ(ChildProcess::Run({std::string(SERVATO_BIN_DIR) + "/firmware_generator", "--version",
                                 "I20713", "--size", "3000000", path},
                                output),
              0)
        << output;
    e2e.dialogs.answers.push_back(path);
    e2e.Find<QAbstractButton>(page, 1001)->click();
    EXPECT_EQ(shown(1138), e2e.Text(70006));
    e2e.Snapshot("page7.png");

    // Once the page starts asking after the printer, the printer must have taken the job and
    // restarted with it.
    clock.holdAtMs = clock.NowMs() + 70000;
    clock.waitForPrinter = [this] {
        e2e.printer.WaitForState(
            "firmware", [](const std::string& v) { return v == "I20713"; }, 30000);
    };
    e2e.Find<QAbstractButton>(page, 1066)->click();

    EXPECT_EQ(e2e.bench.messages.texts(), std::vector<QString>{e2e.Text(70903)});
    EXPECT_EQ(shown(1064), "I20713");
    const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 1, 0);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Text("summary"), "Firmware update I20713");
    EXPECT_EQ(jobs[0].fields.value("size").toInteger(),
              qint64(16394 + std::filesystem::file_size(path)));
}

}  // namespace
