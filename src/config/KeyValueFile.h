#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/LinePieces.h"

// One settings file of "key=value" lines. A line "key:other" makes the lookup start again from
// the top for "other". Lines hold at most 255 characters; longer ones are read as several lines.
// Every lookup opens, reads and closes the file, so edits show at once and nothing is held open.
class KeyValueFile {
  public:
    static constexpr size_t kMaxLineLength = LinePieces::kMaxLength;
    // Alias hops followed before a chain counts as a cycle.
    static constexpr int kMaxAliasHops = 32;
    // Settings files are a few hundred lines; anything beyond this size is not read.
    static constexpr size_t kMaxFileSize = 16 * 1024 * 1024;

    explicit KeyValueFile(std::string path);

    // The value of `key` (empty for a key that aliases a missing one); nothing when the file or
    // the key is missing, or an alias chain runs in a cycle. A value ends at the first NUL.
    std::optional<std::string> Lookup(std::string_view key) const;

  private:
    std::string path_;
};

// "folder/fileName"; file names are joined to their folder with one slash.
std::string JoinPath(const std::string& folder, std::string_view fileName);

// One value of one file of a folder; empty when the folder, the file or the key is missing.
std::string ReadSettingValue(const std::string& folder, std::string_view fileName,
                             std::string_view key);
