#include <gtest/gtest.h>

#include <functional>

#include "status/JobRecord.h"
#include "status/JobReport.h"
#include "status/StatusSheets.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Job 7: state 3, paper source 2, from "ws-042", "Poster A1", 1500 ink, 841 x 594 mm, printed
// 24/05/17 09:05, 119 s.
Bytes FullRecord() {
    Bytes record(68, 0);
    record[0] = 0x01, record[1] = 7, record[3] = 3, record[4] = 2;
    std::copy_n("ws-042", 6, record.begin() + 7);
    std::copy_n("Poster A1", 9, record.begin() + 23);
    const uint16_t figures[] = {1500, 841, 594};
    for (size_t i = 0; i < 3; ++i)
        record[55 + 2 * i] = figures[i] >> 8, record[56 + 2 * i] = figures[i] & 0xFF;
    const uint8_t when[] = {24, 5, 17, 9, 5, 0, 119};
    std::copy_n(when, 7, record.begin() + 61);
    return record;
}

const JobRecord kWhole = {7, 3, 2, "ws-042", "Poster A1", 1500, 841, 594, {24, 5, 17}, {9, 5}, 119};

std::string Hex(const Bytes& bytes) {
    std::string hex;
    for (uint8_t byte : bytes)
        hex += "0123456789ABCDEF"[byte >> 4], hex += "0123456789ABCDEF"[byte & 15];
    return hex;
}

std::optional<JobRecord> Parse(const std::string& reply) {
    return ParseJobRecord(std::span(reinterpret_cast<const uint8_t*>(reply.data()), reply.size()));
}

TEST(JobRecordTest, RepliesParseDefensively) {
    const std::string full = Hex(FullRecord());
    JobRecord first5;  // what the first five bytes hold
    first5.number = 7, first5.state = 3, first5.paperSource = 2;
    Bytes texts(68, 0);  // a zero byte inside, a two-byte character, a cut one at the end
    const uint8_t computer[] = {'A', 0, 'B', 0xC3, 0x84, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC3};
    std::copy_n(computer, 16, texts.begin() + 7);
    JobRecord textsOnly;
    textsOnly.computer = "AB\xC3\x84";
    struct Row {
        const char* name;
        std::string reply;
        std::optional<JobRecord> expected;
    };
    const std::vector<Row> rows = {
        {"whole record", "@BDC PS\r\nJI:" + full + ";", kWhole},
        {"no marker", "NA;", std::nullopt},
        {"marker after the cut", "NA;JI:" + full, std::nullopt},
        {"record of five bytes", "JI:" + full.substr(0, 10) + ";", first5},
        {"odd digit at the end", "JI:" + full.substr(0, 11) + ";", first5},
        {"garbled from byte five", "JI:" + full.substr(0, 10) + "G1" + full.substr(12), first5},
        {"after the cut ignored", "JI:" + full.substr(0, 10) + ";" + full.substr(10), first5},
        {"lower-case digits", "JI:0107000302;", first5},
        {"text fields", "JI:" + Hex(texts), textsOnly},
    };
    for (const Row& row : rows) EXPECT_EQ(Parse(row.reply), row.expected) << row.name;
}

std::string Label(int32_t id) {
    return "T" + std::to_string(id);
}

TEST(JobRecordTest, ReportShowsEveryFieldInItsPlace) {
    EXPECT_EQ(RenderJobReport(std::vector<JobRecord>{kWhole}, Label),
              "T60202 7 :\r\n"
              " T60203 : Poster A1\r\n"
              " T60204 : ws-042\tT60205 : T60232\tT60206 : T60241\r\n"
              "  T60207 : T60208 : 1.500 T60209\tT60210 : 594 T60211 T60212 841 T60211\r\n"
              " T60213 : 24/05/17 09:05\tT60214 : 1 T60215\r\n");

    struct Row {
        std::function<void(JobRecord&)> change;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {[](JobRecord& j) { j.state = 1; }, "T60205 : T60230\t"},
        {[](JobRecord& j) { j.state = 5; }, "T60205 : T60234\t"},
        {[](JobRecord& j) { j.state = 255; }, "T60205 : T60235\t"},
        {[](JobRecord& j) { j.state = 0; }, "T60205 : T60236\t"},
        {[](JobRecord& j) { j.state = 6; }, "T60205 : T60236\t"},
        {[](JobRecord& j) { j.paperSource = 3; }, "T60206 : T60242\r\n"},
        {[](JobRecord& j) { j.paperSource = 4; }, "T60206 : T60236\r\n"},
        {[](JobRecord& j) { j.inkMicrolitres = 5; }, " 0.005 T60209"},
        {[](JobRecord& j) { j.printingSeconds = 60; }, "T60214 : 1 T60215"},
        {[](JobRecord& j) { j.number = 255; }, "T60202 255 :"},
    };
    for (const Row& row : rows) {
        JobRecord changed = kWhole;
        row.change(changed);
        const std::string report = RenderJobReport(std::vector<JobRecord>{changed}, Label);
        EXPECT_NE(report.find(row.expected), std::string::npos) << row.expected << "\n" << report;
    }
}

TEST(JobRecordTest, SheetJobsAskForTheirSheet) {
    const Bytes enter = {0x1B, 0x40, 0x1B, 0x28, 0x52, 0x08, 0x00, 0x00,
                         'R',  'E',  'M',  'O',  'T',  'E',  '1'};
    const Bytes exitAndEnd = {0x1B, 0x00, 0x00, 0x00, 0x0D, 0x0A, 0x0C, 0x1B, 0x40};
    for (const auto& [sheet, k] :
         std::vector<std::pair<StatusSheet, uint8_t>>{{StatusSheet::Status, 1},
                                                      {StatusSheet::JobInformation, 2},
                                                      {StatusSheet::CustomConfiguration, 4}}) {
        Bytes expected = enter;
        expected.insert(expected.end(), {0x53, 0x53, 0x02, 0x00, 0x00, k});
        expected.insert(expected.end(), exitAndEnd.begin(), exitAndEnd.end());
        const JobBuffer job = BuildStatusSheetJob(sheet);
        EXPECT_EQ(Bytes(job.Bytes().begin(), job.Bytes().end()), expected) << int(k);
    }
}

}  // namespace
