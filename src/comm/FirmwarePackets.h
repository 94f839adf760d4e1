#pragma once

#include <cstdint>
#include <span>

// The header of a firmware job; the firmware image follows it directly. Writes nothing and answers
// 0 when `out` is too small.
int32_t AppendEscBrace(std::span<uint8_t> out);
