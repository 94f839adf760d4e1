#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a number box holds after the user typed `text` (UTF-8): minus signs collected (an odd count
// makes the number negative), every other non-digit dropped (a multi-byte character whole), the
// value clamped to [min, max]. Without digits the result is "-" (negative, min < 0) or empty, and
// with allowEmpty false "0" is appended. "-0" stays while the user is on the way to a negative
// number. Callers write the result back only when it differs from the box's text.
std::string NormalizeNumberText(std::string_view text, int32_t min, int32_t max, bool allowEmpty);
