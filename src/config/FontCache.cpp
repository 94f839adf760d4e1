#include "config/FontCache.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "config/FontValue.h"
#include "config/KeyValueFile.h"
#include "config/SettingsFolder.h"
#include "config/TextCatalog.h"

namespace {

struct FontStyle {
    int32_t height;  // negative: a pixel height at 96 dots per inch
    int weight;
    bool italic;
    bool underline;
};

std::optional<FontStyle> ReadFontStyle(const std::string& settingsFolder, int32_t id, int dpi) {
    const std::string value =
        ReadSettingValue(settingsFolder, SettingsFile::kFont, TextCatalog::TextKey(id));
    if (value.empty()) return std::nullopt;
    const FontValue font = ParseFontValue(value);
    if (font.pointSize <= 0) return std::nullopt;
    return FontStyle{FontPixelHeight(font.pointSize, dpi),
                     font.bold == 1 ? QFont::Bold : QFont::Normal, font.italic == 1,
                     font.underline == 1};
}

QFont Styled(QFont font, const FontStyle& style) {
    const int pixels = std::abs(style.height);
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

}  // namespace

FontCache::FontCache(std::string settingsFolder) : settingsFolder_(std::move(settingsFolder)) {}

void FontCache::SetDefaultFont(const QFont& dialogFont, int screenDpi) {
    screenDpi_ = screenDpi > 0 ? screenDpi : 96;
    fonts_.clear();
    const auto style = ReadFontStyle(settingsFolder_, kDefaultFontId, screenDpi_);
    defaultFont_ = style ? Styled(dialogFont, *style) : dialogFont;
}

QFont FontCache::GetTextFont(int32_t id) {
    const auto style = ReadFontStyle(settingsFolder_, id, screenDpi_);
    if (!style) return defaultFont_;
    char key[48];
    std::snprintf(key, sizeof key, "%x%d%d%d", static_cast<unsigned>(style->height), style->weight,
                  style->italic ? 1 : 0, style->underline ? 1 : 0);
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    return fonts_.emplace(key, Styled(defaultFont_, *style)).first->second;
}
