// The status page against the scripted library: job information into the text viewer, the three
// sheets, the viewer's own behaviour, and the message review.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "status/PrinterStatusPage.h"
#include "status/TextViewer.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";
const std::vector<uint8_t> kReady = {0x03, 0x00, 0x01, 0x01, 0x04};
const std::vector<uint8_t> kBusy = {0x03, 0x00, 0x01, 0x01, 0x03};

class StatusPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bench.spooler.queues = {UiTestBench::Queue("desk", kModel)};
        bench.app->selectedPrinter().printerName = "desk";
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    // A fresh script: the printer answers this status, then these replies in turn ("!": the
    // receive fails).
    void Script(const std::vector<uint8_t>& status, const std::vector<std::string>& replies = {}) {
        bench.printer.Reset();
        bench.ScriptPrinter(kModel);
        bench.ScriptStatus(status);
        for (const std::string& reply : replies) {
            if (reply == "!")
                bench.printer.QueueReceive(-5, {});
            else
                bench.printer.QueueReceive(int32_t(reply.size()), {reply.begin(), reply.end()});
        }
        bench.messages.Clear();
        bench.spooler.jobs.clear();
    }
    std::vector<QString> Texts(const std::vector<int32_t>& ids) const {
        std::vector<QString> texts;
        for (int32_t id : ids) texts.push_back(bench.app->LoadText(id));
        return texts;
    }
    void Press(int buttonId) {
        auto* button = qobject_cast<QPushButton*>(FindControl(&page, buttonId));
        ASSERT_NE(button, nullptr);
        button->click();
    }

    UiTestBench bench;
    PrinterStatusPage page{*bench.app, nullptr};
};

// Presses Cancel of the progress window as soon as it handles events.
void CancelProgressWhenShown() {
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<ProgressDialog*>(window);
                progress && progress->isVisible())
                progress->cancelButton()->click();
    });
}

TEST_F(StatusPageTest, DisplayJobShowsTheRememberedJobsOrSaysWhy) {
    const std::string job7 = "@BDC PS\r\nJI:0107000302;", job9 = "@BDC PS\r\nJI:0109000101;";
    struct Row {
        const char* name;
        std::vector<uint8_t> status;
        std::vector<std::string> replies;
        bool cancel;
        std::vector<int32_t> messages;
        const char* viewerText;  // its start; null: the viewer stays hidden
        int jobs;
    };
    const std::vector<Row> rows = {
        {"two jobs, a gap between",
         kReady,
         {job7, "NA;", job9},
         false,
         {},
         "Job 7 :\n Job name : \n Computer : \tStatus : Completed\tPaper source : Cut sheet\n",
         2},
        {"no job", kReady, {}, false, {}, "", 0},
        {"request fails", kReady, {job7, "!"}, false, {60900}, nullptr, 0},
        {"cancelled", kReady, {job7}, true, {}, nullptr, 0},
        {"not ready", kBusy, {job7}, false, {901}, nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        page.viewer().hide();
        Script(row.status, row.replies);
        if (row.cancel) CancelProgressWhenShown();
        Press(1043);
        EXPECT_EQ(bench.messages.texts(), Texts(row.messages));
        ASSERT_EQ(page.viewer().isVisible(), row.viewerText != nullptr);
        if (row.viewerText == nullptr) continue;
        const QString text = page.viewer().Text();
        EXPECT_TRUE(text.startsWith(row.viewerText)) << text.toStdString();
        EXPECT_EQ(
            text.count(QRegularExpression("^Job \\d+ :$", QRegularExpression::MultilineOption)),
            row.jobs);
    }
    page.PageDeactivated();
    EXPECT_FALSE(page.viewer().isVisible());
}

TEST_F(StatusPageTest, SheetsAreRawJobsThatAskForTheirSheet) {
    struct Row {
        int button;
        uint8_t sheet;
        std::vector<uint8_t> status;
        int writeResult;
        std::vector<int32_t> messages;
    };
    const std::vector<Row> rows = {
        {1002, 2, kReady, 0, {60901}}, {1004, 4, kReady, 0, {60901}}, {1005, 1, kReady, 0, {60901}},
        {1005, 1, kReady, -1, {}},     {1002, 2, kBusy, 0, {901}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Script(row.status);
        bench.spooler.writeResult = row.writeResult;
        const int64_t slept = bench.clock.sleptMs();
        Press(row.button);
        EXPECT_EQ(bench.messages.texts(), Texts(row.messages));
        const bool sent = row.status == kReady && row.writeResult == 0;
        ASSERT_EQ(bench.spooler.jobs.size(), sent ? 1u : 0u);
        if (!sent) continue;
        const std::vector<uint8_t>& job = bench.spooler.jobs[0].bytes;
        EXPECT_EQ(std::vector<uint8_t>(job.begin() + 15, job.begin() + 21),
                  (std::vector<uint8_t>{0x53, 0x53, 0x02, 0x00, 0x00, row.sheet}));
        EXPECT_EQ(bench.clock.sleptMs() - slept, 3000);
    }
}

TEST_F(StatusPageTest, ViewerKeepsItsLayoutAndTakesNoKeys) {
    TextViewer& viewer = page.viewer();
    viewer.SetText("Job 7 :\r\n Job name : Poster\r\n");
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_EQ(viewer.Text(), "Job 7 :\n Job name : Poster\n");
    viewer.resize(100, 100);
    EXPECT_EQ(viewer.size(), QSize(300, 200));
    viewer.resize(640, 480);
    EXPECT_EQ(FindControl(&viewer, 2)->geometry(), QRect(570, 2, 65, 23));
    EXPECT_EQ(FindControl(&viewer, 1002)->geometry(), QRect(0, 28, 640, 452));

    auto* box = qobject_cast<QPlainTextEdit*>(FindControl(&viewer, 1002));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_TRUE(viewer.isVisible());  // Escape in the text box is a key like any other
    QTest::keyClick(FindControl(&viewer, 2), Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

TEST(StatusPageReviewTest, ReviewShowsTheTwoMessages) {
    UiTestBench bench(LaunchMode::MessageReview);
    PrinterStatusPage page(*bench.app, nullptr);
    EXPECT_EQ(page.PageActivated(), 1);
    ASSERT_EQ(bench.messages.messages().size(), 2u);
    EXPECT_EQ(bench.messages.messages()[0].text, bench.app->LoadText(60900));
    EXPECT_EQ(bench.messages.messages()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(bench.messages.messages()[1].text, bench.app->LoadText(60901));
    EXPECT_EQ(bench.messages.messages()[1].icon, MessageIcon::Information);
}

}  // namespace
