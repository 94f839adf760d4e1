#include "config/TextCatalog.h"

#include <cstdio>

#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"

namespace {

std::string WithLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            result += '\n';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace

TextCatalog::TextCatalog(std::string settingsFolder) : settingsFolder_(std::move(settingsFolder)) {}

std::string TextCatalog::TextKey(int32_t id) {
    char key[24];
    std::snprintf(key, sizeof key, "00%06d", id);
    return key;
}

std::string TextCatalog::LoadText(int32_t id) const {
    std::string key = TextKey(id);
    const std::string referred = ReadSettingValue(settingsFolder_, SettingsFile::kRefer, key);
    if (!referred.empty()) key = referred;
    std::string text = ReadSettingValue(settingsFolder_, SettingsFile::kLocalize, key);
    if (text.empty()) text = ReadSettingValue(settingsFolder_, SettingsFile::kConst, key);
    return WithLineBreaks(text);
}
