#include <gtest/gtest.h>

#include <QGuiApplication>

#include <QPushButton>

#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "maintenance/NozzleCleaningPage.h"
#include "pagekit/ControlDressing.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";
const std::vector<uint8_t> kCleaningJob = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00, 0x52,
                                           0x45, 0x4D, 0x4F, 0x54, 0x45, 0x31, 0x43, 0x48, 0x02,
                                           0x00, 0x00, 0x10, 0x1B, 0x00, 0x00, 0x00};

// A status block: status code, field 0x0D with the given level, and field 0x0F holding 3-byte ink
// entries whose third bytes are given.
std::vector<uint8_t> StatusBlock(int statusCode, int level, const std::vector<int>& inkThirdBytes) {
    std::vector<int> fields = {0x01, 0x01, statusCode, 0x0D, 0x01, level};
    fields.insert(fields.end(), {0x0F, static_cast<int>(1 + 3 * inkThirdBytes.size()), 3});
    for (int third : inkThirdBytes) fields.insert(fields.end(), {0x10, 0x01, third});
    std::vector<uint8_t> block = {static_cast<uint8_t>(fields.size()), 0};
    for (int byte : fields) block.push_back(static_cast<uint8_t>(byte));
    return block;
}

class NozzleCleaningPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bench.spooler.queues = {UiTestBench::Queue("desk", kModel)};
        bench.app->selectedPrinter().printerName = "desk";
        bench.app->selectedPrinter().driverName = kModel;
        bench.ScriptPrinter(kModel);
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }

    void Press(int buttonId) {
        auto* button = qobject_cast<QPushButton*>(FindControl(&page, buttonId));
        ASSERT_NE(button, nullptr);
        button->click();
    }

    UiTestBench bench;
    NozzleCleaningPage page{*bench.app, nullptr};
};

TEST_F(NozzleCleaningPageTest, CleaningIsGatedByTheStatusBlock) {
    struct Row {
        const char* name;
        std::vector<uint8_t> status;
        bool channelOpens;
        int32_t text;
        bool sent;
    };
    const std::vector<Row> rows = {
        {"ink and level fine", StatusBlock(4, 13, {26, 26, 26, 26}), true, 20900, true},
        {"one ink entry at 25", StatusBlock(4, 13, {26, 25, 26, 26}), true, 20903, false},
        {"level at 12", StatusBlock(4, 12, {26, 26, 26, 26}), true, 20904, false},
        {"both low: ink first", StatusBlock(4, 0, {0, 0, 0, 0}), true, 20903, false},
        {"printer busy", StatusBlock(2, 13, {26, 26, 26, 26}), true, 901, false},
        {"no channel", StatusBlock(4, 13, {26, 26, 26, 26}), false, 901, false},
        {"status block with length 0", {0, 0}, true, 901, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bench.messages.Clear();
        bench.spooler.jobs.clear();
        bench.printer.Reset();
        bench.ScriptPrinter(kModel);
        bench.ScriptStatus(row.status);
        bench.printer.SetResult("RQOpenChannel", row.channelOpens ? 7 : -1);
        Press(1039);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(row.text));
        EXPECT_EQ(bench.messages.messages()[0].icon,
                  row.sent ? MessageIcon::Information : MessageIcon::Warning);
        ASSERT_EQ(bench.spooler.jobs.size(), row.sent ? 1u : 0u);
        if (row.sent) {
            EXPECT_EQ(bench.spooler.jobs[0].bytes, kCleaningJob);
            EXPECT_EQ(bench.spooler.jobs[0].title, "TAVO Command");
            EXPECT_EQ(bench.spooler.jobs[0].printer, "desk");
        }
    }
}

TEST_F(NozzleCleaningPageTest, NozzleCheckSendsThe36ByteJobAndWaitsThreeSeconds) {
    bench.ScriptStatus(StatusBlock(4, 0, {0}));
    const int64_t before = bench.clock.sleptMs();
    bool waitCursorAtMessage = false;
    bench.messages.OnShow([&](const RecordedMessage&) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursorAtMessage = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    });
    Press(1038);
    EXPECT_TRUE(waitCursorAtMessage);  // restored only once the message is answered
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(bench.spooler.jobs.size(), 1u);
    const std::vector<uint8_t> tail = {0x4E, 0x43, 0x02, 0x00, 0x00, 0x00, 0x56,
                                       0x49, 0x02, 0x00, 0x00, 0x01, 0x1B, 0x00,
                                       0x00, 0x00, 0x0D, 0x0A, 0x0C, 0x1B, 0x40};
    const std::vector<uint8_t>& job = bench.spooler.jobs[0].bytes;
    ASSERT_EQ(job.size(), 36u);
    EXPECT_EQ(std::vector<uint8_t>(job.begin() + 15, job.end()), tail);
    EXPECT_EQ(bench.clock.sleptMs() - before, 3000);
    ASSERT_EQ(bench.messages.messages().size(), 1u);
    EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(20902));

    bench.messages.Clear();
    bench.spooler.writeResult = -1;
    Press(1038);
    EXPECT_TRUE(bench.messages.messages().empty());
}

TEST(NozzleCleaningReviewTest, ReviewShowsTheFiveMessagesAndCleansWithoutAsking) {
    UiTestBench bench(LaunchMode::MessageReview);
    NozzleCleaningPage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    const std::vector<QString> expected = {bench.app->LoadText(20900), bench.app->LoadText(20901),
                                           bench.app->LoadText(20902), bench.app->LoadText(20903),
                                           bench.app->LoadText(20904)};
    EXPECT_EQ(bench.messages.texts(), expected);

    bench.messages.Clear();
    page.CleanHeads();
    ASSERT_EQ(bench.spooler.jobs.size(), 1u);
    EXPECT_EQ(bench.spooler.jobs[0].bytes, kCleaningJob);
    EXPECT_EQ(bench.messages.texts(), std::vector<QString>{bench.app->LoadText(20900)});
}

}  // namespace
