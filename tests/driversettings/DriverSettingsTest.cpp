#include <gtest/gtest.h>

#include <string>

#include "SubstituteSpooler.h"
#include "config/MediaTable.h"
#include "driversettings/DriverMediaList.h"
#include "driversettings/DriverSettings.h"
#include "driversettings/DriverSettingsLibrary.h"
#include "driversettings/SuctionValue.h"
#include "platform/DynamicLibrary.h"

namespace {

// The scripted library (ten entry points) loaded through the binding, with its test controls.
class ScriptedLibraryTest : public testing::Test {
  protected:
    void SetUp() override {
        spooler_.folder = TEST_LIBRARY_DIR;
        ASSERT_TRUE(controls_.Open(std::string(TEST_LIBRARY_DIR) + "libztset32.so"));
        reset_ = reinterpret_cast<void (*)()>(controls_.Symbol("ScriptedZtset_Reset"));
        opens_ = reinterpret_cast<int (*)()>(controls_.Symbol("ScriptedZtset_Opens"));
        setPaperSource_ =
            reinterpret_cast<void (*)(int16_t)>(controls_.Symbol("ScriptedZtset_SetPaperSource"));
        setInkWord_ = reinterpret_cast<void (*)(uint32_t, bool)>(
            controls_.Symbol("ScriptedZtset_SetInkWord"));
        flags_ = reinterpret_cast<uint32_t (*)(int32_t)>(controls_.Symbol("ScriptedZtset_Flags"));
        setFlags_ = reinterpret_cast<void (*)(uint32_t, uint32_t)>(
            controls_.Symbol("ScriptedZtset_SetFlags"));
        ASSERT_TRUE(reset_ && opens_ && setPaperSource_ && setInkWord_ && flags_ && setFlags_);
        reset_();
        EXPECT_FALSE(library_.Load("Corvid")) << "ZTDM_ResetDC is missing";
        ASSERT_TRUE(library_.IsLoaded());
    }

