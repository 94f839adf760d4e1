#include <cstddef>
#include <cstdint>

#include "comm/ReplyParsers.h"

// Replies of any content: the parsers answer within their ranges without reading past the input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> reply(data, size);
    const int32_t setting = ParsePlatenGapSetting(reply);
    if (setting != -1 && (setting < 1 || setting > 4)) __builtin_trap();
    const int32_t gap = ParseSlotPlatenGap(reply);
    if (gap < -1 || gap > 4) __builtin_trap();
    if (ParseFirmwareVersion(reply).size() > size) __builtin_trap();
    return 0;
}
