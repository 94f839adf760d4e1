#include "comm/CompletionWait.h"

#include <functional>

#include "LinkFixture.h"
#include "ScriptedProgress.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int64_t kTimeLimitMs = 1500000;
const Bytes kJob = {0x1B, 0x40, 0x4E, 0x43, 0x02, 0x00, 0x00, 0x01, 0x1B, 0x00, 0x00, 0x00};

class CompletionWaitTest : public LinkFixture {
  protected:
    void SetUp() override {
        LinkFixture::SetUp();
        OfferChannel(PrinterLink::kPlainChannel);
    }

    // One status answer per read, in order; the last one stays.
    void QueueCodes(const std::vector<uint8_t>& codes) {
        for (uint8_t code : codes) script.QueueStatus(15, StatusWithCode(code));
    }

    int32_t Run(int64_t timeLimitMs = kTimeLimitMs, int cancelAtPoll = -1) {
        start = clock.NowMs();
        ScriptedProgress progress(clock, timeLimitMs, cancelAtPoll);
        PrinterLink link(&library, clock);
        return SendAndWatch(spooler, link, clock, kPrinter, kJob, progress);
    }
    int64_t Elapsed() { return clock.NowMs() - start; }

    int64_t start = 0;
};

TEST_F(CompletionWaitTest, ReadyFromTheFirstPollCompletesAfterThirtySecondsAndThreePolls) {
    QueueCodes({4});
    EXPECT_EQ(Run(), kCompletionFinished);
    ASSERT_EQ(spooler.jobs.size(), 1u);
    EXPECT_EQ(spooler.jobs[0].printer, kPrinter);
    EXPECT_EQ(spooler.jobs[0].title, "TAVO Command");
    EXPECT_EQ(spooler.jobs[0].bytes, kJob);
    EXPECT_EQ(script.CountCalls("RQGetStatus"), 9);
    // First poll after 30 s, two more each over a second after the previous one's reads.
    EXPECT_GT(Elapsed(), 30000 + 2 * (1000 + 200));
    EXPECT_LT(Elapsed(), 30000 + 3 * (1000 + 200) + 200);
    EXPECT_EQ(script.CountCalls("RQOpenChannel"), 1);
    EXPECT_EQ(script.CountCalls("RQCloseChannel 7"), 1);
}

TEST_F(CompletionWaitTest, AnyPollThatIsNotReadyThreeTimesStartsTheCountAgain) {
    struct Row {
        const char* name;
        std::function<void()> queue;
        int32_t reads;
    };
    const std::vector<Row> rows = {
        {"ready, ready, busy, ready, ready, ready",
         [&] {
             QueueCodes({4, 4, 4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4});
         },
         16},
        {"busy on the second read of a poll",
         [&] {
             QueueCodes({4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
         },
         15},
        // Both re-reads always happen: a failed first re-read followed by a good one is no
        // failure of the wait, only no ready poll.
        {"a failed re-read",
         [&] {
             QueueCodes({4});
             script.QueueStatus(-2, {});
             QueueCodes({4, 4, 4, 4, 4, 4, 4, 4, 4});
         },
         12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        row.queue();
        EXPECT_EQ(Run(), kCompletionFinished);
        EXPECT_EQ(script.CountCalls("RQGetStatus"), row.reads);
    }
}

TEST_F(CompletionWaitTest, FailuresCancelAndTheTimeLimitEndTheWait) {
    struct Row {
        const char* name;
        std::function<void()> arrange;
        int32_t expected;
        int cancelAtPoll = -1;
    };
    const std::vector<Row> rows = {
        {"error status at the first poll", [&] { QueueCodes({0}); }, kCompletionFailed},
        {"status read fails", [&] { script.QueueStatus(-2, {}); }, kCompletionFailed},
        {"no channel",
         [&] {
             QueueCodes({4});
             script.SetResult("RQOpenChannel", 0);
         },
         kCompletionFailed},
        {"spooler refuses", [&] { spooler.writeResult = -1; }, kCompletionNotSent},
        {"stays busy", [&] { QueueCodes({3}); }, kCompletionTimeLimit},
        {"cancelled", [&] { QueueCodes({3}); }, kCompletionCancelled, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        spooler.jobs.clear();
        spooler.writeResult = 0;
        row.arrange();
        EXPECT_EQ(Run(60000, row.cancelAtPoll), row.expected);
        EXPECT_EQ(spooler.jobs.size(), row.expected == kCompletionNotSent ? 0u : 1u);
        EXPECT_LE(Elapsed(), 60100);
    }
}

}  // namespace
