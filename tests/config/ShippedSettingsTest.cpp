#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "FileText.h"
#include "config/FontCache.h"
#include "config/FontValue.h"
#include "config/KeyValueFile.h"
#include "config/ManualPath.h"
#include "config/SettingsFolder.h"
#include "config/SupportedModels.h"
#include "config/TextCatalog.h"

namespace {

const std::string kProgramFolder = SERVATO_BIN_DIR;
const std::string kSettings = SettingsFolderOf(kProgramFolder);

// The key and value of each "KEY=VALUE" line of a shipped settings file.
std::vector<std::pair<std::string, std::string>> Lines(const char* file) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream text(ReadFileText(JoinPath(kSettings, file)));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return lines;
}

}  // namespace

TEST(ShippedSettings, ReferredKeysAllHaveTexts) {
    // A reference to a key without text would blank a control, so every line must resolve.
    const auto references = Lines(SettingsFile::kRefer);
    EXPECT_GT(references.size(), 100u);
    for (const auto& [key, target] : references) {
        EXPECT_NE(target, key);
        EXPECT_FALSE(ReadSettingValue(kSettings, SettingsFile::kLocalize, target).empty() &&
                     ReadSettingValue(kSettings, SettingsFile::kConst, target).empty())
            << key << " refers to " << target;
    }
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

TEST(ShippedSettings, EveryManualKeyOpensAnExistingPage) {
    const auto keys = Lines(SettingsFile::kManual);
    EXPECT_GE(keys.size(), 10u);
    for (const auto& [key, page] : keys) {
        const int number = std::stoi(key.substr(key.size() - 4));
        const std::string path = ManualPath(kProgramFolder, number / 100, number % 100);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << key << ": " << path;
    }
}
