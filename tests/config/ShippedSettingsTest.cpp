#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "config/FontCache.h"
#include "config/FontValue.h"
#include "config/KeyValueFile.h"
#include "config/ManualPath.h"
#include "config/MediaTable.h"
#include "config/SettingsFolder.h"
#include "config/SupportedModels.h"
#include "config/TextCatalog.h"

namespace {

const std::string kProgramFolder = SERVATO_BIN_DIR;
const std::string kSettings = SettingsFolderOf(kProgramFolder);

// Every text id the program asks for (shell, menus and messages, page titles and header lines,
// the controls, lists, units and messages of every page and dialog), as runs from first to last.
const std::pair<int32_t, int32_t> kTextIdRuns[] = {
    {0, 20},        {99, 100},      {200, 201},     {500, 501},     {510, 511},     {550, 551},
    {900, 902},     {904, 906},     {10000, 10020}, {10100, 10103}, {10110, 10110}, {10120, 10120},
    {10130, 10130}, {10140, 10140}, {10150, 10154}, {10200, 10200}, {10250, 10250}, {10900, 10902},
    {20000, 20005}, {20100, 20100}, {20900, 20904}, {30000, 30025}, {30100, 30104}, {30110, 30110},
    {30120, 30120}, {30131, 30134}, {30140, 30143}, {30150, 30153}, {30160, 30162}, {30600, 30602},
    {30650, 30651}, {30900, 30905}, {40000, 40013}, {40100, 40102}, {40111, 40111}, {40121, 40124},
    {40130, 40134}, {40140, 40143}, {40150, 40153}, {40160, 40164}, {40900, 40904}, {50000, 50030},
    {50100, 50107}, {50110, 50110}, {50131, 50134}, {50140, 50143}, {50150, 50153}, {50160, 50163},
    {50200, 50204}, {50250, 50253}, {50300, 50304}, {50350, 50353}, {50400, 50407}, {50450, 50453},
    {50500, 50510}, {50550, 50553}, {50600, 50602}, {50650, 50652}, {50900, 50904}, {50950, 50954},
    {60000, 60008}, {60100, 60104}, {60200, 60215}, {60230, 60236}, {60240, 60242}, {60250, 60251},
    {60300, 60300}, {60900, 60901}, {70000, 70009}, {70100, 70102}, {70110, 70110}, {70900, 70906},
    {80000, 80010}, {80100, 80102}, {80110, 80110}, {80130, 80134}, {80900, 80903}, {90000, 90010},
    {90100, 90102}, {90110, 90110}, {90130, 90134},
};

std::vector<int32_t> TextIds() {
    std::vector<int32_t> ids;
    for (const auto& [first, last] : kTextIdRuns)
        for (int32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

}  // namespace

TEST(ShippedSettings, EveryTextIdHasAText) {
    const TextCatalog texts(kSettings);
    for (int32_t id : TextIds()) EXPECT_FALSE(texts.LoadText(id).empty()) << "text id " << id;
    EXPECT_EQ(texts.LoadText(0), "Servato 2");
    EXPECT_EQ(texts.LoadText(-1), "");
}

TEST(ShippedSettings, ReferredKeysAllHaveTexts) {
    // A reference to a key without text would blank a control, so every line must resolve.
    const TextCatalog texts(kSettings);
    const KeyValueFile refer(JoinPath(kSettings, SettingsFile::kRefer));
    int referred = 0;
    for (int32_t id : TextIds()) {
        const auto target = refer.Lookup(TextCatalog::TextKey(id));
        if (!target) continue;
        ++referred;
        EXPECT_NE(*target, TextCatalog::TextKey(id));
        EXPECT_FALSE(ReadSettingValue(kSettings, SettingsFile::kLocalize, *target).empty() &&
                     ReadSettingValue(kSettings, SettingsFile::kConst, *target).empty())
            << "text id " << id << " refers to " << *target;
    }
    EXPECT_GT(referred, 100);
}

TEST(ShippedSettings, FontsAreReadableSizes) {
    EXPECT_EQ(
        ParseFontValue(ReadSettingValue(kSettings, SettingsFile::kFont, "00999999")).pointSize, 9);
    QFont dialogFont("Sans Serif", 11);
    FontCache fonts(kSettings);
    fonts.SetDefaultFont(dialogFont, 96);
    EXPECT_EQ(fonts.DefaultFont().pixelSize(), 12);
    for (int k = 1; k <= 9; ++k) {
        const QFont title = fonts.GetTextFont(10000 * k);
        EXPECT_EQ(title.weight(), QFont::Bold) << k;
        EXPECT_GT(title.pixelSize(), fonts.DefaultFont().pixelSize()) << k;
    }
}

TEST(ShippedSettings, ServedModelsAndLaunchMode) {
    EXPECT_TRUE(IsSupportedModel(kSettings, "ZENTA Corvid 4000"));
    EXPECT_TRUE(IsSupportedModel(kSettings, "ZENTA Corvid 2000"));
    EXPECT_FALSE(IsSupportedModel(kSettings, "ZENTA Corvid 3000"));
    const KeyValueFile launch(JoinPath(kSettings, SettingsFile::kLaunch));
    EXPECT_EQ(launch.Lookup("Ope"), std::string());
}

TEST(ShippedSettings, MediaTableCoversTheCasesThePagesHandle) {
    const MediaTable table(kSettings);
    ASSERT_TRUE(table.IsValid());
    std::set<int32_t> ids;
    bool variantDiffers = false, variantMark = false, mark = false, notOffered = false,
         modeMissing = false;
    for (const MediaRecord& record : table.Records()) {
        ids.insert(record.mediaId);
        EXPECT_GE(record.mediaId, 1);
        EXPECT_LE(record.mediaId, 40);
        EXPECT_GE(record.value8, 1) << record.mediaId;
        EXPECT_LE(record.value8, 16) << record.mediaId;
        EXPECT_GE(record.paperTypeCode, 0);
        EXPECT_LE(record.paperTypeCode, 255);
        if (record.variant == 1) {
            variantDiffers |=
                table.PrintMode(record.mediaId, 1, PrintModeValue::Mw) != record.printModes[0][0];
        }
        variantMark |= table.VariantMark(record.mediaId);
        mark |= record.markFlag == 1;
        notOffered |= record.mediaCode == -1;
        for (const auto& mode : record.printModes) modeMissing |= mode[0] == -1;
    }
    EXPECT_GE(ids.size(), 15u);
    EXPECT_TRUE(variantDiffers && variantMark && mark && notOffered && modeMissing);
}

TEST(ShippedSettings, EveryManualKeyOpensAnExistingPage) {
    const std::pair<int, int> keys[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},
                                        {6, 0}, {7, 0}, {8, 0}, {9, 0}, {5, 1}, {5, 2},
                                        {5, 3}, {5, 4}, {3, 1}, {3, 2}};
    for (const auto& [page, topic] : keys) {
        const std::string path = ManualPath(kProgramFolder, page, topic);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << page << "," << topic << ": " << path;
    }
}
