#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "servato-config-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(std::string_view name, std::string_view content) const {
    const std::string path = path_ + "/" + std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return path;
}
