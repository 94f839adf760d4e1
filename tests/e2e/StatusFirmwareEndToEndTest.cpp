// The status and firmware pages driven through the main window against a private CUPS server and
// an emulated printer that remembers jobs in several states.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <thread>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "ScriptedFileDialogs.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"
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

// Waits up to 30 s for the line to appear in the emulator's state file.
void WaitForStateLine(const EmulatedPrinter& printer, const std::string& line) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < end) {
        std::ifstream state(printer.StatePath());
        for (std::string read; std::getline(state, read);)
            if (read == line) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

class StatusFirmwareEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(scratch.filePath("user"), scratch.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        app.UseFileDialogs(&dialogs);
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(app);
        ASSERT_TRUE(window->Open());
    }
    // Chooses the printer on the main menu and opens page `number` by its button, titled `title`.
    Page* OpenPage(int number, int32_t title) {
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
        Press(menu, title);
        return window->CurrentPage() == number ? window->PageAt(number) : nullptr;
    }
    void Press(QWidget* page, int32_t text) {
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            if (button->accessibleName() == app.LoadText(text)) return button->click();
        ADD_FAILURE() << "no button " << text;
    }

    QTemporaryDir scratch;
    CupsSandbox sandbox;
    // Jobs listed oldest first.
    EmulatedPrinter printer{
        sandbox,
        {.extraArgs = {"--job", "number=7,owner=ws-042,ink=1500,paper=594x841,seconds=119,name=A1",
                       "--job", "state=paused,number=300,source=sheet,name=Proof", "--job",
                       "state=error,number=12,source=board,name=Old", "--job",
                       "bytes=20,number=13,owner=studio-workstation,name=Short"}}};
    RecordingMessages messages;
    CatchingUpClock clock;
    CupsSpooler spooler;
    ScriptedFileDialogs dialogs;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(StatusFirmwareEndToEndTest, TheViewerShowsThePrintersJobsNewestFirst) {
    auto* page = static_cast<PrinterStatusPage*>(OpenPage(6, 13));
    ASSERT_NE(page, nullptr);
    Press(page, 60101);
    EXPECT_TRUE(messages.texts().empty());
    ASSERT_TRUE(page->viewer().isVisible());
    // A short record reads as zeros beyond its end; byte 1 holds the number's low byte.
    const QString text = page->viewer().Text();
    qsizetype at = 0;
    for (const QString part :
         {"Job 13 :\n Job name : \n Computer : studio-workst\tStatus : Completed",
          "Paper size : 0 mm x 0 mm\n Printed : 00/00/00 00:00\t",
          "Job 12 :", "Status : Error\tPaper source : Poster board",
          "Job 44 :\n Job name : Proof\n Computer : \tStatus : Paused\tPaper",
          "Job 7 :\n Job name : A1\n Computer : ws-042", "1.500 ml\tPaper size : 594 mm x 841 mm",
          "Printing time : 1 min"}) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, at) << part.toStdString() << "\nin\n" << text.toStdString();
        at = std::max(at, found);
    }
    window->ShowPage(0);
    EXPECT_FALSE(page->viewer().isVisible());
}

TEST_F(StatusFirmwareEndToEndTest, ANewerFileReachesThePrinterWhichRestartsWithIt) {
    Page* page = OpenPage(7, 15);
    ASSERT_NE(page, nullptr);
    const auto shown = [page](int id) {
        return qobject_cast<QLabel*>(FindControl(page, id))->text();
    };
    EXPECT_EQ(shown(1064), "I10612");
    const std::string path = scratch.filePath("new.UPG").toStdString();
    std::string output;
    ASSERT_EQ(ChildProcess::Run({std::string(SERVATO_BIN_DIR) + "/firmware_generator", "--version",
                                 "I20713", "--size", "40000", path},
                                output),
              0)
        << output;
    dialogs.answers.push_back(path);
    Press(page, 70101);
    EXPECT_EQ(shown(1138), app.LoadText(70006));

    // Once the page starts asking after the printer, the printer must have taken the job and
    // restarted with it.
    clock.holdAtMs = clock.NowMs() + 70000;
    clock.waitForPrinter = [this] { WaitForStateLine(printer, "firmware=I20713"); };
    Press(page, 70102);

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(70903)});
    EXPECT_EQ(shown(1064), "I20713");
    const auto jobs = printer.WaitForJournal(
        [](const JournalEntry& entry) { return entry.Text("summary") == "Firmware update I20713"; },
        1, 0);
    ASSERT_EQ(jobs.size(), 1u);
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    const std::vector<uint8_t> header = {0x1B, 0x7D, 0x01, 0x05, 0x00,
                                         0x61, 0x02, 0x70, 0x8F, 0x38};
    std::vector<uint8_t> expected(16384 + header.size() + file.size(), 0x11);
    std::copy(header.begin(), header.end(), expected.begin() + 16384);
    std::copy(file.begin(), file.end(), expected.begin() + 16394);
    EXPECT_EQ(jobs[0].fields.value("size").toInteger(), qint64(expected.size()));
    EXPECT_TRUE(jobs[0].Bytes("hex") == expected);
}

}  // namespace
