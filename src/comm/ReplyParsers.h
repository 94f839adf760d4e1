#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Text replies to queries: the reply is read as text up to its first NUL, cut at its first ';',
// and the value follows a marker such as "SN:01".

// The text after the marker; none when the marker is missing.
std::optional<std::string_view> ReplyValue(std::span<const uint8_t> reply, std::string_view marker);

// Platen gap setting 1-4 from an "SN:01" reply; 2 when the marker is missing, -1 when the number
// is outside 0-3.
int32_t ParsePlatenGapSetting(std::span<const uint8_t> reply);
// Index into the platen gap list (0-4) of a slot's "EX:0000001B" reply; -1 when it cannot be read.
int32_t ParseSlotPlatenGap(std::span<const uint8_t> reply);
// The firmware version of a "VI:00" reply; empty when the marker is missing.
std::string ParseFirmwareVersion(std::span<const uint8_t> reply);
