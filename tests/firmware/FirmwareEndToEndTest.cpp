// The firmware update page driven through the main window against a private CUPS server and an
// emulated printer: the job that arrives, the restart, and the version the page shows afterwards.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <thread>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "ScriptedFileDialogs.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"

namespace {

const std::vector<uint8_t> kHeader = {0x1B, 0x7D, 0x01, 0x05, 0x00, 0x61, 0x02, 0x70, 0x8F, 0x38};

// A virtual clock that stops at the times given until the emulated printer has caught up, so the
// page's minutes of waiting pass at once without running ahead of the printer.
class CatchingUpClock : public VirtualClock {
  public:
    void HoldAt(int64_t atMs, std::function<void()> waitForPrinter) {
        holds_.push_back({atMs, std::move(waitForPrinter)});
    }
    void PumpEventsMs(int ms) override {
        VirtualClock::PumpEventsMs(ms);
        while (!holds_.empty() && NowMs() >= holds_.front().first) {
            holds_.front().second();
            holds_.pop_front();
        }
    }

  private:
    std::deque<std::pair<int64_t, std::function<void()>>> holds_;
};

// Whether the emulator's state file holds the line, waiting up to timeoutMs for it.
bool WaitForStateLine(const EmulatedPrinter& printer, const std::string& line, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::ifstream state(printer.StatePath());
        for (std::string read; std::getline(state, read);)
            if (read == line) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Pictures for the documentation, written only when SERVATO_SCREENSHOTS names a folder.
void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + "/" + name));
}

QAbstractButton* ButtonNamed(QWidget* page, const QString& name) {
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->accessibleName() == name) return button;
    return nullptr;
}

class FirmwareEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_TRUE(loader.Start());
        app.UseFileDialogs(&dialogs);
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(app);
        ASSERT_TRUE(window->Open());
    }
    Page* OpenFirmwarePage(const EmulatedPrinter& target) {
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        printers->setCurrentIndex(printers->findText(QString::fromStdString(target.Queue())));
        ButtonNamed(menu, app.LoadText(15))->click();
        return window->CurrentPage() == 7 ? window->PageAt(7) : nullptr;
    }
    std::vector<uint8_t> Generate(const std::string& version, size_t payload) {
        const std::string path = store.filePath("new.UPG").toStdString();
        std::string output;
        EXPECT_EQ(ChildProcess::Run({std::string(SERVATO_BIN_DIR) + "/firmware_generator",
                                     "--version", version, "--size", std::to_string(payload), path},
                                    output),
                  0)
            << output;
        std::ifstream file(path, std::ios::binary);
        dialogs.answers.push_back(path);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    EmulatedPrinter printer{sandbox};
    EmulatedPrinter loader{sandbox, {.extraArgs = {"--firmware", "I00000"}}};
    RecordingMessages messages;
    CatchingUpClock clock;
    CupsSpooler spooler;
    ScriptedFileDialogs dialogs;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(FirmwareEndToEndTest, NewerFileReachesThePrinterWhichRestartsWithIt) {
    for (const auto& [target, leadIn] : {std::pair<EmulatedPrinter*, size_t>{&printer, 16384},
                                         std::pair<EmulatedPrinter*, size_t>{&loader, 0}}) {
        SCOPED_TRACE(target->Queue());
        messages.Clear();
        Page* page = OpenFirmwarePage(*target);
        ASSERT_NE(page, nullptr);
        auto shown = [page](int id) {
            return qobject_cast<QLabel*>(FindControl(page, id))->text();
        };
        EXPECT_EQ(shown(1064), leadIn == 0 ? "I00000" : "I10612");

        const std::vector<uint8_t> file = Generate("I20713", 40000);
        ButtonNamed(page, app.LoadText(70101))->click();
        EXPECT_EQ(shown(1065), "I20713");
        EXPECT_EQ(shown(1138), app.LoadText(70006));
        if (leadIn != 0) {
            window->show();
            SaveScreenshot(window.get(), "page7.png");
        }

        // The job must have arrived before the page asks after the printer, and the restart be
        // over before the page's time limit.
        const auto firmwareJob = [](const JournalEntry& entry) {
            return entry.Text("summary") == "Firmware update I20713";
        };
        clock.HoldAt(clock.NowMs() + 60000, [&] { target->WaitForJournal(firmwareJob, 1, 30000); });
        clock.HoldAt(clock.NowMs() + 100000,
                     [&] { WaitForStateLine(*target, "firmware=I20713", 30000); });
        ButtonNamed(page, app.LoadText(70102))->click();

        EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(70903)});
        EXPECT_EQ(shown(1064), "I20713");
        const auto jobs = target->WaitForJournal(firmwareJob, 1, 0);
        ASSERT_EQ(jobs.size(), 1u);
        std::vector<uint8_t> expected(leadIn, 0x11);
        expected.insert(expected.end(), kHeader.begin(), kHeader.end());
        expected.insert(expected.end(), file.begin(), file.end());
        EXPECT_EQ(jobs[0].fields.value("size").toInteger(), qint64(expected.size()));
        EXPECT_TRUE(jobs[0].Bytes("hex") == expected);
        window->ShowPage(0);
    }
}

}  // namespace
