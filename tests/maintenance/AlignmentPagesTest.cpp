#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "maintenance/AutomaticAdjustmentPage.h"
#include "maintenance/ManualAlignmentPage.h"
#include "pagekit/AlignmentValueBox.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/InkImageStrip.h"

namespace {

using Bytes = std::vector<uint8_t>;
const Bytes &kReady = UiTestBench::kReady, &kBusy = UiTestBench::kBusy;
// The panel's platen gap setting "0" lets the job choose the gap.
const std::string kGapAuto = "@BDC PS\r\nSN:010;", kGapFixed = "@BDC PS\r\nSN:011;";

// The bench's scripted printer and driver, which offers Glossy Twelve (thickness 5), Matte Three
// (3) and Canvas Seven (2) after the first entry of the media list.
class AlignmentPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The driver's media list is kept per printer name for the whole process, and only
        // while an instance lives: each test takes a printer of its own.
        static int tests = 0;
        const std::string printer = "desk" + std::to_string(++tests);
        bench.app->selectedPrinter().printerName = printer;
        Script({}, {kReady});
        ASSERT_TRUE(bench.app->commLibrary()->Load(printer, false));
        bench.app->driverSettingsLibrary()->Load(printer);
    }
    void Script(const std::vector<std::string>& replies, const std::vector<Bytes>& statuses) {
        bench.Rescript("ZENTA Corvid 4000", statuses, replies);
    }
    template <typename Control = QWidget>
    static Control* Find(Page& page, int id) {
        return qobject_cast<Control*>(FindControl(&page, id));
    }
    // The media entry; with the first one the thickness is typed.
    static void ChoosePaper(Page& page, int media, const QString& typed) {
        Find<QComboBox>(page, 1096)->setCurrentIndex(media);
        if (media == 0) Find<QLineEdit>(page, 1098)->setText(typed);
    }
    static void Check(Page& page, int id, bool on) {
        if (Find<QCheckBox>(page, id)->isChecked() != on) Find<QCheckBox>(page, id)->click();
    }
    Bytes SentJob() const {
        return bench.spooler.jobs.empty() ? Bytes{} : bench.spooler.jobs[0].bytes;
    }
    static Bytes Of(const JobBuffer& job) { return {job.Bytes().begin(), job.Bytes().end()}; }

    UiTestBench bench;
    const DriverMediaList mediaCache{nullptr, {}, {}};
};

class AutomaticAdjustmentPageTest : public AlignmentPageTest {
  protected:
    void SetUp() override {
        AlignmentPageTest::SetUp();
        page.PageActivated();
    }
    void CheckBoth(const DotSizeChecks& bi, const DotSizeChecks& uni) {
        for (int k = 0; k < kDotSizeCount; ++k) {
            Check(page, AutomaticAdjustmentPage::kBidirectional.dotSizeBoxes[k], bi[k]);
            Check(page, AutomaticAdjustmentPage::kUnidirectional.dotSizeBoxes[k], uni[k]);
        }
    }
    AutomaticAdjustmentPage page{*bench.app, nullptr};
};

// Which gaps are offered for which thickness is the gap table's own test; here the list follows
// what is typed and chosen.
TEST_F(AutomaticAdjustmentPageTest, GapListFollowsThicknessAndMedia) {
    // media, thickness typed and shown, gaps listed (none: the list is disabled), gap selected
    const std::vector<std::tuple<int, QString, QString, std::vector<int32_t>, int32_t>> steps = {
        {0, "2", "2", {10151, 10152, 10153, 10154}, 10153},
        {0, "\u0663", "", {}, 0},
        {1, "", "5", {10150, 10151, 10152, 10153}, 10150},  // the media's thickness and gap
    };
    for (const auto& [media, typed, thickness, gaps, selected] : steps) {
        SCOPED_TRACE(typed.toStdString() + " " + std::to_string(media));
        ChoosePaper(page, media, typed);
        EXPECT_EQ(Find<QLineEdit>(page, 1098)->text(), thickness);
        EXPECT_EQ(Find<QLineEdit>(page, 1098)->isReadOnly(), media != 0);
        auto* gap = Find<QComboBox>(page, 1101);
        ASSERT_EQ(gap->isEnabled(), !gaps.empty());
        std::vector<QString> shown;
        for (int i = 0; i < gap->count() && gap->isEnabled(); ++i)
            shown.push_back(gap->itemText(i));
        EXPECT_EQ(shown, bench.Texts(gaps));
        if (!gaps.empty()) EXPECT_EQ(gap->currentText(), bench.app->LoadText(selected));
    }
}

