#include <cstddef>
#include <cstdint>

#include "custompaper/SlotReplies.h"

// Replies of any content: a refused reply leaves the slot alone, a taken one gives every decoded
// field a value its encoding can hold.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CustomPaperSlot slot;
    slot.name = "unchanged";
    slot.paperDraw = 7;
    if (!ParseSlotDetailReply(std::span<const uint8_t>(data, size), slot)) {
        if (slot.name != "unchanged" || slot.paperDraw != 7 || slot.platen != 2) __builtin_trap();
        return 0;
    }
    const bool suctionOk = slot.paperDraw == 7 || (slot.paperDraw >= -4 && slot.paperDraw <= 0);
    if (!suctionOk || slot.paperCut < 0 || slot.paperCut > 3 || slot.extraOption < 0 ||
        slot.extraOption > 2 || slot.forward < -101 || slot.forward > 154 || slot.dryTime < 0 ||
        slot.dryTime > 655 || slot.name.size() > 60)
        __builtin_trap();
    return 0;
}
