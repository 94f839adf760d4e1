#pragma once

#include <optional>
#include <string_view>

#include "config/MediaTable.h"

// One "Media.ini" record: 21 decimal integers separated by commas (white space allowed before
// each number, anything after the 21st ignored). Nothing unless all 21 are there.
std::optional<MediaRecord> ParseMediaRecord(std::string_view text);
