#pragma once

#include <string>

// The folder the program's data (Settings/, Manual/) is laid out in, without a trailing slash;
// empty before the application object exists.
std::string ProgramFolder();

// The same for a program file in executableFolder: the installation's share folder when the program
// is installed, else the program file's own folder, as in the build tree.
std::string ProgramFolderOf(const std::string& executableFolder);
