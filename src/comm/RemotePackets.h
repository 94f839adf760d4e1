#pragma once

#include <cstdint>
#include <span>

// The frame of every remote-mode job. Each builder writes its packet at the start of `out` and
// answers the bytes written, or writes nothing and answers 0 when `out` is too small.
int32_t AppendEnterRemote(std::span<uint8_t> out);
int32_t AppendExitRemote(std::span<uint8_t> out);
// Ends a job that prints paper.
int32_t AppendJobEnd(std::span<uint8_t> out);
// Stores the values sent before it in the printer.
int32_t AppendSV(std::span<uint8_t> out);
// Leaves a manual alignment page.
int32_t AppendLD(std::span<uint8_t> out);
