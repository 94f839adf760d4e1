#include "platform/PpdFile.h"

#include <algorithm>
#include <fstream>

namespace {

constexpr const char* kDriverFolderAttribute = "ZTDriverFolder";
constexpr std::streamsize kMaxBytes = 4 << 20;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

PpdFile::PpdFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return;
    const std::streamsize size = std::min<std::streamsize>(file.tellg(), kMaxBytes);
    file.seekg(0);
    text_.resize(static_cast<size_t>(std::max<std::streamsize>(size, 0)));
    file.read(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.resize(static_cast<size_t>(file.gcount()));
}

std::string PpdFile::AttributeIn(std::string_view text, std::string_view key) {
    for (size_t line = 0; line < text.size();) {
        const size_t end = std::min(text.find('\n', line), text.size());
        const std::string_view start = text.substr(line);
        if (start.size() > key.size() + 1 && start[0] == '*' &&
            start.substr(1, key.size()) == key && start[key.size() + 1] == ':') {
            size_t value = line + key.size() + 2;
            while (value < end && IsBlank(text[value])) ++value;
            if (value < end && text[value] == '"') {
                const size_t close = text.find('"', value + 1);
                if (close == std::string_view::npos) return {};
                return std::string(text.substr(value + 1, close - value - 1));
            }
            size_t last = end;
            while (last > value && (IsBlank(text[last - 1]) || text[last - 1] == '\r')) --last;
            return std::string(text.substr(value, last - value));
        }
        line = end + 1;
    }
    return {};
}

std::string PpdFile::DriverFolder() const {
    std::string folder = Attribute(kDriverFolderAttribute);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}
