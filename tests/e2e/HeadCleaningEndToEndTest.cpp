// The cleaning page's two jobs, from the program's widgets through the real libraries and a
// private CUPS server to the emulated printer.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "EndToEndBench.h"
#include "JobBytes.h"

namespace {

TEST(HeadCleaningEndToEndTest, EachButtonsJobReachesThePrinter) {
    EndToEndBench e2e;
    ASSERT_TRUE(e2e.Start());
    e2e.Snapshot("page0.png");
    // button, the bytes the printer receives, the message
    const std::vector<std::tuple<int, std::vector<uint8_t>, int32_t>> rows = {
        {1039, wire::CleaningJob(), 20900}, {1038, wire::NozzleCheckJob(), 20902}};
    for (size_t row = 0; row < rows.size(); ++row) {
        const auto& [button, job, message] = rows[row];
        SCOPED_TRACE(button);
        e2e.bench.messages.Clear();
        Page* page = e2e.OpenPage(1012, 2);
        ASSERT_NE(page, nullptr);
        e2e.Snapshot("page2.png");
        e2e.Find<QAbstractButton>(page, button)->click();
        e2e.window->ShowPage(0);
        EXPECT_EQ(e2e.bench.messages.texts(), std::vector<QString>{e2e.Text(message)});
        const auto jobs = e2e.printer.WaitForJournal(EmulatedPrinter::Event("job"), row + 1);
        ASSERT_EQ(jobs.size(), row + 1);
        EXPECT_EQ(jobs.back().Bytes(), job);
        ASSERT_TRUE(e2e.printer.WaitUntilReady());
    }
}

}  // namespace
