#include <cstddef>
#include <cstdint>

#include "custompaper/SlotReplies.h"

// Replies of any content: at most three records, each name at most 30 characters of at most two
// bytes each.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto records = ParseSlotListReply(std::span<const uint8_t>(data, size));
    if (!records) return 0;
    if (records->size() > 3) __builtin_trap();
    for (const SlotListRecord& record : *records)
        if (record.name.size() > 60) __builtin_trap();
    return 0;
}