TEST_F(AutomaticAdjustmentPageTest, StartNeedsADotSizeAndAThickness) {
    // media, thickness typed, dot sizes checked bi-d and uni-d, the two Start buttons enabled
    for (const auto& [media, typed, bi, uni, biStart, uniStart] :
         std::vector<std::tuple<int, QString, DotSizeChecks, DotSizeChecks, bool, bool>>{
             {0, "", {true, false, false, false}, {}, false, false},
             {0, "5", {}, {}, false, false},
             {0, "5", {true, false, false, false}, {}, true, false},
             {2, "", {false, true, false, false}, {false, false, true, false}, true, true},
         }) {
        ChoosePaper(page, media, typed);
        CheckBoth(bi, uni);
        EXPECT_EQ(std::pair(Find(page, 1053)->isEnabled(), Find(page, 1054)->isEnabled()),
                  std::pair(biStart, uniStart));
        EXPECT_TRUE(Find(page, 1055)->isEnabled());
    }
}

TEST_F(AutomaticAdjustmentPageTest, StartSendsTheJobAndWaitsForThePrinter) {
    const DotSizeChecks oneAndThree = {true, false, true, false};
    // media, the panel's gap reply, status once sent, message, gap code of the job (-1: none)
    for (const auto& [media, reply, statusOnceSent, message, gapCode] :
         std::vector<std::tuple<int, std::string, Bytes, int32_t, int>>{
             {0, kGapFixed, kReady, 80900, -1},
             {1, kGapAuto, kReady, 901, -1},
             {0, kGapAuto, kBusy, 10902, 3},
         }) {
        SCOPED_TRACE(message);
        ChoosePaper(page, media, "5");
        CheckBoth(oneAndThree, {});
        Script({reply}, {kReady, statusOnceSent});
        const int64_t start = bench.clock.NowMs();
        Find<QPushButton>(page, 1053)->click();

        EXPECT_EQ(bench.messages.texts(), bench.Texts({message}));
        const TimedJob expected = AutomaticAlignmentJob(AlignmentDirection::Bidirectional, 5,
                                                        static_cast<uint8_t>(gapCode), oneAndThree);
        EXPECT_EQ(SentJob(), gapCode < 0 ? Bytes{} : Of(expected.job));
        EXPECT_EQ(bench.clock.NowMs() - start >= expected.timeLimitMs, message == 10902);
    }
}

TEST_F(AlignmentPageTest, ManualPrintSendsTheCheckedRowsThenReturnsToNeutral) {
    constexpr auto kUni = AlignmentDirection::Unidirectional;
    ManualAlignmentPage uni{*bench.app, kUni, nullptr};
    const DotSizeChecks checked = {true, false, true, false};
    uni.PageActivated();
    EXPECT_EQ(bench.app->inkImageStrip()->SlotCount(), 4);
    ChoosePaper(uni, 0, "5");
    AlignmentValues values;
    for (int k = 1; k <= kDotSizeCount; ++k) {
        Check(uni, 1163 + k, checked[k - 1]);
        for (int c = 0; c < AlignmentValueCount(kUni); ++c) {
            auto* box = Find<AlignmentValueBox>(uni, ManualAlignmentPage::ValueBoxId(kUni, k, c));
            EXPECT_EQ(box->isEnabled(), checked[k - 1]);
            box->setText(QString::number(1 + (k + c) % 9));
            values[k - 1].push_back(1 + (k + c) % 9);
        }
    }
    Script({kGapAuto}, {kReady});
    Find<QPushButton>(uni, 1145)->click();

    EXPECT_EQ(SentJob(), Of(AlignmentPatternJob(kUni, 5, 3, checked, values)));
    EXPECT_EQ(bench.clock.sleptMs(), 3000);
    EXPECT_EQ(bench.messages.texts(), bench.Texts({80902}));
    EXPECT_EQ(Find<AlignmentValueBox>(uni, ManualAlignmentPage::ValueBoxId(kUni, 3, 6))->Value(),
              5);
}

}  // namespace
