#include "ObjectIdentifier.h"

bool DecodeObjectIdentifier(const std::uint8_t* contents, std::size_t length,
                            ObjectIdentifier& oid) {
    if (length == 0) return false;
    ObjectIdentifier arcs;
    std::uint64_t value = 0;
    bool inSubIdentifier = false;
    for (std::size_t i = 0; i < length; ++i) {
        value = (value << 7) | (contents[i] & 0x7F);
        if (value > 0xFFFFFFFFu) return false;
        inSubIdentifier = (contents[i] & 0x80) != 0;
        if (inSubIdentifier) continue;
        if (arcs.empty()) {
            const std::uint32_t first = value < 80 ? static_cast<std::uint32_t>(value / 40) : 2;
            arcs.push_back(first);
            arcs.push_back(static_cast<std::uint32_t>(value - 40u * first));
        } else {
            arcs.push_back(static_cast<std::uint32_t>(value));
        }
        value = 0;
    }
    if (inSubIdentifier) return false;
    oid = std::move(arcs);
    return true;
}

namespace {
void AppendBase128(Bytes& out, std::uint64_t value) {
    std::uint8_t digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(digits[--count] | 0x80);
    out.push_back(digits[0]);
}
}  // namespace

Bytes EncodeObjectIdentifier(const ObjectIdentifier& oid) {
    Bytes out;
    if (oid.empty()) return out;
    const std::uint64_t first = oid.size() > 1 ? 40ull * oid[0] + oid[1] : 40ull * oid[0];
    AppendBase128(out, first);
    for (std::size_t i = 2; i < oid.size(); ++i) AppendBase128(out, oid[i]);
    return out;
}

std::string ObjectIdentifierText(const ObjectIdentifier& oid) {
    std::string text;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i > 0) text += '.';
        text += std::to_string(oid[i]);
    }
    return text;
}
