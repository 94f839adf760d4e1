#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "JobBytes.h"
#include "UiTestBench.h"
#include "comm/CompletionWait.h"
#include "pagekit/ControlDressing.h"
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
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog.isEnabled());
    const auto* message = qobject_cast<QLabel*>(FindControl(&dialog, 1159));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), app.LoadText(10200));
    EXPECT_EQ(dialog.cancelButton()->text(), app.LoadText(10250));

    const int64_t start = clock.NowMs();
    int frameChanges = 0;
    int lastFrame = dialog.blinkFrame();
    int state = ProgressDialog::Running;
    while ((state = dialog.Poll()) == ProgressDialog::Running) {
        ASSERT_LT(clock.NowMs() - start, 1'000'000);
        if (dialog.blinkFrame() != lastFrame) {
            ++frameChanges;
            lastFrame = dialog.blinkFrame();
        }
        // Long steps first keep the test short; Poll itself takes no time.
        clock.AdvanceMs(clock.NowMs() - start < 990'000 ? 990 : 10);
    }
    EXPECT_EQ(state, ProgressDialog::TimeLimitReached);
    EXPECT_GE(clock.NowMs() - start, 1'000'000);
    EXPECT_GT(frameChanges, 100);
    EXPECT_FALSE(owner.isEnabled());

    dialog.Close();
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, CancelStopsAndHidesAndTheEndReenablesTheOwner) {
    auto dialog = std::make_unique<ProgressDialog>(app);
    dialog->Show("Cleaning", 60'000, true, &owner);
    EXPECT_EQ(dialog->Poll(), ProgressDialog::Running);
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

TEST_F(ProgressDialogTest, WithoutCancelTheUserCannotStopIt) {
    ProgressDialog dialog(app);
    dialog.Show("Firmware", 30'000, false, &owner);
    EXPECT_FALSE(dialog.cancelButton()->isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.Poll(), ProgressDialog::Running);
    EXPECT_TRUE(dialog.isVisible());
    dialog.Close();
}

TEST_F(ProgressDialogTest, NoOwnerMeansTheMainWindow) {
    QWidget mainWindow;
    mainWindow.show();
    app.SetMainWindow(&mainWindow);
    ProgressDialog dialog(app);
    dialog.Show("Alignment", 5'000, true, nullptr);
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(owner.isEnabled());
    dialog.Close();
    EXPECT_TRUE(mainWindow.isEnabled());

    // Without a main window there is no owner to disable.
    app.SetMainWindow(nullptr);
    ProgressDialog ownerless(app);
    EXPECT_TRUE(ownerless.Show("Alignment", 5'000, true, nullptr));
    ownerless.Close();
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

    struct Row {
        int32_t result;
        int32_t textId;
        MessageIcon icon;
    };
    for (const Row row : {Row{0, 10900, MessageIcon::Information},
                          Row{1, 10902, MessageIcon::Warning}, Row{2, 10902, MessageIcon::Warning},
                          Row{3, 10901, MessageIcon::Error}, Row{-1, 10901, MessageIcon::Error}}) {
        bench.messages.Clear();
        ReportPrintAndWait(page, row.result);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        EXPECT_EQ(bench.messages.messages()[0].text, app.LoadText(row.textId)) << row.result;
        EXPECT_EQ(bench.messages.messages()[0].icon, row.icon) << row.result;
        EXPECT_EQ(bench.messages.messages()[0].owner, &page);
    }
}

}  // namespace
