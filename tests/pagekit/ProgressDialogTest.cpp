#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

#include "JobBytes.h"
#include "UiTestBench.h"
#include "comm/CompletionWait.h"
#include "pagekit/Page.h"
#include "pagekit/PrintAndWait.h"
#include "pagekit/ProgressDialog.h"

namespace {

class ProgressDialogTest : public ::testing::Test {
  protected:
    ProgressDialogTest() {
        owner.resize(600, 453);
        owner.show();
    }

    UiTestBench bench;
    ServiceApp& app = *bench.app;
    VirtualClock& clock = bench.clock;
    QWidget owner;
};

TEST_F(ProgressDialogTest, TimeLimitIsReachedOnlyAfterItsTime) {
    ProgressDialog dialog(app);
    ASSERT_TRUE(dialog.Show("Nozzle check", 1'000'000, true, &owner));
    EXPECT_EQ(dialog.windowTitle(), "Nozzle check");

    const int64_t start = clock.NowMs();
    int frameChanges = 0;
    int lastFrame = dialog.blinkFrame();
    int state = ProgressDialog::Running;
    while ((state = dialog.Poll()) == ProgressDialog::Running) {
        ASSERT_LT(clock.NowMs() - start, 1'000'000);
        const int frame = dialog.blinkFrame();
        frameChanges += frame != std::exchange(lastFrame, frame);
        // Long steps first keep the test short; Poll itself takes no time.
        clock.AdvanceMs(clock.NowMs() - start < 990'000 ? 990 : 10);
    }
    EXPECT_EQ(state, ProgressDialog::TimeLimitReached);
    EXPECT_GT(frameChanges, 100);
    dialog.Close();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, OnlyTheCancelButtonStopsItAndTheEndReenablesTheOwner) {
    ProgressDialog fixed(app);
    fixed.Show("Firmware", 30'000, false, &owner);
    EXPECT_FALSE(fixed.cancelButton()->isVisible());
    QTest::keyClick(&fixed, Qt::Key_Escape);
    EXPECT_EQ(fixed.Poll(), ProgressDialog::Running);
    fixed.Close();

    auto dialog = std::make_unique<ProgressDialog>(app);
    dialog->Show("Cleaning", 60'000, true, &owner);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Poll(), ProgressDialog::Cancelled);
    EXPECT_FALSE(dialog->isVisible());
    // The time limit passing afterwards does not change what the user chose.
    clock.AdvanceMs(120'000);
    EXPECT_EQ(dialog->Poll(), ProgressDialog::Cancelled);
    EXPECT_FALSE(owner.isEnabled());
    dialog.reset();
    EXPECT_TRUE(owner.isEnabled());
}

// A page change during the wait would pull the driver binding from under it: the whole window
// is disabled, not only the page that started the job.
TEST_F(ProgressDialogTest, PrintAndWaitHoldsTheWholeMainWindowAndReportsItsEnd) {
    QWidget mainWindow;
    mainWindow.show();
    app.SetMainWindow(&mainWindow);
    Page page(app, 1, 100, &mainWindow);
    bench.spooler.writeResult = -1;
    bool enabledDuringWait = true;
    QTimer::singleShot(0, [&] { enabledDuringWait = mainWindow.isEnabled(); });
    EXPECT_EQ(PrintAndWait(app, "desk", wire::ExitRemote(), 10130, 60'000), kCompletionNotSent);
    EXPECT_FALSE(enabledDuringWait);
    EXPECT_TRUE(mainWindow.isEnabled());

    // result of the wait, message, icon
    const std::tuple<int32_t, int32_t, MessageIcon> rows[] = {{0, 10900, MessageIcon::Information},
                                                              {1, 10902, MessageIcon::Warning},
                                                              {2, 10902, MessageIcon::Warning},
                                                              {3, 10901, MessageIcon::Error},
                                                              {-1, 10901, MessageIcon::Error}};
    for (const auto& [result, textId, icon] : rows) {
        bench.messages.Clear();
        ReportPrintAndWait(page, result);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        const RecordedMessage& shown = bench.messages.messages()[0];
        EXPECT_EQ(std::tuple(shown.text, shown.icon, shown.owner),
                  std::tuple(app.LoadText(textId), icon, &page))
            << result;
    }
}

}  // namespace
