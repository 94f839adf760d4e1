#include "config/DecimalScan.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<int32_t> ScanDecimal(std::string_view& text) {
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const size_t firstDigit = pos;
    int64_t magnitude = 0;
    bool tooLarge = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (!tooLarge) {
            magnitude = magnitude * 10 + (text[pos] - '0');
            tooLarge = magnitude > int64_t{INT32_MAX} + 1;
        }
        ++pos;
    }
    if (pos == firstDigit || tooLarge) return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return std::nullopt;
    text.remove_prefix(pos);
    return static_cast<int32_t>(value);
}

int32_t LeadingInteger(std::string_view text) {
    return ScanDecimal(text).value_or(0);
}
