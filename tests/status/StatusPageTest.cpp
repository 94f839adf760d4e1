// The status page on the page test bench: how Display Job ends, the sheets, the viewer's keys.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "UiTestBench.h"
#include "comm/CommLibrary.h"
#include "pagekit/ControlDressing.h"
#include "pagekit/ProgressDialog.h"
#include "status/PrinterStatusPage.h"
#include "status/TextViewer.h"

namespace {

const std::vector<uint8_t>&kReady = UiTestBench::kReady, &kBusy = UiTestBench::kBusy;

class StatusPageTest : public ::testing::Test {
  protected:
    // The printer answers this status, then these replies ("!": the receive fails).
    void Script(const std::vector<uint8_t>& status, const std::vector<std::string>& replies = {}) {
        bench.Rescript("ZENTA Corvid 4000", {status}, replies);
        bench.app->selectedPrinter().printerName = "desk";
        ASSERT_TRUE(bench.app->commLibrary()->Load("desk", false));
    }
    void Press(int id) { qobject_cast<QAbstractButton*>(FindControl(&page, id))->click(); }

    UiTestBench bench;
    PrinterStatusPage page{*bench.app, nullptr};
};

TEST_F(StatusPageTest, DisplayJobOpensTheViewerOrSaysWhyNot) {
    const std::string job = "@BDC PS\r\nJI:0107000302;";
    // name, status, replies, cancelled, messages, viewer shown
    for (const auto& [name, status, replies, cancel, messages, viewerShown] :
         std::vector<std::tuple<const char*, std::vector<uint8_t>, std::vector<std::string>, bool,
                                std::vector<int32_t>, bool>>{
             {"no job: empty viewer", kReady, {}, false, {}, true},
             {"request fails", kReady, {job, "!"}, false, {60900}, false},
             {"cancelled", kReady, {job}, true, {}, false},
             {"not ready", kBusy, {job}, false, {901}, false}}) {
        SCOPED_TRACE(name);
        page.viewer().hide();
        Script(status, replies);
        if (cancel)
            QTimer::singleShot(0, [] {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* progress = qobject_cast<ProgressDialog*>(window))
                        progress->cancelButton()->click();
            });
        Press(1043);
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        EXPECT_EQ(page.viewer().isVisible(), viewerShown);
    }
    EXPECT_EQ(page.viewer().Text(), "");
    page.PageDeactivated();
    EXPECT_FALSE(page.viewer().isVisible());
}

TEST_F(StatusPageTest, EachSheetButtonSendsItsSheetJob) {
    // button, status, spooler result, the sheet asked for by the job sent (0: none), messages
    const std::vector<std::tuple<int, std::vector<uint8_t>, int, uint8_t, std::vector<int32_t>>>
        rows = {{1002, kReady, 0, 2, {60901}},
                {1004, kReady, 0, 4, {60901}},
                {1005, kReady, 0, 1, {60901}},
                {1005, kReady, -1, 0, {}},
                {1002, kBusy, 0, 0, {901}}};
    for (const auto& [button, status, writeResult, sheet, messages] : rows) {
        Script(status);
        bench.spooler.jobs.clear();
        bench.spooler.writeResult = writeResult;
        Press(button);
        EXPECT_EQ(bench.messages.texts(), bench.Texts(messages));
        ASSERT_EQ(bench.spooler.jobs.size(), sheet == 0 ? 0u : 1u);
        if (sheet != 0) {
            EXPECT_EQ(bench.spooler.jobs[0].bytes[20], sheet) << button;
        }
    }
}

TEST_F(StatusPageTest, TheViewerTakesNoKeysAndEscapeOutsideItsTextHidesIt) {
    TextViewer& viewer = page.viewer();
    viewer.SetText("Job 7 :\r\n Job name : Poster\r\n");
    viewer.show();
    auto* box = qobject_cast<QPlainTextEdit*>(FindControl(&viewer, 1002));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_TRUE(viewer.isVisible());
    QTest::keyClick(FindControl(&viewer, 2), Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

}  // namespace
