#pragma once

#include <cstdint>
#include <string>

// A firmware file: payload bytes i * 7, the header's length and checksum off by the deltas given.
inline std::string FirmwareImage(size_t payload, const std::string& version = "I20711",
                                 int32_t lengthDelta = 0, int32_t sumDelta = 0) {
    std::string file(32 + payload, '\0');
    uint32_t sum = 0;
    for (size_t i = 0; i < payload; ++i) sum += static_cast<uint8_t>(file[32 + i] = char(i * 7));
    const uint32_t fields[2] = {static_cast<uint32_t>(payload + lengthDelta), sum + sumDelta};
    for (int field = 0; field < 2; ++field)
        for (int byte = 0; byte < 4; ++byte)
            file[8 + 4 * field + byte] = static_cast<char>(fields[field] >> (8 * byte));
    file.replace(16, version.size(), version);
    return file;
}
