#include "ztset/SettingsRecord.h"

#include <gtest/gtest.h>

namespace {

SettingsRecord SampleRecord() {
    SettingsRecord record("Corvid 4000");
    record.Set("PageSize", "Custom.609.6x160mm");
    record.Set("MediaType", "Media12");
    record.Set("ZTFeedAdjust", "-35");
    record.Set("job-name-with=equals", "x");  // refused: not a name
    record.Set("Note", "a=b c");
    return record;
}

TEST(SettingsRecordTest, RoundTripKeepsQueueOptionsAndOrder) {
    const SettingsRecord original = SampleRecord();
    ASSERT_EQ(original.Options().size(), 4u);
    const auto bytes = original.Encode();
    ASSERT_FALSE(bytes.empty());

    const auto decoded = SettingsRecord::Decode(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->QueueName(), "Corvid 4000");
    EXPECT_EQ(decoded->Options(), original.Options());
    EXPECT_EQ(decoded->Find("Note"), "a=b c");
    EXPECT_FALSE(decoded->Find("Missing"));

    auto padded = bytes;
    padded.resize(bytes.size() + 7, 0xEE);
    ASSERT_TRUE(SettingsRecord::Decode(padded)) << "bytes after the record are not read";
    EXPECT_TRUE(SettingsRecord::DecodeAt(padded.data()));
}

TEST(SettingsRecordTest, RefusesDamagedRecords) {
    const auto good = SampleRecord().Encode();
    using Bytes = std::vector<uint8_t>;
    const auto with = [&](size_t at, uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const struct {
        const char* what;
        Bytes bytes;
    } rows[] = {
        {"empty", {}},
        {"header only", Bytes(good.begin(), good.begin() + 16)},
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"magic", with(0, 'X')},
        {"version", with(4, 2)},
        {"count too high", with(6, 9)},
        {"count too low", with(6, 1)},
        {"size larger than the bytes", with(8, static_cast<uint8_t>(good[8] + 1))},
        {"size too small", with(8, 10)},
        {"size above the maximum", with(11, 0x40)},
        {"checksum", with(12, static_cast<uint8_t>(good[12] ^ 1))},
        {"payload", with(good.size() - 1, static_cast<uint8_t>(good.back() ^ 0x20))},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(SettingsRecord::Decode(row.bytes)) << row.what;
    }
    EXPECT_FALSE(SettingsRecord::DecodeAt(nullptr));
    const uint8_t notARecord[] = {'Z', 'T', 'X'};
    EXPECT_FALSE(SettingsRecord::DecodeAt(notARecord)) << "stops at the first wrong magic byte";
}

TEST(SettingsRecordTest, RefusesRecordsWhoseContentsTheFormatForbids) {
    // A well-formed record of an unnamed queue is still refused.
    SettingsRecord emptyQueue("");
    EXPECT_FALSE(SettingsRecord::Decode(emptyQueue.Encode()));

    SettingsRecord record("Q");
    EXPECT_FALSE(record.Set("", "v"));
    EXPECT_FALSE(record.Set("tab\tname", "v"));
    EXPECT_FALSE(record.Set("name", std::string("nul\0inside", 10)));
    EXPECT_TRUE(record.Set("name", "first"));
    EXPECT_TRUE(record.Set("name", "second"));
    ASSERT_EQ(record.Options().size(), 1u);
    EXPECT_EQ(record.Find("name"), "second");

    SettingsRecord huge("Q");
    huge.Set("Big", std::string(40000, 'x'));
    huge.Set("Bigger", std::string(40000, 'y'));
    EXPECT_TRUE(huge.Encode().empty()) << "larger than the format allows";
}

}  // namespace
