#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Values of initialization files: "[section]" lines, each followed by "key=value" lines. They are
// found the way custom paper files have always been read, with the settings files' line reader:
// a section line counts only when the rest of it is exactly the name and "]", a key line only when
// it begins with exactly the key and "="; letter case matters and no space is skipped. The first
// key line of any matching section wins. A line ends at its first NUL byte.

// A custom paper file is a few kilobytes; a larger file is not one and is not read, which also
// bounds the time of a lookup.
inline constexpr size_t kMaxIniFileSize = 1024 * 1024;

// The value of `key` in `section` of the text; nothing when the text ends first.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// The same for a file that is opened, read and closed for this one lookup, so that every lookup
// sees the file as it is now; nothing when the file cannot be read or is too large.
std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key);