    SubstituteSpooler spooler_;
    DriverSettingsLibrary library_{spooler_};
    DynamicLibrary controls_;
    void (*reset_)() = nullptr;
    int (*opens_)() = nullptr;
    void (*setPaperSource_)(int16_t) = nullptr;
    void (*setInkWord_)(uint32_t, bool) = nullptr;
    uint32_t (*flags_)(int32_t) = nullptr;
    void (*setFlags_)(uint32_t, uint32_t) = nullptr;
};

TEST_F(ScriptedLibraryTest, ContextsWorkWithTenEntryPoints) {
    DriverSettings settings(&library_, "Corvid", "socket://127.0.0.1");
    ASSERT_TRUE(settings.IsOpen());
    EXPECT_EQ(settings.CurrentMediaValue(), 12);
    EXPECT_EQ(settings.SelectMedia(3, 2), 0);
    EXPECT_EQ(settings.CurrentMediaValue(), 3);
    EXPECT_EQ(settings.SelectMedia(3, 5), -1);
    EXPECT_EQ(settings.SetItem20(), 0);
    std::vector<uint8_t> record;
    EXPECT_EQ(settings.GetDevMode(record), 4);
    EXPECT_EQ(std::string(record.begin(), record.end()), "REC!");

    DriverSettings refused(&library_, "Unopenable", "");
    EXPECT_FALSE(refused.IsOpen());
    EXPECT_EQ(refused.SetItem20(), -1);
}

TEST_F(ScriptedLibraryTest, RecordIsPassedWithItsFlag) {
    const auto openFlags =
        reinterpret_cast<int32_t (*)()>(controls_.Symbol("ScriptedZtset_OpenFlags"));
    const auto firstByte =
        reinterpret_cast<uint8_t (*)()>(controls_.Symbol("ScriptedZtset_FirstRecordByte"));
    ASSERT_TRUE(openFlags && firstByte);
    {
        DriverSettings withRecord(&library_, "Corvid", "", std::vector<uint8_t>{0x5A, 1, 2});
        EXPECT_EQ(openFlags(), 2);
        EXPECT_EQ(firstByte(), 0x5A);
    }
    {
        DriverSettings withoutRecord(&library_, "Corvid", "");
        EXPECT_EQ(openFlags(), 0);
        EXPECT_EQ(firstByte(), 0);
    }
    const int opens = opens_();
    DriverSettings oversized(&library_, "Corvid", "",
                             std::vector<uint8_t>(kSettingsRecordMaxSize + 1, 0x5A));
    EXPECT_FALSE(oversized.IsOpen());
    EXPECT_EQ(opens_(), opens) << "a record larger than any the library makes is not passed on";
}

TEST_F(ScriptedLibraryTest, PaperSourceKindFollowsTheCode) {
    const struct {
        int16_t code;
        int32_t kind;
    } rows[] = {{256, 1}, {7, 2}, {258, 2}, {4, 3}, {264, 3}, {0, 1}, {5, 1}, {-1, 1}};
    DriverSettings settings(&library_, "Corvid", "");
    for (const auto& row : rows) {
        setPaperSource_(row.code);
        EXPECT_EQ(settings.GetPaperSourceKind(), row.kind) << "code " << row.code;
    }
}

TEST_F(ScriptedLibraryTest, InkLayoutFromWordSix) {
    const std::string layout8 = "0B000301040205030100060407050A08";
    const std::string layout4 = "0B000301040205030B00030104020503";
    const struct {
        uint32_t word6;
        bool readFails;
        std::string layout;
    } rows[] = {{0x0504030B, false, layout4},
                {0x0A070601, false, layout8},
                {0, false, layout8},
                {0x0504030B, true, layout8}};
    for (const auto& row : rows) {
        setInkWord_(row.word6, row.readFails);
        DriverSettings settings(&library_, "Corvid", "");
        EXPECT_EQ(settings.GetInkLayout(), row.layout) << std::hex << row.word6;
    }
    DriverSettings closed(&library_, "Unopenable", "");
    EXPECT_EQ(closed.GetInkLayout(), std::string(1, '\xFF'));
}

TEST_F(ScriptedLibraryTest, FlagWordsChangeOnlyTheirBits) {
    DriverSettings settings(&library_, "Corvid", "");
    setFlags_(0xF2, 0xF0);
    EXPECT_EQ(settings.GetFlag205(), 0);
    EXPECT_EQ(settings.SetFlag205(true), 0);
    EXPECT_EQ(flags_(205), 0xF9u);
    EXPECT_EQ(settings.GetFlag205(), 1);
    EXPECT_EQ(settings.SetFlag205(false), 0);
    EXPECT_EQ(flags_(205), 0xF1u);
    EXPECT_EQ(settings.ClearFlag204(), 0);
    EXPECT_EQ(flags_(204), 0xF0u);
}

TEST_F(ScriptedLibraryTest, MediaListIsBuiltOncePerPrinter) {
    DriverMediaList keeper(nullptr, "", "");
    {
        DriverMediaList first(&library_, "Corvid A", "");
        DriverMediaList second(&library_, "Corvid A", "");
        EXPECT_EQ(opens_(), 1);
        ASSERT_EQ(second.Count(), 3);
        EXPECT_EQ(second.IdAt(1), 3);
        EXPECT_EQ(second.IdAt(3), 0);
        EXPECT_EQ(second.NameAt(2), "Canvas Seven");
        EXPECT_EQ(second.NameAt(-1), "");
        EXPECT_EQ(second.NameOf(12), "Glossy Twelve");
        EXPECT_EQ(second.NameOf(13), "");
        uint16_t ids[3] = {};
        EXPECT_EQ(second.CopyIds(std::span(ids, 2)), 0);
        EXPECT_EQ(second.CopyIds(ids), 1);
        EXPECT_EQ(ids[2], 7);
    }
    DriverMediaList again(&library_, "Corvid A", "");
    EXPECT_EQ(opens_(), 1) << "the keeper held the list";
    EXPECT_EQ(again.Count(), 3);
    DriverMediaList other(&library_, "Unopenable", "");
    EXPECT_EQ(opens_(), 2);
    EXPECT_EQ(again.Count(), 0) << "an unopenable printer leaves the list empty";
}

TEST_F(ScriptedLibraryTest, MediaValue8ByPaperSourceVariant) {
    MediaRecord roll{.mediaId = 12, .variant = 0, .value8 = 3};
    MediaRecord sheet{.mediaId = 12, .variant = 1, .value8 = 5};
    MediaRecord other{.mediaId = 4, .variant = 0, .value8 = 9};
    const struct {
        std::vector<MediaRecord> records;
        int16_t paperSource;
        int32_t value8;
    } rows[] = {
        {{roll, sheet}, 256, 3}, {{roll, sheet}, 7, 5}, {{roll, sheet}, 4, 5}, {{sheet}, 256, 5},
        {{roll}, 7, 3},          {{other}, 256, -1},    {{}, 256, 0},
    };
    for (const auto& row : rows) {
        setPaperSource_(row.paperSource);
        DriverSettings settings(&library_, "Corvid", "");
        ASSERT_EQ(settings.CurrentMediaValue(), 12);
        EXPECT_EQ(settings.CurrentMediaValue8(MediaTable(row.records)), row.value8)
            << row.records.size() << " records, source " << row.paperSource;
    }
    DriverSettings closed(&library_, "Unopenable", "");
    EXPECT_EQ(closed.CurrentMediaValue8(MediaTable(std::vector{roll})), -1);
}

TEST(DriverSettingsLibraryTest, MissingLibraryLeavesContextsClosed) {
    SubstituteSpooler spooler;
    spooler.folder = "/nonexistent/driver/";
    DriverSettingsLibrary library(spooler);
    EXPECT_FALSE(library.Load("Corvid"));
    EXPECT_FALSE(library.IsLoaded());
    int32_t handle = 0;
    EXPECT_EQ(library.Open("Corvid", "", 0, nullptr, &handle), -7);
    EXPECT_EQ(library.GetDevMode(1, nullptr), -7);

    DriverSettings settings(&library, "Corvid", "");
    EXPECT_FALSE(settings.IsOpen());
    MediaAdjustBlock block;
    std::vector<uint8_t> record;
    const int32_t results[] = {settings.SelectMedia(1, 1),
                               settings.GetMediaAdjustBlock(block),
                               settings.SetMediaAdjustBlock(block),
                               settings.GetPaperSourceKind(),
                               settings.SetPaperSource(256),
                               settings.GetFlag205(),
                               settings.SetFlag205(true),
                               settings.ClearFlag204(),
                               settings.GetPaperWidth(),
                               settings.GetPaperLength(),
                               settings.SampleLength(),
                               settings.SetPaperSize(100, 100),
                               settings.SetItem20(),
                               settings.GetDevMode(record)};
    for (int32_t result : results) EXPECT_EQ(result, -1);
    EXPECT_EQ(settings.GetInkLayout(), std::string(1, '\xFF'));

    DriverSettings noLibrary(nullptr, "Corvid", "");
    EXPECT_EQ(noLibrary.GetFlag205(), -1);
}

TEST(SuctionValueTest, LevelsMapToSuctionValues) {
    const std::pair<int32_t, int32_t> rows[] = {{0, 100}, {-1, 50}, {-2, 30}, {-3, 10},
                                                {-4, 6},  {1, 100}, {-5, 100}};
    for (const auto& [level, value] : rows) EXPECT_EQ(SuctionValue(level), value) << level;
}

}  // namespace
