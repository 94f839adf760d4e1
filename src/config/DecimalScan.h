#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Decimal integers in settings values, read the way the files have always been read: with
// leading white space, an optional sign and at least one digit. Values outside the 32-bit range
// do not count as numbers.

// Reads one integer from the front of `text` and advances `text` past it; nothing on failure.
std::optional<int32_t> ScanDecimal(std::string_view& text);

// The leading integer of a value, 0 when it does not start with one (counts such as
// "PRINTER_NUM" and "MEDIA_NUM").
int32_t LeadingInteger(std::string_view text);
