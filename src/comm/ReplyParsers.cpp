#include "comm/ReplyParsers.h"

#include <algorithm>
#include <array>

namespace {

constexpr int32_t kDefaultPlatenGapSetting = 2;
// The slot body's byte 19, two hex digits each.
constexpr size_t kSlotPlatenGapOffset = 38;

int32_t HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A decimal number as the printer writes it: optional sign, digits; no digits reads as 0.
int32_t LeadingDecimal(std::string_view text) {
    size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min<int64_t>(value * 10 + (text[at] - '0'), INT32_MAX);
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::string_view> ReplyValue(std::span<const uint8_t> reply,
                                           std::string_view marker) {
    std::string_view text(reinterpret_cast<const char*>(reply.data()), reply.size());
    text = text.substr(0, text.find('\0'));
    text = text.substr(0, text.find(';'));
    const size_t at = text.find(marker);
    if (at == std::string_view::npos) return std::nullopt;
    return text.substr(at + marker.size());
}

int32_t ParsePlatenGapSetting(std::span<const uint8_t> reply) {
    const auto value = ReplyValue(reply, "SN:01");
    if (!value) return kDefaultPlatenGapSetting;
    constexpr std::array<int32_t, 4> kSettingOfCode = {2, 1, 3, 4};
    const int32_t code = LeadingDecimal(*value);
    if (code < 0 || code >= static_cast<int32_t>(kSettingOfCode.size())) return -1;
    return kSettingOfCode[static_cast<size_t>(code)];
}

int32_t ParseSlotPlatenGap(std::span<const uint8_t> reply) {
    const auto value = ReplyValue(reply, "EX:0000001B");
    if (!value || value->size() <= kSlotPlatenGapOffset) return -1;
    const std::string_view digits = value->substr(kSlotPlatenGapOffset, 2);
    int32_t code = HexDigit(digits[0]);
    if (code < 0) return -1;
    if (digits.size() == 2 && HexDigit(digits[1]) >= 0) code = code * 16 + HexDigit(digits[1]);
    constexpr std::array<int32_t, 5> kListIndexOfCode = {0, 4, 3, 2, 1};
    if (code >= static_cast<int32_t>(kListIndexOfCode.size())) return -1;
    return kListIndexOfCode[static_cast<size_t>(code)];
}

std::string ParseFirmwareVersion(std::span<const uint8_t> reply) {
    const auto value = ReplyValue(reply, "VI:00");
    return value ? std::string(*value) : std::string();
}
