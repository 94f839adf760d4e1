#pragma once

#include <array>
#include <cstdint>
#include <optional>

// How the printer holds the fields of a custom paper slot. Encoders take any value; decoders
// take any byte.

// Paper feed: value + 101.
uint8_t ForwardByte(int32_t forward);
int32_t ForwardOfByte(uint8_t byte);

// Suction: half the suction percentage (rounded up) of the level, 51 26 16 6 4 for 0..-4; other
// levels count as standard.
uint8_t SuctionByte(int32_t paperDraw);
// None for a byte above every level (the field then keeps its value).
std::optional<int32_t> PaperDrawOfSuctionByte(uint8_t byte);

// Cut method as a pair: 03 65, 02 49, 01 7E, 06 65 for 0..3; other methods as 0.
std::array<uint8_t, 2> CutPair(int32_t paperCut);
// Pairs not in the table read as 0.
int32_t PaperCutOfPair(uint8_t first, uint8_t second);

// Drying time in milliseconds, 16 bits high byte first.
std::array<uint8_t, 2> DryTimeBytes(int32_t dryTime);
int32_t DryTimeOfBytes(uint8_t high, uint8_t low);

// Option code: 1 -> 20, 2 -> 30, anything else 00 (and back).
uint8_t ExtraOptionCode(int32_t extraOption);
int32_t ExtraOptionOfCode(uint8_t code);
