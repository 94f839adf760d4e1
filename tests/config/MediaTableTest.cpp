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
    const std::pair<std::string, bool> rows[] = {
        {kRecordA, true},
        {" 7, 3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", true},
        {std::string(kRecordA) + ",99,trailing text", true},
        {"+7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", true},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1", false},
        {"7 ,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", false},
        {"7,3,1,x,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-1", false},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,-", false},
        {"7,3,1,49,0,0,1,80,3,0,360,360,1,720,720,1,1440,720,-1,-1,99999999999", false},
        {"", false},
    };
    for (const auto& [text, parses] : rows)
        EXPECT_EQ(ParseMediaRecord(text).has_value(), parses) << text;
    const auto record = ParseMediaRecord(kRecordA);
    ASSERT_TRUE(record);
    EXPECT_EQ(std::tie(record->mediaId, record->paperTypeCode, record->markFlag, record->value8,
                       record->printModes[2][1], record->printModes[3][0]),
              std::tuple(7, 49, 1, 3, 1440, -1));
}

TEST(MediaTable, BuildsOnlyWhenEveryAnnouncedRecordReads) {
    const std::string good = std::string(kRecordA) + "\n";
    // what, content (none: no Media.ini at all), records read, valid
    const std::tuple<const char*, std::optional<std::string>, size_t, bool> rows[] = {
        {"complete", "MEDIA_NUM=2\nMEDIA01=" + good + "MEDIA02=" + good, 2, true},
        {"count of 3, record 2 missing", "MEDIA_NUM=3\nMEDIA01=" + good + "MEDIA03=" + good, 1,
         false},
        {"malformed record stops reading", "MEDIA_NUM=2\nMEDIA01=1,2\nMEDIA02=" + good, 0, false},
        {"count 0", "MEDIA_NUM=0\nMEDIA01=" + good, 0, false},
        {"count not a number", "MEDIA_NUM=many\nMEDIA01=" + good, 0, false},
        {"huge count", "MEDIA_NUM=2147483647\nMEDIA01=" + good, 1, false},
        {"no count", "MEDIA01=" + good, 0, false},
        {"no file", std::nullopt, 0, false},
    };
    for (const auto& [what, content, records, valid] : rows) {
        TempFolder folder;
        if (content) folder.Write("Media.ini", *content);
        const MediaTable table(folder.Path());
        EXPECT_EQ(std::pair(table.Records().size(), table.IsValid()), std::pair(records, valid))
            << what;
    }
}

TEST(MediaTable, LookupsAndTheirNoneValues) {
    // id, media code, sub-code, paper type, variant, variant mark, mark, sort order, value8
    const MediaTable table = Table({"1,1,0,16,0,0,0,30,3", "1,1,0,17,1,1,0,99,4",
                                    "2,-1,-1,18,1,0,1,10,12", "3,4,2,16,0,0,0,20,5"});
    // what, value, expected
    const std::tuple<const char*, int32_t, int32_t> rows[] = {
        {"sort order of the first record", table.SortOrder(1), 30},
        {"print mode value", table.PrintMode(3, 3, PrintModeValue::Hres), 1440},
        {"print mode not offered", table.PrintMode(3, 4, PrintModeValue::Mw), -1},
        {"print mode 0", table.PrintMode(3, 0, PrintModeValue::Mw), -1},
        {"print mode 5", table.PrintMode(3, 5, PrintModeValue::Vres), -1},
        {"media code", table.MediaCode(3), 4},
        {"media code of a missing id", table.MediaCode(9), -1},
        {"paper type of a variant", table.PaperTypeCode(1, 1), 17},
        {"paper type falls back to the first record", table.PaperTypeCode(2, 0), 18},
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
    };
    for (const auto& [what, actual, expected] : rows) EXPECT_EQ(actual, expected) << what;
}

TEST(MediaTable, SortIdsIsStableAndTreatsMissingIdsAsZero) {
    const MediaTable table = Table({"1,1,0,16,0,0,0,30,3", "2,1,1,17,0,0,0,10,3",
                                    "3,1,2,18,0,0,0,30,3", "4,1,3,19,0,0,0,-5,3"});
    // ids, sorted
    const std::pair<std::vector<uint16_t>, std::vector<uint16_t>> rows[] = {
        {{1, 2, 3, 4}, {4, 2, 1, 3}},
        {{3, 1, 2}, {2, 3, 1}},
        {{9, 1, 8, 4}, {4, 9, 8, 1}},
    };
    for (auto [ids, sorted] : rows) {
        table.SortIds(ids);
        EXPECT_EQ(ids, sorted);
    }
}
