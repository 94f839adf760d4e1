#include "status/JobInformationReader.h"

#include "LinkFixture.h"
#include "TimedProgress.h"

namespace {

class JobInformationReaderTest : public LinkFixture {
  protected:
    // A reply holding the first two bytes of a record of job `number`.
    void AnswerJob(int number) {
        char reply[16];
        const int length = std::snprintf(reply, sizeof reply, "JI:01%02X;", number);
        script.QueueReceive(length, Text(reply));
    }
    void AnswerNoJob() { script.QueueReceive(3, Text("NA;")); }
};

TEST_F(JobInformationReaderTest, ReadsUntilTenAskedOrStopped) {
    struct Row {
        const char* name;
        std::function<void()> arrange;
        int64_t timeLimitMs;
        int cancelAtPoll;
        int32_t expected;
        std::vector<uint8_t> numbers;
    };
    const auto tenWithGaps = [this] {
        for (int i = 0; i < 10; ++i) i == 4 || i == 9 ? AnswerNoJob() : AnswerJob(10 + i);
    };
    const std::vector<Row> rows = {
        {"ten asked, two without a job",
         tenWithGaps,
         1000000,
         0,
         0,
         {10, 11, 12, 13, 15, 16, 17, 18}},
        {"cancel drops the reply it came with", tenWithGaps, 1000000, 2, 1, {10}},
        {"time limit keeps the jobs read",
         [this] { AnswerJob(10), AnswerJob(11); },
         15000,
         0,
         2,
         {10, 11}},
        {"no channel", [this] { script.SetResult("RQOpenChannel", -1); }, 1000000, 0, -1, {}},
        {"failed exchange ends it",
         [this] { AnswerJob(10), script.QueueReceive(-5, {}); },
         1000000,
         0,
         -5,
         {10}},
    };
    for (const Row& row : rows) {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        row.arrange();
        TimedProgress progress(clock, row.timeLimitMs);
        progress.cancelAtPoll = row.cancelAtPoll;
        PrinterLink link(app, &library);
        std::vector<JobRecord> jobs;
        EXPECT_EQ(ReadJobInformation(link, kPrinter, progress, jobs), row.expected) << row.name;
        std::vector<uint8_t> numbers;
        for (const JobRecord& job : jobs) numbers.push_back(job.number);
        EXPECT_EQ(numbers, row.numbers) << row.name;
    }
    EXPECT_EQ(script.Sent(1), (std::vector<uint8_t>{0x4A, 0x49, 0x02, 0x00, 0x01, 0x01}));
}

}  // namespace
