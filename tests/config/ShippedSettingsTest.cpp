#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "config/FontCache.h"
#include "config/FontValue.h"
#include "config/KeyValueFile.h"
#include "config/MediaTable.h"
#include "config/SettingsFolder.h"
#include "config/SupportedModels.h"
#include "config/TextCatalog.h"

namespace {

const std::string kProgramFolder = SERVATO_BIN_DIR;
const std::string kSettings = SettingsFolderOf(kProgramFolder);

// Every text id the program asks for: shell, menus and messages, page titles and header lines,
// and the controls, lists, units and messages of every page and dialog.
const int32_t kTextIds[] = {
    0,     1,     2,     3,     4,     5,     6,     7,     8,     9,     10,    11,    12,
    13,    14,    15,    16,    17,    18,    19,    20,    99,    100,   200,   201,   500,
    501,   510,   511,   550,   551,   900,   901,   902,   904,   905,   906,   10000, 10001,
    10002, 10003, 10004, 10005, 10006, 10007, 10008, 10009, 10010, 10011, 10012, 10013, 10014,
    10015, 10016, 10017, 10018, 10019, 10020, 10100, 10101, 10102, 10103, 10110, 10120, 10130,
    10140, 10150, 10151, 10152, 10153, 10154, 10200, 10250, 10900, 10901, 10902, 20000, 20001,
    20002, 20003, 20004, 20005, 20100, 20900, 20901, 20902, 20903, 20904, 30000, 30001, 30002,
    30003, 30004, 30005, 30006, 30007, 30008, 30009, 30010, 30011, 30012, 30013, 30014, 30015,
    30016, 30017, 30018, 30019, 30020, 30021, 30022, 30023, 30024, 30025, 30100, 30101, 30102,
    30103, 30104, 30110, 30120, 30131, 30132, 30133, 30134, 30140, 30141, 30142, 30143, 30150,
    30151, 30152, 30153, 30160, 30161, 30162, 30600, 30601, 30602, 30650, 30651, 30900, 30901,
    30902, 30903, 30904, 30905, 40000, 40001, 40002, 40003, 40004, 40005, 40006, 40007, 40008,
    40009, 40010, 40011, 40012, 40013, 40100, 40101, 40102, 40111, 40121, 40122, 40123, 40124,
    40130, 40131, 40132, 40133, 40134, 40140, 40141, 40142, 40143, 40150, 40151, 40152, 40153,
    40160, 40161, 40162, 40163, 40164, 40900, 40901, 40902, 40903, 40904, 50000, 50001, 50002,
    50003, 50004, 50005, 50006, 50007, 50008, 50009, 50010, 50011, 50012, 50013, 50014, 50015,
    50016, 50017, 50018, 50019, 50020, 50021, 50022, 50023, 50024, 50025, 50026, 50027, 50028,
    50029, 50030, 50100, 50101, 50102, 50103, 50104, 50105, 50106, 50107, 50110, 50131, 50132,
    50133, 50134, 50140, 50141, 50142, 50143, 50150, 50151, 50152, 50153, 50160, 50161, 50162,
    50163, 50200, 50201, 50202, 50203, 50204, 50250, 50251, 50252, 50253, 50300, 50301, 50302,
    50303, 50304, 50350, 50351, 50352, 50353, 50400, 50401, 50402, 50403, 50404, 50405, 50406,
    50407, 50450, 50451, 50452, 50453, 50500, 50501, 50502, 50503, 50504, 50505, 50506, 50507,
    50508, 50509, 50510, 50550, 50551, 50552, 50553, 50600, 50601, 50602, 50650, 50651, 50652,
    50900, 50901, 50902, 50903, 50904, 50950, 50951, 50952, 50953, 50954, 60000, 60001, 60002,
    60003, 60004, 60005, 60006, 60007, 60008, 60100, 60101, 60102, 60103, 60104, 60200, 60201,
    60202, 60203, 60204, 60205, 60206, 60207, 60208, 60209, 60210, 60211, 60212, 60213, 60214,
    60215, 60230, 60231, 60232, 60233, 60234, 60235, 60236, 60240, 60241, 60242, 60250, 60251,
    60300, 60900, 60901, 70000, 70001, 70002, 70003, 70004, 70005, 70006, 70007, 70008, 70009,
    70100, 70101, 70102, 70110, 70900, 70901, 70902, 70903, 70904, 70905, 70906, 80000, 80001,
    80002, 80003, 80004, 80005, 80006, 80007, 80008, 80009, 80010, 80100, 80101, 80102, 80110,
    80130, 80131, 80132, 80133, 80134, 80900, 80901, 80902, 80903, 90000, 90001, 90002, 90003,
    90004, 90005, 90006, 90007, 90008, 90009, 90010, 90100, 90101, 90102, 90110, 90130, 90131,
    90132, 90133, 90134,
};

}  // namespace

TEST(ShippedSettings, EveryTextIdHasAText) {
    const TextCatalog texts(kSettings);
    for (int32_t id : kTextIds) EXPECT_FALSE(texts.LoadText(id).empty()) << "text id " << id;
    EXPECT_EQ(texts.LoadText(0), "Servato 2");
    EXPECT_EQ(texts.LoadText(-1), "");
}

TEST(ShippedSettings, ReferredKeysAllHaveTexts) {
    // A reference to a key without text would blank a control, so every line must resolve.
    const TextCatalog texts(kSettings);
    const KeyValueFile refer(JoinPath(kSettings, SettingsFile::kRefer));
    int referred = 0;
    for (int32_t id : kTextIds) {
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
