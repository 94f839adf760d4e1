#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "config/MediaTable.h"
#include "custompaper/CustomPaperFile.h"
#include "custompaper/CustomPaperFileListing.h"

namespace {

constexpr const char* kModel = "ZENTA Corvid 4000";

std::string Base(const std::string& count, const std::string& model = "Corvid 4000") {
    return "[Base]\nVersion=2.00\nModel=" + model + "\n" +
           (count.empty() ? "" : "MediaCount=" + count + "\n");
}

// A setting of media code 4.
std::string Setting(int k, const std::string& name, const std::string& ink = "INK") {
    std::string text = "[Media0" + std::to_string(k) + "]\n";
    if (!name.empty()) text += "CustomName=" + name + "\n";
    return text + "ID=4\nMode=2\nDensity=0\nForward=0\nDrytime=0\nPaperthick=1\nPaperdraw=0\n" +
           "PaperCut=0\nInkMode=" + ink + "\nPlaten=3\nRoller=1\nSID=1\n";
}

TEST(CustomPaperFileListing, ListsEverySettingWithWhetherItCanBeUsed) {
    const MediaTable media({{.mediaId = 9, .mediaCode = 4, .mediaSubCode = 1}});
    const std::string two = Setting(1, "Velvet");
    // Which settings can be used is the model's test; here the flag reaches the list.
    using Items = std::vector<std::pair<std::string, bool>>;
    const std::vector<std::tuple<std::string, int, Items>> rows = {
        {Base("2") + two + Setting(2, "Other ink", "INK2"),
         0,
         {{"Velvet", true}, {"Other ink", false}}},
        {Base("") + two, -1, {}},
        {Base("2") + two + Setting(2, ""), -1, {}},
    };
    const TempFolder folder;
    for (const auto& [content, result, expected] : rows) {
        CustomPaperFile file;
        ASSERT_EQ(file.Open(folder.Write("list.zcf", content), kModel), 0);
        std::vector<FileSettingItem> items{{"stale", true}};
        EXPECT_EQ(ListFileSettings(file, media, "INK", items), result) << content;
        Items listed;
        for (const FileSettingItem& item : items) listed.emplace_back(item.name, item.usable);
        EXPECT_EQ(listed, expected) << content;
    }
}

TEST(CustomPaperFileListing, SaveGoesOverTheSettingOfTheSameNameElseAfterTheLast) {
    const std::string ab = Setting(1, "Velvet") + Setting(2, "Canvas");
    const std::vector<std::tuple<std::optional<std::string>, std::string, int, bool>> rows = {
        {std::nullopt, "Velvet", 1, false},
        {Base("2") + ab, "Canvas", 2, true},
        {Base("2") + ab, "canvas", 3, false},
        {Base("2", "Corvid 2000") + ab, "Canvas", -1, false},
        {Base("") + ab, "Canvas", -2, false},
        {Base("2") + Setting(1, "") + Setting(2, "Canvas"), "Canvas", -2, false},
    };
    for (const auto& [content, name, entry, replaces] : rows) {
        const TempFolder folder;
        const std::string path =
            content ? folder.Write("save.zcf", *content) : folder.Path() + "/new.zcf";
        CustomPaperFile file;
        bool replacing = !replaces;
        EXPECT_EQ(FindSaveEntry(file, path, kModel, name, replacing), entry) << name;
        EXPECT_EQ(replacing, replaces) << name;
    }
}

}  // namespace
