#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>

#include "JobBytes.h"
#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "comm/HeadMaintenance.h"
#include "maintenance/NozzleCleaningPage.h"
#include "pagekit/ControlDressing.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

std::vector<uint8_t> Of(const JobBuffer& job) {
    return {job.Bytes().begin(), job.Bytes().end()};
}

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
    struct Row {
        const char* name;
        std::vector<uint8_t> status;
        int32_t text;
        bool sent;
    };
    const std::vector<Row> rows = {
        {"allowed", wire::StatusBlock(4, 13, {26, 26, 26, 26}), 20900, true},
        {"ink too low", wire::StatusBlock(4, 13, {26, 25, 26, 26}), 20903, false},
        {"level too low", wire::StatusBlock(4, 12, {26, 26, 26, 26}), 20904, false},
        {"printer busy", wire::StatusBlock(2, 13, {26, 26, 26, 26}), 901, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bench.Rescript(kModel, {row.status});
        Press(1039);
        ASSERT_EQ(bench.messages.messages().size(), 1u);
        EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(row.text));
        EXPECT_EQ(bench.messages.messages()[0].icon,
                  row.sent ? MessageIcon::Information : MessageIcon::Warning);
        EXPECT_EQ(bench.spooler.jobs.empty() ? std::vector<uint8_t>{} : bench.spooler.jobs[0].bytes,
                  row.sent ? Of(HeadCleaningJob()) : std::vector<uint8_t>{});
    }
}

TEST_F(NozzleCleaningPageTest, NozzleCheckSendsItsJobAndWaitsThreeSeconds) {
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
    ASSERT_EQ(bench.spooler.jobs.size(), 1u);
    EXPECT_EQ(bench.spooler.jobs[0].bytes, Of(NozzleCheckJob()));
    EXPECT_EQ(bench.clock.sleptMs() - before, 3000);
    EXPECT_EQ(bench.messages.texts(), std::vector<QString>{bench.app->LoadText(20902)});

    bench.messages.Clear();
    bench.spooler.writeResult = -1;
    Press(1038);
    EXPECT_TRUE(bench.messages.messages().empty());
}

}  // namespace
