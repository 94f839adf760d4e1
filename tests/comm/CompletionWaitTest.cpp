#include "comm/CompletionWait.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

#include "LinkFixture.h"
#include "app/ProgressDialog.h"
#include "comm/RawJob.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int32_t kTimeLimitMs = 1500000;
const Bytes kJob = {0x1B, 0x40, 0x4E, 0x43, 0x02, 0x00, 0x00, 0x01, 0x1B, 0x00, 0x00, 0x00};

class CompletionWaitTest : public LinkFixture {
  protected:
    void SetUp() override {
        LinkFixture::SetUp();
        // The wait builds its own link on the application's library.
        app.CreateOwnedObjects();
        ASSERT_TRUE(app.commLibrary()->Load(kPrinter, false));
        OfferChannel(PrinterLink::kPlainChannel);
    }

    // One status answer per read, in order; the last one stays.
    void QueueCodes(const std::vector<uint8_t>& codes) {
        for (uint8_t code : codes) script.QueueStatus(15, StatusWithCode(code));
    }

    int32_t Run(int32_t timeLimitMs = kTimeLimitMs) {
        start = clock.NowMs();
        return PrintAndWait(app, nullptr, kPrinter, kJob, 10130, timeLimitMs);
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
    EXPECT_EQ(spooler.jobs[0].data, kJob);
    EXPECT_EQ(script.CountCalls("RQGetStatus"), 9);
    // First poll after 30 s, two more each over a second after the previous one's reads.
    EXPECT_GT(Elapsed(), 30000 + 2 * (1000 + 200));
    EXPECT_LT(Elapsed(), 30000 + 3 * (1000 + 200) + 200);
    EXPECT_EQ(script.CountCalls("RQOpenChannel"), 1);
    EXPECT_EQ(script.CountCalls("RQCloseChannel 7"), 1);
}

TEST_F(CompletionWaitTest, ABusyPollStartsTheCountAgain) {
    // ready, ready, busy, ready, ready, ready: three reads for each ready poll, one for the busy.
    QueueCodes({4, 4, 4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    EXPECT_EQ(Run(), kCompletionFinished);
    EXPECT_EQ(script.CountCalls("RQGetStatus"), 16);
    EXPECT_GT(Elapsed(), 30000 + 5 * 1000);
}

TEST_F(CompletionWaitTest, AReRecheckThatIsNotReadyAlsoResetsTheCount) {
    // Poll 1 ready, poll 2 busy on its second read, then three ready polls.
    QueueCodes({4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    EXPECT_EQ(Run(), kCompletionFinished);
    EXPECT_EQ(script.CountCalls("RQGetStatus"), 14);
}

TEST_F(CompletionWaitTest, FailuresEndTheWait) {
    struct Row {
        const char* name;
        std::function<void(ScriptedLibrary&, RecordingSpooler&)> arrange;
        int32_t expected;
        int32_t jobs;
    };
    const std::vector<Row> rows = {
        {"error status at the first poll",
         [](auto& s, auto&) { s.QueueStatus(15, StatusWithCode(0)); }, kCompletionFailed, 1},
        {"status read fails", [](auto& s, auto&) { s.QueueStatus(-2, {}); }, kCompletionFailed, 1},
        {"no channel",
         [](auto& s, auto&) {
             s.QueueStatus(15, StatusWithCode(4));
             s.SetResult("RQOpenChannel", 0);
         },
         kCompletionFailed, 1},
        {"spooler refuses", [](auto&, auto& spooler) { spooler.writeResult = -1; },
         kCompletionNotSent, 1},
        {"stays busy", [](auto& s, auto&) { s.QueueStatus(15, StatusWithCode(3)); },
         kCompletionTimeLimit, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        spooler.jobs.clear();
        spooler.writeResult = 0;
        row.arrange(script, spooler);
        EXPECT_EQ(Run(60000), row.expected);
        EXPECT_EQ(static_cast<int32_t>(spooler.jobs.size()), row.jobs);
        EXPECT_LE(Elapsed(), 60100);
        if (row.expected == kCompletionNotSent) {
            EXPECT_EQ(script.CountCalls("RQOpenChannel"), 0);
        }
    }
}

TEST_F(CompletionWaitTest, CancelEndsTheWaitWithOne) {
    QueueCodes({3});
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<ProgressDialog*>(widget);
                progress && progress->isVisible())
                progress->cancelButton()->click();
    });
    EXPECT_EQ(Run(), kCompletionCancelled);
    EXPECT_LT(Elapsed(), 1000);
    EXPECT_EQ(script.CountCalls("RQCloseChannel 7"), 1);
}

TEST_F(CompletionWaitTest, ClosingMessageFollowsTheResult) {
    struct Row {
        int32_t result;
        int32_t textId;
        MessageIcon icon;
    };
    QWidget page;
    for (const Row row : {Row{0, 10900, MessageIcon::Information},
                          Row{1, 10902, MessageIcon::Warning}, Row{2, 10902, MessageIcon::Warning},
                          Row{3, 10901, MessageIcon::Error}, Row{-1, 10901, MessageIcon::Error}}) {
        messages.Clear();
        ReportPrintAndWait(app, &page, row.result);
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].text, app.LoadText(row.textId)) << row.result;
        EXPECT_EQ(messages.messages()[0].caption, app.LoadText(0));
        EXPECT_EQ(messages.messages()[0].icon, row.icon) << row.result;
        EXPECT_EQ(messages.messages()[0].owner, &page);
    }
}

TEST_F(CompletionWaitTest, FireAndForgetWritesUnderTheWaitCursorAndPauses) {
    for (const int writeResult : {0, -1}) {
        spooler.writeResult = writeResult;
        const int64_t slept = clock.sleptMs();
        EXPECT_EQ(SendRawJobUnderWaitCursor(app, kPrinter, kJob, 3000), writeResult);
        EXPECT_EQ(clock.sleptMs() - slept, 3000);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(spooler.jobs.size(), 2u);
    EXPECT_EQ(script.CountCalls("RQGetStatus"), 0);
}

}  // namespace
