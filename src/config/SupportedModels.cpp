#include "config/SupportedModels.h"

#include <cstdio>

#include "config/DecimalScan.h"
#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"

bool IsSupportedModel(const std::string& settingsFolder, const std::string& modelName) {
    if (settingsFolder.empty()) return false;
    const KeyValueFile file(JoinPath(settingsFolder, SettingsFile::kPrinter));
    // No installation serves anywhere near this many models; the bound keeps a corrupt count
    // from rescanning the file for ever.
    constexpr int32_t kMaxModels = 999;
    const int32_t count = LeadingInteger(file.Lookup("PRINTER_NUM").value_or(std::string()));
    for (int32_t index = 1; index <= count && index <= kMaxModels; ++index) {
        char key[24];
        std::snprintf(key, sizeof key, "PRINTER%d", index);
        const auto name = file.Lookup(key);
        if (name && !name->empty() && *name == modelName) return true;
    }
    return false;
}
