#include "custompaper/CustomNameText.h"

#include <cstdint>

namespace {

bool InRange(uint8_t byte, uint8_t low, uint8_t high) {
    return byte >= low && byte <= high;
}

// The length of the well-formed UTF-8 character at the start of `text`; 0 when it is not one
// (no overlong forms, no surrogates, nothing above U+10FFFF).
size_t CharacterLength(std::string_view text) {
    const auto byte = [&text](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || !InRange(byte(1), low, high)) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!InRange(byte(i), 0x80, 0xBF)) return 0;
    return length;
}

}  // namespace

std::string CustomNameText(std::string_view bytes, size_t maxCharacters) {
    std::string name;
    for (size_t count = 0; count < maxCharacters && !bytes.empty(); ++count) {
        const size_t length = CharacterLength(bytes);
        if (length > 0) {
            name.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        } else {
            const auto latin1 = static_cast<uint8_t>(bytes.front());
            name.push_back(static_cast<char>(0xC0 | (latin1 >> 6)));
            name.push_back(static_cast<char>(0x80 | (latin1 & 0x3F)));
            bytes.remove_prefix(1);
        }
    }
    return name;
}
