#include <cstddef>
#include <cstdint>

#include "comm/StatusReply.h"

// A status block exactly as long as the input: every test must stay inside it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StatusReply status;
    if (!status.Assign(std::span<const uint8_t>(data, size))) return 0;
    const int32_t slots = status.InkSlotCount();
    if (slots != 4 && slots != 8) __builtin_trap();
    if (status.IsReady() && status.IsError()) __builtin_trap();
    status.IsField0DAtMost12();
    status.HasEntryAtMost25();
    if (status.InkEntries().size() > size / 3) __builtin_trap();
    return 0;
}
