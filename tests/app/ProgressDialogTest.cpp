#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "RecordingMessages.h"
#include "SubstituteSpooler.h"
#include "TestInstallation.h"
#include "VirtualClock.h"
#include "comm/CompletionWait.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/Page.h"
#include "pagekit/PrintAndWait.h"
#include "pagekit/ProgressDialog.h"
#include "pagekit/ServiceApp.h"

namespace {

class ProgressDialogTest : public ::testing::Test {
  protected:
    ProgressDialogTest() : app_(installation_.ProgramFolder(), {messages_, clock_, spooler_}) {
        owner_.resize(600, 453);
        owner_.show();
    }

    TestInstallation installation_;
    RecordingMessages messages_;
    VirtualClock clock_;
    SubstituteSpooler spooler_;
    ServiceApp app_;
    QWidget owner_;
};

TEST_F(ProgressDialogTest, TimeLimitIsReachedOnlyAfterItsTime) {
    ProgressDialog dialog(app_);
    ASSERT_TRUE(dialog.Show("Nozzle check", 1'000'000, true, &owner_));
    EXPECT_EQ(dialog.windowTitle(), "Nozzle check");
    EXPECT_EQ(dialog.size(), QSize(332, 131));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(owner_.isEnabled());
    EXPECT_TRUE(dialog.isEnabled());
    const auto* message = qobject_cast<QLabel*>(FindControl(&dialog, 1159));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Working, please wait");
    EXPECT_EQ(message->geometry(), QRect(74, 18, 242, 35));
    ASSERT_NE(FindControl(&dialog, 1158), nullptr);
    EXPECT_EQ(FindControl(&dialog, 1158)->geometry(), QRect(12, 11, 51, 48));
    EXPECT_EQ(FindControl(&dialog, 2), dialog.cancelButton());
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
    EXPECT_EQ(dialog.cancelButton()->geometry(), QRect(122, 75, 88, 21));

    const int64_t start = clock_.NowMs();
    int frameChanges = 0;
    int lastFrame = dialog.blinkFrame();
    int state = ProgressDialog::Running;
    while ((state = dialog.Poll()) == ProgressDialog::Running) {
        ASSERT_LT(clock_.NowMs() - start, 1'000'000);
        if (dialog.blinkFrame() != lastFrame) {
            ++frameChanges;
            lastFrame = dialog.blinkFrame();
        }
        // Long steps first keep the test short; Poll itself takes no time.
        clock_.AdvanceMs(clock_.NowMs() - start < 990'000 ? 990 : 10);
    }
    EXPECT_EQ(state, ProgressDialog::TimeLimitReached);
    EXPECT_GE(clock_.NowMs() - start, 1'000'000);
    EXPECT_GT(frameChanges, 100);
    EXPECT_FALSE(owner_.isEnabled());

    dialog.Close();
    EXPECT_TRUE(owner_.isEnabled());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ProgressDialogTest, CancelStopsAndHides) {
    ProgressDialog dialog(app_);
    dialog.Show("Cleaning", 60'000, true, &owner_);
    EXPECT_EQ(dialog.Poll(), ProgressDialog::Running);
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Poll(), ProgressDialog::Cancelled);
    EXPECT_FALSE(dialog.isVisible());
    // The time limit passing afterwards does not change what the user chose.
    clock_.AdvanceMs(120'000);
    EXPECT_EQ(dialog.Poll(), ProgressDialog::Cancelled);
    dialog.Close();
    EXPECT_TRUE(owner_.isEnabled());
}

TEST_F(ProgressDialogTest, WithoutCancelTheUserCannotStopIt) {
    ProgressDialog dialog(app_);
    dialog.Show("Firmware", 30'000, false, &owner_);
    EXPECT_FALSE(dialog.cancelButton()->isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.Poll(), ProgressDialog::Running);
    EXPECT_TRUE(dialog.isVisible());
    dialog.Close();
}

TEST_F(ProgressDialogTest, DestroyingItReenablesTheOwner) {
    auto dialog = std::make_unique<ProgressDialog>(app_);
    dialog->Show("Status", 5'000, true, &owner_);
    EXPECT_FALSE(owner_.isEnabled());
    dialog.reset();
    EXPECT_TRUE(owner_.isEnabled());
}

TEST_F(ProgressDialogTest, NoOwnerMeansTheMainWindow) {
    QWidget mainWindow;
    mainWindow.show();
    app_.SetMainWindow(&mainWindow);
    ProgressDialog dialog(app_);
    dialog.Show("Alignment", 5'000, true, nullptr);
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(owner_.isEnabled());
    dialog.Close();
    EXPECT_TRUE(mainWindow.isEnabled());

    // Without a main window there is no owner to disable.
    app_.SetMainWindow(nullptr);
    ProgressDialog ownerless(app_);
    EXPECT_TRUE(ownerless.Show("Alignment", 5'000, true, nullptr));
    ownerless.Close();
}

// A page change during the wait would pull the driver binding from under it: the whole window
// is disabled, not only the page that started the job.
TEST_F(ProgressDialogTest, PrintAndWaitHoldsTheWholeMainWindowAndReportsItsEnd) {
    QWidget mainWindow;
    mainWindow.show();
    app_.SetMainWindow(&mainWindow);
    Page page(app_, 1, 100, &mainWindow);
    spooler_.writeResult = -1;
    bool enabledDuringWait = true;
    QTimer::singleShot(0, [&] { enabledDuringWait = mainWindow.isEnabled(); });
    const std::vector<uint8_t> job = {0x1B, 0x00, 0x00, 0x00};
    EXPECT_EQ(PrintAndWait(app_, "desk", job, 10130, 60'000), kCompletionNotSent);
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
        messages_.Clear();
        ReportPrintAndWait(page, row.result);
        ASSERT_EQ(messages_.messages().size(), 1u);
        EXPECT_EQ(messages_.messages()[0].text, app_.LoadText(row.textId)) << row.result;
        EXPECT_EQ(messages_.messages()[0].icon, row.icon) << row.result;
        EXPECT_EQ(messages_.messages()[0].owner, &page);
    }
}

}  // namespace
