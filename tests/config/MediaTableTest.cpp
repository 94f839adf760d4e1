#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "config/MediaRecordParser.h"
#include "config/MediaTable.h"

namespace {

const char* kRecordA = "7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1";

// A table of records given as their first nine fields; every record offers print modes 1-3.
MediaTable Table(std::initializer_list<std::string> fields) {
    std::vector<MediaRecord> records;
    for (const std::string& text : fields)
        records.push_back(*ParseMediaRecord(text + ",0,360,360,1,720,720,1,1440,720,-1,-1,-1"));
    return MediaTable(records);
}

}  // namespace

TEST(MediaRecordParser, ReadsTwentyOneIntegers) {
    struct Row {
        std::string text;
        bool parses;
    };
    const Row rows[] = {
        {kRecordA, true},
        {" 7, 3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", true},
        {std::string(kRecordA) + ",99,trailing text", true},
        {"+7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", true},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1", false},
        {"7 ,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", false},
        {"7,,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", false},
        {"7,3,1,x,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", false},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-", false},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,99999999999", false},
        {"", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ParseMediaRecord(row.text).has_value(), row.parses) << row.text;
    }
    const auto record = ParseMediaRecord(kRecordA);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->mediaId, 7);
    EXPECT_EQ(record->paperTypeCode, 49);
    EXPECT_EQ(record->markFlag, 1);
    EXPECT_EQ(record->value8, 3);
    EXPECT_EQ(record->printModes[2][1], 1440);
    EXPECT_EQ(record->printModes[3][0], -1);
}

TEST(MediaTable, BuildsOnlyWhenEveryAnnouncedRecordReads) {
    const std::string good = std::string(kRecordA) + "\n";
    struct Row {
        const char* what;
        std::optional<std::string> content;  // nothing: no Media.ini at all
        size_t records;
        bool valid;
    };
    const Row rows[] = {
        {"complete", "MEDIA_NUM=2\nMEDIA01=" + good + "MEDIA02=" + good, 2, true},
        {"count of 3, record 2 missing", "MEDIA_NUM=3\nMEDIA01=" + good + "MEDIA03=" + good, 1,
         false},
        {"malformed record stops reading", "MEDIA_NUM=2\nMEDIA01=1,2\nMEDIA02=" + good, 0, false},
        {"count 0", "MEDIA_NUM=0\nMEDIA01=" + good, 0, false},
        {"negative count", "MEDIA_NUM=-4\n", 0, false},
        {"count not a number", "MEDIA_NUM=many\nMEDIA01=" + good, 0, false},
        {"huge count", "MEDIA_NUM=2147483647\nMEDIA01=" + good, 1, false},
        {"no count", "MEDIA01=" + good, 0, false},
        {"empty file", "", 0, false},
        {"no file", std::nullopt, 0, false},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        if (row.content) folder.Write("Media.ini", *row.content);
        const MediaTable table(folder.Path());
        EXPECT_EQ(table.Records().size(), row.records) << row.what;
        EXPECT_EQ(table.IsValid(), row.valid) << row.what;
    }
    EXPECT_FALSE(MediaTable(std::string()).IsValid());
}

TEST(MediaTable, IndexKeysHaveAtLeastTwoDigits) {
    std::string content = "MEDIA_NUM=100\n";
    for (int i = 1; i <= 100; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "MEDIA%02d=", i);
        content += key + std::to_string(i) + std::string(kRecordA).substr(1) + "\n";
    }
    TempFolder folder;
    folder.Write("Media.ini", content);
    const MediaTable table(folder.Path());
    ASSERT_TRUE(table.IsValid());
    EXPECT_EQ(table.Records()[99].mediaId, 100);
}

TEST(MediaTable, LookupsAndTheirNoneValues) {
    // id, media code, sub-code, paper type, variant, variant mark, mark, sort order, value8
    const MediaTable table = Table({"1,1,0,16,0,0,0,30,3", "1,1,0,17,1,1,0,99,4",
                                    "2,-1,-1,18,1,0,1,10,12", "3,4,2,16,0,0,0,20,5"});
    struct Row {
        const char* what;
        int32_t actual;
        int32_t expected;
    };
    const Row rows[] = {
        {"sort order of the first record", table.SortOrder(1), 30},
        {"sort order of a missing id", table.SortOrder(9), 0},
        {"print mode value", table.PrintMode(3, 3, PrintModeValue::Hres), 1440},
        {"print mode not offered", table.PrintMode(3, 4, PrintModeValue::Mw), -1},
        {"print mode 0", table.PrintMode(3, 0, PrintModeValue::Mw), -1},
        {"print mode 5", table.PrintMode(3, 5, PrintModeValue::Vres), -1},
        {"media code", table.MediaCode(3), 4},
        {"media code of a missing id", table.MediaCode(9), -1},
        {"media sub-code", table.MediaSubCode(3), 2},
        {"paper type of a variant", table.PaperTypeCode(1, 1), 17},
        {"paper type falls back to the first record", table.PaperTypeCode(2, 0), 18},
        {"paper type of a missing id", table.PaperTypeCode(9, 0), 0},
        {"value8 of a variant", table.Value8(1, 1), 4},
        {"value8 falls back to the first record", table.Value8(3, 1), 5},
        {"value8 of a missing id", table.Value8(9, 0), -1},
        {"id from codes", table.IdFromCodes(4, 2), 3},
        {"id from codes, none", table.IdFromCodes(4, 3), 0},
        {"id from paper type, first record wins", table.IdFromPaperTypeCode(16), 1},
        {"variant mark from the variant-1 record", table.VariantMark(1), 1},
        {"no variant mark on variant 1 with flag 0", table.VariantMark(2), 0},
        {"no variant mark without a variant-1 record", table.VariantMark(3), 0},
        {"mark of the first record", table.Mark(2), 1},
        {"mark of the first record only", table.Mark(1), 0},
    };
    for (const Row& row : rows) EXPECT_EQ(row.actual, row.expected) << row.what;
}

TEST(MediaTable, SortIdsIsStableAndTreatsMissingIdsAsZero) {
    const MediaTable table = Table({"1,1,0,16,0,0,0,30,3", "2,1,1,17,0,0,0,10,3",
                                    "3,1,2,18,0,0,0,30,3", "4,1,3,19,0,0,0,-5,3"});
    struct Row {
        std::vector<uint16_t> ids;
        std::vector<uint16_t> sorted;
    };
    const Row rows[] = {
        {{1, 2, 3, 4}, {4, 2, 1, 3}},
        {{3, 1, 2}, {2, 3, 1}},
        {{9, 1, 8, 4}, {4, 9, 8, 1}},
        {{7}, {7}},
        {{}, {}},
    };
    for (Row row : rows) {
        table.SortIds(row.ids);
        EXPECT_EQ(row.ids, row.sorted);
    }
}
