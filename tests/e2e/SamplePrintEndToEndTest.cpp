#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include "ChildProcess.h"
#include "CupsSandbox.h"
#include "EmulatedPrinter.h"
#include "RecordingMessages.h"
#include "VirtualClock.h"
#include "comm/JobBuffer.h"
#include "custompaper/CustomPaperSlot.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"
#include "platform/CupsSpooler.h"
#include "platform/RegKey.h"
#include "printers/PrinterSelection.h"
#include "sampleprint/ColorDensityDialog.h"
#include "sampleprint/PaperFeedDialog.h"
#include "sampleprint/SampleDialog.h"

// Sample prints from the detail dialogs through a private CUPS server to an emulated printer: what
// arrives is what the driver would print, page by page, with the grouping commands between.
namespace {

std::vector<uint8_t> EscBar(uint8_t value) {
    return {0x1B, 0x7C, 0x01, 0x06, 0x00, 0x61, 0x02, 0xE8, 0x17, 0x74, value};
}

// What the printer received, one entry a job: the grouping value or the PDF's label line.
std::vector<std::string> Received(const std::vector<JournalEntry>& jobs) {
    std::vector<std::string> received;
    for (const JournalEntry& job : jobs) {
        const QJsonArray pages = job.fields.value("pdfPages").toArray();
        if (pages.isEmpty()) {
            const std::vector<uint8_t> bytes = job.Bytes();
            const bool grouping =
                bytes.size() == 11 && std::equal(bytes.begin(), bytes.end() - 1, EscBar(0).begin());
            received.push_back(grouping ? "group " + std::to_string(bytes.back()) : "other");
            continue;
        }
        for (const QJsonValue page : pages)
            received.push_back(
                page.toObject().value("text").toString().replace('\n', ' ').toStdString());
    }
    return received;
}

// The program's spooler, with a user who presses Cancel in the run's progress window once the
// given number of pages has been spooled.
class SpoolerWithUser : public CupsSpooler {
  public:
    int WritePdfJob(const std::string& printer, const std::string& title,
                    std::span<const uint8_t> pdf, const JobOptions& options) override {
        const int result = CupsSpooler::WritePdfJob(printer, title, pdf, options);
        if (--cancelAfterPages == 0) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<ProgressDialog*>(window);
                if (progress != nullptr && progress->isVisible()) progress->cancelButton()->click();
            }
        }
        return result;
    }
    int cancelAfterPages = -1;
};

class SamplePrintEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegKey::SetStoreFolders(store.filePath("user"), store.filePath("machine"));
        ASSERT_TRUE(sandbox.Start());
        ASSERT_TRUE(printer.Start());
        ASSERT_EQ(app.CreateOwnedObjects(), 0);
    }

    // The printer chosen as the main menu chooses it, its driver's defaults set to `options`.
    void Choose(const std::vector<std::string>& options) {
        std::vector<std::string> command = {"lpadmin", "-h", sandbox.Server(), "-p",
                                            printer.Queue()};
        for (const std::string& option : options) command.insert(command.end(), {"-o", option});
        std::string output;
        ASSERT_EQ(ChildProcess::Run(command, output), 0) << output;
        const SpoolerQueue queue{printer.Queue(), printer.Model(), "socket://" + printer.Address()};
        ASSERT_EQ(PrinterSelection(app).Apply(&queue, nullptr), 0) << Messages();
        PrinterSelection::ReadPrinterDefaults(app, printer.Queue());
        ASSERT_TRUE(app.driverSettingsLibrary()->Load(printer.Queue()));
    }

    void FeedSamples(const CustomPaperSlot& slot, int minimum, int maximum) {
        PaperFeedDialog dialog(app, slot, nullptr);
        auto edit = [&dialog](int id) {
            return qobject_cast<QLineEdit*>(FindControl(&dialog, id));
        };
        edit(PaperFeedDialog::kMinimumEdit)->setText(QString::number(minimum));
        edit(PaperFeedDialog::kMaximumEdit)->setText(QString::number(maximum));
        Press(&dialog, SampleDialog::kSamplePrint);
    }

    std::string Messages() const {
        QStringList texts;
        for (const QString& text : messages.texts()) texts << text;
        return texts.join(" | ").toStdString();
    }

    static void Press(QWidget* dialog, int id) {
        auto* button = qobject_cast<QAbstractButton*>(FindControl(dialog, id));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        button->click();
    }

    QTemporaryDir store;
    CupsSandbox sandbox;
    EmulatedPrinter printer{sandbox, {.model = "ZENTA Corvid 4000"}};
    RecordingMessages messages;
    VirtualClock clock;
    SpoolerWithUser spooler;
    ServiceApp app{SERVATO_BIN_DIR, ServiceApp::Platform{messages, clock, spooler}};
};

