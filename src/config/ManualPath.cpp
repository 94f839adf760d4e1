#include "config/ManualPath.h"

#include <cstdio>

#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"

std::string ManualPath(const std::string& programFolder, int page, int topic) {
    char key[32];
    std::snprintf(key, sizeof key, "MANUAL_%02d%02d", page, topic);
    const std::string relative =
        ReadSettingValue(SettingsFolderOf(programFolder), SettingsFile::kManual, key);
    if (relative.empty()) return std::string();
    return JoinPath(programFolder, relative);
}
