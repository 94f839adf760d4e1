// The alignment pages against the emulated printer: what it reads, holds and saves.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "EndToEndBench.h"
#include "maintenance/ManualAlignmentPage.h"
#include "pagekit/AlignmentValueBox.h"
#include "platform/SystemClock.h"

namespace {

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

class AlignmentEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(e2e.Start()); }

    // Checks dot size #k on page 8 and types the values of its row.
    static void SetRow(Page* page, int k, const std::vector<int>& values) {
        auto* dotSize = EndToEndBench::Find<QCheckBox>(page, 1163 + k);
        if (!dotSize->isChecked()) dotSize->click();
        for (int c = 0; c < 8; ++c) {
            const int id = ManualAlignmentPage::ValueBoxId(AlignmentDirection::Bidirectional, k, c);
            EndToEndBench::Find<AlignmentValueBox>(page, id)->setText(QString::number(values[c]));
        }
    }

    QuickClock clock;
    EndToEndBench e2e{{.clock = &clock}};
};

TEST_F(AlignmentEndToEndTest, AutomaticAdjustmentWaitsUntilThePrinterHasReadBothDotSizes) {
    Page* page = e2e.OpenPage(1011, 1);
    ASSERT_NE(page, nullptr);
    auto* media = e2e.Find<QComboBox>(page, 1096);
    media->setCurrentIndex(media->findText("Singleweight Matte Paper"));
    e2e.Find<QCheckBox>(page, 1169)->click();
    e2e.Find<QCheckBox>(page, 1171)->click();
    e2e.Snapshot("page1.png");
    int64_t shownAt = 0;
    e2e.bench.messages.OnShow([&](const RecordedMessage&) { shownAt = clock.NowMs(); });
    const int64_t start = clock.NowMs();
    e2e.Find<QPushButton>(page, 1053)->click();

    EXPECT_EQ(e2e.bench.messages.texts(), std::vector<QString>{e2e.Text(10900)});
    EXPECT_GE(shownAt - start, 2 * 120000);  // the printer reads each dot size for 120 s
    const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), 1);
    ASSERT_EQ(jobs.size(), 1u);
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
    Page* page = e2e.OpenPage(1018, 8);
    ASSERT_NE(page, nullptr);
    e2e.Find<QLineEdit>(page, 1098)->setText("5");
    SetRow(page, 2, {1, 2, 3, 4, 6, 7, 8, 9});
    e2e.Snapshot("page8.png");
    e2e.Find<QPushButton>(page, 1102)->click();
    SetRow(page, 1, {7, 5, 5, 5, 5, 5, 5, 5});
    e2e.Find<QPushButton>(page, 1145)->click();
    EXPECT_EQ(
        e2e.printer.WaitForState("heldAlignmentBi", [](auto& v) { return v.starts_with("0:7,"); })
            .substr(0, 4),
        "0:7,");
    e2e.window->ShowPage(9);
    e2e.Snapshot("page9.png");

    EXPECT_EQ(e2e.bench.messages.texts(), (std::vector<QString>{e2e.Text(80903), e2e.Text(80902)}));
    EXPECT_EQ(e2e.printer.WaitForState("heldAlignmentBi", [](auto& v) { return v.empty(); }), "");
    // Of the 64 values saved, #2 (indexes 0x10-0x17) holds its row; the dropped 7 of #1 is not.
    const std::string saved = e2e.printer.WaitForState("alignmentBi", [](auto&) { return true; });
    EXPECT_EQ(saved.substr(32, 16), "0102030406070809");
    EXPECT_NE(saved.substr(0, 2), "07");
}

}  // namespace
