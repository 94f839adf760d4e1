#pragma once

#include <cstdint>
#include <span>

// Queries sent on their own over the channel. Each builder writes its packet at the start of `out`
// and answers the bytes written, or writes nothing and answers 0 when `out` is too small.

// Firmware version ("VI:00" reply).
int32_t AppendVIQuery(std::span<uint8_t> out);
// Platen gap setting ("SN:01" reply).
int32_t AppendSNQuery(std::span<uint8_t> out);
// Details of a custom paper slot ("EX:0000001B" reply).
int32_t AppendEXDetailQuery(std::span<uint8_t> out, uint8_t slotSelector);
// Registered flag and name of a custom paper slot ("EX:0000001D" reply).
int32_t AppendEXSlotQuery(std::span<uint8_t> out, uint8_t slot);
// One entry of the job history, index 0-9 ("JI:" reply).
int32_t AppendJIQuery(std::span<uint8_t> out, uint8_t jobIndex);
