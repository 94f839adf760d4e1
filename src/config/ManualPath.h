#pragma once

#include <string>

// The manual file of a page and topic from "Manual.ini" ("MANUAL_%02d%02d"), as a path under
// the program folder; empty when there is none.
std::string ManualPath(const std::string& programFolder, int page, int topic);
