#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "custompaper/CustomPaperSlot.h"

// The text of a text id.
using TextLookup = std::function<std::string(int32_t)>;

// The printer's ten custom paper slots as last read, and the one the pages work on. Slots are
// numbered 1..10 towards the user and the printer, 0..9 here; a negative index means the current
// slot. Nothing of it is stored on disk.
class CustomPaperSlotTable {
  public:
    static constexpr int32_t kSlotCount = 10;

    // A negative index gives `current`, 0..9 itself, anything else -1.
    int32_t Index(int32_t i) const;

    // An index of 10 or more yields the current slot.
    CustomPaperSlot& Slot(int32_t i);
    const CustomPaperSlot& Slot(int32_t i) const;
    // False for an index of 10 or more.
    bool IsRegistered(int32_t i) const;
    // The slot's name when it is registered, else the text for an unregistered slot.
    std::string SlotName(int32_t i, const TextLookup& loadText) const;
    // How the pages list a slot: "#<number> <name>", trailing spaces of the name removed.
    std::string SlotLabel(int32_t i, const TextLookup& loadText) const;

    int32_t current() const { return current_; }
    // Indexes outside 0..9 are ignored.
    void SetCurrent(int32_t i);

  private:
    std::array<CustomPaperSlot, kSlotCount> slots_{};
    int32_t current_ = 0;
};

// `text` without its trailing spaces.
std::string WithoutTrailingSpaces(std::string text);
