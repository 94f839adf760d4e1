#pragma once

#include <cstdint>
#include <string_view>

// An "L_Font.ini" value: point size, bold, italic, underline ("12, 1, 0, 0"); spaces anywhere
// are ignored and numbers that are not there count as 0.
struct FontValue {
    int32_t pointSize = 0;
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t underline = 0;
};

FontValue ParseFontValue(std::string_view text);

// The pixel height of a point size at 96 dots per inch, negative as a font height is written,
// computed through the screen resolution the way the size was always rounded.
int32_t FontPixelHeight(int32_t pointSize, int32_t screenDpi);
