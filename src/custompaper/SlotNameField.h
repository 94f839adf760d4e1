#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The printer keeps a slot name as one byte per character, which the program reads and writes
// as Latin-1 so that every name it holds is valid UTF-8.

inline constexpr size_t kSlotNameLength = 30;

// The name in a name field (or the part of it that was received): zero bytes are skipped, every
// other byte is one character; at most 30 characters.
std::string DecodeSlotName(std::span<const uint8_t> field);

// The 30 bytes sent for `name` (UTF-8): its first 30 characters left-aligned, spaces after them. A
// character without a Latin-1 byte, or a malformed sequence, is sent as '?'.
std::array<uint8_t, kSlotNameLength> EncodeSlotName(std::string_view name);
