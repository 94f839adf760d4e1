#pragma once

#include <cstdint>
#include <string>

// One custom paper setting as the printer keeps it in one of its ten slots.
struct CustomPaperSlot {
    // At most 30 characters; the printer holds one byte per character.
    std::string name{};
    // The media table's id of the media type; the program's own, the printer never sees it.
    int32_t mediaId = 0;
    // What the printer stores of the media type, 0..255.
    int32_t paperTypeCode = 0;
    // A three-way choice, 0..2.
    int32_t extraOption = 0;
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
    int32_t platen = 2;
    // Roller type, 0..3.
    int32_t roller = 0;
    // Only the printer sets it: the slot is in use.
    bool registered = false;
};
