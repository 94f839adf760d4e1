#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Upper-case hexadecimal, two digits per byte, as the printer writes its replies.
std::string ToHex(const std::uint8_t* data, std::size_t length);
inline std::string ToHex(const Bytes& bytes) {
    return ToHex(bytes.data(), bytes.size());
}

// Reverse of ToHex; an odd digit count or a non-hex character gives false.
bool FromHex(std::string_view text, Bytes& out);

inline Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
