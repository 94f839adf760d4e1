#include "custompaper/IniValue.h"

#include "config/FileBytes.h"
#include "config/LinePieces.h"

namespace {

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

bool IsSectionLine(std::string_view line, std::string_view section) {
    return line.size() == section.size() + 2 && line.front() == '[' && line.back() == ']' &&
           line.substr(1, section.size()) == section;
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
    LinePieces lines(text);
    LinePieces::Piece piece;
    bool inSection = false;
    while (lines.Next(piece)) {
        const std::string_view line = UpToNul(piece.text);
        if (line.starts_with('[')) {
            inSection = IsSectionLine(line, section);
        } else if (inSection && line.size() > key.size() && line.starts_with(key) &&
                   line[key.size()] == '=') {
            return line.substr(key.size() + 1);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key) {
    FileBytes content;
    if (!content.Read(path, kMaxIniFileSize) || !content.IsWhole()) return std::nullopt;
    const auto value = FindIniValue(content.View(), section, key);
    if (!value) return std::nullopt;
    return std::string(*value);
}
