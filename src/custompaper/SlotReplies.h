#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "custompaper/CustomPaperSlot.h"

// The printer's text replies about its custom paper slots: cut at the first ';', the data follow a
// marker as two hexadecimal digits per byte. Data end at the first character that does not make a
// whole pair of digits; what is not there counts as not received.

// One slot in a list reply.
struct SlotListRecord {
    bool registered = false;
    // Zero bytes skipped, at most 30 characters, trailing spaces kept.
    std::string name;
};

// The records of an "EX:0000001D" reply that were received whole, at most three; none when the
// marker is missing.
std::optional<std::vector<SlotListRecord>> ParseSlotListReply(std::span<const uint8_t> reply);

// Stores the details of an "EX:0000001B" reply (name included, `registered` and `mediaId` not)
// into `slot`. False, with `slot` untouched, when the marker is missing or the record was not
// received whole.
bool ParseSlotDetailReply(std::span<const uint8_t> reply, CustomPaperSlot& slot);
