#pragma once

#include <cstdint>
#include <string>

// One custom paper setting as a custom paper file keeps it for the printer driver. A
// default-constructed entry is a new setting.
struct CustomPaperFileEntry {
    // At most 16 characters are kept in the file.
    std::string customName{};
    // The media table's id of the media type; not stored, found again from `id` and `sid`.
    int32_t mediaId = 0;
    // The media type's media code and sub-code.
    int32_t id = 0;
    int32_t sid = 0;
    // Print mode 1..4 and the media type's three values of that mode.
    int32_t mode = 2;
    int32_t hres = 0;
    int32_t vres = 0;
    int32_t mw = 0;
    // Color density in %, -50..50.
    int32_t density = 0;
    // Paper feed adjustment in 0.01 %, -70..70.
    int32_t forward = 0;
    // Drying time per print head pass in 0.1 s, 0..50.
    int32_t dryTime = 0;
    // Paper thickness in 0.1 mm, 1..16.
    int32_t paperThick = 1;
    // Suction: 0 standard, -1..-4 weaker.
    int32_t paperDraw = 0;
    // Cut method, 0..3.
    int32_t paperCut = 0;
    // Platen gap, 1..4.
    int32_t platen = 3;
    // Roller type, 0..3.
    int32_t roller = 1;
    // The driver's ink layout when the entry was saved; the entry is usable only with the same one.
    std::string inkMode{};
};
