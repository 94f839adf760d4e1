#include "custompaper/CustomPaperSlotTable.h"

namespace {

constexpr int32_t kUnregisteredSlotText = 30110;

}  // namespace

int32_t CustomPaperSlotTable::Index(int32_t i) const {
    if (i < 0) return current_;
    return i < kSlotCount ? i : -1;
}

CustomPaperSlot& CustomPaperSlotTable::Slot(int32_t i) {
    const int32_t index = Index(i);
    return slots_[static_cast<size_t>(index >= 0 ? index : current_)];
}

const CustomPaperSlot& CustomPaperSlotTable::Slot(int32_t i) const {
    const int32_t index = Index(i);
    return slots_[static_cast<size_t>(index >= 0 ? index : current_)];
}

bool CustomPaperSlotTable::IsRegistered(int32_t i) const {
    return Index(i) >= 0 && Slot(i).registered;
}

std::string CustomPaperSlotTable::SlotName(int32_t i, const TextLookup& loadText) const {
    return IsRegistered(i) ? Slot(i).name : loadText(kUnregisteredSlotText);
}

std::string CustomPaperSlotTable::SlotLabel(int32_t i, const TextLookup& loadText) const {
    const int32_t index = Index(i) >= 0 ? Index(i) : current_;
    return "#" + std::to_string(index + 1) + " " + WithoutTrailingSpaces(SlotName(i, loadText));
}

void CustomPaperSlotTable::SetCurrent(int32_t i) {
    if (i >= 0 && i < kSlotCount) current_ = i;
}

std::string WithoutTrailingSpaces(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}
