#pragma once

#include <string>
#include <string_view>
#include <vector>

class CustomPaperFile;
class MediaTable;

// One setting of a custom paper file as the setting list shows it.
struct FileSettingItem {
    std::string name;
    // Its media exists and it was saved with the driver's current ink layout.
    bool usable = false;
};

// The settings of the open file in file order: 0, or -1 when the count or the names cannot be
// read (`items` is then empty). A setting that cannot be read is listed as not usable.
int ListFileSettings(const CustomPaperFile& file, const MediaTable& media,
                     std::string_view inkLayout, std::vector<FileSettingItem>& items);

// Where a setting named `name` goes in the file at `path` made for `model`: the number of the
// first setting of that name (`replaces` is then set), else one past the last; 1 for a file that
// does not exist yet. -1 when the file does not open for the model, -2 when its count or names
// cannot be read.
int FindSaveEntry(CustomPaperFile& file, const std::string& path, std::string_view model,
                  std::string_view name, bool& replaces);
