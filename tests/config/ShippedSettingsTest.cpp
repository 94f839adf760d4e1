#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "FileText.h"
#include "config/KeyValueFile.h"
#include "config/ManualPath.h"
#include "config/SettingsFolder.h"

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

TEST(ShippedSettings, EveryManualKeyOpensAnExistingPage) {
    const auto keys = Lines(SettingsFile::kManual);
    EXPECT_GE(keys.size(), 10u);
    for (const auto& [key, page] : keys) {
        const int number = std::stoi(key.substr(key.size() - 4));
        const std::string path = ManualPath(kProgramFolder, number / 100, number % 100);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << key << ": " << path;
    }
}
