#include "custompaper/SlotNameField.h"

#include <utility>

namespace {

constexpr uint8_t kUnsendable = '?';

bool IsContinuation(uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot start one.
size_t SequenceLength(uint8_t lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// The Latin-1 byte of the character at the start of `text`, and how many bytes it took.
std::pair<uint8_t, size_t> NextLatin1(std::string_view text) {
    const auto lead = static_cast<uint8_t>(text[0]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || length > text.size()) return {kUnsendable, 1};
    for (size_t k = 1; k < length; ++k)
        if (!IsContinuation(static_cast<uint8_t>(text[k]))) return {kUnsendable, 1};
    if (length == 1) return {lead, 1};
    if (length == 2) {
        const uint32_t code = ((lead & 0x1Fu) << 6) | (static_cast<uint8_t>(text[1]) & 0x3Fu);
        if (code >= 0x80 && code <= 0xFF) return {static_cast<uint8_t>(code), 2};
    }
    return {kUnsendable, length};
}

}  // namespace

std::string DecodeSlotName(std::span<const uint8_t> field) {
    std::string name;
    size_t characters = 0;
    for (const uint8_t byte : field) {
        if (characters == kSlotNameLength) break;
        if (byte == 0) continue;
        if (byte < 0x80) {
            name.push_back(static_cast<char>(byte));
        } else {
            name.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            name.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
        ++characters;
    }
    return name;
}

std::array<uint8_t, kSlotNameLength> EncodeSlotName(std::string_view name) {
    std::array<uint8_t, kSlotNameLength> bytes;
    bytes.fill(' ');
    size_t at = 0;
    for (size_t count = 0; count < kSlotNameLength && at < name.size(); ++count) {
        const auto [byte, used] = NextLatin1(name.substr(at));
        bytes[count] = byte;
        at += used;
    }
    return bytes;
}
