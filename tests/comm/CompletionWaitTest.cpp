#include "comm/CompletionWait.h"

#include <functional>

#include "LinkFixture.h"
#include "ScriptedProgress.h"

namespace {

using Bytes = std::vector<uint8_t>;

class CompletionWaitTest : public LinkFixture {
  protected:
    // One status answer per read, in order (-2: the read fails); the last one stays.
    void QueueCodes(const std::vector<int>& codes) {
        for (int code : codes)
            script.QueueStatus(code < 0 ? code : 15,
                               code < 0 ? Bytes{} : StatusWithCode(static_cast<uint8_t>(code)));
    }

    void Fresh() {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        spooler.jobs.clear();
        spooler.writeResult = 0;
    }
    int32_t Run(int64_t timeLimitMs, int cancelAtPoll = -1) {
        start = clock.NowMs();
        ScriptedProgress progress(clock, timeLimitMs, cancelAtPoll);
        PrinterLink link(&library, clock);
        return SendAndWatch(spooler, link, clock, kPrinter, wire::CleaningJob(), progress);
    }
    int64_t Elapsed() { return clock.NowMs() - start; }

    int64_t start = 0;
};

// The first poll comes after 30 s, each later one a second after the one before; a poll is ready
// when its read and two re-reads 100 ms apart all say so, and three ready polls in a row end it.
TEST_F(CompletionWaitTest, ThreeReadyPollsInARowFinishIt) {
    struct Row {
        const char* name;
        std::vector<int> codes;
        int polls;
    };
    const std::vector<Row> rows = {
        {"ready from the first poll", {4}, 3},
        {"ready, ready, busy, ready, ready, ready", {4, 4, 4, 4, 4, 4, 3, 4}, 6},
        {"busy on the second read of a poll", {4, 4, 4, 4, 3, 4}, 5},
        // Both re-reads always happen: a failed re-read followed by a good one is no failure of
        // the wait, only no ready poll.
        {"a failed re-read", {4, -2, 4}, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        QueueCodes(row.codes);
        EXPECT_EQ(Run(1500000), kCompletionFinished);
        // A poll that is busy at its first read skips the re-reads' 200 ms.
        EXPECT_NEAR(Elapsed(), 30210 + 1210 * (row.polls - 1), 200);
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
        {"status read fails", [&] { QueueCodes({-2}); }, kCompletionFailed},
        {"no channel", [&] { script.SetResult("RQOpenChannel", 0); }, kCompletionFailed},
        {"spooler refuses", [&] { spooler.writeResult = -1; }, kCompletionNotSent},
        {"stays busy", [&] { QueueCodes({3}); }, kCompletionTimeLimit},
        {"cancelled", [&] { QueueCodes({3}); }, kCompletionCancelled, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        row.arrange();
        EXPECT_EQ(Run(60000, row.cancelAtPoll), row.expected);
        EXPECT_EQ(spooler.jobs.size(), row.expected == kCompletionNotSent ? 0u : 1u);
        EXPECT_LE(Elapsed(), 60100);
    }
}

}  // namespace
