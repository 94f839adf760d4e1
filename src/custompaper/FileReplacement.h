#pragma once

#include <string>
#include <string_view>

// Puts new content in place of a file so that the file is at every moment either wholly the old
// or wholly the new one, also when the process dies or the machine stops in between: the content
// goes to a new file in the same folder, reaches the disk, and then takes the file's name in one
// rename. A symbolic link keeps pointing where it did; a replaced file keeps its permissions.
// 0, or -1 with the file as it was: the file or its folder cannot be written, the disk is full, or
// something other than a file stands at the path.
int ReplaceFileContent(const std::string& path, std::string_view content);
