#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QSet>

#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "JobBytes.h"
#include "UiTestBench.h"
#include "app/MainWindow.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "platform/CupsSpooler.h"

namespace {

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

// The program's own widgets, the real libraries, a private CUPS server and emulated printers: one
// of the served model, and one of the small model behind a queue installed for the big one.
class HeadCleaningEndToEndTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sandbox = std::make_unique<CupsSandbox>();
        ASSERT_TRUE(sandbox->Start());
        printer = std::make_unique<EmulatedPrinter>(*sandbox);
        ASSERT_TRUE(printer->Start());
        wronglyDriven = std::make_unique<EmulatedPrinter>(
            *sandbox, EmulatorOptions{.model = "ZENTA Corvid 2000", .driver = "ZENTA Corvid 4000"});
        ASSERT_TRUE(wronglyDriven->Start());
    }
    static void TearDownTestSuite() {
        wronglyDriven.reset();
        printer.reset();
        sandbox.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(sandbox && printer && wronglyDriven) << "sandbox or emulators did not start";
        window = std::make_unique<MainWindow>(*bench.app);
        ASSERT_TRUE(window->Open());
    }

    // Chooses the queue on the main menu and presses the head cleaning button: the cleaning page,
    // or null when the page did not open.
    Page* OpenCleaningPage(const std::string& queue) {
        Page* menu = window->PageAt(0);
        auto* printers = qobject_cast<QComboBox*>(FindControl(menu, 1026));
        QAbstractButton* open = ButtonNamed(menu, bench.app->LoadText(5));
        if (!printers || !open) return nullptr;
        printers->setCurrentIndex(printers->findText(QString::fromStdString(queue)));
        open->click();
        return window->CurrentPage() == 2 ? window->PageAt(2) : nullptr;
    }

    static inline std::unique_ptr<CupsSandbox> sandbox;
    static inline std::unique_ptr<EmulatedPrinter> printer;
    static inline std::unique_ptr<EmulatedPrinter> wronglyDriven;
    CupsSpooler spooler;
    UiTestBench bench{{.spooler = &spooler}};
    std::unique_ptr<MainWindow> window;
};

TEST_F(HeadCleaningEndToEndTest, WhatReachesThePrinterAndWhatTheUserIsTold) {
    struct Row {
        const char* name;
        EmulatedPrinter* target;
        std::vector<std::string> faults;
        int32_t button;  // 0: the page does not open
        std::vector<uint8_t> job;
        std::vector<int32_t> texts;
    };
    const std::vector<Row> rows = {
        {"cleaning", printer.get(), {}, 20005, wire::CleaningJob(), {20900}},
        {"nozzle check", printer.get(), {}, 20004, wire::NozzleCheckJob(), {20902}},
        {"low ink refuses cleaning", printer.get(), {"low-ink=25"}, 20005, {}, {20903}},
        {"not ready", printer.get(), {"not-ready"}, 20004, {}, {901}},
        {"another model answers", wronglyDriven.get(), {}, 0, {}, {906}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.target->SetFaults(row.faults));
        bench.messages.Clear();
        const size_t jobsBefore = JobTitles(row.target->Queue()).size();
        const size_t journalledBefore =
            row.target->WaitForJournal(EmulatedPrinter::Event("job"), 0, 0).size();
        Page* page = OpenCleaningPage(row.target->Queue());
        ASSERT_EQ(page != nullptr, row.button != 0);
        if (page) {
            EXPECT_EQ(window->windowTitle(),
                      bench.app->LoadText(0) + " - " + QString::fromStdString(printer->Queue()));
            QAbstractButton* button = ButtonNamed(page, bench.app->LoadText(row.button));
            ASSERT_NE(button, nullptr);
            button->click();
            window->ShowPage(0);
        }
        std::vector<QString> texts;
        for (int32_t id : row.texts) texts.push_back(bench.app->LoadText(id));
        EXPECT_EQ(bench.messages.texts(), texts);
        const std::vector<std::string> titles = JobTitles(row.target->Queue());
        ASSERT_EQ(titles.size(), jobsBefore + (row.job.empty() ? 0 : 1));
        if (row.job.empty()) continue;
        EXPECT_EQ(titles.back(), "TAVO Command");
        const auto jobs =
            row.target->WaitForJournal(EmulatedPrinter::Event("job"), journalledBefore + 1);
        ASSERT_EQ(jobs.size(), journalledBefore + 1);
        EXPECT_EQ(jobs.back().Bytes(), row.job);
        ASSERT_TRUE(row.target->WaitUntilReady());
    }
}

// Pictures of the main menu and the cleaning page as the program draws them; written to the
// folder SERVATO_SCREENSHOTS names, when set (docs/screenshots is made this way under Xvfb).
TEST_F(HeadCleaningEndToEndTest, MainMenuAndCleaningPageArePainted) {
    window->show();
    QApplication::processEvents();
    const QImage mainMenu = window->grab().toImage();
    ASSERT_NE(OpenCleaningPage(printer->Queue()), nullptr);
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
