#pragma once

#include <cstdint>
#include <span>

// Head maintenance and printed reports. Each builder writes its packet at the start of `out` and
// answers the bytes written, or writes nothing and answers 0 when `out` is too small.

// Nozzle check print; any non-zero `readBySensor` sends 1.
int32_t AppendNC(std::span<uint8_t> out, int32_t readBySensor);
// Head cleaning.
int32_t AppendCH(std::span<uint8_t> out);
// Nozzle check pattern within a cleaning page job.
int32_t AppendVI(std::span<uint8_t> out);
// A printed sheet: 1 status, 2 job information, 3 thickness pattern, 4 custom configuration.
int32_t AppendSS(std::span<uint8_t> out, uint8_t sheet);
// The thickness pattern sheet.
int32_t AppendSSThickness(std::span<uint8_t> out);
