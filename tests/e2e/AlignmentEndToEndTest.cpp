#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <chrono>
#include <sstream>
#include <thread>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "FileText.h"
#include "RecordingMessages.h"
#include "app/MainWindow.h"
#include "driversettings/DriverMediaList.h"
#include "maintenance/ManualAlignmentPage.h"
#include "pagekit/AlignmentValueBox.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"
#include "platform/SystemClock.h"

namespace {

using Names = std::vector<std::string>;

// The program's time runs a hundred times faster than the wall clock, as the emulated printer's
// work does, so a completion wait that polls from 30 s on watches the printer really working.
class QuickClock : public Clock {
  public:
    int64_t NowMs() override { return real_.NowMs() * kScale; }
    void SleepMs(int ms) override { real_.SleepMs(ms / kScale); }
    void PumpEventsMs(int ms) override { real_.PumpEventsMs(std::max(1, ms / kScale)); }

  private:
    static constexpr int kScale = 100;
    SystemClock real_;
};

Names PacketNames(const JournalEntry& job) {
    Names names;
    for (const QJsonValue& packet : job.fields.value("packets").toArray())
        names.push_back(packet.toObject().value("name").toString().toStdString());
    return names;
}

class AlignmentEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(app);
        ASSERT_TRUE(window->Open());
    }
    // Chooses the emulated printer on the main menu and presses the button of a page.
    Page* OpenPage(int menuButton, int number) {
        Page* menu = window->PageAt(0);
        auto* printers = Find<QComboBox>(menu, 1026);
        printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
        Find<QPushButton>(menu, menuButton)->click();
        return window->CurrentPage() == number ? window->PageAt(number) : nullptr;
    }
    template <typename Control>
    static Control* Find(QWidget* page, int id) {
        return qobject_cast<Control*>(FindControl(page, id));
    }
    // Checks dot size #k on page 8 and types the values of its row.
    static void SetRow(Page* page, int k, const std::vector<int>& values) {
        if (!Find<QCheckBox>(page, 1163 + k)->isChecked()) Find<QCheckBox>(page, 1163 + k)->click();
        for (int c = 0; c < 8; ++c) {
            const int id = ManualAlignmentPage::ValueBoxId(AlignmentDirection::Bidirectional, k, c);
            Find<AlignmentValueBox>(page, id)->setText(QString::number(values[c]));
        }
    }
    // The window as drawn, written to the folder SERVATO_SCREENSHOTS names, when set
    // (docs/screenshots is made this way).
    void Snapshot(const QString& file) const {
        const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QDir().mkpath(folder);
        EXPECT_TRUE(window->grab().save(folder + "/" + file));
    }
    // A key of the emulator's state once `accept` takes its value, else its last value.
    std::string WaitForState(const std::string& key, bool (*accept)(const std::string&)) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        for (std::string value;; std::this_thread::sleep_for(std::chrono::milliseconds(5))) {
            std::istringstream lines(ReadFileText(printer.StatePath()));
            for (std::string line; std::getline(lines, line);)
                if (line.starts_with(key + "=")) value = line.substr(key.size() + 1);
            if (accept(value) || std::chrono::steady_clock::now() >= end) return value;
        }
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    // The driver's media list is kept per queue name for the whole process: a queue per test.
    EmulatedPrinter printer{
        sandbox,
        {.model = "ZENTA Corvid 4000",
         .queue = ::testing::UnitTest::GetInstance()->current_test_info()->name()}};
    RecordingMessages messages;
    QuickClock clock;
    CupsSpooler spooler;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    // As at start-up: the driver's media list outlives the pages that fill it.
    const DriverMediaList mediaCache{nullptr, {}, {}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(AlignmentEndToEndTest, AutomaticAdjustmentWaitsUntilThePrinterHasReadBothDotSizes) {
    Page* page = OpenPage(1011, 1);
    ASSERT_NE(page, nullptr);
    auto* media = Find<QComboBox>(page, 1096);
    media->setCurrentIndex(media->findText("Singleweight Matte Paper"));
    Find<QCheckBox>(page, 1169)->click();
    Find<QCheckBox>(page, 1171)->click();
    Snapshot("page1.png");
    int64_t shownAt = 0;
    messages.OnShow([&](const RecordedMessage&) { shownAt = clock.NowMs(); });
    const int64_t start = clock.NowMs();
    Find<QPushButton>(page, 1053)->click();

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(10900)});
    EXPECT_GE(shownAt - start, 2 * 120000);  // the printer reads each dot size for 120 s
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(PacketNames(jobs[0]),
              (Names{"EnterRemote", "PH", "SN", "DT", "DT", "ExitRemote", "JobEnd"}));
    // Thickness 0.2 mm and platen gap 4 as the printer's data for the paper says, then #1, #3.
    EXPECT_EQ(jobs[0].Text("hex").substr(30),
              "504802000002"
              "534E0300000104"
              "44540300000001"
              "44540300000003"
              "1B000000"
              "0D0A0C1B40");
}

TEST_F(AlignmentEndToEndTest, SaveStoresTheValuesAndLeavingDropsTheHeldOnes) {
    Page* page = OpenPage(1018, 8);
    ASSERT_NE(page, nullptr);
    Find<QLineEdit>(page, 1098)->setText("5");
    SetRow(page, 2, {1, 2, 3, 4, 6, 7, 8, 9});
    Snapshot("page8.png");
    Find<QPushButton>(page, 1102)->click();
    SetRow(page, 1, {7, 5, 5, 5, 5, 5, 5, 5});
    Find<QPushButton>(page, 1145)->click();
    EXPECT_EQ(
        WaitForState("heldAlignmentBi", [](auto& v) { return v.starts_with("0:7,"); }).substr(0, 4),
        "0:7,");
    window->ShowPage(9);
    // Leaving page 8 for page 9, whose column pictures stand above its values.
    Snapshot("page9.png");
    QSet<QRgb> colours;
    const QImage page9 = window->PageAt(9)->grab().toImage();
    for (int x = 135; x < 173; ++x) colours.insert(page9.pixel(x, 96));
    EXPECT_GT(colours.size(), 3);

    EXPECT_EQ(messages.texts(), (std::vector<QString>{app.LoadText(80903), app.LoadText(80902)}));
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 3);
    ASSERT_EQ(jobs.size(), 3u);
    const Names save = {"EnterRemote", "PH", "SN", "DA", "DA", "DA",        "DA",
                        "DA",          "DA", "DA", "DA", "SV", "ExitRemote"};
    EXPECT_EQ(PacketNames(jobs[0]), save);
    EXPECT_EQ(PacketNames(jobs[2]), (Names{"EnterRemote", "LD", "ExitRemote"}));
    EXPECT_EQ(WaitForState("heldAlignmentBi", [](auto& v) { return v.empty(); }), "");
    // Of the 64 values saved, #2 (indexes 0x10-0x17) holds its row; the dropped 7 of #1 is not.
    const std::string saved = WaitForState("alignmentBi", [](auto&) { return true; });
    EXPECT_EQ(saved.substr(32, 16), "0102030406070809");
    EXPECT_NE(saved.substr(0, 2), "07");
}

}  // namespace