TEST_F(SamplePrintEndToEndTest, PaperFeedSamplesOnSheetsArriveGroupedWithTheirLabels) {
    Choose({"InputSlot=Sheet", "PageSize=A4"});
    const CustomPaperSlot slot{.mediaId = 9,
                               .forward = 5,
                               .dryTime = 4,
                               .paperThick = 3,
                               .paperDraw = -1,
                               .paperCut = 1,
                               .platen = 2,
                               .roller = 3};
    FeedSamples(slot, -20, -18);

    EXPECT_EQ(Messages(), "");
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 6, 30000);
    const std::string labels =
        "Media type=Enhanced Matte Paper, Paper thickness=3, Platen gap=%1, Paper feed "
        "adjustment=%2, Drying time=4, Cut method=Thin paper, Roller type=Heavy, Paper suction=-1";
    auto page = [&](int feed) {
        return QString::fromStdString(labels).arg(app.LoadText(30132)).arg(feed).toStdString();
    };
    EXPECT_EQ(Received(jobs), (std::vector<std::string>{"group 1", page(-20), "group 0", page(-19),
                                                        page(-18), "group 2"}));
    for (const JournalEntry& job : jobs) {
        for (const QJsonValue pageSize : job.fields.value("pdfPages").toArray()) {
            EXPECT_NEAR(pageSize.toObject().value("width").toDouble(), 210 * 72 / 25.4, 1);
            EXPECT_NEAR(pageSize.toObject().value("height").toDouble(), 160 * 72 / 25.4, 1);
        }
    }
}

TEST_F(SamplePrintEndToEndTest, CancelBetweenPagesStopsTheRunAndClosesTheGroup) {
    Choose({"InputSlot=Sheet", "PageSize=A4"});
    spooler.cancelAfterPages = 1;
    FeedSamples(CustomPaperSlot{.mediaId = 9}, 0, 4);

    EXPECT_EQ(Messages(), "");
    const auto jobs = printer.WaitForJournal(EmulatedPrinter::Event("job"), 3, 30000);
    const std::vector<std::string> received = Received(jobs);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], "group 1");
    EXPECT_NE(received[1].find("Paper feed adjustment=0,"), std::string::npos) << received[1];
    EXPECT_EQ(received[2], "group 2");
    EXPECT_EQ(printer.WaitForJournal(EmulatedPrinter::Event("job"), 4, 500).size(), 3u);
}

TEST_F(SamplePrintEndToEndTest, AQueueThatTakesNoJobEndsTheRunWithItsMessage) {
    Choose({"InputSlot=Roll"});
    std::string output;
    ASSERT_EQ(ChildProcess::Run({"cupsreject", "-h", sandbox.Server(), printer.Queue()}, output), 0)
        << output;
    ColorDensityDialog dialog(app, CustomPaperFileEntry{.mediaId = 9}, nullptr);
    Press(&dialog, SampleDialog::kSamplePrint);

    EXPECT_EQ(messages.texts(), std::vector<QString>{app.LoadText(50954)});
    EXPECT_TRUE(printer.WaitForJournal(EmulatedPrinter::Event("job"), 1, 500).empty());
}

}  // namespace
