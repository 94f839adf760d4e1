#include "custompaper/CustomPaperFileListing.h"

#include <algorithm>
#include <filesystem>

#include "custompaper/CustomPaperFile.h"
#include "custompaper/CustomPaperMedia.h"

int ListFileSettings(const CustomPaperFile& file, const MediaTable& media,
                     std::string_view inkLayout, std::vector<FileSettingItem>& items) {
    items.clear();
    const int count = file.GetMediaCount();
    if (count < 0) return -1;
    if (count == 0) return 0;
    std::vector<std::string> names;
    if (file.ReadNames(names, count) != 0) return -1;
    for (int k = 1; k <= count; ++k) {
        CustomPaperFileEntry entry;
        const bool read = file.ReadEntry(k, entry) == 0;
        items.push_back({names[static_cast<size_t>(k - 1)],
                         read && IsFileEntryUsable(entry, media, inkLayout)});
    }
    return 0;
}

int FindSaveEntry(CustomPaperFile& file, const std::string& path, std::string_view model,
                  std::string_view name, bool& replaces) {
    replaces = false;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return 1;
    if (file.Open(path, model) != 0) return -1;
    const int count = file.GetMediaCount();
    if (count < 0) return -2;
    if (count == 0) return 1;
    std::vector<std::string> names;
    if (file.ReadNames(names, count) != 0) return -2;
    const auto same = std::find(names.begin(), names.end(), name);
    if (same == names.end()) return count + 1;
    replaces = true;
    return static_cast<int>(same - names.begin()) + 1;
}
