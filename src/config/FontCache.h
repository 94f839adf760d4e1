#pragma once

#include <QFont>
#include <cstdint>
#include <map>
#include <string>

// Fonts by text id from "L_Font.ini", cached for the run: ids with equal settings share one font.
class FontCache {
public:
    explicit FontCache(std::string settingsFolder);

    // The main window's dialog font with the entry of id 999999 applied.
    void SetDefaultFont(const QFont& dialogFont, int screenDpi);
    const QFont& DefaultFont() const { return defaultFont_; }
    QFont GetTextFont(int32_t id);

private:
    std::string settingsFolder_;
    int screenDpi_ = 96;
    QFont defaultFont_;
    std::map<std::string, QFont> fonts_;
};
