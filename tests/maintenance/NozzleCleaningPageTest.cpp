#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>

#include "JobBytes.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "maintenance/NozzleCleaningPage.h"
#include "pagekit/ControlDressing.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

class NozzleCleaningPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bench.app->selectedPrinter().printerName = "desk";
        bench.ScriptPrinter(kModel);
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    void Press(int buttonId) { qobject_cast<QPushButton*>(FindControl(&page, buttonId))->click(); }

    UiTestBench bench;
    NozzleCleaningPage page{*bench.app, nullptr};
};

// Which status refuses the cleaning, and in which order, is the verdict's own test; here each
// verdict's message.
TEST_F(NozzleCleaningPageTest, EachCleaningVerdictHasItsMessage) {
    // name, status, message, whether the job is sent
    const std::vector<std::tuple<const char*, std::vector<uint8_t>, int32_t, bool>> rows = {
        {"allowed", wire::StatusBlock(4, 13, {26, 26, 26, 26}), 20900, true},
        {"ink too low", wire::StatusBlock(4, 13, {26, 25, 26, 26}), 20903, false},
        {"level too low", wire::StatusBlock(4, 12, {26, 26, 26, 26}), 20904, false},
        {"printer busy", wire::StatusBlock(2, 13, {26, 26, 26, 26}), 901, false},
    };
    for (const auto& [name, status, text, sent] : rows) {
        SCOPED_TRACE(name);
        bench.Rescript(kModel, {status});
        Press(1039);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(text));
        EXPECT_EQ(bench.messages.messages()[0].icon,
                  sent ? MessageIcon::Information : MessageIcon::Warning);
        EXPECT_EQ(bench.spooler.jobs.size(), sent ? 1u : 0u);
    }
}

// The job and its message are the end-to-end test's; here the wait and the cursor.
TEST_F(NozzleCleaningPageTest, NozzleCheckWaitsThreeSecondsUnderTheWaitCursor) {
    bench.ScriptStatus(wire::StatusBlock(4));
    const int64_t before = bench.clock.sleptMs();
    bool waitCursorAtMessage = false;
    bench.messages.OnShow([&](const RecordedMessage&) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursorAtMessage = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    });
    Press(1038);
    EXPECT_TRUE(waitCursorAtMessage);  // restored only once the message is answered
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(bench.clock.sleptMs() - before, 3000);

    bench.messages.Clear();
    bench.spooler.writeResult = -1;
    Press(1038);
    EXPECT_TRUE(bench.messages.messages().empty());
}

TEST(NozzleCleaningReviewTest, ReviewShowsThePagesFiveMessages) {
    UiTestBench bench(LaunchMode::MessageReview);
    NozzleCleaningPage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    EXPECT_EQ(bench.messages.texts(), bench.Texts({20900, 20901, 20902, 20903, 20904}));
}

}  // namespace
