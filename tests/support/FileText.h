#pragma once

#include <string>

// The whole content of a file; empty when it cannot be read.
std::string ReadFileText(const std::string& path);
