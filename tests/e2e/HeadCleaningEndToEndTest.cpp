#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "VirtualClock.h"
#include "app/MainWindow.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"

namespace {

const std::vector<uint8_t> kCleaningJob = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52,
                                           0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31, 0x43, 0x48, 0x02,
                                           0x00, 0x00, 0x10, 0x1B, 0x00, 0x00, 0x00};
const std::vector<uint8_t> kNozzleCheckJob = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52,
                                              0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31, 0x4E, 0x43, 0x02,
                                              0x00, 0x00, 0x00, 0x56, 0x49, 0x02, 0x00, 0x00, 0x01,
                                              0x1B, 0x00, 0x00, 0x00, 0x0D, 0x0A, 0x0C, 0x1B, 0x40};

// The control of `page` whose accessible name is `name`.
QAbstractButton* ButtonNamed(QWidget* page, const QString& name) {
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->accessibleName() == name) return button;
    }
    return nullptr;
}

// Distinct colours in a picture of the window: a blank or unpainted window has one or two.
int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

// Titles of every job the queue has had, oldest first.
std::vector<std::string> JobTitles(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) titles.push_back(jobs[i].title);
    cupsFreeJobs(count, jobs);
    return titles;
}

class HeadCleaningEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
        window = std::make_unique<MainWindow>(app);
        ASSERT_TRUE(window->Open());
    }

    // Chooses the emulated printer's queue on the main menu and presses the head cleaning button.
    Page* OpenCleaningPage() {
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        QAbstractButton* open = ButtonNamed(menu, app.LoadText(5));
        if (!printers || !open) return nullptr;
        printers->setCurrentIndex(printers->findText(QString::fromStdString(printer.Queue())));
        open->click();
        return window->CurrentPage() == 2 ? window->PageAt(2) : nullptr;
    }
    void Press(Page* page, int32_t titleText) {
        QAbstractButton* button = ButtonNamed(page, app.LoadText(titleText));
        ASSERT_NE(button, nullptr) << titleText;
        button->click();
    }

    std::vector<JournalEntry> Jobs() const {
        return printer.WaitForJournal(EmulatedPrinter::Event("job"), 0, 0);
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    EmulatedPrinter printer{sandbox, {.model = "ZENTA Corvid 4000"}};
    RecordingMessages messages;
    VirtualClock clock;
    CupsSpooler spooler;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(HeadCleaningEndToEndTest, CleaningReachesThePrinterAsOneRawJob) {
    Page* page = OpenCleaningPage();
    ASSERT_NE(page, nullptr) << (messages.texts().empty() ? "" : messages.texts()[0].toStdString());
    EXPECT_EQ(window->windowTitle(),
              app.LoadText(0) + " - " + QString::fromStdString(printer.Queue()));
    Press(page, 20005);

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(20900)});
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Bytes("hex"), kCleaningJob);
    ASSERT_TRUE(sandbox.WaitUntilIdle(printer.Queue()));
    EXPECT_EQ(Jobs().size(), 1u);
    EXPECT_EQ(JobTitles(printer.Queue()), std::vector<std::string>{"TAVO Command"});
}

TEST_F(HeadCleaningEndToEndTest, LowInkRefusesCleaningAndSendsNothing) {
    ASSERT_TRUE(printer.SetFaults({"low-ink=25"}));
    Page* page = OpenCleaningPage();
    ASSERT_NE(page, nullptr);
    Press(page, 20005);

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(20903)});
    EXPECT_TRUE(JobTitles(printer.Queue()).empty());
    EXPECT_TRUE(Jobs().empty());
}

TEST_F(HeadCleaningEndToEndTest, NozzleCheckSendsThe36ByteJob) {
    Page* page = OpenCleaningPage();
    ASSERT_NE(page, nullptr);
    Press(page, 20004);

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(20902)});
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Bytes("hex"), kNozzleCheckJob);
}

TEST_F(HeadCleaningEndToEndTest, APrinterThatIsNotReadyGetsNothing) {
    ASSERT_TRUE(printer.SetFaults({"not-ready"}));
    Page* page = OpenCleaningPage();
    ASSERT_NE(page, nullptr);
    Press(page, 20005);
    Press(page, 20004);

    EXPECT_EQ(messages.texts(), (std::vector<QString>{app.LoadText(901), app.LoadText(901)}));
    EXPECT_TRUE(Jobs().empty());
}

TEST_F(HeadCleaningEndToEndTest, AnotherModelAnsweringKeepsTheMainMenu) {
    EmulatedPrinter other{sandbox, {.model = "ZENTA Corvid 2000", .queue = "wrongly_driven"}};
    ASSERT_TRUE(other.Start());
    // The queue is installed with the big model's driver while the printer is the small one.
    ASSERT_TRUE(sandbox.RemoveQueue(other.Queue()));
    ASSERT_TRUE(sandbox.AddQueue(
        other.Queue(), "socket://" + other.Address() + ":" + std::to_string(other.RawPort()),
        "ZENTA Corvid 4000"));
    MainWindow fresh(app);
    ASSERT_TRUE(fresh.Open());
    Page* menu = fresh.PageAt(0);
    auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
    ASSERT_NE(printers, nullptr);
    printers->setCurrentIndex(printers->findText(QString::fromStdString(other.Queue())));
    ASSERT_GE(printers->currentIndex(), 0);
    ButtonNamed(menu, app.LoadText(5))->click();

    EXPECT_EQ(fresh.CurrentPage(), 0);
    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(906)});
}

}  // namespace

namespace {

// Pictures of the main menu and the cleaning page as the program draws them; written to the
// folder SERVATO_SCREENSHOTS names, when set (docs/screenshots is made this way under Xvfb).
TEST_F(HeadCleaningEndToEndTest, MainMenuAndCleaningPageArePainted) {
    window->show();
    QApplication::processEvents();
    const QImage mainMenu = window->grab().toImage();
    Page* page = OpenCleaningPage();
    ASSERT_NE(page, nullptr);
    QApplication::processEvents();
    const QImage cleaning = window->grab().toImage();

    EXPECT_EQ(mainMenu.width(), 600);
    EXPECT_GE(mainMenu.height(), 60 + 393);
    EXPECT_GT(ColourCount(mainMenu), 20);
    EXPECT_GT(ColourCount(cleaning), 20);
    EXPECT_LT(cleaning.height(), mainMenu.height());
    const QString folder = qEnvironmentVariable("SERVATO_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(mainMenu.save(folder + "/page0.png"));
        EXPECT_TRUE(cleaning.save(folder + "/page2.png"));
    }
}

}  // namespace
