#pragma once

#include <cstdint>
#include <span>

// Grouping of sample pages on roll paper. Each builder writes its packet at the start of `out` and
// answers the bytes written, or writes nothing and answers 0 when `out` is too small.

// Any non-zero `startGroup` sends 1 (a group starts), zero sends 0 (the group ends).
int32_t AppendEscBar(std::span<uint8_t> out, int32_t startGroup);
// Closes the run of sample pages (value 2).
int32_t AppendEscBarClose(std::span<uint8_t> out);
