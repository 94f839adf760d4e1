// Job records parsed defensively, the report, the sheet jobs, and the job information read
// against the scripted library.
#include <cstring>

#include "LinkFixture.h"
#include "ScriptedProgress.h"
#include "status/JobInformationReader.h"
#include "status/JobRecord.h"
#include "status/JobReport.h"
#include "status/StatusSheets.h"

namespace {

// Job 7: state 3, paper source 2, "ws-042", "Poster A1", ink 1500, 841 and 594 mm, 24/05/17 09:05,
// 119 s.
const std::string kRecord =
    "0107000302000077732D30343200000000000000000000506F737465722041310000000000000000000000000000"
    "00000000000000000005DC0349025218051109050077";
const JobRecord kJob = {7, 3, 2, "ws-042", "Poster A1", 1500, 841, 594, {24, 5, 17}, {9, 5}, 119};

TEST(JobRecordTest, RepliesParseDefensively) {
    const JobRecord firstFive = {7, 3, 2, "", "", 0, 0, 0, {}, {}, 0};
    // A zero byte dropped, a two-byte character kept, a cut one at the end dropped.
    JobRecord texts;
    texts.computer = "AB\xC3\x84";
    const std::vector<std::pair<std::string, std::optional<JobRecord>>> rows = {
        {"@BDC PS\r\nJI:" + kRecord + ";", kJob},
        {"NA;", std::nullopt},
        {"NA;JI:" + kRecord, std::nullopt},
        {"JI:0107000302;", firstFive},
        {"JI:01070003025", firstFive},
        {"JI:0107000302G1" + kRecord.substr(12), firstFive},
        {"JI:0107000302;" + kRecord.substr(10), firstFive},
        {"JI:" + std::string(14, '0') + "410042C384" + std::string(20, '0') + "C3", texts},
    };
    for (const auto& [reply, expected] : rows)
        EXPECT_EQ(ParseJobRecord(wire::Text(reply)), expected) << reply;
}

const TextLookup kLabel = [](int32_t id) { return "T" + std::to_string(id); };

TEST(JobRecordTest, ReportShowsEveryFieldInItsPlace) {
    EXPECT_EQ(RenderJobReport(std::vector<JobRecord>{kJob}, kLabel),
              "T60202 7 :\r\n"
              " T60203 : Poster A1\r\n"
              " T60204 : ws-042\tT60205 : T60232\tT60206 : T60241\r\n"
              "  T60207 : T60208 : 1.500 T60209\tT60210 : 594 T60211 T60212 841 T60211\r\n"
              " T60213 : 24/05/17 09:05\tT60214 : 1 T60215\r\n");
    const std::vector<std::tuple<uint8_t, uint8_t, const char*>> rows = {
        {1, 1, ": T60230\tT60206 : T60240\r\n"},
        {5, 3, ": T60234\tT60206 : T60242\r\n"},
        {255, 4, ": T60235\tT60206 : T60236\r\n"},
        {6, 0, ": T60236\tT60206 : T60236\r\n"},
    };
    for (const auto& [state, paperSource, expected] : rows) {
        JobRecord job = kJob;
        job.state = state, job.paperSource = paperSource, job.inkMicrolitres = 5;
        const std::string report = RenderJobReport(std::vector<JobRecord>{job}, kLabel);
        EXPECT_NE(report.find(expected), std::string::npos) << report;
        EXPECT_NE(report.find(": 0.005 T60209"), std::string::npos) << report;
    }
}

TEST(JobRecordTest, SheetJobsAskForTheirSheet) {
    const std::vector<std::pair<StatusSheet, uint8_t>> rows = {
        {StatusSheet::Status, 1},
        {StatusSheet::JobInformation, 2},
        {StatusSheet::CustomConfiguration, 4}};
    for (const auto& [sheet, k] : rows) {
        const JobBuffer job = BuildStatusSheetJob(sheet);
        ASSERT_EQ(job.Length(), 30);  // remote mode, SS, exit, job end
        EXPECT_EQ(std::vector<uint8_t>(job.Bytes().begin() + 15, job.Bytes().end() - 9),
                  (std::vector<uint8_t>{0x53, 0x53, 0x02, 0x00, 0x00, k}));
    }
}

class JobInformationReaderTest : public LinkFixture {
  protected:
    // A record of job `number` (its first two bytes), or for 0 a reply without a record.
    void Answer(int number) {
        char reply[16] = "NA;";
        if (number != 0) std::snprintf(reply, sizeof reply, "JI:01%02X;", number);
        script.QueueReceive(static_cast<int32_t>(std::strlen(reply)), Text(reply));
    }
};

TEST_F(JobInformationReaderTest, ReadsUntilTenAskedOrStopped) {
    // Replies (a job number, 0 no record, -5 the receive fails), time limit, cancel at poll,
    // result, the jobs read.
    const std::vector<int> tenWithGaps = {10, 11, 12, 13, 0, 15, 16, 17, 18, 0};
    const std::vector<std::tuple<std::vector<int>, int64_t, int, int32_t, std::vector<uint8_t>>>
        rows = {
            {tenWithGaps, 1000000, 0, 0, {10, 11, 12, 13, 15, 16, 17, 18}},
            {tenWithGaps, 1000000, 2, 1, {10}},  // the reply that came with the cancel is dropped
            {{10, 11}, 15000, 0, 2, {10, 11}},   // silence after two replies: 10 s each
            {{10, -5}, 1000000, 0, -5, {10}},
        };
    for (const auto& [answers, timeLimitMs, cancelAtPoll, expected, numbers] : rows) {
        script.Reset();
        OfferChannel(PrinterLink::kPlainChannel);
        for (int answer : answers) answer < 0 ? script.QueueReceive(answer, {}) : Answer(answer);
        ScriptedProgress progress(clock, timeLimitMs, cancelAtPoll);
        PrinterLink link(&library, clock);
        std::vector<JobRecord> jobs;
        EXPECT_EQ(ReadJobInformation(link, kPrinter, progress, jobs), expected);
        std::vector<uint8_t> read;
        for (const JobRecord& job : jobs) read.push_back(job.number);
        EXPECT_EQ(read, numbers) << expected;
    }
    EXPECT_EQ(script.Sent(1), (std::vector<uint8_t>{0x4A, 0x49, 0x02, 0x00, 0x01, 0x01}));
}

}  // namespace
