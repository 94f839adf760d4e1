#pragma once

#include <cstdint>

// Dressing tables of a page: a control id with its text id (also its font id; -1 = no text), or
// with its rectangle (left, top, right, bottom in page pixels).
struct ControlText {
    int controlId;
    int32_t textId;
};

struct ControlRect {
    int controlId;
    int left, top, right, bottom;
};
