#include "pagekit/NumberText.h"

namespace {

// Beyond every int32_t, so a long run of digits clamps instead of overflowing.
constexpr int64_t kSaturated = int64_t{1} << 40;

}  // namespace

std::string NormalizeNumberText(std::string_view text, int32_t min, int32_t max, bool allowEmpty) {
    int minusCount = 0;
    bool hasDigit = false;
    int64_t magnitude = 0;
    // Bytes of a multi-byte UTF-8 character are all 0x80 or above, so dropping every byte that
    // is not an ASCII digit drops such a character whole.
    for (const char c : text) {
        if (c == '-') {
            ++minusCount;
        } else if (c >= '0' && c <= '9') {
            hasDigit = true;
            if (magnitude < kSaturated) magnitude = magnitude * 10 + (c - '0');
        }
    }
    const bool negative = minusCount % 2 == 1;
    if (!hasDigit) {
        std::string result = negative && min < 0 ? "-" : "";
        if (!allowEmpty) result += '0';
        return result;
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > max) return std::to_string(max);
    if (value < min) return std::to_string(min);
    if (negative && value == 0 && min < 0) return "-0";
    return std::to_string(value);
}
