#include "config/SettingsFolder.h"

#include "config/KeyValueFile.h"

std::string SettingsFolderOf(const std::string& programFolder) {
    if (programFolder.empty()) return std::string();
    return JoinPath(programFolder, "Settings");
}
