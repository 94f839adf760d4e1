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

// The scripted library (ten entry points) loaded through the binding; Script calls its controls.
class ScriptedLibraryTest : public testing::Test {
  protected:
    template <typename Function, typename... Args>
    auto Script(const char* name, Args... args) {
        const auto function = reinterpret_cast<Function*>(controls_.Symbol(name));
        EXPECT_NE(function, nullptr) << name;
        return function(args...);
    }

    void SetUp() override {
        spooler_.folder = TEST_LIBRARY_DIR;
        ASSERT_TRUE(controls_.Open(std::string(TEST_LIBRARY_DIR) + "libztset32.so"));
        Script<void()>("ScriptedZtset_Reset");
        EXPECT_FALSE(library_.Load("Corvid")) << "ZTDM_ResetDC is missing";
        ASSERT_TRUE(library_.IsLoaded());
    }
    SubstituteSpooler spooler_;
    DriverSettingsLibrary library_{spooler_};
    DynamicLibrary controls_;
};

TEST_F(ScriptedLibraryTest, ContextsWorkWithTenEntryPointsAndPassTheirRecord) {
    DriverSettings settings(&library_, "Corvid", "socket://127.0.0.1");
    ASSERT_TRUE(settings.IsOpen());
    EXPECT_EQ(Script<int32_t()>("ScriptedZtset_OpenFlags"), 0);
    EXPECT_EQ(settings.CurrentMediaValue(), 12);
    EXPECT_EQ(settings.SelectMedia(3, 2), 0);
    EXPECT_EQ(settings.CurrentMediaValue(), 3);
    EXPECT_EQ(settings.SelectMedia(3, 5), -1);
    EXPECT_EQ(settings.SetItem20(), 0);
    std::vector<uint8_t> record;
    EXPECT_EQ(settings.GetDevMode(record), 4);
    EXPECT_EQ(std::string(record.begin(), record.end()), "REC!");

    const DriverSettings withRecord(&library_, "Corvid", "", std::vector<uint8_t>{0x5A, 1, 2});
    EXPECT_EQ(Script<int32_t()>("ScriptedZtset_OpenFlags"), 2);
    EXPECT_EQ(Script<uint8_t()>("ScriptedZtset_FirstRecordByte"), 0x5A);
    // A record larger than any the library makes is not passed on.
    EXPECT_FALSE(DriverSettings(&library_, "Corvid", "",
                                std::vector<uint8_t>(kSettingsRecordMaxSize + 1, 0x5A))
                     .IsOpen());
    EXPECT_FALSE(DriverSettings(&library_, "Unopenable", "").IsOpen());
}

TEST_F(ScriptedLibraryTest, PaperSourceKindFollowsTheCode) {
    const std::pair<int16_t, int32_t> rows[] = {{256, 1}, {7, 2}, {258, 2}, {4, 3},
                                                {264, 3}, {0, 1}, {5, 1},   {-1, 1}};
    DriverSettings settings(&library_, "Corvid", "");
    for (const auto& [code, kind] : rows) {
        Script<void(int16_t)>("ScriptedZtset_SetPaperSource", code);
        EXPECT_EQ(settings.GetPaperSourceKind(), kind) << "code " << code;
    }
}

TEST_F(ScriptedLibraryTest, InkLayoutFromWordSix) {
    const std::string layout8 = "0B000301040205030100060407050A08";
    const std::string layout4 = "0B000301040205030B00030104020503";
    const std::tuple<uint32_t, bool, std::string> rows[] = {
        {0x0504030B, false, layout4}, {0x0A070601, false, layout8}, {0x0504030B, true, layout8}};
    for (const auto& [word6, readFails, layout] : rows) {
        Script<void(uint32_t, bool)>("ScriptedZtset_SetInkWord", word6, readFails);
        EXPECT_EQ(DriverSettings(&library_, "Corvid", "").GetInkLayout(), layout) << word6;
    }
    EXPECT_EQ(DriverSettings(&library_, "Unopenable", "").GetInkLayout(), std::string(1, '\xFF'));
}

TEST_F(ScriptedLibraryTest, FlagWordsChangeOnlyTheirBits) {
    DriverSettings settings(&library_, "Corvid", "");
    const auto flags = [&](int32_t item) {
        return Script<uint32_t(int32_t)>("ScriptedZtset_Flags", item);
    };
    Script<void(uint32_t, uint32_t)>("ScriptedZtset_SetFlags", 0xF2u, 0xF0u);
    EXPECT_EQ(settings.GetFlag205(), 0);
    EXPECT_EQ(settings.SetFlag205(true), 0);
    EXPECT_EQ(flags(205), 0xF9u);
    EXPECT_EQ(settings.GetFlag205(), 1);
    EXPECT_EQ(settings.SetFlag205(false), 0);
    EXPECT_EQ(flags(205), 0xF1u);
    EXPECT_EQ(settings.ClearFlag204(), 0);
    EXPECT_EQ(flags(204), 0xF0u);
}

TEST_F(ScriptedLibraryTest, MediaListOfAPrinterIsKeptWhileAListOfItExists) {
    DriverMediaList keeper(nullptr, "", "");
    DriverMediaList list(&library_, "Corvid A", "");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IdAt(1), 3);
    EXPECT_EQ(list.IdAt(3), 0);
    EXPECT_EQ(list.NameAt(2), "Canvas Seven");
    EXPECT_EQ(list.NameOf(12), "Glossy Twelve");
    uint16_t ids[3] = {};
    EXPECT_EQ(list.CopyIds(std::span(ids, 2)), 0);
    EXPECT_EQ(list.CopyIds(ids), 1);
    EXPECT_EQ(ids[2], 7);
    // The list is shared: another printer's (here an unopenable one's) replaces it for all.
    DriverMediaList other(&library_, "Unopenable", "");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ScriptedLibraryTest, MediaValue8ByPaperSourceVariant) {
    const MediaRecord roll{.mediaId = 12, .variant = 0, .value8 = 3};
    const MediaRecord sheet{.mediaId = 12, .variant = 1, .value8 = 5};
    // Which record stands in for a missing one is the media table's own test.
    const std::tuple<std::vector<MediaRecord>, int16_t, int32_t> rows[] = {
        {{roll, sheet}, 256, 3}, {{roll, sheet}, 7, 5}, {{}, 256, 0}};
    for (const auto& [records, paperSource, value8] : rows) {
        Script<void(int16_t)>("ScriptedZtset_SetPaperSource", paperSource);
        DriverSettings settings(&library_, "Corvid", "");
        ASSERT_EQ(settings.CurrentMediaValue(), 12);
        EXPECT_EQ(settings.CurrentMediaValue8(MediaTable(records)), value8)
            << records.size() << " records, source " << paperSource;
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
    for (int32_t result : {settings.SelectMedia(1, 1), settings.GetMediaAdjustBlock(block),
                           settings.SetPaperSize(100, 100)})
        EXPECT_EQ(result, -1);
    EXPECT_EQ(DriverSettings(nullptr, "Corvid", "").GetFlag205(), -1);
}

TEST(SuctionValueTest, LevelsMapToSuctionValues) {
    const std::pair<int32_t, int32_t> rows[] = {{0, 100}, {-1, 50}, {-2, 30}, {-3, 10},
                                                {-4, 6},  {1, 100}, {-5, 100}};
    for (const auto& [level, value] : rows) EXPECT_EQ(SuctionValue(level), value) << level;
}

}  // namespace
