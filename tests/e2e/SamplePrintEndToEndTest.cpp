// Sample prints from the detail dialogs through a private CUPS server to an emulated printer: what
// arrives is what the driver would print, page by page, with the grouping commands between.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>

#include "ChildProcess.h"
#include "EndToEndBench.h"
#include "JobBytes.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "pagekit/ProgressDialog.h"
#include "printers/PrinterSelection.h"
#include "sampleprint/PaperFeedDialog.h"

namespace {

// What the printer received, one entry a job: the grouping value or the PDF's label line.
std::vector<std::string> Received(const std::vector<JournalEntry>& jobs) {
    const std::vector<uint8_t> escBar = wire::Hex("1B 7C 01 06 00 61 02 E8 17 74");
    std::vector<std::string> received;
    for (const JournalEntry& job : jobs) {
        const QJsonArray pages = job.fields.value("pdfPages").toArray();
        if (pages.isEmpty()) {
            const std::vector<uint8_t> bytes = job.Bytes();
            const bool grouping =
                bytes.size() == 11 && std::equal(escBar.begin(), escBar.end(), bytes.begin());
            received.push_back(grouping ? "group " + std::to_string(bytes.back()) : "other");
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
    // The printer on cut sheets of A4, chosen as the main menu chooses it; then the paper feed
    // samples of the slot from the minimum to the maximum.
    void FeedSamples(const CustomPaperSlot& slot, int minimum, int maximum) {
        ASSERT_TRUE(e2e.Start());
        const std::string& queue = e2e.printer.Queue();
        std::string output;
        ASSERT_EQ(ChildProcess::Run({"lpadmin", "-h", e2e.sandbox.Server(), "-p", queue, "-o",
                                     "InputSlot=Sheet", "-o", "PageSize=A4"},
                                    output),
                  0)
            << output;
        const SpoolerQueue chosen{queue, e2e.printer.Model(), "socket://" + e2e.printer.Address()};
        ASSERT_EQ(PrinterSelection(e2e.app()).Apply(&chosen, nullptr), 0);
        PrinterSelection::ReadPrinterDefaults(e2e.app(), queue);
        ASSERT_TRUE(e2e.app().driverSettingsLibrary()->Load(queue));

        PaperFeedDialog dialog(e2e.app(), slot, nullptr);
        e2e.Find<QLineEdit>(&dialog, PaperFeedDialog::kMinimumEdit)
            ->setText(QString::number(minimum));
        e2e.Find<QLineEdit>(&dialog, PaperFeedDialog::kMaximumEdit)
            ->setText(QString::number(maximum));
        e2e.Find<QAbstractButton>(&dialog, SampleDialog::kSamplePrint)->click();
        EXPECT_TRUE(e2e.bench.messages.texts().empty());
    }

    SpoolerWithUser spooler;
    EndToEndBench e2e{{.spooler = &spooler}};
};

TEST_F(SamplePrintEndToEndTest, PaperFeedSamplesOnSheetsArriveGroupedWithTheirLabels) {
    FeedSamples({.mediaId = 9,
                 .forward = 5,
                 .dryTime = 4,
                 .paperThick = 3,
                 .paperDraw = -1,
                 .paperCut = 1,
                 .platen = 2,
                 .roller = 3},
                -20, -18);
    const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 6, 30000);
    const QString labels =
        "Media type=Enhanced Matte Paper, Paper thickness=3, Platen gap=%1, Paper feed "
        "adjustment=%2, Drying time=4, Cut method=Thin paper, Roller type=Heavy, Paper suction=-1";
    auto page = [&](int feed) { return labels.arg(e2e.Text(30132)).arg(feed).toStdString(); };
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
    spooler.cancelAfterPages = 1;
    FeedSamples({.mediaId = 9}, 0, 4);
    const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 3, 30000);
    const std::vector<std::string> received = Received(jobs);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], "group 1");
    EXPECT_NE(received[1].find("Paper feed adjustment=0,"), std::string::npos) << received[1];
    EXPECT_EQ(received[2], "group 2");
    EXPECT_EQ(e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 4, 500).size(), 3u);
}

}  // namespace
